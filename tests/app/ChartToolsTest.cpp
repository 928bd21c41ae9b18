#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <QFileInfo>

#include <filesystem>

#include <qcustomplot.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTest>
#include <cmath>

#include "ChartToolsHost.h"
#include "CurveCommands.h"
#include "ExportHost.h"
#include "MainChartView.h"
#include "MainToolsHost.h"
#include "MainWindow.h"
#include "PrivateFolder.h"
#include "RecordingMessageSink.h"
#include "ScopedEnv.h"
#include "TNode.h"
#include "TPluginsManager.h"
#include "TSubtractionForm.h"
#include "TVAStruct.h"
#include "TempDir.h"
#include "TimerWindow.h"

using namespace velmora;

namespace {

// Sweeps from -1200 to 0 mV on a background of about 20 µA with a peak.
TNode* AddCurve(TNodeForest& f, const std::string& name, double peak, int type = 1) {
  TNode* n = f.AddNode(f.LastRoot(), nullptr);
  auto r = std::make_unique<TVAStruct>(n);
  TVAStruct* rec = r.get();
  n->SetRecord(std::move(r));
  rec->Params.SetMeasurementType(type);
  TDataArr pts;
  for (int i = 0; i <= 240; ++i) {
    const double x = -1200.0 + 5 * i;
    pts.push_back({x, 20.0 + 0.004 * i + peak * std::exp(-(x + 600) * (x + 600) / 2000.0)});
  }
  rec->SetData(pts);
  n->SetNameSilently(name);
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
    w.resize(1100, 700);
    w.show();
  }
  TNodeForest& f() { return w.forest(); }
  QCustomPlot* chart() { return w.chartView().chart(); }
  void showAll() {
    f().SelectAll();
    QApplication::processEvents();
    w.chartView().redrawNow();
  }
};

}  // namespace

TEST(ChartTools, ScaleFieldsTakeCommasAndIgnoreWords) {
  Window win;
  AddCurve(win.f(), "Zn", 5);
  win.showAll();
  ChartToolsHost& tools = win.w.chartTools();
  EXPECT_EQ(tools.scaleField(0)->text(), "-1200.00");
  EXPECT_EQ(tools.scaleField(1)->text(), " 0.00");
  tools.scaleField(1)->setFocus();
  tools.scaleFieldEdited(1, "12,5");
  EXPECT_DOUBLE_EQ(win.chart()->xAxis->range().upper, 12.5);
  EXPECT_FALSE(win.w.action("FitImageActn")->isChecked());
  tools.scaleFieldEdited(1, "abc");
  EXPECT_DOUBLE_EQ(win.chart()->xAxis->range().upper, 12.5);
  tools.scaleFieldEdited(2, "-3.25");
  EXPECT_DOUBLE_EQ(win.chart()->yAxis->range().lower, -3.25);
  // A redraw keeps the typed bounds (the axes are no longer automatic).
  win.w.chartView().redrawNow();
  EXPECT_DOUBLE_EQ(win.chart()->xAxis->range().upper, 12.5);
  EXPECT_EQ(tools.scaleField(2)->text(), "-3.25");
}

TEST(ChartTools, ZoomUndoZoomAndTheReadOut) {
  Window win;
  AddCurve(win.f(), "Zn", 5);
  AddCurve(win.f(), "Cd", 8);
  win.showAll();
  ChartToolsHost& tools = win.w.chartTools();
  const QCPRange x0 = win.chart()->xAxis->range(), y0 = win.chart()->yAxis->range();
  const QRect plot = win.chart()->axisRect()->rect();
  tools.zoomTo(QRect(plot.left() + plot.width() / 4, plot.top() + 10, plot.width() / 4, plot.height() / 2));
  EXPECT_TRUE(tools.zoomed());
  EXPECT_LT(win.chart()->xAxis->range().size(), x0.size() / 3);
  // A redraw with "Fit image" keeps the zoom.
  win.w.chartView().redrawNow();
  EXPECT_LT(win.chart()->xAxis->range().size(), x0.size() / 3);
  win.w.action("UnzoomActn")->trigger();
  EXPECT_FALSE(tools.zoomed());
  EXPECT_DOUBLE_EQ(win.chart()->xAxis->range().lower, x0.lower);
  EXPECT_DOUBLE_EQ(win.chart()->yAxis->range().upper, y0.upper);

  // "Peaks marking" turns zooming off.
  win.w.action("SetPeakBordersActn")->setChecked(true);
  EXPECT_EQ(win.chart()->selectionRectMode(), QCP::srmNone);
  tools.zoomTo(QRect(plot.left() + 10, plot.top() + 10, 50, 50));
  EXPECT_FALSE(tools.zoomed());
  win.w.action("SetPeakBordersActn")->setChecked(false);
  EXPECT_EQ(win.chart()->selectionRectMode(), QCP::srmZoom);

  // The read-out under the pointer.
  const QPoint at(plot.center());
  // Each value to one pixel's resolution, with its unit.
  const QString text = tools.readOut(at);
  const QStringList parts = text.split(QStringLiteral("  "));
  ASSERT_EQ(parts.size(), 2) << text.toStdString();
  EXPECT_TRUE(parts[0].startsWith("E=") && parts[0].endsWith(QStringLiteral("\u00a0mV"))) << text.toStdString();
  EXPECT_TRUE(parts[1].startsWith("I=") && parts[1].endsWith(QStringLiteral("\u00a0µA"))) << text.toStdString();
  for (int k = 0; k < 2; ++k) {
    const QCPAxis* axis = k == 0 ? win.chart()->xAxis : win.chart()->yAxis;
    const int pixel = k == 0 ? at.x() : at.y();
    const QString number = parts[k].mid(2, parts[k].indexOf(QChar(0xa0)) - 2);
    const double step = std::abs(axis->pixelToCoord(pixel + 1) - axis->pixelToCoord(pixel));
    EXPECT_NEAR(number.toDouble(), axis->pixelToCoord(pixel), step) << text.toStdString();
    // No more digits than a pixel resolves.
    const int decimals = number.contains('.') ? static_cast<int>(number.size() - number.indexOf('.') - 1) : 0;
    EXPECT_LE(std::pow(10.0, -decimals), step * 10.0) << text.toStdString();
  }
  QTest::mouseMove(win.chart(), at);
  QApplication::processEvents();
  EXPECT_TRUE(win.w.statusPanel(3)->text().startsWith("E=")) << win.w.statusPanel(3)->text().toStdString();
}

TEST(ChartTools, TheThreeDimensionalViewTurnsOnlyWithinItsLimits) {
  Window win;
  AddCurve(win.f(), "Zn", 5);
  AddCurve(win.f(), "Cd", 8);
  AddCurve(win.f(), "Pb", 3);
  win.showAll();
  ChartToolsHost& tools = win.w.chartTools();
  win.w.action("SetPeakBordersActn")->setChecked(true);
  win.w.action("Show3DActn")->setChecked(true);
  EXPECT_TRUE(tools.view3D());
  EXPECT_EQ(tools.zoomBar()->value(), 63);
  EXPECT_EQ(tools.depthBar()->value(), 10);
  EXPECT_FALSE(win.w.action("SetPeakBordersActn")->isChecked());
  EXPECT_FALSE(win.w.action("SetPeakBordersActn")->isEnabled());
  EXPECT_TRUE(win.w.action("Show3DCurvesActn")->isVisible());

  tools.beginTurn(200, 200);
  tools.turnTo(150, 200);  // 50 px left: rotation 333 - 10
  EXPECT_EQ(tools.layer3d().settings().Rotation, 323);
  tools.turnTo(152, 212);  // 48 px: 9 steps (truncated); 12 px down: -2
  EXPECT_EQ(tools.layer3d().settings().Rotation, 324);
  EXPECT_EQ(tools.layer3d().settings().Elevation, 338);
  const auto before = tools.layer3d().settings();
  tools.turnTo(152, -200);  // elevation 340 + 80: out of range, the view stays
  EXPECT_EQ(tools.layer3d().settings().Elevation, before.Elevation);
  EXPECT_EQ(tools.layer3d().settings().Rotation, before.Rotation);
  tools.turnTo(-1000, 200);  // rotation below 270 is not taken; elevation back to 340 is
  EXPECT_EQ(tools.layer3d().settings().Rotation, 324);
  EXPECT_EQ(tools.layer3d().settings().Elevation, 340);

  // The first curve lies furthest back: up and to the right of the front.
  win.chart()->replot();
  const QPointF front = tools.layer3d().project(-600, 20, 0);
  const QPointF back = tools.layer3d().project(-600, 20, 2);
  EXPECT_GT(back.x(), front.x());
  EXPECT_LT(back.y(), front.y());

  win.w.action("Show3DActn")->setChecked(false);
  EXPECT_FALSE(tools.view3D());
  EXPECT_TRUE(win.w.action("SetPeakBordersActn")->isEnabled());
  EXPECT_FALSE(win.w.action("Show3DCurvesActn")->isVisible());
}

TEST(ChartTools, ExportsOfTheDisplayedCurves) {
  Window win;
  AddCurve(win.f(), "Zn/Cd: 1", 5);
  AddCurve(win.f(), "Zn/Cd: 1", 8);
  win.showAll();
  ExportHost& ex = win.w.exports();
  const QStringList files = ex.exportText(QString::fromStdString(win.dir.path().string()));
  ASSERT_EQ(files.size(), 2);
  EXPECT_TRUE(files[0].endsWith("Zn_Cd_ 1.txt"));
  EXPECT_TRUE(files[1].endsWith("Zn_Cd_ 1_0.txt"));
  EXPECT_EQ(test::TempDir::readFile(files[0].toStdString()).substr(0, 23), "-1200.000000 20.000000\n");

  const QString png = QString::fromStdString((win.dir / "chart.png").string());
  EXPECT_TRUE(ex.exportPicture(png));
  QImage image(png);
  EXPECT_EQ(image.size(), win.chart()->size());
  EXPECT_TRUE(ex.exportPicture(QString::fromStdString((win.dir / "chart.SVG").string())));
  EXPECT_FALSE(ex.exportPicture(QString::fromStdString((win.dir / "chart.emf").string())));
  EXPECT_FALSE(std::filesystem::exists(win.dir / "chart.emf"));

  EXPECT_TRUE(ex.exportWorkbook(QString::fromStdString((win.dir / "book.xlsx").string())));
  EXPECT_GT(std::filesystem::file_size(win.dir / "book.xlsx"), 1000u);
  EXPECT_TRUE(win.sink.entries.empty());
  // A folder that cannot take the files reports the error.
  ex.exportText(QString::fromStdString((win.dir / "missing").string()));
  EXPECT_EQ(win.sink.entries.size(), 1u);

  ex.copyChart();
  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_TRUE(data->hasImage());
  EXPECT_TRUE(data->data("image/svg+xml").startsWith("<?xml"));
}

// "Export chart to MS Excel" writes where no other user of the computer can
// read the workbook, redirect the write or swap the file before it opens:
// a folder of this session's own in the user's runtime folder, under a name
// nobody can foresee. Links planted in the shared temporary folder, where
// workbooks once went, are never written through.
TEST(ChartTools, TheSpreadsheetsWorkbookIsWrittenWhereNoOtherUserReachesIt) {
  test::TempDir runtime;
  ::chmod(runtime.path().c_str(), 0700);
  test::TempDir shared;
  const test::ScopedEnv xdg("XDG_RUNTIME_DIR", runtime.path().string());
  const test::ScopedEnv tmp("TMPDIR", shared.path().string());
  test::TempDir elsewhere;
  const auto victim = elsewhere / "victim.txt";
  test::TempDir::writeFile(victim, "the victim's bytes");
  std::filesystem::create_directories(shared / "Velmora-VA");
  for (const std::string& name : {std::string("Sheet1.xlsx"), "Sheet1.xlsx.tmp" + std::to_string(::getpid()),
                                  "Sheet1 (1).xlsx.tmp" + std::to_string(::getpid())})
    std::filesystem::create_symlink(victim, shared / "Velmora-VA" / name);

  Window win;
  AddCurve(win.f(), "Zn", 5);
  win.showAll();
  QStringList opened;
  win.w.exports().openFile = [&](const QString& file) { opened << file; };
  win.w.action("ExportChartToExcelActn")->trigger();
  win.w.action("ExportChartToExcelActn")->trigger();
  EXPECT_TRUE(win.sink.entries.empty());
  ASSERT_EQ(opened.size(), 2);
  EXPECT_EQ(test::TempDir::readFile(victim), "the victim's bytes");

  const std::filesystem::path first = opened[0].toStdString();
  const std::filesystem::path folder = first.parent_path();
  EXPECT_EQ(folder.parent_path(), runtime.path());
  EXPECT_EQ(folder.filename().string().rfind("Velmora-VA-", 0), 0u) << folder;
  EXPECT_TRUE(PrivateFolder::IsPrivate(folder));
  // Named after the document ("No name" until it is saved), with a random part.
  const std::string stem = QFileInfo(win.w.documentFileName()).completeBaseName().toStdString();
  ASSERT_FALSE(stem.empty());
  for (const QString& file : opened) {
    const std::filesystem::path p = file.toStdString();
    EXPECT_EQ(p.parent_path(), folder);
    EXPECT_EQ(p.filename().string().rfind(stem + "-", 0), 0u) << p;
    EXPECT_EQ(p.extension(), ".xlsx");
    EXPECT_FALSE(std::filesystem::is_symlink(p));
    EXPECT_GT(std::filesystem::file_size(p), 1000u);
  }
  EXPECT_NE(opened[0], opened[1]);
}

TEST(ChartTools, GridSelectionsAsTextRowsEndedByCarriageReturns) {
  QTableWidget grid(3, 3);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) grid.setItem(r, c, new QTableWidgetItem(QStringLiteral("%1%2").arg(r).arg(c)));
  grid.setSelectionMode(QAbstractItemView::MultiSelection);
  grid.setCurrentCell(2, 2, QItemSelectionModel::Select);
  grid.setCurrentCell(0, 1, QItemSelectionModel::Select);
  grid.setCurrentCell(0, 0, QItemSelectionModel::Select);
  EXPECT_EQ(ExportHost::selectionText(&grid), "00\t01\r22\r");
  grid.clearSelection();
  EXPECT_EQ(ExportHost::selectionText(&grid), "");
}

TEST(MainTools, TimerCountsDownAndBeeps) {
  Window win;
  TimerWindow& timer = win.w.tools().timer();
  int beeps = 0;
  timer.beep = [&] { ++beeps; };
  win.w.action("ShowTimerActn")->setChecked(true);
  EXPECT_TRUE(timer.isVisible());
  EXPECT_EQ(timer.durationField()->text(), "00:10:00");
  timer.durationField()->setText("00:00:03");
  timer.startStop();
  EXPECT_TRUE(timer.running());
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(timer.startButton()->text(), "Stop");
  timer.tick();
  EXPECT_EQ(timer.display(), "00:00:02");
  timer.tick();
  timer.tick();
  EXPECT_FALSE(timer.running());
  EXPECT_EQ(timer.display(), "00:00:00");
  EXPECT_EQ(beeps, 2);
  EXPECT_EQ(timer.startButton()->text(), "Start");
  // "Stop" beeps and resets.
  timer.durationField()->setText("01:00:00");
  timer.startStop();
  timer.tick();
  EXPECT_EQ(timer.display(), "00:59:59");
  timer.startStop();
  EXPECT_EQ(beeps, 4);
  EXPECT_FALSE(timer.running());
  EXPECT_EQ(timer.display(), "00:00:00");
  timer.close();
  EXPECT_FALSE(win.w.action("ShowTimerActn")->isChecked());
}

TEST(MainTools, SubtractionWindowPreviewsCheckedCurvesAndAppliesToAll) {
  Window win;
  new CurveCommands(win.w, win.settings);  // the undo recorder; owned by the window
  TNode* a = AddCurve(win.f(), "Sample", 5);
  AddCurve(win.f(), "Blank", 0, 0);
  TNode* c = AddCurve(win.f(), "Addition", 9);
  win.showAll();
  win.w.action("SubtractionActn")->setChecked(true);
  TSubtractionForm& form = win.w.tools().subtraction();
  ASSERT_TRUE(form.isVisible());
  EXPECT_EQ(form.subtrahends()->currentRow(), 1);  // the blank
  EXPECT_EQ(form.previewTitles(), (QStringList{"Sample", "Blank", "Addition"}));
  form.minuends()->item(2)->setCheckState(Qt::Unchecked);
  EXPECT_EQ(form.previewTitles(), (QStringList{"Sample", "Blank"}));
  form.apply();
  EXPECT_NEAR(a->VA()->Data[120].Y, 5.0, 1e-9);
  EXPECT_NEAR(c->VA()->Data[120].Y, 9.0, 1e-9);  // unchecked, still subtracted
  EXPECT_TRUE(win.w.modified());
  win.w.action("UndoActn")->trigger();
  EXPECT_NEAR(a->VA()->Data[120].Y, 25.48, 1e-9);
  form.close();
  EXPECT_FALSE(win.w.action("SubtractionActn")->isChecked());
}

TEST(MainTools, TreeAutoCreationGroupsRunsOfRecordings) {
  Window win;
  for (int i = 0; i < 3; ++i) {
    TNode* n = AddCurve(win.f(), "c" + std::to_string(i), 1);
    n->VA()->RecordDate = 46000.5 + 3.0 * i / 86400.0;
    n->VA()->Params.SetElectrolysisTime(8);
  }
  win.w.action("FindPairsActn")->trigger();
  ASSERT_NE(win.f().FirstRoot(), nullptr);
  EXPECT_EQ(win.f().FirstRoot()->NextSibling, nullptr);
  EXPECT_TRUE(win.f().FirstRoot()->HasChildren());
  EXPECT_TRUE(win.w.modified());
}
