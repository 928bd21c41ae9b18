#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <string_view>

namespace velmora {

// Faults the analyzer emulator can be told to show.
struct EmulatorFaults {
  bool notCalibrated = false;      // the reset answer lacks the calibrated flag
  std::set<std::uint8_t> silent;   // commands that get no answer
  std::set<std::uint8_t> corrupt;  // commands whose answers carry a wrong check byte
  bool corruptAll = false;         // every answer carries a wrong check byte
  bool splitFrames = false;        // answers arrive in small pieces after line noise
  bool bufferOverflow = false;     // the measurement stops with "Circular buffer overflow"
  bool mercuryJetGap = false;      // the measurement stops with "Mercury jet gap"
  // Autosampler: the tray jams on its way to one of these cells (1..15) and
  // the move is never answered; it stays jammed, answering no move, until
  // the analyzer is reset. The electrode still goes up and down.
  std::set<int> trayJam;
  // Autosampler: a move to one of these cells is made, but its answer
  // carries no position (the tray lost its position sensor).
  std::set<int> noCellAnswer;

  // Parses one --fault value: "uncalibrated", "silent=0xD2,0xC6",
  // "crc=0xC6" or "crc=all", "split", "overflow", "mercury-gap",
  // "tray-jam=7[,9...]", "no-cell=7[,...]".
  // Returns false (with the reason in `error`) for an unknown fault.
  bool parse(std::string_view text, std::string& error);
};

}  // namespace velmora
