#include "NumberFormat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

using namespace velmora;

namespace {

const std::string kSpace(NumberFormat::kUnitSpace);

// The C library's locale set to one that writes a decimal comma, if the
// system has one; restored when the test ends.
class CommaLocale {
 public:
  CommaLocale() {
    for (const char* name : {"ru_RU.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU", "de_DE"})
      if (std::setlocale(LC_NUMERIC, name)) return;
  }
  ~CommaLocale() { std::setlocale(LC_NUMERIC, "C"); }
};

TEST(NumberFormat, DigitsFollowTheUncertaintyOrThePeakValueFormat) {
  const CommaLocale comma;  // numbers never follow the C library's locale

  // The peak value format: decimals by magnitude, as the tables show values.
  EXPECT_EQ(NumberFormat::Peak(49.19), "49.2");
  EXPECT_EQ(NumberFormat::Peak(9.2077), "9.21");
  EXPECT_EQ(NumberFormat::Peak(0.007858546168958744), "0.00786");
  EXPECT_EQ(NumberFormat::Peak(123456.7), "1.2346E5");
  EXPECT_EQ(NumberFormat::Peak(-0.000001), "0.00000");

  // Rounded at the uncertainty's second significant digit.
  EXPECT_EQ(NumberFormat::WithUncertainty(0.007858546, 0.00012), "0.00786");
  EXPECT_EQ(NumberFormat::WithUncertainty(16.0594, 0.23), "16.06");
  EXPECT_EQ(NumberFormat::WithUncertainty(1234.5, 150), "1230");
  EXPECT_EQ(NumberFormat::WithUncertainty(0.0786, 0.0012), "0.0786");
  EXPECT_EQ(NumberFormat::WithUncertainty(-0.00001, 0.002), "0.0000");
  // Without a usable uncertainty: the peak value format.
  EXPECT_EQ(NumberFormat::WithUncertainty(16.0594, 0.0), "16.1");
  EXPECT_EQ(NumberFormat::WithUncertainty(16.0594, std::nan("")), "16.1");
  EXPECT_EQ(NumberFormat::Uncertainty(0.0012345), "0.0012");
  EXPECT_EQ(NumberFormat::Uncertainty(152.0), "150");

  // Significant digits: positional while that takes at most 8 decimals,
  // the exponent form beyond; trailing zeros are kept.
  EXPECT_EQ(NumberFormat::Significant(3.503e-05, 4), "0.00003503");
  EXPECT_EQ(NumberFormat::Significant(2.0134e-6, 4), "2.013E-6");
  EXPECT_EQ(NumberFormat::Significant(1.5, 4), "1.500");
  EXPECT_EQ(NumberFormat::Significant(-12345678.0, 3), "-1.23E7");
  EXPECT_EQ(NumberFormat::Significant(0.0, 3), "0");

  // A value under the pointer: one pixel changes the last digit.
  EXPECT_EQ(NumberFormat::AtResolution(-560.559567, 0.37), "-560.6");
  EXPECT_EQ(NumberFormat::AtResolution(0.711634, 0.0012), "0.712");
  EXPECT_EQ(NumberFormat::AtResolution(-560.559567, 2.5), "-561");
  EXPECT_EQ(NumberFormat::AtResolution(-0.0004, 0.01), "0.00");

  // Typed values exactly, without the exponent form of small numbers.
  EXPECT_EQ(NumberFormat::Exact(0.0005), "0.0005");
  EXPECT_EQ(NumberFormat::Exact(0.1), "0.1");
  EXPECT_EQ(NumberFormat::Exact(1250.0), "1250");
  EXPECT_EQ(NumberFormat::Exact(1e-9), "1E-9");
  EXPECT_EQ(NumberFormat::Exact(-2.5e20), "-2.5E20");

  EXPECT_EQ(NumberFormat::Scientific(1.23456e-5, 4), "1.2346e-05");
  EXPECT_EQ(NumberFormat::Decimals(0.98765, 4), "0.9877");
  EXPECT_EQ(NumberFormat::Peak(std::numeric_limits<double>::infinity()), "INF");
}

TEST(NumberFormat, UnitsFollowTheNumberAndCaptionsTurnIntoCharacters) {
  EXPECT_EQ(NumberFormat::WithUnit("12.35", "µA"), "12.35" + kSpace + "µA");
  EXPECT_EQ(NumberFormat::WithUnit("12.35", ""), "12.35");
  EXPECT_EQ(NumberFormat::Heading("Potential", "mV"), "Potential, mV");
  EXPECT_EQ(NumberFormat::Heading("Dilution factor", ""), "Dilution factor");

  EXPECT_EQ(NumberFormat::UnicodeText("µg/dm^3^"), "µg/dm³");
  EXPECT_EQ(NumberFormat::UnicodeText("Diffusion coefficient, cm^2^/s"), "Diffusion coefficient, cm²/s");
  EXPECT_EQ(NumberFormat::UnicodeText("Sweep rate^1/2^"), "Sweep rate½");
  EXPECT_EQ(NumberFormat::UnicodeText("In cell (C_x_),"), "In cell (Cₓ),");
  EXPECT_EQ(NumberFormat::UnicodeText("10^-6^"), "10⁻⁶");
  // A group without characters of its own keeps its letters; markers and
  // unclosed markers go.
  EXPECT_EQ(NumberFormat::UnicodeText("X_med_"), "Xmed");
  EXPECT_EQ(NumberFormat::UnicodeText("$д$, %"), "д, %");
  EXPECT_EQ(NumberFormat::UnicodeText("dm^3"), "dm3");
  EXPECT_EQ(NumberFormat::UnicodeText("Концентрация, мг/дм^3^"), "Концентрация, мг/дм³");
}

}  // namespace
