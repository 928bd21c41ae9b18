#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

// The small stay-on-top countdown of "Show timer": the duration is typed
// as "hh:mm:ss"; "Start" beeps and counts down in whole seconds, beeping
// again at zero; "Stop" beeps and resets.
class TimerWindow : public QWidget {
  Q_OBJECT
 public:
  explicit TimerWindow(QWidget* parent = nullptr);

  bool running() const { return timer_.isActive(); }
  int remaining() const { return remaining_; }
  QLineEdit* durationField() const { return duration_; }
  QPushButton* startButton() const { return start_; }
  QString display() const;
  // "Start" or "Stop" pressed.
  void startStop();
  // One second passed.
  void tick();
  // Replaces the platform's beep (tests count them).
  std::function<void()> beep;

 signals:
  void visibilityChanged(bool visible);

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void retranslate();
  void reset();
  int typedSeconds() const;

  QLineEdit* duration_ = nullptr;
  QLabel* digits_ = nullptr;
  QPushButton* start_ = nullptr;
  QTimer timer_;
  int remaining_ = 0;
};

}  // namespace velmora
