#include "DataFolderMove.h"

#include "CalibrationsHost.h"
#include "DataFolder.h"
#include "MainWindow.h"
#include "MethodsHost.h"
#include "RecordingReceiver.h"
#include "ReportHost.h"
#include "Settings.h"
#include "StatisticsHost.h"
#include "TMethodsLibrary.h"

namespace velmora {

bool DataFolderMove::apply(MainWindow& window, Settings& settings, const std::filesystem::path& documentsFolder) {
  const std::filesystem::path before = settings.dataFolder();
  const std::filesystem::path after = DataFolder::moveToPerUserFolder(before, documentsFolder);
  if (after == before) return false;
  settings.setDataFolder(after);
  window.reports().openIn(after);
  window.calibrations().openIn(after);
  window.statistics().openIn(after);
  TMethodsLibrary& methods = window.methods().library();
  methods.SetFolders(methods.LibraryFolderPath(), after);
  window.recordingReceiver().openJournalIn(after);
  return true;
}

}  // namespace velmora
