#pragma once

#include <QComboBox>
#include <QStyledItemDelegate>

namespace velmora {

// A drop-down list whose items (and shown text) are drawn with the caption
// markup, so that "cm^3^" shows a superscript.
class CaptionComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit CaptionComboBox(QWidget* parent = nullptr);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// Draws an item's text with the caption markup (list views, drop-downs).
class CaptionItemDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace velmora
