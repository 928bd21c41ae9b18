#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "Messages.h"
#include "QtMessageSink.h"

namespace velmora {
namespace {

// What the next modal message box showed, answered with `button`.
struct SeenBox {
  QString text;
  Qt::TextFormat format = Qt::AutoText;
  bool shown = false;
};

void AnswerNextBox(SeenBox& seen, QMessageBox::StandardButton button) {
  QTimer::singleShot(0, [&seen, button] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    seen.shown = true;
    seen.text = box->text();
    seen.format = box->textFormat();
    box->button(button)->click();
  });
}

// File names and lines quoted from a file may hold anything, markup included.
TEST(PlainMessageBox, TextsFromFilesAreShownAsTheyStand) {
  const std::string name = "<b>Zn</b> & <i>Cd</i><br>.tvx";
  QtMessageSink sink;

  SeenBox error;
  AnswerNextBox(error, QMessageBox::Ok);
  sink.error(Message(msg::CannotOpenFile, {name, "<img src=x>"}));
  ASSERT_TRUE(error.shown);
  EXPECT_EQ(error.format, Qt::PlainText);
  EXPECT_EQ(error.text, QStringLiteral("Cannot open file \"<b>Zn</b> & <i>Cd</i><br>.tvx\". <img src=x>"));

  SeenBox warning;
  AnswerNextBox(warning, QMessageBox::Ok);
  sink.warning(Message(msg::ImportLineUnreadable, {"3", "<table><tr><td>1;2"}));
  ASSERT_TRUE(warning.shown);
  EXPECT_EQ(warning.format, Qt::PlainText);
  EXPECT_TRUE(warning.text.contains(QStringLiteral("<table><tr><td>1;2"))) << warning.text.toStdString();

  // Questions keep their answers.
  SeenBox question;
  AnswerNextBox(question, QMessageBox::No);
  EXPECT_EQ(sink.askYesNoCancel(Message(msg::CannotCreateFile, {name, "?"})), Answer::No);
  EXPECT_EQ(question.format, Qt::PlainText);
  SeenBox yes;
  AnswerNextBox(yes, QMessageBox::Yes);
  EXPECT_EQ(sink.askYesNo(Message(msg::CannotCreateFile, {name, "?"})), Answer::Yes);
  EXPECT_EQ(yes.format, Qt::PlainText);
}

}  // namespace
}  // namespace velmora
