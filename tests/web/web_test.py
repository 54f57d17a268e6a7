#!/usr/bin/python3
"""The web edition in headless Chromium, served from a sub-folder of a server on 127.0.0.1.
Usage: web_test.py BUILD_WEB [unittest arguments]; BUILD_WEB holds site/ and, in native/, the solver and lists."""
import datetime
import functools
import http.server
import io
import pathlib
import subprocess
import sys
import threading
import unittest

from PIL import Image
from selenium.webdriver import ActionChains, Chrome, ChromeOptions, Keys
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_actions import PointerActions
from selenium.webdriver.support.wait import WebDriverWait

BUILD = pathlib.Path(sys.argv.pop(1) if len(sys.argv) > 1 else "build-web").resolve()
ROOT = pathlib.Path(__file__).resolve().parents[2]
# From then on, window.draws counts the draws: each sets the image of the first tile once.
COUNT_DRAWS = "(window.draws = 0, new MutationObserver((r) => { window.draws += r.length; }).observe(tile0, {attributeFilter: ['srcset']}))"


def slot_at(s):
    """The top left corner of slot s (0..8 upper, 9..17 lower), in pixels of the 644 x 400 window."""
    return 29 + 66 * (s % 9), 28 if s < 9 else 135


def solve_rows(lang, letters):
    """The solver's three rows, then its three rows of Solucions."""
    return subprocess.run([BUILD / "native/tools/escartinol-solve", "--rows", letters, "--lists", BUILD / "native/data/lists" / lang],
                          capture_output=True, text=True, check=True).stdout.split("\n")[:6]


def day_board(day):
    boards = (ROOT / "game/day_boards_fr.inc").read_text().split('"')[1::2]
    return boards[(day - datetime.date(1970, 1, 1)).days % len(boards)]


def serve():
    """Serves the build's folder, whose sub-folder site/ is the site, as where it is published."""
    quiet = type("Quiet", (http.server.SimpleHTTPRequestHandler,), {"log_message": lambda *args: None})
    PageTest.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(quiet, directory=BUILD))
    PageTest.httpd.handle_error = lambda *args: None  # the page moved on while the service worker kept the site
    threading.Thread(target=PageTest.httpd.serve_forever, daemon=True).start()


class PageTest(unittest.TestCase):
    """The page in a desktop's browser; a subclass with phone set runs the same tests on a phone."""
    scale, size, phone = 1, (1366, 768), False

    @classmethod
    def setUpClass(cls):
        options = ChromeOptions()
        options.arguments.extend(["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                                  "--window-size=%d,%d" % cls.size, f"--force-device-scale-factor={cls.scale}"])
        if cls.phone:  # the size is then the viewport's, touch its only pointer
            options.add_experimental_option("mobileEmulation", {"deviceMetrics": {
                "width": cls.size[0], "height": cls.size[1], "pixelRatio": cls.scale, "touch": True}})
        cls.browser = Chrome(options=options)
        cls.addClassCleanup(cls.browser.quit)

    def tearDown(self):
        errors = [entry["message"] for entry in self.browser.get_log("browser") if entry["level"] == "SEVERE"]
        self.assertEqual(errors, [], "the page wrote errors on the console")

    def open(self, query=""):
        self.browser.get(f"http://127.0.0.1:{self.httpd.server_port}/site/{query}")
        self.wait_for("document.getElementById('window').dataset.lists === 'loaded'")

    def js(self, script):
        return self.browser.execute_script("return " + script)

    def wait_for(self, script):
        WebDriverWait(self.browser, 30, 0.05).until(lambda browser: self.js(script), "timed out: " + script)

    def click(self, id):
        self.browser.find_element("id", id).click()

    def keys(self, *keys):
        ActionChains(self.browser).send_keys(*keys).perform()

    def rows(self):
        return self.js("[1, 2, 3].map((row) => document.getElementById('row' + row).value)")

    def board(self):
        """Slots 0..17's letters, '.' for no whole tile; in a lit frame, a letter in lower case and no letter '_'."""
        tiles, lit = self.js("""[Object.fromEntries([...document.querySelectorAll('.tile:not([hidden])')].map((t) =>
            [[t.offsetLeft, t.offsetTop, t.offsetWidth, t.offsetHeight].join(), t.alt])),
            [...document.querySelectorAll('.slot')].map((s) => {  // lit: not drawn as a slot that is not
                const plain = s.parentNode.appendChild(document.createElement('div'));
                plain.className = 'slot';
                const [a, b] = [s, plain].map((e) => getComputedStyle(e).backgroundColor);
                plain.remove();
                return a !== b; })]""")
        letters = [tiles.get("%d,%d,55,55" % slot_at(s), ".") for s in range(18)]
        return "".join(letter.lower().replace(".", "_") if lit[s] else letter for s, letter in enumerate(letters))

    def gesture(self, kind, *steps):
        """Runs ('down', slot or x, y), ('move', slot or x, y), ('hold',), ('up',) in window pixels wherever the page
        put the board; a step named '2down', '2move' ... is a second finger's, the first resting meanwhile."""
        r = self.js("document.getElementById('boardPlane').getBoundingClientRect().toJSON()")
        builder = ActionBuilder(self.browser)
        fingers = [PointerActions(builder.add_pointer_input(kind, kind + n)) for n in ("", "2")]
        for step, *at in steps:
            (finger, other), verb = fingers[::-1] if step[0] == "2" else fingers, step.lstrip("2")
            if at:
                at = at if len(at) == 2 else [v + 27 for v in slot_at(at[0])]
                finger.move_to_location(*(round(r[k] + (v + 0.5) * r["width"] / 644) for k, v in zip(("left", "top"), at)))
            {"down": finger.pointer_down, "up": finger.pointer_up, "hold": lambda: finger.pause(0.8)}.get(verb, str)()
            for _ in range(1 + (verb == "down")):  # the other finger rests as many ticks
                other.pause(0)
        builder.perform()

    def type_letters(self, *keys):
        self.click("chooseButton")
        self.wait_for("document.getElementById('entryBox').open")
        self.keys(*keys)


class PlayTest(PageTest):
    def test_rows_and_solutions_are_the_solvers(self):
        # Typed or named by ?letras=, lower case becomes capitals; a set without words leaves the rows empty.
        for query, typed in (("", "tolerians"), ("", "ZWXZWXZWX"), ("?lang=oc&letras=escartino", "")):
            self.open(query)
            typed and self.type_letters(typed, Keys.ENTER)
            letters = (typed or query[-9:]).upper()
            expected = solve_rows("oc" if "oc" in query else "fr", letters)
            self.assertEqual((self.board()[9:], self.rows()), (letters, expected[:3]))
            ActionChains(self.browser).key_down(Keys.ALT).send_keys("s").key_up(Keys.ALT).perform()  # Solucions
            self.assertEqual(self.rows(), expected[3:], letters)

    def test_the_letter_box_keeps_nine_capitals_and_what_fits(self):
        self.open()
        self.type_letters("ABCDEFGH", Keys.ENTER)
        self.assertTrue(self.js("document.getElementById('entryBox').open"), "OK with eight letters")
        # A typed ß is two S with the cursor after both; a long line keeps what fits.
        self.keys(Keys.BACKSPACE * 8, "\u00dfabc" + "W" * 60)
        self.assertRegex(self.js("document.getElementById('entry').value"), "^SSABCW{4,50}$")

    def test_drags_drop_into_free_slots_only(self):
        self.open("?letras=TOLERIANS")
        self.gesture("mouse", ("down", 9), ("move", 2), ("up",))
        self.gesture("touch", ("down", 10), ("move", 2), ("up",))  # taken: the tile goes home
        self.gesture("touch", ("down", 10), ("move", 274, 35), ("up",))  # a finger's drop 20 px off slot 3's centre
        self.assertEqual(self.board(), "..TO....." + "..LERIANS")
        self.assertEqual(self.js("[scrollX, scrollY, visualViewport.scale]"), [0, 0, 1])

    def test_right_click_and_a_long_press_that_wobbles_make_fifty_draws(self):
        self.open()
        self.js(COUNT_DRAWS)
        if not self.phone:  # which has no right button
            ActionChains(self.browser).context_click(self.browser.find_element("id", "window")).perform()
            ActionChains(self.browser).context_click(self.browser.find_element("id", "row1")).perform()  # no draw
        self.gesture("touch", ("down", 330, 110), ("move", 333, 113), ("hold",), ("up",))  # between the rows
        self.assertEqual(self.js("window.draws"), 50 if self.phone else 100)

    def test_hints_spell_a_longest_word(self):
        self.open("?letras=TOLERIANS")
        for _ in range(9):
            self.click("hintButton")
        self.assertIn(self.board()[:9], solve_rows("fr", "TOLERIANS")[3].split())  # lit

    def test_boards_of_the_day_are_shared_without_a_word(self):
        self.open("?jorn=2001-02-03")
        self.assertEqual(self.board()[9:], day_board(datetime.date(2001, 2, 3)))
        self.click("dayButton")  # today's, which counts once in the score; a past day's not at all
        self.assertEqual(self.board()[9:], day_board(datetime.date.today()))
        self.click("solutionsButton")
        self.click("shareButton")
        shared = self.js("document.getElementById('shareText').textContent")
        self.assertIn(datetime.date.today().isoformat(), shared)
        self.assertEqual([w for w in " ".join(self.rows()).split() if w.islower() and w in shared], [])
        self.assertIn("days 1\n", self.js("localStorage.getItem('escartinol-score')"))

    def test_escape_ends_the_game_and_a_new_one_starts_on_the_lists_read(self):
        self.open("?letras=TOLERIANS")
        self.keys(Keys.ESCAPE)
        self.assertEqual((self.board(), self.rows()), ("." * 18, ["", "", ""]))
        self.click("newGameButton")
        self.assertEqual(self.rows(), solve_rows("fr", self.board()[9:])[:3])


class PhoneTest(PlayTest):
    """A phone held upright, touch its only pointer: the page fits its width and a finger plays the game."""
    scale, size, phone = 3, (390, 844), True

    def test_the_page_fits_the_phone_with_controls_a_finger_can_hit(self):
        # No wider than the phone (a wider page would be measured at its own width), the board in view.
        self.open()
        self.assertEqual(self.js("""[innerWidth, document.documentElement.scrollWidth,
            [...document.querySelectorAll('.slot, .tile, a, button, textarea')].filter((e) => e.getClientRects().length)
              .filter((e) => [e.getBoundingClientRect()].some((r) => e.matches('.slot, .tile') ?
                r.left < 0 || r.top < 0 || r.right > innerWidth || r.bottom > innerHeight :
                r.height < 44 || parseFloat(getComputedStyle(e).fontSize) < 16)).map((e) => e.id)]"""),
            [self.size[0], self.size[0], []])


class SmallPhoneTest(PhoneTest):
    scale, size = 2, (320, 568)


class DesktopTest(PageTest):
    scale = 2  # a dense screen, whose tiles have images of their own

    def test_a_drag_is_the_finger_s_that_started_it(self):
        # Held still on its tile, a finger makes no draws; a second takes nothing over (and upsets later touches).
        self.open("?letras=TOLERIANS")
        self.js(COUNT_DRAWS)
        self.gesture("touch", ("down", 9), ("hold",), ("move", 1), ("2down", 10), ("2move", 5),
                     ("2up",), ("move", 2), ("up",))
        self.assertEqual((self.js("window.draws"), self.board()), (0, "..T......" + ".OLERIANS"))

    def test_letter_keys_and_backspace_play_the_board_outside_the_rows(self):
        self.open("?letras=TOLERIANS")
        rows = self.rows()
        self.keys("r\u00e9lation")  # é raises its E
        self.assertEqual(self.board()[:9], "relation.")
        self.keys(Keys.BACKSPACE)
        self.assertEqual(self.board()[:9], "RELATIO..")
        self.keys("ns")
        # Found, the words go after their rows' counts; in a row, Backspace erases there.
        self.assertEqual((self.board()[:9], self.rows()), ("relations", [rows[0] + "  relations", rows[1] + "  relation", rows[2]]))
        self.click("row1")
        self.keys(Keys.END, Keys.BACKSPACE)
        self.assertEqual((self.board()[:9], self.rows()[0]), ("relations", rows[0] + "  relation"))

    def test_enter_after_keyboard_play_keeps_the_board(self):
        self.open("?letras=ZOLERIANA")
        self.type_letters("ZOLERIANA", Keys.ENTER)  # which leaves the focus on Chausit, a button Enter presses
        self.keys("za", Keys.ENTER)
        self.assertEqual((self.js("document.activeElement.id"), self.board(), self.rows()),
                         ("chooseButton", "ZA......." + ".OLERI.NA", solve_rows("fr", "ZOLERIANA")[:3]))

    def test_a_live_region_says_the_counts_and_the_word_spelt(self):
        said = "document.querySelector('[aria-live]').textContent"
        says = lambda texts: self.wait_for(f"{texts!r}.every((text) => {said}.includes(text))")
        self.open("?letras=TOLERIANS")
        says([row for row in self.rows() if row])
        self.keys("relation")
        says(["RELATION"])

    def test_the_boxes_keep_their_width_on_a_large_window(self):
        widths = []
        for size in (self.size, (2 * self.size[0], 2 * self.size[1]), self.size):
            self.browser.set_window_size(*size)
            self.open()
            widths += [self.js(f"(document.getElementById('{box}').showModal(), document.getElementById('{box}').offsetWidth)")
                       for box in ("entryBox", "helpBox")]
        self.assertEqual(widths[2:4], widths[:2])

    def test_tiles_show_only_the_colours_of_their_images(self):
        # Whatever the window's scale, with the image of the screen's density.
        self.open()
        colours = set(c for _, c in Image.open(ROOT / "res/letter_A.png").convert("RGB").getcolors())
        shot = Image.open(io.BytesIO(self.browser.get_screenshot_as_png())).convert("RGB")
        for src, x, y, half in self.js("""[...document.querySelectorAll('.tile')].map((t) => [t.getBoundingClientRect()]
                .map((r) => [t.currentSrc, r.left + r.width / 2, r.top + r.height / 2, 25 * r.width / t.offsetWidth])[0])"""):
            self.assertTrue(src.endswith("@2x.png"), src)
            # One device pixel in from each edge, where the image meets the tile's own background.
            box = [round((x - half) * 2) + 1, round((y - half) * 2) + 1, round((x + half) * 2) - 1, round((y + half) * 2) - 1]
            self.assertLessEqual(set(c for _, c in shot.crop(box).getcolors(1 << 16)), colours, src)


class OfflineTest(PageTest):
    def test_second_visit_plays_offline(self):
        self.open()
        self.wait_for("document.documentElement.dataset.offline === 'ready'")
        self.browser.execute_cdp_cmd("Network.emulateNetworkConditions", {"offline": True, "latency": 0,
                                                                           "downloadThroughput": -1, "uploadThroughput": -1})
        self.browser.execute_cdp_cmd("Network.clearBrowserCache", {})  # which would hide a worker keeping nothing
        self.open("?letras=TOLERIANS")
        self.assertEqual(self.rows(), solve_rows("fr", "TOLERIANS")[:3])
        # A language not yet visited says, in a sentence rather than a path, that it needs a connection.
        self.open("?lang=oc")
        self.assertTrue(self.rows()[0].strip() and "/" not in self.rows()[0] and self.rows()[1:] == ["", ""], self.rows())

if __name__ == "__main__":
    serve()
    unittest.main()
