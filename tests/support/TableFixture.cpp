#include "support/TableFixture.h"

namespace torvane::testing {

int TableFixture::bankPlusStakes() const {
    const TableState& s = table.state();
    return s.bank + s.betLeft + s.betMiddle + s.betRight;
}

}  // namespace torvane::testing
