// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// Every text crosses between the game (UTF-8) and Windows (UTF-16) here,
// never through the ANSI code page, so "…" and "©" arrive as they are.
namespace torvane::win {

std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view text);

// A window's text, whatever its length.
std::string windowText(HWND window);
void setWindowText(HWND window, std::string_view utf8Text);

}  // namespace torvane::win
