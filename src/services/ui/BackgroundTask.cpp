#include "BackgroundTask.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>
#include <QWidget>
#include <exception>
#include <thread>

namespace velmora {

namespace {

// Holds back the user's input to every window but the progress window.
class InputHold : public QObject {
 public:
  explicit InputHold(QPointer<QWidget>& allowed) : allowed_(allowed) { qApp->installEventFilter(this); }
  ~InputHold() override { qApp->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::Shortcut:
      case QEvent::ShortcutOverride:
      case QEvent::ContextMenu:
      case QEvent::TouchBegin:
      case QEvent::Drop:
      case QEvent::Close:
        break;
      default:
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && allowed_ && (widget == allowed_ || allowed_->isAncestorOf(widget))) return false;
    if (!widget && event->type() != QEvent::Close) return false;  // windows' own plumbing
    event->ignore();
    return true;
  }

 private:
  QPointer<QWidget>& allowed_;
};

}  // namespace

bool BackgroundTask::Run(QWidget* parent, const QString& label, const std::function<void(Progress&)>& work,
                         int delayMs) {
  Progress progress;
  std::exception_ptr error;
  std::atomic<bool> finished{false};
  QEventLoop loop;
  QPointer<QWidget> dialogRef;
  InputHold hold(dialogRef);

  std::thread worker([&] {
    try {
      work(progress);
    } catch (...) {
      error = std::current_exception();
    }
    finished = true;
    QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
  });

  QProgressDialog dialog(label, tr("Cancel"), 0, 0, parent);
  dialog.setWindowModality(Qt::WindowModal);
  dialog.setAutoReset(false);
  dialog.setAutoClose(false);
  dialog.setMinimumDuration(1 << 30);  // shown by the timer below
  dialog.setObjectName(QStringLiteral("BackgroundTaskProgress"));
  dialogRef = &dialog;
  QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&progress] { progress.cancel(); });

  QTimer show;
  show.setSingleShot(true);
  QObject::connect(&show, &QTimer::timeout, &dialog, [&] {
    if (finished) return;
    dialog.show();
    if (onShown) onShown(progress);
  });
  show.start(std::max(0, delayMs));
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, &dialog, [&] {
    const std::size_t total = progress.total();
    if (total > 0) {
      dialog.setMaximum(static_cast<int>(std::min<std::size_t>(total, 1 << 30)));
      dialog.setValue(static_cast<int>(std::min(progress.done(), total)));
    }
  });
  tick.start(50);

  if (!finished) loop.exec();
  worker.join();
  tick.stop();
  show.stop();
  dialogRef = nullptr;
  dialog.hide();
  if (error) std::rethrow_exception(error);
  return !progress.cancelled();
}

}  // namespace velmora
