#pragma once

#include <QString>
#include <vector>

#include "SamplerMethod.h"

namespace velmora {

class MainWindow;

// The "Autosampler setup" window for the screenshot tour: two methods on
// two supporting electrolytes sharing the rinse cell, laid out for two
// samples, with a sample cell active.
class SamplerScreenshot {
 public:
  // Two realistic methods: heavy metals by standard additions on a mercury
  // film, mercury by one addition on a gold electrode.
  static std::vector<SamplerMethod> DemoMethods();
  // Saves "autosampler.png"; returns the number of pictures written.
  static int run(MainWindow& window, const QString& folder);
};

}  // namespace velmora
