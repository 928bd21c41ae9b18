#include "TPageLayout.h"

#include <gtest/gtest.h>

#include <cmath>

#include "DataTable.h"
#include "PeakFormat.h"
#include "PeakValue.h"

using namespace velmora;

namespace {

// A canvas of fixed-width text (10 pixels a character, 20 high) that
// records what is drawn on which page.
class RecordingCanvas : public IPageCanvas {
 public:
  struct Text {
    int page, x, y;
    std::string text;
  };
  struct Box {
    int page, x, y, w, h;
  };
  int pages = 0;
  int fontSize = 0;
  std::vector<Text> texts;
  std::vector<Box> frames;
  std::vector<Box> charts;

  void BeginPage() override { ++pages; }
  void SetFontSize(int points) override { fontSize = points; }
  int TextWidth(const std::string& t) override { return 10 * static_cast<int>(t.size()); }
  int TextHeight(const std::string&) override { return 20; }
  void DrawText(int x, int y, const std::string& t) override { texts.push_back({pages - 1, x, y, t}); }
  void DrawFrame(int x, int y, int w, int h) override { frames.push_back({pages - 1, x, y, w, h}); }
  void DrawChart(int, int x, int y, int w, int h) override { charts.push_back({pages - 1, x, y, w, h}); }

  std::vector<Text> textsOf(const std::string& t) const {
    std::vector<Text> out;
    for (const Text& x : texts) {
      if (x.text == t) out.push_back(x);
    }
    return out;
  }
};

// One pixel a millimetre: margins of 10 mm are 10 pixels.
TPageSetup Page(int width, int height) {
  TPageSetup s;
  s.PageWidth = width;
  s.PageHeight = height;
  s.Dpi = 25.4;
  s.TopMm = s.LeftMm = s.BottomMm = s.RightMm = 10;
  s.BaseFontSize = 8;
  return s;
}

TTextTable Table(int columns, int rows, int textLength) {
  TTextTable t;
  for (int r = 0; r <= rows; ++r) {
    std::vector<std::string> row;
    for (int c = 0; c < columns; ++c) {
      std::string s = (r == 0 ? "H" : "r" + std::to_string(r) + "c") + std::to_string(c);
      s.resize(static_cast<std::size_t>(textLength), '.');
      row.push_back(s);
    }
    t.Rows.push_back(row);
  }
  return t;
}

}  // namespace

TEST(PageLayout, WideTableContinuesInABandBelowFromTheFirstColumnThatDidNotFit) {
  RecordingCanvas canvas;
  TPageLayout layout(canvas, Page(1000, 1400));
  // Columns 18 characters (180 px) plus twice "0": 200 px; 980 px hold four.
  const int pages = layout.Render({TPrintBlock::TableOf(Table(6, 3, 18))});
  EXPECT_EQ(pages, 1);
  const int R = 30;  // 1.5 text heights
  const auto h0 = canvas.textsOf("H0................");
  const auto h4 = canvas.textsOf("H4................");
  const auto h3 = canvas.textsOf("H3................");
  ASSERT_EQ(h0.size(), 1u);
  ASSERT_EQ(h4.size(), 1u);
  EXPECT_EQ(h0[0].x, 10 + 10);  // left margin plus the width of "0"
  EXPECT_EQ(h3[0].x, 10 + 3 * 200 + 10);
  EXPECT_EQ(h3[0].y, h0[0].y);
  // The second band starts at the left margin one row below the first band.
  EXPECT_EQ(h4[0].x, 10 + 10);
  EXPECT_EQ(h4[0].y, h0[0].y + 4 * R + R);
  EXPECT_EQ(canvas.textsOf("r3c5..............")[0].y, h4[0].y + 3 * R);
  // Cells are framed one pixel wider and higher than their pitch.
  EXPECT_EQ(canvas.frames[0].w, 201);
  EXPECT_EQ(canvas.frames[0].h, R + 1);
  EXPECT_EQ(layout.CursorY(), 10 + 4 * R + R + 4 * R + R);
}

TEST(PageLayout, LongTableRepeatsItsHeaderOnEveryNextPage) {
  RecordingCanvas canvas;
  TPageLayout layout(canvas, Page(1000, 500));
  // 480 px of printable height hold 16 rows of 30 px.
  const int pages = layout.Render({TPrintBlock::Heading("Data table"), TPrintBlock::TableOf(Table(2, 40, 6))});
  const auto headers = canvas.textsOf("H0....");
  ASSERT_EQ(static_cast<int>(headers.size()), pages);
  EXPECT_EQ(pages, 3);
  for (int p = 1; p < pages; ++p) {
    EXPECT_EQ(headers[static_cast<std::size_t>(p)].page, p);
    EXPECT_EQ(headers[static_cast<std::size_t>(p)].y, 10 + 6);  // top of the page, text 0.2 row down
  }
  // Every data row once, in order, and no cell beyond the bottom margin.
  int lastPage = 0, lastY = 0;
  for (int r = 1; r <= 40; ++r) {
    std::string name = "r" + std::to_string(r) + "c0";
    name.resize(6, '.');
    const auto cells = canvas.textsOf(name);
    ASSERT_EQ(cells.size(), 1u) << name;
    EXPECT_TRUE(cells[0].page > lastPage || cells[0].y > lastY) << name;
    lastPage = cells[0].page;
    lastY = cells[0].y;
  }
  for (const auto& f : canvas.frames) EXPECT_LE(f.y + f.h - 1, 490);
}

// An experiment's title and file name, then its parameters table: what a
// report prints at the start of every experiment.
TEST(PageLayout, TitlesStayWithWhatTheyIntroduceAndShortTablesAreNotSplit) {
  RecordingCanvas canvas;
  TPageLayout layout(canvas, Page(1000, 500));
  TPrintDocument doc;
  doc.push_back(TPrintBlock::ChartOf(1, 330));  // 330 of 480 px: 150 px left
  doc.push_back(TPrintBlock::Heading("Sample 3", true));
  doc.push_back(TPrintBlock::TextLine("File name: sample3.tvx", 0, true));
  doc.push_back(TPrintBlock::Heading("Record parameters"));
  doc.push_back(TPrintBlock::TableOf(Table(2, 7, 6)));  // 8 rows of 30 px
  EXPECT_EQ(layout.Render(doc), 2);
  // The lines would fit below the chart, the table would not: all go on.
  for (const char* t : {"Sample 3", "File name: sample3.tvx", "Record parameters", "H0....", "r7c0.."}) {
    ASSERT_EQ(canvas.textsOf(t).size(), 1u) << t;
    EXPECT_EQ(canvas.textsOf(t)[0].page, 1) << t;
  }
  EXPECT_EQ(canvas.textsOf("Sample 3")[0].y, 10);

  // A table that fits on no page starts below the cursor when its header
  // and first row fit, and its title stays with it.
  RecordingCanvas long_;
  TPageLayout layout2(long_, Page(1000, 500));
  EXPECT_EQ(layout2.Render({TPrintBlock::ChartOf(1, 330), TPrintBlock::Heading("Data table"),
                            TPrintBlock::TableOf(Table(2, 40, 6))}),
            4);
  EXPECT_EQ(long_.textsOf("Data table")[0].page, 0);
  EXPECT_EQ(long_.textsOf("r1c0..")[0].page, 0);
}

TEST(PageLayout, ChartBlocksNeverSplitAndNeverLeaveAnEmptyPage) {
  RecordingCanvas canvas;
  TPageLayout layout(canvas, Page(800, 500));
  TPrintDocument doc;
  doc.push_back(TPrintBlock::ChartOf(1, 300));  // 300 of 480 px
  doc.push_back(TPrintBlock::ChartOf(2, 200));  // does not fit below: next page
  doc.push_back(TPrintBlock::ChartOf(3, 900));  // taller than a page: fitted to it
  doc.push_back(TPrintBlock::CalcChartOf("Calculation chart", 4, 100));
  EXPECT_EQ(layout.Render(doc), 4);
  ASSERT_EQ(canvas.charts.size(), 4u);
  EXPECT_EQ(canvas.charts[0].page, 0);
  EXPECT_EQ(canvas.charts[1].page, 1);
  EXPECT_EQ(canvas.charts[1].y, 10);
  EXPECT_EQ(canvas.charts[2].page, 2);
  EXPECT_EQ(canvas.charts[2].h, 480);
  EXPECT_EQ(canvas.charts[2].w, 780);
  // The heading of a calculation chart goes with its chart.
  const auto heading = canvas.textsOf("Calculation chart");
  ASSERT_EQ(heading.size(), 1u);
  EXPECT_EQ(heading[0].page, 3);
  EXPECT_EQ(canvas.charts[3].y, heading[0].y + 20);
}

TEST(PageLayout, TextLinesCentreAndNotesUseTheirOwnLineHeight) {
  RecordingCanvas canvas;
  TPageSetup s = Page(1000, 1400);
  s.BaseFontSize = 10;
  TPageLayout layout(canvas, s);
  layout.Render({TPrintBlock::Heading("Report", true),
                 TPrintBlock::NotesOf("Notes", {"X_med_ - medium.", "$Д$ - absolute error."})});
  const auto title = canvas.textsOf("Report");
  ASSERT_EQ(title.size(), 1u);
  EXPECT_EQ(title[0].x, 10 + (980 - 60) / 2);
  EXPECT_EQ(canvas.textsOf("Notes")[0].y, 30);
  EXPECT_EQ(canvas.textsOf("X_med_ - medium.")[0].y, 50);
  EXPECT_EQ(canvas.textsOf("$Д$ - absolute error.")[0].y, 50 + 24);  // round(1.2 * 20)
  EXPECT_EQ(canvas.fontSize, 10);
  EXPECT_EQ(layout.Mm(20), 20);
}

TEST(PageLayout, MarginsAndResolutionSetThePrintableArea) {
  RecordingCanvas canvas;
  TPageSetup s;  // A4 at 300 dpi, fields 20/30/20/15 mm
  TPageLayout layout(canvas, s);
  EXPECT_EQ(layout.LeftPx(), 354);
  EXPECT_EQ(layout.TopPx(), 236);
  EXPECT_EQ(layout.PrintableWidth(), 2480 - 531);
  EXPECT_EQ(layout.PrintableHeight(), 3508 - 472);
}

TEST(DataTable, ElementColumnsByExperimentTypeWithDashForMissingPeaks) {
  TDataArr pts;
  for (int i = 0; i <= 200; ++i) {
    const double x = -1000.0 + 5 * i;
    const double g = (x + 600) / 40;
    pts.push_back({x, 30 + 4 * std::exp(-g * g)});
  }
  TPeakRecord cd;
  cd.Name = "Cd";
  cd.BeginIndex = 60;
  cd.EndIndex = 100;
  cd.CalcType = CalcBySquare;
  CalcPeakValue(pts, nullptr, cd);
  TPeakRecord pb = cd;
  pb.Name = "Pb";
  const TPeaks a = {cd};
  const TPeaks b = {pb, cd};
  TDataTableOptions o;
  o.CalcType = CalcByHeight;
  o.DatabaseCaption = "Database #";
  o.CommentsCaption = "Comments";
  o.TypeCaption = "Measurment type";
  o.UnitWord = "µA";
  o.Comments = false;
  const TTextTable t = BuildDataTable({{"17", "", "Sample", &pts, &a}, {"18", "", "Sample + addition 1", &pts, &b}}, o);
  ASSERT_EQ(t.Rows.size(), 3u);
  EXPECT_EQ(t.Rows[0], (std::vector<std::string>{"Database #", "Measurment type", "Cd, µA", "Pb, µA"}));
  EXPECT_EQ(t.MinWidthText, (std::vector<std::string>{"", "", "0.0000", "0.0000"}));
  // The heights, not the stored areas.
  TPeakRecord h = cd;
  h.CalcType = CalcByHeight;
  const double height = CalcPeakValue(pts, nullptr, h);
  EXPECT_NEAR(height, 4.0, 0.2);
  EXPECT_EQ(t.Rows[1][2], FormatPeakValue(height));
  EXPECT_EQ(t.Rows[1][3], "-");
  EXPECT_EQ(t.Rows[2][3], FormatPeakValue(height));
}
