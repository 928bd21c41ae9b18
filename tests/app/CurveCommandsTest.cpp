#include <gtest/gtest.h>

#include <QAction>
#include <QSpinBox>

#include "CurveCommands.h"
#include "CurveProcessing.h"
#include "MainWindow.h"
#include "RecordParametersHost.h"
#include "TNodeForest.h"
#include "TOldStyleRecordForm.h"
#include "TVAStruct.h"
#include "TempDir.h"

using namespace velmora;

namespace {

TNode* Leaf(TNodeForest& f, const std::string& name, double level) {
  TNode* n = f.CreateNode();
  n->SetNameSilently(name);
  n->SetRecord(std::make_unique<TVAStruct>(n));
  f.InsertNode(nullptr, f.LastRoot(), n);
  TDataArr points;
  for (int i = 0; i < 20; ++i) points.push_back({10.0 * i, level + (i % 4)});
  n->VA()->SetData(points);
  return n;
}

TEST(CurveCommands, UndoCaptionsAndCommandsOnTheDisplayedCurves) {
  velmora::test::TempDir dir;
  Settings settings;
  settings.setDataFolder(dir.path());
  settings.options().filter = 3;
  MainWindow w(settings);
  auto* commands = new CurveCommands(w, settings);
  commands->applySettings();
  EXPECT_EQ(commands->filterBox()->value(), 3);
  QAction* undo = w.action("UndoActn");
  QAction* redo = w.action("RedoActn");
  EXPECT_EQ(undo->text(), "Undo");
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_EQ(redo->text(), "Redo");
  EXPECT_FALSE(redo->isEnabled());

  TNodeForest& f = w.forest();
  commands->undo().Suspend(true);
  TNode* a = Leaf(f, "a", 1);
  TNode* b = Leaf(f, "b", 5);
  commands->undo().Suspend(false);
  f.SelectNode(b);
  f.MoveSelectionUp();
  EXPECT_EQ(undo->text(), "Undo \"Move up\"");
  EXPECT_EQ(undo->toolTip(), undo->text());
  EXPECT_TRUE(undo->isEnabled());

  // Smoothing the displayed curve (b) only: one step.
  const TDataArr bBefore = b->VA()->Data;
  const TDataArr aBefore = a->VA()->Data;
  w.action("SmoothingActn")->trigger();
  EXPECT_EQ(b->VA()->Data, SmoothMovingAverage(bBefore, 3));
  EXPECT_EQ(a->VA()->Data, aBefore);
  EXPECT_EQ(undo->text(), "Undo \"Data change\"");
  EXPECT_TRUE(w.modified());

  // The shift: a comma is no separator, a point is.
  QString suggested;
  commands->askText = [&](const QString& suggestion, QString& text) {
    suggested = suggestion;
    text = "1,5";
    return true;
  };
  commands->SetXShift();
  EXPECT_EQ(b->VA()->XShift, 0.0);
  EXPECT_EQ(suggested, "0");
  commands->askText = [&](const QString&, QString& text) {
    text = "-2.5";
    return true;
  };
  commands->SetXShift();
  EXPECT_EQ(b->VA()->XShift, -2.5);
  EXPECT_EQ(undo->text(), "Undo \"Potential shift\"");

  w.action("InverseYActn")->trigger();
  EXPECT_EQ(b->VA()->Data, Invert(SmoothMovingAverage(bBefore, 3), InvertAxis::Y));
  undo->trigger();
  undo->trigger();
  EXPECT_EQ(b->VA()->XShift, 0.0);
  EXPECT_EQ(redo->text(), "Redo \"Potential shift\"");
  redo->trigger();
  EXPECT_EQ(b->VA()->XShift, -2.5);

  // The display modes recompute the displayed points.
  w.action("LgiActn")->setChecked(true);
  EXPECT_EQ(f.SemilogMode, 1);
  EXPECT_EQ(b->VA()->DisplayData(), Semilog(ShiftX(b->VA()->Data, -2.5)));
  w.action("LgiActn")->setChecked(false);
  EXPECT_FALSE(w.action("SetXShiftByPeakActn")->isEnabled());

  // A new document empties both lists.
  w.newDocument();
  EXPECT_EQ(undo->text(), "Undo");
  EXPECT_FALSE(undo->isEnabled());
}

// "Smoothing filter value" in the main window and "Input filter" in the
// record parameters window show one setting: a change in either shows in both.
TEST(CurveCommands, FilterValueIsSharedWithTheRecordParametersWindow) {
  velmora::test::TempDir dir;
  Settings settings;
  settings.setDataFolder(dir.path());
  settings.options().filter = 2;
  MainWindow w(settings);
  auto* commands = new CurveCommands(w, settings);
  commands->applySettings();
  w.recordParameters().linkFilterBox(commands->filterBox());
  auto* inputFilter = w.recordParameters().form().findChild<QSpinBox*>(QStringLiteral("FilterSpin"));
  ASSERT_NE(inputFilter, nullptr);

  commands->filterBox()->setValue(7);
  EXPECT_EQ(settings.options().filter, 7);
  EXPECT_EQ(inputFilter->value(), 7);

  inputFilter->setValue(11);
  EXPECT_EQ(settings.options().filter, 11);
  EXPECT_EQ(commands->filterBox()->value(), 11);
}

}  // namespace
