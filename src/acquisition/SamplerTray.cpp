#include "SamplerTray.h"

#include <algorithm>
#include <map>
#include <set>

#include "Messages.h"

namespace velmora {

namespace {

// Measurement types of the sample cells.
constexpr int kAnalyte = 1;
constexpr int kAddedStandard1 = 2;
constexpr int kAddedStandard2 = 3;
constexpr int kAddedStandard3 = 4;
constexpr int kReference = 5;

}  // namespace

bool SamplerTray::Cell::Uses(const std::string& method) const {
  for (const CellMethod& m : Methods)
    if (m.Checked && m.Name == method) return true;
  return false;
}

SamplerTray::SamplerTray() { LayoutTray(); }

std::vector<int> SamplerTray::SampleTypesOf(std::int32_t calcMethod) {
  switch (calcMethod) {
    case 0:  // one standard addition
      return {kAnalyte, kAddedStandard1};
    case 1:  // standard additions
      return {kAnalyte, kAddedStandard1, kAddedStandard2, kAddedStandard3};
    case 2:
      return {kAnalyte, kReference};
    case 3:  // comparative: the sample against a reference solution
      return {kAnalyte, kReference};
    case 4:  // a calibration curve records standards, no sample
      return {};
    default:  // by calibration and custom equations: the sample alone
      return {kAnalyte};
  }
}

std::string SamplerTray::SampleCaptionOf(int sampleNumber) const {
  if (SampleCaption) return SampleCaption(sampleNumber);
  return Message(msg::SamplerSampleCaption, {std::to_string(sampleNumber)}).format();
}

// --- methods -------------------------------------------------------------------------

void SamplerTray::SetMethods(std::vector<SamplerMethod> methods) {
  methods_ = std::move(methods);
  checked_.assign(methods_.size(), false);
  LayoutTray();
}

bool SamplerTray::MethodChecked(std::size_t index) const { return index < checked_.size() && checked_[index]; }

void SamplerTray::SetMethodChecked(std::size_t index, bool checked) {
  if (index >= checked_.size()) return;
  checked_[index] = checked;
  LayoutTray();
}

const SamplerMethod* SamplerTray::MethodNamed(const std::string& name) const {
  for (std::size_t i = 0; i < methods_.size(); ++i)
    if (methods_[i].Name == name) return &methods_[i];
  return nullptr;
}

// --- layout --------------------------------------------------------------------------

void SamplerTray::Take(Cell& cell, const std::string& method) {
  for (CellMethod& m : cell.Methods) {
    if (m.Name == method) {
      m.Checked = true;
      return;
    }
  }
  cell.Methods.push_back({method, true});
}

int SamplerTray::FirstFree() const {
  for (int i = 0; i < CellCount; ++i)
    if (cells_[static_cast<std::size_t>(i)].Free()) return i;
  return -1;
}

int SamplerTray::ServiceCellCount() const {
  return static_cast<int>(std::count_if(cells_.begin(), cells_.end(), [](const Cell& c) { return c.Service(); }));
}

bool SamplerTray::HasSampleCell() const {
  return std::any_of(cells_.begin(), cells_.end(), [](const Cell& c) { return c.SampleCell(); });
}

std::string SamplerTray::CaptionOf(int cell) const {
  if (cell < 1 || cell > CellCount) return {};
  return cells_[static_cast<std::size_t>(cell - 1)].Comment;
}

void SamplerTray::LayoutTray() {
  cells_.fill(Cell());
  problems_.clear();
  serviceMissing_ = false;
  // The service cells: shared by every method that names a cell alike.
  for (std::size_t mi = 0; mi < methods_.size(); ++mi) {
    if (!checked_[mi]) continue;
    SamplerMethod& method = methods_[mi];
    for (SamplerMethodCell& mc : method.Cells) {
      if (mc.CellKind != -1) continue;
      int place = -1;
      for (int i = 0; i < CellCount && place < 0; ++i) {
        const Cell& c = cells_[static_cast<std::size_t>(i)];
        if (c.Service() && c.Comment == mc.Description) place = i;
      }
      if (place < 0) {
        place = FirstFree();
        if (place < 0) {
          serviceMissing_ = true;
          mc.SamplerPosition = 0;
          problems_.emplace_back(msg::SamplerNoFreeCell, std::vector<std::string>{mc.Description, method.Name});
          continue;
        }
        Cell& c = cells_[static_cast<std::size_t>(place)];
        c.CellType = 0;
        c.Comment = mc.Description;
      }
      Take(cells_[static_cast<std::size_t>(place)], method.Name);
      mc.SamplerPosition = place + 1;
    }
  }
  CountCapacity();
  PlaceSampleCells();
  Rebuild();
}

void SamplerTray::CountCapacity() {
  // Methods on one supporting electrolyte share their sample cells: a
  // sample needs, per electrolyte, one cell of each measurement type that
  // any of them asks for.
  std::map<std::string, std::set<int>> byElectrolyte;
  for (std::size_t mi = 0; mi < methods_.size(); ++mi) {
    if (!checked_[mi]) continue;
    std::set<int>& types = byElectrolyte[methods_[mi].SupportingElectrolyte];
    for (const int t : SampleTypesOf(methods_[mi].CalcMethod)) types.insert(t);
  }
  cellsPerSample_ = 0;
  for (const auto& [electrolyte, types] : byElectrolyte) cellsPerSample_ += static_cast<int>(types.size());
  const int free = CellCount - ServiceCellCount();
  samplesMaxCount_ = cellsPerSample_ == 0 ? free : free / cellsPerSample_;
  if (cellsPerSample_ > 0 && samplesMaxCount_ == 0)
    problems_.emplace_back(msg::SamplerNoRoomForSample,
                           std::vector<std::string>{std::to_string(CellCount - free), std::to_string(cellsPerSample_)});
  samplesCount_ = std::clamp(samplesCount_, 1, std::max(1, std::min(MaxSamples, samplesMaxCount_)));
}

void SamplerTray::FreeSampleCells() {
  for (Cell& c : cells_)
    if (c.SampleCell()) c = Cell();
}

void SamplerTray::PlaceSampleCells() {
  const int samples = std::min(samplesCount_, samplesMaxCount_);
  for (int s = 0; s < samples; ++s) {
    for (std::size_t mi = 0; mi < methods_.size(); ++mi) {
      if (!checked_[mi]) continue;
      const SamplerMethod& method = methods_[mi];
      for (const int type : SampleTypesOf(method.CalcMethod)) {
        int place = -1;
        for (int i = 0; i < CellCount && place < 0; ++i) {
          const Cell& c = cells_[static_cast<std::size_t>(i)];
          if (c.CellType == type + 1 && c.Sample == s && c.InternalComment == method.SupportingElectrolyte) place = i;
        }
        if (place < 0) {
          place = FirstFree();
          if (place < 0) continue;  // the capacity keeps this from happening
          Cell& c = cells_[static_cast<std::size_t>(place)];
          c.CellType = type + 1;
          c.InternalComment = method.SupportingElectrolyte;
          c.Comment = SampleCaptionOf(s + 1);
          c.Sample = s;
        }
        Take(cells_[static_cast<std::size_t>(place)], method.Name);
      }
    }
  }
}

void SamplerTray::SetSamplesCount(int count) {
  samplesCount_ = std::clamp(count, 1, std::max(1, std::min(MaxSamples, samplesMaxCount_)));
  FreeSampleCells();
  PlaceSampleCells();
  Rebuild();
}

// --- cells ---------------------------------------------------------------------------

void SamplerTray::ExchangeCells(int a, int b) {
  if (a < 0 || b < 0 || a >= CellCount || b >= CellCount || a == b) return;
  std::swap(cells_[static_cast<std::size_t>(a)], cells_[static_cast<std::size_t>(b)]);
  Rebuild();
}

void SamplerTray::SetCellType(int index, int measurementType) {
  if (index < 0 || index >= CellCount || measurementType < 0 || measurementType > 5) return;
  Cell& c = cells_[static_cast<std::size_t>(index)];
  if (!c.SampleCell()) return;
  c.CellType = measurementType + 1;
  Rebuild();
}

void SamplerTray::SetCellSample(int index, int sample) {
  if (index < 0 || index >= CellCount || sample < 0) return;
  Cell& c = cells_[static_cast<std::size_t>(index)];
  if (!c.SampleCell()) return;
  c.Sample = sample;
  Rebuild();
}

void SamplerTray::SetCellComment(int index, const std::string& comment) {
  if (index < 0 || index >= CellCount) return;
  Cell& c = cells_[static_cast<std::size_t>(index)];
  if (!c.SampleCell()) return;
  c.Comment = comment;
  Rebuild();
}

bool SamplerTray::CheckCellMethod(int index, std::size_t k, bool checked) {
  if (index < 0 || index >= CellCount) return false;
  Cell& c = cells_[static_cast<std::size_t>(index)];
  if (k >= c.Methods.size()) return false;
  auto electrolyteOf = [this](const std::string& name) {
    const SamplerMethod* m = MethodNamed(name);
    return m ? m->SupportingElectrolyte : std::string();
  };
  c.Methods[k].Checked = checked;
  bool unchecked = false;
  if (checked) {
    const std::string electrolyte = electrolyteOf(c.Methods[k].Name);
    for (std::size_t j = 0; j < c.Methods.size(); ++j) {
      if (j == k || !c.Methods[j].Checked || electrolyteOf(c.Methods[j].Name) == electrolyte) continue;
      c.Methods[j].Checked = false;
      unchecked = true;
    }
    c.InternalComment = electrolyte;
  } else {
    // The electrolyte of a method still checked, else none.
    c.InternalComment.clear();
    for (const CellMethod& m : c.Methods) {
      if (m.Checked) {
        c.InternalComment = electrolyteOf(m.Name);
        break;
      }
    }
  }
  Rebuild();
  return unchecked;
}

// --- program set ---------------------------------------------------------------------

void SamplerTray::SetStirrer(const Stirrer& stirrer) {
  stirrer_ = stirrer;
  Rebuild();
}

void SamplerTray::Rebuild() {
  handEditReplaced_ = editedByHand_;
  programs_ = BuildPrograms();
}

void SamplerTray::SetEditedPrograms(const TVAProgramsArray& programs) {
  programs_ = programs;
  editedByHand_ = true;
  handEditReplaced_ = false;
}

void SamplerTray::ClearHandEdit() {
  editedByHand_ = false;
  handEditReplaced_ = false;
}

TVAProgramsArray SamplerTray::BuildPrograms() {
  // The tray cells the methods' service cells go to, by name.
  for (int i = 0; i < CellCount; ++i) {
    const Cell& cell = cells_[static_cast<std::size_t>(i)];
    if (!cell.Service()) continue;
    for (std::size_t mi = 0; mi < methods_.size(); ++mi) {
      if (!checked_[mi]) continue;
      for (SamplerMethodCell& mc : methods_[mi].Cells)
        if (mc.Description == cell.Comment) mc.SamplerPosition = i + 1;
    }
  }
  TVAProgramsArray result;
  for (int s = 0; s < samplesCount_; ++s) {
    for (std::size_t mi = 0; mi < methods_.size(); ++mi) {
      if (!checked_[mi]) continue;
      const SamplerMethod& method = methods_[mi];
      TSingleProgramArray program;
      // The sample cell handled last: a voltammogram recorded in a service
      // cell belongs to it.
      std::string lastCaption;
      int lastType = -1;
      for (int i = 0; i < CellCount; ++i) {
        const Cell& cell = cells_[static_cast<std::size_t>(i)];
        if (cell.Sample != s || !cell.SampleCell() || !cell.Uses(method.Name)) continue;
        for (const TSingleProgramArray& source : method.Programs) {
          for (ProgramStep step : source) {
            if (stirrer_.AddOn) {
              step.SetStirrerType(stirrer_.Type);
              step.SetStirrerSpeed(stirrer_.Speed);
            }
            const SamplerMethodCell* mc = method.CellOf(step.SamplerCell());
            if (mc && mc->CellKind == -1) {
              step.SetSamplerCell(mc->SamplerPosition);
              step.SetComments(CaptionOf(mc->SamplerPosition));
              if (step.SweepStart() != step.SweepEnd() && lastType >= 0) {
                step.SetComments(lastCaption);
                step.SetMeasurementType(lastType);
              }
            } else {
              step.SetSamplerCell(i + 1);
              step.SetMeasurementType(cell.MeasurementType());
              lastCaption = cell.Comment + " " + method.Name;
              lastType = cell.MeasurementType();
              step.SetComments(lastCaption);
            }
            program.push_back(step);
          }
        }
      }
      // A method with no cell for this sample adds no empty program.
      if (!program.empty()) result.push_back(std::move(program));
    }
  }
  return result;
}

}  // namespace velmora
