#pragma once

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "ICalibrationLookup.h"
#include "Message.h"
#include "TSingleCalibration.h"

namespace velmora {

class THeaderManager;

// The calibrations of one element, oldest first, and the active one.
struct TCalibrationCollection {
  std::string Name;
  std::int32_t Active = 0;
  std::vector<TSingleCalibration> Calibrations;
};

// The calibrations database: the record folder "Calibrations" of the data
// folder, grouped by element. Loading reads the index only; a calibration's
// data file is read on first use and kept. The database answers the "By
// calibration" method through ICalibrationLookup with each element's
// active calibration.
class TCalibrationsDB final : public ICalibrationLookup {
 public:
  static constexpr const char* kFolderName = "Calibrations";

  // Opens (creating when needed) the record folder and loads its index.
  explicit TCalibrationsDB(const std::filesystem::path& folder);
  ~TCalibrationsDB() override;
  TCalibrationsDB(const TCalibrationsDB&) = delete;
  TCalibrationsDB& operator=(const TCalibrationsDB&) = delete;

  // Reads the index again: every element's first calibration is active.
  void Load();
  // Reads the index again for what other programs saved or removed
  // meanwhile; what is read stays read, and each element keeps its active
  // calibration where it still exists.
  void Refresh();
  const std::vector<TCalibrationCollection>& Elements() const { return elements_; }
  int IndexOfElement(const std::string& name) const;

  // Keeps each curve as a free-standing copy holding only the element's
  // peak, writes its data file and registers it in the folder, then brings
  // the list up to date with the folder (Refresh). Throws EFormatError when
  // the file or the index cannot be written (the calibration is then not
  // kept). Returns the stored record.
  const TSingleCalibration& AddCalibration(TSingleCalibration calibration);
  // A copy, read from its data file first when needed. Out-of-range
  // indexes give an empty record.
  TSingleCalibration GetCalibration(std::size_t element, std::size_t calibration) const;
  // The stored record after reading its data file, or null for bad indexes.
  const TSingleCalibration* Calibration(std::size_t element, std::size_t calibration) const;
  // A copy of the element's active calibration; an empty Name when none.
  TSingleCalibration GetActiveCalibration(const std::string& name) const;
  // Unlists the calibration, deletes its data file and refreshes the list.
  // Throws EFormatError when the index cannot be written (nothing changes).
  void RemoveCalibration(std::size_t element, std::size_t calibration);
  // Makes a calibration its element's active one (in memory only).
  void SetActive(std::size_t element, std::size_t calibration);

  // Problems met so far (a damaged index, unreadable data files), each
  // reported once; the list is emptied.
  std::vector<Message> TakeProblems();

  // --- ICalibrationLookup ---
  double ConcentrationFromCalibration(const std::string& name, std::int32_t unitTop, std::int32_t unitBottom,
                                      double signal) const override;
  double CalibrationUncertainty(const std::string& name, std::int32_t unitTop, std::int32_t unitBottom, double signal,
                                int replicates) const override;
  bool ActiveCalibration(const std::string& name, TCalibrationCurves& out) const override;
  bool ActiveLine(const std::string& name, std::int32_t unitTop, std::int32_t unitBottom,
                  TCalibrationLine& out) const override;

  THeaderManager& Folder() { return *folder_; }

 private:
  // The active calibration of the element of that name, read; null when
  // none (or its file cannot be read).
  const TSingleCalibration* Active(const std::string& name) const;
  void EnsureLoaded(TSingleCalibration& calibration) const;
  TCalibrationCollection& ElementFor(const std::string& name);
  // The elements from the folder's headers; `added` (when given) and the
  // records already in memory are kept.
  void Rebuild(TSingleCalibration* added);
  void AdoptOrphans();

  std::unique_ptr<THeaderManager> folder_;
  mutable std::vector<TCalibrationCollection> elements_;
  std::unordered_map<std::string, std::size_t> byName_;
  mutable std::vector<Message> problems_;
  mutable std::set<std::string> reported_;
};

}  // namespace velmora
