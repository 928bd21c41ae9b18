#pragma once

#include "TDataPoint.h"
#include "TVAProgramsArray.h"

namespace velmora {

// What the script interpreter asks of the main window: recordings, the
// replay of stored data and the peak calculation type in force.
class IWizardRecording {
 public:
  virtual ~IWizardRecording() = default;

  // Starts a recording of the programs, `loops` times (every step already
  // carries the run's measurement type). The main window calls the
  // interpreter's RecordingFinished or RecordingInterrupted when it ends.
  virtual void StartRecording(const TVAProgramsArray& programs, int loops) = 0;
  // Replaces the device's data buffer by `points` and runs the main
  // window's handling of a finished single recording once.
  virtual void ReplayRecording(const TDataArr& points) = 0;
  // The application's current peak calculation type becomes `calcType`
  // and the main window applies it.
  virtual void SetPeakCalcType(int calcType) = 0;
  // The peak calculation type in force (for the peak search after a
  // recording).
  virtual int PeakCalcType() = 0;
};

}  // namespace velmora
