// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The templates of the help, About and message windows.
#include "web/Markup.h"

#include "design/AboutWindow.h"
#include "design/HelpWindow.h"
#include "lang/Language.h"

namespace torvane::web::markup {

namespace d = torvane::design;

std::string helpTemplate() {
    const d::HelpWindowDesign& help = d::helpWindow();
    // Named by its heading, the rules' first line.
    std::string heading = d::helpText();
    heading.resize(heading.find('\r'));
    heading.erase(0, heading.find_first_not_of(' '));
    return "<template" + attribute("id", std::string(help.window.name) + "-template") +
           ">\n<dialog" + attribute("id", help.window.name) + attribute("class", "window help") +
           attribute("aria-label", heading) + ">\n" + control(help.lblhelp) +
           "</dialog>\n</template>\n";
}

std::string aboutTemplate() {
    const d::AboutWindowDesign& about = d::aboutWindow();
    const std::string window = std::string(about.window.name) + "-window";
    std::string html = "<template" + attribute("id", window + "-template") + ">\n<dialog" +
                       attribute("id", window) + attribute("class", "window about") +
                       attribute("aria-labelledby", "lblProductName") + ">\n<div" +
                       attribute("id", about.frame.name) + attribute("class", "frame") + ">\n";
    for (const d::Control& c : about.controls) html += control(c);
    return html + "</div>\n</dialog>\n</template>\n";
}

std::string messageTemplate() {
    return R"(<template id="message-template">
<dialog class="message" role="alertdialog" aria-labelledby="message-title" aria-describedby="message-prompt">
<div class="titlebar"><span id="message-title" class="caption"></span></div>
<div class="message-body"><img class="message-icon" src="pictures/critical.svg" alt="" aria-hidden="true" draggable="false"><p id="message-prompt" class="message-prompt"></p></div>
<div class="message-buttons"><button class="button message-ok" type="button">)" +
           escape(lang::text(lang::N_("message.ok", "OK"))) + R"(</button></div>
</dialog>
</template>
)";
}

}  // namespace torvane::web::markup
