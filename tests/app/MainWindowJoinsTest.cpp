// The main window's commands where they meet other windows: the tool bar's
// record button, the chart copies and the calibration print-out of the
// menus, the "Modeling" window, the peak borders of the flat chart, the
// "Properties" window's rows and copy, and the focus after a document is
// read.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "CalcHost.h"
#include "CalcMethods.h"
#include "CalibrationsHost.h"
#include "ChartPicture.h"
#include "DemoCalibrations.h"
#include "DemoDocument.h"
#include "DocumentCommandsController.h"
#include "IniFile.h"
#include "MainChartView.h"
#include "MainWindow.h"
#include "ModelingWindow.h"
#include "PeaksHost.h"
#include "PropertiesWindow.h"
#include "RecordButtonHost.h"
#include "RecordingMessageSink.h"
#include "Settings.h"
#include "StatisticsHost.h"
#include "TCalcForm.h"
#include "TCalibrForm.h"
#include "TImagePreviewBox.h"
#include "TNode.h"
#include "TPeaksController.h"
#include "TPluginsManager.h"
#include "TRepForm.h"
#include "TStatForm.h"
#include "TempDir.h"
#include "qcustomplot.h"

using namespace velmora;

namespace {

struct Window {
  test::TempDir dir;
  Settings settings{dir.path()};
  TPluginsManager hub;
  test::RecordingMessageSink sink;
  std::unique_ptr<MainWindow> w;
  Window() {
    w = std::make_unique<MainWindow>(settings, &hub);
    w->setMessageSink(&sink);
    w->show();
  }
  QMenu* menuOf(const char* actionName) const {
    for (QMenu* m : w->findChildren<QMenu*>())
      if (m->actions().contains(w->action(actionName))) return m;
    return nullptr;
  }
};

}  // namespace

TEST(MainWindowJoins, TheRecordButtonRunsTheRecordCommandLastUsed) {
  Window win;
  win.settings.options().recWizIndex = 1;
  win.w->applySettings();
  auto* button = win.w->findChild<QToolButton*>(QStringLiteral("RecordButton"));
  ASSERT_NE(button, nullptr);
  auto* bar = win.w->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(button->parentWidget(), bar);
  EXPECT_FALSE(bar->actions().contains(win.w->action("RecordWizardActn")));
  EXPECT_EQ(button->defaultAction(), win.w->action("AutosamplerActn"));
  ASSERT_NE(button->menu(), nullptr);
  EXPECT_EQ(button->menu()->actions(),
            (QList<QAction*>{win.w->action("RecordWizardActn"), win.w->action("AutosamplerActn"),
                             win.w->action("ShowWizActn")}));
  // "&Record parameters" used from the menu becomes the button's command,
  // and the settings keep it.
  win.w->action("RecordWizardActn")->trigger();
  EXPECT_EQ(button->defaultAction(), win.w->action("RecordWizardActn"));
  win.w->storeSettings();
  ASSERT_TRUE(win.settings.save());
  IniFile ini;
  ASSERT_TRUE(ini.load(win.dir.path() / "Options.ini"));
  EXPECT_EQ(ini.readInteger("Record", "RecWizIndex", -1), 0);
}

TEST(MainWindowJoins, MenuCommandsWorkOrAreNotOffered) {
  Window win;
  // A command nothing defines is not in the menus.
  EXPECT_EQ(win.w->action("MeasurmentActn"), nullptr);
  // "Copy chart" holds both chart copies.
  QAction* copyMenu = win.w->action("StubCopyCalcChartActnActn");
  ASSERT_TRUE(copyMenu->isEnabled());
  ASSERT_NE(copyMenu->menu(), nullptr);
  EXPECT_TRUE(copyMenu->menu()->actions().contains(win.w->action("CopyCalcChartToClpbrdActn")));
  EXPECT_TRUE(copyMenu->menu()->actions().contains(win.w->action("CopyChartToClpbrdActn")));
  // The calculation chart of the curves shown goes to the clipboard.
  DemoDocument::build(win.w->forest(), 1, 2);
  win.w->forest().SelectNode(win.w->forest().FirstRoot());
  QApplication::clipboard()->clear();
  QAction* copyCalc = win.w->action("CopyCalcChartToClpbrdActn");
  ASSERT_TRUE(copyCalc->isEnabled());
  copyCalc->trigger();
  const QMimeData* copied = QApplication::clipboard()->mimeData();
  ASSERT_NE(copied, nullptr);
  EXPECT_TRUE(copied->hasImage());
  const QImage picture = qvariant_cast<QImage>(copied->imageData());
  EXPECT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), ChartPicture::Render(win.w->statForm()->chart()).size());
}

TEST(MainWindowJoins, PrintOfTheCalibrationsPrintsTheCalibrationChosen) {
  Window win;
  QAction* print = win.w->action("PrintCalibrationActn");
  EXPECT_FALSE(print->isEnabled());  // nothing to print yet
  DemoCalibrations::build(win.w->calibrations(), win.w->statistics());
  TCalibrForm& calibrations = win.w->calibrations().form();
  win.w->action("ShowCalibrationsActn")->trigger();
  ASSERT_TRUE(calibrations.isVisible());
  calibrations.selectElement(0);
  calibrations.selectCalibration(0);
  ASSERT_TRUE(print->isEnabled());
  bool onCalibration = false;
  std::size_t printed = 0;
  QTimer::singleShot(0, [&] {
    auto* form = qobject_cast<TRepForm*>(QApplication::activeModalWidget());
    if (!form) return;
    onCalibration = form->calibrationChosen();
    printed = form->calibrations().size();
    form->reject();
  });
  print->trigger();
  EXPECT_TRUE(onCalibration);
  EXPECT_EQ(printed, 1u);
  // With none chosen, and no "Calibration curve" calculation, there is
  // nothing to print.
  calibrations.hide();
  EXPECT_FALSE(print->isEnabled());
}

TEST(MainWindowJoins, SignalModelingShowsTheModelOfTheTypedPeaks) {
  Window win;
  QAction* modeling = win.w->action("ModelingActn");
  ASSERT_TRUE(modeling->isEnabled());
  ASSERT_TRUE(modeling->isCheckable());
  auto* window = win.w->findChild<ModelingWindow*>();
  ASSERT_NE(window, nullptr);
  modeling->trigger();
  ASSERT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Modeling"));
  QTableWidget* grid = window->grid();
  ASSERT_EQ(grid->columnCount(), 4);
  EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Peak"));
  EXPECT_EQ(grid->horizontalHeaderItem(3)->text(), QStringLiteral("Width"));
  auto type = [grid](int row, int column, const char* text) {
    grid->setItem(row, column, new QTableWidgetItem(QString::fromUtf8(text)));
  };
  type(0, 0, "Pb");
  type(0, 1, "-500");
  type(0, 2, "2,5");  // either decimal separator
  type(0, 3, "80");
  // The grid keeps an empty row for the next peak.
  ASSERT_EQ(grid->rowCount(), 2);
  type(1, 1, "-700");
  type(1, 2, "x");
  type(1, 3, "50");
  ASSERT_EQ(window->peaks().size(), 1u);
  EXPECT_DOUBLE_EQ(window->peaks()[0].Height, 2.5);
  EXPECT_NE(grid->item(1, 2)->background(), QBrush());  // framed as no number
  QCPGraph* model = window->chart()->graph(0);
  ASSERT_GT(model->dataCount(), 100);
  double top = 0.0;
  for (auto it = model->data()->constBegin(); it != model->data()->constEnd(); ++it) top = std::max(top, it->value);
  EXPECT_NEAR(top, 2.5, 0.01);
  // Closing the window unchecks the command.
  window->close();
  EXPECT_FALSE(modeling->isChecked());
}

TEST(MainWindowJoins, TheFlatChartMarksEachPeaksBordersWithItsBands) {
  Window win;
  QAction* borders = win.w->action("ShowPeakBordersActn");
  QAction* each = win.w->action("ShowEachBorderActn");
  // "Show each peak border" belongs to the 3-D view.
  EXPECT_FALSE(each->isVisible());
  win.w->action("Show3DActn")->setChecked(true);
  EXPECT_TRUE(each->isVisible());
  win.w->action("Show3DActn")->setChecked(false);
  EXPECT_FALSE(each->isVisible());
  // "Show peak borders" alone draws the bands and every curve's borders.
  each->setChecked(false);
  borders->setChecked(true);
  const TPeakDrawing& drawing = win.w->peaks().controller().drawing();
  EXPECT_TRUE(drawing.Visible);
  EXPECT_TRUE(drawing.EachBorder);
}

TEST(MainWindowJoins, PropertiesShowTheirHeadingOnceAndCopyRowsEndedByReturns) {
  Window win;
  DemoDocument::build(win.w->forest(), 1, 1);
  TNode* leaf = win.w->forest().FirstRoot();
  while (leaf->FirstChild) leaf = leaf->FirstChild;
  win.w->forest().SelectNode(leaf);
  win.w->action("PropertiesActn")->trigger();
  PropertiesWindow& properties = win.w->propertiesWindow();
  ASSERT_TRUE(properties.isVisible());
  QTableWidget* grid = properties.grid();
  ASSERT_GT(grid->rowCount(), 2);
  EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Property"));
  EXPECT_NE(grid->item(0, 0)->text(), QStringLiteral("Property"));
  grid->clearSelection();
  grid->setSelectionMode(QAbstractItemView::MultiSelection);
  for (int column = 0; column < 2; ++column) {
    grid->item(0, column)->setSelected(true);
    grid->item(1, column)->setSelected(true);
  }
  const QString text = properties.selectedText();
  EXPECT_EQ(text, grid->item(0, 0)->text() + u'\t' + grid->item(0, 1)->text() + u'\r' + grid->item(1, 0)->text() +
                      u'\t' + grid->item(1, 1)->text() + u'\r');
}

TEST(MainWindowJoins, TheThumbnailViewTakesTheFocusAfterADocumentIsRead) {
  Window win;
  auto* commands = new DocumentCommandsController(*win.w, win.settings);
  win.w->setDocumentCommands(commands);
  DemoDocument::build(win.w->forest(), 1, 1);
  commands->commands().DocumentFileName = (win.dir.path() / "demo.tvx").string();
  commands->Save();
  ASSERT_FALSE(win.w->modified());
  win.w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(win.w.get()));
  win.w->selectThumbnailsPage();
  // The user was typing a scale bound on the tool bar.
  QLineEdit* field = nullptr;
  for (QLineEdit* e : win.w->findChildren<QLineEdit*>())
    if (e->isVisible()) field = e;
  ASSERT_NE(field, nullptr);
  field->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return field->hasFocus(); }, 1000));
  commands->OpenFile(QString::fromStdString((win.dir.path() / "demo.tvx").string()));
  EXPECT_TRUE(win.w->tree().hasFocus());
}
