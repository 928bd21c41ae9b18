#include "OptionsImagesPage.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "ColorChooser.h"
#include "Numbers.h"
#include "Options.h"

namespace velmora {

namespace {

QSpinBox* spin(QWidget* parent, const char* name, int minimum, int maximum) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(QLatin1String(name));
  box->setRange(minimum, maximum);
  box->setMinimumWidth(70);
  return box;
}

}  // namespace

OptionsImagesPage::OptionsImagesPage(QWidget* parent) : QWidget(parent) {
  for (auto& c : colors_) c = new ColorChooser(this);

  auto* thumbs = text_.bind(new QGroupBox(this), QT_TRANSLATE_NOOP("TOptionsForm", "Thumbnails"));
  // The limits the thumbnail view accepts.
  width_ = spin(thumbs, "WidthBox", 16, 2000);
  height_ = spin(thumbs, "HeightBox", 12, 2000);
  fields_ = spin(thumbs, "FieldsBox", 0, 200);
  margin_ = spin(thumbs, "MarginBox", 0, 200);
  auto* size = new QGridLayout;
  const auto addSpin = [&](int row, int column, const char* caption, QSpinBox* box) {
    auto* label = text_.bind(new QLabel(thumbs), caption);
    label->setBuddy(box);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The first column lines up with the colour captions below.
    if (column == 0) label->setMinimumWidth(95);
    size->addWidget(label, row, column);
    size->addWidget(box, row, column + 1);
  };
  addSpin(0, 0, QT_TRANSLATE_NOOP("TOptionsForm", "Width"), width_);
  addSpin(0, 2, QT_TRANSLATE_NOOP("TOptionsForm", "Height"), height_);
  addSpin(1, 0, QT_TRANSLATE_NOOP("TOptionsForm", "Fields"), fields_);
  addSpin(1, 2, QT_TRANSLATE_NOOP("TOptionsForm", "Margin"), margin_);
  size->setColumnMinimumWidth(2, 70);
  size->setColumnStretch(4, 1);

  auto* thumbColors = new QFormLayout;
  thumbColors->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  const auto addColor = [&](QFormLayout* form, QWidget* owner, const char* caption, ColorKind kind,
                            int labelWidth = 95) {
    colors_[kind]->setParent(owner);
    auto* label = text_.bind(new QLabel(owner), caption);
    label->setBuddy(colors_[kind]->list());
    label->setMinimumWidth(labelWidth);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(label, colors_[kind]);
  };
  addColor(thumbColors, thumbs, QT_TRANSLATE_NOOP("TOptionsForm", "Data:"), Data);
  addColor(thumbColors, thumbs, QT_TRANSLATE_NOOP("TOptionsForm", "Background:"), Background);
  addColor(thumbColors, thumbs, QT_TRANSLATE_NOOP("TOptionsForm", "Border:"), Border);
  addColor(thumbColors, thumbs, QT_TRANSLATE_NOOP("TOptionsForm", "Selection:"), Selection);
  auto* thumbsLayout = new QVBoxLayout(thumbs);
  thumbsLayout->addLayout(size);
  thumbsLayout->addLayout(thumbColors);

  auto* chart = text_.bind(new QGroupBox(this), QT_TRANSLATE_NOOP("TOptionsForm", "Main Chart"));
  auto* chartForm = new QFormLayout;
  chartForm->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  addColor(chartForm, chart, QT_TRANSLATE_NOOP("TOptionsForm", "Background:"), ChartBackground);
  auto* peaks = text_.bind(new QGroupBox(chart), QT_TRANSLATE_NOOP("TOptionsForm", "Peaks colors"));
  auto* peaksForm = new QFormLayout(peaks);
  peaksForm->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  addColor(peaksForm, peaks, QT_TRANSLATE_NOOP("TOptionsForm", "Superimposed:"), Superimposed, 83);
  addColor(peaksForm, peaks, QT_TRANSLATE_NOOP("TOptionsForm", "Matching:"), Matching, 83);
  addColor(peaksForm, peaks, QT_TRANSLATE_NOOP("TOptionsForm", "Caption:"), Caption, 83);
  auto* chartLayout = new QVBoxLayout(chart);
  chartLayout->addLayout(chartForm);
  chartLayout->addWidget(peaks);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(thumbs);
  layout->addWidget(chart);
  layout->addStretch(1);

  // Typing a width keeps the 4:3 picture.
  connect(width_, &QSpinBox::valueChanged, this,
          [this](int w) { height_->setValue(static_cast<int>(RoundHalfEven(w * 3.0 / 4.0))); });
}

void OptionsImagesPage::load(const Options& o) {
  // Stored sizes are shown as they are, without the 4:3 rule.
  const QSignalBlocker block(width_);
  width_->setValue(o.picWidth);
  height_->setValue(o.picHeight);
  fields_->setValue(o.fields);
  margin_->setValue(o.imageMargin);
  colors_[Data]->setValue(o.dataColor);
  colors_[Background]->setValue(o.nodeBackColor);
  colors_[Border]->setValue(o.nodeBorderColor);
  colors_[Selection]->setValue(o.selectColor);
  colors_[ChartBackground]->setValue(o.mainChart);
  colors_[Superimposed]->setValue(o.crossPeaksColor);
  colors_[Matching]->setValue(o.peaksColor);
  colors_[Caption]->setValue(o.peakCaptionColor);
}

void OptionsImagesPage::store(Options& o) const {
  o.picWidth = width_->value();
  o.picHeight = height_->value();
  o.fields = fields_->value();
  o.imageMargin = margin_->value();
  o.dataColor = colors_[Data]->value();
  o.nodeBackColor = colors_[Background]->value();
  o.nodeBorderColor = colors_[Border]->value();
  o.selectColor = colors_[Selection]->value();
  o.mainChart = colors_[ChartBackground]->value();
  o.crossPeaksColor = colors_[Superimposed]->value();
  o.peaksColor = colors_[Matching]->value();
  o.peakCaptionColor = colors_[Caption]->value();
}

void OptionsImagesPage::reset() { load(Options{}); }

void OptionsImagesPage::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) text_.retranslate();
  QWidget::changeEvent(event);
}

}  // namespace velmora
