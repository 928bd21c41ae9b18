#include "Options.h"

#include <limits>

#include "IniFile.h"

namespace velmora {

namespace {
int readInt(const IniFile& ini, const char* section, const char* key, int fallback) {
  long long v = ini.readInteger(section, key, fallback);
  if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return fallback;
  return static_cast<int>(v);
}

// Colours are 32-bit values written as signed integers; an unsigned form
// written by other tools is taken modulo 2^32.
std::int32_t readColor(const IniFile& ini, const char* section, const char* key, std::int32_t fallback) {
  long long v = ini.readInteger(section, key, fallback);
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::uint32_t>::max()) return fallback;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
}
}  // namespace

void Options::read(const IniFile& ini) {
  backupEnabled = ini.readBool("Backup", "Enabled", backupEnabled);
  maxRecentCount = readInt(ini, "General", "MaxRecentCount", maxRecentCount);
  saveType = readInt(ini, "General", "SaveType", saveType);
  saveDir = ini.readString("General", "SaveDir", saveDir);
  autoUpdate = ini.readBool("Install", "AutoUpdate", autoUpdate);
  snapShotsUpdate = ini.readBool("Install", "SnapShotsUpdate", snapShotsUpdate);
  insertType = readInt(ini, "Record", "InsertType", insertType);
  recordType = readInt(ini, "Record", "RecordType", recordType);
  recWizIndex = readInt(ini, "Record", "RecWizIndex", recWizIndex);
  maxCurrent = ini.readFloat("Record", "MaxCurrent", maxCurrent);
  filter = readInt(ini, "Edit", "Filter", filter);
  captionsType = readInt(ini, "View", "CaptionsType", captionsType);
  legendStyle = readInt(ini, "View", "LegendStyle", legendStyle);
  paintXAxis = ini.readBool("View", "PaintXAxis", paintXAxis);
  paintYAxis = ini.readBool("View", "PaintYAxis", paintYAxis);
  paintGrid = ini.readBool("View", "PaintGrid", paintGrid);
  showPeakBorders = ini.readBool("View", "ShowPeakBorders", showPeakBorders);
  showEachBorder = ini.readBool("View", "ShowEachBorder", showEachBorder);
  localeId = readInt(ini, "LocaleID", "LocaleID", localeId);
  peakCalcType = readInt(ini, "Calculations", "PeakCalcType", peakCalcType);
  calculationMethod = readInt(ini, "Calculations", "CalculationMethod", calculationMethod);
  picWidth = readInt(ini, "PicParams", "PicWidth", picWidth);
  picHeight = readInt(ini, "PicParams", "PicHeight", picHeight);
  fields = readInt(ini, "PicParams", "Fields", fields);
  imageMargin = readInt(ini, "PicParams", "ImageMargin", imageMargin);
  dataColor = readColor(ini, "PicParams", "DataColor", dataColor);
  nodeBackColor = readColor(ini, "PicParams", "NodeBackColor", nodeBackColor);
  nodeBorderColor = readColor(ini, "PicParams", "NodeBorderColor", nodeBorderColor);
  selectColor = readColor(ini, "PicParams", "SelectColor", selectColor);
  crossPeaksColor = readColor(ini, "PicParams", "CrossPeaksColor", crossPeaksColor);
  peaksColor = readColor(ini, "PicParams", "PeaksColor", peaksColor);
  peakCaptionColor = readColor(ini, "PicParams", "PeakCaptionColor", peakCaptionColor);
  mainChart = readColor(ini, "PicParams", "MainChart", mainChart);
  portName = ini.readString("Port", "Name", portName);
  emulatorAutosampler = ini.readBool("Port", "EmulatorAutosampler", emulatorAutosampler);
  asInitTimeout = readInt(ini, "Custom", "ASInitTimeout", asInitTimeout);
  useNew3in1 = ini.readBool("Custom", "UseNew3in1", useNew3in1);
  askMethodChange = ini.readBool("Custom", "AskMethodChange", askMethodChange);
  wizMinAdditionRise = ini.readFloat("WizardChecks", "MinAdditionRise", wizMinAdditionRise);
  wizTargetAdditionRise = ini.readFloat("WizardChecks", "TargetAdditionRise", wizTargetAdditionRise);
  wizMinR2 = ini.readFloat("WizardChecks", "MinR2", wizMinR2);
  wizReplicateSpread = ini.readFloat("WizardChecks", "ReplicateSpread", wizReplicateSpread);
  wizFlatTopPoints = readInt(ini, "WizardChecks", "FlatTopPoints", wizFlatTopPoints);
  archiveDatabase = ini.readString("Archive", "Database", archiveDatabase);
  archiveWizardResults = ini.readBool("Archive", "WizardResults", archiveWizardResults);
}

void Options::write(IniFile& ini) const {
  ini.writeBool("Backup", "Enabled", backupEnabled);
  ini.writeInteger("General", "MaxRecentCount", maxRecentCount);
  ini.writeInteger("General", "SaveType", saveType);
  ini.writeString("General", "SaveDir", saveDir);
  ini.writeString("General", "RepBaseDir", repBaseDir);
  ini.writeBool("Install", "AutoUpdate", autoUpdate);
  ini.writeBool("Install", "SnapShotsUpdate", snapShotsUpdate);
  ini.writeInteger("Record", "InsertType", insertType);
  ini.writeInteger("Record", "RecordType", recordType);
  ini.writeInteger("Record", "RecWizIndex", recWizIndex);
  ini.writeFloat("Record", "MaxCurrent", maxCurrent);
  ini.writeInteger("Edit", "Filter", filter);
  ini.writeInteger("View", "CaptionsType", captionsType);
  ini.writeInteger("View", "LegendStyle", legendStyle);
  ini.writeBool("View", "PaintXAxis", paintXAxis);
  ini.writeBool("View", "PaintYAxis", paintYAxis);
  ini.writeBool("View", "PaintGrid", paintGrid);
  ini.writeBool("View", "ShowPeakBorders", showPeakBorders);
  ini.writeBool("View", "ShowEachBorder", showEachBorder);
  ini.writeInteger("LocaleID", "LocaleID", localeId);
  ini.writeInteger("Calculations", "PeakCalcType", peakCalcType);
  ini.writeInteger("Calculations", "CalculationMethod", calculationMethod);
  ini.writeInteger("PicParams", "PicWidth", picWidth);
  ini.writeInteger("PicParams", "PicHeight", picHeight);
  ini.writeInteger("PicParams", "Fields", fields);
  ini.writeInteger("PicParams", "ImageMargin", imageMargin);
  ini.writeInteger("PicParams", "DataColor", dataColor);
  ini.writeInteger("PicParams", "NodeBackColor", nodeBackColor);
  ini.writeInteger("PicParams", "NodeBorderColor", nodeBorderColor);
  ini.writeInteger("PicParams", "SelectColor", selectColor);
  ini.writeInteger("PicParams", "CrossPeaksColor", crossPeaksColor);
  ini.writeInteger("PicParams", "PeaksColor", peaksColor);
  ini.writeInteger("PicParams", "PeakCaptionColor", peakCaptionColor);
  ini.writeInteger("PicParams", "MainChart", mainChart);
  ini.writeString("Port", "Name", portName);
  ini.writeBool("Port", "EmulatorAutosampler", emulatorAutosampler);
  ini.writeBool("Custom", "UseNew3in1", useNew3in1);
  ini.writeBool("Custom", "AskMethodChange", askMethodChange);
  ini.writeFloat("WizardChecks", "MinAdditionRise", wizMinAdditionRise);
  ini.writeFloat("WizardChecks", "TargetAdditionRise", wizTargetAdditionRise);
  ini.writeFloat("WizardChecks", "MinR2", wizMinR2);
  ini.writeFloat("WizardChecks", "ReplicateSpread", wizReplicateSpread);
  ini.writeInteger("WizardChecks", "FlatTopPoints", wizFlatTopPoints);
  ini.writeString("Archive", "Database", archiveDatabase);
  ini.writeBool("Archive", "WizardResults", archiveWizardResults);
}

}  // namespace velmora
