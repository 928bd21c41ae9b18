// velmora-analyzer-emulator: serves an emulated analyzer on a pseudo-terminal
// so that the workstation (or any program) can open it as a serial port.
//
//   velmora-analyzer-emulator --link PATH [--speed N] [--realtime] [--cells SEQ] [--fault F]...
//
// With --cells a virtual operator fills the cell before every recorded step:
// the sequence names the measurement type of each recorded step in turn
// (background, sample, add1, add2, add3, reference) and starts again at its
// end.
//
// Commands typed on the standard input change the cell while it runs:
//   electrolyte VOLUME_ML          fresh supporting electrolyte
//   sample VOLUME_ML Zn=C Pb=C ... add a sample (concentrations in ug/L)
//   add ELEMENT VOLUME_ML C_MG_L   add a standard of one element
//   cells SEQ                      a new cell sequence for the operator
//   show                           print the cell contents
//   quit

#include <poll.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "Numbers.h"
#include "PseudoTerminalHost.h"
#include "ScaledClock.h"
#include "VelmoraVersion.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

void onSignal(int) { g_stop = 1; }

void usage(std::FILE* to = stderr) {
  std::fprintf(
      to,
      "usage: velmora-analyzer-emulator --link PATH [--speed N] [--realtime] [--fault F]... [--device-type 0|1]\n"
      "       [--addon -1..3] [--autosampler] [--no-3in1] [--sample VOLUME_ML:Zn=C,Cd=C,Pb=C,Cu=C] [--seed N]\n"
      "       [--cells background,sample,add1,add2...] [--standard VOLUME_ML:Zn=C,Cd=C,Pb=C,Cu=C]\n"
      "faults: uncalibrated, silent=0xD2[,0xC6...], crc=0xC6[,...] or crc=all, split, overflow, mercury-gap,\n"
      "        tray-jam=CELL[,...], no-cell=CELL[,...]\n");
}

// --help: what the program does, its options and its commands.
void help() {
  std::printf(
      "velmora-analyzer-emulator: an emulated stripping-voltammetry analyzer on a pseudo-terminal, which the\n"
      "workstation (or any program) opens as a serial port (19200 baud, 8N1). Everything it records is\n"
      "simulated.\n\n");
  usage(stdout);
  std::printf(
      "\n"
      "  --link PATH        symbolic link to create to the pseudo-terminal (required)\n"
      "  --speed N          run the analyzer's programs N times faster than real time (default 1)\n"
      "  --realtime         answers leave at 19200 baud, byte after byte\n"
      "  --cells SEQ        the operator fills the cell before each recorded step: background, sample,\n"
      "                     add1, add2, add3, reference (or 0..5), separated by commas\n"
      "  --sample V:Zn=C,.. the sample: V mL with these concentrations (ug/L)\n"
      "  --standard V:Zn=C  the operator's standard addition: V mL of these concentrations (mg/L)\n"
      "  --fault F          inject a fault (repeatable)\n"
      "  --device-type 0|1  1: with a potential scale (default); 0: without\n"
      "  --addon -1..3      stirrer add-on of the reset answer (default 1; -1 none)\n"
      "  --autosampler      an autosampler with 15 cells answers\n"
      "  --no-3in1          the 3-in-1 electrode query stays unanswered\n"
      "  --seed N           seed of the noise generator\n"
      "  --help             this text\n"
      "  --version          the program's version\n"
      "\n"
      "Commands on the standard input while it runs:\n"
      "  electrolyte V | sample V Zn=C ... | add EL V C | cells SEQ | show | quit\n");
}

// "Zn=12.5" items into concentrations; false on a bad item.
bool parseConcentrations(const std::vector<std::string>& items, velmora::SampleModel::Concentrations& c) {
  for (const auto& item : items) {
    const auto eq = item.find('=');
    if (eq == std::string::npos) return false;
    const auto element = velmora::SampleModel::elementOf(item.substr(0, eq));
    if (element == velmora::SampleModel::ElementCount) return false;
    const auto value = velmora::ParseDecimal(item.substr(eq + 1));
    if (!value) return false;
    c[element] = *value;
  }
  return true;
}

// A decimal number with "." (0 when it is none, as the commands always took it).
double number(const std::string& text) { return velmora::ParseDecimal(text).value_or(0.0); }

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> out;
  std::stringstream in(text);
  std::string item;
  while (std::getline(in, item, separator))
    if (!item.empty()) out.push_back(item);
  return out;
}

// "VOLUME_ML:Zn=C,Cd=C,..." into a volume and concentrations.
bool volumeAndConcentrations(const std::string& value, double& volume, velmora::SampleModel::Concentrations& c) {
  const auto colon = value.find(':');
  if (colon == std::string::npos) return false;
  c = {};
  if (!parseConcentrations(split(value.substr(colon + 1), ','), c)) return false;
  volume = number(value.substr(0, colon));
  return volume > 0.0;
}

void handleCommand(const std::string& line, velmora::AnalyzerEmulator& emulator) {
  std::vector<std::string> words = split(line, ' ');
  if (words.empty()) return;
  const std::string& verb = words[0];
  if (verb == "quit" || verb == "exit") {
    g_stop = 1;
  } else if (verb == "cells" && words.size() == 2) {
    std::string error;
    std::vector<int> sequence = velmora::VirtualOperator::parseSequence(words[1], error);
    if (sequence.empty()) {
      std::printf("%s\n", error.c_str());
      return;
    }
    emulator.setCellSequence(std::move(sequence));
    std::printf("the operator fills the cell for %s\n", words[1].c_str());
  } else if (verb == "show") {
    std::printf("%s\n", emulator.sample().describe().c_str());
  } else if (verb == "electrolyte" && words.size() == 2) {
    emulator.fillSupportingElectrolyte(number(words[1]), {0.5, 0.05, 0.2, 0.5});
    std::printf("%s\n", emulator.sample().describe().c_str());
  } else if (verb == "sample" && words.size() >= 3) {
    velmora::SampleModel::Concentrations c{};
    if (!parseConcentrations({words.begin() + 2, words.end()}, c)) {
      std::printf("bad concentrations\n");
      return;
    }
    emulator.addSample(number(words[1]), c);
    std::printf("%s\n", emulator.sample().describe().c_str());
  } else if (verb == "add" && words.size() == 4) {
    const auto element = velmora::SampleModel::elementOf(words[1]);
    if (element == velmora::SampleModel::ElementCount) {
      std::printf("unknown element %s\n", words[1].c_str());
      return;
    }
    emulator.addStandard(element, number(words[2]), number(words[3]));
    std::printf("%s\n", emulator.sample().describe().c_str());
  } else {
    std::printf("commands: electrolyte V | sample V Zn=C ... | add EL V C | cells SEQ | show | quit\n");
  }
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  std::string link;
  double speed = 1.0;
  velmora::AnalyzerEmulator::Config config;
  std::vector<std::string> samples;
  bool haveCells = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto next = [&]() -> std::string {
      if (i + 1 >= argc) {
        usage();
        std::exit(2);
      }
      return argv[++i];
    };
    if (arg == "--help" || arg == "-h") {
      help();
      return 0;
    } else if (arg == "--version") {
      std::printf("velmora-analyzer-emulator %s\n", velmora::build::kVersion);
      return 0;
    } else if (arg == "--link") {
      link = next();
    } else if (arg == "--speed") {
      speed = number(next());
    } else if (arg == "--fault") {
      std::string error;
      if (!config.faults.parse(next(), error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
      }
    } else if (arg == "--device-type") {
      config.deviceType = std::atoi(next().c_str()) == 0 ? 0 : 1;
    } else if (arg == "--addon") {
      config.addOnType = std::atoi(next().c_str());
    } else if (arg == "--autosampler") {
      config.autosampler = true;
    } else if (arg == "--no-3in1") {
      config.supports3in1 = false;
    } else if (arg == "--sample") {
      const std::string value = next();
      double volume = 0.0;
      velmora::SampleModel::Concentrations c{};
      if (!volumeAndConcentrations(value, volume, c)) {
        std::fprintf(stderr, "bad --sample value: %s\n", value.c_str());
        return 2;
      }
      // The operator's sample, and without a cell sequence an addition to
      // the cell at start.
      config.recipe.sampleMl = volume;
      config.recipe.sample = c;
      samples.push_back(value);
    } else if (arg == "--standard") {
      const std::string value = next();
      if (!volumeAndConcentrations(value, config.recipe.additionMl, config.recipe.standard)) {
        std::fprintf(stderr, "bad --standard value: %s\n", value.c_str());
        return 2;
      }
    } else if (arg == "--cells") {
      std::string error;
      config.cellSequence = velmora::VirtualOperator::parseSequence(next(), error);
      if (config.cellSequence.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
      }
      haveCells = true;
    } else if (arg == "--realtime") {
      config.realtime = true;
    } else if (arg == "--seed") {
      config.seed = std::strtoull(next().c_str(), nullptr, 10);
    } else {
      usage();
      return 2;
    }
  }
  if (link.empty() || speed <= 0.0) {
    usage();
    return 2;
  }

  velmora::ScaledClock clock(speed);
  auto emulator = std::make_shared<velmora::AnalyzerEmulator>(clock, config);
  if (!haveCells) {
    for (const auto& s : samples) {
      double volume = 0.0;
      velmora::SampleModel::Concentrations c{};
      volumeAndConcentrations(s, volume, c);
      emulator->addSample(volume, c);
    }
  }
  velmora::PseudoTerminalHost host(emulator);
  std::string error;
  if (!host.start(link, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  std::signal(SIGINT, onSignal);
  std::signal(SIGTERM, onSignal);
  std::printf("analyzer emulator on %s (link %s), speed x%s%s\n%s\n", host.slaveName().c_str(), link.c_str(),
              velmora::FormatShortest(speed).c_str(), config.realtime ? ", answers at 19200 baud" : "",
              emulator->sample().describe().c_str());
  if (haveCells) std::printf("the operator fills the cell for every recorded step\n");
  std::fflush(stdout);

  std::string line;
  bool stdinOpen = true;
  while (!g_stop) {
    if (!stdinOpen) {
      ::usleep(100000);
      continue;
    }
    pollfd pfd{STDIN_FILENO, POLLIN, 0};
    if (::poll(&pfd, 1, 200) <= 0) continue;
    if (!std::getline(std::cin, line)) {
      stdinOpen = false;
      continue;
    }
    handleCommand(line, *emulator);
  }
  host.stop();
  return 0;
}
