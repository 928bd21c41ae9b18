// The "Calibration" choice of the print window: its controls, its pages
// and the charts they hold.
#include <QCheckBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLocale>
#include <QMetaMethod>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <chrono>

#include "CalibrationDocument.h"
#include "DateTime.h"
#include "TCalibrationPrintCharts.h"
#include "TPrintOptionsBox.h"
#include "TRepForm.h"
#include "UiText.h"

namespace velmora {

namespace {

constexpr int kHelpContext = 50;

QDateTime StampTime(double days) {
  const auto tp = DateTime::toSystemClock(days);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(tp.time_since_epoch()).count();
  return QDateTime::fromMSecsSinceEpoch(ms);
}

}  // namespace

void TRepForm::buildCalibrationControls(QVBoxLayout* printOut, QFormLayout* printer, QVBoxLayout* left,
                                        QDialogButtonBox* buttons) {
  calibrationCharts_ = std::make_unique<TCalibrationPrintCharts>();
  blackWhite_ = text_.bind(new QCheckBox, QT_TR_NOOP("Black && White"));
  blackWhite_->setObjectName(QStringLiteral("BlackAndWhite"));
  printer->addRow(QString(), blackWhite_);
  connect(blackWhite_, &QCheckBox::toggled, this, &TRepForm::rebuildPreview);

  calibration_ = text_.bind(new QRadioButton, QT_TR_NOOP("Calibration"));
  calibration_->setObjectName(QStringLiteral("PrintCalibration"));
  printOut->addWidget(calibration_);
  calibration_->setEnabled(false);  // until there are calibrations
  connect(calibration_, &QRadioButton::toggled, this, &TRepForm::printOutChanged);

  options_ = new TPrintOptionsBox;
  left->insertWidget(left->count() - 1, options_);
  connect(options_, &TPrintOptionsBox::changed, this, &TRepForm::rebuildPreview);
  options_->setMode(TPrintOptionsBox::Mode::CurrentChart);

  setProperty("helpContext", kHelpContext);  // F1 reads it from the active window
  QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
  connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(kHelpContext); });
}

void TRepForm::printOutChanged() {
  if (!options_) return;
  options_->setMode(calibrationChosen() ? TPrintOptionsBox::Mode::Calibration : TPrintOptionsBox::Mode::CurrentChart);
  rebuildPreview();
}

void TRepForm::setCalibrations(std::vector<TSingleCalibration> calibrations) {
  calibrations_ = std::move(calibrations);
  calibration_->setEnabled(!calibrations_.empty());
  if (calibrations_.empty() && calibration_->isChecked()) currentChart_->setChecked(true);
  rebuildPreview();
}

void TRepForm::chooseCalibration() {
  if (calibration_->isEnabled()) calibration_->setChecked(true);
}

bool TRepForm::calibrationChosen() const { return calibration_ && calibration_->isChecked(); }

bool TRepForm::blackAndWhite() const { return blackWhite_ && blackWhite_->isChecked(); }

void TRepForm::setBlackAndWhite(bool on) { blackWhite_->setChecked(on); }

TPrintChart::Options TRepForm::chartOptions() const {
  TPrintChart::Options o;
  (reportOut_ && reportOut_->isChecked() ? reportOptions_ : options_)->applyTo(o);
  o.BlackAndWhite = blackAndWhite();
  o.Font = printFont();
  o.FontSize = fontSize();
  return o;
}

TPrintDocument TRepForm::calibrationDocument() const {
  TCalibrationPrintTexts texts;
  texts.Translate = [](const Message& m) { return UiText::toStd(UiText::message(m)); };
  texts.ReportDate = UiText::toStd(QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat));
  texts.StampText = [](double stamp) {
    return UiText::toStd(QLocale().toString(StampTime(stamp), QLocale::ShortFormat));
  };
  return BuildCalibrationDocument(calibrations_, options_->calibrationOptions(), texts);
}

QString TRepForm::calibrationJobTitle() const {
  const TSingleCalibration& c = calibrations_.front();
  return UiText::fromStd(c.Name) + u' ' + QLocale().toString(StampTime(c.Stamp).date(), QLocale::ShortFormat);
}

void TRepForm::applyBlackAndWhite(std::vector<QImage>& pages) const {
  // The main chart draws itself in its own colours: its preview goes grey
  // as the printer's grey-scale mode prints it. Calibration and report
  // charts are drawn black already.
  if (!blackAndWhite() || calibrationChosen() || reportChosen()) return;
  for (QImage& page : pages)
    page = page.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
}

}  // namespace velmora
