#include "TCalcVar.h"

#include "BinaryReader.h"
#include "BinaryWriter.h"

namespace velmora {

TCalcVar ReadCalcVar(BinaryReader& in) {
  in.require(TCalcVar::kRecordSize, "a formula variable");
  TCalcVar var;
  var.Name = in.shortString(TCalcVar::kTextCapacity);
  var.Comment = in.shortString(TCalcVar::kTextCapacity);
  var.Value = in.f64();
  return var;
}

void WriteCalcVar(BinaryWriter& out, const TCalcVar& var) {
  out.shortString(var.Name, TCalcVar::kTextCapacity);
  out.shortString(var.Comment, TCalcVar::kTextCapacity);
  out.f64(var.Value);
}

}  // namespace velmora
