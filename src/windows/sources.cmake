# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# The Win32 front end's sources, all but main.cpp: the library
# torvane_win32, which the game and the window tests both link.
set(TORVANE_WIN32_SOURCES
  Accessible.cpp
  Accessible.h
  BetBox.cpp
  BetBox.h
  ChartFrame.cpp
  ChartFrame.h
  CommandLine.cpp
  CommandLine.h
  Controls.cpp
  Controls.h
  Graphics.cpp
  Graphics.h
  Modal.cpp
  Modal.h
  ReadableControls.cpp
  ReadableControls.h
  Resources.h
  Text.cpp
  Text.h
  WindowClass.h
  WindowTableView.cpp
  WindowTableView.h
  WindowsServices.cpp
  WindowsServices.h
  frmabout.cpp
  frmabout.h
  frmdiduvor.cpp
  frmdiduvor.h
  frmhelp.cpp
  frmhelp.h
)
