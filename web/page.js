// The page around the game: fetches the lists, scales the window, and passes clicks, drags and keys to
// the game, which shows itself through the page's elements. The two boxes are the page's own dialogs.
'use strict';
(() => {
  const kWidth = 644;
  const kHeight = 400;
  const kLongPress = 500;  // ms a finger or pen stays down for the fifty draws
  const kLongPressSlop = 8;  // window pixels it may wander meanwhile

  const $ = (id) => document.getElementById(id);
  const lang = new URLSearchParams(location.search).get('lang') === 'oc' ? 'oc' : 'fr';

  // The lists come first: this script runs before the page is parsed, so that the network works while
  // the rest arrives and the game is compiled. A list that cannot be fetched is left out: the game
  // plays without it, as the desktop game does with a missing file.
  const listUrls = [9, 8, 7, 6, 5, 4].map((n) => `lists/${lang}/DEF_${n}L.txt.gz`);
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
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
  document.addEventListener('DOMContentLoaded', start);

  let win = null;
  const nextFrame = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));

  // The whole window at the largest scale that fits beside the language switch.
  const fit = () => {
    const top = $('languages').offsetHeight;
    const scale = Math.min(innerWidth / kWidth, (innerHeight - top) / kHeight);
    win.style.transform = `scale(${scale})`;
    win.style.left = `${Math.max(0, (innerWidth - kWidth * scale) / 2)}px`;
    // The boxes shrink with the window on a small screen, and keep their own size on a large one.
    document.documentElement.style.setProperty('--box-scale', Math.min(1, scale));
  };

  async function start() {
    win = $('window');
    $(`lang-${lang}`).setAttribute('aria-current', 'page');
    addEventListener('resize', fit);
    fit();

    const game = await createEscartinol();
    game.startGame();
    // The player sees the draw and the loading notice before the load holds the page.
    const [listFiles] = await Promise.all([lists, nextFrame()]);
    game.FS.mkdir('/lists');
    listFiles.forEach((bytes, i) => {
      if (bytes) game.FS.writeFile(`/lists/DEF_${9 - i}L.txt`, bytes);
    });
    const loadLists = () => {
      game.loadLists();
      win.dataset.lists = 'loaded';
      // From the navigation to the counts on screen: the benchmark reads it.
      performance.mark('counts');
    };
    loadLists();
    keepForOffline();
    play(game, loadLists);
  }

  // Asks the service worker to keep the lists as well, so that the next visit works without a network.
  const keepForOffline = () => {
    if (!('serviceWorker' in navigator)) return;
    navigator.serviceWorker.addEventListener('message', (event) => {
      if (event.data && event.data.kept) document.documentElement.dataset.offline = 'ready';
    });
    navigator.serviceWorker.ready.then((registration) => registration.active.postMessage({keep: listUrls}));
  };

  function play(game, loadLists) {
    const buttons = ['finishButton', 'drawButton', 'solutionsButton', 'chooseButton', 'helpButton'].map($);
    let over = false;

    $('drawButton').addEventListener('click', () => game.drawRandomLetters());
    $('solutionsButton').addEventListener('click', () => game.showSolutions());
    const openEntry = setUpEntryBox(game);
    $('chooseButton').addEventListener('click', () => {
      game.beginLetterEntry();
      openEntry();
    });
    $('helpButton').addEventListener('click', () => $('helpBox').showModal());

    // A page cannot close itself: the game ends with the board empty and a new game on offer.
    const finish = () => {
      if (over) return;
      over = true;
      game.endGame();
      buttons.forEach((b) => (b.disabled = true));
      $('newGameButton').hidden = false;
      $('newGameButton').focus();
    };
    $('finishButton').addEventListener('click', finish);
    $('newGameButton').addEventListener('click', () => {
      over = false;
      $('newGameButton').hidden = true;
      buttons.forEach((b) => (b.disabled = false));
      game.startGame();
      loadLists();
      $('finishButton').focus();
    });

    // The window's keys; the boxes keep theirs while they are open.
    document.addEventListener('keydown', (event) => {
      if (document.querySelector('dialog[open]') || over) return;
      if (event.altKey && !event.ctrlKey && !event.metaKey) {
        const button = {KeyA: 'drawButton', KeyS: 'solutionsButton', KeyC: 'chooseButton'}[event.code];
        if (button) {
          event.preventDefault();
          $(button).click();
        }
        return;
      }
      // Keyboard play, on the board or a button but not in a row: a letter raises a tile of that
      // letter, Backspace lowers the last one. Neither presses a button nor ends anything.
      const inRow = event.target instanceof HTMLTextAreaElement;
      if (!inRow && !event.ctrlKey && !event.metaKey && /^[a-z]$/i.test(event.key)) {
        event.preventDefault();
        game.typeLetter(event.key.charCodeAt(0));
        return;
      }
      if (!inRow && event.key === 'Backspace') {
        event.preventDefault();
        game.takeBackLetter();
        return;
      }
      // Enter on a button presses that button, as in the desktop window, and on a language follows it;
      // anywhere else it ends the game.
      const pressable = event.target instanceof HTMLButtonElement || event.target instanceof HTMLAnchorElement;
      if ((event.key === 'Enter' && !pressable) || event.key === 'Escape') {
        event.preventDefault();
        finish();
      }
    });

    setUpBoard(game);
  }

  // The letter box: capitals only, no more than the box shows, OK only once the first nine are A..Z.
  function setUpEntryBox(game) {
    const box = $('entryBox');
    const entry = $('entry');
    const ok = $('okButton');
    let accepted = '';
    const context = document.createElement('canvas').getContext('2d');
    const fits = (text) => {
      const style = getComputedStyle(entry);
      context.font = style.font;
      // Room for the text between the paddings, and for the cursor after it.
      const room = entry.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight) - 1;
      return context.measureText(text).width <= room;
    };
    entry.addEventListener('input', () => {
      const typed = entry.value;
      const capitals = typed.toUpperCase();
      // Capitals can be longer (ß gives SS); the cursor stays after what was typed.
      let at = entry.selectionStart + capitals.length - typed.length;
      // What was just typed or pasted ends at the cursor and the text before it fitted: cutting the
      // fewest characters before the cursor keeps as much of the start of the insertion as fits.
      const without = (cut) => capitals.slice(0, at - cut) + capitals.slice(at);
      let low = 0;
      let high = at + 1;
      while (low < high) {
        const middle = (low + high) >> 1;
        if (fits(without(middle))) high = middle;
        else low = middle + 1;
      }
      if (low > at) {
        // Nothing of it fits: the box keeps what it had.
        entry.value = accepted;
        return;
      }
      let cut = low;
      // Half a surrogate pair is no character at all.
      if (cut < at && /[\ud800-\udbff]/.test(capitals[at - cut - 1])) ++cut;
      entry.value = without(cut);
      at -= cut;
      entry.setSelectionRange(at, at);
      accepted = entry.value;
      ok.disabled = !game.acceptsEntry(accepted);
    });
    // What was typed with OK; nothing when the box was cancelled (Escape), and the letters stay. The
    // box's close event comes a task later than the key that closed it, and a key typed in between
    // would go to a game still waiting for its letters: the entry is handed over at once instead.
    let waiting = false;
    const hand = (typed) => {
      if (!waiting) return;
      waiting = false;
      game.applyLetterEntry(typed);
    };
    box.querySelector('form').addEventListener('submit', () => hand(entry.value));
    box.addEventListener('cancel', () => hand(null));
    box.addEventListener('close', () => hand(box.returnValue === 'ok' ? entry.value : null));
    return () => {
      entry.value = accepted = '';
      ok.disabled = true;
      box.returnValue = '';
      waiting = true;
      box.showModal();
    };
  }

  function setUpBoard(game) {
    let pointer = null;
    let pressedAt = null;
    let longPress = 0;
    const at = (event) => {
      const r = win.getBoundingClientRect();
      const scale = r.width / kWidth;
      return [Math.floor((event.clientX - r.left) / scale), Math.floor((event.clientY - r.top) / scale)];
    };
    // Buttons, rows and the offer of a new game take their own presses; the rest of the window is the board.
    const onControl = (event) => event.target.closest('button, textarea');
    const stopLongPress = () => {
      clearTimeout(longPress);
      longPress = 0;
    };
    const drop = (cancel) => {
      if (pointer === null) return;
      stopLongPress();
      const id = pointer;
      pointer = null;
      if (cancel) game.cancelDrag();
      else game.release();
      if (win.hasPointerCapture(id)) win.releasePointerCapture(id);
    };

    win.addEventListener('pointerdown', (event) => {
      if (onControl(event) || event.button !== 0 || pointer !== null) return;
      // The focus stays where it was, as a click on the desktop board leaves it.
      event.preventDefault();
      pointer = event.pointerId;
      win.setPointerCapture(pointer);
      pressedAt = at(event);
      game.press(...pressedAt);
      if (event.pointerType !== 'mouse') {
        longPress = setTimeout(() => {
          longPress = 0;
          game.cancelDrag();
          game.repeatedDraw();
        }, kLongPress);
      }
    });
    win.addEventListener('pointermove', (event) => {
      if (pointer !== null && event.pointerId !== pointer) return;
      const p = at(event);
      if (longPress && Math.hypot(p[0] - pressedAt[0], p[1] - pressedAt[1]) > kLongPressSlop) stopLongPress();
      game.drag(...p);
    });
    win.addEventListener('pointerup', (event) => {
      if (event.pointerId === pointer) drop(false);
    });
    win.addEventListener('pointercancel', (event) => {
      if (event.pointerId === pointer) drop(true);
    });
    win.addEventListener('lostpointercapture', (event) => {
      if (event.pointerId === pointer) drop(true);
    });
    // A right click makes fifty draws; a finger's long press is timed above instead of here.
    win.addEventListener('contextmenu', (event) => {
      if (onControl(event)) return;
      event.preventDefault();
      if (event.pointerType === 'mouse') game.repeatedDraw();
    });
    // Leaving the page in the middle of a drag sends the tile home, as the desktop window does.
    addEventListener('blur', () => drop(true));
    document.addEventListener('visibilitychange', () => {
      if (document.hidden) drop(true);
    });
  }
})();
