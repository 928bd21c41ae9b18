#include "ColorChooser.h"

#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "ColorValue.h"

namespace velmora {

namespace {

ColorChooser::Picker& picker() {
  static ColorChooser::Picker p;
  return p;
}

QIcon swatch(const QColor& color) {
  QPixmap pix(16, 12);
  pix.fill(color);
  QPainter painter(&pix);
  painter.setPen(Qt::black);
  painter.drawRect(0, 0, pix.width() - 1, pix.height() - 1);
  return QIcon(pix);
}

}  // namespace

ColorChooser::ColorChooser(QWidget* parent) : QWidget(parent) {
  list_ = new QComboBox(this);
  list_->setObjectName(QStringLiteral("ColorList"));
  list_->setMinimumContentsLength(14);
  list_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  custom_ = new QPushButton(this);
  custom_->setObjectName(QStringLiteral("CustomColorButton"));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(list_, 1);
  row->addWidget(custom_);
  fill();
  retranslate();
  connect(list_, &QComboBox::activated, this, [this](int index) { onActivated(index); });
  connect(custom_, &QPushButton::clicked, this, [this] { chooseCustom(); });
}

void ColorChooser::setPicker(Picker p) { picker() = std::move(p); }

void ColorChooser::fill() {
  list_->clear();
  // The first entry holds a colour that is not on the list.
  if (!ColorValue::find(value_)) {
    list_->addItem(swatch(ColorValue::toQColor(value_)), tr("Custom"), QVariant::fromValue<qint32>(value_));
  }
  for (const ColorValue::Named& n : ColorValue::namedColors())
    list_->addItem(swatch(ColorValue::toQColor(n.value)), QCoreApplication::translate("ColorValue", n.name),
                   QVariant::fromValue<qint32>(n.value));
  list_->setCurrentIndex(list_->findData(QVariant::fromValue<qint32>(value_)));
}

void ColorChooser::retranslate() {
  custom_->setText(tr("Custom..."));
  fill();
}

void ColorChooser::setValue(std::int32_t value) {
  value_ = value;
  fill();
}

void ColorChooser::onActivated(int index) {
  const auto v = static_cast<std::int32_t>(list_->itemData(index).value<qint32>());
  if (v == value_) return;
  setValue(v);
  emit valueChanged(value_);
}

void ColorChooser::chooseCustom() {
  const QColor initial = ColorValue::toQColor(value_);
  const QColor chosen = picker() ? picker()(initial, this) : QColorDialog::getColor(initial, this, QString());
  if (!chosen.isValid()) return;
  const std::int32_t v = ColorValue::fromQColor(chosen);
  if (v == value_) return;
  setValue(v);
  emit valueChanged(value_);
}

void ColorChooser::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QWidget::changeEvent(event);
}

}  // namespace velmora
