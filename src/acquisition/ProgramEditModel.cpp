#include "ProgramEditModel.h"

#include <algorithm>
#include <cctype>

#include "FormatError.h"
#include "Messages.h"

namespace velmora {

namespace {

// A step of a fresh program or a grown one: every byte zero.
ProgramStep ZeroStep() { return ProgramStep{}; }

}  // namespace

ProgramEditModel::ProgramEditModel() : programs_(TVAProgramsArray::Default()) {}

std::int32_t ProgramEditModel::ProgramLength() const { return static_cast<std::int32_t>(program().size()); }

const ProgramStep& ProgramEditModel::Current() const { return program().at(static_cast<std::size_t>(currentStep_)); }

void ProgramEditModel::ReplaceCurrent(const ProgramStep& step) {
  program().at(static_cast<std::size_t>(currentStep_)) = step;
}

void ProgramEditModel::SetPrograms(TVAProgramsArray programs, std::int32_t current) {
  if (programs.empty()) programs = TVAProgramsArray::Default();
  for (TSingleProgramArray& p : programs) {
    if (p.empty()) p.push_back(ZeroStep());
  }
  programs_ = std::move(programs);
  if (current < 0 || current >= ProgramCount()) current = 0;
  currentProgram_ = current;
  currentStep_ = 0;
}

void ProgramEditModel::Select(std::int32_t programIndex, std::int32_t step) {
  currentProgram_ = std::clamp(programIndex, 0, ProgramCount() - 1);
  currentStep_ = step >= 0 && step < ProgramLength() ? step : 0;
}

bool ProgramEditModel::SetProgramCount(std::int32_t count) {
  count = std::clamp(count, 1, kMaxPrograms);
  if (count == ProgramCount()) return false;
  programs_.resize(static_cast<std::size_t>(count), TSingleProgramArray{ZeroStep()});
  NoteEdit();
  Select(currentProgram_, currentStep_);
  return true;
}

bool ProgramEditModel::SetProgramLength(std::int32_t length) {
  length = std::clamp(length, 1, kMaxSteps);
  if (length == ProgramLength()) return false;
  program().resize(static_cast<std::size_t>(length), ZeroStep());
  NoteEdit();
  Select(currentProgram_, std::min(currentStep_, length - 1));
  return true;
}

bool ProgramEditModel::CopyStep(std::int32_t number) {
  if (number < 1 || number > ProgramLength() || number - 1 == currentStep_) return false;
  program()[static_cast<std::size_t>(currentStep_)] = program()[static_cast<std::size_t>(number - 1)];
  NoteEdit();
  return true;
}

bool ProgramEditModel::InsertBeforeCurrent(std::int32_t number) {
  if (number < 1 || number > ProgramLength() || ProgramLength() >= kMaxSteps) return false;
  const ProgramStep copy = program()[static_cast<std::size_t>(number - 1)];
  program().insert(program().begin() + currentStep_, copy);
  NoteEdit();
  return true;
}

bool ProgramEditModel::RemoveCurrent() {
  TSingleProgramArray& p = program();
  p.erase(p.begin() + currentStep_);
  if (p.empty()) p.push_back(ZeroStep());
  NoteEdit();
  Select(currentProgram_, currentStep_);
  return true;
}

bool ProgramEditModel::CopyProgram(std::int32_t number) {
  if (number < 1 || number > ProgramCount() || number - 1 == currentProgram_) return false;
  programs_[static_cast<std::size_t>(currentProgram_)] = programs_[static_cast<std::size_t>(number - 1)];
  NoteEdit();
  Select(currentProgram_, currentStep_);
  return true;
}

void ProgramEditModel::SetAllStirrerTypes(std::int32_t type) {
  for (TSingleProgramArray& p : programs_) {
    for (ProgramStep& s : p) s.SetStirrerType(type);
  }
}

std::optional<ProgramEditModel::FileType> ProgramEditModel::TypeOf(const std::filesystem::path& file) {
  std::string ext = file.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  if (ext == ".prg") return FileType::Prg;
  if (ext == ".car") return FileType::Car;
  if (ext == ".vap") return FileType::Vap;
  return std::nullopt;
}

ProgramEditModel::OpenResult ProgramEditModel::Open(const std::filesystem::path& file) {
  const std::string name = file.string();
  const auto type = TypeOf(file);
  if (!type) throw EFormatError(Message(msg::ProgramFileNotProgram, {name}));
  OpenResult result;
  switch (*type) {
    case FileType::Prg: {
      auto read = ProgramFiles::ReadSingleProgram(file);
      if (!read) throw EFormatError(Message(msg::ProgramFileCannotOpen, {name}));
      if (read->empty()) read->push_back(ZeroStep());
      program() = std::move(*read);
      Select(currentProgram_, 0);
      break;
    }
    case FileType::Car: {
      ProgramFiles::ProgramSet set = ProgramFiles::ReadMultiProgram(file);
      SetPrograms(std::move(set.Programs), set.Current);
      break;
    }
    case FileType::Vap: {
      std::error_code ec;
      if (!std::filesystem::exists(file, ec)) throw EFormatError(Message(msg::ProgramFileCannotOpen, {name}));
      auto set = ProgramFiles::ReadProgramSet(file);
      if (!set) throw EFormatError(Message(msg::ProgramFileNotProgram, {name}));
      result.unreadData = set->UnreadData;
      SetPrograms(std::move(set->Programs), set->Current);
      break;
    }
  }
  FromMethod = false;
  CompactView = false;
  return result;
}

void ProgramEditModel::Save(const std::filesystem::path& file) const {
  const auto type = TypeOf(file);
  if (type == FileType::Prg) {
    ProgramFiles::WriteSingleProgram(file, program());
  } else if (type == FileType::Car) {
    ProgramFiles::WriteMultiProgram(file, programs_, currentProgram_);
  } else {
    ProgramFiles::WriteProgramSet(file, programs_, currentProgram_);
  }
}

}  // namespace velmora
