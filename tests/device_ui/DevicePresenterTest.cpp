#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "AnalyzerEmulator.h"
#include "DeviceLink.h"
#include "DeviceStatusPresenter.h"
#include "RecordingMessageSink.h"
#include "ScaledClock.h"

namespace velmora {
namespace {

// Runs the event loop until `condition` holds or `ms` pass.
bool spin(const std::function<bool()>& condition, int ms = 10000) { return QTest::qWaitFor(condition, ms); }

TEST(DevicePresenter, ResetActionPanelIndicatorAndMixer) {
  ScaledClock deviceClock(10.0), emulatorClock(200.0);
  test::RecordingMessageSink sink;
  DeviceLink link(sink, deviceClock, emulatorClock);
  link.configure("emulator", false, 3000);
  QAction reset(QStringLiteral("Reset &device"));
  QAction mixer(QStringLiteral("Turn on/off the mixer "));
  QLabel panel;
  DeviceStatusPresenter presenter(link, &reset, &mixer, &panel);
  EXPECT_TRUE(reset.isEnabled());
  EXPECT_FALSE(mixer.isEnabled());
  EXPECT_EQ(panel.text(), QString());

  QSignalSpy done(&link, &DeviceLink::resetDone);
  reset.trigger();
  EXPECT_FALSE(reset.isEnabled());
  ASSERT_TRUE(spin([&] { return done.count() > 0 && reset.isEnabled(); }));
  EXPECT_TRUE(sink.entries.empty());
  EXPECT_EQ(panel.text(), QStringLiteral("Ready for measurment"));
  EXPECT_TRUE(mixer.isEnabled());
  const QColor lit = presenter.indicator()->palette().color(QPalette::Window);
  EXPECT_TRUE(lit == QColor(Qt::green) || lit == QColor(Qt::red));

  mixer.trigger();
  EXPECT_TRUE(presenter.mixerOn());
  ASSERT_NE(link.emulator(), nullptr);
  EXPECT_TRUE(link.emulator()->motorOn());
  mixer.trigger();
  EXPECT_FALSE(link.emulator()->motorOn());
  presenter.setRecording(true);
  EXPECT_FALSE(mixer.isEnabled());
  presenter.setRecording(false);

  // The analyzer stops answering: the status goes, the indicator returns to the button face.
  EmulatorFaults faults;
  std::string error;
  ASSERT_TRUE(faults.parse("silent=0xD9", error));
  link.emulator()->setFaults(faults);
  mixer.trigger();
  ASSERT_TRUE(spin([&] { return !sink.entries.empty(); }));
  EXPECT_EQ(sink.entries[0].text, "No responce from device. Command №217");
  ASSERT_TRUE(spin([&] { return !mixer.isEnabled(); }));
  EXPECT_EQ(panel.text(), QString());
  EXPECT_EQ(presenter.indicator()->palette().color(QPalette::Window), QPalette().color(QPalette::Button));
}

}  // namespace
}  // namespace velmora
