#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include "AnalyzerEmulator.h"
#include "DeviceLink.h"
#include "DeviceUnits.h"
#include "Messages.h"
#include "OptionsCalibrationPage.h"
#include "OptionsDeviceHost.h"
#include "OptionsPortsPage.h"
#include "RecordingMessageSink.h"
#include "ScaledClock.h"
#include "TOptionsForm.h"
#include "TempDir.h"

namespace velmora {
namespace {

// Runs the event loop until `condition` holds or `ms` pass.
bool spin(const std::function<bool()>& condition, int ms = 20000) { return QTest::qWaitFor(condition, ms); }

// The dialog on a link to the built-in emulator, with protocol time sped up.
struct Rig {
  ScaledClock deviceClock{4.0};  // answers stay well inside the waits, also under sanitizers
  ScaledClock emulatorClock{200.0};
  test::TempDir dir;
  test::RecordingMessageSink sink;
  DeviceLink link{sink, deviceClock, emulatorClock};
  Options options;
  OptionsDeviceHost host{link, options};
  TOptionsForm form{&host, sink};
  Rig() {
    link.configure("emulator", false, 3000);
    form.load(options, dir.path());
  }
  OptionsPortsPage& ports() { return form.portsPage(); }
  OptionsCalibrationPage& cal() { return form.calibrationPage(); }
  void test() {
    QSignalSpy done(&ports(), &OptionsPortsPage::testFinished);
    QTest::mouseClick(ports().testButton(), Qt::LeftButton);
    ASSERT_TRUE(spin([&] { return done.count() > 0; }));
  }
  void click(const char* name) { QTest::mouseClick(cal().button(name), Qt::LeftButton); }
};

TEST(OptionsPorts, TestFillsTheDevicePageAndThe3in1BoxAppliesAtOnce) {
  Rig r;
  EXPECT_EQ(r.ports().portBox()->currentText(), QStringLiteral("emulator"));
  EXPECT_GE(r.ports().portBox()->findText(QStringLiteral("emulator")), 0);
  EXPECT_FALSE(r.ports().new3in1Box()->isEnabled());
  EXPECT_EQ(r.ports().versionLabel()->text(), QStringLiteral("-"));

  r.test();
  EXPECT_TRUE(r.sink.entries.empty());
  EXPECT_TRUE(r.link.active());
  EXPECT_EQ(r.ports().statusLabel()->text(), QStringLiteral("Ready for measurment"));
  EXPECT_EQ(r.ports().versionLabel()->text(), QStringLiteral("VA-EMU 1.04"));
  EXPECT_EQ(r.ports().samplerLabel()->text(), QStringLiteral("No"));
  EXPECT_EQ(r.ports().notesLabel()->text(), QStringLiteral("Usage of new 3 in 1 electrode is allowed"));
  ASSERT_TRUE(r.ports().new3in1Box()->isEnabled());
  r.ports().new3in1Box()->click();
  EXPECT_TRUE(r.link.device().UseNew3in1());
  EXPECT_TRUE(r.options.useNew3in1);

  // After the reset the calibration page shows what the analyzer holds.
  EXPECT_EQ(r.link.device().NomberKlb(), 0x0012D687);
  const TCalibrationBlock emu = AnalyzerEmulator::defaultCalibration();
  EXPECT_EQ(r.cal().touchMemory()->text(), QStringLiteral("0012D687"));
  EXPECT_EQ(r.cal().dacAdc()->value(), emu.DacAdc);
  EXPECT_EQ(r.cal().coarse()->value(), emu.Coarse);
  EXPECT_EQ(r.cal().gain()->value(), emu.Gain);
  EXPECT_EQ(r.cal().zero(1)->value(), emu.Zero[1]);
  EXPECT_EQ(r.cal().coeff(3)->value(), emu.Coeff[3]);
  EXPECT_FALSE(r.cal().kDac()->isHidden());
  EXPECT_TRUE(r.cal().kDac()->isReadOnly());
  EXPECT_EQ(r.cal().kDac()->value(), emu.KDac);
}

TEST(OptionsPorts, UnavailablePortsAreReportedAndTheEmulatorCanBeChosenAgain) {
  Rig r;
  r.test();
  ASSERT_TRUE(r.link.active());
  // A port name no device carries: refused, the port in use stays.
  r.ports().choosePort(QStringLiteral("/dev/velmora-no-such-port"));
  ASSERT_EQ(r.sink.entries.size(), 1u);
  EXPECT_EQ(r.sink.entries[0].text, "Unable to open com port");
  EXPECT_EQ(r.link.portName(), QStringLiteral("emulator"));
  EXPECT_EQ(r.ports().portBox()->currentText(), QStringLiteral("emulator"));
  EXPECT_EQ(r.options.portName, Options().portName);

  // A device that is there but is no serial port: the old port is closed.
  if (QFile::exists(QStringLiteral("/dev/null"))) {
    r.ports().portBox()->setEditText(QStringLiteral("/dev/null"));
    QTest::keyClick(r.ports().portBox()->lineEdit(), Qt::Key_Return);
    ASSERT_EQ(r.sink.entries.size(), 2u);
    EXPECT_EQ(r.sink.entries[1].text, "Unable to open com port");
    EXPECT_EQ(r.link.portName(), QStringLiteral("/dev/null"));
    EXPECT_EQ(r.options.portName, "/dev/null");
    EXPECT_FALSE(r.link.active());
    EXPECT_EQ(r.ports().statusLabel()->text(), QString());
  }

  // Back to the emulator from the list: it opens without a word.
  const int emu = r.ports().portBox()->findData(QStringLiteral("emulator"));
  ASSERT_GE(emu, 0);
  r.ports().portBox()->setCurrentIndex(emu);
  emit r.ports().portBox()->activated(emu);
  const std::size_t messages = r.sink.entries.size();
  EXPECT_EQ(r.link.portName(), QStringLiteral("emulator"));
  EXPECT_TRUE(r.link.device().Port()->isOpen());
  EXPECT_EQ(r.options.portName, "emulator");
  r.test();
  EXPECT_EQ(r.sink.entries.size(), messages);
  EXPECT_TRUE(r.link.active());
}

TEST(OptionsCalibration, OffLineCommandsAreRefusedAndCalibrNeedsNoDevice) {
  Rig r;
  r.click("MeasureButton");
  r.click("ApplyButton");
  ASSERT_EQ(r.sink.entries.size(), 2u);
  EXPECT_EQ(r.sink.entries[0].kind, "warning");
  EXPECT_EQ(std::string(r.sink.entries[0].templ), std::string(msg::OptionsDeviceOffLine));
  EXPECT_EQ(r.link.emulator()->commandsReceived(), 0);
  // The K DAC field waits for an analyzer with a potential scale.
  EXPECT_TRUE(r.cal().kDac()->isHidden());

  // "Calibr" with no reading: the arithmetic error, nothing changes.
  const int before = r.cal().coeff(4)->value();
  r.cal().chooseRange(4);
  r.click("CalibrButton");
  ASSERT_EQ(r.sink.entries.size(), 3u);
  EXPECT_EQ(r.sink.entries[2].text, "Division by zero");
  EXPECT_EQ(r.cal().coeff(4)->value(), before);
}

TEST(OptionsCalibration, MeasureCalibrApplyReloadAndTheResistorRegisters) {
  Rig r;
  r.test();
  OptionsCalibrationPage& c = r.cal();
  c.showDevice();
  // Range 4 offers its reference resistance; "-/+" turns the potential round.
  c.range()->setCurrentIndex(2);
  emit c.range()->activated(2);
  EXPECT_EQ(c.resistance()->value(), 100110);
  c.chooseRange(4);
  EXPECT_EQ(c.resistance()->value(), 1000);
  c.potential()->setValue(-1000);
  r.click("SignButton");
  EXPECT_EQ(c.potential()->value(), 1000);

  // Apply stores the bench values that "Measure" uses.
  r.click("ApplyButton");
  ASSERT_TRUE(r.sink.entries.empty()) << r.sink.entries[0].text;
  EXPECT_EQ(r.link.device().CalibrationBlock().BenchPotential, 1000);
  EXPECT_EQ(r.link.device().CalibrationBlock().BenchRange, 4);
  EXPECT_EQ(r.link.device().CalibrationBlock().BenchResistance, 1000);

  r.click("MeasureButton");
  ASSERT_TRUE(r.sink.entries.empty()) << r.sink.entries[0].text;
  const std::int32_t raw = r.link.device().CalibrationBlock().LastRawCurrent;
  EXPECT_NEAR(raw, 1000.0 * 32768 / 32550 + 2, 3);  // the emulator's gain and zero of range 4
  EXPECT_NEAR(c.result()->text().toDouble(), 1000, 4);

  // "Calibr" from the reading; R returns to the range's default afterwards.
  c.resistance()->setValue(1001);
  r.click("CalibrButton");
  ASSERT_TRUE(r.sink.entries.empty()) << r.sink.entries[0].text;
  const int k = c.coeff(4)->value();
  EXPECT_EQ(k, DeviceUnits::CalibrCoefficient(1000, 1001, 4, raw));
  EXPECT_EQ(c.resistance()->value(), 1000);
  EXPECT_EQ(r.link.emulator()->calibration().Coeff[4], 32550);  // nothing sent yet

  // A coefficient above 65535 is refused.
  c.resistance()->setValue(100);
  r.click("CalibrButton");
  ASSERT_EQ(r.sink.entries.size(), 1u);
  EXPECT_EQ(r.sink.entries[0].kind, "error");
  EXPECT_NE(r.sink.entries[0].text.find("65535"), std::string::npos);
  EXPECT_EQ(c.coeff(4)->value(), k);
  r.sink.entries.clear();
  c.chooseRange(4);

  r.click("ApplyButton");
  EXPECT_EQ(r.link.emulator()->calibration().Coeff[4], k);
  EXPECT_EQ(r.link.device().CalibrationBlock().LastRawCurrent, raw);

  // Reload reads the analyzer's block back over the page's edits.
  c.coeff(4)->setValue(1);
  c.zero(0)->setValue(99);
  r.click("ReloadButton");
  EXPECT_EQ(c.coeff(4)->value(), k);
  EXPECT_EQ(c.zero(0)->value(), AnalyzerEmulator::defaultCalibration().Zero[0]);

  // The resistor registers: "Wr " sends the page's four, "Rd " shows the analyzer's.
  c.gain()->setValue(77);
  c.coarse()->setValue(11);
  r.click("ResistorsWrButton");
  EXPECT_EQ(r.link.emulator()->calibration().Gain, 77);
  EXPECT_EQ(r.link.emulator()->calibration().Coarse, 11);
  c.gain()->setValue(5);
  r.click("ResistorsRdButton");
  EXPECT_EQ(c.gain()->value(), 77);
  EXPECT_FALSE(c.button("DacAdcRdButton")->isEnabled());
  EXPECT_TRUE(r.sink.entries.empty());

  // Reset shows the default block without sending it.
  const std::int64_t commands = r.link.emulator()->commandsReceived();
  r.form.selectPage(TOptionsForm::Calibration);
  QTest::mouseClick(r.form.resetButton(), Qt::LeftButton);
  EXPECT_EQ(c.coeff(4)->value(), 32768);
  EXPECT_EQ(c.kDac()->value(), 10000);
  EXPECT_EQ(r.link.emulator()->commandsReceived(), commands);
}

// Pictures of every page when VELMORA_OPTIONS_SCREENSHOTS names a folder
// (scripts/screenshots-options runs it; it is not part of the test run).
TEST(OptionsScreenshots, DISABLED_EveryPage) {
  const QByteArray folder = qgetenv("VELMORA_OPTIONS_SCREENSHOTS");
  if (folder.isEmpty()) GTEST_SKIP() << "VELMORA_OPTIONS_SCREENSHOTS not set";
  Rig r;
  r.test();
  r.form.load(r.options, r.dir.path());
  r.form.show();
  const char* names[] = {"options-general.png", "options-ports.png", "options-calibration.png", "options-images.png"};
  for (int p = 0; p < TOptionsForm::PageCount; ++p) {
    r.form.selectPage(static_cast<TOptionsForm::Page>(p));
    spin([] { return false; }, 150);
    ASSERT_TRUE(r.form.grab().save(QDir(QString::fromLocal8Bit(folder)).filePath(QLatin1String(names[p]))));
  }
}

}  // namespace
}  // namespace velmora
