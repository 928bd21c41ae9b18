#include "UiText.h"

#include <QCoreApplication>

namespace velmora {

QString UiText::message(const Message& message) {
  const QString templ = QCoreApplication::translate("Messages", message.text);
  return fromStd(Message::substitute(toStd(templ), message.args));
}

}  // namespace velmora
