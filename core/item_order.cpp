#include "core/item_order.h"

namespace items {

bool SortsBefore(int32_t compareResult, int direction) {
    if (compareResult < 0) return false;
    // The code sits in the low word, as a signed number; the high word carries the result's severity.
    auto code = static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(compareResult) & 0xFFFFu));
    return direction == 1 ? code > 0 : code < 0;
}

}  // namespace items
