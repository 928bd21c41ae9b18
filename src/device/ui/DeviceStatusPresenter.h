#pragma once

#include <QAction>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QTimer>

namespace velmora {

class DeviceLink;

// Shows the analyzer link in a window: drives the "Reset device" and mixer
// actions, keeps a status panel showing the device status text, blinks a
// connection indicator green and red while the link is on line (button face
// when off line), and shows a label that stays visible as long as the link
// talks to the built-in emulator, whose data are simulated.
class DeviceStatusPresenter : public QObject {
  Q_OBJECT
 public:
  // Any of the widgets may be null. The indicator is created here and owned
  // by this object's parent window once placed (e.g. in the status bar).
  DeviceStatusPresenter(DeviceLink& link, QAction* resetAction, QAction* mixerAction, QLabel* statusPanel,
                        QObject* parent = nullptr);
  ~DeviceStatusPresenter() override;

  QLabel* indicator() const { return indicator_; }
  // Shown while the port is the emulator; placed like the indicator.
  QLabel* emulatorLabel() const { return emulatorLabel_; }
  // The label's text, also used for window titles.
  static QString emulatorText();
  // Re-reads the link's state into the actions, the panel and the indicator.
  void refresh();
  bool mixerOn() const { return mixerOn_; }
  // While a recording runs the mixer cannot be switched.
  void setRecording(bool on);

 private:
  void onReset();
  void onMixer();
  void paintIndicator(bool lit);

  DeviceLink& link_;
  QPointer<QAction> reset_;
  QPointer<QAction> mixer_;
  QPointer<QLabel> panel_;
  QPointer<QLabel> indicator_;
  QPointer<QLabel> emulatorLabel_;
  QTimer blink_;
  bool blinkGreen_ = false;
  bool recording_ = false;
  bool mixerOn_ = false;
};

}  // namespace velmora
