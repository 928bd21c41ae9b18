#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// An INI text file that keeps everything it does not understand: unknown
// sections, keys, comments and their order survive a read and a write, since
// the file is shared with other versions of the program. Section and key
// names compare without regard to case; "key=value" may have blanks around
// the "=".
class IniFile {
 public:
  // Reads the file; a missing file gives an empty one (false). Files that are
  // not valid UTF-8 are taken as Windows-1251.
  bool load(const std::filesystem::path& path);
  void parse(std::string_view text);
  std::string serialize() const;
  // Writes through a temporary file; throws EFormatError on failure.
  void save(const std::filesystem::path& path) const;

  std::optional<std::string> value(std::string_view section, std::string_view key) const;
  std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;
  // A decimal integer (or "$"/"0x" hexadecimal); `fallback` when missing or
  // not a number.
  long long readInteger(std::string_view section, std::string_view key, long long fallback) const;
  // True when the integer value is not 0.
  bool readBool(std::string_view section, std::string_view key, bool fallback) const;
  double readFloat(std::string_view section, std::string_view key, double fallback) const;

  void writeString(std::string_view section, std::string_view key, std::string_view value);
  void writeInteger(std::string_view section, std::string_view key, long long value);
  void writeBool(std::string_view section, std::string_view key, bool value);
  void writeFloat(std::string_view section, std::string_view key, double value);

  bool hasSection(std::string_view section) const;
  void deleteKey(std::string_view section, std::string_view key);
  void eraseSection(std::string_view section);
  std::vector<std::string> sections() const;
  std::vector<std::string> keys(std::string_view section) const;

 private:
  struct Line {
    std::string key;   // empty for comments and blank lines
    std::string value;
    std::string raw;   // the text of comments and blank lines
  };
  struct Section {
    std::string name;
    std::vector<Line> lines;
  };
  Section* findSection(std::string_view name);
  const Section* findSection(std::string_view name) const;
  Section& ensureSection(std::string_view name);

  std::vector<Line> preamble_;  // lines before the first section
  std::vector<Section> sections_;
};

}  // namespace velmora
