"""Debian's chromium, headless, through chromium-driver: for the viewer's
browser test and benchmark.  Without the networking flags Chromium tries to
reach out at start, which a machine without network refuses."""
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service

FLAGS = ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync")


def chromium(width, height, logs=False):
    """A browser with a fresh profile and a window of the given size; with
    `logs`, its console and performance (network) logs kept."""
    options = Options()
    for flag in FLAGS + (f"--window-size={width},{height}",
                         "--user-data-dir=" + tempfile.mkdtemp(prefix="ssv-chromium-")):
        options.add_argument(flag)
    if logs:
        options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
