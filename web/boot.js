// The page's start: what only promises do without holding the game. The lists of the page's language
// are fetched at once, while the page is parsed and the game compiled, and the service worker keeps the
// site for play offline. The game, in C++, runs the page itself.
'use strict';
(() => {
  const lang = new URLSearchParams(location.search).get('lang') === 'oc' ? 'oc' : 'fr';
  const listUrls = [9, 8, 7, 6, 5, 4].map((n) => `lists/${lang}/DEF_${n}L.txt.gz`);
  // A list that cannot be fetched is null, and the game plays without it.
  const fetchList = async (url) => {
    try {
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
  const worker = navigator.serviceWorker;
  if (worker) worker.register('sw.js');
  const nextFrame = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));

  document.addEventListener('DOMContentLoaded', async () => {
    const game = await createEscartinol();
    game.openPage(lang);
    // The player sees the draw and the loading notice before the load holds the page.
    const [files] = await Promise.all([lists, nextFrame()]);
    game.readLists(files);
    if (!worker) return;
    // The worker keeps the lists as well, so that the next visit works without a network.
    worker.addEventListener('message', (event) => {
      if (event.data && event.data.kept) document.documentElement.dataset.offline = 'ready';
    });
    (await worker.ready).active.postMessage({keep: listUrls});
  });
})();
