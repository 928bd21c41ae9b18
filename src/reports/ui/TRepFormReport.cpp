// The print window's "Report" print-out: the radio button, the group of
// report options and the document of the current report.

#include <QDateTime>
#include <QLocale>
#include <QMessageBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "TPrintOptionsBox.h"
#include "TRepForm.h"
#include "TReportCharts.h"
#include "TReportPrinter.h"
#include "TReportRec.h"

namespace velmora {

void TRepForm::buildReportUi(QVBoxLayout* printOut, QVBoxLayout* column) {
  reportCharts_ = std::make_unique<TReportCharts>();
  reportOut_ = text_.bind(new QRadioButton, QT_TR_NOOP("Report"));
  reportOut_->setObjectName(QStringLiteral("PrintReport"));
  printOut->addWidget(reportOut_);
  reportOptions_ = new TPrintOptionsBox;
  reportOptions_->setObjectName(QStringLiteral("ReportOptions"));
  reportOptions_->setMode(TPrintOptionsBox::Mode::Report);
  column->addWidget(reportOptions_);
  connect(reportOptions_, &TPrintOptionsBox::changed, this, &TRepForm::rebuildPreview);
  // One option group shows: the report's own while "Report" is chosen.
  connect(reportOut_, &QRadioButton::toggled, this, [this](bool on) {
    reportOptions_->setVisible(on);
    if (options_) options_->setVisible(!on);
    rebuildPreview();
  });
  connect(reportOut_, &QRadioButton::clicked, this, &TRepForm::reportClicked);
  reportOptions_->setVisible(false);
  askAddCalculation = [this] {
    QMessageBox box(QMessageBox::Information, windowTitle(),
                    tr("Current report is empty. Do you want to add calculation form content and edit it?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    return box.exec() == QMessageBox::Yes;
  };
}

void TRepForm::reportClicked() {
  if (report_ && !report_->Empty()) return;
  if (askAddCalculation && askAddCalculation()) {
    emit addCalculationRequested();
    reject();
    return;
  }
  currentChart_->setChecked(true);
}

void TRepForm::setReport(TReportRec* report) {
  report_ = report;
  chooseReport(report_ && !report_->Empty());
}

bool TRepForm::reportChosen() const { return reportOut_ && reportOut_->isChecked() && report_; }

void TRepForm::chooseReport(bool on) {
  if (on && report_ && !report_->Empty()) {
    reportOut_->setChecked(true);
  } else {
    currentChart_->setChecked(true);
  }
  rebuildPreview();
}

TPrintDocument TRepForm::reportDocument() const {
  if (!report_ || report_->Empty()) return {};
  TReportPrinter::Settings settings;
  settings.Page = pageSetup();
  settings.Font = printFont();
  settings.Print = reportOptions_->reportOptions();
  settings.Chart = chartOptions();
  settings.Date = QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat).toStdString();
  TReportDocument doc = TReportPrinter::Layout(*report_, settings);
  reportCharts_->setReport(report_, doc.Charts, settings.Chart);
  return std::move(doc.Blocks);
}

}  // namespace velmora
