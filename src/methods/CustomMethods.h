#pragma once

#include <cstddef>

#include "TCustomMethod.h"

namespace velmora {

// The process-wide list of custom methods. Calculation-method numbers 0 to 5
// are the built-in methods; number 6 + i is the custom method at index i.
// Used on the main thread only.
class CustomMethods {
 public:
  static constexpr int kFirstNumber = 6;

  static TCustomMethodArr& List();

  // The calculation-method number of list index `index`.
  static int NumberOf(std::size_t index) { return kFirstNumber + static_cast<int>(index); }
  // True for numbers that denote a custom method (whether it exists or not).
  static bool IsCustomNumber(int methodNumber) { return methodNumber >= kFirstNumber; }
  // The custom method a calculation-method number denotes, or nullptr when
  // it is a built-in method or beyond the list.
  static const TCustomMethod* Find(int methodNumber);
};

}  // namespace velmora
