#include <gtest/gtest.h>

#include "FormatError.h"
#include "InstrumentTextImport.h"
#include "TNodeForest.h"
#include "TVAStruct.h"
#include "TempDir.h"
#include "TextImport.h"

using namespace velmora;
using velmora::test::TempDir;
using Quantity = InstrumentTextImport::Quantity;

namespace {

// Exports in the shapes other potentiostats write: a background sweep of
// about 20 µA with a stripping peak, stored in V and A.
std::string Rows(const std::string& sep, bool decimalComma, int n = 5, const std::string& tail = "") {
  std::string out;
  for (int i = 0; i < n; ++i) {
    const double e = -1.2 + 0.01 * i;
    const double current = 2.0e-5 + 1.0e-6 * i;
    char x[64], y[64];
    std::snprintf(x, sizeof x, "%.4f", e);
    std::snprintf(y, sizeof y, "%.6E", current);
    std::string xs = x, ys = y;
    if (decimalComma) {
      for (char& c : xs) c = c == '.' ? ',' : c;
      for (char& c : ys) c = c == '.' ? ',' : c;
    }
    out += xs + sep + ys + tail + "\r\n";
  }
  return out;
}

}  // namespace

TEST(InstrumentTextImport, UnitsFromNamesAndUnitRows) {
  auto unit = [](const char* name) { return InstrumentTextImport::UnitOfName(name); };
  EXPECT_EQ(unit("E / V").Kind, Quantity::Potential);
  EXPECT_DOUBLE_EQ(unit("E / V").Factor, 1000.0);
  EXPECT_EQ(unit("Potential, mV").Kind, Quantity::Potential);
  EXPECT_DOUBLE_EQ(unit("Potential, mV").Factor, 1.0);
  EXPECT_DOUBLE_EQ(unit("WE(1).Current (A)").Factor, 1e6);
  EXPECT_DOUBLE_EQ(unit("I [mA]").Factor, 1e3);
  EXPECT_DOUBLE_EQ(unit("I/nA").Factor, 1e-3);
  EXPECT_DOUBLE_EQ(unit("Current (\xC2\xB5"
                        "A)")
                       .Factor,
                   1.0);
  EXPECT_DOUBLE_EQ(unit("i / uA").Factor, 1.0);
  EXPECT_EQ(unit("Potential applied (V vs. RHE)").Kind, Quantity::Potential);
  EXPECT_EQ(unit("j / \xC2\xB5"
                 "A/cm\xC2\xB2")
                .Kind,
            Quantity::CurrentDensity);
  EXPECT_EQ(unit("Current density (mA/cm2)").Kind, Quantity::CurrentDensity);
  EXPECT_EQ(unit("Time (s)").Kind, Quantity::Other);
  EXPECT_EQ(unit("Time (s)").Text, "s");
  EXPECT_EQ(unit("Potential").Kind, Quantity::None);
  EXPECT_EQ(InstrumentTextImport::UnitOfText("mV vs Ag/AgCl").Kind, Quantity::Potential);
  EXPECT_EQ(InstrumentTextImport::UnitOfText("s").Kind, Quantity::Other);
}

TEST(InstrumentTextImport, SeparatorsHeadersAndDecimalCommas) {
  struct Case {
    const char* what;
    std::string text;
    double x0, y0;  // first point after conversion
  };
  const std::vector<Case> cases = {
      {"csv with names", "\xEF\xBB\xBF\"Potential (V)\",\"Current (A)\"\n" + Rows(",", false), -1200.0, 20.0},
      {"semicolon, decimal comma, trailing separator", "E / V;I / A;\n" + Rows(";", true, 5, ";"), -1200.0, 20.0},
      {"tab with units row",
       "Potential\tCurrent\nmV\t\xC2\xB5"
       "A\n" +
           Rows("\t", false),
       -1.2, 2.0e-5},
      {"blanks, several header lines", "Exported 2026-12-01\nScan 1\nE/V   I/mA\n" + Rows("   ", false), -1200.0, 0.02},
      {"no header, blanks and decimal comma", Rows(" ", true), -1.2, 2.0e-5},
      {"units row with reference electrode", "E;I\nV vs. RHE;nA\n" + Rows(";", false), -1200.0, 2.0e-8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto table = InstrumentTextImport::Parse(c.text);
    ASSERT_EQ(table.Columns.size(), 2u);
    const TDataArr pts = InstrumentTextImport::Points(table, 0, 1);
    ASSERT_EQ(pts.size(), 5u);
    EXPECT_NEAR(pts[0].X, c.x0, 1e-9);
    EXPECT_NEAR(pts[0].Y, c.y0, std::abs(c.y0) * 1e-9);
  }
  // Exponents of any width, with or without sign.
  const auto wide = InstrumentTextImport::Parse("E,I\n-0.5,1.5E-005\n-0.4,2e+0\n-0.3,3.0e-6\n");
  EXPECT_DOUBLE_EQ(wide.Columns[1].Values[0], 1.5e-5);
  EXPECT_DOUBLE_EQ(wide.Columns[1].Values[1], 2.0);
}

TEST(InstrumentTextImport, SeveralColumnsNeedAChoice) {
  const std::string text =
      "Time (s);WE(1).Potential (V);WE(1).Current (A);Index\n"
      "0;-1,2;2,0E-05;1\n0,1;-1,19;2,1E-05;2\n0,2;-1,18;2,3E-05;3\n";
  const auto table = InstrumentTextImport::Parse(text);
  ASSERT_EQ(table.Columns.size(), 4u);
  EXPECT_EQ(table.Columns[1].Name, "WE(1).Potential (V)");
  const auto guess = InstrumentTextImport::GuessColumns(table);
  ASSERT_TRUE(guess.has_value());
  EXPECT_EQ(*guess, (std::pair<std::size_t, std::size_t>{1, 2}));
  const TDataArr pts = InstrumentTextImport::Points(table, 1, 2);
  EXPECT_NEAR(pts[2].X, -1180.0, 1e-9);
  EXPECT_NEAR(pts[2].Y, 23.0, 1e-9);
  EXPECT_THROW(InstrumentTextImport::Points(table, 1, 4), EFormatError);
  // Without units nothing tells the columns apart.
  EXPECT_FALSE(InstrumentTextImport::GuessColumns(InstrumentTextImport::Parse("1 2 3\n4 5 6\n")).has_value());
}

TEST(InstrumentTextImport, UnreadableTablesAreRefusedWithTheLine) {
  auto lineOf = [](const std::string& text) -> std::string {
    try {
      InstrumentTextImport::Parse(text);
    } catch (const EFormatError& e) {
      return e.message().args.empty() ? "none" : e.message().args[0];
    }
    return "read";
  };
  EXPECT_EQ(lineOf("E;I\n-1;2\n-0,9;2,1\noops;3\n-0,8;2\n"), "4");
  EXPECT_EQ(lineOf("E,I\n1,2\n3,4,5\n"), "3");  // a row with another number of columns
  EXPECT_EQ(lineOf("E;I\n1;2\n3;nan\n"), "3");
  EXPECT_EQ(lineOf("E;I\n1;nan\n"), "none");  // no row of numbers at all
  EXPECT_EQ(lineOf(""), "none");
  EXPECT_EQ(lineOf("only a title\nand words\n"), "none");
  EXPECT_EQ(lineOf(std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)), "none");
  EXPECT_EQ(lineOf("1 2\n3 4\n" + std::string("\x89PNG\0\0", 7) + "\n"), "3");
  std::string hostile(1 << 17, '1');
  EXPECT_EQ(lineOf("E;I\n" + hostile + ";2\n"), "2");
}

TEST(InstrumentTextImport, PlainFilesKeepTheirOwnReader) {
  EXPECT_FALSE(InstrumentTextImport::IsInstrumentTable("-1000 12.5\n-990 13\n"));
  EXPECT_FALSE(InstrumentTextImport::IsInstrumentTable("1 2\nbad\n"));
  EXPECT_FALSE(InstrumentTextImport::IsInstrumentTable(""));
  EXPECT_TRUE(
      InstrumentTextImport::IsInstrumentTable("\xEF\xBB\xBF"
                                              "1 2\n"));
  EXPECT_TRUE(InstrumentTextImport::IsInstrumentTable("E/V I/A\n1 2\n"));
  EXPECT_TRUE(InstrumentTextImport::IsInstrumentTable("1;2\n"));
  EXPECT_TRUE(InstrumentTextImport::IsInstrumentTable("1 2 3\n"));
}

TEST(InstrumentTextImport, ImportAddsOneCurveOrNothing) {
  TempDir dir;
  TNodeForest forest;
  TempDir::writeFile(dir / "blank.csv",
                     "E / V,j / \xC2\xB5"
                     "A/cm\xC2\xB2\n-1.2,20.5\n-1.1,21.5\n");
  TNode* node = InstrumentTextImport::ImportFile(forest, dir / "blank.csv", InstrumentTextImport::ColumnChooser{});
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(node->Name, "blank");
  ASSERT_EQ(node->VA()->Data.size(), 2u);
  EXPECT_DOUBLE_EQ(node->VA()->Data[1].X, -1100.0);
  EXPECT_DOUBLE_EQ(node->VA()->Data[1].Y, 21.5);  // a density keeps its numbers
  EXPECT_EQ(node->VA()->Params.Comments(),
            "Current density, \xC2\xB5"
            "A/cm^2^");
  EXPECT_EQ(node->VA()->Params.ElectrolysisTime(), 0);

  // Several columns: the chooser decides, or cancels the file.
  TempDir::writeFile(dir / "multi.txt", "t\tE (V)\tI (mA)\n0\t-1\t0.02\n1\t-0.9\t0.021\n");
  int asked = 0;
  auto chooser = [&](const InstrumentTextImport::Table& t, const std::string& name) {
    ++asked;
    EXPECT_EQ(t.Columns.size(), 3u);
    EXPECT_EQ(name, "multi.txt");
    return asked == 1 ? std::optional<std::pair<std::size_t, std::size_t>>({1, 2}) : std::nullopt;
  };
  TNode* multi = InstrumentTextImport::ImportFile(forest, dir / "multi.txt", chooser);
  ASSERT_NE(multi, nullptr);
  EXPECT_DOUBLE_EQ(multi->VA()->Data[0].X, -1000.0);
  EXPECT_DOUBLE_EQ(multi->VA()->Data[0].Y, 20.0);
  EXPECT_EQ(InstrumentTextImport::ImportFile(forest, dir / "multi.txt", chooser), nullptr);

  // Fixed columns from the command line, also swapping a two-column file.
  TNode* swapped = InstrumentTextImport::ImportWithColumns(forest, dir / "blank.csv", std::make_pair(1, 0));
  EXPECT_DOUBLE_EQ(swapped->VA()->Data[0].X, 20.5);
  EXPECT_THROW(InstrumentTextImport::ImportWithColumns(forest, dir / "multi.txt", std::nullopt), EFormatError);

  // A refused file adds no node.
  TempDir::writeFile(dir / "bad.csv", "E,I\n1,2\nx,y\n");
  std::size_t roots = 0;
  for (TNode* n = forest.FirstRoot(); n; n = n->NextSibling) ++roots;
  EXPECT_THROW(InstrumentTextImport::ImportFile(forest, dir / "bad.csv", InstrumentTextImport::ColumnChooser{}),
               EFormatError);
  std::size_t after = 0;
  for (TNode* n = forest.FirstRoot(); n; n = n->NextSibling) ++after;
  EXPECT_EQ(after, roots);
}
