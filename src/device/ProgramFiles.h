#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "ProgramSetBlock.h"
#include "TVAProgramsArray.h"

namespace velmora {

// The program files of the record-parameters editor:
//  ".prg"  one program: the step count, then the 244-byte head of each step;
//  ".car"  a fixed-size image of at most 11 programs of 101 steps (heads and
//          autosampler parts, step counts, current program, program count);
//  ".vap"  the header "TVXPv100" and a program-set block.
// Readers check every size and count and throw EFormatError for damaged
// data; writers replace a file only once it is completely written.
class ProgramFiles {
 public:
  // A program set with the editor's current program index.
  struct ProgramSet {
    TVAProgramsArray Programs;
    std::int32_t Current = 0;
    bool UnreadData = false;  // unknown blocks were skipped (".vap" only)
  };

  static constexpr std::size_t kCarPrograms = 11;
  static constexpr std::size_t kCarSteps = 101;
  static constexpr std::size_t kCarExtraOffset = kCarSteps * kCarPrograms * ProgramStep::kHeadSize;  // 271084
  static constexpr std::size_t kCarCountsOffset =
      kCarExtraOffset + kCarSteps * kCarPrograms * ProgramStep::kExtraSize;              // 284416
  static constexpr std::size_t kCarCurrentOffset = kCarCountsOffset + 4 * kCarPrograms;  // 284460
  static constexpr std::size_t kCarProgramCountOffset = kCarCurrentOffset + 4;           // 284464
  static constexpr std::size_t kCarFileSize = kCarProgramCountOffset + 4;                // 284468
  static constexpr std::int32_t kCarStirrerSpeed = 1000;

  static constexpr const char* kVapTypeCode = "TVXP";
  // Files far larger than any real program set are refused unread.
  static constexpr std::uintmax_t kMaxFileSize = std::uintmax_t{64} << 20;

  // --- ".prg" ---------------------------------------------------------------
  // nullopt when the file cannot be opened (the editor then ignores it).
  // Bytes 244..268 of every step read are zero.
  static std::optional<TSingleProgramArray> ReadSingleProgram(const std::filesystem::path& file);
  static void WriteSingleProgram(const std::filesystem::path& file, const TSingleProgramArray& program);
  static TSingleProgramArray DecodeSingleProgram(std::span<const std::uint8_t> bytes);
  static std::vector<std::uint8_t> EncodeSingleProgram(const TSingleProgramArray& program);

  // --- ".car" ---------------------------------------------------------------
  // Programs are sized to their stored step counts and the set to the stored
  // program count; empty programs at the end are dropped unless all are
  // empty. Every step gets StirrerSpeed 1000 and Compensation 0, which the
  // format does not carry. A file of another size throws EFormatError.
  static ProgramSet ReadMultiProgram(const std::filesystem::path& file);
  static void WriteMultiProgram(const std::filesystem::path& file, const TVAProgramsArray& programs,
                                std::int32_t current);
  static ProgramSet DecodeMultiProgram(std::span<const std::uint8_t> bytes, const std::string& fileName = {});
  // Throws EFormatError when the set holds more than 11 programs or a
  // program more than 101 steps: nothing is cut silently.
  static std::vector<std::uint8_t> EncodeMultiProgram(const TVAProgramsArray& programs, std::int32_t current);

  // --- ".vap" ---------------------------------------------------------------
  // nullopt when the file does not exist or is not a program set file (its
  // type code is not "TVXP"); another version throws "Unknown file format".
  static std::optional<ProgramSet> ReadProgramSet(const std::filesystem::path& file);
  static void WriteProgramSet(const std::filesystem::path& file, const TVAProgramsArray& programs,
                              std::int32_t current);
  static std::optional<ProgramSet> DecodeProgramSet(std::span<const std::uint8_t> bytes);
  static std::vector<std::uint8_t> EncodeProgramSet(const TVAProgramsArray& programs, std::int32_t current);
};

}  // namespace velmora
