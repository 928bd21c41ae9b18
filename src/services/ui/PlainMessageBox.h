#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace velmora {

// Modal message boxes whose text is shown exactly as it stands: file names
// and lines quoted from files are never taken for markup, whatever they hold.
class PlainMessageBox {
 public:
  static QMessageBox::StandardButton show(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                          const QString& text, QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                          QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

  static void critical(QWidget* parent, const QString& title, const QString& text) {
    show(parent, QMessageBox::Critical, title, text);
  }
  static void warning(QWidget* parent, const QString& title, const QString& text) {
    show(parent, QMessageBox::Warning, title, text);
  }
  static void information(QWidget* parent, const QString& title, const QString& text) {
    show(parent, QMessageBox::Information, title, text);
  }
  static QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                              QMessageBox::StandardButtons buttons,
                                              QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) {
    return show(parent, QMessageBox::Question, title, text, buttons, defaultButton);
  }
};

}  // namespace velmora
