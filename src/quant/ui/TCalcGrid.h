#pragma once

#include <QTableWidget>

#include "CalcGridLayout.h"

namespace velmora {

// The table of curves and elements of the calculation window: a string grid
// whose cells are drawn by the kind the layout gives them (caption markup,
// unit fractions, colour squares, red frames) with the fill handle at the
// bottom-right corner of a selected block of peak cells.
class TCalcGrid : public QTableWidget {
  Q_OBJECT
 public:
  // Item data roles the window fills.
  static constexpr int kRedFrameRole = Qt::UserRole + 1;  // bool
  static constexpr int kUnitTopRole = Qt::UserRole + 2;   // unit caption above the fraction line
  static constexpr int kUnitBottomRole = Qt::UserRole + 3;
  static constexpr int kColorRole = Qt::UserRole + 4;  // the curve's colour (column 0)

  explicit TCalcGrid(QWidget* parent = nullptr);

  void setLayoutModel(const CalcGridLayout* layout) { layout_ = layout; }
  const CalcGridLayout* layoutModel() const { return layout_; }
  // The fill handle's square in viewport coordinates (empty when none).
  QRect fillHandleRect() const { return handle_; }
  bool fillDragging() const { return dragging_; }

  // The text of the selected block: cells separated by a tab, each row
  // ended by a carriage return.
  QString selectionText() const;

 signals:
  // A fill-handle drag ended: rows [sourceTop, sourceBottom] of columns
  // [left, right] are to be repeated over rows [targetTop, targetBottom].
  void fillRequested(int sourceTop, int sourceBottom, int left, int right, int targetTop, int targetBottom);
  void copyRequested();
  void pasteRequested();
  void hintChanged(const QString& hint);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool blockRange(QTableWidgetSelectionRange& range) const;
  QRect rangeRect(const QTableWidgetSelectionRange& range) const;

  const CalcGridLayout* layout_ = nullptr;
  QRect handle_;
  bool dragging_ = false;
  bool overHandle_ = false;
  QTableWidgetSelectionRange dragStart_;
  int dragRow_ = -1;
};

}  // namespace velmora
