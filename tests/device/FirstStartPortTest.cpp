// The analyzer's port on a first start, from the ports a computer has.
#include "FirstStartPort.h"

#include <gtest/gtest.h>

using namespace velmora;
using Choice = FirstStartPort::Choice;

namespace {

FirstStartPort::Present Board(const std::string& name) { return {"/dev/" + name, name, false}; }
FirstStartPort::Present Usb(const std::string& name) { return {"/dev/" + name, name, true}; }

}  // namespace

TEST(FirstStartPort, TheAnalyzerIsTakenOnlyWhereItCanBeFound) {
  // Nearly every PC and virtual machine has a serial port of its board: it
  // is not the analyzer, and nothing is opened.
  auto r = FirstStartPort::Choose("/dev/ttyUSB0", {Board("ttyS0")});
  EXPECT_EQ(r.choice, Choice::None);
  EXPECT_FALSE(r.open());
  EXPECT_EQ(r.portName, "/dev/ttyUSB0");
  // A name from another platform is not found either.
  EXPECT_EQ(FirstStartPort::Choose("COM1", {Board("ttyS0"), Board("ttyS1")}).choice, Choice::None);

  // The one USB serial adapter plugged in is the analyzer's.
  r = FirstStartPort::Choose("COM1", {Board("ttyS0"), Usb("ttyACM0")});
  EXPECT_EQ(r.choice, Choice::Adapter);
  EXPECT_TRUE(r.open());
  EXPECT_EQ(r.portName, "/dev/ttyACM0");
  // Two adapters: which one is the analyzer's is the user's to say.
  EXPECT_EQ(FirstStartPort::Choose("COM1", {Usb("ttyUSB0"), Usb("ttyUSB1")}).choice, Choice::None);

  // The configured port where it exists, by either of its names and in any
  // case, before any adapter.
  r = FirstStartPort::Choose("/dev/ttyS1", {Board("ttyS1"), Usb("ttyUSB0")});
  EXPECT_EQ(r.choice, Choice::Configured);
  EXPECT_EQ(r.portName, "/dev/ttyS1");
  EXPECT_EQ(FirstStartPort::Choose(" TTYS1 ", {Board("ttyS1")}).choice, Choice::Configured);
  EXPECT_EQ(FirstStartPort::Choose("COM3", {{"COM3", "", false}}).choice, Choice::Configured);
}

TEST(FirstStartPort, AComputerWithoutSerialPortsGetsTheEmulator) {
  auto r = FirstStartPort::Choose("/dev/ttyUSB0", {});
  EXPECT_EQ(r.choice, Choice::Emulator);
  EXPECT_EQ(r.portName, "emulator");
  EXPECT_TRUE(r.open());
  // A configured emulator stays whatever ports there are.
  r = FirstStartPort::Choose("Emulator", {Usb("ttyUSB0")});
  EXPECT_EQ(r.choice, Choice::Configured);
  EXPECT_EQ(r.portName, "Emulator");
}
