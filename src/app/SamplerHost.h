#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "SamplerMethod.h"
#include "TVAProgramsArray.h"

namespace velmora {

class MainWindow;
class Settings;
class TSamplerForm;
struct TMethod;

// Hosts the autosampler in the main window: "Autosampler" shows the
// "Autosampler setup" window, "Run" starts its batch through the recording
// receiver, "Set sampler position", "Electrode down" and "Electrode up"
// drive the tray by hand, and every position the analyzer reports goes to
// the status bar ("Cell: %d"), the tray, the cell lists of both windows and
// the batch's progress.
class SamplerHost : public QObject {
  Q_OBJECT
 public:
  SamplerHost(MainWindow& window, Settings& settings);
  ~SamplerHost() override;

  TSamplerForm& form() const { return *form_; }
  // The methods that can run on the autosampler, read whenever the setup
  // window is shown outside a run; by default those of the methods library
  // that have autosampler cells.
  void setMethodSource(std::function<std::vector<SamplerMethod>()> source);
  // What the autosampler needs of a method, in the language `languageId`.
  static SamplerMethod FromMethod(const TMethod& method, std::int32_t languageId);
  // The methods with autosampler cells of the library in `libraryFolder`
  // (those saved in `dataFolder` after them), in load order.
  static std::vector<SamplerMethod> LibraryMethods(const std::filesystem::path& libraryFolder,
                                                   const std::filesystem::path& dataFolder, std::int32_t languageId);
  // A batch runs (started by "Run").
  bool batchRunning() const { return batchRunning_; }

 private:
  void showForm();
  void startBatch();
  void onPosition(int position);
  void updateActions();
  void updateProgress();
  void batchEnded();
  std::optional<TVAProgramsArray> editPrograms(const TVAProgramsArray& programs);

  MainWindow& window_;
  TSamplerForm* form_ = nullptr;
  bool batchRunning_ = false;
  QTimer statusTimer_;
};

}  // namespace velmora
