#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Message.h"
#include "SamplerMethod.h"
#include "TVAProgramsArray.h"

namespace velmora {

// The autosampler's tray of 15 cells laid out for a batch of samples: the
// service cells that the checked methods share by name, the sample cells
// each sample needs by the methods' calculation methods, the capacity of
// the tray, the edits of single cells, and the program set that analyses
// the whole batch in one run. The "Autosampler setup" window shows and
// edits it; it holds no window code.
class SamplerTray {
 public:
  static constexpr int CellCount = 15;
  static constexpr int MaxSamples = 99;

  // A method assigned to a cell and whether the cell uses it.
  struct CellMethod {
    std::string Name;
    bool Checked = true;
  };

  // One cell of the tray.
  struct Cell {
    // -1 free; 0 a service cell; 1..6 a sample cell of measurement type
    // CellType - 1 (0 "Supporting electrolyte" .. 5 "Reference").
    std::int32_t CellType = -1;
    // A service cell's name, or "Sample %d" for a sample cell (editable).
    std::string Comment;
    // The supporting electrolyte of the methods sharing the cell.
    std::string InternalComment;
    std::vector<CellMethod> Methods;
    // The sample the cell belongs to, from 0.
    std::int32_t Sample = 0;

    bool Free() const { return CellType < 0; }
    bool Service() const { return CellType == 0; }
    bool SampleCell() const { return CellType > 0; }
    int MeasurementType() const { return CellType - 1; }
    // The cell uses the method of that name (checked).
    bool Uses(const std::string& method) const;
  };

  // The stirrer settings of the window, put into every step when an add-on
  // is fitted.
  struct Stirrer {
    bool AddOn = false;
    std::int32_t Type = 0;
    std::int32_t Speed = 1000;
  };

  SamplerTray();

  // Names the sample cells ("Sample %d" by default); the window passes the
  // text in the current language.
  std::function<std::string(int sampleNumber)> SampleCaption;

  // --- methods -----------------------------------------------------------------
  // The methods that can run on the autosampler, none checked; lays the tray out.
  void SetMethods(std::vector<SamplerMethod> methods);
  const std::vector<SamplerMethod>& Methods() const { return methods_; }
  bool MethodChecked(std::size_t index) const;
  // Checks or unchecks a method and lays the tray out again.
  void SetMethodChecked(std::size_t index, bool checked);

  // --- samples and capacity ---------------------------------------------------------
  int SamplesCount() const { return samplesCount_; }
  // "Number of samples for analysis": frees every sample cell and places
  // them again for `count` samples (kept within 1 .. the capacity).
  void SetSamplesCount(int count);
  // How many samples fit beside the service cells.
  int SamplesMaxCount() const { return samplesMaxCount_; }
  // Sample cells one sample needs by the checked methods.
  int CellsPerSample() const { return cellsPerSample_; }
  int ServiceCellCount() const;
  bool HasSampleCell() const;
  // What keeps the layout from serving every checked method (no room for
  // a service cell, none for a sample); empty when it does.
  const std::vector<Message>& Problems() const { return problems_; }
  // A batch can run: a sample cell exists and every service cell has its place.
  bool Ready() const { return HasSampleCell() && !serviceMissing_; }
  // The sample cells a method of that calculation method needs, as
  // measurement types.
  static std::vector<int> SampleTypesOf(std::int32_t calcMethod);

  // --- cells ---------------------------------------------------------------------------
  // Cells by index 0..14 (the tray shows them as 1..15).
  const Cell& At(int index) const { return cells_.at(static_cast<std::size_t>(index)); }
  // The caption of tray cell 1..15 for messages: its comment, or empty.
  std::string CaptionOf(int cell) const;
  // Clears the tray and places the service and sample cells of the
  // checked methods anew; then rebuilds the program set.
  void LayoutTray();
  // Exchanges two cells (a drag of one onto the other) and rebuilds.
  void ExchangeCells(int a, int b);
  // Edits of the active cell; each rebuilds the program set.
  void SetCellType(int index, int measurementType);
  void SetCellSample(int index, int sample);
  void SetCellComment(int index, const std::string& comment);
  // Checks or unchecks method `k` of a cell. Checking unchecks the cell's
  // methods whose supporting electrolyte differs; returns true when any was.
  bool CheckCellMethod(int index, std::size_t k, bool checked);

  // --- the program set of the batch ------------------------------------------------------
  void SetStirrer(const Stirrer& stirrer);
  const Stirrer& StirrerSettings() const { return stirrer_; }
  // Builds the set that analyses every sample by every checked method:
  // one program per sample and method, the method's steps repeated for
  // each of the sample's cells, moved to the tray cells assigned.
  TVAProgramsArray BuildPrograms();
  // The set the batch runs: rebuilt with every change of the layout.
  const TVAProgramsArray& Programs() const { return programs_; }
  // The set edited by hand ("Modify") replaces the built one.
  void SetEditedPrograms(const TVAProgramsArray& programs);
  // The window was shown again outside a run: a rebuild no longer reports
  // a lost hand edit.
  void ClearHandEdit();
  // The last rebuild replaced a set edited by hand.
  bool HandEditReplaced() const { return handEditReplaced_; }

 private:
  void Rebuild();
  void FreeSampleCells();
  void PlaceSampleCells();
  void CountCapacity();
  static void Take(Cell& cell, const std::string& method);
  // The first free cell, or -1.
  int FirstFree() const;
  const SamplerMethod* MethodNamed(const std::string& name) const;
  std::string SampleCaptionOf(int sampleNumber) const;

  std::vector<SamplerMethod> methods_;
  std::vector<bool> checked_;
  std::array<Cell, CellCount> cells_;
  int samplesCount_ = 1;
  int samplesMaxCount_ = CellCount;
  int cellsPerSample_ = 0;
  bool serviceMissing_ = false;
  std::vector<Message> problems_;
  Stirrer stirrer_;
  TVAProgramsArray programs_;
  bool editedByHand_ = false;
  bool handEditReplaced_ = false;
};

}  // namespace velmora
