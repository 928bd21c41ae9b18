#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QTableWidget>

#include "CaptionComboBox.h"
#include "CaptionHeaderView.h"

using namespace velmora;

namespace {

// The lowest and the rightmost dark pixel inside `r` of `img`.
struct Ink {
  int lowest = -1;
  int rightmost = -1;
};

Ink inkIn(const QImage& img, const QRect& r) {
  Ink ink;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (qGray(img.pixel(x, y)) < 110) {
        ink.lowest = std::max(ink.lowest, y);
        ink.rightmost = std::max(ink.rightmost, x);
      }
  return ink;
}

// A two-column grid whose header and cells are drawn with the caption markup.
struct Grid {
  QTableWidget table{2, 2};
  Grid(const QString& header, const QString& cell, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    table.setHorizontalHeader(new CaptionHeaderView(Qt::Horizontal, &table));
    table.setItemDelegate(new CaptionItemDelegate(&table));
    table.verticalHeader()->hide();
    QFont font = table.font();
    font.setPixelSize(18);
    table.setFont(font);
    table.horizontalHeader()->setFont(font);
    table.setHorizontalHeaderLabels({header, QStringLiteral("-")});
    auto* item = new QTableWidgetItem(cell);
    item->setTextAlignment(alignment);
    table.setItem(0, 0, item);
    table.setColumnWidth(0, 160);
    table.resize(360, 200);
    table.show();
    QApplication::processEvents();
  }
  QImage image() { return table.grab().toImage(); }
  QRect headerRect() const {
    const QHeaderView* h = table.horizontalHeader();
    return QRect(h->mapTo(&table, QPoint(h->sectionViewportPosition(0), 0)), QSize(h->sectionSize(0), h->height()));
  }
  QRect cellRect() const {
    return table.visualItemRect(table.item(0, 0)).translated(table.viewport()->mapTo(&table, QPoint(0, 0)));
  }
};

}  // namespace

TEST(CaptionViews, HeadersAndCellsDrawSubscriptsAndSuperscripts) {
  // A subscript in the header reaches below the same letters on the line.
  Grid marked("X_med_", "dm^3^");
  Grid flat("Xmed", "dm3");
  const Ink headerMarked = inkIn(marked.image(), marked.headerRect().adjusted(1, 1, -2, -2));
  const Ink headerFlat = inkIn(flat.image(), flat.headerRect().adjusted(1, 1, -2, -2));
  ASSERT_GE(headerFlat.lowest, 0);
  EXPECT_GT(headerMarked.lowest, headerFlat.lowest);
  // The markers themselves take no room in the section.
  EXPECT_LE(marked.table.horizontalHeader()->sectionSizeHint(0), flat.table.horizontalHeader()->sectionSizeHint(0));

  // A superscript in a cell stays above the base line: the cell's ink ends
  // higher than the flattened text's.
  const Ink cellMarked = inkIn(marked.image(), marked.cellRect().adjusted(1, 1, -2, -2));
  const Ink cellFlat = inkIn(flat.image(), flat.cellRect().adjusted(1, 1, -2, -2));
  ASSERT_GE(cellFlat.lowest, 0);
  EXPECT_LE(cellMarked.lowest, cellFlat.lowest);
  EXPECT_LT(cellMarked.rightmost, cellFlat.rightmost);

  // Numbers keep standing right.
  Grid right("n", "12.5", Qt::AlignRight | Qt::AlignVCenter);
  const QRect cell = right.cellRect();
  const Ink ink = inkIn(right.image(), cell.adjusted(1, 1, -2, -2));
  EXPECT_GT(ink.rightmost, cell.center().x() + cell.width() / 4);
}
