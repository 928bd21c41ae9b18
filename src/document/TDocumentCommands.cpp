#include "TDocumentCommands.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <system_error>

#include "BinaryReader.h"
#include "DateTime.h"
#include "DocumentFile.h"
#include "FileHeader.h"
#include "FolderDatabase.h"
#include "ForestMerge.h"
#include "FormatError.h"
#include "IFileDialogs.h"
#include "InstrumentTextImport.h"
#include "MessageSink.h"
#include "Messages.h"
#include "Settings.h"
#include "TNodeForest.h"
#include "TextImport.h"

namespace velmora {

namespace fs = std::filesystem;

namespace {

std::string UpperExtension(const std::string& file) {
  std::string ext = fs::path(file).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::toupper(c); });
  return ext;
}

bool FileExists(const fs::path& file) {
  std::error_code ec;
  return fs::exists(file, ec);
}

// Folders compared without regard to a trailing separator.
bool SameFolder(const fs::path& a, const fs::path& b) {
  auto norm = [](fs::path p) {
    p = p.lexically_normal();
    std::string s = p.string();
    while (s.size() > 1 && (s.back() == '/' || s.back() == '\\')) s.pop_back();
    return s;
  };
  return norm(a) == norm(b);
}

}  // namespace

TDocumentCommands::TDocumentCommands(TNodeForest& forest, Settings& settings, IMessageSink& sink, IFileDialogs& dialogs,
                                     TDocumentHost host)
    : DocumentFileName(msg::NoName),
      forest_(forest),
      settings_(settings),
      sink_(sink),
      dialogs_(dialogs),
      host_(std::move(host)) {}

bool TDocumentCommands::IsUnnamed() const { return DocumentFileName == msg::NoName; }

bool TDocumentCommands::InDatabaseMode() const { return settings_.options().saveType == 1; }

std::string TDocumentCommands::Title() const {
  return fs::path(DocumentFileName).filename().string() + " - " + msg::AppTitle;
}

void TDocumentCommands::UpdateTitle() {
  if (host_.TitleChanged) host_.TitleChanged(Title());
}

void TDocumentCommands::Hint(const char* text) {
  if (host_.ShowHint) host_.ShowHint(Message(text));
}

void TDocumentCommands::ClearHint() {
  if (host_.ClearHint) host_.ClearHint();
}

void TDocumentCommands::ShowError(const std::exception& e) {
  if (const auto* format = dynamic_cast<const EFormatError*>(&e))
    sink_.error(format->message());
  else
    sink_.error(Message("%s", {e.what()}));
}

void TDocumentCommands::AddRecentFile(const std::string& file) {
  try {
    settings_.addRecentFile(file);
  } catch (...) {
    // The recent-files list is a convenience; its errors are ignored.
  }
}

std::string TDocumentCommands::DatabaseDocumentName() const {
  std::string dir = settings_.options().saveDir;
  if (!dir.empty() && dir.back() != '/' && dir.back() != '\\') dir += '/';
  const DateTime::Parts d = DateTime::split(DateTime::now());
  char sep = DateSeparator;
  if (sep == '/' || sep == '\\' || sep == '\0') sep = '-';
  char date[32];
  std::snprintf(date, sizeof date, "%04d%c%02d%c%02d", d.year, sep, d.month, sep, d.day);
  for (int n = 0;; ++n) {
    std::string name = dir + date + " " + std::to_string(n) + ".tvx";
    if (!FileExists(name) || n == 1000000) return name;
  }
}

void TDocumentCommands::NewDocument() {
  DocumentFileName = InDatabaseMode() ? DatabaseDocumentName() : std::string(msg::NoName);
  if (host_.ClearDocument) {
    host_.ClearDocument();
  } else {
    forest_.SetSelection({});
    forest_.Clear();
  }
  CurveCounter = 0;
  BackupFileName.clear();
  DatabaseCurves = {};
  if (host_.RebuildTree) host_.RebuildTree();
  if (host_.SelectionChanged) host_.SelectionChanged();
  if (host_.UpdateChart) host_.UpdateChart();
  Modified = false;
  UpdateTitle();
}

bool TDocumentCommands::AskSaveChanges() {
  if (!Modified) return true;
  switch (sink_.askYesNoCancel(Message(msg::SaveChanges))) {
    case Answer::Yes:
      return Save(true);
    case Answer::No:
      DeleteBackup();
      return true;
    case Answer::Cancel:
      break;
  }
  return false;
}

bool TDocumentCommands::New() {
  if (!AskSaveChanges()) return false;
  NewDocument();
  return true;
}

void TDocumentCommands::FinishLoading() {
  if (host_.RebuildTree) host_.RebuildTree();
  if (host_.SetLoading) host_.SetLoading(false);
  forest_.Undo().Suspend(false);
  if (host_.FocusThumbnails) host_.FocusThumbnails();
  ClearHint();
}

std::optional<Message> TDocumentCommands::OpenProblem(const std::string& file) {
  if (!FileExists(file)) return Message(msg::FileNotFound);
  const std::string ext = UpperExtension(file);
  if (ext == ".TVX") {
    // Only a file that starts with the document header is taken for one;
    // the rest is read when the document loads.
    std::ifstream in(file, std::ios::binary);
    std::uint8_t head[FileHeader::Size] = {};
    if (!in.read(reinterpret_cast<char*>(head), sizeof head)) return Message(msg::NotADocumentFile, {file});
    try {
      BinaryReader reader(std::span<const std::uint8_t>(head, sizeof head));
      if (!FileHeader::read(reader, DocumentFile::TypeCode)) return Message(msg::NotADocumentFile, {file});
    } catch (const EFormatError&) {
      // A known magic with a version this program cannot read: the load
      // says so with its own message.
    }
  } else if (ext == ".MBD") {
    try {
      FolderDatabase::ReadIndexFile(file);
    } catch (const EFormatError& e) {
      return e.message();
    }
  } else {
    // Neither a document nor a folder database: taking its name would have
    // the next save write over it.
    return Message(msg::NotADocumentFile, {file});
  }
  return std::nullopt;
}

bool TDocumentCommands::CheckOpenable(const std::string& file) {
  const std::optional<Message> problem = OpenProblem(file);
  if (problem) sink_.error(*problem);
  return !problem;
}

bool TDocumentCommands::OpenFile(const std::string& file) { return ReadFile(file, false); }

bool TDocumentCommands::ReadFile(const std::string& file, bool replace) {
  if (!CheckOpenable(file)) return false;
  Hint(msg::OpeningFile);
  if (host_.SetLoading) host_.SetLoading(true);
  if (host_.ProcessMessages) host_.ProcessMessages();

  // The file is read into a forest of its own, which nothing else sees: the
  // reading may run on another thread, and what it leaves behind after an
  // error or a cancel is simply dropped. Painting stays suspended there, so
  // the groups are recomputed and the nodes drawn once they are in place.
  TNodeForest staged;
  staged.Painting = 0;
  staged.SemiIntegralMode = forest_.SemiIntegralMode;
  staged.SemilogMode = forest_.SemilogMode;
  const std::string ext = UpperExtension(file);
  FolderDatabase::TCurveFiles loaded;
  int unread = 0;
  const auto read = [&](const ReadProgress& progress) {
    if (ext == ".TVX")
      unread = DocumentFile::LoadDocument(staged, file, {}, progress);
    else if (ext == ".MBD")
      FolderDatabase::LoadFolderDatabase(staged, file, &loaded, progress);
  };
  bool finished = true;
  try {
    if (host_.RunReading)
      finished = host_.RunReading(read);
    else
      read(ReadProgress());
  } catch (const ReadProgress::Cancelled&) {
    finished = false;
  } catch (const std::exception& e) {
    FinishLoading();
    ShowError(e);
    return false;
  }
  if (!finished) {
    FinishLoading();
    return false;
  }

  if (replace) {
    Modified = false;
    NewDocument();
  }
  ForestMerge::AppendForest(forest_, staged);
  if (ext == ".MBD") {
    // Appended into curves loaded from the same folder, both are ours.
    if (!DatabaseCurves.Folder.empty() && DatabaseCurves.Folder == loaded.Folder)
      loaded.Names.insert(DatabaseCurves.Names.begin(), DatabaseCurves.Names.end());
    DatabaseCurves = std::move(loaded);
  }
  DocumentFileName = file;
  UpdateTitle();
  AddRecentFile(file);
  FinishLoading();
  if (unread != 0) sink_.warning(Message(msg::UnreadDataBlocks));
  return true;
}

bool TDocumentCommands::Open() {
  if (!AskSaveChanges()) return false;
  const auto file = dialogs_.openFile(Message(msg::OpenDocumentFilter));
  if (!file) return false;
  return ReadFile(*file, true);
}

bool TDocumentCommands::AppendFile() {
  const auto file = dialogs_.openFile(Message(msg::OpenDocumentFilter));
  if (!file) return false;
  if (!ReadFile(*file, false)) return false;
  Modified = true;
  return true;
}

bool TDocumentCommands::OpenDocument(const std::string& file) {
  if (!AskSaveChanges()) return false;
  return ReadFile(file, true);
}

int TDocumentCommands::Import() {
  const std::vector<std::string> files = dialogs_.openFiles(Message(msg::ImportFilter), ".dat");
  if (files.empty()) return 0;
  return ImportFiles(files);
}

int TDocumentCommands::ImportFiles(const std::vector<std::string>& files) {
  Modified = true;
  Hint(msg::OpeningFile);
  if (host_.SetLoading) host_.SetLoading(true);
  if (host_.ProcessMessages) host_.ProcessMessages();
  int imported = 0;
  for (const std::string& file : files) {
    // Tables of other instruments have a reader of their own; a table it
    // cannot understand is refused with the line, and nothing is added.
    if (InstrumentTextImport::IsInstrumentFile(file)) {
      try {
        if (InstrumentTextImport::ImportFile(forest_, file, host_.ChooseColumns) != nullptr) ++imported;
      } catch (const EFormatError& e) {
        sink_.error(e.message());
      }
      continue;
    }
    try {
      TextImport::ImportText(forest_, file, DecimalSeparator);
      ++imported;
    } catch (const std::exception&) {
      // A file that is no curve leaves its empty node; the next one is read.
    }
  }
  FinishLoading();
  return imported;
}

bool TDocumentCommands::Save(bool fromUser) {
  if (IsUnnamed()) return SaveAs();
  std::string file = DocumentFileName;
  std::string ext = UpperExtension(file);
  if (ext == ".MBD") {
    const Answer answer = sink_.askYesNoCancel(Message(msg::SaveInBundledFormat));
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes) {
      file = fs::path(file).replace_extension(".tvx").string();
      DocumentFileName = file;
      ext = ".TVX";
    } else if (fromUser && FileExists(file)) {
      sink_.warning(Message(msg::DatabaseAlreadyExists));
      return false;
    }
  } else if (ext != ".TVX") {
    // A document opened from a file of another kind has no format to be
    // saved in: the user picks a file, or the name chosen there gets the
    // document extension.
    if (fromUser) return SaveAs();
    file += ".tvx";
    DocumentFileName = file;
    ext = ".TVX";
  }

  Hint(msg::SavingToFile);
  try {
    if (ext == ".TVX")
      DocumentFile::SaveDocument(forest_, file);
    else
      FolderDatabase::SaveFolderDatabase(forest_, file, &sink_, &DatabaseCurves);
  } catch (const std::exception& e) {
    ClearHint();
    ShowError(e);
    UpdateTitle();
    return false;
  }

  Modified = false;
  AddRecentFile(file);
  ClearHint();
  DeleteBackup();
  if (InDatabaseMode() && !SameFolder(fs::path(file).parent_path(), fs::path(settings_.options().saveDir))) {
    sink_.information(Message(msg::ExportedToFile, {file, settings_.options().saveDir}));
    if (!DatabaseFileName.empty()) DocumentFileName = DatabaseFileName;
  }
  UpdateTitle();
  return true;
}

bool TDocumentCommands::SaveAs() {
  const std::string initial = IsUnnamed() ? std::string() : DocumentFileName;
  const auto file = dialogs_.saveFile(Message(msg::SaveDocumentFilter), ".tvx", initial);
  if (!file) return false;
  if (InDatabaseMode()) DatabaseFileName = DocumentFileName;
  DocumentFileName = *file;
  return Save(false);
}

std::string TDocumentCommands::TakeCurveFileName() { return FolderDatabase::CurveFileName(CurveCounter++); }

fs::path TDocumentCommands::ChooseBackupName(const std::string& documentFile, const fs::path& dataFolder) {
  const fs::path doc(documentFile);
  fs::path folder = doc.parent_path();
  if (folder.empty()) folder = dataFolder;
  const std::string stem = doc.stem().string();
  fs::path candidate = folder / (stem + ".bak.tvx");
  for (int i = 0; FileExists(candidate) && i <= 1000000; ++i)
    candidate = folder / (stem + ".bak" + std::to_string(i) + ".tvx");
  return candidate;
}

std::string TDocumentCommands::BackupName() {
  if (BackupFileName.empty()) BackupFileName = ChooseBackupName(DocumentFileName, settings_.dataFolder()).string();
  return BackupFileName;
}

bool TDocumentCommands::WriteBackup() {
  try {
    DocumentFile::SaveDocument(forest_, BackupName());
    return true;
  } catch (const std::exception& e) {
    ShowError(e);
    return false;
  }
}

void TDocumentCommands::DeleteBackup() {
  if (BackupFileName.empty()) return;
  std::error_code ec;
  fs::remove(BackupFileName, ec);
}

bool TDocumentCommands::AfterCurveRecorded() {
  Modified = true;
  if (InDatabaseMode()) return Save(false);
  if (settings_.options().backupEnabled) return WriteBackup();
  return true;
}

}  // namespace velmora
