#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

#include "SamplerTray.h"

namespace velmora {

// One cell of the autosampler's tray: a round shape that shows the cell's
// number, its kind by colour and its caption. Hovering or clicking it makes
// it the tray's active cell; dragging it onto another cell exchanges the two.
class TSamplerCell : public QWidget {
  Q_OBJECT
 public:
  // `index` 0..14 (shown as 1..15).
  TSamplerCell(int index, QWidget* parent = nullptr);

  int index() const { return index_; }
  // The cell's state, as the tray model holds it.
  void setCell(const SamplerTray::Cell& cell);
  const SamplerTray::Cell& cell() const { return cell_; }
  // `CellType`, `Comment`, `Sample` as published by the shape.
  int CellType() const { return cell_.CellType; }
  QString Comment() const;
  int Sample() const { return cell_.Sample; }
  void setActive(bool active);
  bool active() const { return active_; }
  // The tray stands at this cell: the electrode is above it.
  void setUnderElectrode(bool on);
  bool underElectrode() const { return underElectrode_; }

  // The fill colour of a cell type (-1 free, 0 service, 1..6 sample cells).
  static QColor colorOf(int cellType);
  // The MIME type of a dragged cell (its index as text).
  static const char* mimeType();

 signals:
  // The mouse came over the cell, or it was clicked.
  void activated(int index);
  // Another cell was dropped onto this one.
  void exchangeRequested(int from, int to);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  int index_;
  SamplerTray::Cell cell_;
  bool active_ = false;
  bool underElectrode_ = false;
  QPoint pressPos_;
  bool pressed_ = false;
};

}  // namespace velmora
