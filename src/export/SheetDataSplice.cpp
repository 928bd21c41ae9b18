#include "SheetDataSplice.h"

#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

#include "FormatError.h"
#include "Messages.h"
#include "WorkSplit.h"

namespace velmora {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSheetPart = "xl/worksheets/sheet1.xml";
constexpr std::uint32_t kLocalSignature = 0x04034b50;
constexpr std::uint32_t kCentralSignature = 0x02014b50;
constexpr std::uint32_t kEndSignature = 0x06054b50;
constexpr std::size_t kRowsPerPiece = 64;

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Get32(const Bytes& b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t Get16(const Bytes& b, std::size_t at) { return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8); }

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int k = 0; k < 4; ++k) b[at + static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(v >> (8 * k));
}

void Put16(Bytes& b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// A column's letters, from column 0 = "A".
std::string ColumnName(std::size_t column) {
  std::string name;
  for (std::size_t c = column + 1; c > 0; c = (c - 1) / 26)
    name.insert(name.begin(), static_cast<char>('A' + (c - 1) % 26));
  return name;
}

void AppendInt(std::string& out, std::size_t v) {
  char buffer[24];
  out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, v).ptr);
}

bool HasTitle(const std::string& title) { return !title.empty() && title.front() != '\0'; }

// One entry of the archive's central directory.
struct Entry {
  std::size_t Record = 0;  // offset of its central record
  std::uint32_t Local = 0;
  std::string Name;
};

// One piece of the worksheet part, compressed on its own.
struct Piece {
  Bytes Data;
  std::uint32_t Crc = 0;
  std::size_t Length = 0;
  bool Ok = false;
};

// `text` as a piece of one raw deflate stream: pieces end on a byte
// boundary without closing the stream, the last one closes it, so the
// pieces joined are one stream.
void Compress(std::string_view text, bool last, Piece& out) {
  z_stream z{};
  if (deflateInit2(&z, Z_BEST_SPEED, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) return;
  out.Data.resize(deflateBound(&z, static_cast<uLong>(text.size())) + 1024);
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
  z.avail_in = static_cast<uInt>(text.size());
  z.next_out = out.Data.data();
  z.avail_out = static_cast<uInt>(out.Data.size());
  const int rc = deflate(&z, last ? Z_FINISH : Z_SYNC_FLUSH);
  const bool ok = (last ? rc == Z_STREAM_END : rc == Z_OK) && z.avail_in == 0 && z.avail_out > 0;
  out.Data.resize(z.total_out);
  deflateEnd(&z);
  out.Ok = ok;
  out.Crc =
      static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(text.data()), static_cast<uInt>(text.size())));
  out.Length = text.size();
}

std::optional<std::string> Inflate(const std::uint8_t* data, std::size_t size, std::size_t length, int method) {
  if (method == 0) {
    if (size != length) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(data), size);
  }
  if (method != Z_DEFLATED) return std::nullopt;
  std::string out(length, '\0');
  z_stream z{};
  if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return std::nullopt;
  z.next_in = const_cast<Bytef*>(data);
  z.avail_in = static_cast<uInt>(size);
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  const int rc = inflate(&z, Z_FINISH);
  const bool ok = rc == Z_STREAM_END && z.total_out == length;
  inflateEnd(&z);
  if (!ok) return std::nullopt;
  return out;
}

std::optional<Bytes> ReadFile(const fs::path& file) {
  std::FILE* f = std::fopen(file.c_str(), "rb");
  if (!f) return std::nullopt;
  Bytes bytes;
  std::uint8_t buffer[65536];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) bytes.insert(bytes.end(), buffer, buffer + n);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return std::nullopt;
  return bytes;
}

// The worksheet rows [first, end) of the points (row i of the points is
// sheet row i + 3).
void AppendRows(std::string& out, std::size_t first, std::size_t end, std::span<const TDataArr* const> series,
                const std::vector<std::string>& columns) {
  for (std::size_t i = first; i < end; ++i) {
    const std::size_t row = i + 3;
    out += "<row r=\"";
    AppendInt(out, row);
    out += "\">";
    for (std::size_t b = 0; b < series.size(); ++b) {
      if (i >= series[b]->size()) continue;
      const TDataPoint& p = (*series[b])[i];
      for (int k = 0; k < 2; ++k) {
        out += "<c r=\"";
        out += columns[2 * b + static_cast<std::size_t>(k)];
        AppendInt(out, row);
        out += "\"><v>";
        SheetDataSplice::AppendNumber(out, k == 0 ? p.X : p.Y);
        out += "</v></c>";
      }
    }
    out += "</row>";
  }
}

}  // namespace

void SheetDataSplice::AppendNumber(std::string& out, double value) {
  // "%.16G": sixteen significant digits, the exponent in capitals.
  char buffer[64];
  char* end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 16).ptr;
  for (char* p = buffer; p != end; ++p) *p = static_cast<char>(std::toupper(static_cast<unsigned char>(*p)));
  out.append(buffer, end);
}

std::string SheetDataSplice::Dimension(std::span<const std::string> titles, std::span<const TDataArr* const> series) {
  std::size_t firstRow = SIZE_MAX, lastRow = 0, firstColumn = SIZE_MAX, lastColumn = 0;
  auto cell = [&](std::size_t row, std::size_t column) {
    firstRow = std::min(firstRow, row);
    lastRow = std::max(lastRow, row);
    firstColumn = std::min(firstColumn, column);
    lastColumn = std::max(lastColumn, column);
  };
  for (std::size_t b = 0; b < series.size(); ++b) {
    if (b < titles.size() && HasTitle(titles[b])) cell(1, 2 * b + 1);
    if (!series[b]->empty()) {
      cell(2, 2 * b + 1);
      cell(series[b]->size() + 1, 2 * b + 2);
    }
  }
  if (firstRow == SIZE_MAX) return "A1";
  std::string ref = ColumnName(firstColumn);
  AppendInt(ref, firstRow + 1);
  if (firstRow == lastRow && firstColumn == lastColumn) return ref;
  ref += ':';
  ref += ColumnName(lastColumn);
  AppendInt(ref, lastRow + 1);
  return ref;
}

bool SheetDataSplice::Splice(const fs::path& workbook, std::span<const std::string> titles,
                             std::span<const TDataArr* const> series, const std::atomic<bool>* cancel) {
  const std::optional<Bytes> read = ReadFile(workbook);
  if (!read || read->size() < 22) return false;
  const Bytes& zip = *read;

  // The end record, then the central directory it points at.
  std::size_t end = zip.size() - 22;
  while (end > 0 && Get32(zip, end) != kEndSignature) --end;
  if (Get32(zip, end) != kEndSignature || end + 22 + Get16(zip, end + 20) != zip.size()) return false;
  const std::size_t count = Get16(zip, end + 10);
  const std::size_t directorySize = Get32(zip, end + 12);
  const std::size_t directory = Get32(zip, end + 16);
  if (Get16(zip, end + 4) != 0 || Get16(zip, end + 6) != 0 || Get16(zip, end + 8) != count ||
      directory + directorySize != end) {
    return false;
  }
  std::vector<Entry> entries;
  for (std::size_t at = directory, k = 0; k < count; ++k) {
    if (at + 46 > end || Get32(zip, at) != kCentralSignature) return false;
    const std::size_t nameLength = Get16(zip, at + 28);
    const std::size_t extra = Get16(zip, at + 30);
    const std::size_t comment = Get16(zip, at + 32);
    if (at + 46 + nameLength + extra + comment > end) return false;
    Entry e;
    e.Record = at;
    e.Local = Get32(zip, at + 42);
    e.Name.assign(reinterpret_cast<const char*>(&zip[at + 46]), nameLength);
    entries.push_back(std::move(e));
    at += 46 + nameLength + extra + comment;
  }
  const auto sheet = std::find_if(entries.begin(), entries.end(), [](const Entry& e) { return e.Name == kSheetPart; });
  if (sheet == entries.end()) return false;
  const std::size_t record = sheet->Record;
  const std::size_t local = sheet->Local;
  // The sheet's bytes run up to the next entry's local header.
  std::size_t localEnd = directory;
  for (const Entry& e : entries) {
    if (e.Local > local) localEnd = std::min<std::size_t>(localEnd, e.Local);
  }
  if (local + 30 > localEnd || Get32(zip, local) != kLocalSignature) return false;
  const std::uint16_t flags = Get16(zip, record + 8);
  const int method = Get16(zip, record + 10);
  const std::size_t packed = Get32(zip, record + 20);
  const std::size_t length = Get32(zip, record + 24);
  if ((flags & 0x0001) != 0 || packed == 0xFFFFFFFFu || length == 0xFFFFFFFFu) return false;
  const std::size_t dataAt = local + 30 + Get16(zip, local + 26) + Get16(zip, local + 28);
  if (dataAt + packed > localEnd) return false;
  const std::optional<std::string> xml = Inflate(&zip[dataAt], packed, length, method);
  if (!xml) return false;

  // The worksheet around the rows: its dimension set to the whole data,
  // the rows going in after the title row.
  std::string before, after;
  const std::size_t dimension = xml->find("<dimension ref=\"");
  const std::size_t dimensionEnd = dimension == std::string::npos ? dimension : xml->find('"', dimension + 16);
  if (dimensionEnd == std::string::npos) return false;
  std::size_t insert = xml->find("</sheetData>");
  const std::size_t empty = xml->find("<sheetData/>");
  if (insert == std::string::npos && empty == std::string::npos) return false;
  std::size_t longest = 0;
  for (const TDataArr* s : series) longest = std::max(longest, s->size());
  // Without points the library's worksheet is the one wanted already.
  if (longest == 0 && insert == std::string::npos) return true;
  if (insert != std::string::npos) {
    // Nothing but the title row may be there.
    const std::size_t row = xml->find("<row ", xml->find("<sheetData>"));
    if (row < insert && (xml->compare(row, 11, "<row r=\"2\">") != 0 || xml->find("<row ", row + 1) < insert)) {
      return false;
    }
  }
  before = xml->substr(0, dimension + 16) + Dimension(titles, series);
  if (insert != std::string::npos) {
    before.append(*xml, dimensionEnd, insert - dimensionEnd);
    after = xml->substr(insert);
  } else {
    before.append(*xml, dimensionEnd, empty - dimensionEnd);
    before += "<sheetData>";
    after = "</sheetData>" + xml->substr(empty + 12);
  }

  std::vector<std::string> columns;
  for (std::size_t c = 0; c < 2 * series.size(); ++c) columns.push_back(ColumnName(c + 1));
  const std::size_t chunks = (longest + kRowsPerPiece - 1) / kRowsPerPiece;
  std::vector<Piece> pieces(chunks + 2);
  Compress(before, false, pieces.front());
  WorkSplit::ForEach(
      chunks,
      [&](std::size_t k) {
        std::string text;
        AppendRows(text, k * kRowsPerPiece, std::min(longest, (k + 1) * kRowsPerPiece), series, columns);
        Compress(text, false, pieces[k + 1]);
      },
      cancel);
  if (cancel && cancel->load()) return false;
  Compress(after, true, pieces.back());

  std::size_t newLength = 0, newPacked = 0;
  std::uint32_t crc = 0;
  for (const Piece& p : pieces) {
    if (!p.Ok) return false;
    newLength += p.Length;
    newPacked += p.Data.size();
    crc = static_cast<std::uint32_t>(crc32_combine(crc, p.Crc, static_cast<z_off_t>(p.Length)));
  }
  if (newLength >= 0xFFFFFFFFu || newPacked >= 0xFFFFFFFFu) return false;

  // The archive again: the sheet's local header and data replaced, the
  // entries after it and the directory moved by the difference.
  Bytes out;
  out.reserve(zip.size() + newPacked);
  out.insert(out.end(), zip.begin(), zip.begin() + static_cast<std::ptrdiff_t>(dataAt));
  Put16(out, local + 6, static_cast<std::uint16_t>(flags & ~0x0008));
  Put16(out, local + 8, Z_DEFLATED);
  Put32(out, local + 14, crc);
  Put32(out, local + 18, static_cast<std::uint32_t>(newPacked));
  Put32(out, local + 22, static_cast<std::uint32_t>(newLength));
  for (const Piece& p : pieces) out.insert(out.end(), p.Data.begin(), p.Data.end());
  const std::ptrdiff_t shift = static_cast<std::ptrdiff_t>(out.size()) - static_cast<std::ptrdiff_t>(localEnd);
  out.insert(out.end(), zip.begin() + static_cast<std::ptrdiff_t>(localEnd), zip.end());
  auto moved = [&](std::size_t at) { return static_cast<std::size_t>(static_cast<std::ptrdiff_t>(at) + shift); };
  for (const Entry& e : entries) {
    const std::size_t at = moved(e.Record);
    if (e.Local > local) Put32(out, at + 42, static_cast<std::uint32_t>(moved(e.Local)));
    if (e.Record == record) {
      Put16(out, at + 8, static_cast<std::uint16_t>(flags & ~0x0008));
      Put16(out, at + 10, Z_DEFLATED);
      Put32(out, at + 16, crc);
      Put32(out, at + 20, static_cast<std::uint32_t>(newPacked));
      Put32(out, at + 24, static_cast<std::uint32_t>(newLength));
    }
  }
  if (moved(directory) >= 0xFFFFFFFFu) return false;
  Put32(out, moved(end) + 16, static_cast<std::uint32_t>(moved(directory)));

  std::FILE* f = std::fopen(workbook.c_str(), "wb");
  if (!f) throw EFormatError(Message(msg::CannotCreateFile, {workbook.string(), std::strerror(errno)}));
  const bool written = std::fwrite(out.data(), 1, out.size(), f) == out.size();
  const bool closed = std::fclose(f) == 0;
  if (!written || !closed)
    throw EFormatError(Message(msg::CannotCreateFile, {workbook.string(), std::strerror(errno)}));
  return true;
}

}  // namespace velmora
