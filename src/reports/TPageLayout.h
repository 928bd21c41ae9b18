#pragma once

#include "IPageCanvas.h"
#include "TPrintBlock.h"

namespace velmora {

// Page size, resolution, margins ("Fields", mm) and the base font size.
struct TPageSetup {
  int PageWidth = 2480;  // pixels of the drawing surface
  int PageHeight = 3508;
  double Dpi = 300.0;  // horizontal resolution; vertical distances use it too
  double TopMm = 20.0;
  double LeftMm = 30.0;
  double BottomMm = 20.0;
  double RightMm = 15.0;
  int BaseFontSize = 8;
};

// Lays a document out on pages by a vertical cursor: each block goes below
// the previous one, and a block that does not fit starts a new page. Text
// lines and charts never split; tables continue in bands to the right
// (below the first band) and on further pages with their header row
// repeated. A table that fits on one page in one band is not split, and
// text lines stay on the page of the block they introduce. The same layout
// draws on a printer and on preview pages.
class TPageLayout {
 public:
  TPageLayout(IPageCanvas& canvas, const TPageSetup& setup);

  // Lays out the whole document from a new first page; returns the number
  // of pages.
  int Render(const TPrintDocument& document);

  // The steps Render uses, for callers that build pages themselves.
  void NewPage();
  // A line of `size` points; `height` 0 takes the text's own height.
  void TextLine(int size, const std::string& text, int height = 0, bool centred = false);
  void Table(const TTextTable& table);
  void Chart(int chart, double heightMm);
  void CalcChart(const std::string& heading, int chart, double heightMm);
  void Notes(const std::string& heading, const std::vector<std::string>& lines);
  void Block(const TPrintBlock& block);

  // Millimetres to pixels.
  int Mm(double mm) const;
  int LeftPx() const { return left_; }
  int TopPx() const { return top_; }
  int PrintableWidth() const { return printableWidth_; }
  int PrintableHeight() const { return printableHeight_; }
  int Bottom() const { return top_ + printableHeight_; }
  int CursorY() const { return cursorY_; }
  int PageIndex() const { return pageIndex_; }
  int BaseFontSize() const { return setup_.BaseFontSize; }

 private:
  bool atPageTop() const { return cursorY_ <= top_; }
  struct TableMetrics {
    std::vector<int> Widths;  // column pitches
    int RowHeight = 1;
    int CharWidth = 0;
    bool OneBand = true;
  };
  TableMetrics Measure(const TTextTable& table);
  // The height a block needs on its first page to start there.
  int StartHeight(const TPrintBlock& block);

  IPageCanvas& canvas_;
  TPageSetup setup_;
  int left_ = 0;
  int top_ = 0;
  int printableWidth_ = 0;
  int printableHeight_ = 0;
  int cursorY_ = 0;
  int pageIndex_ = -1;
};

}  // namespace velmora
