#include "TMethodsLibrary.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <system_error>

#include "FileIo.h"
#include "MessageSink.h"
#include "Messages.h"
#include "MethodFile.h"
#include "THeaderManager.h"

namespace velmora {

namespace fs = std::filesystem;

namespace {

bool IsMethodFile(const fs::path& file) {
  std::string ext = file.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  return ext == MethodFile::kExtension;
}

bool IsFolder(const fs::path& folder) {
  std::error_code ec;
  return fs::is_directory(folder, ec);
}

}  // namespace

fs::path TMethodsLibrary::LibraryFolder(const fs::path& programFolder) {
  const fs::path own = programFolder / kLibraryFolderName;
  if (IsFolder(own)) return own;
  const fs::path shared = programFolder.parent_path() / kSharedFolder;
  if (IsFolder(shared)) return shared;
  return own;
}

std::vector<fs::path> TMethodsLibrary::LibraryFiles(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (it->is_regular_file(typeError) && IsMethodFile(it->path())) files.push_back(it->path());
  }
  std::sort(files.begin(), files.end(),
            [](const fs::path& a, const fs::path& b) { return a.filename().string() < b.filename().string(); });
  return files;
}

bool TMethodsLibrary::LoadOne(const fs::path& file, std::vector<Message>& problems) {
  try {
    TMethod method;
    // A file of another type is not a method; it is passed over quietly.
    if (!MethodFile::Read(file, method)) return false;
    methods_.push_back(std::move(method));
    return true;
  } catch (const std::exception& e) {
    problems.push_back(Message(msg::MethodUnreadable, {file.filename().string(), e.what()}));
    return false;
  }
}

std::vector<Message> TMethodsLibrary::Load(const TProgress& progress) {
  std::vector<Message> problems;
  methods_.clear();
  for (const fs::path& file : LibraryFiles(libraryFolder_)) {
    if (progress) progress(file.filename().string());
    LoadOne(file, problems);
  }

  // The methods saved from the wizard, as the record folder's index lists
  // them. The index is only read here, never rewritten.
  const fs::path index = RecordFolder() / THeaderManager::kIndexName;
  std::error_code ec;
  if (!fs::exists(index, ec)) return problems;
  std::vector<TBaseHeader> headers;
  try {
    std::string damage;
    const std::vector<std::uint8_t> bytes = FileIo::readAll(index, std::uintmax_t{64} << 20);
    THeaderManager::ReadIndex(bytes, RecordFolder(), headers, damage);
    if (!damage.empty()) problems.push_back(Message(msg::MethodUnreadable, {index.string(), damage}));
  } catch (const std::exception& e) {
    problems.push_back(Message(msg::MethodUnreadable, {index.string(), e.what()}));
  }
  for (const TBaseHeader& header : headers) {
    const fs::path file(header.FileName);
    if (!fs::exists(file, ec)) continue;
    if (progress) progress(file.filename().string());
    LoadOne(file, problems);
  }
  return problems;
}

std::size_t TMethodsLibrary::Load(IMessageSink& sink, const TProgress& progress) {
  const std::vector<Message> problems = Load(progress);
  for (const Message& problem : problems) sink.error(problem);
  return problems.size();
}

fs::path TMethodsLibrary::SaveNew(const TMethod& method, const std::string& title,
                                  const TCustomMethodArr& customMethods) {
  TMethod copy = method;
  for (TLocalizedMethod& entry : copy.Localized) entry.Title = title;
  THeaderManager folder(RecordFolder());
  const fs::path file =
      folder.Add(title, {}, [&](const std::string& fileName) { MethodFile::Write(fileName, copy, customMethods); });
  copy.FileName = file.string();
  methods_.push_back(std::move(copy));
  return file;
}

}  // namespace velmora
