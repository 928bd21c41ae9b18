#pragma once

#include <QLabel>
#include <QWidget>

#include "Message.h"

namespace velmora {

// The small "Starting" window shown while the workstation loads.
class SplashWindow : public QWidget {
  Q_OBJECT
 public:
  explicit SplashWindow(QWidget* parent = nullptr);
  // Shows a catalogue text (translated) and lets the window repaint.
  void showStatus(const char* catalogueText);
  // A catalogue text with its arguments.
  void showStatus(const Message& message);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void retranslateUi();

  QLabel* title_;
  QLabel* status_;
  QLabel* version_;
  Message shown_;
};

}  // namespace velmora
