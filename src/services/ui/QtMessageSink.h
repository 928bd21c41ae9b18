#pragma once

#include <QPointer>
#include <QWidget>

#include "MessageSink.h"

namespace velmora {

// Shows the core's messages in the toolkit's message boxes, translated.
class QtMessageSink final : public IMessageSink {
 public:
  explicit QtMessageSink(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

  void error(const Message& message) override;
  void warning(const Message& message) override;
  void information(const Message& message) override;
  Answer askYesNo(const Message& message) override;
  Answer askYesNoCancel(const Message& message) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace velmora
