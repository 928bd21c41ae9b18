#pragma once

#include <QEvent>
#include <QEventLoop>
#include <QObject>

namespace velmora {

// Ends a local event loop when the watched window is hidden: a modeless
// window shown as if it were modal, while its owner waits for it.
class HideWatcher final : public QObject {
 public:
  explicit HideWatcher(QEventLoop& loop) : loop_(loop) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide) loop_.quit();
    return QObject::eventFilter(watched, event);
  }

 private:
  QEventLoop& loop_;
};

}  // namespace velmora
