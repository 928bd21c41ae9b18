#include "CaptionHeaderView.h"

#include <QPainter>
#include <QStyleOptionHeader>

#include "CaptionPainter.h"

namespace velmora {

CaptionHeaderView::CaptionHeaderView(Qt::Orientation orientation, QWidget* parent) : QHeaderView(orientation, parent) {
  setSectionsClickable(true);
}

void CaptionHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  if (!rect.isValid()) return;
  const QString text =
      model() ? model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString() : QString();
  QStyleOptionHeader opt;
  initStyleOption(&opt);
  opt.rect = rect;
  opt.section = logicalIndex;
  opt.text.clear();
  if (isEnabled()) opt.state |= QStyle::State_Enabled;
  if (window()->isActiveWindow()) opt.state |= QStyle::State_Active;
  painter->save();
  style()->drawControl(QStyle::CE_Header, &opt, painter, this);
  painter->restore();

  painter->save();
  QFont font = this->font();
  const QVariant fontData = model() ? model()->headerData(logicalIndex, orientation(), Qt::FontRole) : QVariant();
  if (fontData.canConvert<QFont>()) font = qvariant_cast<QFont>(fontData);
  painter->setFont(font);
  painter->setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
  const QRect inner = rect.adjusted(margin, 0, -margin, 0);
  const QString shown = CaptionPainter::ElideCaption(font, text, inner.width());
  const int width = CaptionPainter::CaptionWidth(font, shown);
  const int x =
      orientation() == Qt::Horizontal ? inner.left() + std::max(0, (inner.width() - width) / 2) : inner.left();
  const int y = rect.top() + (rect.height() - QFontMetrics(font).height()) / 2;
  CaptionPainter::DrawCaption(*painter, inner, x, y, shown);
  painter->restore();
}

QSize CaptionHeaderView::sectionSizeFromContents(int logicalIndex) const {
  QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
  if (!model()) return size;
  const QString text = model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
  const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
  const int plain = fontMetrics().horizontalAdvance(text);
  const int drawn = CaptionPainter::CaptionWidth(font(), text);
  // The markers are not drawn: the section needs the caption's own width.
  size.setWidth(size.width() - plain + drawn + (drawn > plain ? 2 * margin : 0));
  return size;
}

}  // namespace velmora
