#include "FirstStartPort.h"

#include <algorithm>
#include <cctype>

namespace velmora {

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

FirstStartPort::Result FirstStartPort::Choose(const std::string& configured, const std::vector<Present>& present) {
  const std::string wanted = Lower(Trimmed(configured));
  if (wanted == "emulator") return {Choice::Configured, configured};
  if (present.empty()) return {Choice::Emulator, "emulator"};
  if (!wanted.empty()) {
    for (const Present& p : present)
      if (Lower(p.name) == wanted || (!p.altName.empty() && Lower(p.altName) == wanted))
        return {Choice::Configured, configured};
  }
  const auto adapters = std::count_if(present.begin(), present.end(), [](const Present& p) { return p.usbAdapter; });
  if (adapters == 1) {
    const auto adapter = std::find_if(present.begin(), present.end(), [](const Present& p) { return p.usbAdapter; });
    return {Choice::Adapter, adapter->name};
  }
  return {Choice::None, configured};
}

}  // namespace velmora
