#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <functional>

namespace velmora {

// The assembly assistant's picture area: draws one SVG frame scaled into
// its rectangle, or a message in place of a frame that could not be read.
// Left and right clicks are handed to the owner (animation speed).
class AssemblyPicture : public QWidget {
  Q_OBJECT
 public:
  explicit AssemblyPicture(QWidget* parent = nullptr);

  // Renders the SVG file; false (and nothing drawn) when it cannot be read.
  bool load(const QString& file);
  void showMessage(const QString& text);
  QString message() const { return message_; }
  const QPixmap& frame() const { return frame_; }
  // Renders an SVG file into a picture of the given size (null on failure).
  static QPixmap render(const QString& file, const QSize& size);

  std::function<void()> leftClicked;
  std::function<void()> rightClicked;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QPixmap frame_;
  QString message_;
};

}  // namespace velmora
