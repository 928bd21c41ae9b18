#pragma once

#include <QWidget>
#include <array>

#include "UiTextBinder.h"

class QSpinBox;

namespace velmora {

class ColorChooser;
struct Options;

// The "Images and colors" page: thumbnail size, fields, margin and colours,
// the main chart background and the peak colours.
class OptionsImagesPage : public QWidget {
  Q_OBJECT
 public:
  // The colour settings in page order.
  enum ColorKind { Data, Background, Border, Selection, ChartBackground, Superimposed, Matching, Caption, ColorCount };

  explicit OptionsImagesPage(QWidget* parent = nullptr);

  void load(const Options& options);
  // PicWidth, PicHeight, Fields, ImageMargin and the eight colours.
  void store(Options& options) const;
  void reset();

  QSpinBox* widthBox() const { return width_; }
  QSpinBox* heightBox() const { return height_; }
  QSpinBox* fieldsBox() const { return fields_; }
  QSpinBox* marginBox() const { return margin_; }
  ColorChooser* color(ColorKind kind) const { return colors_[kind]; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  UiTextBinder text_{"TOptionsForm"};
  QSpinBox* width_ = nullptr;
  QSpinBox* height_ = nullptr;
  QSpinBox* fields_ = nullptr;
  QSpinBox* margin_ = nullptr;
  std::array<ColorChooser*, ColorCount> colors_{};
};

}  // namespace velmora
