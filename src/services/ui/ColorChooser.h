#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>
#include <functional>

class QComboBox;
class QPushButton;

namespace velmora {

// A colour setting: a list of named colours with swatches and a "Custom..."
// button that opens the colour dialog preset to the current colour. The
// value is the stored 32-bit colour (system colours stay system colours).
class ColorChooser : public QWidget {
  Q_OBJECT
 public:
  // Asks the user for a colour; returns an invalid colour when cancelled.
  using Picker = std::function<QColor(const QColor& initial, QWidget* parent)>;

  explicit ColorChooser(QWidget* parent = nullptr);

  std::int32_t value() const { return value_; }
  void setValue(std::int32_t value);
  QComboBox* list() const { return list_; }
  QPushButton* customButton() const { return custom_; }
  // Replaces the colour dialog (tests answer without a modal dialog).
  static void setPicker(Picker picker);
  void retranslate();

 signals:
  // The user chose another colour.
  void valueChanged(std::int32_t value);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void fill();
  void chooseCustom();
  void onActivated(int index);

  QComboBox* list_ = nullptr;
  QPushButton* custom_ = nullptr;
  std::int32_t value_ = 0;
};

}  // namespace velmora
