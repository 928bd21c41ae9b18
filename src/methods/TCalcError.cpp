#include "TCalcError.h"

#include "Messages.h"

namespace velmora {

velmora::Message TCalcError::toMessage() const { return velmora::Message(msg::CalcErrorLine, {Message, Token}); }

}  // namespace velmora
