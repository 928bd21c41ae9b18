#include "LanguageInForce.h"

#include <QCoreApplication>
#include <QVariant>

namespace velmora {

std::int32_t LanguageInForce::id(std::int32_t localeId) {
  if (localeId != 0) return localeId;
  const QCoreApplication* app = QCoreApplication::instance();
  const QVariant inForce = app ? app->property("velmoraLanguage") : QVariant();
  return inForce.isValid() ? inForce.toInt() : localeId;
}

}  // namespace velmora
