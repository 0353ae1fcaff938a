// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "web/BrowserServices.h"

#include "web/Page.h"

namespace torvane::web {

void BrowserServices::showMessage(const Message& message) {
    page::showMessage(message);
}

void BrowserServices::loadAboutWindow() {
    about_.load();
}

int BrowserServices::secondOfMinute() {
    return page::secondOfMinute();
}

float BrowserServices::nextRandom() {
    return generator_.next();
}

}  // namespace torvane::web
