// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <string>

#include "game/Colours.h"
#include "game/Message.h"

// The page as the web front end sees it: its elements by id (the designed
// control names), its modal windows and the browser's clock and addresses.
// Each call is one small piece of the page's own JavaScript (page.js).
namespace torvane::web::page {

// Labels and captions: the text an element shows.
// The language the page is written in (its <html lang>): "en", "de", "pt-BR".
std::string language();
std::string text(const std::string& id);
void setText(const std::string& id, const std::string& text);
// Text boxes: what is typed in them.
std::string fieldText(const std::string& id);
void setFieldText(const std::string& id, const std::string& text);
void setBackground(const std::string& id, Rgb colour);
// What assistive technology calls an element, and what it adds about it.
void setName(const std::string& id, const std::string& text);
void setDescription(const std::string& id, const std::string& text);

// List boxes.
int listCount(const std::string& id);
void listAdd(const std::string& id, const std::string& line);
void listRemove(const std::string& id, int index);
void listClear(const std::string& id);

// A chart line's top end and height, in CSS pixels within its frame, and
// what assistive technology reads of it.
void setLine(const std::string& id, double top, double height, const std::string& reading);

// Marks the element as the current one of its list, or not.
void setCurrent(const std::string& id, bool current);

// Says `text` once through the page's polite live region.
void announce(const std::string& text);

// The main window's title bar; the document's title is the caption
// without its leading blanks.
void setCaption(const std::string& caption);

// The second of the minute of the browser's local time, read now.
int secondOfMinute();

// A modal message box; returns when the player has closed it, the handler
// that showed it suspended meanwhile.
void showMessage(const Message& message);

// The help and About windows: loading builds the window's elements from
// its template, hidden; unloading removes them.
void loadWindow(const std::string& id);
void unloadWindow(const std::string& id);
bool windowLoaded(const std::string& id);
void placeWindow(const std::string& id, double left, double top);

// What a modal window's player did: a click on its one clickable control
// (the help text, About's OK) or a key that types a character.
struct WindowEvent {
    enum Kind { Click = 1, KeyPress = 2 } kind;
    int character;  // KeyPress only
};
// Shows the window modally if it is not shown yet, and waits for its next
// event; the handler that showed it is suspended meanwhile.
WindowEvent nextWindowEvent(const std::string& id);

// Hands an address to the browser: a web address opens in a new tab, a
// mail address in the player's mail program.
void openAddress(const std::string& address);

// The main window goes away and the page says the game has ended.
void endGame();

}  // namespace torvane::web::page
