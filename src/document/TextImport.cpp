#include "TextImport.h"

#include <chrono>
#include <system_error>

#include "DateTime.h"
#include "FileIo.h"
#include "FormatError.h"
#include "Messages.h"
#include "Numbers.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TUndoSuspendGuard.h"
#include "TVAStruct.h"

namespace velmora {

namespace fs = std::filesystem;

namespace {

bool IsSeparator(char c) { return c == ' ' || c == '\t'; }

double ToNumber(const std::string& text, char decimalSeparator) {
  // Only spaces may surround a number; a tab inside the text is no number.
  std::optional<double> value;
  if (text.find('\t') == std::string::npos && text.find_first_not_of(' ') != std::string::npos) {
    // "." always reads; the system's separator too, where it is another.
    value = ParseDecimal(text, '.');
    if (!value && decimalSeparator != '.') value = ParseDecimal(text, decimalSeparator);
  }
  if (!value) throw EFormatError(Message(msg::NotValidFloat, {text}));
  return *value;
}

// Upper bound of a text file, beyond what any curve needs.
constexpr std::uintmax_t kMaxTextFile = std::uintmax_t{1} << 30;

}  // namespace

TDataPoint TextImport::ParseLine(std::string_view line, char decimalSeparator) {
  if (line.size() > kLineLength) line = line.substr(0, kLineLength);
  std::size_t sep = 0;
  const std::size_t examined = std::min(line.size(), kXLength);
  while (sep < examined && !IsSeparator(line[sep])) ++sep;
  const std::string xText(line.substr(0, sep));

  // Y: from after the separator to the next one, extended while empty.
  const std::size_t yStart = std::min(sep + 1, line.size());
  std::size_t yEnd = yStart;
  std::string yText;
  while (true) {
    while (yEnd < line.size() && !IsSeparator(line[yEnd])) ++yEnd;
    yText.clear();
    for (std::size_t i = yStart; i < yEnd; ++i)
      if (line[i] != ' ') yText += line[i];
    if (!yText.empty() || yEnd >= line.size()) break;
    ++yEnd;  // take the separator in and look for the next one
  }
  TDataPoint p;
  p.X = ToNumber(xText, decimalSeparator);
  p.Y = ToNumber(yText, decimalSeparator);
  return p;
}

TDataArr TextImport::ParseText(std::string_view text, char decimalSeparator) {
  TDataArr points;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    points.push_back(ParseLine(text.substr(pos, end - pos), decimalSeparator));
    pos = end;
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;
  }
  return points;
}

std::string TextImport::NodeName(const fs::path& file) {
  const std::string name = file.filename().string();
  const std::size_t dot = name.find('.');
  if (dot == std::string::npos || dot >= kLineLength) return name;
  return name.substr(0, dot);
}

TNode* TextImport::ImportText(TNodeForest& forest, const fs::path& file, char decimalSeparator) {
  const std::vector<std::uint8_t> bytes = FileIo::readAll(file, kMaxTextFile);
  // Importing is no edit of a curve: nothing of it goes to the undo recorder.
  TUndoSuspendGuard undo(&forest.Undo());
  TNode* node = forest.AddNode(forest.LastRoot(), nullptr);
  auto record = std::make_unique<TVAStruct>(node);
  TVAStruct* va = record.get();
  node->SetRecord(std::move(record));
  node->SetNameSilently(NodeName(file));
  std::error_code ec;
  const auto stamp = fs::last_write_time(file, ec);
  va->RecordDate = ec ? DateTime::now()
                      : DateTime::fromSystemClock(std::chrono::time_point_cast<std::chrono::system_clock::duration>(
                            std::chrono::file_clock::to_sys(stamp)));
  va->DatabaseName.clear();
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  va->SetData(ParseText(text, decimalSeparator));
  return node;
}

}  // namespace velmora
