#pragma once

#include <QHeaderView>

namespace velmora {

// A table header whose section titles are drawn with the caption markup,
// so that "X_med_" shows a subscript and "dm^3^" a superscript.
class CaptionHeaderView : public QHeaderView {
  Q_OBJECT
 public:
  explicit CaptionHeaderView(Qt::Orientation orientation, QWidget* parent = nullptr);

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
  QSize sectionSizeFromContents(int logicalIndex) const override;
};

}  // namespace velmora
