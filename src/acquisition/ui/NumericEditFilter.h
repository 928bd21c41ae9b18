#pragma once

#include <QObject>

namespace velmora {

// Drops the keys a numeric edit of the record-parameters window does not
// take: only digits, ".", "-" (once) and the editing keys (copy, paste, cut,
// undo, backspace, delete, arrows, tab) get through to the QLineEdit.
class NumericEditFilter : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace velmora
