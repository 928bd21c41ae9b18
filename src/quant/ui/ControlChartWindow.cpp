#include "ControlChartWindow.h"

#include <qcustomplot.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSplitter>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "ChartPicture.h"
#include "ControlChartPlot.h"
#include "EArchiveError.h"
#include "FormatError.h"
#include "IResultsArchive.h"
#include "Numbers.h"
#include "PeakFormat.h"
#include "PlainMessageBox.h"
#include "UiText.h"
#include "WestgardRules.h"

namespace velmora {

namespace {

std::optional<double> Read(const QLineEdit* edit) {
  const double v = ReadNumber(UiText::toStd(edit->text().trimmed()), NAN);
  return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

}  // namespace

ControlChartWindow::ControlChartWindow(IResultsArchive* archive, QWidget* parent)
    : QWidget(parent, Qt::Window), archive_(archive) {
  setObjectName(QStringLiteral("ControlChartWindow"));
  auto* layout = new QVBoxLayout(this);
  toolBar_ = new QToolBar(this);
  exportAction_ = toolBar_->addAction(QString(), this, &ControlChartWindow::exportChart);
  printAction_ = toolBar_->addAction(QString(), this, &ControlChartWindow::printChart);
  layout->addWidget(toolBar_);

  auto* choice = new QHBoxLayout;
  controlLabel_ = new QLabel;
  control_ = new QComboBox;
  control_->setMinimumContentsLength(14);
  elementLabel_ = new QLabel;
  element_ = new QComboBox;
  element_->setMinimumContentsLength(6);
  estimate_ = new QCheckBox;
  estimate_->setChecked(true);
  targetLabel_ = new QLabel;
  target_ = new QLineEdit;
  target_->setMaximumWidth(90);
  sdLabel_ = new QLabel;
  sd_ = new QLineEdit;
  sd_->setMaximumWidth(90);
  for (QWidget* w : std::initializer_list<QWidget*>{controlLabel_, control_, elementLabel_, element_, estimate_,
                                                    targetLabel_, target_, sdLabel_, sd_})
    choice->addWidget(w);
  choice->addStretch(1);
  layout->addLayout(choice);

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  plot_ = new QCustomPlot(splitter);
  plot_->setMinimumSize(500, 320);
  drawing_ = new ControlChartPlot(plot_, this);
  breaches_ = new QTableWidget(0, 4, splitter);
  breaches_->verticalHeader()->hide();
  breaches_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  breaches_->setSelectionBehavior(QAbstractItemView::SelectRows);
  breaches_->horizontalHeader()->setStretchLastSection(true);
  splitter->addWidget(plot_);
  splitter->addWidget(breaches_);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 1);
  layout->addWidget(splitter, 1);
  status_ = new QLabel;
  status_->setWordWrap(true);
  layout->addWidget(status_);

  connect(control_, &QComboBox::currentIndexChanged, this, [this] {
    if (filling_) return;
    fillElements();
    refresh();
  });
  connect(element_, &QComboBox::currentIndexChanged, this, [this] {
    if (!filling_) refresh();
  });
  connect(estimate_, &QCheckBox::toggled, this, [this](bool on) {
    target_->setEnabled(!on);
    sd_->setEnabled(!on);
    refresh();
  });
  for (QLineEdit* edit : {target_, sd_}) connect(edit, &QLineEdit::editingFinished, this, &ControlChartWindow::refresh);
  target_->setEnabled(false);
  sd_->setEnabled(false);
  resize(1200, 640);
  retranslateUi();
}

void ControlChartWindow::setArchive(IResultsArchive* archive) {
  archive_ = archive;
  chart_.reset();
  drawing_->Clear();
}

void ControlChartWindow::retranslateUi() {
  setWindowTitle(tr("Control chart"));
  exportAction_->setText(tr("Export chart..."));
  printAction_->setText(tr("Print..."));
  controlLabel_->setText(tr("Control solution:"));
  elementLabel_->setText(tr("Element:"));
  estimate_->setText(tr("Limits from the first 20 results"));
  targetLabel_->setText(tr("Target:"));
  sdLabel_->setText(tr("s:"));
  breaches_->setHorizontalHeaderLabels({tr("No."), tr("Value"), tr("z"), tr("Rules")});
  drawing_->Retranslate();
  plot_->replot();
  fillBreaches();
}

void ControlChartWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslateUi();
  QWidget::changeEvent(event);
}

void ControlChartWindow::fillElements() {
  if (!archive_) return;
  const QString keep = element_->currentText();
  filling_ = true;
  element_->clear();
  try {
    ArchiveFilter filter;
    filter.Control = UiText::toStd(control_->currentText());
    std::vector<std::string> elements;
    for (const ArchiveRow& r : archive_->Query(filter))
      if (std::find(elements.begin(), elements.end(), r.Element) == elements.end()) elements.push_back(r.Element);
    std::sort(elements.begin(), elements.end());
    for (const std::string& e : elements) element_->addItem(UiText::fromStd(e));
  } catch (const EArchiveError& e) {
    status_->setText(UiText::message(e.message()));
  }
  const int index = element_->findText(keep);
  element_->setCurrentIndex(index >= 0 ? index : 0);
  filling_ = false;
}

void ControlChartWindow::showChart(const QString& control, const QString& element) {
  if (!archive_) return;
  filling_ = true;
  control_->clear();
  try {
    for (const std::string& c : archive_->Distinct(IResultsArchive::Column::Control))
      control_->addItem(UiText::fromStd(c));
  } catch (const EArchiveError& e) {
    status_->setText(UiText::message(e.message()));
  }
  control_->setCurrentIndex(std::max(0, control_->findText(control)));
  filling_ = false;
  fillElements();
  filling_ = true;
  element_->setCurrentIndex(std::max(0, element_->findText(element)));
  filling_ = false;
  refresh();
}

void ControlChartWindow::refresh() {
  chart_.reset();
  if (!archive_ || control_->currentText().isEmpty() || element_->currentText().isEmpty()) {
    drawing_->Clear();
    fillBreaches();
    status_->setText(tr("Choose a control solution and an element."));
    return;
  }
  std::optional<ControlLimits> entered;
  if (!estimate_->isChecked()) {
    const auto target = Read(target_), sd = Read(sd_);
    target_->setStyleSheet(target ? QString() : QStringLiteral("QLineEdit { border: 1px solid red; }"));
    sd_->setStyleSheet(sd && *sd > 0.0 ? QString() : QStringLiteral("QLineEdit { border: 1px solid red; }"));
    if (!target || !sd || !(*sd > 0.0)) {
      drawing_->Clear();
      fillBreaches();
      status_->setText(tr("Enter the target and the standard deviation s (above 0)."));
      return;
    }
    entered = ControlLimits{*target, *sd, 0};
  }
  try {
    ArchiveFilter filter;
    filter.Control = UiText::toStd(control_->currentText());
    filter.Element = UiText::toStd(element_->currentText());
    chart_ = ControlChart::Of(archive_->Query(filter), entered);
  } catch (const EArchiveError& e) {
    drawing_->Clear();
    fillBreaches();
    status_->setText(UiText::message(e.message()));
    return;
  }
  if (!chart_) {
    drawing_->Clear();
    fillBreaches();
    status_->setText(
        tr("The limits cannot be estimated: at least two results that differ are needed. Enter the "
           "target and s."));
    return;
  }
  drawing_->Show(*chart_);
  plot_->replot();
  if (estimate_->isChecked()) {
    filling_ = true;
    target_->setText(UiText::fromStd(FormatPeakValue(chart_->Limits.Target)));
    sd_->setText(UiText::fromStd(FormatPeakValue(chart_->Limits.Sd)));
    filling_ = false;
  }
  fillBreaches();
  QString text = tr("%1 results; %2 break a rule, %3 of them reject the run.")
                     .arg(chart_->Points.size())
                     .arg(chart_->Breaking())
                     .arg(chart_->Rejecting());
  if (chart_->Limits.FromResults > 0)
    text += QLatin1Char(' ') + tr("Limits from the first %1 results.").arg(chart_->Limits.FromResults);
  if (chart_->OtherUnits > 0)
    text += QLatin1Char(' ') + tr("%1 results in another unit are left out.").arg(chart_->OtherUnits);
  status_->setText(text);
}

void ControlChartWindow::fillBreaches() {
  breaches_->setRowCount(0);
  if (!chart_) return;
  for (std::size_t i = 0; i < chart_->Points.size(); ++i) {
    const ControlChart::Point& p = chart_->Points[i];
    if (p.Rules == 0) continue;
    const int row = breaches_->rowCount();
    breaches_->insertRow(row);
    QStringList names;
    for (const std::string& n : WestgardRules::Names(p.Rules)) names << UiText::fromStd(n);
    const QString cells[] = {QString::number(i + 1), UiText::fromStd(FormatPeakValue(p.Value)),
                             UiText::fromStd(FormatDecimals(p.Z, 2)), names.join(QStringLiteral(", "))};
    for (int c = 0; c < 4; ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      if (WestgardRules::Rejects(p.Rules)) item->setForeground(QColor(200, 30, 30));
      breaches_->setItem(row, c, item);
    }
  }
  breaches_->resizeColumnsToContents();
}

bool ControlChartWindow::exportTo(const QString& file) {
  const auto format = ChartPicture::FormatOf(file);
  if (!format) {
    QMessageBox::critical(this, tr("Error"), tr("Choose a PNG, BMP, SVG or PDF file."));
    return false;
  }
  try {
    ChartPicture::Save(plot_, file, *format, plot_->width(), plot_->height());
  } catch (const EFormatError& e) {
    PlainMessageBox::critical(this, tr("Error"), UiText::message(e.message()));
    return false;
  }
  return true;
}

void ControlChartWindow::exportChart() {
  const QString file = QFileDialog::getSaveFileName(this, tr("Export chart"), QString(),
                                                    tr("PNG pictures (*.png);;SVG drawings (*.svg);;PDF documents "
                                                       "(*.pdf);;Bitmaps (*.bmp)"));
  if (!file.isEmpty()) exportTo(file);
}

void ControlChartWindow::printChart() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  QCPPainter painter(&printer);
  painter.setMode(QCPPainter::pmVectorized);
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  const double scale = std::min(page.width() / double(plot_->width()), page.height() / double(plot_->height()));
  painter.scale(scale, scale);
  plot_->toPainter(&painter, plot_->width(), plot_->height());
}

}  // namespace velmora
