#include "TCalibrationsDB.h"

#include <algorithm>

#include "FileIo.h"
#include "FormatError.h"
#include "Messages.h"
#include "THeaderManager.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

// Calibration data files are small; a bigger one is not ours.
constexpr std::uintmax_t kMaxFileSize = std::uintmax_t{1} << 28;

}  // namespace

TCalibrationsDB::TCalibrationsDB(const std::filesystem::path& folder)
    : folder_(std::make_unique<THeaderManager>(folder)) {
  Load();
}

TCalibrationsDB::~TCalibrationsDB() = default;

void TCalibrationsDB::Load() {
  folder_->Reload();
  elements_.clear();
  byName_.clear();
  if (Message damage = folder_->TakeIndexProblem(); *damage.text) {
    problems_.push_back(damage);
    AdoptOrphans();
  }
  for (const TBaseHeader& h : folder_->Headers()) {
    TSingleCalibration c;
    c.Name = h.Title;
    c.Stamp = h.Stamp;
    c.FileName = h.FileName;
    c.ReadHeaderData(h.Data);
    ElementFor(h.Title).Calibrations.push_back(std::move(c));
  }
}

void TCalibrationsDB::Refresh() {
  folder_->Reload();
  Rebuild(nullptr);
}

void TCalibrationsDB::Rebuild(TSingleCalibration* added) {
  // What is read stays read, and every element keeps its active record.
  std::unordered_map<std::string, TSingleCalibration> known;
  std::unordered_map<std::string, std::string> activeFile;
  for (TCalibrationCollection& e : elements_) {
    if (e.Active >= 0 && static_cast<std::size_t>(e.Active) < e.Calibrations.size())
      activeFile[e.Name] = e.Calibrations[static_cast<std::size_t>(e.Active)].FileName;
    for (TSingleCalibration& c : e.Calibrations) known.emplace(c.FileName, std::move(c));
  }
  if (added) known.insert_or_assign(added->FileName, std::move(*added));
  elements_.clear();
  byName_.clear();
  for (const TBaseHeader& h : folder_->Headers()) {
    TCalibrationCollection& element = ElementFor(h.Title);
    if (const auto it = known.find(h.FileName); it != known.end()) {
      element.Calibrations.push_back(std::move(it->second));
      known.erase(it);
      continue;
    }
    TSingleCalibration c;
    c.Name = h.Title;
    c.Stamp = h.Stamp;
    c.FileName = h.FileName;
    c.ReadHeaderData(h.Data);
    element.Calibrations.push_back(std::move(c));
  }
  for (TCalibrationCollection& e : elements_) {
    e.Active = 0;
    const auto it = activeFile.find(e.Name);
    if (it == activeFile.end()) continue;
    for (std::size_t i = 0; i < e.Calibrations.size(); ++i)
      if (e.Calibrations[i].FileName == it->second) e.Active = static_cast<std::int32_t>(i);
  }
}

// The calibrations a damaged index no longer lists still lie in the folder
// and name their element themselves.
void TCalibrationsDB::AdoptOrphans() {
  for (const std::string& orphan : folder_->Orphans()) {
    try {
      TSingleCalibration c;
      c.ReadFile(FileIo::readAll(orphan, kMaxFileSize));
      if (c.Name.empty()) continue;
      folder_->Adopt(c.Name, orphan, c.Stamp, c.HeaderData());
    } catch (const EFormatError&) {
      // Not a calibration: left alone.
    }
  }
}

TCalibrationCollection& TCalibrationsDB::ElementFor(const std::string& name) {
  if (const auto it = byName_.find(name);
      it != byName_.end() && it->second < elements_.size() && elements_[it->second].Name == name)
    return elements_[it->second];
  elements_.push_back({name, 0, {}});
  byName_[name] = elements_.size() - 1;
  return elements_.back();
}

int TCalibrationsDB::IndexOfElement(const std::string& name) const {
  const auto it = byName_.find(name);
  return it == byName_.end() ? -1 : static_cast<int>(it->second);
}

const TSingleCalibration& TCalibrationsDB::AddCalibration(TSingleCalibration calibration) {
  for (auto& curve : calibration.Curves) {
    std::shared_ptr<TVAStruct> copy(curve->FreeStandingCopy());
    copy->Detached = 1;
    TPeaks kept;
    for (const TPeakRecord& peak : copy->Peaks)
      if (peak.Name == calibration.Name) kept.push_back(peak);
    copy->Peaks = std::move(kept);
    curve = std::move(copy);
  }
  calibration.Loaded = true;
  calibration.FileName = folder_->Add(calibration.Name, calibration.HeaderData(), calibration.FileBytes());
  // The folder was read again under its lock: what other programs saved
  // meanwhile comes in with the new calibration.
  const std::string fileName = calibration.FileName;
  const std::string element = calibration.Name;
  Rebuild(&calibration);
  for (const TSingleCalibration& c : elements_[byName_.at(element)].Calibrations)
    if (c.FileName == fileName) return c;
  throw EFormatError(Message(msg::CannotCreateFile, {fileName, ""}));
}

void TCalibrationsDB::EnsureLoaded(TSingleCalibration& calibration) const {
  if (calibration.Loaded) return;
  const std::string title = calibration.Name;
  const std::string fileName = calibration.FileName;
  try {
    TSingleCalibration read;
    read.ReadFile(FileIo::readAll(fileName, kMaxFileSize));
    // The index is the authority on where and under which name the record lives.
    read.Name = title;
    read.FileName = fileName;
    calibration = std::move(read);
  } catch (const EFormatError& e) {
    calibration.Loaded = true;  // reported once; the header's summary stays
    if (reported_.insert(fileName).second)
      problems_.emplace_back(msg::RecordItemUnreadable, std::vector<std::string>{title, fileName, e.what()});
    calibration.Slope = 0.0;
    calibration.Points.clear();
  }
}

const TSingleCalibration* TCalibrationsDB::Calibration(std::size_t element, std::size_t calibration) const {
  if (element >= elements_.size() || calibration >= elements_[element].Calibrations.size()) return nullptr;
  TSingleCalibration& c = elements_[element].Calibrations[calibration];
  EnsureLoaded(c);
  return &c;
}

TSingleCalibration TCalibrationsDB::GetCalibration(std::size_t element, std::size_t calibration) const {
  const TSingleCalibration* c = Calibration(element, calibration);
  return c ? *c : TSingleCalibration{};
}

const TSingleCalibration* TCalibrationsDB::Active(const std::string& name) const {
  const int e = IndexOfElement(name);
  if (e < 0) return nullptr;
  const TCalibrationCollection& element = elements_[static_cast<std::size_t>(e)];
  if (element.Active < 0 || static_cast<std::size_t>(element.Active) >= element.Calibrations.size()) return nullptr;
  return Calibration(static_cast<std::size_t>(e), static_cast<std::size_t>(element.Active));
}

TSingleCalibration TCalibrationsDB::GetActiveCalibration(const std::string& name) const {
  const TSingleCalibration* c = Active(name);
  return c ? *c : TSingleCalibration{};
}

void TCalibrationsDB::RemoveCalibration(std::size_t element, std::size_t calibration) {
  if (element >= elements_.size() || calibration >= elements_[element].Calibrations.size()) return;
  // The active calibration stays the same record where it still exists;
  // removing it makes the first one active, as after loading. An element
  // whose list becomes empty goes.
  folder_->Delete(elements_[element].Calibrations[calibration].FileName);
  Rebuild(nullptr);
}

void TCalibrationsDB::SetActive(std::size_t element, std::size_t calibration) {
  if (element >= elements_.size() || calibration >= elements_[element].Calibrations.size()) return;
  elements_[element].Active = static_cast<std::int32_t>(calibration);
}

std::vector<Message> TCalibrationsDB::TakeProblems() {
  std::vector<Message> out;
  out.swap(problems_);
  return out;
}

double TCalibrationsDB::ConcentrationFromCalibration(const std::string& name, std::int32_t unitTop,
                                                     std::int32_t unitBottom, double signal) const {
  const int e = IndexOfElement(name);
  if (e < 0) return -1.0;
  const TSingleCalibration* c = Active(name);
  if (!c) return 0.0;
  return c->Concentration(signal, unitTop, unitBottom);
}

double TCalibrationsDB::CalibrationUncertainty(const std::string& name, std::int32_t unitTop, std::int32_t unitBottom,
                                               double signal, int replicates) const {
  const TSingleCalibration* c = Active(name);
  return c ? c->ConcentrationUncertainty(signal, replicates, unitTop, unitBottom) : -1.0;
}

bool TCalibrationsDB::ActiveCalibration(const std::string& name, TCalibrationCurves& out) const {
  const TSingleCalibration* c = Active(name);
  if (!c) return false;
  out = c->AsCurves();
  return true;
}

bool TCalibrationsDB::ActiveLine(const std::string& name, std::int32_t unitTop, std::int32_t unitBottom,
                                 TCalibrationLine& out) const {
  const TSingleCalibration* c = Active(name);
  return c && c->LineIn(unitTop, unitBottom, out);
}

}  // namespace velmora
