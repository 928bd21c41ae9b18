#include <gtest/gtest.h>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "LinkFrame.h"
#include "ProgramStep.h"
#include "ProgramStepEncoder.h"
#include "TVAProgramsArray.h"

using namespace velmora;

namespace {

ProgramStep sampleStep() {
  ProgramStep s = ProgramStep::Default();
  s.SetSweepRate(100);
  s.SetSweepStart(-1200);
  s.SetSweepEnd(150);
  s.SetElectrolysisPotential(-1400);
  s.SetElectrolysisTime(60);
  s.SetCleaningPotential(300);
  s.SetCleaningTime(15);
  s.SetPreparation1Potential(-100);
  s.SetPreparation1Time(5);
  s.SetPreparation2Potential(-200);
  s.SetPreparation2Time(6);
  s.SetCycle(true);
  s.SetCycleCount(3);
  s.SetCycleType(1);
  s.SetReserved53(0x1234);
  s.SetStirrer(true);
  s.SetDelayAfterMixing(10);
  s.SetModulation(true);
  s.SetModulationAmplitude(25);
  s.SetModulationFrequency(40);
  s.SetRetention(true);
  s.SetRetentionPotential(-50);
  s.SetComments("Cd, Pb — фон");
  s.SetMeasurementType(2);
  s.SetTimeMode(0);
  s.SetSkipCycles(1);
  s.SetElectrodeDown(true);
  s.SetSamplerCell(7);
  s.SetElectrodeUp(true);
  s.SetStirrerType(2);
  s.SetCompensation(127);
  return s;
}

}  // namespace

TEST(ProgramStep, FieldsSitAtTheirPackedOffsets) {
  ProgramStep s = sampleStep();
  BinaryWriter w;
  s.WriteTo(w);
  ASSERT_EQ(w.size(), 269u);
  BinaryReader r(w.data());
  EXPECT_EQ(r.i32(), 100);
  EXPECT_EQ(r.i32(), -1200);
  r.seek(44);
  EXPECT_EQ(r.u8(), 1);
  EXPECT_EQ(r.i32(), 3);
  r.seek(53);
  EXPECT_EQ(r.i32(), 0x1234);
  r.seek(62);
  EXPECT_EQ(r.i32(), 3);  // ValuesRange of the default
  r.seek(84);
  EXPECT_EQ(r.shortString(128), "Cd, Pb — фон");
  EXPECT_EQ(r.i32(), 2);  // 213 MeasurementType
  r.seek(245);
  EXPECT_EQ(r.i32(), 7);
  r.seek(260);
  EXPECT_EQ(r.i32(), 1000);
  EXPECT_EQ(r.u8(), 127);
  EXPECT_EQ(r.i32(), 2);  // 265 FilterValue

  // Reserved bytes survive a read and write unchanged.
  std::vector<std::uint8_t> bytes = w.data();
  bytes[230] = 0xAB;
  bytes[252] = 0xCD;
  BinaryReader r2(bytes);
  ProgramStep back;
  back.ReadFrom(r2);
  BinaryWriter w2;
  back.WriteTo(w2);
  EXPECT_EQ(w2.data(), bytes);
  EXPECT_EQ(back.HeadBytes()[230], 0xAB);
  EXPECT_EQ(back.Extra()[8], 0xCD);
}

TEST(ProgramStep, DefaultSetAndVoltammogramCounts) {
  const TVAProgramsArray set = TVAProgramsArray::Default();
  ASSERT_EQ(set.size(), 1u);
  ASSERT_EQ(set[0].size(), 1u);
  const ProgramStep& d = set[0][0];
  EXPECT_EQ(d.ValuesRange(), 3);
  EXPECT_EQ(d.ConjunctionType(), 1);
  EXPECT_EQ(d.StirrerSpeed(), 1000);
  EXPECT_EQ(d.FilterValue(), 2);
  EXPECT_EQ(d.SweepRate(), 0);
  EXPECT_EQ(d.Comments(), "");
  EXPECT_EQ(d.VoltammogramCount(), 0);  // start = end: conditioning only

  ProgramStep s = sampleStep();  // full cycles, 3 of them
  EXPECT_EQ(s.VoltammogramCount(), 6);
  s.SetCycleType(0);
  EXPECT_EQ(s.VoltammogramCount(), 3);
  s.SetCycle(false);
  EXPECT_EQ(s.VoltammogramCount(), 1);
  s.SetCycle(true);
  s.SetCycleCount(-4);
  EXPECT_EQ(s.VoltammogramCount(), 0);
  TVAProgramsArray two = {TSingleProgramArray{sampleStep(), d}, TSingleProgramArray{sampleStep()}};
  EXPECT_EQ(two.VoltammogramCount(), 12);
  EXPECT_EQ(two.StepCount(), 3u);
}

TEST(ProgramStep, TimeModeConversion) {
  EXPECT_EQ(ProgramStep::SweepEndFromDuration(10, 100), 101);
  EXPECT_EQ(ProgramStep::DurationFromSweepEnd(101, 100), 10);
  EXPECT_EQ(ProgramStep::SweepEndFromDuration(1, 300), 4);  // 1000 div 300 + 1
  EXPECT_EQ(ProgramStep::DurationFromSweepEnd(4, 300), 0);  // 900 div 1000
  EXPECT_EQ(ProgramStep::SweepEndFromDuration(7, 0), 7);
  EXPECT_EQ(ProgramStep::SweepEndFromDuration(2147483647, 1), 2147483647);  // saturates
  EXPECT_TRUE(ProgramStep::IsPointCountMode(3));
  EXPECT_FALSE(ProgramStep::IsPointCountMode(4));
}

TEST(ProgramStepEncoder, WordsScalingAndFrame) {
  ProgramStep s = sampleStep();
  s.SetSweepRate(-5);
  s.SetSweepEnd(70000);
  const ProgramStepEncoder::Device plain{0, 10000, false};
  const auto words = ProgramStepEncoder::Encode(s, 0, plain);
  EXPECT_EQ(words[0], 0xFFFB);
  EXPECT_EQ(words[1], static_cast<std::uint16_t>(-1200));
  EXPECT_EQ(words[2], 0x1170);
  EXPECT_EQ(words[4], 60);
  EXPECT_EQ(words[11], 1);
  EXPECT_EQ(words[14], 0x1234);
  EXPECT_EQ(words[17], 3);
  EXPECT_EQ(words[20], 25);
  EXPECT_EQ(words[22], 1);  // Retention
  EXPECT_EQ(words[23], static_cast<std::uint16_t>(-50));
  EXPECT_EQ(words[25], 1);
  EXPECT_EQ(words[26], 0);

  // With a potential scale: round(v * 10000 / KDac); times are not scaled.
  const ProgramStepEncoder::Device scaled{1, 20000, true};
  const auto w2 = ProgramStepEncoder::Encode(s, 5, scaled);
  EXPECT_EQ(w2[1], static_cast<std::uint16_t>(-600));
  EXPECT_EQ(w2[3], static_cast<std::uint16_t>(-700));
  EXPECT_EQ(w2[4], 60);
  EXPECT_EQ(w2[20], 12);  // 12.5 rounds to even
  EXPECT_EQ(w2[22], 3);   // Retention + current control
  EXPECT_EQ(w2[26], 5);

  const auto payload = ProgramStepEncoder::Payload(s, 5, scaled);
  ASSERT_EQ(payload.size(), 56u);
  EXPECT_EQ(payload[0], 5);
  EXPECT_EQ(payload[1], 0xFF);  // word 1 high byte first
  EXPECT_EQ(payload[2], 0xFE);  // -5 * 10000 / 20000 = -2.5 -> -2 (halves to even)
  EXPECT_EQ(payload[55], 0);
  const auto frame = ProgramStepEncoder::Frame(s, 5, scaled);
  ASSERT_EQ(frame.size(), 61u);
  EXPECT_EQ(frame[0], 0xA5);
  EXPECT_EQ(frame[1], 57);
  EXPECT_EQ(frame[2], 0);
  EXPECT_EQ(frame[3], 0xC2);
  EXPECT_TRUE(LinkFrame::isValid(frame));
}
