#include "PeakFormat.h"

#include <gtest/gtest.h>

#include "CalcTypeCycle.h"

using namespace velmora;

TEST(FormatPeakValue, DecimalsBySizeAndSignificantDigits) {
  EXPECT_EQ(FormatPeakValue(12.345), "12.3");
  EXPECT_EQ(FormatPeakValue(1234.56), "1234.6");
  EXPECT_EQ(FormatPeakValue(12345.67), "12346.0");  // five significant digits
  EXPECT_EQ(FormatPeakValue(123456.7), "1.2346E5");
  EXPECT_EQ(FormatPeakValue(10.0), "10.00");  // not above 10
  EXPECT_EQ(FormatPeakValue(5.678), "5.68");
  EXPECT_EQ(FormatPeakValue(0.56789), "0.568");
  EXPECT_EQ(FormatPeakValue(0.056789), "0.0568");
  EXPECT_EQ(FormatPeakValue(0.0056789), "0.00568");
  EXPECT_EQ(FormatPeakValue(0.0), "0.00000");
  EXPECT_EQ(FormatPeakValue(-3.2), "-3.20000");
  EXPECT_EQ(FormatPeakValue(-1234.5), "-1234.50000");
  EXPECT_EQ(FormatPeakValue(-0.000001), "0.00000");
  EXPECT_EQ(FormatPeakValue(9.99996), "10.00");
}

TEST(CalcTypes, CycleShownTypeAndVocabulary) {
  int type = 0;
  std::vector<int> order;
  for (int i = 0; i < 9; ++i) {
    order.push_back(type);
    type = NextCalcType(type);
  }
  EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 7, 3, 4, 5, 6, 0}));
  EXPECT_EQ(NextCalcType(-1), 0);
  EXPECT_EQ(NextBaselineType(0), 1);
  EXPECT_EQ(NextBaselineType(1), 0);
  EXPECT_EQ(StoredCalcType(-1), 1);
  EXPECT_EQ(StoredCalcType(4), 4);

  EXPECT_EQ(CurrentCalcType(), 1);
  std::vector<TElementPeak> table(2);
  table[0].CalcType = table[1].CalcType = 3;
  EXPECT_EQ(ShownCalcType(table, 1), 3);
  table[1].CalcType = -1;
  EXPECT_EQ(ShownCalcType(table, 1), 1);
  table[0].CalcType = -1;
  EXPECT_EQ(ShownCalcType(table, 1), -1);
  EXPECT_EQ(ShownCalcType({}, 5), 5);
  table[1].BaselineType = 1;
  EXPECT_EQ(ShownBaselineType(table, 0), 0);

  EXPECT_STREQ(CalcTypeReportName(7), "by abs height with line");
  EXPECT_STREQ(CalcTypeUnit(1), "µA*mV");
  EXPECT_STREQ(CalcTypeUnit(6), "mV");
  EXPECT_STREQ(BaselineTypeName(1), "Spline");
  EXPECT_EQ(CalcTypeReportName(8), nullptr);
}
