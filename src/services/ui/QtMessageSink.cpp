#include "QtMessageSink.h"

#include <QApplication>

#include "PlainMessageBox.h"
#include "UiText.h"

namespace velmora {

namespace {
QString title() { return QApplication::applicationDisplayName(); }
}  // namespace

void QtMessageSink::error(const Message& message) {
  PlainMessageBox::critical(parent_, title(), UiText::message(message));
}

void QtMessageSink::warning(const Message& message) {
  PlainMessageBox::warning(parent_, title(), UiText::message(message));
}

void QtMessageSink::information(const Message& message) {
  PlainMessageBox::information(parent_, title(), UiText::message(message));
}

Answer QtMessageSink::askYesNo(const Message& message) {
  auto b = PlainMessageBox::question(parent_, title(), UiText::message(message), QMessageBox::Yes | QMessageBox::No);
  return b == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Answer QtMessageSink::askYesNoCancel(const Message& message) {
  auto b = PlainMessageBox::question(parent_, title(), UiText::message(message),
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (b == QMessageBox::Yes) return Answer::Yes;
  if (b == QMessageBox::No) return Answer::No;
  return Answer::Cancel;
}

}  // namespace velmora
