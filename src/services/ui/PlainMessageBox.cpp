#include "PlainMessageBox.h"

namespace velmora {

QMessageBox::StandardButton PlainMessageBox::show(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                  const QString& text, QMessageBox::StandardButtons buttons,
                                                  QMessageBox::StandardButton defaultButton) {
  QMessageBox box(icon, title, text, buttons, parent);
  box.setTextFormat(Qt::PlainText);
  if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
  if (box.exec() == -1) return QMessageBox::Cancel;
  // NoButton when the box was closed without one.
  return box.standardButton(box.clickedButton());
}

}  // namespace velmora
