#pragma once

#include <atomic>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "TDataPoint.h"

namespace velmora {

// Text files of curves: one file per curve, named after its node, one line
// "X Y" per displayed point with six decimals, each number right-aligned in
// at least eight characters (the same text as "%8.6f %8.6f" in the C
// locale, whatever the locale of the process).
class CurveTextExport {
 public:
  struct Curve {
    std::string Name;  // the node's name
    TDataArr Points;   // the displayed points
  };

  // The node name made usable as a file name: '"' becomes an apostrophe,
  // '*' a full stop, and each of / : < > ? \ | an underscore.
  static std::string SafeName(std::string_view nodeName);

  // "<safe name>.txt" in `folder`; when taken, "<safe name>_0.txt",
  // "<safe name>_1.txt", ... the first that does not exist.
  static std::filesystem::path FreeFileName(const std::filesystem::path& folder, std::string_view nodeName);

  // Appends one line of a point, ended by "\n".
  static void AppendLine(std::string& out, double x, double y);
  static std::string FormatPoints(std::span<const TDataPoint> points);

  // Writes every curve, in order, into a new file of `folder` and returns
  // the files written. A file that cannot be created stops the export with
  // EFormatError ("Cannot create file"); the files written before stay. The
  // texts are formatted on every core; the files are named and written in
  // order. When `cancel` becomes true the export stops and removes the files
  // it wrote (and returns none); `done` counts the files written.
  static std::vector<std::filesystem::path> ExportCurves(const std::filesystem::path& folder,
                                                         const std::vector<Curve>& curves,
                                                         const std::atomic<bool>* cancel = nullptr,
                                                         std::atomic<std::size_t>* done = nullptr);
};

}  // namespace velmora
