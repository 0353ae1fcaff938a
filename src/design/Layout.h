// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "game/Colours.h"

// The windows as designed, as plain data that every front end builds its
// windows from: each control's name, kind, text, rectangle, colours, font and
// alignment, the menus, the tab order, and what assistive technology is told.
// Nothing here knows a toolkit.
namespace torvane::design {

// A rectangle in twips (1/1440 inch, 15 to a pixel at 96 dots per inch),
// relative to the client area of the control's container, y downwards.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
inline constexpr double kTwipsPerPixel = 15.0;

// The two designed faces. Neither ships with Debian or the web, so each has
// a substitute with the same metrics or a narrower one: "MS Sans Serif"
// becomes FreeSans, narrow enough that every caption fits its designed box;
// "Arial" becomes Liberation Sans, which has Arial's metrics.
enum class Face { MsSansSerif, Arial };
const char* designedFamily(Face face);
// The installed faces that stand in for `face`, the preferred first.
std::vector<std::string> substituteFamilies(Face face);

struct Font {
    Face face = Face::MsSansSerif;
    double points = 8.25;
    bool bold = false;
};
// What a window and a control without a font of its own use.
inline constexpr Font kWindowFont{};

enum class Kind { Label, TextBox, Button, PictureButton, ListBox, Frame, Image };
// The one control event that reaches a handler, named after the control and
// the event: cmdspin_Click, lblleft_MouseUp.
enum class Event { None, Click, MouseUp };
enum class Align { Left, Centre, Right };

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kLightGreen{128, 255, 128};
inline constexpr Rgb kBetBoxGreen{0, 128, 0};
inline constexpr Rgb kLightYellow{255, 255, 192};
inline constexpr Rgb kHelpBlue{0, 0, 255};
inline constexpr Rgb kHistoryRed{255, 0, 0};
// Not in the original design: the frame a bet box shows while it has the
// keyboard focus. Yellow reads on the box's green and on a light or a dark
// window around it.
inline constexpr Rgb kFocusYellow{255, 255, 0};

struct Control {
    const char* name = "";
    Kind kind = Kind::Label;
    const char* text = "";  // the designed caption or text
    Twips rect;
    Font font = kWindowFont;
    std::optional<Rgb> fore{};  // none: the platform's default colour
    std::optional<Rgb> back{};
    Align align = Align::Left;
    bool border = false;    // a thin single-line frame
    bool autoSize = false;  // width and height follow the text; left and top stay
    bool wrap = false;      // the text wraps at word boundaries within the width
    int maxLength = 0;      // how many characters may be typed into a text box; 0: any
    int tabIndex = -1;      // the designed tab index; -1: none
    Event event = Event::None;
    const char* picture = nullptr;  // picture buttons and images: a file in pictures/
    // What assistive technology calls the control where its text does not
    // say it, and what it adds about it.
    const char* accessibleName = nullptr;
    const char* description = nullptr;
    // The label whose caption says what this control shows ("WINNINGS" for
    // the winnings), where one does.
    const char* labelledBy = nullptr;
};

// "cmdspin_Click": the handler that the control's event reaches; "" for none.
std::string handlerName(const Control& control);

// Whether the control can take the keyboard focus: labels, frames and images
// never do.
bool takesFocus(const Control& control);
// The control's accessible name: its own, or else its text.
std::string accessibleName(const Control& control);

// A vertical chart line: a fixed lower end at `y1` and a moving top end at
// `y2`, in twips relative to its frame.
struct Line {
    const char* name;
    int x;
    int y1;
    int y2;  // as designed, until the chart first draws the line
    int widthPx;
    Rgb colour;
    const char* accessibleName;
};

// A menu item's one event is its Click; a separator has none.
struct MenuItem {
    const char* name;
    const char* caption;  // "&" marks the access letter; empty for a separator
    bool separator() const { return *caption == '\0'; }
};
// "exit_Click": the handler that the item's Click reaches; "" for a separator.
std::string handlerName(const MenuItem& item);
struct Menu {
    const char* name;
    const char* title;
    std::vector<MenuItem> items;
};

// The letter that `caption` marks with "&" (a whole UTF-8 character), or "";
// where the mark stands in `caption` (npos for none), which is also where
// the letter stands in the caption without it; and the caption without it.
std::string accessLetter(const char* caption);
std::size_t accessMarkAt(const char* caption);
std::string withoutAccessMark(const char* caption);

// A window: where it stands on the screen, its client area's size, and its
// background and font.
struct Window {
    const char* name;
    const char* caption;  // the designed caption
    Twips rect;           // left and top on the screen; the client area's width and height
    std::optional<Rgb> back{};
    Font font = kWindowFont;
};

// "12.5" and the like: twips to CSS or logical pixels, exactly.
double pixels(int twips);

}  // namespace torvane::design
