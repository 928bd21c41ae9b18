#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <array>

#include "CalcHost.h"
#include "ChartLegend.h"
#include "CurveCommands.h"
#include "CurveSeries.h"
#include "MainChartView.h"
#include "MainWindow.h"
#include "PeaksHost.h"
#include "ReportHost.h"
#include "ResultsHost.h"
#include "Settings.h"
#include "SimulatedBadge.h"
#include "TArrayDataStruct.h"
#include "TCalcForm.h"
#include "TMWizForm.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPeakBandsLayer.h"
#include "TPeaksController.h"
#include "TRecordPlacement.h"
#include "TReportPage.h"
#include "TReportRec.h"
#include "TTableContent.h"
#include "TVAStruct.h"
#include "ThumbnailPainter.h"
#include "UiText.h"
#include "qcustomplot.h"

// The chart and report pages of the measurement wizard.

namespace velmora {

namespace {

constexpr int kNodeRole = Qt::UserRole + 1;

}  // namespace

QWidget* TMWizForm::buildChartPage() {
  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);
  auto* side = new QVBoxLayout;
  dataTitle_ = new QLabel(page);
  dataTree_ = new QTreeWidget(page);
  dataTree_->setHeaderHidden(true);
  dataTree_->setTextElideMode(Qt::ElideMiddle);
  side->addWidget(dataTitle_);
  side->addWidget(dataTree_, 1);
  peakSearch_ = new QPushButton(page);
  peakBorders_ = new QPushButton(page);
  peakBorders_->setCheckable(true);
  smoothingLabel_ = new QLabel(page);
  smoothing_ = new QSpinBox(page);
  smoothing_->setRange(0, 30);
  smooth_ = new QPushButton(page);
  unzoom_ = new QPushButton(page);
  calcChart_ = new QCheckBox(page);
  for (QWidget* w : std::initializer_list<QWidget*>{peakSearch_, peakBorders_, smoothingLabel_, smoothing_, smooth_,
                                                    unzoom_, calcChart_})
    side->addWidget(w);
  layout->addLayout(side);

  auto* centre = new QVBoxLayout;
  chart_ = new QCustomPlot(page);
  chart_->setMinimumSize(360, 240);
  chart_->setInteractions(QCP::iRangeZoom | QCP::iRangeDrag);
  CurveSeries::StyleChart(chart_);
  // The wizard marks the peaks always, whatever the main chart shows.
  chartPeaks_ = std::make_unique<TPeakDrawing>();
  auto source = [this]() -> const TPeakDrawing& { return *chartPeaks_; };
  new TPeakBandsLayer(chart_, TPeakBandsLayer::Role::Bands, source);
  new TPeakBandsLayer(chart_, TPeakBandsLayer::Role::Marks, source);
  calcChartHolder_ = new QWidget(page);
  calcChartHolder_->setLayout(new QVBoxLayout);
  calcChartHolder_->layout()->setContentsMargins(0, 0, 0, 0);
  calcChartHolder_->hide();
  centre->addWidget(chart_, 1);
  centre->addWidget(calcChartHolder_, 1);
  layout->addLayout(centre, 1);

  // The verdicts on the recorded passes, beside the chart.
  verdicts_ = new QLabel(page);
  verdicts_->setObjectName(QStringLiteral("WizardVerdicts"));
  verdicts_->setWordWrap(true);
  verdicts_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  verdicts_->setMinimumWidth(180);
  verdicts_->setMaximumWidth(260);
  verdicts_->setFrameShape(QFrame::StyledPanel);
  verdicts_->hide();
  layout->addWidget(verdicts_);

  connect(dataTree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (!item || filling_) return;
    TNode* node = window_.forest().NodeById(item->data(0, kNodeRole).toInt());
    if (node && node->InForest()) window_.forest().SelectNode(node);
    redrawChart();
  });
  auto trigger = [this](const char* name) {
    if (QAction* a = window_.action(name); a && a->isEnabled()) a->trigger();
    redrawChart();
  };
  connect(peakSearch_, &QPushButton::clicked, this, [trigger] { trigger("PeaksAutoSearchActn"); });
  connect(peakBorders_, &QPushButton::clicked, this, [trigger] { trigger("SetPeakBordersActn"); });
  connect(smooth_, &QPushButton::clicked, this, [trigger] { trigger("SmoothingActn"); });
  connect(smoothing_, &QSpinBox::valueChanged, this, [this](int value) {
    settings_.options().filter = value;
    if (auto* commands = window_.findChild<CurveCommands*>()) commands->filterBox()->setValue(value);
  });
  connect(unzoom_, &QPushButton::clicked, this, [this] {
    chart_->rescaleAxes();
    chart_->replot();
  });
  connect(calcChart_, &QCheckBox::toggled, this, [this](bool on) { showCalculationChart(on); });
  connect(&window_.chartView(), &MainChartView::redrawn, this, [this] {
    if (isVisible() && currentPage() == kChart) redrawChart();
  });
  return page;
}

TReportPage* TMWizForm::reportPage() const { return reportPage_.data(); }

QWidget* TMWizForm::buildReportPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  customStatistics_ = new QCheckBox(page);
  layout->addWidget(customStatistics_);
  reportHolder_ = new QWidget(page);
  reportHolder_->setLayout(new QVBoxLayout);
  reportHolder_->layout()->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(reportHolder_, 1);
  // The current report's page (with its tools: save, remove element,
  // print) is the calculation window's; the wizard borrows it while its
  // report page is shown.
  reportPage_ = &window_.reports().page();
  // The calculation window goes first when the program ends: a page still
  // borrowed then goes with it, while its report still exists.
  if (QWidget* home = reportPage_->parentWidget()) {
    connect(home, &QObject::destroyed, this, [this] {
      if (reportPage_ && reportPage_->parentWidget() == reportHolder_) delete reportPage_.data();
    });
  }
  if (QWidget* panel = window_.calculations().form().chartPanel()) {
    connect(&window_.calculations().form(), &QObject::destroyed, this, [this, chartPanel = QPointer<QWidget>(panel)] {
      if (chartPanel && chartPanel->parentWidget() == calcChartHolder_) delete chartPanel.data();
    });
  }
  connect(customStatistics_, &QCheckBox::toggled, this, [this](bool on) {
    TReportRec& report = window_.reports().report();
    report.SetStatistics(on ? TMethodStat{} : interp_->Settings().Statistics);
    if (!reportPage_) return;
    reportPage_->statisticsList()->setEnabled(on);
    reportPage_->refill();
  });
  return page;
}

void TMWizForm::borrowReportPage(bool on) {
  QWidget* page = reportPage_;
  if (page == nullptr) return;
  if (on) {
    if (page->parentWidget() == reportHolder_) return;
    reportHome_ = page->parentWidget();
    reportHolder_->layout()->addWidget(page);
    page->show();
  } else if (page->parentWidget() == reportHolder_) {
    if (reportHome_ && reportHome_->layout()) {
      reportHome_->layout()->addWidget(page);
    } else {
      page->setParent(reportHome_);
    }
    page->show();
  }
}

void TMWizForm::retranslateChartPages() {
  dataTitle_->setText(tr("Select data:"));
  peakSearch_->setText(window_.action("PeaksAutoSearchActn") ? window_.action("PeaksAutoSearchActn")->text()
                                                             : tr("Peaks auto search"));
  peakBorders_->setText(window_.action("SetPeakBordersActn") ? window_.action("SetPeakBordersActn")->text()
                                                             : tr("Peaks marking"));
  smoothingLabel_->setText(tr("Smoothing filter value"));
  smooth_->setText(window_.action("SmoothingActn") ? window_.action("SmoothingActn")->text() : tr("Smoothing"));
  unzoom_->setText(tr("Undo zoom"));
  calcChart_->setText(tr("Show calculations chart"));
  customStatistics_->setText(tr("Use custom statistics"));
  chart_->xAxis->setLabel(tr("mV"));
  chart_->yAxis->setLabel(tr("µA"));
}

// --- Chart page ------------------------------------------------------------------------------

void TMWizForm::fillDataTree() {
  filling_ = true;
  dataTree_->clear();
  TNode* root = wizPlacement_->Root();
  if (root && root->InForest()) {
    std::function<void(TNode*, QTreeWidgetItem*)> add = [&](TNode* node, QTreeWidgetItem* parent) {
      auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(dataTree_);
      item->setText(0, UiText::fromStd(TRecordPlacement::WithoutSimulatedMark(node->Name)));
      if (TRecordPlacement::IsSimulated(*node)) {
        item->setIcon(0, SimulatedBadge::icon());
        item->setToolTip(0, SimulatedBadge::toolTip());
      }
      item->setData(0, kNodeRole, node->Id);
      for (TNode* c = node->FirstChild; c; c = c->NextSibling) add(c, item);
    };
    add(root, nullptr);
    dataTree_->expandAll();
    dataTree_->setCurrentItem(dataTree_->topLevelItem(0));
  }
  filling_ = false;
}

void TMWizForm::showChartPage() {
  smoothing_->blockSignals(true);
  smoothing_->setValue(std::clamp(settings_.options().filter, 0, 30));
  smoothing_->blockSignals(false);
  if (QAction* borders = window_.action("SetPeakBordersActn")) peakBorders_->setChecked(borders->isChecked());
  TNode* root = wizPlacement_->Root();
  if (root && root->InForest()) window_.forest().SelectNode(root);
  fillDataTree();
  redrawChart();
  judgePasses();
}

void TMWizForm::redrawChart() {
  chart_->clearPlottables();
  const TTableContentArr& shown = window_.DisplayedCurves();
  const TPeaksController& peaks = window_.peaks().controller();
  TPeakDrawing& marks = *chartPeaks_;
  marks = TPeakDrawing{};
  marks.Visible = true;
  marks.Labels = true;
  marks.EachBorder = true;
  marks.Plain = peaks.drawing().Plain;
  marks.PeaksColor = peaks.drawing().PeaksColor;
  marks.CrossPeaksColor = peaks.drawing().CrossPeaksColor;
  marks.CaptionColor = peaks.drawing().CaptionColor;
  marks.Table = peaks.table();
  // Each curve in a colour of its own, named in the legend by its
  // measurement type (with its place among curves of the same type).
  std::array<int, TVAStruct::kMeasurementTypeCount + 1> ofType{};
  std::array<int, TVAStruct::kMeasurementTypeCount + 1> seen{};
  auto typeOf = [](const TArrayDataStruct* record) {
    const auto* va = dynamic_cast<const TVAStruct*>(record);
    const int type = va ? va->Params.MeasurementType() : -1;
    return type >= 0 && type < TVAStruct::kMeasurementTypeCount ? type : TVAStruct::kMeasurementTypeCount;
  };
  for (const TTableContent& row : shown)
    if (row.Curve != nullptr && row.Shown) ++ofType[static_cast<std::size_t>(typeOf(row.Curve))];
  TDataArr points;
  std::size_t colour = 0;
  for (const TTableContent& row : shown) {
    const TArrayDataStruct* record = row.Curve;
    if (record == nullptr || !row.Shown) continue;
    record->GetDisplayData(points);
    const QColor pen = ThumbnailPainter::rowColor(colour++);
    const int type = typeOf(record);
    const std::size_t t = static_cast<std::size_t>(type);
    QString name = type < TVAStruct::kMeasurementTypeCount
                       ? QCoreApplication::translate("Messages", TVAStruct::MeasurementTypeCaption(type))
                       : CurveSeries::Title(record);
    ++seen[t];
    if (ofType[t] > 1) name = tr("%1 (%2)").arg(name).arg(seen[t]);
    CurveSeries::Create(chart_, points, QPen(pen, 1.5), name);
    if (auto* va = dynamic_cast<TVAStruct*>(row.Curve)) marks.Curves.push_back({points, va->GetPeaks(), pen});
  }
  // Under the plot, where it covers no peak.
  chart_->legend->setVisible(chart_->plottableCount() > 0);
  ChartLegend::PlaceOutside(*chart_, Qt::AlignBottom);
  chart_->rescaleAxes();
  chart_->replot(QCustomPlot::rpQueuedReplot);
}

void TMWizForm::showCalculationChart(bool on) {
  QWidget* panel = window_.calculations().form().chartPanel();
  if (!panel) return;
  if (on) {
    if (auto* splitter = qobject_cast<QSplitter*>(panel->parentWidget())) {
      calcHome_ = splitter;
      calcHomeIndex_ = splitter->indexOf(panel);
    }
    window_.calculations().form().Recalculate();
    calcChartHolder_->layout()->addWidget(panel);
    panel->show();
    calcChartHolder_->show();
    chart_->hide();
  } else {
    if (auto* splitter = qobject_cast<QSplitter*>(calcHome_); splitter && panel->parentWidget() == calcChartHolder_)
      splitter->insertWidget(std::max(calcHomeIndex_, 0), panel);
    calcChartHolder_->hide();
    chart_->show();
  }
}

void TMWizForm::ShowVerdicts(const QStringList& lines) {
  verdicts_->setText(lines.join(u'\n'));
  verdicts_->setVisible(!lines.isEmpty());
}

TWizQualityGates::Input TMWizForm::gateInput(TNode* pass, TNode* parallelSample) const {
  TWizQualityGates::Input input;
  input.RunRoot = wizPlacement_->Root();
  input.Pass = pass;
  input.ParallelSample = parallelSample;
  input.Method = &interp_->Method();
  input.Peaks = interp_->Settings().PredefinedPeaks;
  input.CalcMethod = interp_->Settings().CalculationMethod;
  const TMethodStat& statistics = interp_->Settings().Statistics;
  input.Statistics = statistics.Name.empty() ? nullptr : &statistics;
  input.Thresholds = TWizGateThresholds::FromOptions(settings_.options());
  return input;
}

void TMWizForm::judgePasses() {
  TNode* root = wizPlacement_->Root();
  if (root == nullptr || !root->InForest() || root->FirstChild == nullptr) {
    ShowVerdicts({});
    return;
  }
  // The pass just recorded: the current measurement node, or the last pass
  // of the run when the wizard has moved past it.
  TNode* pass = wizPlacement_->MeasurementNode();
  if (pass != nullptr && !pass->InForest()) pass = nullptr;
  QStringList lines;
  for (const Message& verdict : TWizQualityGates::JudgePass(gateInput(pass, nullptr)))
    lines << UiText::message(verdict);
  ShowVerdicts(lines);
}

// --- Report page -----------------------------------------------------------------------------

void TMWizForm::showReportPage() {
  if (calcChart_->isChecked()) calcChart_->setChecked(false);
  borrowReportPage(true);
  TReportRec& report = window_.reports().report();
  ReportHost& reports = window_.reports();
  report.Clear();
  window_.results().beginWizardReport(sampleName_);
  TNode* root = wizPlacement_->Root();
  if (root && root->InForest()) {
    for (TNode* child = root->FirstChild; child; child = child->NextSibling) {
      window_.forest().SelectNode(child);
      window_.calculations().form().Recalculate();
      const std::size_t before = report.Experiments.size();
      if (reports.AddToReportActnExecute()) window_.results().collectWizardCalculation();
      // The checks of the parallel sample travel with its experiment.
      if (report.Experiments.size() > before)
        report.SetNotes(report.Experiments.size() - 1, TWizQualityGates::JudgeRun(gateInput(nullptr, child)));
    }
    window_.forest().SelectNode(root);
  }
  const TMethodStat& statistics = interp_->Settings().Statistics;
  customStatistics_->blockSignals(true);
  customStatistics_->setChecked(statistics.Name.empty());
  customStatistics_->blockSignals(false);
  if (!statistics.Name.empty()) report.SetStatistics(statistics);
  QString title = UiText::fromStd(sampleName_);
  if (!statistics.Name.empty()) title += tr(" (%1)").arg(UiText::fromStd(statistics.Name));
  report.Title = UiText::toStd(title);
  if (!reportPage_) return;
  reportPage_->refill();
  reportPage_->titleEdit()->setText(title);
}

}  // namespace velmora
