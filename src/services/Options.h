#pragma once

#include <cstdint>
#include <string>

namespace velmora {

class IniFile;

// Every preference kept in "Options.ini", with its default.
struct Options {
  // [Backup]
  bool backupEnabled = true;
  // [General]
  int maxRecentCount = 8;
  int saveType = 0;        // 0 separate files, 1 central database
  std::string saveDir;     // central database folder, ends with a separator
  std::string repBaseDir;  // written only: the "Reports" record folder
  // [Install]
  bool autoUpdate = false;
  bool snapShotsUpdate = false;
  // [Record]
  int insertType = 1;  // 0 flat file, 1 tree structure
  int recordType = 0;
  int recWizIndex = 2;
  double maxCurrent = 0.0;
  // [Edit]
  int filter = 2;
  // [View]
  int captionsType = 1;
  int legendStyle = 0;
  bool paintXAxis = true;
  bool paintYAxis = true;
  bool paintGrid = true;
  bool showPeakBorders = true;
  bool showEachBorder = true;
  // [LocaleID]
  int localeId = 0;
  // [Calculations]
  int peakCalcType = 1;
  int calculationMethod = 1;
  // [PicParams]
  int picWidth = 100;
  int picHeight = 75;
  int fields = 5;
  int imageMargin = 3;
  std::int32_t dataColor = 32768;
  std::int32_t nodeBackColor = 16777215;
  std::int32_t nodeBorderColor = 0;
  std::int32_t selectColor = -16777203;
  std::int32_t crossPeaksColor = 12639424;
  std::int32_t peaksColor = 16698812;
  std::int32_t peakCaptionColor = 4194304;
  std::int32_t mainChart = 16777215;
  // [Port]
#ifdef _WIN32
  std::string portName = "COM1";
#else
  std::string portName = "/dev/ttyUSB0";  // the first USB serial adapter
#endif
  // The built-in emulator ("emulator" as the port name) carries an
  // autosampler with its tray of 15 cells.
  bool emulatorAutosampler = true;
  // [Custom]
  int asInitTimeout = 3000;
  bool useNew3in1 = false;
  bool askMethodChange = true;
  // [WizardChecks]: limits of the measurement wizard's checks of a pass
  // that the run's statistics record does not give.
  double wizMinAdditionRise = 50.0;      // % of the sample's peak
  double wizTargetAdditionRise = 100.0;  // % a suggested addition aims at
  double wizMinR2 = 0.98;
  double wizReplicateSpread = 30.0;  // % of the mean
  int wizFlatTopPoints = 5;
  // [Archive]: the results archive. An empty Database is the SQLite file
  // "Results.sqlite" in the data folder; a "postgresql://" address names a
  // laboratory's server. WizardResults: the wizard archives its report.
  std::string archiveDatabase;
  bool archiveWizardResults = true;

  // Reads every key (missing keys keep their defaults). Install/Path and
  // RecentFiles are maintained where they are used and are not read here.
  void read(const IniFile& ini);
  // Writes the whole set except ASInitTimeout, Install/Path and RecentFiles.
  void write(IniFile& ini) const;
};

}  // namespace velmora
