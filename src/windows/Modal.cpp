// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "windows/Modal.h"

namespace torvane::win {
namespace {

int depth = 0;

}  // namespace

int modalDepth() {
    return depth;
}

ModalScope::ModalScope() {
    ++depth;
}
ModalScope::~ModalScope() {
    --depth;
}

void runModal(HWND owner, HWND window, const std::function<bool()>& closed,
              const std::function<bool(const MSG&)>& preview) {
    const ModalScope scope;
    const bool ownerWasEnabled = owner != nullptr && IsWindowEnabled(owner) != FALSE;
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    MSG msg;
    while (!closed()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got < 0) break;
        if (preview && preview(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    // The owner takes the activation back before the window goes, so it
    // does not pass to another program.
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    if (owner != nullptr) SetActiveWindow(owner);
}

}  // namespace torvane::win
