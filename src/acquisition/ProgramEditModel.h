#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "ProgramFiles.h"
#include "TVAProgramsArray.h"

namespace velmora {

// The program set of the record-parameters window and every edit the window
// makes on it: navigation, program count and length, copy, insert and
// remove of steps, copy of programs, and the program files. Programs always
// hold at least one step and the set at least one program, so the current
// step always exists. The window stores its pending step edits before it
// calls any of these and shows the current step afterwards.
class ProgramEditModel {
 public:
  enum class FileType { Prg, Car, Vap };

  // Bounds of the count fields: generous for any real analysis, but an
  // accidental "999999999" must not try to allocate gigabytes.
  static constexpr std::int32_t kMaxPrograms = 1000;
  static constexpr std::int32_t kMaxSteps = 1000;

  ProgramEditModel();

  const TVAProgramsArray& Programs() const { return programs_; }
  std::int32_t CurrentProgram() const { return currentProgram_; }
  std::int32_t CurrentStep() const { return currentStep_; }
  std::int32_t ProgramCount() const { return static_cast<std::int32_t>(programs_.size()); }
  std::int32_t ProgramLength() const;
  const ProgramStep& Current() const;
  // Writes over the current step (StoreStep's last move).
  void ReplaceCurrent(const ProgramStep& step);

  bool FromMethod = false;
  bool CompactView = false;
  bool MethodEditMode = false;
  // Any edit of a step, the program count or a program length.
  void NoteEdit() {
    FromMethod = false;
    CompactView = false;
  }

  // Replaces the set (empty programs get one zero-filled step, an empty set
  // becomes the default set) and selects `current` (0 when outside), step 0.
  void SetPrograms(TVAProgramsArray programs, std::int32_t current = 0);
  // Makes (program, step) current: a program outside the set becomes the
  // nearest one, a step outside the program becomes 0.
  void Select(std::int32_t program, std::int32_t step);

  // The navigation edits; counts and numbers are as the fields show them
  // (1-based numbers). Each returns false when it changed nothing.
  bool SetProgramCount(std::int32_t count);
  bool SetProgramLength(std::int32_t length);
  // "Copy step": step `number` of the current program over the current step.
  bool CopyStep(std::int32_t number);
  // "Insert before current step": a copy of step `number` (as numbered
  // before the insertion) goes in at the current index.
  bool InsertBeforeCurrent(std::int32_t number);
  // "Remove current step"; a program left empty gets one zero-filled step.
  bool RemoveCurrent();
  // "Copy program": program `number` over the current program.
  bool CopyProgram(std::int32_t number);
  // Sets every step's StirrerType (the mixer mode reset of a method's set).
  void SetAllStirrerTypes(std::int32_t type);

  // --- files -----------------------------------------------------------------
  // By the lower-cased extension; nullopt for anything else.
  static std::optional<FileType> TypeOf(const std::filesystem::path& file);
  struct OpenResult {
    bool unreadData = false;  // a ".vap" held blocks this version skips
  };
  // ".prg" replaces the current program, ".car" and ".vap" the whole set
  // (the stored current program becomes current, program 1 when it lies
  // outside); then step 1 of the current program is current and the method
  // flags are cleared. Throws EFormatError for damaged files, for files
  // that cannot be opened and for files of no program type.
  OpenResult Open(const std::filesystem::path& file);
  // By the extension as typed: ".prg" the current program, ".car" the set,
  // anything else a ".vap" program set. Throws EFormatError.
  void Save(const std::filesystem::path& file) const;

 private:
  TSingleProgramArray& program() { return programs_.at(static_cast<std::size_t>(currentProgram_)); }
  const TSingleProgramArray& program() const { return programs_.at(static_cast<std::size_t>(currentProgram_)); }

  TVAProgramsArray programs_;
  std::int32_t currentProgram_ = 0;
  std::int32_t currentStep_ = 0;
};

}  // namespace velmora
