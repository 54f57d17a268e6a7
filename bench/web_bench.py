#!/usr/bin/python3
"""The web edition in headless Chromium, each figure beside its floor or its native peer of the same run.

Usage: web_bench.py BUILD_WEB BUILD_BENCH. Prints, for the French and the Occitan lists: the bytes of a
first visit; the time from navigation to the counts on screen against fetching and decompressing the
lists alone; a draw's search median in the browser against the native one; and the time to the counts
of a first visit over a slow mobile network.
"""
import functools
import http.server
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

BUILD_WEB, BUILD_BENCH = map(os.path.abspath, sys.argv[1:3])
# A first visit varies by tens of milliseconds from one to the next on a shared machine: the medians
# of so many, each game beside its floor, hold the ratio to a few hundredths from run to run.
RUNS = 15
# A slow mobile network, as the browser's own emulation makes it: 150 ms each way, 1.6 Mbit/s down.
SLOW = {"offline": False, "latency": 150, "downloadThroughput": 1.6e6 / 8, "uploadThroughput": 750e3 / 8}
SLOW_RUNS = 3


class Counting(http.server.SimpleHTTPRequestHandler):
    """Counts the bytes it sends; isolated across origins, so that the browser's clock ticks in microseconds."""
    sent = 0

    def end_headers(self):
        self.send_header("Cross-Origin-Opener-Policy", "same-origin")
        self.send_header("Cross-Origin-Embedder-Policy", "require-corp")
        super().end_headers()

    def copyfile(self, source, destination):
        data = source.read()
        Counting.sent += len(data)
        try:
            destination.write(data)
        except ConnectionError:
            pass  # a page left before its last request was answered

    def log_message(self, *args):
        pass


def chromium():
    options = webdriver.ChromeOptions()
    profile = tempfile.mkdtemp()
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync", "--no-first-run", "--user-data-dir=" + profile,
                     "--window-size=900,700"):
        options.add_argument(argument)
    browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    return browser, profile


def wait_for(browser, script, seconds=120):
    deadline = time.monotonic() + seconds
    while not browser.execute_script(script):
        if time.monotonic() > deadline:
            raise TimeoutError(script)
        time.sleep(0.02)


def forget(browser, origin):
    """A first visit again: no HTTP cache, no service worker, no kept files."""
    browser.get("about:blank")
    browser.execute_cdp_cmd("Network.clearBrowserCache", {})
    browser.execute_cdp_cmd("Storage.clearDataForOrigin", {"origin": origin, "storageTypes": "all"})


def main():
    httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Counting, directory=BUILD_WEB))
    threading.Thread(target=httpd.serve_forever, daemon=True).start()
    origin = f"http://127.0.0.1:{httpd.server_port}"
    browser, profile = chromium()
    try:
        for lang, name, budget, slow_budget in (("fr", "French", 0.6, 3.5), ("oc", "Occitan", 1.0, 6.0)):
            query = "?lang=oc" if lang == "oc" else ""
            # A first visit, to the end of what the service worker keeps for the next one.
            forget(browser, origin)
            Counting.sent = 0
            browser.get(f"{origin}/site/{query}")
            wait_for(browser, "return document.documentElement.dataset.offline === 'ready'")
            transfer = Counting.sent / 1e6

            counts, floors = [], []
            for _ in range(RUNS):
                forget(browser, origin)
                browser.get(f"{origin}/site/{query}")
                wait_for(browser, "return performance.getEntriesByName('counts').length > 0")
                counts.append(browser.execute_script("return performance.getEntriesByName('counts')[0].startTime"))
                # The floor is a page of its own, timed from its navigation too: the same start, then
                # the lists' fetch and decompression alone.
                forget(browser, origin)
                browser.get(f"{origin}/bench/lists_floor.html?lang={lang}")
                wait_for(browser, "return document.body && document.body.dataset.floor !== undefined")
                floors.append(float(browser.execute_script("return document.body.dataset.floor")))
            count, floor = statistics.median(counts), statistics.median(floors)

            slow = []
            for _ in range(SLOW_RUNS):
                forget(browser, origin)
                # The emulation throttles nothing until the network domain is on.
                browser.execute_cdp_cmd("Network.enable", {})
                browser.execute_cdp_cmd("Network.emulateNetworkConditions", SLOW)
                try:
                    browser.get(f"{origin}/site/{query}")
                    wait_for(browser, "return performance.getEntriesByName('counts').length > 0")
                    slow.append(browser.execute_script("return performance.getEntriesByName('counts')[0].startTime"))
                finally:
                    browser.execute_cdp_cmd("Network.emulateNetworkConditions", {**SLOW, "latency": 0,
                                                                                "downloadThroughput": -1,
                                                                                "uploadThroughput": -1})
            slow_count = statistics.median(slow) / 1000

            browser.get(f"{origin}/bench/draw_search_timing.html?lang={lang}")
            wait_for(browser, "return document.body.dataset.result !== undefined")
            web = float(browser.execute_script("return document.body.dataset.result").split()[0])
            native_line = subprocess.run([os.path.join(BUILD_BENCH, "bench/draw_search_timing"),
                                          os.path.join(BUILD_BENCH, "data/lists", lang)],
                                         capture_output=True, text=True, check=True).stdout
            native = float(native_line.split()[0])

            print(f"-- {name}, web edition in headless Chromium")
            print(f"W1. first visit: {transfer:.3f} MB sent (goal <= {budget} MB): "
                  f"{'met' if transfer <= budget else 'NOT met'}")
            print(f"W2. navigation to counts on screen, median of {RUNS}: {count:.0f} ms; fetching and decompressing "
                  f"the lists alone, from navigation too, {floor:.0f} ms: {count / floor:.2f}x (goal <= 1.5x): "
                  f"{'met' if count <= 1.5 * floor else 'NOT met'}")
            print(f"W3. a draw's search, median of 1000 seeded draws: {web:.1f} us in the browser, {native:.1f} us "
                  f"native: {web / native:.2f}x (goal <= 2x): {'met' if web <= 2 * native else 'NOT met'}")
            print(f"W4. first visit to counts on screen at 150 ms and 1.6 Mbit/s, median of {SLOW_RUNS}: "
                  f"{slow_count:.2f} s (goal <= {slow_budget} s): {'met' if slow_count <= slow_budget else 'NOT met'}")
    finally:
        browser.quit()
        shutil.rmtree(profile, ignore_errors=True)
        httpd.shutdown()


if __name__ == "__main__":
    main()
