#pragma once

#include <cstddef>
#include <cstdint>

// Command codes, sizes and status bits of the analyzer's serial protocol.
// A frame is 0xA5, LEN (16 bits, low byte first), the command code, LEN - 1
// payload bytes and a check byte that makes the XOR of the whole frame zero.
namespace velmora::protocol {

inline constexpr std::uint8_t StartByte = 0xA5;
inline constexpr std::size_t BufferSize = 16384;
// The largest LEN whose frame (LEN + 4 bytes) still fits the buffer.
inline constexpr std::size_t MaxLen = BufferSize - 4;

inline constexpr std::uint8_t COM_READ_PARAM_ARRAY = 0xC1;
inline constexpr std::uint8_t COM_WRITE_PARAM_ARRAY = 0xC2;
inline constexpr std::uint8_t COM_READ_PARAM = 0xC3;
inline constexpr std::uint8_t COM_RESET = 0xC5;
inline constexpr std::uint8_t COM_STATUS = 0xC6;
inline constexpr std::uint8_t COM_START = 0xC7;
inline constexpr std::uint8_t COM_READ_DATA = 0xC8;
inline constexpr std::uint8_t COM_SET_DAC = 0xC9;
inline constexpr std::uint8_t COM_READ_DAC = 0xCA;
inline constexpr std::uint8_t COM_SET_RESISTOR = 0xCB;
inline constexpr std::uint8_t COM_READ_RESISTOR = 0xCC;
inline constexpr std::uint8_t COM_SET_RANGE = 0xCD;
inline constexpr std::uint8_t COM_WRITE_EEPROM = 0xD1;
inline constexpr std::uint8_t COM_READ_EEPROM = 0xD2;
inline constexpr std::uint8_t COM_READ_NOMER = 0xD3;
inline constexpr std::uint8_t COM_READ_ADC = 0xD4;
inline constexpr std::uint8_t COM_SET_ELECTROD = 0xD5;
inline constexpr std::uint8_t COM_READ_ADC_MODUL = 0xD6;
inline constexpr std::uint8_t COM_MOTOR = 0xD9;
inline constexpr std::uint8_t COM_VER_DATA = 0xDA;
inline constexpr std::uint8_t COM_VOSST_EL = 0xDB;
inline constexpr std::uint8_t COM_ZAMPLER_C = 0xDC;
inline constexpr std::uint8_t COM_SET_STIRRER = 0xDD;
inline constexpr std::uint8_t COM_READ_3IN1 = 0xDF;

// Reset answer flag: the analyzer holds a valid calibration.
inline constexpr std::uint8_t ResetCalibrated = 0x80;
// Status bit: data points are waiting to be read.
inline constexpr int StatusDataReady = 0x40;
// Low four bits of the status byte: the stage.
inline constexpr int StageMask = 0x0F;
inline constexpr int StageIdle = 0;
inline constexpr int StageElectrolysis = 1;
inline constexpr int StageMeasurement = 2;
inline constexpr int StageCleaning = 3;
inline constexpr int StageOverflow = 4;
inline constexpr int StagePreparation1 = 5;
inline constexpr int StagePreparation2 = 6;
inline constexpr int StageMercuryGap = 7;
inline constexpr int Stage3in1Recovering = 8;

// Second word of a data pair that ends one voltammogram.
inline constexpr int EndMarker = 10000;
// Size of the calibration image exchanged with the analyzer.
inline constexpr std::size_t EepromImageSize = 34;
// Words of an encoded program step.
inline constexpr std::size_t StepWordCount = 27;

// Autosampler sub-commands (first payload byte of COM_ZAMPLER_C).
inline constexpr std::uint8_t SamplerElectrodeUp = 4;
inline constexpr std::uint8_t SamplerElectrodeDown = 5;
inline constexpr std::uint8_t SamplerStirrerSpeed = 8;
inline constexpr std::uint8_t SamplerPresence = 9;
inline constexpr std::uint8_t SamplerMove = 16;

}  // namespace velmora::protocol
