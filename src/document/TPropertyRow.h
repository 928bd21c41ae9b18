#pragma once

#include <vector>

#include "Message.h"

namespace velmora {

// One row of the properties view: a property caption and its value, both as
// catalogue messages so windows show them in the current language (a value
// of plain data is the template "%s" with the text as its argument).
struct TPropertyRow {
  Message Property;
  Message Value;
};

using TPropertyRows = std::vector<TPropertyRow>;

}  // namespace velmora
