#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
"""The page in the player's language: the German page speaks German (its
window, a menu, a refusal, the help); a French browser is sent to the French
page; an unknown language gives the designed English; and in every language
every text fits its control in its designed font, an auto-size label stays
inside its window or frame and covers no other control, and the menu bar
keeps to one line. In Chromium, whose protocol can set the browser's
languages."""
import webpage

# Each language's page, as the page generator names them.
PAGES = {"en": "index.html", "de": "de.html", "fr": "fr.html", "es": "es.html",
         "pt-BR": "pt-BR.html", "af": "af.html"}

# What overflows its control, in the window or windows open now: each
# control's text that needs more room than its box has, and each auto-size
# label that runs out of its container or onto another control.
OVERFLOWS = """
  const found = [];
  const inside = (a, b) => a.left >= b.left - 0.5 && a.right <= b.right + 0.5 &&
                           a.top >= b.top - 0.5 && a.bottom <= b.bottom + 0.5;
  const meets = (a, b) => a.left < b.right - 0.5 && b.left < a.right - 0.5 &&
                          a.top < b.bottom - 0.5 && b.top < a.bottom - 0.5;
  for (const window of document.querySelectorAll('.window')) {
    if (window.tagName === 'DIALOG' && !window.open) continue;
    for (const e of window.querySelectorAll('[id]')) {
      const text = e.tagName === 'INPUT' ? '' : e.textContent.trim();
      if (!text || e.closest('.menubar, .visually-hidden, [hidden]')) continue;
      if (e.children.length && !e.classList.contains('label')) continue;
      if (e.classList.contains('auto')) {
        const box = e.getBoundingClientRect();
        const container = e.parentElement.getBoundingClientRect();
        // It grows to the right and down from its designed corner (lblspin's
        // stands a little above the client area, as designed).
        if (box.right > container.right + 0.5 || box.bottom > container.bottom + 0.5)
          found.push(`${e.id} "${text}" leaves its container`);
        for (const other of e.parentElement.children) {
          if (other !== e && other.id && !other.contains(e) && other.getClientRects().length &&
              meets(box, other.getBoundingClientRect()) &&
              !inside(box, other.getBoundingClientRect()))
            found.push(`${e.id} covers ${other.id}`);
        }
      } else if (e.scrollWidth > e.clientWidth + 1 || e.scrollHeight > e.clientHeight + 1) {
        found.push(`${e.id} "${text}" needs ${e.scrollWidth}x${e.scrollHeight},` +
                   ` has ${e.clientWidth}x${e.clientHeight}`);
      }
    }
  }
  const titles = [...document.querySelectorAll('#menubar > *')]
      .map(t => t.getBoundingClientRect().top);
  if (new Set(titles.map(Math.round)).size > 1) found.push('the menu bar takes two lines');
  return found;
"""


class LanguageTest(webpage.PageTest):

    def open_language(self, query):
        self.open_page("/" + query)
        return self.js("return [document.documentElement.lang,"
                       " location.pathname.split('/').pop() || 'index.html'];")

    def test_the_german_page_speaks_german(self):
        self.assertEqual(self.open_language("?lang=de"), ["de", "de.html"])
        self.assertEqual(self.text("file"), "Datei")
        self.assertEqual(self.text("Label4"), "GEWINN")
        self.click("cmdtransfer")
        self.assertEqual(self.wait_for_message()[:2],
                         ("Übertragung nicht möglich", "Es gibt keinen Gewinn zum Übertragen."))
        self.close_message()
        self.menu("hlep", "help")
        self.wait_for("document.getElementById('frmhelp')?.open")
        self.assertTrue(self.text("lblhelp").startswith(" " * 15 + "SO SPIELT MAN TORVANE.\r\n"))
        self.click("lblhelp")

    def test_a_french_browser_gets_the_french_page_and_can_ask_for_english(self):
        self.cdp("Emulation.setUserAgentOverride",
                 userAgent=self.js("return navigator.userAgent;"), acceptLanguage="fr-CA,fr")
        self.assertEqual(self.open_language(""), ["fr", "fr.html"])
        self.assertEqual(self.text("file"), "Fichier")
        self.assertEqual(self.open_language("?lang=en"), ["en", "index.html"])
        self.assertEqual(self.text("file"), "File")

    def test_an_unknown_language_gives_the_designed_english(self):
        self.assertEqual(self.open_language("?lang=xx"), ["en", "index.html"])
        self.assertEqual(self.text("file"), "File")
        self.assertEqual(self.text("Label4"), "WINNINGS")
        self.click("cmdtransfer")
        self.assertEqual(self.wait_for_message()[:2],
                         ("Tranfer Violation", "There is no winnings to transfer."))
        self.close_message()

    def test_every_text_fits_its_control_in_every_language(self):
        # What the designed English itself overlaps (the About window's two
        # product labels) may overlap in every language; nothing more may.
        designed = {}
        for language, page in PAGES.items():
            with self.subTest(language=language):
                self.open_page("/" + page + "?lang=" + language)
                self.assertEqual(self.js("return document.documentElement.lang;"), language)
                for title, item, window in ((None, None, "frmdiduvor"),
                                            ("hlep", "help", "frmhelp"),
                                            ("hlep", "about", "frmabout-window")):
                    if title:
                        self.menu(title, item)
                        self.wait_for(f"document.getElementById('{window}')?.open")
                    found = self.js(OVERFLOWS)
                    if language == "en":
                        designed[window] = {f for f in found if " covers " in f}
                    self.assertEqual(sorted(set(found) - designed[window]), [],
                                     f"{language}: {window}")
                    if title:
                        self.press("Escape")
                        self.wait_for(f"!document.getElementById('{window}')")

if __name__ == "__main__":
    webpage.main()
