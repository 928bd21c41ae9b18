#pragma once

#include "JsonWriter.h"
#include "TMethod.h"

namespace velmora {

// Methods, scripts and their parts as JSON for the command-line tool.
class MethodJson {
 public:
  static void WritePrograms(JsonWriter& json, const TVAProgramsArray& programs);
  static void WriteStatistics(JsonWriter& json, const TMethodStat& statistics);
  static void WriteEquation(JsonWriter& json, const TCustomMethod& equation);
  static void WriteStep(JsonWriter& json, const ValueRecord& step);
  static void WriteScript(JsonWriter& json, const TWizSteps& script);
  static void WriteMethod(JsonWriter& json, const TMethod& method);
};

}  // namespace velmora
