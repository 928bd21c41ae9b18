#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FormatError.h"
#include "InstrumentTextImport.h"

using velmora::InstrumentTextImport;

// Reads a table of another instrument as the import does: the sniffing of
// the first line, the table, the column guess and the chosen points.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  (void)InstrumentTextImport::IsInstrumentTable(text);
  try {
    const InstrumentTextImport::Table table = InstrumentTextImport::Parse(text);
    const auto guess = InstrumentTextImport::GuessColumns(table);
    const std::size_t x = guess ? guess->first : 0;
    const std::size_t y = guess ? guess->second : table.Columns.size() - 1;
    (void)InstrumentTextImport::Points(table, x, y);
    (void)InstrumentTextImport::UnitNote(table, y);
    for (const auto& column : table.Columns) (void)InstrumentTextImport::UnitOfName(column.Name);
  } catch (const velmora::EFormatError&) {
  }
  return 0;
}
