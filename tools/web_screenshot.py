#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
"""Renders the main window of the built site in headless Chromium to a PNG
file for the README, after the same bets and spins as the desktop's
screenshot tool:  web_screenshot.py SITE OUTPUT.png"""
import pathlib
import sys
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
import webpage  # noqa: E402


def main(site, output):
    server = webpage.Server(pathlib.Path(site))
    driver = webpage.start_chromium()
    try:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                               {"source": webpage.TEST_HOOKS})
        driver.get(server.origin + "/")
        while driver.execute_script("return document.documentElement.dataset.state") != "ready":
            time.sleep(0.01)
        driver.execute_script("""
            const click = (id, button) => {
              const box = document.getElementById(id);
              const at = {bubbles: true, button: button, pointerId: 1, pointerType: 'mouse'};
              box.dispatchEvent(new PointerEvent('pointerdown', at));
              box.dispatchEvent(new PointerEvent('pointerup', at));
            };
            for (const second of [17, 41, 8, 33, 52, 26]) {
              click('lblleft', 0);
              click('lblright', 0);
              window.testSecond = second;
              document.getElementById('cmdspin').click();
            }
            click('lblmiddle', 0);
            document.activeElement.blur();""")
        driver.find_element("id", "frmdiduvor").screenshot(output)
    finally:
        driver.quit()
        server.stop()


if __name__ == "__main__":
    main(*sys.argv[1:])
