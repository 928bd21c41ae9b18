#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "FormatError.h"
#include "JsonReader.h"
#include "JsonWriter.h"

namespace {

void write(velmora::JsonWriter& json, const velmora::JsonValue& v) {
  using Kind = velmora::JsonValue::Kind;
  switch (v.kind) {
    case Kind::Null:
      json.null();
      break;
    case Kind::Bool:
      json.value(v.flag);
      break;
    case Kind::Number:
      json.value(v.number);
      break;
    case Kind::String:
      json.value(v.text);
      break;
    case Kind::Array:
      json.beginArray();
      for (const auto& item : v.items) write(json, item);
      json.endArray();
      break;
    case Kind::Object:
      json.beginObject();
      for (const auto& field : v.fields) {
        json.key(field.first);
        write(json, field.second);
      }
      json.endObject();
      break;
  }
}

}  // namespace

// Reads a JSON text; what reads must write back to a text that reads again
// to the same text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > velmora::JsonReader::kMaxFileSize) return 0;
  velmora::JsonValue value;
  try {
    value = velmora::JsonReader::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const velmora::EFormatError&) {
    return 0;
  }
  velmora::JsonWriter first;
  write(first, value);
  velmora::JsonWriter second;
  write(second, velmora::JsonReader::Parse(first.str()));  // must not throw
  if (first.str() != second.str()) std::abort();
  return 0;
}
