"""The pages of tracetool html in headless Chromium: what they draw, what they
ask for, and what a person does with them.

    /usr/bin/python3 tests/browser/test_viewer.py TRACETOOL OUTPUT_DIR

Writes the pages and screenshots of the example in OUTPUT_DIR.  Needs
Debian's chromium, chromium-driver and python3-selenium.
"""
import json
import os
import re
import subprocess
import sys
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tests", "support"))
import make_trace  # noqa: E402
from headless_chromium import chromium  # noqa: E402

# As a user in the project's folder names them (the pages show where events came from).
CONFIG = os.path.join("examples", "config", "sequence.qares")
RTOS = os.path.join("examples", "traces", "rtos.tdf")
TRACETOOL = OUTPUT = None

# Names that markup, scripts and terminals would interpret.
HOSTILE = [
    '<img src=x onerror="window.pwned=1">',
    "</script><script>window.pwned=2</script>",
    "\"double\" 'single' & &amp; <b>bold</b>",
    "bell\x07 escape\x1b[31m tab\tend",
    "\u202eevil\u202c and \u2066isolated\u2069",
]


def tracetool(*arguments):
    return subprocess.run([TRACETOOL, *arguments], capture_output=True, text=True, cwd=ROOT)


def make_page(name, *arguments):
    page = os.path.join(OUTPUT, name + ".html")
    run = tracetool("html", "-o", page, *arguments)
    if run.returncode not in (0, 1) or not os.path.exists(page):
        raise RuntimeError(run.stderr)
    return page


def make_diff_page(name, run, *arguments):
    """The page of `tracetool diff --html` over a changed copy of the example
    trace, and the JSON of the same comparison."""
    page = os.path.join(OUTPUT, name + ".html")
    diff = tracetool("diff", "--format", "json", "--html", page, *arguments, CONFIG, RTOS, run)
    if diff.returncode != 1 or not os.path.exists(page):
        raise RuntimeError(diff.stderr)
    return page, json.loads(diff.stdout)


def changed_copy(path):
    """The README's run: a message replaced, an action dropped, the last deletion later."""
    with open(os.path.join(ROOT, RTOS), encoding="utf-8") as source:
        lines = source.read().split("\n")
    changes = {"ME 12 100": "ME 13 100", "AC 21 200": None, "TM 2000": "TM 2600"}
    with open(path, "w", encoding="utf-8") as out:
        out.write("\n".join(changes.get(line, line) for line in lines if changes.get(line, line) is not None))


def expected_differences(comparison):
    """What the page of a comparison marks, from its JSON, in the page's event
    numbers (from 0): the hunks, the rows only in the run, the rows above
    which golden events are missing (with their labels) and the retimed rows."""
    hunks, inserted, deleted = [], [], {}
    for hunk in comparison["hunks"]:
        golden, run = hunk["golden"], hunk["run"]
        first = run["first"] - 1 if run["count"] else run["first"]
        hunks.append({"first": first, "last": first + run["count"] - 1,
                      "title": f"@@ -{golden['first']},{golden['count']} +{run['first']},{run['count']} @@"})
        row = first
        for event in hunk["events"]:
            if event["op"] == "-":
                deleted.setdefault(row, []).append(event["label"])
                continue
            if event["op"] == "+":
                inserted.append(row)
            row += 1
    retimed = [timing["run"]["event"] - 1 for timing in comparison["timing"]]
    return hunks, inserted, deleted, retimed


def quoted(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def hostile_trace(path):
    lines = ['DB "RTOS"', "ID 1 0"]
    lines += [f'IN "task" {i + 1} {quoted(name)}' for i, name in enumerate(HOSTILE)]
    lines += [f"MS {50 + i} {quoted(name)}" for i, name in enumerate(HOSTILE)]
    lines += ["ED", "SF 1 1 0"] + [f"NI {i + 1} {100 + i}" for i in range(len(HOSTILE))]
    for i, name in enumerate(HOSTILE):
        lines += [f"CI {100 + i}", f"NO {quoted(name)}", f"ME {50 + i} {100 + (i + 1) % len(HOSTILE)}", "MR"]
    with open(path, "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")


def display_text(text):
    """What the page shows of a text: control characters as blanks, the
    characters that reorder text by their code."""
    text = re.sub("[\x00-\x1f\x7f-\x9f]", " ", text)
    return re.sub("[\u061c\u200e\u200f\u202a-\u202e\u2066-\u2069]", lambda m: "[U+%04X]" % ord(m.group()), text)


class ViewerTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        os.makedirs(OUTPUT, exist_ok=True)
        cls.long_counts = make_trace.write_trace(os.path.join(OUTPUT, "long.tdf"), 3000)
        hostile_trace(os.path.join(OUTPUT, "hostile.tdf"))
        cls.pages = {
            "rtos": make_page("rtos", CONFIG, RTOS),
            "times": make_page("times", "--time-format", "%mms %uus", CONFIG, RTOS),
            "components": make_page("components", "--component", "Sensor|Controller=Core", CONFIG, RTOS),
            "long": make_page("long", CONFIG, os.path.join(OUTPUT, "long.tdf")),
            "hostile": make_page("hostile", CONFIG, os.path.join(OUTPUT, "hostile.tdf")),
        }
        run = os.path.join(OUTPUT, "rtos-run.tdf")
        changed_copy(run)
        cls.pages["diff"], comparison = make_diff_page("diff", run, "--time-tolerance", "20%", "--context", "1")
        cls.differences = expected_differences(comparison)
        cls.driver = chromium(1280, 860, logs=True)
        # Some checks walk every event of a long trace: under a loaded machine
        # (or the sanitizer build's tracetool) they take longer than the
        # driver's default half minute.
        cls.driver.set_script_timeout(600)
        # Every violation of the page's Content-Security-Policy is recorded.
        cls.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": """
            window.__violations = [];
            document.addEventListener('securitypolicyviolation',
                (event) => window.__violations.push(event.violatedDirective + ' ' + event.blockedURI));"""})

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()

    # ---- helpers

    def open(self, name, address=""):
        """Opens a page, waits until its trace is decoded and checks that it
        logged no error and asked for nothing but itself."""
        url = "file://" + self.pages[name]
        self.driver.get("about:blank")
        self.driver.get_log("performance")
        self.driver.get(url + address)
        outcome = self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "window.traceViewer.ready.then(() => done('ready'), (error) => done(String(error)));")
        self.assertEqual(outcome, "ready")
        self.run_js("traceViewer.drawNow()")
        errors = [entry["message"] for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]
        self.assertEqual(errors, [], "console errors")
        requests = []
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] == "Network.requestWillBeSent":
                requests.append(message["params"]["request"]["url"])
        self.assertEqual([r for r in requests if r.split("#")[0] != url], [], "requests besides the page")
        self.assertEqual(self.run_js("window.__violations"), [])

    def run_js(self, expression):
        return self.driver.execute_script("return " + expression)

    def do_js(self, statements):
        self.driver.execute_script(statements)

    def pixel(self, x, y):
        """The canvas's colour at a point of its own coordinates."""
        return tuple(self.driver.execute_script(
            "const c = document.getElementById('diagram'); const r = window.devicePixelRatio || 1;"
            "return Array.from(c.getContext('2d').getImageData(Math.round(arguments[0] * r),"
            " Math.round(arguments[1] * r), 1, 1).data.slice(0, 3));", x, y))

    def dark_near(self, x, y):
        """Whether a line passes near a point (dashed lines have gaps): a
        pixel darker than the paper and the highlights."""
        return any(sum(self.pixel(x + dx, y + dy)) < 3 * 190 for dx in range(-4, 5, 2) for dy in (-1, 0, 1))

    def assert_no_console_error(self):
        errors = [entry["message"] for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]
        self.assertEqual(errors, [], "console errors")

    def colour_near(self, x, y, colour, reach=5):
        """Whether a pixel of exactly `colour` is within `reach` of a point."""
        return self.driver.execute_script(
            "const [x, y, reach, colour] = arguments; const r = window.devicePixelRatio || 1;"
            "const size = Math.round(2 * reach * r) + 1;"
            "const data = document.getElementById('diagram').getContext('2d').getImageData("
            " Math.round((x - reach) * r), Math.round((y - reach) * r), size, size).data;"
            "for (let i = 0; i < data.length; i += 4)"
            "  if (data[i] === colour[0] && data[i + 1] === colour[1] && data[i + 2] === colour[2]) return true;"
            "return false;", x, y, reach, colour)

    def all_details(self):
        return self.run_js("Array.from({length: traceViewer.eventCount}, (_, n) => traceViewer.select(n))")

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()
        self.run_js("traceViewer.drawNow()")

    def click_canvas(self, x, y):
        """Clicks a point of the canvas, through the scroll area over it."""
        scroller = self.driver.find_element(By.ID, "scroller")
        size = scroller.size
        ActionChains(self.driver).move_to_element_with_offset(
            scroller, int(x - size["width"] / 2), int(y - size["height"] / 2)).click().perform()

    def screenshot(self, name):
        self.driver.save_screenshot(os.path.join(OUTPUT, name + ".png"))

    # ---- the tests

    def test_headers_and_events_are_drawn_where_the_model_says(self):
        self.open("rtos")
        names = ["World", "Sensor[0]", "Controller[0]", "obj0:Commands", "ISR Timer", "Motor[0]"]
        self.assertEqual(self.run_js("traceViewer.participants()"), names)
        backgrounds = {"World": (224, 232, 255), "Sensor[0]": (224, 232, 255), "obj0:Commands": (255, 230, 230)}
        for name, background in backgrounds.items():
            title = self.run_js(f"traceViewer.participantGeometry({json.dumps(name)})")
            below_text = title["y"] + title["height"] / 2 - 3
            self.assertEqual(self.pixel(title["x"] - title["width"] / 2 + 3, below_text), background, name)
        arrows = 0
        for n, details in enumerate(self.all_details()):
            if not details["kind"].startswith(("message", "return")) or details["from"] == details["to"]:
                continue
            self.run_js(f"traceViewer.select({n})")
            self.run_js("traceViewer.drawNow()")
            where = self.run_js(f"traceViewer.eventGeometry({n})")
            middle = (where["from"] + where["to"]) / 2
            self.assertTrue(self.dark_near(middle, where["y"]), f"the arrow of event {n}: {details}")
            arrows += 1
        self.assertGreaterEqual(arrows, 10)
        first_read = next(d["event"] for d in self.all_details() if d["label"] == "read(0)")
        self.do_js(f"traceViewer.search('read|tick|drive'); traceViewer.select({first_read})")
        self.run_js("traceViewer.drawNow()")
        self.screenshot("rtos")

    def test_clicks_open_details_and_the_participant_menu(self):
        self.open("rtos")
        drive = next(d for d in self.all_details() if d["label"] == "drive(40)")
        self.do_js("document.getElementById('details-close').click()")
        where = self.run_js(f"traceViewer.eventGeometry({drive['event']})")
        self.click_canvas((where["from"] + where["to"]) / 2, where["y"])
        self.assertEqual(self.run_js("document.getElementById('details-title').textContent"),
                         f"Event {drive['event']}")
        self.assertIn("drive(40)", self.run_js("document.getElementById('details-table').textContent"))
        self.keys(Keys.ESCAPE)
        self.assertTrue(self.run_js("document.getElementById('details').hidden"))
        title = self.run_js("traceViewer.participantGeometry('obj0:Commands')")
        self.click_canvas(title["x"], title["y"])
        self.assertFalse(self.run_js("document.getElementById('menu').hidden"))
        self.assertEqual(self.run_js("document.getElementById('menu-title').textContent"), "obj0:Commands")
        self.driver.find_element(By.ID, "menu-hide").click()
        self.assertNotIn("obj0:Commands", self.run_js("traceViewer.participants()"))
        self.assertEqual(self.run_js("document.getElementById('filter').textContent"), "1 hidden")
        self.driver.find_element(By.ID, "show-all").click()
        self.assertIn("obj0:Commands", self.run_js("traceViewer.participants()"))
        title = self.run_js("traceViewer.participantGeometry('Sensor[0]')")
        self.click_canvas(title["x"], title["y"])
        self.driver.find_element(By.ID, "menu-focus").click()
        self.assertEqual(self.run_js("document.getElementById('filter').textContent"), "Focus: Sensor[0]")

    def test_times_are_those_of_dump(self):
        self.open("times")
        dump = tracetool("dump", "-t", "%mms %uus", CONFIG, RTOS).stdout.splitlines()
        checked = 0
        for details in self.all_details():
            if details["time"]:
                self.assertEqual(details["time"], dump[details["position"]].split("  ")[0], details)
                checked += 1
        self.assertEqual(checked, self.run_js("traceViewer.eventCount") - 1, "all but the new trace have times")

    def test_scroll_to_the_end_and_back(self):
        self.open("long")
        count = self.run_js("traceViewer.eventCount")
        self.assertGreater(count, 2900)
        self.assertEqual(self.run_js("traceViewer.visibleEvents()")[0], 0)
        self.driver.find_element(By.ID, "scroller").click()
        self.keys(Keys.END)
        first, last = self.run_js("traceViewer.visibleEvents()")
        self.assertEqual(last, count - 1)
        where = self.run_js(f"traceViewer.eventGeometry({last})")
        self.assertLess(where["bottom"], self.run_js("document.getElementById('diagram').clientHeight"))
        self.screenshot("long-end")
        self.keys(Keys.HOME)
        self.assertEqual(self.run_js("traceViewer.visibleEvents()")[0], 0)

    def test_the_address_opens_an_event(self):
        self.open("long", "#event=1234")
        self.assertEqual(self.run_js("document.getElementById('details').hidden"), False)
        self.assertEqual(self.run_js("document.getElementById('details-title').textContent"), "Event 1234")
        first, last = self.run_js("traceViewer.visibleEvents()")
        self.assertTrue(first <= 1234 <= last)
        cells = self.run_js("Array.from(document.querySelectorAll('#details-table td'), (td) => td.textContent)")
        details = self.run_js("traceViewer.select(1234)")
        self.assertIn(details["time"], cells)
        self.assertIn(details["kind"], cells)
        self.run_js("traceViewer.select(7)")
        self.assertEqual(self.run_js("location.hash"), "#event=7")

    def test_search_counts_and_highlights(self):
        self.open("long")
        named = self.long_counts["named"]
        self.assertEqual(self.run_js(r"traceViewer.search('^read\\(\\d+\\)$')"), named["read"])
        self.assertEqual(self.run_js(r"traceViewer.search('^(post|tick)\\(')"), named["post"] + named["tick"])
        self.assertEqual(self.run_js(r"traceViewer.search('^sample \\d+$')"), self.long_counts["notes"])
        self.assertEqual(self.run_js("traceViewer.search('(')"), 0)
        self.assertTrue(self.run_js("document.getElementById('search').classList.contains('invalid')"))
        # By keyboard: / to search, Enter for the next match, which is selected.
        self.driver.find_element(By.ID, "scroller").click()
        self.keys("/")
        self.assertEqual(self.run_js("document.activeElement.id"), "search")
        self.keys(r"^write\(", Keys.ENTER)
        details = self.run_js("traceViewer.select(Number(location.hash.slice(7)))")
        self.assertRegex(details["label"], r"^write\(")
        self.assertIn(" matches", self.run_js("document.getElementById('matches').textContent"))
        # The other matches on screen are highlighted.
        self.do_js("document.getElementById('details-close').click(); traceViewer.drawNow()")
        first, last = self.run_js("traceViewer.visibleEvents()")
        labels = self.run_js(f"Array.from({{length: {last - first + 1}}}, (_, k) => [{first} + k,"
                             f" traceViewer.select({first} + k).label])")
        self.do_js("document.getElementById('details-close').click(); traceViewer.drawNow()")
        matched = [n for n, label in labels if re.match(r"^write\(", label)]
        self.assertGreater(len(matched), 0)
        for n in matched:
            where = self.run_js(f"traceViewer.eventGeometry({n})")
            if where["top"] < where["header"]:
                continue  # under the header
            self.assertEqual(self.pixel(where["timeRight"] + 40, where["top"] + 2), (255, 242, 168), n)

    def test_focus_and_hide(self):
        self.open("rtos")
        every = self.all_details()

        def involves(details, name):
            return name in (details["from"], details["to"]) or name in details["over"]

        def shown():
            return [n for n in range(len(every)) if self.run_js(f"traceViewer.eventGeometry({n})")]

        self.assertTrue(self.run_js("traceViewer.focus('Controller[0]')"))
        focused = [d for d in every if involves(d, "Controller[0]")]
        self.assertEqual(shown(), [d["event"] for d in focused])
        partners = {name for d in focused for name in [d["from"], d["to"], *d["over"]]}
        names = self.run_js("traceViewer.participants()")
        self.assertEqual(set(names), partners - {""})
        self.screenshot("rtos-focus")
        self.run_js("traceViewer.focus(null)")
        self.assertEqual(len(shown()), len(every))
        self.assertTrue(self.run_js("traceViewer.hide('Motor[0]')"))
        self.assertNotIn("Motor[0]", self.run_js("traceViewer.participants()"))
        self.assertEqual(shown(), [n for n, d in enumerate(every)
                                   if not (d["from"] == "Motor[0]" or d["to"] == "Motor[0]" or d["over"] == ["Motor[0]"])])
        self.run_js("traceViewer.showAll()")
        self.assertEqual(len(shown()), len(every))
        self.assertFalse(self.run_js("traceViewer.focus('Nobody')"))

    def test_the_time_axis_folds_idle_stretches(self):
        self.open("long")
        times = self.run_js("Array.from({length: traceViewer.eventCount},"
                            " (_, n) => parseInt(traceViewer.select(n).time))")
        self.run_js("document.getElementById('details-close').click()")
        idle = next(n for n in range(1, len(times)) if times[n] - times[n - 1] > 1_000_000)
        lines = lambda: self.run_js("Array.from({length: traceViewer.eventCount},"
                                    " (_, n) => traceViewer.eventGeometry(n).y)")
        events = lines()
        self.assertEqual(self.run_js("traceViewer.setAxis('time')"), "time")
        timed = lines()
        self.assertEqual(self.run_js("document.getElementById('axis').value"), "time")
        self.assertTrue(all(b > a for a, b in zip(timed, timed[1:])), "rows keep their order")
        self.assertGreater(timed[-1] - timed[0], events[-1] - events[0], "times spread the rows out")
        self.assertLess(timed[idle] - timed[idle - 1], 150, "the idle stretch is folded")
        # Between rows drawn to scale, the distance is proportional to the time.
        ratios = [(timed[n] - timed[n - 1]) / (times[n] - times[n - 1]) for n in range(1, len(times))
                  if n != idle and times[n] - times[n - 1] >= 12]
        self.assertGreater(len(ratios), 50)
        self.assertLess(max(ratios) - min(ratios), 0.01 * max(ratios))
        self.run_js(f"traceViewer.select({idle})")
        self.run_js("traceViewer.drawNow()")
        where = self.run_js(f"traceViewer.eventGeometry({idle})")
        self.assertEqual(self.pixel(where["timeRight"] + 60, where["top"] - 10), (238, 238, 238), "the fold's band")
        self.screenshot("long-time")

    def test_keyboard(self):
        self.open("long")
        self.driver.find_element(By.ID, "scroller").click()
        self.keys(Keys.PAGE_DOWN)
        after_page = self.run_js("traceViewer.visibleEvents()")[0]
        self.assertGreater(after_page, 10)
        self.keys(Keys.ARROW_DOWN)
        self.assertGreaterEqual(self.run_js("traceViewer.visibleEvents()")[0], after_page)
        self.keys(Keys.PAGE_UP)
        self.keys(Keys.ARROW_UP)
        self.assertEqual(self.run_js("traceViewer.visibleEvents()")[0], 0)
        self.keys("+")
        self.assertEqual(self.run_js("document.getElementById('zoom').textContent"), "125%")
        self.keys("-", "-")
        self.assertEqual(self.run_js("document.getElementById('zoom').textContent"), "80%")
        self.keys(Keys.ARROW_RIGHT)
        self.keys(Keys.ESCAPE)

    def test_components_expand_and_fold(self):
        self.open("components")
        self.assertEqual(self.run_js("traceViewer.participants()"), ["World", "Core", "obj0:Commands", "ISR Timer",
                                                                     "Motor[0]"])
        selected = self.run_js("traceViewer.select(4)")
        self.assertEqual(self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1]; traceViewer.expand(true).then(done);"), True)
        self.assertEqual(self.run_js("traceViewer.participants()")[:3], ["World", "Sensor[0]", "Controller[0]"])
        now = self.run_js("traceViewer.select(Number(location.hash.slice(7)))")
        self.assertEqual(now["position"], selected["position"], "the selected event stays selected")
        self.run_js("traceViewer.drawNow()")
        self.screenshot("components-expanded")
        self.driver.execute_async_script("const done = arguments[arguments.length - 1];"
                                         "traceViewer.expand(false).then(done);")
        self.assertIn("Core", self.run_js("traceViewer.participants()"))

    def test_hostile_names_are_text(self):
        self.open("hostile")
        self.assertIsNone(self.run_js("window.pwned"))
        self.assertEqual(self.run_js("traceViewer.participants()")[1:], [n + "[0]" for n in HOSTILE])
        self.assertEqual(self.run_js("document.querySelectorAll('img, iframe, object, embed, b').length"), 0)
        for n, details in enumerate(self.all_details()):
            if details["kind"] == "message":
                self.run_js(f"traceViewer.select({n})")
                cells = self.run_js("Array.from(document.querySelectorAll('#details-table td'), (td) => td.textContent)")
                self.assertIn(display_text(details["label"]), cells)
                self.assertIn(details["label"], HOSTILE)
        self.screenshot("hostile")

    def test_diff_hunks_are_listed_and_jumped_to(self):
        self.open("rtos")
        self.assertEqual(self.run_js("traceViewer.hunks()"), [])
        self.assertTrue(self.run_js("document.getElementById('differences').hidden"))
        self.open("diff")
        hunks, inserted, deleted, retimed = self.differences
        self.assertEqual(len(hunks), 2)
        self.assertEqual(self.run_js("traceViewer.hunks()"), hunks)
        titles = self.run_js("Array.from(document.querySelectorAll('#hunk-list .title'), (e) => e.textContent)")
        self.assertEqual(titles, [hunk["title"] for hunk in hunks])
        self.assertIn("2 deleted, 1 inserted", self.run_js("document.getElementById('difference-summary').textContent"))

        def current():
            return self.run_js("Array.from(document.querySelectorAll('#hunk-list li'))"
                               ".findIndex((li) => li.classList.contains('current'))")

        for k, hunk in enumerate(hunks):
            self.assertEqual(self.run_js(f"traceViewer.hunk({k})"), hunk)
            first, last = self.run_js("traceViewer.visibleEvents()")
            self.assertTrue(first <= hunk["first"] and hunk["last"] <= last, (hunk, first, last))
            self.assertEqual(current(), k)
            self.assertEqual(self.run_js("document.getElementById('hunk-count').textContent"), f"hunk {k + 1} of 2")
        # The second hunk starts with the golden run's missing message, which its details list.
        self.assertEqual(self.run_js("document.getElementById('details-title').textContent"), "Only in the golden run")
        self.assertIn(deleted[hunks[1]["first"] + 1][0],
                      self.run_js("document.getElementById('details-table').textContent"))
        self.assertIsNone(self.run_js("traceViewer.hunk(2)"))
        self.driver.find_element(By.ID, "scroller").click()
        self.keys("]")
        self.assertEqual(current(), 0, "round the end")
        self.keys("[")
        self.assertEqual(current(), 1)
        self.driver.find_elements(By.CSS_SELECTOR, "#hunk-list button")[0].click()
        self.assertEqual(current(), 0)
        # Focused on the timer, the second hunk still shows its inserted message.
        self.assertTrue(self.run_js("traceViewer.focus('ISR Timer')"))
        self.run_js("traceViewer.hunk(1)")
        self.assertIsNotNone(self.run_js(f"traceViewer.eventGeometry({inserted[0]})"))
        self.assert_no_console_error()

    def test_diff_marks_are_drawn_where_the_comparison_says(self):
        self.open("diff")
        hunks, inserted, deleted, retimed = self.differences
        self.assertEqual((len(inserted), sum(map(len, deleted.values())), len(retimed)), (1, 2, 2))
        green, pale_red, white = (215, 245, 221), (253, 228, 226), (255, 255, 255)
        marks = {"+": (26, 127, 55), "-": (198, 40, 40), "~": (179, 89, 0)}
        for n in range(self.run_js("traceViewer.eventCount")):
            self.do_js(f"traceViewer.select({n}); document.getElementById('details-close').click()")
            self.run_js("traceViewer.drawNow()")
            where = self.run_js(f"traceViewer.eventGeometry({n})")
            band = self.pixel(where["timeRight"] + 40, where["top"] + 2)
            self.assertEqual(band, green if n in inserted else white, f"the band of event {n}")
            above = self.pixel(where["timeRight"] + 40, where["top"] - 1)
            self.assertEqual(above == pale_red, n in deleted, f"a band of missing events above event {n}")
            for mark, colour in marks.items():
                y = where["y"] if mark != "-" else where["top"] - 10
                expected = n in {"+": inserted, "-": deleted, "~": retimed}[mark]
                self.assertEqual(self.colour_near(8, y, colour), expected, f"{mark} in the margin of event {n}")
        # A click on the band of a missing event lists it; one on an inserted row tells it.
        place = min(deleted)
        where = self.run_js(f"traceViewer.eventGeometry({place})")
        self.click_canvas(where["timeRight"] + 300, where["top"] - 10)
        self.assertEqual(self.run_js("document.getElementById('details-title').textContent"), "Only in the golden run")
        self.assertIn(deleted[place][0], self.run_js("document.getElementById('details-table').textContent"))
        details = self.run_js(f"traceViewer.select({inserted[0]})")
        self.assertEqual(details["difference"], "only in this run")
        self.assertIn("in the golden run", self.run_js(f"traceViewer.select({retimed[0]})")["timing"])
        self.assert_no_console_error()
        self.run_js("traceViewer.hunk(1)")
        self.run_js("traceViewer.drawNow()")
        self.screenshot("diff")


if __name__ == "__main__":
    TRACETOOL, OUTPUT = sys.argv[1], os.path.abspath(sys.argv[2])
    unittest.main(argv=sys.argv[:1], verbosity=2)
