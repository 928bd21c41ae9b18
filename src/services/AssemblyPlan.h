#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// The picture sequences and steps of the assembly assistant for one set-up:
// a list of frames (picture file and how long it stays) and the steps, each
// a range of frames that loops and one instruction. The last step is the
// connection setup.
class AssemblyPlan {
 public:
  // The set-ups offered on the start page.
  enum Setup { Analyzer = 0, Rde = 2, Autosampler = 3, Stirrer = 4 };
  static constexpr std::int32_t FrameMs = 250;
  static constexpr std::int32_t KeyFrameMs = 1000;
  // Picture files are SVG drawings under the pictures folder.
  static constexpr const char* Extension = ".svg";

  struct Frame {
    std::string file;  // relative to the pictures folder, "Analyzer/01.svg"
    std::int32_t duration = FrameMs;
  };
  struct Step {
    int first = 0;  // frame indices into frames(), inclusive
    int last = 0;
    const char* instruction = nullptr;  // catalogue text; null for the connection setup
    bool connection = false;
  };

  // The plan of a set-up; an unknown set-up gives an empty plan.
  static AssemblyPlan Build(int setup);

  const std::vector<Frame>& frames() const { return frames_; }
  const std::vector<Step>& steps() const { return steps_; }
  // The steps before the final one (the connection setup): "Next" reads
  // "Next" below it and "Close" on it.
  int stepCount() const { return static_cast<int>(steps_.size()) - 1; }
  // Every picture file the plan uses, once each.
  std::vector<std::string> files() const;

 private:
  int appendAnalyzer();
  int appendRde();
  int appendStirrer();
  int appendAutosampler();
  void appendFrames(const char* folder, int fromNumber, int toNumber);
  void markKeyFrames(int base, std::initializer_list<int> keys);

  std::vector<Frame> frames_;
  std::vector<Step> steps_;
};

}  // namespace velmora
