#include "CustomMethods.h"

namespace velmora {

TCustomMethodArr& CustomMethods::List() {
  static TCustomMethodArr list;
  return list;
}

const TCustomMethod* CustomMethods::Find(int methodNumber) {
  if (!IsCustomNumber(methodNumber)) return nullptr;
  const auto index = static_cast<std::size_t>(methodNumber - kFirstNumber);
  const TCustomMethodArr& list = List();
  return index < list.size() ? &list[index] : nullptr;
}

}  // namespace velmora
