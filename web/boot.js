// The page's start: what only promises do without holding the game. The lists of the page's language,
// packed in one file, are fetched at once, and the game is compiled and started while they come, so
// that their arrival finds it ready to read them. The game, in C++, runs the page itself.
'use strict';
(() => {
  const lang = new URLSearchParams(location.search).get('lang') === 'oc' ? 'oc' : 'fr';
  const listsUrl = `lists/${lang}.txt.gz`;
  // The site sends its big files in gzip, and a server that added its own encoding has had them
  // decompressed already.
  const gunzip = (response) => response.headers.get('Content-Encoding') ? response.body :
                                                                          response.body.pipeThrough(new DecompressionStream('gzip'));
  // A file that cannot be fetched is null, and the game plays without lists. Offline, one the service
  // worker has not kept cannot come, and asking for it would only fail on the console.
  const fetchLists = async (url) => {
    try {
      if (!navigator.onLine && self.caches && !(await caches.match(url))) return null;
      const response = await fetch(url);
      if (!response.ok) return null;
      return new Uint8Array(await new Response(gunzip(response)).arrayBuffer());
    } catch {
      return null;
    }
  };
  const lists = fetchLists(listsUrl);
  // The game's code, sent compressed as well, is decompressed and compiled while it downloads, and
  // started as soon as its script has come, not after the page is parsed.
  const wasm = fetch('escartinol.wasm.gz').then((response) => {
    if (!response.ok) throw new Error(`escartinol.wasm.gz: ${response.status}`);
    return new Response(gunzip(response), {headers: {'Content-Type': 'application/wasm'}});
  });
  const compiled = wasm.then((response) => WebAssembly.compileStreaming(response));
  const created = new Promise((resolve, reject) => {
    const instantiateWasm = (imports, receiveInstance) => {
      compiled.then((module) => WebAssembly.instantiate(module, imports)).then(receiveInstance).catch(reject);
      return {};
    };
    const script = document.createElement('script');
    script.src = 'escartinol.js';
    // Not resolved with the factory's promise itself, which would hold it to that promise: a failed
    // compile could then no longer reject it, and the page would wait without a word.
    script.onload = () => createEscartinol({instantiateWasm}).then(resolve, reject);
    script.onerror = reject;
    document.head.append(script);
  });
  const parsed = new Promise((resolve) => document.addEventListener('DOMContentLoaded', resolve));

  (async () => {
    const [game] = await Promise.all([created, parsed]);
    // A draw and the loading notice while the lists are still on their way; no frame is waited
    // for once they are here, since the player would only wait longer for the counts.
    game.openPage(lang);
    const read = await lists;
    game.readLists(read);
    // Only now the service worker, whose install fetches the whole site: earlier, it would slow
    // the first visit it is meant to keep. It keeps the lists as well, for the next visit offline.
    const worker = navigator.serviceWorker;
    if (!worker) return;
    worker.addEventListener('message', (event) => {
      if (event.data && event.data.kept) document.documentElement.dataset.offline = 'ready';
    });
    worker.register('sw.js');
    if (read) (await worker.ready).active.postMessage({keep: [listsUrl]});
  })();
})();
