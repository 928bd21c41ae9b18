#include "UiText.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>

namespace velmora {

QString UiText::message(const Message& message) {
  if (message.count < 0) {
    const QString templ = QCoreApplication::translate("Messages", message.text);
    return fromStd(Message::substitute(toStd(templ), message.args));
  }
  // A counted text takes the language's form for the count; without a
  // translation it keeps the English wording for one or for many.
  const int n = static_cast<int>(std::min<std::int64_t>(message.count, std::numeric_limits<int>::max()));
  QString templ = QCoreApplication::translate("Messages", message.text, nullptr, n);
  if (templ == QString::fromUtf8(message.text).replace(QStringLiteral("%n"), QString::number(n)))
    templ = fromStd(message.englishTemplate());
  return fromStd(Message::substitute(toStd(templ), message.args));
}

}  // namespace velmora
