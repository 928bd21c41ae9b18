#include "LanguageChangeWatch.h"

#include <QEvent>

namespace velmora {

LanguageChangeWatch::LanguageChangeWatch(QObject* watched, std::function<void()> onChange)
    : QObject(watched), onChange_(std::move(onChange)) {
  watched->installEventFilter(this);
}

bool LanguageChangeWatch::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent() && event->type() == QEvent::LanguageChange && onChange_) onChange_();
  return QObject::eventFilter(watched, event);
}

}  // namespace velmora
