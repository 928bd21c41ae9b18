#include "InstrumentTextImport.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <system_error>

#include "DateTime.h"
#include "FileIo.h"
#include "FormatError.h"
#include "Messages.h"
#include "Numbers.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TVAStruct.h"
#include "TextImport.h"

namespace velmora {

namespace fs = std::filesystem;

namespace {

using Table = InstrumentTextImport::Table;
using Unit = InstrumentTextImport::Unit;
using Quantity = InstrumentTextImport::Quantity;

constexpr std::uintmax_t kMaxFile = std::uintmax_t{1} << 30;
constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::string_view Unquote(std::string_view s) {
  s = Trim(s);
  if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = Trim(s.substr(1, s.size() - 2));
  return s;
}

// The fields of a line; ' ' splits at runs of blanks and tabs. Quoted
// fields keep their separators. Trailing empty fields (separators at the
// end of the line) are dropped.
std::vector<std::string_view> Split(std::string_view line, char sep) {
  std::vector<std::string_view> fields;
  std::size_t i = 0;
  if (sep == ' ') {
    while (i < line.size()) {
      while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
      if (i >= line.size()) break;
      std::size_t j = i;
      if (line[i] == '"') {
        j = line.find('"', i + 1);
        j = j == std::string_view::npos ? line.size() : j + 1;
      }
      while (j < line.size() && line[j] != ' ' && line[j] != '\t') ++j;
      fields.push_back(line.substr(i, j - i));
      i = j;
    }
    return fields;
  }
  while (true) {
    std::size_t j = i;
    while (j < line.size() && (line[j] == ' ' || line[j] == '\t') && sep != '\t') ++j;
    if (j < line.size() && line[j] == '"') {
      const std::size_t close = line.find('"', j + 1);
      j = close == std::string_view::npos ? line.size() : close + 1;
    }
    const std::size_t end = line.find(sep, j);
    if (end == std::string_view::npos) {
      fields.push_back(line.substr(i));
      break;
    }
    fields.push_back(line.substr(i, end - i));
    i = end + 1;
  }
  while (!fields.empty() && Trim(fields.back()).empty()) fields.pop_back();
  return fields;
}

std::optional<double> Number(std::string_view field, bool commaAllowed) {
  field = Unquote(field);
  std::optional<double> v = ParseDecimal(field, '.');
  if (!v && commaAllowed) v = ParseDecimal(field, ',');
  if (v && !std::isfinite(*v)) return std::nullopt;
  return v;
}

struct Line {
  std::size_t Number = 0;  // from 1
  std::string_view Text;
};

// The lines of a text one at a time: no index of them is kept, so a file of
// empty lines costs no memory beyond its own.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : text_(text) {}

  bool next(Line& line) {
    if (pos_ >= text_.size()) return false;
    std::size_t end = text_.find_first_of("\r\n", pos_);
    if (end == std::string_view::npos) end = text_.size();
    line = {++number_, text_.substr(pos_, end - pos_)};
    pos_ = end;
    if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    return true;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t number_ = 0;
};

std::string Shown(std::string_view line) {
  std::string s(line.substr(0, 80));
  if (line.size() > 80) s += "...";
  return s;
}

// How far a separator gets through the lines: the table, or the line at
// which it failed.
struct Attempt {
  std::optional<Table> Result;
  std::size_t FailedLine = 0;
  std::string FailedText;
};

bool IsNumericRow(const std::vector<std::string_view>& fields, bool commaAllowed) {
  if (fields.size() < 2) return false;
  return std::all_of(fields.begin(), fields.end(),
                     [&](std::string_view f) { return Number(f, commaAllowed).has_value(); });
}

bool LooksLikeUnitsRow(const std::vector<std::string_view>& fields) {
  bool any = false;
  for (std::string_view f : fields) {
    f = Unquote(f);
    if (f.empty()) continue;
    std::string_view inner = f;
    if (inner.size() >= 2 && (inner.front() == '(' || inner.front() == '[')) inner = inner.substr(1, inner.size() - 2);
    const Quantity kind = InstrumentTextImport::UnitOfText(inner).Kind;
    if (kind == Quantity::Potential || kind == Quantity::Current || kind == Quantity::CurrentDensity) {
      any = true;
    } else if (inner.size() > 3 || inner.find('/') != std::string_view::npos) {
      return false;  // a name, not a short unit such as "s"
    }
  }
  return any;
}

Attempt TryTable(std::string_view text, char sep) {
  Attempt a;
  const bool commaAllowed = sep != ',';
  std::vector<Line> header;
  std::size_t columns = 0;
  Table table;
  table.Separator = sep;
  LineCursor cursor(text);
  Line line;
  while (cursor.next(line)) {
    if (Trim(line.Text).empty()) continue;
    if (line.Text.size() > InstrumentTextImport::kMaxLineLength) {
      a.FailedLine = line.Number;
      a.FailedText = Shown(line.Text);
      return a;
    }
    const std::vector<std::string_view> fields = Split(line.Text, sep);
    if (columns == 0) {
      if (IsNumericRow(fields, commaAllowed)) {
        if (fields.size() > InstrumentTextImport::kMaxColumns) {
          a.FailedLine = line.Number;
          a.FailedText = Shown(line.Text);
          return a;
        }
        columns = fields.size();
        table.Columns.resize(columns);
      } else {
        if (header.size() >= InstrumentTextImport::kMaxHeaderLines) {
          a.FailedLine = line.Number;
          a.FailedText = Shown(line.Text);
          return a;
        }
        header.push_back(line);
        continue;
      }
    }
    if (fields.size() != columns || !IsNumericRow(fields, commaAllowed)) {
      a.FailedLine = line.Number;
      a.FailedText = Shown(line.Text);
      return a;
    }
    for (std::size_t c = 0; c < columns; ++c) {
      const std::string_view f = Unquote(fields[c]);
      if (commaAllowed && f.find(',') != std::string_view::npos) table.DecimalComma = true;
      table.Columns[c].Values.push_back(*Number(f, commaAllowed));
    }
  }
  if (columns == 0) return a;
  table.HeaderLines = header.size();

  // Names from the last header line with one field per column; a units row
  // may sit under the names.
  std::vector<std::string_view> names, units;
  for (auto it = header.rbegin(); it != header.rend(); ++it) {
    std::vector<std::string_view> fields = Split(it->Text, sep);
    if (fields.size() < columns) fields.resize(columns);
    if (fields.size() != columns) continue;
    if (units.empty() && names.empty() && LooksLikeUnitsRow(fields) && it + 1 != header.rend()) {
      units = fields;
      continue;
    }
    names = fields;
    break;
  }
  for (std::size_t c = 0; c < columns; ++c) {
    InstrumentTextImport::Column& col = table.Columns[c];
    if (c < names.size()) col.Name = std::string(Unquote(names[c]));
    if (c < units.size()) {
      std::string_view u = Unquote(units[c]);
      if (u.size() >= 2 && (u.front() == '(' || u.front() == '[')) u = u.substr(1, u.size() - 2);
      col.ColumnUnit = InstrumentTextImport::UnitOfText(u);
    }
    if (col.ColumnUnit.Kind == Quantity::None) col.ColumnUnit = InstrumentTextImport::UnitOfName(col.Name);
  }
  a.Result = std::move(table);
  return a;
}

bool StartsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

// A current unit at the start of `s`: its factor to µA and its length.
std::optional<std::pair<double, std::size_t>> CurrentPrefix(std::string_view s) {
  static const std::array<std::pair<std::string_view, double>, 8> kUnits = {{
      {"\xC2\xB5"
       "A",
       1.0},
      {"\xCE\xBC"
       "A",
       1.0},
      {"uA", 1.0},
      {"mA", 1e3},
      {"nA", 1e-3},
      {"pA", 1e-6},
      {"kA", 1e9},
      {"A", 1e6},
  }};
  for (const auto& [text, factor] : kUnits)
    if (StartsWith(s, text)) return std::make_pair(factor, text.size());
  return std::nullopt;
}

}  // namespace

Unit InstrumentTextImport::UnitOfText(std::string_view text) {
  Unit unit;
  text = Trim(text);
  if (text.empty()) return unit;
  unit.Text = std::string(text);
  // A reference electrode after the unit ("V vs. RHE") does not change it.
  std::string_view core = text;
  if (const std::size_t vs = core.find(" vs"); vs != std::string_view::npos) core = Trim(core.substr(0, vs));
  if (core == "V") {
    unit.Kind = Quantity::Potential;
    unit.Factor = 1000.0;
    return unit;
  }
  if (core == "mV") {
    unit.Kind = Quantity::Potential;
    return unit;
  }
  if (const auto current = CurrentPrefix(core)) {
    const std::string_view rest = Trim(core.substr(current->second));
    if (rest.empty()) {
      unit.Kind = Quantity::Current;
      unit.Factor = current->first;
      return unit;
    }
    if (rest.front() == '/' || StartsWith(rest, "cm") || StartsWith(rest, "m-2") || StartsWith(rest, "m^")) {
      unit.Kind = Quantity::CurrentDensity;
      return unit;
    }
  }
  unit.Kind = Quantity::Other;
  return unit;
}

Unit InstrumentTextImport::UnitOfName(std::string_view name) {
  name = Trim(name);
  // "Current (A)", "I [µA]": the last bracketed group.
  if (!name.empty() && (name.back() == ')' || name.back() == ']')) {
    const char open = name.back() == ')' ? '(' : '[';
    const std::size_t at = name.rfind(open);
    if (at != std::string_view::npos) {
      // An unknown unit in brackets ("Time (s)") is still the column's unit.
      return UnitOfText(name.substr(at + 1, name.size() - at - 2));
    }
  }
  // "E / V", "Potential, mV", "E/V".
  for (std::string_view sep : {" / ", ", ", "/"}) {
    const std::size_t at = sep == "/" ? name.find('/') : name.rfind(sep);
    if (at == std::string_view::npos) continue;
    const Unit u = UnitOfText(name.substr(at + sep.size()));
    if (u.Kind != Quantity::Other && u.Kind != Quantity::None) return u;
  }
  // A name that is a unit alone ("mV").
  const Unit u = UnitOfText(name);
  if (u.Kind != Quantity::Other) return u;
  return {};
}

Table InstrumentTextImport::Parse(std::string_view text) {
  if (StartsWith(text, kBom)) text.remove_prefix(kBom.size());
  Attempt furthest;
  for (char sep : {';', '\t', ',', ' '}) {
    Attempt a = TryTable(text, sep);
    if (a.Result) return std::move(*a.Result);
    if (a.FailedLine > furthest.FailedLine) furthest = std::move(a);
  }
  if (furthest.FailedLine > 0)
    throw EFormatError(Message(msg::ImportLineUnreadable, {std::to_string(furthest.FailedLine), furthest.FailedText}));
  throw EFormatError(Message(msg::ImportNoColumns));
}

bool InstrumentTextImport::IsInstrumentTable(std::string_view text) {
  if (StartsWith(text, kBom)) return true;
  LineCursor cursor(text.substr(0, std::min<std::size_t>(text.size(), kMaxLineLength)));
  Line line;
  while (cursor.next(line)) {
    if (Trim(line.Text).empty()) continue;
    if (line.Text.find_first_of(";,") != std::string_view::npos) return true;
    const auto fields = Split(line.Text, ' ');
    if (fields.size() > 2) return true;
    return !IsNumericRow(fields, false);
  }
  return false;
}

bool InstrumentTextImport::IsInstrumentFile(const fs::path& file) {
  std::FILE* f = std::fopen(file.c_str(), "rb");
  if (f == nullptr) return false;
  std::string head(kMaxLineLength, '\0');
  head.resize(std::fread(head.data(), 1, head.size(), f));
  std::fclose(f);
  return IsInstrumentTable(head);
}

std::optional<std::pair<std::size_t, std::size_t>> InstrumentTextImport::GuessColumns(const Table& table) {
  if (table.Columns.size() == 2) return std::make_pair(std::size_t{0}, std::size_t{1});
  std::optional<std::size_t> x, y;
  for (std::size_t c = 0; c < table.Columns.size(); ++c) {
    const Quantity k = table.Columns[c].ColumnUnit.Kind;
    if (!x && k == Quantity::Potential) x = c;
    if (!y && (k == Quantity::Current || k == Quantity::CurrentDensity)) y = c;
  }
  if (x && y) return std::make_pair(*x, *y);
  return std::nullopt;
}

TDataArr InstrumentTextImport::Points(const Table& table, std::size_t xColumn, std::size_t yColumn) {
  for (std::size_t c : {xColumn, yColumn})
    if (c >= table.Columns.size()) throw EFormatError(Message(msg::ImportNoSuchColumn, {std::to_string(c + 1)}));
  const Column& xc = table.Columns[xColumn];
  const Column& yc = table.Columns[yColumn];
  const double fx = xc.ColumnUnit.Kind == Quantity::CurrentDensity ? 1.0 : xc.ColumnUnit.Factor;
  const double fy = yc.ColumnUnit.Kind == Quantity::CurrentDensity ? 1.0 : yc.ColumnUnit.Factor;
  TDataArr points(xc.Values.size());
  for (std::size_t i = 0; i < points.size(); ++i) points[i] = {xc.Values[i] * fx, yc.Values[i] * fy};
  return points;
}

std::string InstrumentTextImport::UnitNote(const Table& table, std::size_t yColumn) {
  if (yColumn >= table.Columns.size()) return {};
  const Unit& u = table.Columns[yColumn].ColumnUnit;
  if (u.Kind != Quantity::CurrentDensity) return {};
  // Superscripts in the caption markup of the tree.
  std::string text = u.Text;
  for (auto [from, to] :
       {std::pair<std::string_view, std::string_view>{"\xC2\xB2", "^2^"}, {"cm2", "cm^2^"}, {"cm-2", "cm^-2^"}}) {
    if (const std::size_t at = text.find(from); at != std::string::npos && text.find('^') == std::string::npos)
      text.replace(at, from.size(), to);
  }
  return Message(msg::ImportDensityNote, {text}).format();
}

namespace {

Table ReadTable(const fs::path& file) {
  const std::vector<std::uint8_t> bytes = FileIo::readAll(file, kMaxFile);
  return InstrumentTextImport::Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

TNode* AddCurve(TNodeForest& forest, const fs::path& file, const Table& table,
                std::optional<std::pair<std::size_t, std::size_t>> columns) {
  if (!columns) throw EFormatError(Message(msg::ImportChooseColumns, {std::to_string(table.Columns.size())}));
  TDataArr points = InstrumentTextImport::Points(table, columns->first, columns->second);
  TNode* node = forest.AddNode(forest.LastRoot(), nullptr);
  auto record = std::make_unique<TVAStruct>(node);
  TVAStruct* va = record.get();
  node->SetRecord(std::move(record));
  node->SetNameSilently(TextImport::NodeName(file));
  std::error_code ec;
  const auto stamp = fs::last_write_time(file, ec);
  va->RecordDate = ec ? DateTime::now()
                      : DateTime::fromSystemClock(std::chrono::time_point_cast<std::chrono::system_clock::duration>(
                            std::chrono::file_clock::to_sys(stamp)));
  va->DatabaseName.clear();
  const std::string note = InstrumentTextImport::UnitNote(table, columns->second);
  if (!note.empty()) va->Params.SetComments(note);
  va->SetData(std::move(points));
  return node;
}

}  // namespace

TNode* InstrumentTextImport::ImportFile(TNodeForest& forest, const fs::path& file, const ColumnChooser& chooser) {
  const Table table = ReadTable(file);
  std::optional<std::pair<std::size_t, std::size_t>> columns;
  if (table.Columns.size() == 2) {
    columns = std::make_pair(std::size_t{0}, std::size_t{1});
  } else if (chooser) {
    columns = chooser(table, file.filename().string());
    if (!columns) return nullptr;
  } else {
    columns = GuessColumns(table);
  }
  return AddCurve(forest, file, table, columns);
}

TNode* InstrumentTextImport::ImportWithColumns(TNodeForest& forest, const fs::path& file,
                                               std::optional<std::pair<std::size_t, std::size_t>> columns) {
  const Table table = ReadTable(file);
  if (!columns && table.Columns.size() == 2) columns = std::make_pair(std::size_t{0}, std::size_t{1});
  return AddCurve(forest, file, table, columns);
}

}  // namespace velmora
