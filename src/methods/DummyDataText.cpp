#include "DummyDataText.h"

#include <optional>
#include <string>

#include "FormatError.h"
#include "Messages.h"
#include "Numbers.h"

namespace velmora {

TDataArr DummyDataText::Read(std::string_view text) {
  TDataArr points;
  bool haveX = false;
  double x = 0.0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t start = text.find_first_not_of(" \t\r\n", pos);
    if (start == std::string_view::npos) break;
    std::size_t end = text.find_first_of(" \t\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view field = text.substr(start, end - start);
    pos = end;
    std::optional<double> value = ParseDecimal(field, '.');
    if (!value) value = ParseDecimal(field, ',');
    if (!value) throw EFormatError(Message(msg::NotValidFloat, {std::string(field)}));
    if (!haveX) {
      x = *value;
      haveX = true;
      continue;
    }
    if (points.size() >= kMaxPoints) {
      throw EFormatError(Message(msg::DummyDataTooManyPoints, {std::to_string(kMaxPoints)}));
    }
    points.push_back({x, *value});
    haveX = false;
  }
  if (haveX) throw EFormatError(Message(msg::DummyDataOddCount));
  return points;
}

}  // namespace velmora
