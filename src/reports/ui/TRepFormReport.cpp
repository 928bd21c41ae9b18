// The print window's "Report" print-out: the radio button, the group of
// report options and the document of the current report.

#include <QComboBox>
#include <QDateTime>
#include <QFontComboBox>
#include <QLocale>
#include <QRadioButton>
#include <QVBoxLayout>

#include "TPrintOptionsBox.h"
#include "TRepForm.h"
#include "TReportCharts.h"
#include "TReportOptionsBox.h"
#include "TReportPrinter.h"
#include "TReportRec.h"

namespace velmora {

void TRepForm::buildReportUi(QVBoxLayout* printOut, QVBoxLayout* column) {
  reportCharts_ = std::make_unique<TReportCharts>();
  reportOut_ = text_.bind(new QRadioButton, QT_TR_NOOP("Report"));
  reportOut_->setObjectName(QStringLiteral("PrintReport"));
  printOut->addWidget(reportOut_);
  reportOptions_ = new TReportOptionsBox;
  column->addWidget(reportOptions_);
  connect(reportOptions_, &TReportOptionsBox::changed, this, &TRepForm::rebuildPreview);
  // One option group shows: the report's own while "Report" is chosen.
  connect(reportOut_, &QRadioButton::toggled, this, [this](bool on) {
    reportOptions_->setVisible(on);
    if (options_) options_->setVisible(!on);
    rebuildPreview();
  });
  reportOptions_->setVisible(false);
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
  settings.Print = reportOptions_->printOptions();
  settings.Chart = reportOptions_->chartOptions(printFont(), fontSize());
  settings.Date = QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat).toStdString();
  TReportDocument doc = TReportPrinter::Layout(*report_, settings);
  reportCharts_->setReport(report_, doc.Charts, settings.Chart);
  return std::move(doc.Blocks);
}

}  // namespace velmora
