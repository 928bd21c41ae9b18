#include "EmulatorCommandRules.h"

#include "DeviceProtocol.h"
#include "LinkFrame.h"

namespace velmora {

using namespace protocol;

namespace {

std::string hex(unsigned value) {
  static constexpr char digits[] = "0123456789ABCDEF";
  return std::string("0x") + digits[(value >> 4) & 0xF] + digits[value & 0xF];
}

// A step as loaded by COM_WRITE_PARAM_ARRAY: index, 27 words, pad byte.
bool stepWellFormed(std::span<const std::uint8_t> p, std::string& reason) {
  auto word = [&](std::size_t i) { return static_cast<std::uint16_t>(LinkFrame::readInt16BE(&p[1 + 2 * i])); };
  if (word(StepWordCount - 1) != p[0]) {
    reason = "step index and its repetition differ";
    return false;
  }
  for (const std::size_t flag : {11u, 15u, 19u}) {  // cycle, stirrer, modulation
    if (word(flag) > 1) {
      reason = "a switch word is neither 0 nor 1";
      return false;
    }
  }
  if (word(13) > 1 || word(17) > 4 || word(18) > 2 || word(22) > 3 || word(24) > 5) {
    reason = "a step word is out of range";
    return false;
  }
  return true;
}

}  // namespace

std::size_t EmulatorCommandRules::lenOf(std::uint8_t code, int subCommand) {
  switch (code) {
    case COM_WRITE_PARAM_ARRAY:
      return 1 + 1 + 2 * StepWordCount + 1;
    case COM_READ_PARAM:
    case COM_STATUS:
    case COM_SET_RANGE:
    case COM_READ_EEPROM:
    case COM_READ_ADC:
    case COM_SET_ELECTROD:
    case COM_MOTOR:
      return 2;
    case COM_RESET:
    case COM_READ_DATA:
    case COM_READ_DAC:
    case COM_READ_RESISTOR:
    case COM_VER_DATA:
    case COM_READ_3IN1:
      return 1;
    case COM_START:
    case COM_SET_STIRRER:
      return 3;
    case COM_SET_DAC:
    case COM_READ_NOMER:
    case COM_READ_ADC_MODUL:
      return 4;
    case COM_SET_RESISTOR:
      return 5;
    case COM_WRITE_EEPROM:
      return 2 + EepromImageSize;
    case COM_ZAMPLER_C:
      switch (subCommand) {
        case SamplerElectrodeUp:
        case SamplerElectrodeDown:
        case SamplerPresence:
          return 2;
        case SamplerStirrerSpeed:
        case SamplerMove:
          return 3;
        default:
          return 0;
      }
    default:
      return 0;
  }
}

bool EmulatorCommandRules::accepts(std::uint8_t code, std::span<const std::uint8_t> p, std::string& reason) {
  const int sub = code == COM_ZAMPLER_C && !p.empty() ? p[0] : -1;
  const std::size_t expected = lenOf(code, sub);
  if (expected == 0) {
    reason = code == COM_ZAMPLER_C ? "unknown autosampler sub-command" : "unknown command " + hex(code);
    return false;
  }
  if (p.size() + 1 != expected) {
    reason = "LEN " + std::to_string(p.size() + 1) + " does not fit command " + hex(code) + " (LEN " +
             std::to_string(expected) + ")";
    return false;
  }
  auto refuse = [&](const char* why) {
    reason = why;
    return false;
  };
  switch (code) {
    case COM_WRITE_PARAM_ARRAY:
      return stepWellFormed(p, reason);
    case COM_START:
      return p[1] == 1 ? true : refuse("start without its run flag");
    case COM_SET_DAC:
      return p[0] <= 1 ? true : refuse("no such DAC channel");
    case COM_SET_RANGE:
      return p[0] <= 4 ? true : refuse("no such current range");
    case COM_WRITE_EEPROM:
    case COM_READ_EEPROM:
      return p[0] == EepromImageSize ? true : refuse("calibration image of a wrong size");
    case COM_READ_NOMER:
      return p[0] == 0x22 ? true : refuse("serial number read without its address");
    case COM_READ_ADC:
      return p[0] == 0 || p[0] == 2 ? true : refuse("no such ADC mode");
    case COM_SET_ELECTROD:
    case COM_MOTOR:
      return p[0] <= 1 ? true : refuse("a switch is neither 0 nor 1");
    case COM_READ_ADC_MODUL:
      return p[0] == 1 ? true : refuse("modulated reading without its mode");
    case COM_SET_STIRRER:
      return p[0] <= 3 ? true : refuse("no such stirrer add-on");
    case COM_ZAMPLER_C:
      if (sub == SamplerMove && (p[1] < 1 || p[1] > 15)) return refuse("no such autosampler cell");
      return true;
    default:
      return true;
  }
}

}  // namespace velmora
