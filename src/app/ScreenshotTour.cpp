#include "ScreenshotTour.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QTableWidget>
#include <QThread>
#include <cmath>

#include <qcustomplot.h>

#include <QMouseEvent>

#include <QListWidget>
#include "CalcHost.h"
#include "CaptionComboBox.h"
#include "ChartToolsHost.h"
#include "ImportColumnsDialog.h"

#include "CalibrationsHost.h"
#include "DateTime.h"
#include "DemoCalibrations.h"
#include "HelpTourShot.h"
#include "MainChartView.h"
#include "MainToolsHost.h"
#include "MainWindow.h"
#include "ModelingWindow.h"
#include "PeaksHost.h"
#include "PropertiesWindow.h"
#include "SamplerScreenshot.h"
#include "StartPanel.h"
#include "StartPanelHost.h"
#include "StatisticsHost.h"
#include "TCalcForm.h"
#include "TCalcGrid.h"
#include "TCalibrForm.h"
#include "TEquationEditor.h"
#include "TImagePreviewBox.h"
#include "TMethodStatForm.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPeaksController.h"
#include "TPrintOptionsBox.h"
#include "TRepForm.h"
#include "TSubtractionForm.h"
#include "TimerWindow.h"
#include "UpdateTourShots.h"
#include "WizardScreenshot.h"

namespace velmora {

namespace {

void settle() {
  for (int i = 0; i < 5; ++i) {
    QApplication::processEvents();
    QThread::msleep(20);
  }
}

bool save(MainWindow& w, const QString& folder, const QString& name) {
  settle();
  return w.grab().save(QDir(folder).filePath(name));
}

bool saveWidget(QWidget& widget, const QString& folder, const QString& name) {
  settle();
  return widget.grab().save(QDir(folder).filePath(name));
}

// The print window in "Calibration" on three emulator standards of Zn, Cd,
// Pb and Cu.
int printCalibrationShot(MainWindow& w, const QString& folder) {
  TRepForm print(w.chartView().chart(), &w);
  print.selectPrinter(TRepForm::pdfPrinterName());
  print.setModal(false);
  print.setCalibrations(DemoCalibrations::threeStandards(DateTime::now()));
  print.chooseCalibration();
  // Without the record parameters the first page holds both charts.
  print.options()->box("OptRecordParameters")->setChecked(false);
  print.resize(1100, 900);
  print.show();
  settle();
  print.rebuildPreview();
  settle();
  const bool written = print.grab().save(QDir(folder).filePath(QStringLiteral("print-calibration.png")));
  print.close();
  return written ? 1 : 0;
}

// The "Modeling" window with three peaks and the "Properties" of a curve.
int ModelingAndProperties(MainWindow& w, const QString& folder) {
  int written = 0;
  // "Signal modeling": three peaks and the signal they make.
  if (auto* modeling = w.findChild<ModelingWindow*>()) {
    w.action("ModelingActn")->setChecked(true);
    const char* rows[][4] = {{"Zn", "-1000", "1.2", "70"}, {"Cd", "-650", "0.8", "60"}, {"Pb", "-450", "2.1", "80"}};
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 4; ++c)
        modeling->grid()->setItem(r, c, new QTableWidgetItem(QString::fromLatin1(rows[r][c])));
    settle();
    written += modeling->grab().save(QDir(folder).filePath("modeling.png"));
    w.action("ModelingActn")->setChecked(false);
  }
  // "Properties" of the focused curve.
  if (TNode* leaf = w.forest().FocusedNode) {
    while (leaf->FirstChild) leaf = leaf->FirstChild;
    w.forest().SelectNode(leaf);
    // The menu command, as the user gives it: it shows the window filled.
    QAction* properties = w.action("PropertiesActn");
    if (!properties->isChecked()) properties->trigger();
    settle();
    written += w.propertiesWindow().grab().save(QDir(folder).filePath("properties.png"));
    if (properties->isChecked()) properties->trigger();
  }
  return written;
}

}  // namespace

// The chart tools and the tool windows: zoom, read-out, 3-D view,
// subtraction, import preview and timer.
int ScreenshotTour::ChartToolsTour(MainWindow& w, const QString& folder) {
  int written = 0;
  TNodeForest& f = w.forest();
  TNode* sample = f.FirstRoot();
  if (!sample || !sample->FirstChild) return 0;
  // Background, sample and additions of the first sample, side by side.
  TNodesArr groups;
  for (TNode* n = sample->FirstChild; n; n = n->NextSibling) groups.push_back(n);
  f.SetSelection(groups);
  settle();
  w.chartView().redrawNow();
  ChartToolsHost& tools = w.chartTools();
  QCustomPlot* chart = w.chartView().chart();
  const QRect plot = chart->axisRect()->rect();
  tools.zoomTo(QRect(plot.left() + plot.width() * 30 / 100, plot.top() + plot.height() / 10, plot.width() * 45 / 100,
                     plot.height() * 8 / 10));
  written += save(w, folder, "zoom.png");
  tools.undoZoom();
  settle();
  // The pointer over the highest peak.
  const QPoint at(chart->xAxis->coordToPixel(-560), chart->yAxis->coordToPixel(chart->yAxis->range().center()));
  QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(chart->mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(chart, &move);
  written += save(w, folder, "read-out.png");

  w.action("ShowPeakBordersActn")->setChecked(true);
  w.action("Show3DActn")->setChecked(true);
  w.action("ShowEachBorderActn")->setChecked(true);
  written += save(w, folder, "chart-3d.png");
  w.action("Show3DActn")->setChecked(false);
  w.action("ShowPeakBordersActn")->setChecked(false);

  // Subtraction of the background from the sample and its additions.
  w.action("SubtractionActn")->setChecked(true);
  settle();
  TSubtractionForm& sub = w.tools().subtraction();
  sub.refill();
  settle();
  written += sub.grab().save(QDir(folder).filePath("subtraction.png"));
  w.action("SubtractionActn")->setChecked(false);

  // The preview of an instrument's table with four columns.
  // Numbers with a decimal comma, a background of about 20 µA and a peak.
  auto number = [](double v) { return QString::number(v, 'g', 6).replace(u'.', u',').toStdString(); };
  std::string table = "Time (s);WE(1).Potential (V);WE(1).Current (A);Index\n";
  for (int i = 0; i < 40; ++i) {
    const double e = -1.2 + 0.005 * i;
    const double current = (20.0 + 0.05 * i + 6.0 * std::exp(-(i - 24.0) * (i - 24.0) / 10.0)) * 1e-6;
    table += number(i * 0.05) + ";" + number(e) + ";" + number(current) + ";" + std::to_string(i + 1) + "\n";
  }
  const auto parsed = InstrumentTextImport::Parse(table);
  ImportColumnsDialog dialog(parsed, QStringLiteral("scan-0412.csv"), &w);
  dialog.show();
  settle();
  written += dialog.grab().save(QDir(folder).filePath("import-preview.png"));
  dialog.hide();

  TimerWindow& timer = w.tools().timer();
  timer.beep = [] {};
  w.action("ShowTimerActn")->setChecked(true);
  timer.startStop();
  for (int i = 0; i < 75; ++i) timer.tick();
  settle();
  written += timer.grab().save(QDir(folder).filePath("timer.png"));
  timer.startStop();
  w.action("ShowTimerActn")->setChecked(false);

  return written;
}

// The Calibrations window on Pb with the active calibration drawn, and the
// Statistics window on a drinking-water record.
int ScreenshotTour::calibrationShots(MainWindow& w, const QString& folder) {
  int written = 0;
  DemoCalibrations::build(w.calibrations(), w.statistics());
  TCalibrForm& calibr = w.calibrations().form();
  calibr.Refill();
  calibr.show();
  const auto pb = calibr.elementList()->findItems(QStringLiteral("Pb"), Qt::MatchExactly);
  if (!pb.isEmpty()) calibr.selectElement(calibr.elementList()->row(pb.front()));
  calibr.selectCalibration(0);
  settle();
  written += calibr.grab().save(QDir(folder).filePath(QStringLiteral("calibrations.png")));
  calibr.hide();

  w.statistics().reload();
  TMethodStatForm& stat = w.statistics().form();
  stat.show();
  settle();
  const int last = stat.methodList()->count() - 1;
  stat.methodList()->setCurrentRow(last);
  stat.LoadRecord(last);
  stat.elementList()->setCurrentRow(2);
  settle();
  written += stat.grab().save(QDir(folder).filePath(QStringLiteral("statistics.png")));
  stat.hide();
  written += printCalibrationShot(w, folder);
  return written;
}

int ScreenshotTour::run(MainWindow& w, const QString& folder) {
  QDir().mkpath(folder);
  int written = 0;
  TNodeForest& f = w.forest();
  w.selectThumbnailsPage();
  // The first sample group, unfolded, with its additions selected.
  TNode* sample = f.FirstRoot();
  if (sample && sample->Folded) sample->Unfold();
  if (sample && sample->FirstChild) {
    TNodesArr nodes;
    for (TNode* n = sample->FirstChild; n; n = n->NextSibling) nodes.push_back(n);
    f.SetSelection(nodes);
  }
  written += save(w, folder, "thumbnails.png");
  w.action("ShowLegendRightActn")->trigger();
  written += save(w, folder, "legend.png");
  w.selectStructurePage();
  written += save(w, folder, "structure.png");
  w.selectThumbnailsPage();
  if (sample && sample->FirstChild && sample->FirstChild->NextSibling) {
    f.SelectNode(sample->FirstChild->NextSibling);
    if (sample->FirstChild->NextSibling->Folded) sample->FirstChild->NextSibling->Unfold();
  }
  w.action("BandWChartActn")->trigger();
  written += save(w, folder, "black-and-white.png");
  w.action("BandWChartActn")->trigger();
  w.action("ShowLegendNoneActn")->trigger();
  w.action("SelectAllActn")->trigger();
  written += save(w, folder, "select-all.png");
  written += peakPictures(w, folder);
  written += ChartToolsTour(w, folder);
  written += calculations(w, folder);
  written += calibrationShots(w, folder);
  written += reportShots(w, folder);
  written += resultsShots(w, folder);
  written += methods(w, folder);
  written += scriptEditor(w, folder);
  written += WizardScreenshot::run(w, folder);
  written += SamplerScreenshot::run(w, folder);
  written += updateAndAssembly(w, folder);
  written += customMethodShot(w, folder);
  written += ModelingAndProperties(w, folder);
  written += startPanelShots(w, folder);
  written += HelpTourShot::run(w, folder);
  return written;
}

// The start panel of an empty document, after an example was opened once
// (it is then among the recent documents), and that example on the chart.
int ScreenshotTour::startPanelShots(MainWindow& w, const QString& folder) {
  auto* host = w.findChild<StartPanelHost*>();
  if (host == nullptr) return 0;
  int written = 0;
  const auto examples = StartPanelHost::examplesIn(StartPanelHost::examplesFolder());
  if (!examples.isEmpty()) {
    w.newDocument();
    if (QAction* unzoom = w.action("UnzoomActn"); unzoom && unzoom->isEnabled()) unzoom->trigger();
    w.chartView().setZoomed(false);
    host->openExample(examples.front().path);
    w.selectThumbnailsPage();
    w.chartView().redrawNow();
    written += save(w, folder, "start-example.png");
    w.setModified(false);
  }
  w.newDocument();
  host->refresh();
  w.chartView().redrawNow();
  written += save(w, folder, "start-panel.png");
  // A first start that found no analyzer says where its port is chosen.
  if (auto* panel = w.findChild<StartPanel*>()) {
    panel->setPortNote(StartPanel::kNoAnalyzerPort);
    settle();
    written += save(w, folder, "start-panel-no-port.png");
    panel->setPortNote(nullptr);
  }
  return written;
}

// The peaks found on the first sample: the thumbnails with their bands and
// marks, the main chart with the marks of the calculation types, and the
// print window on that chart.
int ScreenshotTour::peakPictures(MainWindow& w, const QString& folder) {
  int written = 0;
  TNodeForest& f = w.forest();
  TNode* sample = f.FirstRoot();
  if (!sample || !sample->FirstChild) return 0;
  w.selectThumbnailsPage();
  // The recorded curves of every step (the searches read their ranges).
  TNodesArr groups, leaves;
  for (TNode* n = sample->FirstChild; n; n = n->NextSibling) {
    if (n->Folded) n->Unfold();
    groups.push_back(n);
    for (TNode* c = n->FirstChild; c; c = c->NextSibling) leaves.push_back(c);
  }
  f.SetSelection(leaves.empty() ? groups : leaves);
  settle();
  w.chartView().redrawNow();
  settle();
  w.peaks().controller().PeaksAutoSearchActnExecute();
  if (!w.action("ShowPeakBordersActn")->isChecked()) w.action("ShowPeakBordersActn")->trigger();
  written += save(w, folder, "thumbnails-peaks.png");

  // One curve of the first addition, its four peaks measured four ways at
  // a time.
  TNode* addition = groups.size() > 2 ? groups[2] : groups.back();
  TNode* curve = addition->FirstChild ? addition->FirstChild : addition;
  f.SelectNode(curve);
  if (!w.action("ShowPeakHintActn")->isChecked()) w.action("ShowPeakHintActn")->trigger();
  TPeaksController& peaks = w.peaks().controller();
  const char* names[4] = {"Zn", "Cd", "Pb", "Cu"};
  const int sets[2][4] = {{0, 1, 2, 3}, {7, 4, 6, 0}};
  const int baselines[2][4] = {{0, 1, 0, 0}, {0, 0, 0, 1}};
  QImage combined;
  for (int set = 0; set < 2; ++set) {
    for (int k = 0; k < 4; ++k) {
      peaks.setPeakCalcType(names[k], sets[set][k]);
      peaks.setPeakBaselineType(names[k], baselines[set][k]);
    }
    settle();
    w.chartView().redrawNow();
    settle();
    const QImage part = w.chartView().grab().toImage();
    if (combined.isNull()) {
      combined = QImage(part.width(), part.height() * 2, QImage::Format_RGB32);
      combined.fill(Qt::white);
    }
    QPainter p(&combined);
    p.drawImage(0, set * part.height(), part);
  }
  written += combined.save(QDir(folder).filePath(QStringLiteral("peak-marks.png")));
  for (int k = 0; k < 4; ++k) {
    peaks.setPeakCalcType(names[k], 0);
    peaks.setPeakBaselineType(names[k], 0);
  }

  TRepForm print(w.chartView().chart(), &w);
  print.selectPrinter(TRepForm::pdfPrinterName());
  print.setModal(false);
  print.show();
  settle();
  print.rebuildPreview();
  settle();
  written += print.grab().save(QDir(folder).filePath(QStringLiteral("print-chart.png")));
  print.close();
  return written;
}

int ScreenshotTour::calculations(MainWindow& w, const QString& folder) {
  int written = 0;
  TNodeForest& f = w.forest();
  TNode* sample = f.FirstRoot();
  if (!sample || !sample->FirstChild) return 0;
  // One curve each of the first sample's background, analyte and additions, peaks found.
  TNodesArr nodes;
  for (TNode* n = sample->FirstChild; n; n = n->NextSibling) {
    if (n->Folded) n->Unfold();
    nodes.push_back(n->FirstChild ? n->FirstChild : n);
  }
  f.SetSelection(nodes);
  settle();
  w.action("PeaksAutoSearchActn")->trigger();
  settle();
  TCalcForm& form = w.calculations().form();
  w.action("PeaksTreatmentActn")->setChecked(true);
  w.action("StatActn")->setChecked(true);
  form.resize(1400, 640);
  form.chooseMethod(0);
  // Background, sample and the two additions, in this order.
  for (std::size_t i = 0; i < form.calculation().Curves().size() && i < 4; ++i) form.chooseRole(i, static_cast<int>(i));
  form.chooseResultUnits(5, 2);
  form.chooseSampleUnits(5, 2);
  // The operator's volumes and the standard's concentration (mg/dm³).
  const char* volumes[] = {"10", "20", "0.05", "1"};
  for (int r = 0; r < form.paramsEditor()->rowCount() && r < 4; ++r)
    form.paramsEditor()->item(r, 1)->setText(volumes[r]);
  const CalcGridLayout& layout = form.gridLayout();
  for (int c = layout.FirstElementColumn(); c < layout.Columns(); ++c)
    if (QTableWidgetItem* it = form.grid()->item(1, c)) it->setText(QStringLiteral("1"));
  form.grid()->setCurrentCell(layout.FirstDataRow() + 1, layout.FirstElementColumn());
  form.grid()->setRangeSelected(QTableWidgetSelectionRange(layout.FirstDataRow() + 1, layout.FirstElementColumn(),
                                                           layout.FirstDataRow() + 2, layout.FirstElementColumn() + 1),
                                true);
  written += saveWidget(form, folder, "calculations-method0.png");
  form.chooseMethod(1);
  form.paramsEditor()->item(form.paramsEditor()->rowCount() - 2, 1)->setText(QStringLiteral("0.05"));
  written += saveWidget(form, folder, "calculations-method1.png");
  form.chooseMethod(4);
  form.chooseCalibrationType(0);
  // Standards: the background at 0, the analyte unknown, the additions known.
  const CalcGridLayout& cal = form.gridLayout();
  const int elements = static_cast<int>(form.calculation().Elements().size());
  for (int e = 0; e < elements; ++e) {
    form.chooseElementUnits(static_cast<std::size_t>(e), 5, 2);
    for (int r = cal.FirstDataRow(); r < cal.Rows(); ++r) {
      QTableWidgetItem* it = form.grid()->item(r, 2 + e);
      if (it && (it->flags() & Qt::ItemIsEditable))
        it->setText(QString::number(0.5 * (r - cal.FirstDataRow()) * (1 + e % 2)));
    }
  }
  form.Recalculate();
  written += saveWidget(form, folder, "calculations-method4.png");
  form.chooseMethod(0);

  TEquationEditor& editor = w.calculations().equationEditor();
  editor.show();
  editor.titleEdit()->setText(QStringLiteral("One addition with blank"));
  editor.formulaEdit()->setText(QStringLiteral("(I0-IB)*C1*V1/((I1-IB)*(VC+V1)-(I0-IB)*VC)"));
  editor.unitTopList()->setCurrentIndex(6);
  editor.unitBottomList()->setCurrentIndex(3);
  // Default values that let the formula show a value while it is typed.
  const std::pair<int, const char*> defaults[] = {{0, "2"}, {1, "10"}, {2, "20"}, {6, "1"}, {13, "10"}, {14, "0.1"}};
  for (const auto& [row, value] : defaults)
    if (QTableWidgetItem* it = editor.variablesGrid()->item(row, 3)) it->setText(QString::fromLatin1(value));
  editor.SaveMethod();
  written += saveWidget(editor, folder, "equation-editor.png");
  editor.hide();
  return written;
}

int ScreenshotTour::updateAndAssembly(MainWindow& w, const QString& folder) {
  return UpdateTourShots::programUpdate(w, folder) + UpdateTourShots::assemblyAssistant(w, folder);
}

}  // namespace velmora
