#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ReadProgress.h"

namespace velmora {

class IMessageSink;
class TNodeForest;
class TVAStruct;

// The older folder database: an index file "<name>.mbd" holding the highest
// curve number in use, and one ".dbd" file per curve in the same folder
// (record parameters, 21 old peak entries, the points). It keeps neither
// the tree nor the calculation data.
class FolderDatabase {
 public:
  // The curve files a document loaded from one folder or wrote there: the
  // only files of that folder a save may replace or delete. Another
  // database's curves in the same folder are never touched.
  struct TCurveFiles {
    std::filesystem::path Folder;
    std::set<std::string> Names;
  };
  // Taken while a folder's curve files and index are written.
  static constexpr const char* kLockName = "Database.lock";

  static constexpr std::size_t kParamsOffset = 0;
  static constexpr std::size_t kPeaksOffset = 244;
  static constexpr std::size_t kCountOffset = 832;
  static constexpr std::size_t kPointsOffset = 836;
  // A peak entry whose borders lie further out than this ends the list.
  static constexpr std::int64_t kMaxPeakIndex = 5000;

  // "_______0.dbd" for 0, "_____123.dbd" for 123: the digits left-padded
  // with "_" to eight characters (no padding from 10,000,000 on).
  static std::string CurveFileName(std::int64_t k);
  // The number of a curve file name (without extension and "_"). Throws
  // EFormatError when it is no integer.
  static std::int64_t CurveNumber(const std::string& name);
  // The number when `name` is exactly the file name CurveFileName builds
  // for it, else nothing.
  static std::optional<std::int64_t> CanonicalCurveNumber(const std::string& name);

  // The index value of a database's index file: exactly one non-negative
  // int32. Throws EFormatError ("not a document file") for anything else,
  // "Cannot open file" when it cannot be read.
  static std::int32_t ReadIndexFile(const std::filesystem::path& indexFile);

  // Appends one root node per curve file numbered 0 .. the index value, in
  // number order; missing numbers are passed over. Painting is suspended
  // for the whole load. Throws EFormatError for an index that cannot be
  // read or a damaged curve file (the curves read before stay). `loaded`,
  // when given, gets the folder and the files read.
  // `progress` hears of the curve files read and may stop the reading
  // (ReadProgress::Cancelled).
  static void LoadFolderDatabase(TNodeForest& forest, const std::filesystem::path& indexFile,
                                 TCurveFiles* loaded = nullptr, const ReadProgress& progress = {});

  // Writes one curve file per leaf of the forest (in node-list order, the
  // displayed points), then the index file. Each file is written to a
  // temporary file and renamed over the old one.
  //
  // A leaf keeps its DatabaseName when that is a curve file name no
  // earlier leaf took and the file is either this document's (named in
  // `owned` for this folder) or not in the folder yet. Any other leaf gets
  // the next number above the highest in the folder and in use (its
  // DatabaseName is updated), so that no curve overwrites another, nor a
  // file of another database, and every curve can be read back. After the
  // index, the files of `owned` that no leaf wrote (curves deleted from
  // the document) are deleted; `owned` then names the files written. The
  // folder's lock is held throughout. A curve with more than 21 peaks keeps
  // its first 21 in the file; `sink`, when given, is warned.
  static void SaveFolderDatabase(TNodeForest& forest, const std::filesystem::path& indexFile,
                                 IMessageSink* sink = nullptr, TCurveFiles* owned = nullptr);

  // One curve file image / its reading into a record (Params, peaks and
  // points; the points through SetData).
  static std::vector<std::uint8_t> CurveFileBytes(const TVAStruct& record, bool* peaksCut = nullptr);
  static void ReadCurveFile(TVAStruct& record, const std::vector<std::uint8_t>& bytes);
};

}  // namespace velmora
