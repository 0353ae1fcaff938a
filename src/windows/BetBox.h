// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <windows.h>

namespace torvane::win {

// Sent by a bet box to its parent when a mouse button pressed on it is
// released, wherever the pointer is then: wParam is the box's control id,
// lParam points to the design::MouseUp (button, shift state, position in
// twips on the box), valid while the message is handled.
inline constexpr UINT kBetBoxMouseUp = WM_APP + 1;

// Makes a static control (SS_NOTIFY, so it is not transparent to the mouse)
// a bet box: it takes the mouse while a button pressed on it is down, and
// reports each release. A quick second click arrives as a double click and
// counts as a press like any other.
void makeBetBox(HWND box);

// Keyboard mode for a bet box: it joins the Tab chain, takes Space, Enter
// and + as a left release and -, Delete and Backspace as a right one
// (answering WM_GETDLGCODE so that the dialog manager hands it those
// keys), and shows a two-pixel yellow frame while it has the focus.
void letBetBoxTakeKeys(HWND box);

}  // namespace torvane::win
