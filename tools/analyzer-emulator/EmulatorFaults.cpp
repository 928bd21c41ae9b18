#include "EmulatorFaults.h"

#include <charconv>
#include <string>

namespace velmora {

namespace {

bool parseCodes(std::string_view list, std::set<std::uint8_t>& codes, std::string& error) {
  while (!list.empty()) {
    const auto comma = list.find(',');
    std::string_view item = list.substr(0, comma);
    list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    int base = 10;
    if (item.size() > 2 && item[0] == '0' && (item[1] == 'x' || item[1] == 'X')) {
      item.remove_prefix(2);
      base = 16;
    }
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), value, base);
    if (ec != std::errc() || end != item.data() + item.size() || value > 255 || item.empty()) {
      error = "not a command code: " + std::string(item);
      return false;
    }
    codes.insert(static_cast<std::uint8_t>(value));
  }
  return true;
}

bool parseCells(std::string_view list, std::set<int>& cells, std::string& error) {
  if (list.empty()) {
    error = "no tray cell given";
    return false;
  }
  std::set<std::uint8_t> codes;
  if (!parseCodes(list, codes, error)) return false;
  for (const std::uint8_t c : codes) {
    if (c < 1 || c > 15) {
      error = "not a tray cell (1..15): " + std::to_string(c);
      return false;
    }
    cells.insert(c);
  }
  return true;
}

}  // namespace

bool EmulatorFaults::parse(std::string_view text, std::string& error) {
  if (text == "uncalibrated") {
    notCalibrated = true;
  } else if (text == "split") {
    splitFrames = true;
  } else if (text == "overflow") {
    bufferOverflow = true;
  } else if (text == "mercury-gap") {
    mercuryJetGap = true;
  } else if (text.starts_with("silent=")) {
    return parseCodes(text.substr(7), silent, error);
  } else if (text.starts_with("tray-jam=")) {
    return parseCells(text.substr(9), trayJam, error);
  } else if (text.starts_with("no-cell=")) {
    return parseCells(text.substr(8), noCellAnswer, error);
  } else if (text == "crc=all") {
    corruptAll = true;
  } else if (text.starts_with("crc=")) {
    return parseCodes(text.substr(4), corrupt, error);
  } else {
    error = "unknown fault: " + std::string(text);
    return false;
  }
  return true;
}

}  // namespace velmora
