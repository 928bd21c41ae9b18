#include "ProgramVersion.h"

#ifndef VELMORA_BUILD_DATE
#error "VELMORA_BUILD_DATE is set by the build"
#endif

namespace velmora {

std::string ProgramVersion::BuildDate() { return VELMORA_BUILD_DATE; }

}  // namespace velmora
