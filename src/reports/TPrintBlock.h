#pragma once

#include <string>
#include <vector>

namespace velmora {

// A table of texts; row 0 is the header. A column is as wide as its widest
// text, and at least as wide as its MinWidthText (when given).
struct TTextTable {
  std::vector<std::vector<std::string>> Rows;
  std::vector<std::string> MinWidthText;
};

// One block of a printed document, laid out by TPageLayout.
struct TPrintBlock {
  enum class Kind {
    Text,       // one line, at the base font size plus SizeDelta
    Table,      // in bands, header repeated on every page
    Chart,      // never split across pages
    CalcChart,  // a heading kept on the page of its chart
    Notes,      // a heading and lines at the base font size
  };
  Kind BlockKind = Kind::Text;
  std::string Text;  // the line, or the heading of a calculation chart or the notes
  int SizeDelta = 0;
  bool Centred = false;
  TTextTable Table;
  int Chart = 0;  // the document's chart number, handed to the canvas
  double HeightMm = 80.0;
  std::vector<std::string> Lines;

  static TPrintBlock TextLine(std::string text, int sizeDelta = 0, bool centred = false) {
    TPrintBlock b;
    b.Text = std::move(text);
    b.SizeDelta = sizeDelta;
    b.Centred = centred;
    return b;
  }
  // Headings are four points above the base size.
  static TPrintBlock Heading(std::string text, bool centred = false) { return TextLine(std::move(text), 4, centred); }
  static TPrintBlock TableOf(TTextTable table) {
    TPrintBlock b;
    b.BlockKind = Kind::Table;
    b.Table = std::move(table);
    return b;
  }
  static TPrintBlock ChartOf(int chart, double heightMm) {
    TPrintBlock b;
    b.BlockKind = Kind::Chart;
    b.Chart = chart;
    b.HeightMm = heightMm;
    return b;
  }
  static TPrintBlock CalcChartOf(std::string heading, int chart, double heightMm) {
    TPrintBlock b = ChartOf(chart, heightMm);
    b.BlockKind = Kind::CalcChart;
    b.Text = std::move(heading);
    return b;
  }
  static TPrintBlock NotesOf(std::string heading, std::vector<std::string> lines) {
    TPrintBlock b;
    b.BlockKind = Kind::Notes;
    b.Text = std::move(heading);
    b.Lines = std::move(lines);
    return b;
  }
};

using TPrintDocument = std::vector<TPrintBlock>;

}  // namespace velmora
