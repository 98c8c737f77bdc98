#include "core/PersonIdSet.h"

#include <algorithm>
#include <climits>

namespace PersonListM {

namespace {
constexpr std::size_t kMaxBytes = static_cast<std::size_t>(INT_MAX) / 8 + 1;
}

TPersonList::TPersonList() : bits_(kInitialIds / 8, 0) {}

void TPersonList::Include(int id) {
  if (id < 0) return;
  const std::size_t byte = static_cast<std::size_t>(id) / 8;
  if (byte >= bits_.size()) {
    // Doubling keeps a run of ever larger ids from copying the set each time.
    bits_.resize(std::min(std::max(byte + 1, bits_.size() * 2), kMaxBytes), 0);
  }
  bits_[byte] |= static_cast<std::uint8_t>(1U << (id % 8));
}

bool TPersonList::Contains(int id) const {
  if (id < 0) return false;
  const std::size_t byte = static_cast<std::size_t>(id) / 8;
  return byte < bits_.size() && (bits_[byte] & (1U << (id % 8))) != 0;
}

}  // namespace PersonListM
