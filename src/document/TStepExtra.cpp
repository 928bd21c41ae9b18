#include "TStepExtra.h"

#include "BinaryReader.h"
#include "BinaryWriter.h"

namespace velmora {

void TStepExtra::ReadFrom(BinaryReader& in) {
  in.require(kSize, "step extra");
  ElectrodeDown = in.u8();
  SamplerCell = in.i32();
  ElectrodeUp = in.u8();
  in.bytesInto(Reserved);
}

void TStepExtra::WriteTo(BinaryWriter& out) const {
  out.u8(ElectrodeDown);
  out.i32(SamplerCell);
  out.u8(ElectrodeUp);
  out.bytes(Reserved);
}

}  // namespace velmora
