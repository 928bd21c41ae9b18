#pragma once

#include "IUndoRecorder.h"

namespace velmora {

// Suspends an undo recorder for a bulk operation (loading a file) and puts
// back its previous state when the scope ends, also when the operation
// throws. A null recorder is left alone.
class TUndoSuspendGuard {
 public:
  explicit TUndoSuspendGuard(IUndoRecorder* recorder)
      : recorder_(recorder), wasSuspended_(recorder != nullptr && recorder->Suspended()) {
    if (recorder_ != nullptr && !wasSuspended_) recorder_->Suspend(true);
  }
  ~TUndoSuspendGuard() {
    if (recorder_ != nullptr && !wasSuspended_) recorder_->Suspend(false);
  }
  TUndoSuspendGuard(const TUndoSuspendGuard&) = delete;
  TUndoSuspendGuard& operator=(const TUndoSuspendGuard&) = delete;

 private:
  IUndoRecorder* recorder_;
  bool wasSuspended_;
};

}  // namespace velmora
