// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <memory>
#include <optional>
#include <string>

// What a screen reader reads of the game's own controls on Windows, which
// Windows knows only as plain statics: the bet boxes are named for their
// column with the stake, the number cells say whether the last spin drew
// them, and the chart's four lines are children of the chart frame, named
// for their outcome and described by what their height is drawn from.
// Each such control answers WM_GETOBJECT(OBJID_CLIENT) with an IAccessible
// of ours that gives those texts and hands everything else to the object
// Windows makes for the control (CreateStdAccessibleObject).
namespace torvane::win {

// The texts of one control and of its simple children (1 to childCount());
// an empty optional leaves the text to the standard object.
class AccessibleTexts {
  public:
    virtual ~AccessibleTexts() = default;
    virtual long childCount() const { return 0; }
    virtual std::optional<std::string> name(long /*child*/) const { return std::nullopt; }
    virtual std::optional<std::string> description(long /*child*/) const { return std::nullopt; }
    virtual std::optional<std::string> value(long /*child*/) const { return std::nullopt; }
    virtual std::optional<long> role(long /*child*/) const { return std::nullopt; }
    // A child's place on the screen.
    virtual std::optional<RECT> location(long /*child*/) const { return std::nullopt; }
};

// Makes `control` answer WM_GETOBJECT(OBJID_CLIENT) with `texts` (a
// subclass of the control, which owns them). For a window procedure of the
// game's own, answerObjectRequest does the same from its WM_GETOBJECT.
void makeAccessible(HWND control, std::unique_ptr<AccessibleTexts> texts);
LRESULT answerObjectRequest(HWND window, const AccessibleTexts& texts, WPARAM wParam,
                            LPARAM lParam);

// Tells a screen reader that a text of `control` (or of its child) changed.
void notifyChange(HWND control, DWORD event, long child = CHILDID_SELF);

// Has a screen reader say `text` once, politely, where Windows can
// (UiaRaiseNotificationEvent, Windows 10 1709 and later); elsewhere, wine
// included, nothing is said.
void announce(HWND window, const std::string& text);

}  // namespace torvane::win
