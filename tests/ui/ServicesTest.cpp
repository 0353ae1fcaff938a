// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
// The program's own desktop services, not a test double: what the spin
// takes from the clock and the generator.
#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <thread>

#include "game/Generator.h"
#include "ui/QtDesktopServices.h"

namespace torvane::ui::testing {
namespace {

int localSecond() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_sec;
}

// The second of the local time, as the C library reads it around the call,
// in two different seconds (so that no other field of the time can pass for
// it twice).
TEST(DesktopServices, TheSecondIsTheLocalClocksSecond) {
    QtDesktopServices services;
    int matched = 0;
    int last = -1;
    for (int attempt = 0; attempt < 500 && matched < 2; ++attempt) {
        const int before = localSecond();
        const int second = services.secondOfMinute();
        if (localSecond() != before || before == last) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;  // the second turned meanwhile, or was seen already
        }
        ASSERT_EQ(second, before);
        last = before;
        ++matched;
    }
    EXPECT_EQ(matched, 2);
}

// One sequence across calls, never started afresh: the generator's own.
TEST(DesktopServices, TheGeneratorGoesOnFromCallToCall) {
    QtDesktopServices services;
    Generator fresh;
    for (int i = 0; i < 6; ++i) EXPECT_EQ(services.nextRandom(), fresh.next()) << i;
}

}  // namespace
}  // namespace torvane::ui::testing
