#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// A small streaming JSON writer for the command-line tool: objects, arrays,
// strings (UTF-8, escaped), integers, booleans and doubles in the shortest
// form that reads back to the same bits (non-finite values become null).
class JsonWriter {
 public:
  JsonWriter() = default;
  // Writes the text to `sink` as it grows, in pieces of about 64 KiB,
  // instead of keeping it whole: flush() writes the rest. str() then holds
  // only what is not written yet.
  explicit JsonWriter(std::ostream& sink) : sink_(&sink) {}
  void flush();

  JsonWriter& beginObject();
  JsonWriter& endObject();
  JsonWriter& beginArray();
  JsonWriter& endArray();
  JsonWriter& key(std::string_view name);

  JsonWriter& value(std::string_view text);
  JsonWriter& value(const char* text) { return value(std::string_view(text)); }
  JsonWriter& value(const std::string& text) { return value(std::string_view(text)); }
  JsonWriter& value(double number);
  JsonWriter& value(std::int64_t number);
  JsonWriter& value(int number) { return value(static_cast<std::int64_t>(number)); }
  JsonWriter& value(bool flag);
  JsonWriter& null();

  // key + value in one call.
  template <typename T>
  JsonWriter& field(std::string_view name, const T& v) {
    key(name);
    return value(v);
  }

  const std::string& str() const { return out_; }

  static std::string escape(std::string_view text);

 private:
  void separate();
  std::ostream* sink_ = nullptr;
  std::string out_;
  std::vector<bool> first_;  // per open container: nothing written yet
  bool afterKey_ = false;
};

}  // namespace velmora
