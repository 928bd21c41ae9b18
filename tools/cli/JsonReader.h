#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora {

// One value of a JSON text.
struct JsonValue {
  enum class Kind { Null, Bool, Number, String, Array, Object };
  Kind kind = Kind::Null;
  bool flag = false;
  double number = 0.0;
  std::string text;
  std::vector<JsonValue> items;                           // Array
  std::vector<std::pair<std::string, JsonValue>> fields;  // Object, in text order

  // Defined where JsonValue is complete: the member of pairs holding a
  // JsonValue cannot be destroyed or copied inside its own class (clang).
  JsonValue();
  JsonValue(const JsonValue&);
  JsonValue(JsonValue&&) noexcept;
  JsonValue& operator=(const JsonValue&);
  JsonValue& operator=(JsonValue&&) noexcept;
  ~JsonValue();

  // The field of that name (the last one when repeated), or null.
  const JsonValue* field(std::string_view name) const;
};

// A small, strict JSON reader for the command-line tool's input files:
// RFC 8259 syntax, UTF-8 text with \u escapes (surrogate pairs joined),
// nesting bounded by kMaxDepth. Damaged text throws EFormatError naming the
// byte where reading stopped; it never recurses without bound.
class JsonReader {
 public:
  static constexpr int kMaxDepth = 32;
  static constexpr std::size_t kMaxFileSize = 4 * 1024 * 1024;

  static JsonValue Parse(std::string_view text);
};

}  // namespace velmora
