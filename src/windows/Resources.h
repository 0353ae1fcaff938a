// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The ids of the program's resources (torvane.rc), shared by the resource
// script and the code that loads them.
#pragma once

#define TORVANE_IDI_APP 1         // the sunglasses, 16 to 256 px
#define TORVANE_IDI_ARROW_UP 2    // cmddblup's picture, 16 to 64 px
#define TORVANE_IDI_ARROW_DOWN 3  // cmddbldown's picture, 16 to 64 px
#define TORVANE_IDI_CAR 4         // the About window's racing car, 32 to 256 px
