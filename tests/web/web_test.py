#!/usr/bin/python3
"""The web edition in headless Chromium, served from a sub-folder of a server on 127.0.0.1.

Usage: web_test.py BUILD_WEB [unittest arguments]. BUILD_WEB is the web build's folder: its site/,
and the native solver and lists in native/ that the page is compared with.
"""
import functools
import http.server
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import unittest

from PIL import Image
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

BUILD = os.path.abspath(sys.argv.pop(1) if len(sys.argv) > 1 else "build-web")
SITE = os.path.join(BUILD, "site")
SOLVE = os.path.join(BUILD, "native/tools/escartinol-solve")
LISTS = os.path.join(BUILD, "native/data/lists")
ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

# The board's places, in pixels of the 644 x 400 window: slot s (0..8 upper, 9..17 lower).
def slot_rect(s):
    column, top = (s, 28) if s < 9 else (s - 9, 135)
    left = 29 + 66 * column
    return [left, top, left + 55, top + 55]


def centre(s):
    r = slot_rect(s)
    return (r[0] + r[2]) // 2, (r[1] + r[3]) // 2


class Server:
    """A static server whose root holds the site as the sub-folder escartinol/."""

    def __init__(self):
        self.root = tempfile.mkdtemp()
        os.symlink(SITE, os.path.join(self.root, "escartinol"))
        self.start(0)

    def start(self, port):
        class Quiet(http.server.SimpleHTTPRequestHandler):
            def log_message(self, *args):
                pass

            def copyfile(self, source, destination):
                try:
                    super().copyfile(source, destination)
                except ConnectionError:
                    pass  # the page moved on while the service worker was still keeping the site

        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", port), functools.partial(Quiet, directory=self.root))
        self.url = f"http://127.0.0.1:{self.httpd.server_port}/escartinol/"
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()

    def close(self):
        self.stop()
        shutil.rmtree(self.root)


def chromium(scale=1, size=(1366, 768), phone=False):
    """A desktop's browser, or with phone a phone's: the size is then its viewport's, touch its pointer."""
    options = webdriver.ChromeOptions()
    profile = tempfile.mkdtemp()
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync", "--no-first-run", "--user-data-dir=" + profile):
        options.add_argument(argument)
    if phone:
        metrics = {"width": size[0], "height": size[1], "pixelRatio": scale, "touch": True}
        options.add_experimental_option("mobileEmulation", {"deviceMetrics": metrics})
    else:
        options.add_argument(f"--window-size={size[0]},{size[1]}")
        options.add_argument(f"--force-device-scale-factor={scale}")
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    browser.profile = profile
    return browser


def quit_chromium(browser):
    browser.quit()
    shutil.rmtree(browser.profile, ignore_errors=True)


def solve_rows(lang, letters):
    """What escartinol-solve --rows prints for each set: three rows, then the three rows of Solucions."""
    out = subprocess.run([SOLVE, "--lists", os.path.join(LISTS, lang), "--rows", "-"], input="\n".join(letters) + "\n",
                         capture_output=True, text=True, check=True).stdout.split("\n")
    return [out[6 * i:6 * i + 6] for i in range(len(letters))]


class PageTest(unittest.TestCase):
    """The page in a desktop's browser; a subclass with phone set runs the same tests on a phone."""
    scale, size, phone = 1, (1366, 768), False

    @classmethod
    def setUpClass(cls):
        cls.server = Server()
        cls.browser = chromium(cls.scale, cls.size, cls.phone)

    @classmethod
    def tearDownClass(cls):
        quit_chromium(cls.browser)
        cls.server.close()

    def tearDown(self):
        errors = [entry["message"] for entry in self.browser.get_log("browser") if entry["level"] == "SEVERE"]
        self.assertEqual(errors, [], "the page wrote errors on the console")

    def open(self, query=""):
        self.browser.get(self.server.url + query)
        self.wait_for("return document.getElementById('window').dataset.lists === 'loaded'")

    def wait_for(self, script, seconds=30):
        deadline = time.monotonic() + seconds
        while not self.browser.execute_script(script):
            if time.monotonic() > deadline:
                self.fail("timed out: " + script)
            time.sleep(0.05)

    def element(self, id):
        return self.browser.find_element(By.ID, id)

    def rows(self):
        return [self.element(f"row{row}").get_attribute("value") for row in (1, 2, 3)]

    def tiles(self):
        """Each tile's letter and rectangle in window pixels; None for a hidden tile."""
        return self.browser.execute_script("""
            return [...Array(9).keys()].map((i) => {
              const t = document.getElementById('tile' + i);
              return t.hidden ? null : [t.alt, [t.offsetLeft, t.offsetTop, t.offsetLeft + t.offsetWidth,
                                                t.offsetTop + t.offsetHeight]];
            });""")

    def viewport_point(self, x, y):
        """The viewport point of window pixel (x, y), wherever the page has placed and scaled the board."""
        r = self.browser.execute_script("return document.getElementById('boardPlane').getBoundingClientRect().toJSON()")
        scale = r["width"] / 644
        return round(r["left"] + (x + 0.5) * scale), round(r["top"] + (y + 0.5) * scale)

    def gesture(self, kind, *steps):
        """Runs ('down', x, y), ('move', x, y), ('pause', s), ('up',) with a mouse, a finger or a pen."""
        actions = ActionBuilder(self.browser, mouse=PointerInput(kind, kind))
        pointer = actions.pointer_action
        for step in steps:
            if step[0] in ("down", "move"):
                pointer.move_to_location(*self.viewport_point(step[1], step[2]))
            if step[0] == "down":
                pointer.pointer_down()
            if step[0] == "pause":
                pointer.pause(step[1])
            if step[0] == "up":
                pointer.pointer_up()
        actions.perform()

    def count_draws(self, tile):
        """From now on, window.draws counts the draws: each sets the image of every tile once."""
        self.browser.execute_script(f"""
            window.draws = 0;
            new MutationObserver((records) => {{ window.draws += records.length; }})
                .observe(document.getElementById('tile{tile}'), {{attributes: true, attributeFilter: ['srcset']}});""")
        return lambda: self.browser.execute_script("return window.draws")

    def type_letters(self, text, confirm=True):
        self.element("chooseButton").click()
        self.wait_for("return document.getElementById('entryBox').open")
        ActionChains(self.browser).send_keys(text).perform()
        ok = not self.element("okButton").get_attribute("disabled")
        ActionChains(self.browser).send_keys(Keys.ENTER if confirm else Keys.ESCAPE).perform()
        if not confirm or ok:
            self.wait_for("return !document.getElementById('entryBox').open")
        return ok


class PlayTest(PageTest):
    def test_rows_and_solutions_of_typed_letters_are_the_solvers_in_both_languages(self):
        # Lower case becomes capitals; a set without words leaves the rows empty.
        cases = {"fr": ["tolerians", "ZWXZWXZWX"], "oc": ["escartino", "aeilnorst"]}
        for lang, letters in cases.items():
            expected = solve_rows(lang, [l.upper() for l in letters])
            self.open("?lang=oc" if lang == "oc" else "")
            for typed, rows in zip(letters, expected):
                self.assertTrue(self.type_letters(typed))
                self.assertEqual(self.rows(), rows[:3], f"{lang} {typed}")
                self.assertEqual("".join(t[0] for t in self.tiles()), typed.upper())
                self.element("solutionsButton").click()
                self.assertEqual(self.rows(), rows[3:], f"{lang} {typed}: Solucions")

    def test_letter_box_keeps_the_board_unless_nine_letters_are_confirmed(self):
        self.open()
        self.type_letters("TOLERIANS")
        before = self.rows()
        self.assertFalse(self.type_letters("ABCDEFGH"), "OK with eight letters")
        self.assertTrue(self.browser.execute_script("return document.getElementById('entryBox').open"))
        ActionChains(self.browser).send_keys(Keys.ESCAPE).perform()
        self.wait_for("return !document.getElementById('entryBox').open")
        # The letters stay, in the order the search put them in.
        self.assertEqual("".join(t[0] for t in self.tiles()), "AEILNORST")
        self.assertEqual(self.rows(), before)
        # A typed ß is two S with the cursor after both; a long line keeps what fits.
        self.element("chooseButton").click()
        ActionChains(self.browser).send_keys("\u00dfabc" + "W" * 60).perform()
        kept = self.element("entry").get_attribute("value")
        self.assertTrue(kept.startswith("SSABCW") and 9 <= len(kept) < 60 and set(kept[5:]) == {"W"}, kept)
        ActionChains(self.browser).send_keys(Keys.ESCAPE).perform()

    def test_mouse_and_touch_drags_drop_into_free_slots_only(self):
        self.open()
        self.type_letters("TOLERIANS")
        self.gesture(interaction.POINTER_MOUSE, ("down", *centre(9)), ("move", *centre(2)), ("up",))
        self.assertEqual(self.tiles()[0], ["T", slot_rect(2)])
        # Slot 2 is taken: the tile goes home.
        self.gesture(interaction.POINTER_TOUCH, ("down", *centre(10)), ("move", *centre(2)), ("up",))
        self.assertEqual(self.tiles()[1], ["O", slot_rect(10)])
        # A finger's drop a little off the slot's centre still lands in it, and the page stays put.
        x, y = centre(3)
        self.gesture(interaction.POINTER_TOUCH, ("down", *centre(10)), ("move", x + 20, y - 20), ("up",))
        self.assertEqual(self.tiles()[1], ["O", slot_rect(3)])
        self.assertEqual(self.browser.execute_script("return [scrollX, scrollY, visualViewport.scale]"), [0, 0, 1])

    def test_right_click_and_long_press_make_fifty_draws(self):
        self.open()
        draws = self.count_draws(0)
        empty = (330, 110)  # between the rows of slots
        if not self.phone:  # which has no right button
            ActionChains(self.browser).move_to_element_with_offset(self.element("window"), 0, 0).context_click().perform()
            self.wait_for("return window.draws >= 50")
        self.gesture(interaction.POINTER_TOUCH, ("down", *empty), ("pause", 0.8), ("up",))
        time.sleep(0.3)
        self.assertEqual(draws(), 50 if self.phone else 100)

    def test_a_tile_held_still_then_moved_is_a_drag_and_makes_no_draw(self):
        self.open()
        self.type_letters("TOLERIANS")
        draws = self.count_draws(1)
        self.gesture(interaction.POINTER_TOUCH, ("down", *centre(10)), ("pause", 0.8), ("move", *centre(4)), ("up",))
        time.sleep(0.3)
        self.assertEqual(draws(), 0)
        self.assertEqual(self.tiles()[1], ["O", slot_rect(4)])

    def test_the_board_of_the_day_is_shared_without_a_word(self):
        self.open()
        self.element("dayButton").click()
        self.element("shareButton").click()
        self.wait_for("return document.getElementById('shareBox').open")
        shared = self.browser.execute_script("return document.getElementById('shareText').textContent")
        self.assertRegex(shared, r"\b\d{4}-\d\d-\d\d\b")
        self.element("shareOkButton").click()
        self.wait_for("return !document.getElementById('shareBox').open")
        self.element("solutionsButton").click()
        for word in " ".join(self.rows()).split()[2:]:
            if word.islower():
                self.assertNotIn(word, shared)
        self.assertIn("days 1\n", self.browser.execute_script("return localStorage.getItem('escartinol-score')"))

    def test_window_keys_close_the_help_box_show_the_words_and_end_the_game(self):
        self.open()
        self.type_letters("TOLERIANS")
        self.element("helpButton").click()
        self.wait_for("return document.getElementById('helpBox').open")
        # Enter closes the box, and so does Escape, which ends nothing else.
        ActionChains(self.browser).send_keys(Keys.ENTER).perform()
        self.wait_for("return !document.getElementById('helpBox').open")
        self.element("helpButton").click()
        ActionChains(self.browser).send_keys(Keys.ESCAPE).perform()
        self.wait_for("return !document.getElementById('helpBox').open")
        self.assertNotIn(None, self.tiles())
        # Alt+S shows the words; Escape ends the game, and a new one starts on the lists already read.
        ActionChains(self.browser).key_down(Keys.ALT).send_keys("s").key_up(Keys.ALT).perform()
        self.assertEqual(self.rows(), solve_rows("fr", ["TOLERIANS"])[0][3:])
        ActionChains(self.browser).send_keys(Keys.ESCAPE).perform()
        self.assertEqual(self.tiles(), [None] * 9)
        self.assertEqual(self.rows(), ["", "", ""])
        self.element("newGameButton").click()
        self.assertNotIn(None, self.tiles())
        self.assertTrue(self.rows()[0])


class PhoneTest(PlayTest):
    """A phone held upright, touch its only pointer: the page fits its width and a finger plays the game."""
    scale, size, phone = 3, (390, 844), True

    def test_the_page_fits_the_phone_with_controls_a_finger_can_hit(self):
        self.open()
        seen = self.browser.execute_script("""
            const inside = (r) => r.left >= 0 && r.top >= 0 && r.right <= innerWidth && r.bottom <= innerHeight;
            const shown = (e) => e.getClientRects().length > 0;
            const small = (e) => e.getBoundingClientRect().height < 44 || parseFloat(getComputedStyle(e).fontSize) < 16;
            return [innerWidth, document.documentElement.scrollWidth,
                    [...document.querySelectorAll('.slot, .tile')].filter(shown).every((e) => inside(e.getBoundingClientRect())),
                    [...document.querySelectorAll('a, button, textarea')].filter(shown).filter(small).map((e) => e.id)];""")
        # The page is no wider than the phone: a wider one would be measured at its own width.
        self.assertEqual(seen, [self.size[0], self.size[0], True, []])


class SmallPhoneTest(PageTest):
    scale, size, phone = 2, (320, 568), True
    test_the_page_fits_the_phone_with_controls_a_finger_can_hit = \
        PhoneTest.test_the_page_fits_the_phone_with_controls_a_finger_can_hit


class KeyboardTest(PageTest):
    def lit(self):
        return self.browser.execute_script(
            "return [...Array(9).keys()].filter((s) => document.getElementById('slotFrame' + s).classList.contains('lit'))")

    def test_frames_light_while_the_keys_spell_a_word_and_letter_keys_press_no_button(self):
        self.open()
        self.type_letters("TOLERIANS")
        self.element("chooseButton").click()  # the letter box is open ...
        ActionChains(self.browser).send_keys(Keys.ESCAPE).perform()  # ... and cancelled: focus on the button
        self.wait_for("return !document.getElementById('entryBox').open")
        rows = self.rows()
        ActionChains(self.browser).send_keys("relation").perform()
        self.assertEqual(self.lit(), list(range(8)))
        ActionChains(self.browser).send_keys(Keys.BACKSPACE).perform()
        self.assertEqual(self.lit(), [])
        ActionChains(self.browser).send_keys("ns").perform()
        self.assertEqual(self.lit(), list(range(9)))
        # Nine letters with a, c and s among them, and Backspace: no box, no draw, no Solucions; the
        # words spelt go after their rows' counts.
        self.assertFalse(self.browser.execute_script("return document.querySelector('dialog[open]') !== null"))
        rows = [rows[0] + "  relations", rows[1] + "  relation", rows[2]]
        self.assertEqual(self.rows(), rows)
        self.assertEqual(self.browser.execute_script("return document.activeElement.id"), "chooseButton")
        # In a row, Backspace erases there and moves no tile.
        self.element("row1").click()
        ActionChains(self.browser).send_keys(Keys.END, Keys.BACKSPACE).perform()
        self.assertEqual(self.lit(), list(range(9)))
        self.assertEqual(self.rows()[0], rows[0][:-1])
        self.element("drawButton").click()
        self.assertEqual(self.lit(), [])


    def test_enter_after_keyboard_play_keeps_the_board_and_presses_no_button(self):
        # On a fresh page the focus is on no control; after the letter box, on Chausit, which Enter presses.
        self.open()
        for focus in ("body", "chooseButton"):
            self.type_letters("ZOLERIANA")
            if focus == "body":
                self.browser.execute_script("document.activeElement.blur()")
            rows = self.rows()
            ActionChains(self.browser).send_keys("za", Keys.ENTER).perform()
            time.sleep(0.2)
            self.assertEqual(self.browser.execute_script("return document.activeElement.id || 'body'"), focus)
            self.assertFalse(self.browser.execute_script("return document.querySelector('dialog[open]') !== null"))
            self.assertEqual(self.tiles()[0], ["Z", slot_rect(0)], focus)
            self.assertEqual(self.tiles()[6], ["A", slot_rect(1)], focus)
            self.assertEqual(self.rows(), rows, focus)

    def test_a_live_region_says_the_counts_the_moves_the_word_spelt_and_the_words(self):
        said = lambda: self.browser.execute_script("return document.querySelector('[aria-live]').textContent")
        def says(texts):
            deadline = time.monotonic() + 5
            while not all(text in said() for text in texts):
                self.assertLess(time.monotonic(), deadline, f"{said()!r} does not say {texts}")
                time.sleep(0.05)
        self.open()
        self.type_letters("TOLERIANS")
        says([row for row in self.rows() if row])
        before = said()
        ActionChains(self.browser).send_keys("r").perform()
        self.wait_for(f"return document.querySelector('[aria-live]').textContent !== {before!r}")
        ActionChains(self.browser).send_keys("elation").perform()
        says(["RELATION"])
        self.element("solutionsButton").click()
        says([row for row in self.rows() if row])


class OfflineTest(PageTest):
    def test_second_visit_plays_with_the_server_stopped(self):
        for query in ("", "?lang=oc"):
            with self.subTest(query=query):
                self.open()
                self.wait_for("return document.documentElement.dataset.offline === 'ready'")
                port = self.server.httpd.server_port
                self.server.stop()
                # The browser's own cache would hide a service worker that keeps nothing.
                self.browser.execute_cdp_cmd("Network.clearBrowserCache", {})
                try:
                    self.open(query)
                    if query:  # a language not yet visited: a sentence for the player, not a path
                        self.assertTrue(self.rows()[0].strip() and "/" not in self.rows()[0], self.rows())
                    else:
                        self.type_letters("TOLERIANS")
                        self.assertEqual(self.rows(), solve_rows("fr", ["TOLERIANS"])[0][:3])
                finally:
                    self.server.start(port)


class CrispTilesTest(PageTest):
    """Tiles show only the two colours of their images, at any scale of the window, on any screen."""

    def test_tiles_are_crisp(self):
        self.open()
        colours = set(c for _, c in Image.open(os.path.join(ROOT, "res/letter_A.png")).convert("RGB").getcolors())
        shot = Image.open(__import__("io").BytesIO(self.browser.get_screenshot_as_png())).convert("RGB")
        ratio = self.browser.execute_script("return devicePixelRatio")
        self.assertEqual(ratio, self.scale)
        for i in range(9):
            image = self.browser.execute_script(f"""
                const t = document.getElementById('tile{i}');
                const r = t.getBoundingClientRect(), s = r.width / t.offsetWidth;
                const x = r.left + r.width / 2, y = r.top + r.height / 2, half = 25 * s;
                return [t.currentSrc, x - half, y - half, x + half, y + half];""")
            self.assertTrue(image[0].endswith("@2x.png" if self.scale == 2 else "_" + image[0][-5:]), image[0])
            # One device pixel in from each edge, where the image meets the tile's own background.
            box = [round(v * ratio) + (1 if k < 2 else -1) for k, v in enumerate(image[1:])]
            seen = set(c for _, c in shot.crop(box).getcolors(1 << 16))
            self.assertLessEqual(seen, colours, f"tile {i} blurred at ratio {ratio}")


class CrispTilesOnDenseScreenTest(CrispTilesTest):
    scale = 2


if __name__ == "__main__":
    unittest.main()
