// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#pragma once

#include "windows/ChartFrame.h"
#include "windows/Controls.h"

namespace torvane::win {

// Gives the bet boxes, the number cells and the chart's lines the names,
// descriptions and readings that the Linux desktop gives them
// (design/Readings.h), read when a screen reader asks (windows/Accessible.h).
void makeReadable(const ChildWindows& children, const ChartFrame& chart);

// The chart lines as the chart frame's children, 1 to 4 from left to right.
long chartChildOf(Bar bar);

}  // namespace torvane::win
