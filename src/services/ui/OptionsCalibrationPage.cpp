#include "OptionsCalibrationPage.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "DeviceUnits.h"
#include "EDeviceError.h"
#include "IOptionsDeviceHost.h"
#include "MessageSink.h"
#include "Messages.h"
#include "Numbers.h"
#include "TTavrelDevice.h"

namespace velmora {

namespace {

// The current ranges, index 0..5.
constexpr std::array<const char*, OptionsCalibrationPage::RangeCount> RangeNames = {
    QT_TRANSLATE_NOOP("TOptionsForm", "200 nA"), QT_TRANSLATE_NOOP("TOptionsForm", "2 mkA"),
    QT_TRANSLATE_NOOP("TOptionsForm", "20 mkA"), QT_TRANSLATE_NOOP("TOptionsForm", "200 mkA"),
    QT_TRANSLATE_NOOP("TOptionsForm", "2 mA"),   QT_TRANSLATE_NOOP("TOptionsForm", "200 mkA mod")};

QSpinBox* spin(QWidget* parent, const QString& name, int minimum, int maximum) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(name);
  box->setRange(minimum, maximum);
  box->setAlignment(Qt::AlignRight);
  box->setMinimumWidth(80);
  return box;
}

QPushButton* smallButton(QWidget* parent, const char* name) {
  auto* b = new QPushButton(parent);
  b->setObjectName(QLatin1String(name));
  b->setMaximumWidth(44);
  return b;
}

}  // namespace

OptionsCalibrationPage::OptionsCalibrationPage(IOptionsDeviceHost* host, IMessageSink& sink, QWidget* parent)
    : QWidget(parent), host_(host), sink_(sink) {
  // --- the analyzer's registers -------------------------------------------------
  auto* regs = new QGroupBox(this);
  auto* grid = new QGridLayout(regs);
  int row = 0;
  const auto label = [&](const char* caption, QWidget* buddy) {
    auto* l = text_.bind(new QLabel(regs), caption);
    l->setBuddy(buddy);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
  };
  touch_ = new QLineEdit(regs);
  touch_->setObjectName(QStringLiteral("TouchMemoryEdit"));
  touch_->setReadOnly(true);
  touch_->setMaximumWidth(100);
  grid->addWidget(label(QT_TRANSLATE_NOOP("TOptionsForm", "Touch memory"), touch_), row, 0);
  grid->addWidget(touch_, row++, 1);

  // "Rd "/"Wr " beside the DAC values: the analyzer offers no command for them.
  const auto dacRow = [&](const char* caption, QSpinBox* box, const char* rd, const char* wr) {
    grid->addWidget(label(caption, box), row, 0);
    grid->addWidget(box, row, 1);
    auto* r = text_.bind(smallButton(regs, rd), QT_TRANSLATE_NOOP("TOptionsForm", "Rd "));
    auto* w = text_.bind(smallButton(regs, wr), QT_TRANSLATE_NOOP("TOptionsForm", "Wr "));
    r->setEnabled(false);
    w->setEnabled(false);
    grid->addWidget(r, row, 2);
    grid->addWidget(w, row++, 3);
  };
  dacAdc_ = spin(regs, QStringLiteral("DacAdcBox"), -32768, 32767);
  dac2_ = spin(regs, QStringLiteral("Dac2Box"), -32768, 32767);
  dacRow(QT_TRANSLATE_NOOP("TOptionsForm", "DAC ADC"), dacAdc_, "DacAdcRdButton", "DacAdcWrButton");
  dacRow(QT_TRANSLATE_NOOP("TOptionsForm", "DAC 2"), dac2_, "Dac2RdButton", "Dac2WrButton");

  coarse_ = spin(regs, QStringLiteral("CoarseBox"), 0, 255);
  precise_ = spin(regs, QStringLiteral("PreciseBox"), 0, 255);
  gain_ = spin(regs, QStringLiteral("GainBox"), 0, 255);
  offset_ = spin(regs, QStringLiteral("OffsetBox"), 0, 255);
  const int firstRegister = row;
  grid->addWidget(label(QT_TRANSLATE_NOOP("TOptionsForm", "Грубо"), coarse_), row, 0);
  grid->addWidget(coarse_, row++, 1);
  grid->addWidget(label(QT_TRANSLATE_NOOP("TOptionsForm", "Precise"), precise_), row, 0);
  grid->addWidget(precise_, row++, 1);
  grid->addWidget(label(QT_TRANSLATE_NOOP("TOptionsForm", "Gain"), gain_), row, 0);
  grid->addWidget(gain_, row++, 1);
  grid->addWidget(label(QT_TRANSLATE_NOOP("TOptionsForm", "Offset"), offset_), row, 0);
  grid->addWidget(offset_, row++, 1);
  auto* rd = text_.bind(smallButton(regs, "ResistorsRdButton"), QT_TRANSLATE_NOOP("TOptionsForm", "Rd "));
  auto* wr = text_.bind(smallButton(regs, "ResistorsWrButton"), QT_TRANSLATE_NOOP("TOptionsForm", "Wr "));
  grid->addWidget(rd, firstRegister, 2, 4, 1, Qt::AlignVCenter);
  grid->addWidget(wr, firstRegister, 3, 4, 1, Qt::AlignVCenter);

  kDac_ = spin(regs, QStringLiteral("KDacBox"), -32768, 32767);
  kDac_->setReadOnly(true);
  kDac_->setButtonSymbols(QAbstractSpinBox::NoButtons);
  kDacLabel_ = label(QT_TRANSLATE_NOOP("TOptionsForm", "K DAC"), kDac_);
  grid->addWidget(kDacLabel_, row, 0);
  grid->addWidget(kDac_, row++, 1);
  grid->setRowStretch(row, 1);

  // --- zero and gain of each range ---------------------------------------------
  auto* ranges = new QGroupBox(this);
  auto* rgrid = new QGridLayout(ranges);
  rgrid->addWidget(text_.bind(new QLabel(ranges), QT_TRANSLATE_NOOP("TOptionsForm", "Range")), 0, 0);
  rgrid->addWidget(text_.bind(new QLabel(ranges), QT_TRANSLATE_NOOP("TOptionsForm", "Zero")), 0, 1, Qt::AlignHCenter);
  rgrid->addWidget(text_.bind(new QLabel(ranges), QT_TRANSLATE_NOOP("TOptionsForm", "Coefficients")), 0, 2,
                   Qt::AlignHCenter);
  for (int i = 0; i < RangeCount; ++i) {
    rangeLabels_[i] = new QLabel(ranges);
    zero_[i] = spin(ranges, QStringLiteral("ZeroBox%1").arg(i), -32768, 32767);
    coeff_[i] = spin(ranges, QStringLiteral("CoeffBox%1").arg(i), 0, 65535);
    rgrid->addWidget(rangeLabels_[i], i + 1, 0);
    rgrid->addWidget(zero_[i], i + 1, 1);
    rgrid->addWidget(coeff_[i], i + 1, 2);
  }
  rgrid->setRowStretch(RangeCount + 1, 1);

  // --- the bench measurement ------------------------------------------------------
  auto* bench = new QGroupBox(this);
  auto* bgrid = new QGridLayout(bench);
  range_ = new QComboBox(bench);
  range_->setObjectName(QStringLiteral("RangeBox"));
  u_ = spin(bench, QStringLiteral("PotentialBox"), -10000, 10000);
  r_ = spin(bench, QStringLiteral("ResistanceBox"), 0, 2147483647);
  r_->setMinimumWidth(110);
  result_ = new QLineEdit(bench);
  result_->setObjectName(QStringLiteral("ResultEdit"));
  result_->setReadOnly(true);
  result_->setAlignment(Qt::AlignRight);
  result_->setMaximumWidth(110);
  auto* sign = text_.bind(smallButton(bench, "SignButton"), QT_TRANSLATE_NOOP("TOptionsForm", "-/+"));
  auto* measureButton = text_.bind(new QPushButton(bench), QT_TRANSLATE_NOOP("TOptionsForm", "Measure"));
  measureButton->setObjectName(QStringLiteral("MeasureButton"));
  auto* calibrButton = text_.bind(new QPushButton(bench), QT_TRANSLATE_NOOP("TOptionsForm", "Calibr"));
  calibrButton->setObjectName(QStringLiteral("CalibrButton"));
  const auto benchLabel = [&](const char* caption, QWidget* buddy) {
    auto* l = text_.bind(new QLabel(bench), caption);
    l->setBuddy(buddy);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
  };
  bgrid->addWidget(benchLabel(QT_TRANSLATE_NOOP("TOptionsForm", "Range"), range_), 0, 0);
  bgrid->addWidget(range_, 0, 1);
  bgrid->addWidget(benchLabel(QT_TRANSLATE_NOOP("TOptionsForm", "U"), u_), 0, 2);
  bgrid->addWidget(u_, 0, 3);
  bgrid->addWidget(sign, 0, 4);
  bgrid->addWidget(benchLabel(QT_TRANSLATE_NOOP("TOptionsForm", "R"), r_), 0, 5);
  bgrid->addWidget(r_, 0, 6);
  bgrid->addWidget(measureButton, 1, 1);
  bgrid->addWidget(result_, 1, 3);
  bgrid->addWidget(calibrButton, 1, 6);
  bgrid->setColumnStretch(7, 1);

  auto* applyButton = text_.bind(new QPushButton(this), QT_TRANSLATE_NOOP("TOptionsForm", "Apply"));
  applyButton->setObjectName(QStringLiteral("ApplyButton"));
  auto* reloadButton = text_.bind(new QPushButton(this), QT_TRANSLATE_NOOP("TOptionsForm", "Reload"));
  reloadButton->setObjectName(QStringLiteral("ReloadButton"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(reloadButton);
  buttons->addWidget(applyButton);

  auto* top = new QHBoxLayout;
  top->addWidget(regs);
  top->addWidget(ranges, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(bench);
  layout->addLayout(buttons);
  layout->addStretch(1);
  retranslateRanges();

  connect(range_, &QComboBox::activated, this, [this](int index) { chooseRange(index); });
  connect(sign, &QPushButton::clicked, this, [this] { negatePotential(); });
  connect(measureButton, &QPushButton::clicked, this, [this] { measure(); });
  connect(calibrButton, &QPushButton::clicked, this, [this] { calibr(); });
  connect(rd, &QPushButton::clicked, this, [this] { readResistors(); });
  connect(wr, &QPushButton::clicked, this, [this] { writeResistors(); });
  connect(applyButton, &QPushButton::clicked, this, [this] { apply(); });
  connect(reloadButton, &QPushButton::clicked, this, [this] { reload(); });

  for (QPushButton* b : findChildren<QPushButton*>())
    if (b->isEnabled()) b->setEnabled(host_ != nullptr);
  showDevice();
}

QPushButton* OptionsCalibrationPage::button(const char* objectName) const {
  return findChild<QPushButton*>(QLatin1String(objectName));
}

TCalibrationBlock OptionsCalibrationPage::defaultBlock() {
  TCalibrationBlock b;
  b.DacAdc = 4095;
  b.Dac2 = 2048;
  b.Coarse = 128;
  b.Precise = 128;
  b.Zero.fill(0);
  b.Coeff.fill(32768);
  b.Gain = 128;
  b.Offset = 255;
  b.KDac = 10000;
  b.BenchPotential = 0;
  b.BenchRange = 4;
  b.BenchResistance = DeviceUnits::DefaultBenchResistance[4];
  return b;
}

void OptionsCalibrationPage::showDevice() {
  if (!host_) {
    showBlock(defaultBlock());
    return;
  }
  TTavrelDevice& d = host_->device();
  const auto serial = static_cast<std::uint32_t>(d.NomberKlb());
  touch_->setText(QStringLiteral("%1").arg(serial, 8, 16, QLatin1Char('0')).toUpper());
  result_->setText(QString::number(RoundHalfEven(d.Corect_data_Clb())));
  const bool scaled = d.DeviceType() == 1;
  kDac_->setVisible(scaled);
  kDacLabel_->setVisible(scaled);
  showBlock(d.CalibrationBlock());
}

void OptionsCalibrationPage::showBlock(const TCalibrationBlock& b) {
  shown_ = b;
  dacAdc_->setValue(b.DacAdc);
  dac2_->setValue(b.Dac2);
  coarse_->setValue(b.Coarse);
  precise_->setValue(b.Precise);
  gain_->setValue(b.Gain);
  offset_->setValue(b.Offset);
  kDac_->setValue(b.KDac);
  for (int i = 0; i < RangeCount; ++i) {
    zero_[i]->setValue(b.Zero[i]);
    coeff_[i]->setValue(b.Coeff[i]);
  }
  const int r = b.BenchRange < RangeCount ? b.BenchRange : RangeCount - 1;
  range_->setCurrentIndex(r);
  u_->setValue(b.BenchPotential);
  r_->setValue(DeviceUnits::DefaultBenchResistance[r]);
}

TCalibrationBlock OptionsCalibrationPage::pageBlock() const {
  TCalibrationBlock b = shown_;
  b.DacAdc = static_cast<std::int16_t>(dacAdc_->value());
  b.Dac2 = static_cast<std::int16_t>(dac2_->value());
  b.Coarse = static_cast<std::uint8_t>(coarse_->value());
  b.Precise = static_cast<std::uint8_t>(precise_->value());
  b.Gain = static_cast<std::uint8_t>(gain_->value());
  b.Offset = static_cast<std::uint8_t>(offset_->value());
  b.KDac = static_cast<std::int16_t>(kDac_->value());
  for (int i = 0; i < RangeCount; ++i) {
    b.Zero[i] = static_cast<std::int16_t>(zero_[i]->value());
    b.Coeff[i] = static_cast<std::uint16_t>(coeff_[i]->value());
  }
  b.BenchPotential = u_->value();
  b.BenchResistance = r_->value();
  b.BenchRange = static_cast<std::uint8_t>(std::max(0, range_->currentIndex()));
  return b;
}

void OptionsCalibrationPage::reset() { showBlock(defaultBlock()); }

void OptionsCalibrationPage::chooseRange(int range) {
  if (range < 0 || range >= RangeCount) return;
  range_->setCurrentIndex(range);
  r_->setValue(DeviceUnits::DefaultBenchResistance[range]);
}

void OptionsCalibrationPage::negatePotential() { u_->setValue(-u_->value()); }

bool OptionsCalibrationPage::onDevice(const std::function<void(TTavrelDevice&)>& command) {
  if (!host_) return false;
  TTavrelDevice& d = host_->device();
  if (!d.Active()) {
    sink_.warning(Message(msg::OptionsDeviceOffLine));
    return false;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  setEnabled(false);
  bool done = true;
  try {
    command(d);
  } catch (const EDeviceError& e) {
    sink_.error(e.message());
    done = false;
  }
  setEnabled(true);
  QApplication::restoreOverrideCursor();
  return done;
}

void OptionsCalibrationPage::measure() {
  // The device measures with the bench values last applied to it.
  if (onDevice([](TTavrelDevice& d) { d.MeasureCalibrationCurrent(); }))
    result_->setText(QString::number(RoundHalfEven(host_->device().Corect_data_Clb())));
}

void OptionsCalibrationPage::calibr() {
  if (!host_) return;
  const int r = range_->currentIndex();
  const std::int32_t lastRaw = host_->device().CalibrationBlock().LastRawCurrent;
  try {
    const std::uint16_t k = DeviceUnits::CalibrCoefficient(u_->value(), r_->value(), r, lastRaw);
    TCalibrationBlock b = pageBlock();
    b.Coeff[static_cast<std::size_t>(r)] = k;
    showBlock(b);
  } catch (const EDeviceError& e) {
    sink_.error(e.message());
  }
}

void OptionsCalibrationPage::readResistors() {
  if (onDevice([](TTavrelDevice& d) { d.ReadResistors(); })) showDevice();
}

void OptionsCalibrationPage::writeResistors() {
  const TCalibrationBlock b = pageBlock();
  onDevice([&b](TTavrelDevice& d) { d.WriteResistors(b.Precise, b.Gain, b.Offset, b.Coarse); });
}

void OptionsCalibrationPage::apply() {
  TCalibrationBlock b = pageBlock();
  onDevice([&b](TTavrelDevice& d) {
    // The last bench reading stays the device's own.
    b.LastRawCurrent = d.CalibrationBlock().LastRawCurrent;
    d.WriteCalibration(b);
  });
}

void OptionsCalibrationPage::reload() {
  if (onDevice([](TTavrelDevice& d) { d.ReadCalibration(); })) showDevice();
}

void OptionsCalibrationPage::retranslateRanges() {
  const int current = std::max(0, range_->currentIndex());
  range_->clear();
  for (int i = 0; i < RangeCount; ++i) {
    const QString name = text_.text(RangeNames[static_cast<std::size_t>(i)]);
    rangeLabels_[i]->setText(name);
    range_->addItem(name);
  }
  range_->setCurrentIndex(current);
}

void OptionsCalibrationPage::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    text_.retranslate();
    retranslateRanges();
  }
  QWidget::changeEvent(event);
}

}  // namespace velmora
