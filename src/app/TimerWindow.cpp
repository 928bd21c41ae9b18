#include "TimerWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

namespace {

QString Clock(int seconds) {
  seconds = std::max(seconds, 0);
  return QStringLiteral("%1:%2:%3")
      .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
      .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
      .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

TimerWindow::TimerWindow(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("TimerForm"));
  beep = [] { QApplication::beep(); };
  duration_ = new QLineEdit(this);
  duration_->setObjectName(QStringLiteral("TimeEdit"));
  duration_->setInputMask(QStringLiteral("99:99:99"));
  duration_->setText(QStringLiteral("00:10:00"));
  duration_->setAlignment(Qt::AlignHCenter);
  digits_ = new QLabel(Clock(600), this);
  digits_->setObjectName(QStringLiteral("TimeLabel"));
  digits_->setAlignment(Qt::AlignCenter);
  QFont big = digits_->font();
  big.setPointSize(28);
  big.setBold(true);
  big.setStyleHint(QFont::Monospace);
  big.setFamily(QStringLiteral("monospace"));
  digits_->setFont(big);
  start_ = new QPushButton(this);
  start_->setObjectName(QStringLiteral("StartButton"));
  auto* row = new QHBoxLayout;
  row->addWidget(duration_, 1);
  row->addWidget(start_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(digits_);
  layout->addLayout(row);
  timer_.setInterval(1000);
  connect(&timer_, &QTimer::timeout, this, &TimerWindow::tick);
  connect(start_, &QPushButton::clicked, this, &TimerWindow::startStop);
  connect(duration_, &QLineEdit::textChanged, this, [this] {
    if (!running()) digits_->setText(Clock(typedSeconds()));
  });
  retranslate();
  resize(260, 120);
}

void TimerWindow::retranslate() {
  setWindowTitle(tr("Timer"));
  start_->setText(running() ? tr("Stop") : tr("Start"));
}

void TimerWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QWidget::changeEvent(event);
}

void TimerWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  emit visibilityChanged(false);
}

void TimerWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  emit visibilityChanged(true);
}

int TimerWindow::typedSeconds() const {
  const QStringList parts = duration_->text().split(QLatin1Char(':'));
  if (parts.size() != 3) return 0;
  const int h = parts[0].trimmed().toInt(), m = parts[1].trimmed().toInt(), s = parts[2].trimmed().toInt();
  return h * 3600 + m * 60 + s;
}

QString TimerWindow::display() const { return digits_->text(); }

void TimerWindow::startStop() {
  if (beep) beep();
  if (running()) {
    reset();
    return;
  }
  remaining_ = typedSeconds();
  digits_->setText(Clock(remaining_));
  if (remaining_ <= 0) {
    reset();
    return;
  }
  timer_.start();
  retranslate();
}

void TimerWindow::tick() {
  if (!running()) return;
  --remaining_;
  digits_->setText(Clock(remaining_));
  if (remaining_ <= 0) {
    if (beep) beep();
    reset();
  }
}

void TimerWindow::reset() {
  timer_.stop();
  remaining_ = 0;
  digits_->setText(Clock(0));
  retranslate();
}

}  // namespace velmora
