#pragma once

#include <QString>
#include <string>

#include "Message.h"

namespace velmora {

// Bridges between the core's English catalogue texts and Qt's translation.
class UiText {
 public:
  // The catalogue template translated into the current language, with the
  // message's arguments in place.
  static QString message(const Message& message);
  static QString fromStd(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }
  static std::string toStd(const QString& text) { return text.toUtf8().toStdString(); }
};

}  // namespace velmora
