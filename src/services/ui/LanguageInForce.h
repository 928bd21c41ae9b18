#pragma once

#include <cstdint>

namespace velmora {

// The language whose texts a method or script shows. LocaleID 0 leaves the
// language to the user's default: then the one the language switch put in
// force (the application's property "velmoraLanguage"); any other LocaleID
// stands as it is.
class LanguageInForce {
 public:
  static std::int32_t id(std::int32_t localeId);
};

}  // namespace velmora
