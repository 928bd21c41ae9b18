#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <cmath>

#include "DemoDocument.h"
#include "MainChartView.h"
#include "MainWindow.h"
#include "Messages.h"
#include "PropertiesWindow.h"
#include "RecordingMessageSink.h"
#include "StructureTree.h"
#include "TImagePreviewBox.h"
#include "TNode.h"
#include "TPaintingGuard.h"
#include "TPluginsManager.h"
#include "TStatForm.h"
#include "TVAStruct.h"
#include "TempDir.h"
#include "ThumbnailPainter.h"

using namespace velmora;

namespace {

TNode* addLeaf(TNodeForest& f, const std::string& comment, const std::string& db, int type = 1) {
  TNode* n = f.AddNode(f.LastRoot(), nullptr);
  auto r = std::make_unique<TVAStruct>(n);
  TVAStruct* rec = r.get();
  n->SetRecord(std::move(r));
  rec->Params.SetComments(comment);
  rec->Params.SetMeasurementType(type);
  rec->DatabaseName = db;
  TDataArr pts;
  for (int i = 0; i < 100; ++i) pts.push_back({-1000.0 + 10 * i, std::sin(i / 10.0)});
  rec->SetData(pts);
  n->SetNameSilently(comment);
  return n;
}

struct Window {
  test::TempDir dir;
  Settings settings{dir.path()};
  TPluginsManager hub;
  test::RecordingMessageSink sink;
  MainWindow w{settings, &hub};
  Window() {
    w.setMessageSink(&sink);
    w.show();
  }
  TNodeForest& f() { return w.forest(); }
  bool enabled(const char* name) { return w.action(name)->isEnabled(); }
  void trigger(const char* name) {
    w.action(name)->trigger();
    QApplication::processEvents();
  }
};

}  // namespace

TEST(MainWindowActions, TheListHoldsEveryActionOnceWithCaptionsShortcutsAndGroups) {
  Window win;
  const auto& all = win.w.actions().all();
  // "Measure" of the Tools menu, which nothing defines, is not offered.
  EXPECT_EQ(all.size(), 131);
  QSet<QString> names;
  for (QAction* a : all) names.insert(a->objectName());
  EXPECT_EQ(names.size(), 131);
  EXPECT_EQ(win.w.action("SaveActn")->text(), "&Save");
  EXPECT_EQ(win.w.action("SaveActn")->shortcut(), QKeySequence("Ctrl+S"));
  EXPECT_EQ(win.w.action("DeleteActn")->shortcut(), QKeySequence("Shift+Del"));
  EXPECT_EQ(win.w.action("BandWChartActn")->text(), "Black&&white chart");
  EXPECT_EQ(win.w.action("MixerOnOffActn")->text(), "Turn on/off the mixer ");
  EXPECT_EQ(MainActions::tag(win.w.action("CalcByMinMaxWLines2Actn")), 7);
  EXPECT_EQ(MainActions::tag(win.w.action("NameTypeActn")), 4);
  EXPECT_EQ(win.w.actions().group("Legend")->actions().size(), 5);
  EXPECT_TRUE(win.w.actions().group("Legend")->isExclusive());
  EXPECT_FALSE(win.w.action("DebugActn")->isVisible());
  // Commands of windows not in this build stay disabled until adopted.
  EXPECT_FALSE(win.enabled("OpenActn"));
  EXPECT_FALSE(win.enabled("RecordActn"));
  win.w.actions().adopt("OpenActn");
  EXPECT_TRUE(win.enabled("OpenActn"));
  // Every action is in a menu.
  QSet<QAction*> inMenus;
  std::function<void(QMenu*)> walk = [&](QMenu* m) {
    for (QAction* a : m->actions()) {
      inMenus.insert(a);
      if (a->menu()) walk(a->menu());
    }
  };
  for (QAction* top : win.w.menuBar()->actions()) walk(top->menu());
  int missing = 0;
  for (QAction* a : all) {
    if (!inMenus.contains(a) && a->isVisible() && a->objectName() != "ShowLegendActn" &&
        a->objectName() != "PaintCaptionsActn" && a->objectName() != "ScriptActn" &&
        a->objectName() != "AddToReportActn" &&  // on the calculation window's tool bar
        a->objectName() != "AddToArchiveActn" &&
        a->objectName() != "AddReportToArchiveActn")  // on the report page's tool bar
      ++missing;
  }
  EXPECT_EQ(missing, 0);
}

TEST(MainWindowActions, StatesFollowTheSelection) {
  Window win;
  TNode *a, *b, *c;
  {
    TPaintingGuard g(win.f());
    a = addLeaf(win.f(), "one", "_______1.dbd");
    b = addLeaf(win.f(), "two", "_______2.dbd");
    c = addLeaf(win.f(), "three", "_______3.dbd");
  }
  EXPECT_FALSE(win.enabled("RenameActn"));
  EXPECT_FALSE(win.enabled("DeleteActn"));
  EXPECT_TRUE(win.enabled("SelectAllActn"));
  win.f().SelectNode(b);
  EXPECT_TRUE(win.enabled("RenameActn"));
  EXPECT_TRUE(win.enabled("DeleteActn"));
  EXPECT_TRUE(win.enabled("MoveUpActn"));
  EXPECT_TRUE(win.enabled("MoveDownActn"));
  EXPECT_FALSE(win.enabled("SummActn"));
  EXPECT_FALSE(win.enabled("NodeTypeSummActn"));
  EXPECT_FALSE(win.enabled("UnSummActn"));
  win.f().SetSelection({a, b});
  EXPECT_TRUE(win.enabled("SummActn"));
  EXPECT_FALSE(win.enabled("RenameActn"));
  EXPECT_FALSE(win.enabled("MoveUpActn"));  // the highest selected is first
  win.w.setRecording(true);
  EXPECT_FALSE(win.enabled("NewActn"));
  win.w.setRecording(false);
  EXPECT_TRUE(win.enabled("NewActn"));
  (void)c;
}

TEST(MainWindowEdit, GroupSeparateMoveAndRemoveFromTheMenus) {
  Window win;
  TNode *a, *b, *c;
  {
    TPaintingGuard g(win.f());
    a = addLeaf(win.f(), "one", "_______1.dbd");
    b = addLeaf(win.f(), "two", "_______2.dbd");
    c = addLeaf(win.f(), "three", "_______3.dbd");
  }
  win.f().SetSelection({a, b});
  win.trigger("SummActn");
  TNode* group = win.f().FocusedNode;
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->FirstChild, a);
  EXPECT_EQ(win.f().Selection, TNodesArr({group}));
  EXPECT_TRUE(win.w.modified());
  EXPECT_TRUE(win.enabled("UnSummActn"));
  EXPECT_TRUE(win.enabled("NodeTypeSummActn"));
  EXPECT_TRUE(win.w.action("NodeTypeOverlayActn")->isChecked());
  // The structure tab mirrors the new group.
  EXPECT_NE(win.w.structureTree().itemOf(group), nullptr);
  EXPECT_EQ(win.w.structureTree().itemOf(a)->parent(), win.w.structureTree().itemOf(group));

  win.trigger("NodeTypeSummActn");
  EXPECT_EQ(group->ArrayRecord()->NodeType, 0);
  EXPECT_TRUE(win.w.action("NodeTypeSummActn")->isChecked());

  win.trigger("UnSummActn");
  EXPECT_EQ(a->Parent, nullptr);
  EXPECT_FALSE(group->InForest());

  win.f().SelectNode(c);
  win.trigger("MoveUpActn");
  EXPECT_EQ(c->NextSibling, b);

  win.sink.queueAnswer(Answer::No);
  win.trigger("DeleteActn");
  EXPECT_TRUE(c->InForest());
  win.sink.queueAnswer(Answer::Yes);
  win.trigger("DeleteActn");
  EXPECT_FALSE(c->InForest());
  ASSERT_EQ(win.sink.entries.size(), 2u);
  EXPECT_EQ(win.sink.entries[0].text, "Remove selected?");
}

TEST(MainWindowEdit, CheckingAndFoldingMakeTheDocumentModified) {
  Window win;
  DemoDocument::build(win.f(), 1, 3);
  TNode* sample = win.f().FirstRoot();
  TNode* background = sample->FirstChild;  // an averaging group of three replicates
  TNode* outlier = background->FirstChild->NextSibling;
  const TDataArr before = background->VA()->Data;
  win.w.selectStructurePage();
  QApplication::processEvents();
  StructureTree& tree = win.w.structureTree();
  tree.expandItem(tree.itemOf(background));
  QApplication::processEvents();
  win.w.setModified(false);

  // Unchecking a replicate changes the average: the change must be saved.
  const QRect r = tree.visualItemRect(tree.itemOf(outlier));
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(r.left() + 8, r.center().y()));
  ASSERT_EQ(outlier->Checked, 0);
  EXPECT_NE(background->VA()->Data, before);
  EXPECT_TRUE(win.w.modified());

  // Folding is kept in the file too.
  win.w.setModified(false);
  tree.collapseItem(tree.itemOf(sample));
  ASSERT_EQ(sample->Folded, 1);
  EXPECT_TRUE(win.w.modified());
  win.w.setModified(false);
  sample->ToggleFold();
  EXPECT_TRUE(win.w.modified());
}

TEST(MainWindowView, DisplayedCurvesAndChartFollowSelectionColoursAndModes) {
  Window win;
  std::vector<TNode*> nodes;
  {
    TPaintingGuard g(win.f());
    for (int i = 0; i < 9; ++i) nodes.push_back(addLeaf(win.f(), "c" + std::to_string(i), "db"));
  }
  MainChartView& chart = win.w.chartView();
  chart.redrawNow();
  EXPECT_FALSE(chart.chartShown());  // nothing focused
  win.f().SetSelection(TNodesArr(nodes.begin(), nodes.end()));
  const TTableContentArr& shown = win.w.DisplayedCurves();
  ASSERT_EQ(shown.size(), 9u);
  EXPECT_EQ(shown[7].ColorIndex, 7);
  EXPECT_EQ(shown[8].ColorIndex, 0);  // wraps after the eighth row
  EXPECT_EQ(shown[8].RowNumber, 8);
  chart.redrawNow();
  EXPECT_TRUE(chart.chartShown());
  EXPECT_EQ(chart.seriesTitles().front(), "c0");
  EXPECT_EQ(chart.seriesColors()[1], ThumbnailPainter::rowColor(1));
  EXPECT_TRUE(win.enabled("CopyChartToClpbrdActn"));  // curves are shown

  win.trigger("BandWChartActn");
  chart.redrawNow();
  for (const QColor& c : chart.seriesColors()) EXPECT_EQ(c, QColor(Qt::black));

  // "&Legend" cycles none, right, left, top, bottom.
  EXPECT_EQ(chart.legendStyle(), 0);
  win.trigger("ShowLegendActn");
  EXPECT_EQ(chart.legendStyle(), 1);
  EXPECT_TRUE(win.w.action("ShowLegendRightActn")->isChecked());
  for (int i = 0; i < 4; ++i) win.trigger("ShowLegendActn");
  EXPECT_EQ(chart.legendStyle(), 0);

  win.f().SelectNode(nullptr);
  chart.redrawNow();
  EXPECT_FALSE(chart.chartShown());
  EXPECT_TRUE(win.w.DisplayedCurves().empty());
}

TEST(MainWindowView, CaptionModesRenameEveryNodeAndTheStructureFollows) {
  Window win;
  TNode *a, *b;
  {
    TPaintingGuard g(win.f());
    a = addLeaf(win.f(), "Zn test", "_______1.dbd", 0);
    b = addLeaf(win.f(), "Pb test", "_______2.dbd", 2);
  }
  win.trigger("NameNameActn");
  EXPECT_EQ(win.w.CaptionMode(), 2);
  EXPECT_EQ(a->Name, "_______1.dbd");
  EXPECT_EQ(win.w.structureTree().itemOf(b)->text(0), "_______2.dbd");
  EXPECT_EQ(win.f().ShowCaptions, 1);
  win.trigger("PaintCaptionsActn");  // 2 -> 3
  EXPECT_EQ(a->Name, "Supporting electrolyte");
  EXPECT_EQ(b->Name, "Added standard 1");
  win.trigger("PaintCaptionsActn");  // 3 -> 0: names kept, not painted
  EXPECT_EQ(win.w.CaptionMode(), 0);
  EXPECT_EQ(win.f().ShowCaptions, 0);
  EXPECT_EQ(b->Name, "Added standard 1");
  EXPECT_TRUE(win.w.action("NameHideActn")->isChecked());
}

TEST(MainWindowView, StructureTabMirrorsSelectionFoldingAndRenames) {
  Window win;
  DemoDocument::build(win.f(), 2, 2);
  StructureTree& tree = win.w.structureTree();
  TNode* sample = win.f().FirstRoot();
  ASSERT_NE(tree.itemOf(sample), nullptr);
  EXPECT_EQ(tree.documentItem()->text(0), "No name");
  EXPECT_TRUE(tree.itemOf(sample->FirstChild)->icon(0).isNull() == false);  // nested: a check icon
  EXPECT_TRUE(tree.itemOf(sample)->icon(0).isNull());                       // root: none

  // Selecting items selects their nodes, only among siblings.
  TNode* g1 = sample->FirstChild;
  TNode* g2 = g1->NextSibling;
  tree.clearSelection();
  tree.setCurrentItem(tree.itemOf(g1));
  tree.itemOf(g2)->setSelected(true);
  tree.itemOf(win.f().LastRoot())->setSelected(true);
  EXPECT_TRUE(win.f().IsSelected(g1));
  EXPECT_TRUE(win.f().IsSelected(g2));
  EXPECT_FALSE(win.f().IsSelected(win.f().LastRoot()));

  // Collapsing an item folds its node; folding in the view collapses the item.
  tree.collapseItem(tree.itemOf(g1));
  EXPECT_TRUE(g1->Folded);
  g1->Unfold();
  EXPECT_TRUE(tree.itemOf(g1)->isExpanded());

  // Renaming on the thumbnails is followed and makes the document modified.
  win.w.selectThumbnailsPage();
  win.f().SelectNode(g2);
  win.trigger("RenameActn");
  ASSERT_TRUE(win.w.tree().isRenaming());
  win.w.tree().renameEditor()->setText("Renamed");
  QTest::keyClick(win.w.tree().renameEditor(), Qt::Key_Return);
  EXPECT_EQ(tree.itemOf(g2)->text(0), "Renamed");
  EXPECT_TRUE(win.w.modified());
}

TEST(MainWindowView, PropertiesWindowShowsTheFocusedNodeAndClosesWithoutOne) {
  Window win;
  TNode* a;
  {
    TPaintingGuard g(win.f());
    a = addLeaf(win.f(), "Zn test", "_______1.dbd");
  }
  win.f().SelectNode(a);
  win.trigger("PropertiesActn");
  PropertiesWindow& p = win.w.propertiesWindow();
  ASSERT_TRUE(p.isVisible());
  EXPECT_EQ(p.windowTitle(), "Properties");
  EXPECT_EQ(p.grid()->horizontalHeaderItem(0)->text(), "Property");
  ASSERT_GT(p.grid()->rowCount(), 2);
  EXPECT_EQ(p.grid()->item(p.grid()->rowCount() - 1, 1)->text(), "Zn test");
  p.resize(301, 200);
  QApplication::processEvents();
  const int w = p.grid()->viewport()->width() - 2;
  EXPECT_EQ(p.grid()->columnWidth(0), w / 2);
  EXPECT_EQ(p.grid()->columnWidth(1), w - w / 2);
  win.f().SelectNode(nullptr);
  EXPECT_FALSE(p.isVisible());
  EXPECT_FALSE(win.w.action("PropertiesActn")->isChecked());
}

TEST(MainWindowView, CalculationsChartTogglesTheStatisticsWindowOverTheShownCurves) {
  Window win;
  TNode* a;
  TNode* b;
  {
    TPaintingGuard g(win.f());
    a = addLeaf(win.f(), "Sample", "_______1.dbd", 1);
    b = addLeaf(win.f(), "Addition", "_______2.dbd", 2);
    for (TNode* n : {a, b}) {
      n->VA()->AddPeak("Zn", 1, 20, 40);
      n->VA()->AddPeak("Cd", 1, 50, 70);
    }
  }
  win.f().SelectAll();
  QApplication::processEvents();
  win.trigger("StatActn");
  TStatForm* stat = win.w.statForm();
  ASSERT_NE(stat, nullptr);
  EXPECT_TRUE(stat->isVisible());
  EXPECT_EQ(stat->windowTitle(), "Calculation statistics");
  EXPECT_EQ(stat->serieCount(), 2);  // one series per element of the shown curves
  // Closing the window unchecks the action; the action opens it again.
  stat->close();
  QApplication::processEvents();
  EXPECT_FALSE(win.w.action("StatActn")->isChecked());
  win.trigger("StatActn");
  EXPECT_TRUE(stat->isVisible());
  win.trigger("StatActn");
  EXPECT_FALSE(stat->isVisible());
}

TEST(NotificationHub, CallsAssignedHandlersInRegistrationOrder) {
  TPluginsManager hub;
  std::vector<std::string> calls;
  TPlugin& empty = hub.Register();
  (void)empty;
  TPlugin& first = hub.Register();
  first.OnSelectionDone = [&](void* s) { calls.push_back(s == &hub ? "done1(hub)" : "done1"); };
  first.OnLanguageChange = [&] { calls.push_back(hub.Switching() ? "lang1(switching)" : "lang1"); };
  TPlugin& second = hub.Register();
  second.OnSelectionDone = [&](void*) { calls.push_back("done2"); };
  second.OnChartMouseDown = [&](void*, int button, int shift, int x, int y) {
    calls.push_back("down" + std::to_string(button) + std::to_string(shift) + std::to_string(x) + std::to_string(y));
  };
  hub.NotifySelectionDone(nullptr);
  hub.NotifySelectionChange(nullptr);  // nobody listens
  hub.NotifyChartMouseDown(nullptr, 1, 4, 5, 6);
  hub.NotifyLanguageChange();
  EXPECT_EQ(calls, (std::vector<std::string>{"done1", "done2", "down1456", "lang1(switching)", "done1(hub)", "done2"}));
  EXPECT_FALSE(hub.Switching());

  // A window registered twice hears everything twice.
  calls.clear();
  TPluginsManager twice;
  for (int i = 0; i < 2; ++i) twice.Register().OnChartDrawn = [&](void*) { calls.push_back("drawn"); };
  twice.NotifyChartDrawn(nullptr);
  EXPECT_EQ(calls.size(), 2u);
}

TEST(NotificationHub, WindowsDestroyedBeforeTheHubAreNotCalled) {
  test::TempDir dir;
  Settings settings{dir.path()};
  TPluginsManager hub;
  auto first = std::make_unique<MainWindow>(settings, &hub);
  first.reset();  // its Properties window's subscription stays behind
  MainWindow second(settings, &hub);
  TNode* n;
  {
    TPaintingGuard g(second.forest());
    n = addLeaf(second.forest(), "x", "db");
  }
  second.forest().SelectNode(n);
  hub.NotifyLanguageChange();
  EXPECT_EQ(second.forest().FocusedNode, n);
}

TEST(MainWindowSettings, ViewSettingsRoundTripThroughTheSettingsFile) {
  test::TempDir dir;
  {
    Settings settings{dir.path()};
    Options& o = settings.options();
    o.picWidth = 140;
    o.picHeight = 105;
    o.nodeBackColor = 0x00F0E0D0;  // stored as 0x00BBGGRR
    o.legendStyle = 3;
    o.captionsType = 2;
    o.paintGrid = false;
    o.mainChart = 0x00C0FFFF;
    TPluginsManager hub;
    MainWindow w(settings, &hub);
    w.applySettings();
    EXPECT_EQ(w.tree().params().picWidth, 140);
    EXPECT_EQ(w.tree().params().nodeBackColor, QColor(0xD0, 0xE0, 0xF0));
    EXPECT_EQ(w.chartView().legendStyle(), 3);
    EXPECT_TRUE(w.action("ShowLegendTopActn")->isChecked());
    EXPECT_EQ(w.CaptionMode(), 2);
    EXPECT_FALSE(w.action("PaintGridActn")->isChecked());
    w.action("PaintGridActn")->trigger();
    w.action("ShowLegendActn")->trigger();  // 3 -> 4
    w.close();
  }
  Settings reread{dir.path()};
  reread.load();
  const Options& o = reread.options();
  EXPECT_EQ(o.picWidth, 140);
  EXPECT_EQ(o.nodeBackColor, 0x00F0E0D0);
  EXPECT_EQ(o.selectColor, -16777203);  // still the system highlight
  EXPECT_EQ(o.legendStyle, 4);
  EXPECT_EQ(o.captionsType, 2);
  EXPECT_TRUE(o.paintGrid);
  EXPECT_EQ(o.mainChart, 0x00C0FFFF);
}

TEST(MainWindowView, StructureCheckIconTogglesWithoutSelectingAndTextsFollowTheLanguage) {
  Window win;
  DemoDocument::build(win.f(), 1, 2);
  TNode* sample = win.f().FirstRoot();
  TNode* child = sample->FirstChild;
  win.w.selectStructurePage();
  QApplication::processEvents();
  StructureTree& tree = win.w.structureTree();
  win.f().SelectNode(sample);
  const QRect r = tree.visualItemRect(tree.itemOf(child));
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(r.left() + 8, r.center().y()));
  EXPECT_EQ(child->Checked, 0);
  EXPECT_EQ(win.f().Selection, TNodesArr({sample}));
  // A language switch re-reads every text in place.
  win.w.pages()->setTabText(0, "x");
  win.w.action("SaveActn")->setText("x");
  QEvent change(QEvent::LanguageChange);
  QApplication::sendEvent(&win.w, &change);
  EXPECT_EQ(win.w.pages()->tabText(0), "Structure");
  EXPECT_EQ(win.w.action("SaveActn")->text(), "&Save");
}
