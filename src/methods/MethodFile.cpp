#include "MethodFile.h"

#include <algorithm>
#include <exception>
#include <string>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "ChunkWriter.h"
#include "FileHeader.h"
#include "FileIo.h"
#include "FormatError.h"
#include "Messages.h"

namespace velmora {

namespace {

constexpr std::size_t kStringField = 256;
constexpr std::size_t kStringCapacity = kStringField - 1;
// The size field that tags 2, 6 and 7 carry whatever follows them.
constexpr std::int32_t kCountedBlockSize = 8;

std::vector<std::uint8_t> StringField(const std::string& text) {
  BinaryWriter field;
  field.shortString(text, kStringCapacity);
  return field.take();
}

std::string ReadStringField(BinaryReader& body) {
  const std::size_t size = body.size();
  if (size == 0) return {};
  return body.shortString(std::min(size - 1, kStringCapacity));
}

// The equation a custom calculation method is written with, or null.
const TCustomMethod* EquationToWrite(const TMethod& method, const TCustomMethodArr& customMethods) {
  if (method.CalcMethod > 5) {
    const auto index = static_cast<std::size_t>(method.CalcMethod - 6);
    if (index < customMethods.size()) return &customMethods[index];
  }
  if ((method.CalcMethod > 5 || method.CalcMethod == -1) && !method.CustomEquation.Formula.empty())
    return &method.CustomEquation;
  return nullptr;
}

std::size_t StepTotal(const TVAProgramsArray& programs) {
  std::size_t total = 0;
  for (const TSingleProgramArray& p : programs) total += p.size();
  return total;
}

}  // namespace

std::vector<std::uint8_t> MethodFile::Encode(const TMethod& method, const TCustomMethodArr& customMethods) {
  BinaryWriter out;
  ChunkWriter chunks(out);
  FileHeader::write(out, kTypeCode);
  out.i32(method.HideUnused ? 1 : 0);

  BinaryWriter programs;
  WriteProgramList(programs, method.Programs);
  chunks.chunk(kTagPrograms, programs.data());

  out.i32(kTagCells);
  out.i32(kCountedBlockSize);
  for (const TMethodCell& cell : method.Cells) {
    out.i32(cell.CellNumber);
    out.i32(cell.CellKind);
  }

  chunks.int32Chunk(kTagCalcMethod, method.CalcMethod);
  if (const TCustomMethod* equation = EquationToWrite(method, customMethods)) {
    BinaryWriter record;
    WriteMethod(record, *equation);
    chunks.chunk(kTagCustomEquation, record.data());
  }
  chunks.chunk(kTagSupportingElectrolyte, StringField(method.SupportingElectrolyte));

  for (const TLocalizedMethod& entry : method.Localized) {
    chunks.int32Chunk(kTagLanguage, entry.LanguageId);
    chunks.chunk(kTagSubMenu, StringField(entry.SubMenu));
    chunks.chunk(kTagTitle, StringField(entry.Title));
    chunks.chunk(kTagMethodName, StringField(entry.MethodName));
    // One text per program step and per cell, shaped by the programs and
    // cells whatever the entry holds, so that the reader stays in step.
    out.i32(kTagStepComments);
    out.i32(kCountedBlockSize);
    for (std::size_t p = 0; p < method.Programs.size(); ++p) {
      for (std::size_t s = 0; s < method.Programs[p].size(); ++s) {
        const bool has = p < entry.StepComments.size() && s < entry.StepComments[p].size();
        out.shortString(has ? entry.StepComments[p][s] : std::string(), kStringCapacity);
      }
    }
    out.i32(kTagCellDescriptions);
    out.i32(kCountedBlockSize);
    for (std::size_t c = 0; c < method.Cells.size(); ++c) {
      out.shortString(c < entry.CellDescriptions.size() ? entry.CellDescriptions[c] : std::string(), kStringCapacity);
    }
  }

  chunks.byteChunk(kTagCustomPrograms, method.CustomPrograms ? 1 : 0);
  if (!method.Statistics.Elements.empty()) chunks.chunk(kTagStatistics, TMethodStat::Bytes(method.Statistics));
  if (!method.Script.empty()) chunks.chunk(kTagScript, TWizSteps::Bytes(method.Script));
  return out.take();
}

bool MethodFile::Decode(std::span<const std::uint8_t> bytes, TMethod& method, bool* unreadData) {
  method.Clear();
  BinaryReader in(bytes);
  if (!FileHeader::read(in, kTypeCode)) return false;
  method.HideUnused = in.i32() == 1;

  TReadBudget budget;
  bool unread = false;
  while (!in.atEnd()) {
    const std::size_t offset = in.pos();
    if (in.remaining() < 8)
      throw EFormatError(Message(msg::ChunkHeaderTruncated, {std::to_string(in.remaining()), std::to_string(offset)}));
    const std::int32_t tag = in.i32();
    const std::int32_t size = in.i32();
    TLocalizedMethod* last = method.Localized.empty() ? nullptr : &method.Localized.back();

    // Tags whose size field does not cover what follows: their counts come
    // from the programs and cells read before them.
    if (tag == kTagCells) {
      in.requireElements(method.Cells.size(), 8, "the cells");
      for (TMethodCell& cell : method.Cells) {
        cell.CellNumber = in.i32();
        cell.CellKind = in.i32();
        cell.SamplerPosition = cell.CellNumber;
      }
      continue;
    }
    if (tag == kTagStepComments) {
      in.requireElements(StepTotal(method.Programs), kStringField, "the step comments");
      for (std::size_t p = 0; p < method.Programs.size(); ++p) {
        for (std::size_t s = 0; s < method.Programs[p].size(); ++s) {
          std::string text = in.shortString(kStringCapacity);
          if (last != nullptr) last->StepComments[p][s] = std::move(text);
        }
      }
      continue;
    }
    if (tag == kTagCellDescriptions) {
      in.requireElements(method.Cells.size(), kStringField, "the cell descriptions");
      for (std::size_t c = 0; c < method.Cells.size(); ++c) {
        std::string text = in.shortString(kStringCapacity);
        if (last != nullptr) last->CellDescriptions[c] = std::move(text);
      }
      continue;
    }

    if (size < 0 || static_cast<std::size_t>(size) > in.remaining()) {
      throw EFormatError(Message(msg::ChunkSizeInvalid, {std::to_string(tag), std::to_string(offset),
                                                         std::to_string(size), std::to_string(in.remaining())}));
    }
    BinaryReader body = in.sub(static_cast<std::size_t>(size));
    switch (tag) {
      case kTagPrograms:
        method.Programs = ReadProgramList(body, budget, &unread);
        method.RebuildCells();
        method.ShapeLanguages();
        break;
      case kTagLanguage: {
        TReadBudget::Take(budget.Strings, StepTotal(method.Programs) + method.Cells.size() + 3,
                          TReadBudget::kMaxStrings, "texts");
        if (method.Localized.size() >= TReadBudget::kMaxLanguages) {
          throw EFormatError(
              Message(msg::MethodDataTooLarge, {"languages", std::to_string(TReadBudget::kMaxLanguages)}));
        }
        TLocalizedMethod entry;
        entry.LanguageId = body.i32();
        method.Localized.push_back(std::move(entry));
        method.ShapeLanguages();
        break;
      }
      case kTagSubMenu:
        if (last != nullptr) last->SubMenu = ReadStringField(body);
        break;
      case kTagTitle:
        if (last != nullptr) last->Title = ReadStringField(body);
        break;
      case kTagMethodName:
        if (last != nullptr) last->MethodName = ReadStringField(body);
        break;
      case kTagCalcMethod:
        method.CalcMethod = body.i32();
        break;
      case kTagSupportingElectrolyte:
        method.SupportingElectrolyte = ReadStringField(body);
        break;
      case kTagCustomPrograms:
        method.CustomPrograms = size > 0 && body.u8() != 0;
        break;
      case kTagCustomEquation: {
        method.CalcMethod = -1;
        bool unreadEquation = false;
        ReadMethod(body, method.CustomEquation, &unreadEquation);
        unread = unread || unreadEquation;
        break;
      }
      case kTagStatistics:
        method.Statistics = TMethodStat::Read(body);
        break;
      case kTagScript: {
        bool unreadScript = false;
        method.Script = TWizSteps::Read(body, budget, &unreadScript);
        unread = unread || unreadScript;
        break;
      }
      default:
        unread = true;
        break;
    }
  }
  if (unreadData != nullptr) *unreadData = unread;
  return true;
}

bool MethodFile::Read(const std::filesystem::path& file, TMethod& method, bool* unreadData) {
  method.Clear();
  method.FileName = file.string();
  const std::vector<std::uint8_t> bytes = FileIo::readAll(file, TWizSteps::kMaxFileSize);
  const bool read = Decode(bytes, method, unreadData);
  method.FileName = file.string();
  return read;
}

void MethodFile::Write(const std::filesystem::path& file, const TMethod& method,
                       const TCustomMethodArr& customMethods) {
  FileIo::writeAtomically(file, Encode(method, customMethods));
}

bool MethodFile::ReadSettings(const std::filesystem::path& dataFolder, TMethod& method) {
  const std::filesystem::path file = dataFolder / kSettingsFileName;
  try {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
      method.Clear();
      return false;
    }
    if (Read(file, method)) return true;
  } catch (const std::exception&) {
  }
  method.Clear();
  return false;
}

bool MethodFile::WriteSettings(const std::filesystem::path& dataFolder, const TMethod& method,
                               const TCustomMethodArr& customMethods) {
  try {
    Write(dataFolder / kSettingsFileName, method, customMethods);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace velmora
