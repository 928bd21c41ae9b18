#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "TCalibrationBlock.h"
#include "UiTextBinder.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace velmora {

class IMessageSink;
class IOptionsDeviceHost;
class TTavrelDevice;

// The "Calibration (Experts only)" page: edits a copy of the analyzer's
// calibration block and drives the bench measurement, the coefficient
// computation, the resistor registers and the calibration store.
class OptionsCalibrationPage : public QWidget {
  Q_OBJECT
 public:
  static constexpr int RangeCount = TCalibrationBlock::RangeCount;

  OptionsCalibrationPage(IOptionsDeviceHost* host, IMessageSink& sink, QWidget* parent = nullptr);

  // Shows the device's calibration block, serial number and last reading.
  void showDevice();
  // Shows `block` (R becomes the default resistance of its range).
  void showBlock(const TCalibrationBlock& block);
  // The block as the page shows it; the bench resistance is the page's "R".
  TCalibrationBlock pageBlock() const;
  // The default calibration block and K DAC 10000 (nothing is sent).
  void reset();
  static TCalibrationBlock defaultBlock();

  // The buttons' operations.
  void measure();
  void calibr();
  void readResistors();
  void writeResistors();
  void apply();
  void reload();
  void negatePotential();
  void chooseRange(int range);

  QLineEdit* touchMemory() const { return touch_; }
  QSpinBox* dacAdc() const { return dacAdc_; }
  QSpinBox* dac2() const { return dac2_; }
  QSpinBox* coarse() const { return coarse_; }
  QSpinBox* precise() const { return precise_; }
  QSpinBox* gain() const { return gain_; }
  QSpinBox* offset() const { return offset_; }
  QSpinBox* kDac() const { return kDac_; }
  QLabel* kDacLabel() const { return kDacLabel_; }
  QSpinBox* zero(int range) const { return zero_[range]; }
  QSpinBox* coeff(int range) const { return coeff_[range]; }
  QComboBox* range() const { return range_; }
  QSpinBox* potential() const { return u_; }
  QSpinBox* resistance() const { return r_; }
  QLineEdit* result() const { return result_; }
  QPushButton* button(const char* objectName) const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // Runs a command on the analyzer when it is on line; device errors are shown.
  bool onDevice(const std::function<void(TTavrelDevice&)>& command);
  void retranslateRanges();

  IOptionsDeviceHost* host_;
  IMessageSink& sink_;
  UiTextBinder text_{"TOptionsForm"};
  TCalibrationBlock shown_;
  QLineEdit* touch_ = nullptr;
  QSpinBox* dacAdc_ = nullptr;
  QSpinBox* dac2_ = nullptr;
  QSpinBox* coarse_ = nullptr;
  QSpinBox* precise_ = nullptr;
  QSpinBox* gain_ = nullptr;
  QSpinBox* offset_ = nullptr;
  QSpinBox* kDac_ = nullptr;
  QLabel* kDacLabel_ = nullptr;
  std::array<QSpinBox*, RangeCount> zero_{};
  std::array<QSpinBox*, RangeCount> coeff_{};
  std::array<QLabel*, RangeCount> rangeLabels_{};
  QComboBox* range_ = nullptr;
  QSpinBox* u_ = nullptr;
  QSpinBox* r_ = nullptr;
  QLineEdit* result_ = nullptr;
};

}  // namespace velmora
