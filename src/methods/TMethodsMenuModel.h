#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "TMethod.h"

namespace velmora {

// One item of the dynamic part of the "Methods" menu: a method item, or a
// submenu holding method items.
struct TMethodMenuEntry {
  std::string Caption;
  std::ptrdiff_t MethodIndex = -1;      // index into the methods; -1 for a submenu
  std::vector<TMethodMenuEntry> Items;  // a submenu's items, in display order

  bool IsSubMenu() const { return MethodIndex < 0; }
  friend bool operator==(const TMethodMenuEntry&, const TMethodMenuEntry&) = default;
};

// The dynamic part of the "Methods" menu for one user-interface language,
// free of any window code. Methods with autosampler cells go to the
// autosampler window instead; simulation scripts are not offered. Items
// are inserted before "Clear method" and at the top of their submenu, so
// both appear in reverse load order; a submenu sits where its first method
// put it.
struct TMethodsMenuModel {
  bool Separator = false;                   // a separator before the first method item
  std::vector<TMethodMenuEntry> Entries;    // in display order
  std::vector<std::size_t> SamplerMethods;  // methods for the autosampler window, in load order

  static TMethodsMenuModel Build(const TMethods& methods, std::int32_t languageId);
};

}  // namespace velmora
