// PersonListM::TPersonList: a set of person ids as one bit per id, the
// visited set of the relationship search. It covers ids 0 to 100015 from the
// start and grows when a larger id is included; negative ids are never in
// it. Include and Contains take constant time (growing aside).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace PersonListM {

class TPersonList {
 public:
  static constexpr int kInitialIds = 100016;

  TPersonList();
  // A negative id is ignored.
  void Include(int id);
  bool Contains(int id) const;

 private:
  std::vector<std::uint8_t> bits_;
};

}  // namespace PersonListM
