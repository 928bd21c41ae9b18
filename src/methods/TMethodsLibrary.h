#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "Message.h"
#include "TCustomMethod.h"
#include "TMethod.h"

namespace velmora {

class IMessageSink;

// The methods library: every "*.mtd" file of the library folder (in file
// name order), then the methods saved from the measurement wizard in the
// record folder "Methods" of the data folder (in index order, those whose
// file still exists). A method that cannot be read is left out and named
// in one message; loading always goes on.
class TMethodsLibrary {
 public:
  static constexpr const char* kLibraryFolderName = "methods";
  static constexpr const char* kRecordFolderName = "Methods";
  // The library of an installed program: <prefix>/share/velmora-va/methods
  // beside <prefix>/bin.
  static constexpr const char* kSharedFolder = "share/velmora-va/methods";

  // The library folder of a program folder: "methods" in it when that
  // exists, else the installed share folder when that exists, else
  // "methods" in it.
  static std::filesystem::path LibraryFolder(const std::filesystem::path& programFolder);
  // The "*.mtd" files of a folder (extension compared without case), in
  // file name order; empty when the folder is missing.
  static std::vector<std::filesystem::path> LibraryFiles(const std::filesystem::path& folder);

  TMethodsLibrary() = default;
  TMethodsLibrary(std::filesystem::path libraryFolder, std::filesystem::path dataFolder)
      : libraryFolder_(std::move(libraryFolder)), dataFolder_(std::move(dataFolder)) {}

  void SetFolders(std::filesystem::path libraryFolder, std::filesystem::path dataFolder) {
    libraryFolder_ = std::move(libraryFolder);
    dataFolder_ = std::move(dataFolder);
  }
  const std::filesystem::path& LibraryFolderPath() const { return libraryFolder_; }
  const std::filesystem::path& DataFolderPath() const { return dataFolder_; }
  std::filesystem::path RecordFolder() const { return dataFolder_ / kRecordFolderName; }

  // Called with each file name before it is read (the splash shows
  // "Loading method %s...").
  using TProgress = std::function<void(const std::string& fileName)>;

  // Reads the library anew. Every method that cannot be read is reported
  // to `sink` as an error naming its file, once, and skipped. Returns the
  // number of methods left out.
  std::size_t Load(IMessageSink& sink, const TProgress& progress = {});
  // The same, with the problems returned instead of shown.
  std::vector<Message> Load(const TProgress& progress = {});

  const TMethods& Methods() const { return methods_; }
  TMethods& Methods() { return methods_; }

  // Saves a method under a new title in the record folder "Methods": every
  // language entry gets the title, the name is registered in the folder's
  // index and the file is written there. Returns the new file's path and
  // appends the method to the list. Throws EFormatError when the file
  // cannot be written.
  std::filesystem::path SaveNew(const TMethod& method, const std::string& title,
                                const TCustomMethodArr& customMethods = {});

 private:
  bool LoadOne(const std::filesystem::path& file, std::vector<Message>& problems);

  std::filesystem::path libraryFolder_;
  std::filesystem::path dataFolder_;
  TMethods methods_;
};

}  // namespace velmora
