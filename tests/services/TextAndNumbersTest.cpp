#include <gtest/gtest.h>

#include <cmath>

#include "Cp1251.h"
#include "DateTime.h"
#include "Message.h"
#include "Numbers.h"

using namespace velmora;

TEST(Cp1251Codec, EveryByteRoundTrips) {
  std::vector<std::uint8_t> all(256);
  for (int i = 0; i < 256; ++i) all[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
  const std::string utf8 = Cp1251::toUtf8(all);
  EXPECT_EQ(Cp1251::fromUtf8(utf8), all);
  EXPECT_EQ(Cp1251::toUtf8(std::vector<std::uint8_t>{0xB5, 0xB9, 0xC0, 0xFF}), "µ№Ая");
}

TEST(Cp1251Codec, UnencodableAndMalformedTextBecomesQuestionMarks) {
  EXPECT_EQ(Cp1251::fromUtf8("a\xE4\xB8\xAD"
                             "b"),
            (std::vector<std::uint8_t>{'a', '?', 'b'}));
  EXPECT_EQ(Cp1251::fromUtf8("\xFF\xC3"), (std::vector<std::uint8_t>{'?', '?'}));     // malformed
  EXPECT_EQ(Cp1251::fromUtf8("\xF0\x9F\x98\x80"), (std::vector<std::uint8_t>{'?'}));  // emoji
}

TEST(Numbers, RoundingHalvesToEven) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(-3.5), -4);
  EXPECT_EQ(RoundHalfEven(2.5000001), 3);
  EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
  EXPECT_EQ(RoundHalfEven(1e300), std::numeric_limits<std::int64_t>::max());
}

TEST(Numbers, ReadNumberTriesBothSeparators) {
  EXPECT_EQ(ReadNumber("1.25", -1), 1.25);
  EXPECT_EQ(ReadNumber("1,25", -1), 1.25);
  EXPECT_EQ(ReadNumber(" -3e2 ", -1), -300);
  EXPECT_EQ(ReadNumber("", -1), -1);
  EXPECT_EQ(ReadNumber("abc", 7), 7);
  EXPECT_EQ(ReadNumber("1.2.3", -1), -1);
  EXPECT_EQ(ReadNumber("1,2.3", -1), -1);
  EXPECT_EQ(ReadNumber("+5", -1), 5);
  EXPECT_EQ(ParseInteger(" 42 "), 42);
  EXPECT_FALSE(ParseInteger("4x"));
}

TEST(Numbers, ShortestFormReadsBack) {
  for (double v : {0.1, 1.0 / 3.0, -1234.5678e-9, 1e300, 5e-324}) {
    EXPECT_EQ(ParseDecimal(FormatShortest(v)), v);
  }
  EXPECT_EQ(FormatShortest(1.5), "1.5");
  EXPECT_EQ(FormatShortest(-1.0), "-1");
}

TEST(DateTimes, DayNumbersFrom1899) {
  EXPECT_EQ(DateTime::join({1899, 12, 30, 0, 0, 0, 0}), 0.0);
  EXPECT_EQ(DateTime::join({1970, 1, 1, 0, 0, 0, 0}), DateTime::UnixEpochDays);
  EXPECT_DOUBLE_EQ(DateTime::join({2026, 12, 9, 18, 0, 0, 0}), 46365.75);
  auto parts = DateTime::split(46365.75);
  EXPECT_EQ(parts.year, 2026);
  EXPECT_EQ(parts.month, 12);
  EXPECT_EQ(parts.day, 9);
  EXPECT_EQ(parts.hour, 18);
  const auto tp = DateTime::toSystemClock(DateTime::UnixEpochDays + 1.5);
  EXPECT_EQ(std::chrono::duration_cast<std::chrono::seconds>(tp.time_since_epoch()).count(), 86400 + 43200);
  EXPECT_DOUBLE_EQ(DateTime::fromSystemClock(tp), DateTime::UnixEpochDays + 1.5);
  EXPECT_EQ(DateTime::split(std::nan("")).year, 1899);  // damaged dates do not crash
}

TEST(Messages, PlacesAreFilledInOrder) {
  EXPECT_EQ(Message::substitute("No responce from device. Command №%d", {"17"}),
            "No responce from device. Command №17");
  EXPECT_EQ(Message::substitute("%s of %s, 100%%", {"a", "b"}), "a of b, 100%");
  EXPECT_EQ(Message::substitute("%.2f and %s", {"1.50"}), "1.50 and ");
  EXPECT_EQ(Message("Unknown file format %s", {"X"}).format(), "Unknown file format X");
}

TEST(Messages, TranslationsReorderArgumentsByNumber) {
  // A translation puts the second argument first.
  EXPECT_EQ(Message::substitute("%2: peak %1", {"Cd", "A-1"}), "A-1: peak Cd");
  // An argument may appear twice or not at all; a place beyond the arguments stays empty.
  EXPECT_EQ(Message::substitute("%1/%1 %3", {"x", "y"}), "x/x ");
  // Numbered and sequential places side by side: the numbered one does not
  // consume the sequence.
  EXPECT_EQ(Message::substitute("%2 %s %s", {"a", "b"}), "b a b");
  // Places followed by punctuation, non-ASCII text or the end of the text.
  EXPECT_EQ(Message::substitute("(%1), %2\xc2\xb5"
                                "A, %3",
                                {"1", "2", "3"}),
            "(1), 2\xc2\xb5"
            "A, 3");
  // Printf widths and precisions starting with a digit keep their meaning.
  EXPECT_EQ(Message::substitute("R^2^[%s]=%1.4f", {"Cd", "0.9990"}), "R^2^[Cd]=0.9990");
  EXPECT_EQ(Message::substitute("y=%4.5f+%4.5f*C", {"1.0", "2.0"}), "y=1.0+2.0*C");
  EXPECT_EQ(Message::substitute("%10s|", {"w"}), "w|");
  // "%0" and "%%1" are not places.
  EXPECT_EQ(Message::substitute("%0 %%1", {"a"}), "%0 %1");
}
