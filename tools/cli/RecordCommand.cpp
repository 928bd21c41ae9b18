// velmora-cli record: runs a program set on the analyzer (or the built-in
// emulator) as "&Start record" does and saves the voltammograms as a document.
#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <memory>
#include <mutex>
#include <ostream>

#include "AnalyzerEmulator.h"
#include "CliCommands.h"
#include "CliDocument.h"
#include "EDeviceError.h"
#include "EmulatorSerialPort.h"
#include "FolderDatabase.h"
#include "FormatError.h"
#include "JsonWriter.h"
#include "MessageSink.h"
#include "Options.h"
#include "PosixSerialPort.h"
#include "ProgramFiles.h"
#include "ScaledClock.h"
#include "TAcquisitionRun.h"
#include "TNodeForest.h"
#include "TRecordPlacement.h"
#include "TTavrelDevice.h"

namespace velmora {

namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "record --port PORT (--programs FILE.vap | --car FILE.car | --prg FILE.prg) [--loops N] [--flat] "
    "[--speed N] [--fault F]... -o OUT.tvx";

int Usage(std::ostream& err, const std::string& problem) {
  err << "velmora-cli record: " << problem << "; usage: " << kUsage << "\n";
  return 2;
}

// Collects what the device shows, from any thread; questions are answered No.
class CollectingSink final : public IMessageSink {
 public:
  void error(const Message& m) override { add(m); }
  void warning(const Message& m) override { add(m); }
  void information(const Message&) override {}
  Answer askYesNo(const Message&) override { return Answer::No; }
  Answer askYesNoCancel(const Message&) override { return Answer::Cancel; }
  void add(const Message& m) {
    std::lock_guard lock(mutex_);
    texts_.push_back(m.format());
  }
  std::vector<std::string> texts() const {
    std::lock_guard lock(mutex_);
    return texts_;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> texts_;
};

// Messages of several lines go on one line of standard error.
std::string OneLine(std::string text) {
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

bool ParsePositive(const std::string& text, double& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && value > 0.0 && value <= 1e6;
}

bool ParseLoops(const std::string& text, int& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && value >= 1 && value <= 2000;
}

bool HasExtension(const fs::path& file, const char* ext) {
  std::string e = file.extension().string();
  std::transform(e.begin(), e.end(), e.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return e == ext;
}

TVAProgramsArray LoadPrograms(const std::string& kind, const fs::path& file) {
  if (!fs::exists(file)) throw EFormatError(Message("File not found: %s", {file.string()}));
  if (kind == "--programs") {
    auto set = ProgramFiles::ReadProgramSet(file);
    if (!set) throw EFormatError(Message("The file \"%s\" is not a program set file.", {file.string()}));
    return set->Programs;
  }
  if (kind == "--car") return ProgramFiles::ReadMultiProgram(file).Programs;
  auto program = ProgramFiles::ReadSingleProgram(file);
  if (!program) throw EFormatError(Message("Cannot open file \"%s\". %s", {file.string(), ""}));
  return TVAProgramsArray{*program};
}

int RunRecord(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string port, programKind, programFile, output;
  int loops = 1;
  bool flat = false;
  double speed = 1.0;
  if (const char* env = std::getenv("VELMORA_EMULATOR_SPEED"); env && *env && !ParsePositive(env, speed))
    return Usage(err, "VELMORA_EMULATOR_SPEED must be a positive number");
  EmulatorFaults faults;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto next = [&](std::string& into) {
      if (i + 1 >= args.size()) return false;
      into = args[++i];
      return true;
    };
    std::string v;
    if (a == "--port") {
      if (!next(port)) return Usage(err, "--port needs a value");
    } else if (a == "--programs" || a == "--car" || a == "--prg") {
      if (!programKind.empty()) return Usage(err, "give one program file");
      programKind = a;
      if (!next(programFile)) return Usage(err, a + " needs a file");
    } else if (a == "--loops") {
      if (!next(v) || !ParseLoops(v, loops)) return Usage(err, "--loops takes a count from 1 to 2000");
    } else if (a == "--flat") {
      flat = true;
    } else if (a == "--speed") {
      if (!next(v) || !ParsePositive(v, speed)) return Usage(err, "--speed takes a positive number");
    } else if (a == "--fault") {
      std::string problem;
      if (!next(v) || !faults.parse(v, problem)) return Usage(err, "unknown fault " + v + " " + problem);
    } else if (a == "-o" || a == "--output") {
      if (!next(output)) return Usage(err, "-o needs a file");
    } else {
      return Usage(err, "unknown argument " + a);
    }
  }
  if (port.empty()) return Usage(err, "--port is missing");
  if (programKind.empty()) return Usage(err, "a program file is missing");
  if (output.empty()) return Usage(err, "-o is missing");
  if (!HasExtension(output, ".tvx")) return Usage(err, "the output must be a .tvx file");

  TVAProgramsArray programs;
  try {
    programs = LoadPrograms(programKind, programFile);
  } catch (const std::exception& e) {
    err << "velmora-cli record: " << e.what() << "\n";
    return 1;
  }

  // Protocol time runs `speed` times faster for the device as for the emulator.
  ScaledClock clock(speed);
  CollectingSink sink;
  std::unique_ptr<ISerialPort> serial;
  std::shared_ptr<AnalyzerEmulator> emulator;
  const bool emulated = port == "emulator";
  if (emulated) {
    AnalyzerEmulator::Config config;
    config.faults = faults;
    emulator = std::make_shared<AnalyzerEmulator>(clock, config);
    serial = std::make_unique<EmulatorSerialPort>(emulator);
  } else {
    serial = std::make_unique<PosixSerialPort>();
  }

  TNodeForest forest;
  TRecordPlacement placement(forest);
  placement.InsertType = flat ? 0 : 1;
  placement.Simulated = emulated;
  const Options defaults;
  placement.CalculationMethod = defaults.calculationMethod;
  std::int64_t counter = 0;
  int curves = 0;

  auto device = std::make_unique<TTavrelDevice>(sink, clock);
  std::mutex resetMutex;
  std::condition_variable resetCv;
  bool resetDone = false;
  device->OnReset = [&] {
    {
      std::lock_guard lock(resetMutex);
      resetDone = true;
    }
    resetCv.notify_all();
  };
  device->SetPort(serial.get());
  device->SetPortName(port);

  std::unique_ptr<TAcquisitionRun> run;
  // The run goes before the device, the device before its port.
  auto finish = [&](int status) {
    if (emulator) emulator->setMeasurementSource(nullptr);
    run.reset();
    device.reset();
    serial.reset();
    return status;
  };
  auto fail = [&](const std::string& fallback) {
    const auto texts = sink.texts();
    err << "velmora-cli record: " << OneLine(texts.empty() ? fallback : texts.front()) << "\n";
    return 1;
  };

  try {
    device->ResetDevice();
  } catch (const EDeviceError& e) {
    err << "velmora-cli record: " << OneLine(e.what()) << "\n";
    return finish(1);
  }
  {
    std::unique_lock lock(resetMutex);
    resetCv.wait_for(lock, std::chrono::seconds(120), [&] { return resetDone; });
  }
  if (!device->Active()) return finish(fail("the analyzer did not come on line"));

  run = std::make_unique<TAcquisitionRun>(*device, clock);
  // The emulator's operator fills the cell as the step being started asks.
  if (emulator) emulator->setMeasurementSource([r = run.get()] { return r->CurrentStep().MeasurementType(); });
  run->SetVAProgram(programs);
  run->SetLoopCount(loops);
  device->SetInputFilter(defaults.filter);
  std::atomic<bool> runFailed{false};
  run->OnRunError = [&](const Message& m) {
    sink.add(m);
    runFailed = true;
  };
  run->OnSingleRecordEnd = [&] {
    TRecordedCurve curve;
    curve.Step = run->CurrentStep().Raw;
    for (const TRecPoint& p : run->DataBuf()) curve.Points.push_back({p.X, p.Y});
    curve.LoopCount = run->LoopCount();
    curve.LoopNumber = run->LoopNumber();
    curve.ProgramNumber = run->ProgramNumber();
    curve.ProgramStep = run->ProgramStep();
    curve.ProgramStepCycle = run->ProgramStepCycle();
    curve.NodesToCreate = run->NodesToCreate();
    curve.ProgramsWithVAGrams = run->ProgramsWithVAGrams();
    curve.NodesInCurrentProgram = run->NodesInCurrentProgram();
    if (curve.Points.size() <= 2) return;
    // The filter this voltammogram went through: the step's.
    placement.FilterValue = device->InputFilter();
    if (placement.Place(curve, FolderDatabase::CurveFileName(counter))) {
      ++counter;
      ++curves;
    }
  };
  run->StartRecording(0, 0);
  while (!run->WaitFinished(std::chrono::milliseconds(500))) {
  }
  if (runFailed) device->SetRecording(false);

  const bool failed = runFailed || !sink.texts().empty() || !device->Active();
  // What was recorded is kept, also when the run failed.
  if (curves > 0 || !failed) {
    try {
      CliDocument::Save(forest, output);
    } catch (const std::exception& e) {
      err << "velmora-cli record: " << e.what() << "\n";
      return finish(1);
    }
  }
  if (failed) return finish(fail("the analyzer went off line"));
  JsonWriter json;
  json.beginObject().field("Curves", curves).endObject();
  out << json.str() << "\n";
  return finish(0);
}

}  // namespace

CliCommand RecordCommand() {
  return {"record", kUsage,
          "Resets the analyzer on PORT (a serial device path, or \"emulator\" for the built-in one), runs the "
          "program set as \"Start record\" does (tree mode unless --flat) and saves the voltammograms in OUT. "
          "--speed N (or VELMORA_EMULATOR_SPEED) runs protocol time N times faster, for emulators.",
          RunRecord};
}

}  // namespace velmora
