#include "CaptionComboBox.h"

#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <algorithm>

#include "CaptionPainter.h"

namespace velmora {

CaptionComboBox::CaptionComboBox(QWidget* parent) : QComboBox(parent) {
  setItemDelegate(new CaptionItemDelegate(this));
}

QSize CaptionComboBox::sizeHint() const {
  QSize size = QComboBox::sizeHint();
  int widest = 0;
  for (int i = 0; i < count(); ++i) widest = std::max(widest, CaptionPainter::CaptionWidth(font(), itemText(i)));
  size.setWidth(std::max(40, widest + 30));
  return size;
}

QSize CaptionComboBox::minimumSizeHint() const { return sizeHint(); }

void CaptionComboBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  const QString text = option.currentText;
  option.currentText.clear();
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
  const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  const int y = field.top() + (field.height() - fontMetrics().height()) / 2;
  CaptionPainter::DrawCaption(painter, field, field.left() + 2, y, text);
}

void CaptionItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem opt = option;
  initStyleOption(&opt, index);
  const QString text = opt.text;
  opt.text.clear();
  const QWidget* widget = opt.widget;
  QStyle* style = widget ? widget->style() : nullptr;
  if (style) style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
  painter->save();
  painter->setFont(opt.font);
  painter->setPen(opt.palette.color(QPalette::Normal,
                                    (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
  // The caption keeps the item's horizontal alignment (numbers stand
  // right) and is shortened in the middle where the cell is too narrow.
  // The text's place beside the icon, as the style lays the item out.
  const QRect textRect = style ? style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget) : opt.rect;
  const QRect area = (textRect.isValid() ? textRect : opt.rect).adjusted(3, 0, -3, 0);
  const QString shown = CaptionPainter::ElideCaption(opt.font, text, area.width());
  const int width = CaptionPainter::CaptionWidth(opt.font, shown);
  int x = area.left();
  if (opt.displayAlignment & Qt::AlignRight)
    x = area.right() + 1 - width;
  else if (opt.displayAlignment & Qt::AlignHCenter)
    x = area.left() + (area.width() - width) / 2;
  const int y = opt.rect.top() + (opt.rect.height() - QFontMetrics(opt.font).height()) / 2;
  CaptionPainter::DrawCaption(*painter, opt.rect.intersected(area.adjusted(-3, 0, 3, 0)), std::max(area.left(), x), y,
                              shown);
  painter->restore();
}

QSize CaptionItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  const QString text = index.data().toString();
  // The markers take no room: the plain text's width gives way to the caption's.
  size.setWidth(size.width() - QFontMetrics(option.font).horizontalAdvance(text) +
                CaptionPainter::CaptionWidth(option.font, text) + 4);
  return size;
}

}  // namespace velmora
