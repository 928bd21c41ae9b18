#pragma once

#include <QCoreApplication>
#include <QString>
#include <atomic>
#include <cstddef>
#include <functional>

class QWidget;

namespace velmora {

// Work that may take longer than a moment (smoothing many curves, an
// export, opening a large file) runs on a thread of its own while the window
// keeps answering: it repaints, and after a short delay a progress window
// with "Cancel" shows how far the work got. The work never touches the
// windows or the document: the caller hands it copies and applies its
// result afterwards, on the window's thread, in one step. Meanwhile the
// user's clicks and keys are held back (only the progress window takes
// them), so nothing can change under the work.
class BackgroundTask {
  Q_DECLARE_TR_FUNCTIONS(BackgroundTask)

 public:
  // What the work reports and reads.
  class Progress {
   public:
    bool cancelled() const { return cancel_.load(std::memory_order_relaxed); }
    const std::atomic<bool>& cancelFlag() const { return cancel_; }
    void setTotal(std::size_t total) { total_ = total; }
    void advance(std::size_t steps = 1) { done_ += steps; }
    // The count of steps done, for work that counts on its own.
    std::atomic<std::size_t>& counter() { return done_; }
    void cancel() { cancel_ = true; }
    std::size_t total() const { return total_; }
    std::size_t done() const { return done_; }

   private:
    std::atomic<bool> cancel_{false};
    std::atomic<std::size_t> total_{0};
    std::atomic<std::size_t> done_{0};
  };

  // Runs `work` and returns true when it ran to its end, false when the
  // user cancelled it (the work saw cancelled() and returned). An exception
  // thrown by the work is thrown again here. `delayMs`: how long the work
  // may run before the progress window shows.
  static bool Run(QWidget* parent, const QString& label, const std::function<void(Progress&)>& work, int delayMs = 300);

  // For tests: called on the window's thread once the progress window is
  // up (the test may press "Cancel").
  static inline std::function<void(Progress&)> onShown;
};

}  // namespace velmora
