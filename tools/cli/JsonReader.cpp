#include "JsonReader.h"

#include <charconv>
#include <cmath>

#include "Cp1251.h"
#include "FormatError.h"
#include "Messages.h"

namespace velmora {

namespace {

// The power of ten of the first significant digit of a well-formed JSON
// number ("123e5" -> 7, "0.004" -> -3); the exponent is clamped.
long long DecimalMagnitude(std::string_view number) {
  std::size_t i = number.empty() || number[0] != '-' ? 0 : 1;
  long long magnitude = 0;
  bool significant = false;
  for (; i < number.size() && number[i] >= '0' && number[i] <= '9'; ++i) {
    if (significant)
      ++magnitude;
    else if (number[i] != '0')
      significant = true;
  }
  if (i < number.size() && number[i] == '.') {
    for (++i; i < number.size() && number[i] >= '0' && number[i] <= '9'; ++i) {
      if (significant) continue;
      --magnitude;
      if (number[i] != '0') significant = true;
    }
  }
  if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
    ++i;
    const bool negative = i < number.size() && number[i] == '-';
    if (i < number.size() && (number[i] == '-' || number[i] == '+')) ++i;
    long long exponent = 0;
    for (; i < number.size() && exponent < 1000000; ++i) exponent = exponent * 10 + (number[i] - '0');
    magnitude += negative ? -exponent : exponent;
  }
  return magnitude;
}

class Parser {
 public:
  explicit Parser(std::string_view text) : s_(text) {}

  JsonValue document() {
    JsonValue v = value(0);
    skipSpace();
    if (pos_ != s_.size()) fail();
    return v;
  }

 private:
  [[noreturn]] void fail() const { throw EFormatError(Message(msg::JsonDamaged, {std::to_string(pos_)})); }

  void skipSpace() {
    while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n' || s_[pos_] == '\r')) ++pos_;
  }

  bool take(char c) {
    skipSpace();
    if (pos_ < s_.size() && s_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }

  void expectWord(std::string_view word) {
    if (s_.substr(pos_, word.size()) != word) fail();
    pos_ += word.size();
  }

  JsonValue value(int depth) {
    if (depth >= JsonReader::kMaxDepth) {
      throw EFormatError(Message(msg::JsonTooDeep, {std::to_string(JsonReader::kMaxDepth)}));
    }
    skipSpace();
    if (pos_ >= s_.size()) fail();
    JsonValue v;
    const char c = s_[pos_];
    if (c == '{') {
      ++pos_;
      v.kind = JsonValue::Kind::Object;
      if (take('}')) return v;
      do {
        skipSpace();
        std::string key = string();
        if (!take(':')) fail();
        v.fields.emplace_back(std::move(key), value(depth + 1));
      } while (take(','));
      if (!take('}')) fail();
    } else if (c == '[') {
      ++pos_;
      v.kind = JsonValue::Kind::Array;
      if (take(']')) return v;
      do {
        v.items.push_back(value(depth + 1));
      } while (take(','));
      if (!take(']')) fail();
    } else if (c == '"') {
      v.kind = JsonValue::Kind::String;
      v.text = string();
    } else if (c == 't') {
      expectWord("true");
      v.kind = JsonValue::Kind::Bool;
      v.flag = true;
    } else if (c == 'f') {
      expectWord("false");
      v.kind = JsonValue::Kind::Bool;
    } else if (c == 'n') {
      expectWord("null");
    } else {
      v.kind = JsonValue::Kind::Number;
      v.number = number();
    }
    return v;
  }

  double number() {
    const std::size_t start = pos_;
    auto digits = [this] {
      const std::size_t from = pos_;
      while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9') ++pos_;
      return pos_ > from;
    };
    if (pos_ < s_.size() && s_[pos_] == '-') ++pos_;
    if (pos_ < s_.size() && s_[pos_] == '0') {
      ++pos_;
    } else if (!digits()) {
      fail();
    }
    if (pos_ < s_.size() && s_[pos_] == '.') {
      ++pos_;
      if (!digits()) fail();
    }
    if (pos_ < s_.size() && (s_[pos_] == 'e' || s_[pos_] == 'E')) {
      ++pos_;
      if (pos_ < s_.size() && (s_[pos_] == '+' || s_[pos_] == '-')) ++pos_;
      if (!digits()) fail();
    }
    // from_chars reads "." whatever the C library's locale says.
    const char* first = s_.data() + start;
    const char* last = s_.data() + pos_;
    double v = 0.0;
    const auto [end, ec] = std::from_chars(first, last, v);
    if (ec == std::errc::result_out_of_range) {
      // Too small for a double reads as zero, too large is refused.
      if (DecimalMagnitude(std::string_view(first, static_cast<std::size_t>(last - first))) > 0) fail();
      return *first == '-' ? -0.0 : 0.0;
    }
    if (ec != std::errc() || end != last || !std::isfinite(v)) fail();
    return v;
  }

  unsigned hex4() {
    if (pos_ + 4 > s_.size()) fail();
    unsigned v = 0;
    for (int i = 0; i < 4; ++i) {
      const char h = s_[pos_++];
      v <<= 4;
      if (h >= '0' && h <= '9') {
        v |= static_cast<unsigned>(h - '0');
      } else if (h >= 'a' && h <= 'f') {
        v |= static_cast<unsigned>(h - 'a' + 10);
      } else if (h >= 'A' && h <= 'F') {
        v |= static_cast<unsigned>(h - 'A' + 10);
      } else {
        fail();
      }
    }
    return v;
  }

  std::string string() {
    if (pos_ >= s_.size() || s_[pos_] != '"') fail();
    ++pos_;
    std::string out;
    for (;;) {
      if (pos_ >= s_.size()) fail();
      const char c = s_[pos_++];
      if (c == '"') return out;
      if (static_cast<unsigned char>(c) < 0x20) fail();
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos_ >= s_.size()) fail();
      const char e = s_[pos_++];
      switch (e) {
        case '"':
          out += '"';
          break;
        case '\\':
          out += '\\';
          break;
        case '/':
          out += '/';
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u': {
          unsigned cp = hex4();
          if (cp >= 0xD800 && cp < 0xDC00) {
            if (pos_ + 2 > s_.size() || s_[pos_] != '\\' || s_[pos_ + 1] != 'u') fail();
            pos_ += 2;
            const unsigned low = hex4();
            if (low < 0xDC00 || low >= 0xE000) fail();
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
          } else if (cp >= 0xDC00 && cp < 0xE000) {
            fail();
          }
          appendUtf8(out, static_cast<char32_t>(cp));
          break;
        }
        default:
          fail();
      }
    }
  }

  std::string_view s_;
  std::size_t pos_ = 0;
};

}  // namespace

const JsonValue* JsonValue::field(std::string_view name) const {
  const JsonValue* found = nullptr;
  for (const auto& [key, v] : fields) {
    if (key == name) found = &v;
  }
  return found;
}

JsonValue::JsonValue() = default;
JsonValue::JsonValue(const JsonValue&) = default;
JsonValue::JsonValue(JsonValue&&) noexcept = default;
JsonValue& JsonValue::operator=(const JsonValue&) = default;
JsonValue& JsonValue::operator=(JsonValue&&) noexcept = default;
JsonValue::~JsonValue() = default;

JsonValue JsonReader::Parse(std::string_view text) { return Parser(text).document(); }

}  // namespace velmora
