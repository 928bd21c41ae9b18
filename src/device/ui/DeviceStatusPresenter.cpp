#include "DeviceStatusPresenter.h"

#include <QAction>
#include <QLabel>
#include <QPalette>

#include "DeviceLink.h"
#include "EDeviceError.h"
#include "LanguageChangeWatch.h"

namespace velmora {

DeviceStatusPresenter::DeviceStatusPresenter(DeviceLink& link, QAction* resetAction, QAction* mixerAction,
                                             QLabel* statusPanel, QObject* parent)
    : QObject(parent), link_(link), reset_(resetAction), mixer_(mixerAction), panel_(statusPanel) {
  indicator_ = new QLabel;
  indicator_->setObjectName(QStringLiteral("ConnectionIndicator"));
  indicator_->setFixedSize(14, 14);
  indicator_->setAutoFillBackground(true);
  indicator_->setFrameShape(QFrame::Panel);
  indicator_->setFrameShadow(QFrame::Sunken);
  emulatorLabel_ = new QLabel;
  emulatorLabel_->setObjectName(QStringLiteral("EmulatorLabel"));
  auto retranslate = [label = emulatorLabel_] {
    label->setText(emulatorText());
    label->setToolTip(
        tr("The analyzer is the built-in emulator: every voltammogram recorded now is simulated and marked so."));
  };
  retranslate();
  new LanguageChangeWatch(emulatorLabel_, retranslate);
  emulatorLabel_->setStyleSheet(
      QStringLiteral("QLabel { background: #c62828; color: white; font-weight: bold; padding: 0 6px; }"));
  blink_.setInterval(400);
  connect(&blink_, &QTimer::timeout, this, [this] {
    blinkGreen_ = !blinkGreen_;
    paintIndicator(true);
  });
  if (reset_) connect(reset_, &QAction::triggered, this, [this] { onReset(); });
  if (mixer_) connect(mixer_, &QAction::triggered, this, [this] { onMixer(); });
  connect(&link_, &DeviceLink::statusChanged, this, [this] { refresh(); });
  connect(&link_, &DeviceLink::resetDone, this, [this] { refresh(); });
  connect(&link_, &DeviceLink::connectedChanged, this, [this] { refresh(); });
  connect(&link_, &DeviceLink::portChanged, this, [this] { refresh(); });
  refresh();
}

DeviceStatusPresenter::~DeviceStatusPresenter() {
  // The indicator is deleted with the window that holds it; a never-placed one here.
  if (indicator_ && !indicator_->parent()) delete indicator_;
  if (emulatorLabel_ && !emulatorLabel_->parent()) delete emulatorLabel_;
}

QString DeviceStatusPresenter::emulatorText() { return tr("EMULATOR - simulated data"); }

void DeviceStatusPresenter::onReset() {
  if (reset_) reset_->setEnabled(false);
  link_.reset();
  refresh();
}

void DeviceStatusPresenter::onMixer() {
  const bool on = !mixerOn_;
  try {
    link_.device().SetMixerOnOff(on);
  } catch (const EDeviceError& e) {
    link_.showError(e.message());
    return;
  }
  mixerOn_ = on;
  if (mixer_ && mixer_->isCheckable()) mixer_->setChecked(on);
  refresh();
}

void DeviceStatusPresenter::setRecording(bool on) {
  recording_ = on;
  refresh();
}

void DeviceStatusPresenter::refresh() {
  const bool active = link_.active();
  if (reset_) reset_->setEnabled(!link_.resetting());
  if (mixer_) mixer_->setEnabled(active && !recording_);
  if (panel_) panel_->setText(link_.statusText());
  // Only a placed label is shown (a free one would become a window of its own).
  if (emulatorLabel_ && emulatorLabel_->parentWidget()) emulatorLabel_->setVisible(link_.emulated());
  if (active && !blink_.isActive()) {
    blink_.start();
    paintIndicator(true);
  } else if (!active && blink_.isActive()) {
    blink_.stop();
  }
  if (!active) paintIndicator(false);
}

void DeviceStatusPresenter::paintIndicator(bool lit) {
  if (!indicator_) return;
  QPalette p = indicator_->palette();
  const QColor face = indicator_->style() ? QPalette().color(QPalette::Button) : QColor(Qt::lightGray);
  p.setColor(QPalette::Window, lit ? (blinkGreen_ ? QColor(Qt::green) : QColor(Qt::red)) : face);
  indicator_->setPalette(p);
  indicator_->setToolTip(lit ? link_.portName() : QString());
}

}  // namespace velmora
