#pragma once

#include <string>
#include <vector>

#include "TMethod.h"

namespace velmora {

// The methods shipped with the workstation, made from code: zinc, cadmium,
// lead and copper by standard additions, lead by calibration, and cadmium
// and lead by standard additions on the autosampler. Their
// programs record on the analyzer emulator (which knows these four
// metals), and their scripts lead through the whole analysis.
class ExampleMethods {
 public:
  struct Entry {
    std::string FileName;  // e.g. "Zn-standard-additions.mtd"
    TMethod Method;
  };
  static std::vector<Entry> All();
};

}  // namespace velmora
