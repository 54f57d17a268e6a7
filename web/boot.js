// The page's start: what only promises do without holding the game. The lists of the page's language
// are fetched at once, and the game is compiled and started while they come, so that their arrival
// finds it ready to read them. The game, in C++, runs the page itself.
'use strict';
(() => {
  const lang = new URLSearchParams(location.search).get('lang') === 'oc' ? 'oc' : 'fr';
  const listUrls = [9, 8, 7, 6, 5, 4].map((n) => `lists/${lang}/DEF_${n}L.txt.gz`);
  // A list that cannot be fetched is null, and the game plays without it. Offline, one the service
  // worker has not kept cannot come, and asking for it would only fail on the console.
  const fetchList = async (url) => {
    try {
      if (!navigator.onLine && self.caches && !(await caches.match(url))) return null;
      const response = await fetch(url);
      if (!response.ok) return null;
      // A server that sent the file with its own gzip encoding has had it decompressed already.
      const plain = response.headers.get('Content-Encoding') ? response.body :
                                                               response.body.pipeThrough(new DecompressionStream('gzip'));
      return new Uint8Array(await new Response(plain).arrayBuffer());
    } catch {
      return null;
    }
  };
  const lists = Promise.all(listUrls.map(fetchList));
  // The game's code is compiled while it downloads, and started as soon as its script has come,
  // not after the page is parsed. A server that does not call it application/wasm costs the
  // compile's overlap with the download, not the game.
  const wasmUrl = 'escartinol.wasm';
  const compiled = WebAssembly.compileStreaming(fetch(wasmUrl)).catch(
      () => fetch(wasmUrl).then((response) => response.arrayBuffer()).then((bytes) => WebAssembly.compile(bytes)));
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
    const keep = listUrls.filter((url, i) => read[i]);
    if (keep.length) (await worker.ready).active.postMessage({keep});
  })();
})();
