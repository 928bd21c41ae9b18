#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "ValueRecord.h"

namespace velmora {

class BinaryReader;
class BinaryWriter;

// Limits that damaged or hostile data cannot exceed while a script or a
// method is read. One budget serves a whole file, so that nested lists
// (programs inside commands inside a method) share it.
struct TReadBudget {
  static constexpr std::size_t kMaxCommands = 1 << 16;
  static constexpr std::size_t kMaxSteps = 1 << 16;    // program steps over the whole file
  static constexpr std::size_t kMaxStrings = 1 << 20;  // per-step and per-cell texts of all languages
  static constexpr std::size_t kMaxLanguages = 256;

  std::size_t Commands = kMaxCommands;
  std::size_t Steps = kMaxSteps;
  std::size_t Strings = kMaxStrings;

  // Takes `count` from `left`; throws EFormatError naming `what` and the
  // `limit` when the budget does not hold that much.
  static void Take(std::size_t& left, std::uint64_t count, std::size_t limit, const char* what);
};

// A method script: the commands the measurement wizard runs, in order.
class TWizSteps : public std::vector<ValueRecord> {
 public:
  using std::vector<ValueRecord>::vector;

  static constexpr const char* kTypeCode = "TVNS";
  // Script and method files far larger than any real one are refused unread.
  static constexpr std::uintmax_t kMaxFileSize = std::uintmax_t{16} << 20;

  // --- Command stream ---------------------------------------------------------
  // One tagged block per command: type, payload length, payload.
  static void Write(BinaryWriter& out, const TWizSteps& script);
  static std::vector<std::uint8_t> Bytes(const TWizSteps& script);
  // Reads commands to the end of `in`. Types above 23 are kept without data
  // and their payloads skipped (`unreadData` is then set when given). Every
  // count and length is checked against the payload it lies in; damaged
  // data throws EFormatError.
  static TWizSteps Read(BinaryReader& in, bool* unreadData = nullptr);
  static TWizSteps Read(BinaryReader& in, TReadBudget& budget, bool* unreadData = nullptr);

  // --- Script files (".tvs") ----------------------------------------------------
  // The header "TVNSv100" and the command stream. nullopt when the header
  // is of another file type (nothing is loaded, no message); another
  // version throws "Unknown file format %s".
  static std::optional<TWizSteps> Decode(std::span<const std::uint8_t> bytes, bool* unreadData = nullptr);
  static std::vector<std::uint8_t> Encode(const TWizSteps& script);
  static std::optional<TWizSteps> ReadFile(const std::filesystem::path& file, bool* unreadData = nullptr);
  // Replaces the file only once the new one is complete.
  static void WriteFile(const std::filesystem::path& file, const TWizSteps& script);

  // True when a command of this type is in the script.
  bool Contains(std::uint32_t type) const;
};

// The program list of commands and method files: a program-set block with
// the trailing value 0. ReadProgramList checks the program and step counts
// against `budget` before the block is read.
void WriteProgramList(BinaryWriter& out, const TVAProgramsArray& programs);
TVAProgramsArray ReadProgramList(BinaryReader& in, TReadBudget& budget, bool* unreadData = nullptr);

}  // namespace velmora
