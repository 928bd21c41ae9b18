#include "ChartLegend.h"

#include <qcustomplot.h>

#include <algorithm>

namespace velmora {

namespace {

// The cell of `element` in `grid`; false when it is not there.
bool CellOf(QCPLayoutGrid* grid, QCPLayoutElement* element, int& row, int& column) {
  for (int r = 0; r < grid->rowCount(); ++r) {
    for (int c = 0; c < grid->columnCount(); ++c) {
      if (grid->element(r, c) == element) {
        row = r;
        column = c;
        return true;
      }
    }
  }
  return false;
}

// The object name of the grid that holds a placed legend.
constexpr const char* kHolderName = "legendHolder";

}  // namespace

void ChartLegend::PlaceOutside(QCustomPlot& chart, Qt::Alignment side) {
  QCPLegend* legend = chart.legend;
  QCPAxisRect* plot = chart.axisRect();
  QCPLayoutGrid* grid = chart.plotLayout();
  if (!legend || !plot || !grid) return;
  // Out of wherever it is now; a holder of an earlier placement goes.
  if (QCPLayout* holder = legend->layout()) {
    holder->take(legend);
    if (holder->objectName() == QLatin1String(kHolderName)) {
      grid->remove(holder);
      grid->simplify();
    }
  }
  int row = 0, column = 0;
  if (!CellOf(grid, plot, row, column)) return;
  // The legend keeps its own size in a cell of the plot layout: a holder
  // grid gives the rest of the cell to empty space around it.
  auto* holder = new QCPLayoutGrid;
  holder->setObjectName(QLatin1String(kHolderName));
  holder->setRowSpacing(0);
  holder->setColumnSpacing(0);
  const bool beside = side & (Qt::AlignLeft | Qt::AlignRight);
  if (beside) {
    const int at = side & Qt::AlignLeft ? column : column + 1;
    grid->insertColumn(at);
    grid->addElement(row, at, holder);
    grid->setColumnStretchFactor(at, 0.001);
    legend->setFillOrder(QCPLegend::foRowsFirst, false);
    legend->setWrap(0);
    legend->setMargins(side & Qt::AlignLeft ? QMargins(0, 0, 6, 0) : QMargins(6, 0, 0, 0));
    // At the top of the column.
    holder->addElement(0, 0, legend);
    holder->addElement(1, 0, new QCPLayoutElement(&chart));
    holder->setRowStretchFactors({0.001, 1.0});
  } else {
    const int at = side & Qt::AlignTop ? row : row + 1;
    grid->insertRow(at);
    grid->addElement(at, column, holder);
    grid->setRowStretchFactor(at, 0.001);
    // As many entries side by side as the chart's width holds.
    int widest = 1;
    for (int i = 0; i < legend->itemCount(); ++i)
      widest = std::max(widest, legend->item(i)->minimumOuterSizeHint().width());
    const int width = std::max(1, std::max(chart.viewport().width(), chart.width()) - 20);
    legend->setFillOrder(QCPLegend::foColumnsFirst, false);
    legend->setWrap(std::max(1, width / (widest + legend->columnSpacing())));
    legend->setMargins(side & Qt::AlignTop ? QMargins(0, 0, 0, 4) : QMargins(0, 4, 0, 0));
    // Centred under (or over) the plot.
    holder->addElement(0, 0, new QCPLayoutElement(&chart));
    holder->addElement(0, 1, legend);
    holder->addElement(0, 2, new QCPLayoutElement(&chart));
    holder->setColumnStretchFactors({1.0, 0.001, 1.0});
  }
}

}  // namespace velmora
