#include "TPageLayout.h"

#include <algorithm>

#include "Numbers.h"

namespace velmora {

TPageLayout::TPageLayout(IPageCanvas& canvas, const TPageSetup& setup) : canvas_(canvas), setup_(setup) {
  left_ = Mm(setup_.LeftMm);
  top_ = Mm(setup_.TopMm);
  printableWidth_ = std::max(1, setup_.PageWidth - Mm(setup_.LeftMm + setup_.RightMm));
  printableHeight_ = std::max(1, setup_.PageHeight - Mm(setup_.TopMm + setup_.BottomMm));
  cursorY_ = top_;
}

int TPageLayout::Mm(double mm) const { return static_cast<int>(RoundHalfEven(mm * setup_.Dpi / 25.4)); }

int TPageLayout::Render(const TPrintDocument& document) {
  pageIndex_ = -1;
  NewPage();
  for (std::size_t i = 0; i < document.size(); ++i) {
    // A run of text lines (an experiment's title, a heading) goes to a new
    // page together with the start of the block after it when they do not
    // fit below the cursor together.
    if (document[i].BlockKind == TPrintBlock::Kind::Text &&
        (i == 0 || document[i - 1].BlockKind != TPrintBlock::Kind::Text)) {
      int need = 0;
      std::size_t j = i;
      for (; j < document.size() && document[j].BlockKind == TPrintBlock::Kind::Text; ++j)
        need += StartHeight(document[j]);
      if (j < document.size()) need += StartHeight(document[j]);
      if (cursorY_ + need > Bottom() && need <= printableHeight_ && !atPageTop()) NewPage();
    }
    Block(document[i]);
  }
  return pageIndex_ + 1;
}

void TPageLayout::NewPage() {
  ++pageIndex_;
  cursorY_ = top_;
  canvas_.BeginPage();
}

void TPageLayout::Block(const TPrintBlock& b) {
  switch (b.BlockKind) {
    case TPrintBlock::Kind::Text:
      TextLine(setup_.BaseFontSize + b.SizeDelta, b.Text, 0, b.Centred);
      break;
    case TPrintBlock::Kind::Table:
      Table(b.Table);
      break;
    case TPrintBlock::Kind::Chart:
      Chart(b.Chart, b.HeightMm);
      break;
    case TPrintBlock::Kind::CalcChart:
      CalcChart(b.Text, b.Chart, b.HeightMm);
      break;
    case TPrintBlock::Kind::Notes:
      Notes(b.Text, b.Lines);
      break;
  }
}

void TPageLayout::TextLine(int size, const std::string& text, int height, bool centred) {
  canvas_.SetFontSize(size);
  if (height <= 0) height = canvas_.TextHeight(text);
  if (cursorY_ + height > Bottom() && !atPageTop()) NewPage();
  int x = left_;
  if (centred) x = left_ + (printableWidth_ - canvas_.TextWidth(text)) / 2;
  canvas_.DrawText(x, cursorY_, text);
  cursorY_ += height;
}

TPageLayout::TableMetrics TPageLayout::Measure(const TTextTable& table) {
  TableMetrics m;
  canvas_.SetFontSize(setup_.BaseFontSize);
  m.CharWidth = canvas_.TextWidth("0");
  m.RowHeight = std::max(1, static_cast<int>(RoundHalfEven(1.5 * canvas_.TextHeight("0"))));
  std::size_t columns = 0;
  for (const auto& row : table.Rows) columns = std::max(columns, row.size());
  m.Widths.assign(columns, 0);
  int total = 0;
  for (std::size_t c = 0; c < columns; ++c) {
    for (const auto& row : table.Rows)
      if (c < row.size()) m.Widths[c] = std::max(m.Widths[c], canvas_.TextWidth(row[c]));
    if (c < table.MinWidthText.size()) m.Widths[c] = std::max(m.Widths[c], canvas_.TextWidth(table.MinWidthText[c]));
    m.Widths[c] += 2 * m.CharWidth;
    total += m.Widths[c];
  }
  m.OneBand = total <= printableWidth_;
  return m;
}

int TPageLayout::StartHeight(const TPrintBlock& b) {
  switch (b.BlockKind) {
    case TPrintBlock::Kind::Text:
      canvas_.SetFontSize(setup_.BaseFontSize + b.SizeDelta);
      return canvas_.TextHeight(b.Text);
    case TPrintBlock::Kind::Table: {
      if (b.Table.Rows.empty()) return 0;
      const TableMetrics m = Measure(b.Table);
      const int whole = static_cast<int>(b.Table.Rows.size()) * m.RowHeight;
      return m.OneBand && whole <= printableHeight_ ? whole : 2 * m.RowHeight;
    }
    case TPrintBlock::Kind::Chart:
      return std::clamp(Mm(b.HeightMm), 1, printableHeight_);
    case TPrintBlock::Kind::CalcChart:
    case TPrintBlock::Kind::Notes:
      canvas_.SetFontSize(setup_.BaseFontSize + 4);
      return canvas_.TextHeight(b.Text.empty() ? std::string("H") : b.Text) +
             (b.BlockKind == TPrintBlock::Kind::CalcChart ? std::clamp(Mm(b.HeightMm), 1, printableHeight_) : 0);
  }
  return 0;
}

void TPageLayout::Table(const TTextTable& table) {
  if (table.Rows.empty()) return;
  const TableMetrics m = Measure(table);
  const std::vector<int>& widths = m.Widths;
  const std::size_t columns = widths.size();
  if (columns == 0) return;
  const int w = m.CharWidth;
  const int rowHeight = m.RowHeight;
  canvas_.SetFontSize(setup_.BaseFontSize);
  auto cell = [&](std::size_t r, std::size_t c) -> const std::string& {
    static const std::string empty;
    return c < table.Rows[r].size() ? table.Rows[r][c] : empty;
  };
  // A table that fits on a page in one band starts on a new page rather
  // than split; a longer one starts where its header and a first row fit.
  const int whole = static_cast<int>(table.Rows.size()) * rowHeight;
  const int need = m.OneBand && whole <= printableHeight_ ? whole : 2 * rowHeight;
  if (cursorY_ + need > Bottom() && !atPageTop()) NewPage();

  const std::size_t rows = table.Rows.size();
  const int textOffset = static_cast<int>(RoundHalfEven(0.2 * rowHeight));
  auto drawRow = [&](std::size_t r, std::size_t c0, std::size_t c1, int y) {
    int x = left_;
    for (std::size_t c = c0; c < c1; ++c) {
      canvas_.DrawFrame(x, y, widths[c] + 1, rowHeight + 1);
      canvas_.DrawText(x + w, y + textOffset, cell(r, c));
      x += widths[c];
    }
  };

  int bandTop = cursorY_;
  int bandBottom = cursorY_;
  std::size_t c0 = 0;
  while (c0 < columns) {
    // The columns of this band: as many as fit, at least one.
    std::size_t c1 = c0;
    int used = 0;
    while (c1 < columns && (c1 == c0 || used + widths[c1] <= printableWidth_)) used += widths[c1++];
    // Rows of the band, page by page; each continuation repeats the header.
    int y = bandTop;
    std::size_t next = 0;
    bool continuation = false;
    while (true) {
      int dataOnPage = 0;
      if (continuation) {
        drawRow(0, c0, c1, y);
        y += rowHeight;
      }
      while (next < rows) {
        if (y + rowHeight > Bottom() && (dataOnPage > 0 || (!continuation && next > 0))) break;
        drawRow(next, c0, c1, y);
        y += rowHeight;
        if (next > 0) ++dataOnPage;
        ++next;
      }
      if (next >= rows) break;
      NewPage();
      y = top_;
      continuation = true;
    }
    bandBottom = y;
    c0 = c1;
    if (c0 < columns) {
      // The next band one row below this one, or on a new page when its
      // header and a first row do not fit.
      bandTop = bandBottom + rowHeight;
      if (bandTop + 2 * rowHeight > Bottom()) {
        NewPage();
        bandTop = top_;
      }
    }
  }
  cursorY_ = bandBottom + rowHeight;
}

void TPageLayout::Chart(int chart, double heightMm) {
  // A chart taller than the printable height is fitted to it: it never splits.
  const int height = std::clamp(Mm(heightMm), 1, printableHeight_);
  if (cursorY_ + height > Bottom() && !atPageTop()) NewPage();
  canvas_.DrawChart(chart, left_, cursorY_, printableWidth_, height);
  cursorY_ += height;
}

void TPageLayout::CalcChart(const std::string& heading, int chart, double heightMm) {
  canvas_.SetFontSize(setup_.BaseFontSize + 4);
  const int headingHeight = canvas_.TextHeight(heading.empty() ? std::string("H") : heading);
  const int height = std::clamp(Mm(heightMm), 1, std::max(1, printableHeight_ - headingHeight));
  if (cursorY_ + headingHeight + height > Bottom() && !atPageTop()) NewPage();
  TextLine(setup_.BaseFontSize + 4, heading, headingHeight);
  canvas_.DrawChart(chart, left_, cursorY_, printableWidth_, height);
  cursorY_ += height;
}

void TPageLayout::Notes(const std::string& heading, const std::vector<std::string>& lines) {
  TextLine(setup_.BaseFontSize + 4, heading);
  if (lines.empty()) return;
  canvas_.SetFontSize(setup_.BaseFontSize);
  const int lineHeight = std::max(1, static_cast<int>(RoundHalfEven(1.2 * canvas_.TextHeight(lines.front()))));
  for (const std::string& line : lines) TextLine(setup_.BaseFontSize, line, lineHeight);
}

}  // namespace velmora
