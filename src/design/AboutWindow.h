// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include <string>
#include <vector>

#include "design/Layout.h"

// The About window frmabout as designed: one frame filling a window without
// a title bar, holding the picture, the product and version, OK and the
// ownership lines. The frame is named frmabout like the window.
namespace torvane::design {

struct AboutWindowDesign {
    Window window;
    Control frame;
    // The frame's controls, relative to the frame, in the order they are built.
    std::vector<Control> controls;
};

const AboutWindowDesign& aboutWindow();

// What the About window's load handler writes: "Version 1.0.18" into
// lblVersion and the application title into lblProductName.
std::string versionCaption();
std::string productNameCaption();

}  // namespace torvane::design
