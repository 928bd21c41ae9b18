#pragma once

#include <string>
#include "TNodeObj.h"

namespace velmora {

// A node with a name (renaming).
class TNodeStrObj : public TNodeObj {
 public:
  using TNodeObj::TNodeObj;

  std::string Name;

 protected:
  std::size_t OwnDataBytes() const override { return Name.capacity(); }
};

}  // namespace velmora
