#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "FolderDatabase.h"
#include "Message.h"
#include "TDocumentHost.h"

namespace velmora {

class IFileDialogs;
class IMessageSink;
class Settings;
class TNodeForest;

// The main window's document commands without the window: New, Open,
// Append File, Data import, Save, Save as, the recent files, the title, the
// modified flag, the curve counter and the backup file. Questions and
// messages go to the message sink, file choices to the dialogs, and what
// the window must refresh to the host hooks.
class TDocumentCommands {
 public:
  TDocumentCommands(TNodeForest& forest, Settings& settings, IMessageSink& sink, IFileDialogs& dialogs,
                    TDocumentHost host = {});

  // --- State of the open document ---
  // The document's file, or the "No name" text for a new one.
  std::string DocumentFileName;
  bool Modified = false;
  // Number given to the next recorded curve; 0 after New.
  std::int32_t CurveCounter = 0;
  // The backup file of the document, chosen at the first backup; empty
  // before.
  std::string BackupFileName;
  // In database storage mode, the document to return to after "Save as"
  // into another folder.
  std::string DatabaseFileName;
  // The folder database files this document loaded or wrote: a save there
  // replaces or deletes these and no others.
  FolderDatabase::TCurveFiles DatabaseCurves;
  // Decimal separator of imported text files (the locale's).
  char DecimalSeparator = '.';
  // Separator of the date in database file names (the locale's date
  // separator; path separators are never used).
  char DateSeparator = '-';

  bool IsUnnamed() const;
  // "<file name> - Velmora-VA (beta)".
  std::string Title() const;
  void SetModified(bool modified = true) { Modified = modified; }

  // --- Commands; each returns false when it was cancelled or failed ---
  // "&New": asks to save changes first.
  bool New();
  // New without the question.
  void NewDocument();
  // "Save changes?" when modified: Yes saves, No deletes the backup, Cancel
  // stops (false). Also false when the save did not happen.
  bool AskSaveChanges();
  // Opens a file by its extension (".tvx" document, ".mbd" folder
  // database) into the current document. A missing file, another
  // extension, a ".tvx" without the document header and a ".mbd" whose
  // index cannot be read are refused with a message: the document, its
  // name and the recent files stay as they were. The file is read apart
  // (through the host's RunReading) and its nodes join the document in one
  // step: a damaged file (the error is shown) or a cancelled reading leaves
  // the document as it was.
  bool OpenFile(const std::string& file);
  // Why `file` cannot be opened, or nothing when it can.
  static std::optional<Message> OpenProblem(const std::string& file);
  bool Open();
  bool AppendFile();
  // Imports every chosen text file into a new root node; a failing file
  // does not stop the others. Returns the number of files imported whole.
  int Import();
  // Imports the given files as "Data import" does after its dialog.
  int ImportFiles(const std::vector<std::string>& files);
  // "&Save"; `fromUser` is false when "Save as..." runs it.
  bool Save(bool fromUser = true);
  bool SaveAs();
  // A recent file chosen from the menu: asks to save changes first, then
  // replaces the document with the file. The open document goes only once
  // the file was read whole; a failure or a cancel keeps it.
  bool OpenRecent(const std::string& file) { return OpenDocument(file); }
  // The same for a file chosen elsewhere (the start panel, the results).
  bool OpenDocument(const std::string& file);

  // --- Curves and backups ---
  // The database name of the next recorded curve; advances the counter.
  std::string TakeCurveFileName();
  // After each recorded curve: in separate-files mode writes the backup
  // (when enabled), in database mode saves the document. False when that
  // write failed (the error was shown).
  bool AfterCurveRecorded();
  // The backup name for the document (chosen once per document).
  std::string BackupName();
  // False when the backup could not be written (the error was shown).
  bool WriteBackup();
  void DeleteBackup();
  // The backup file for a document file: "<folder><name>.bak.tvx", else
  // "<folder><name>.bak<i>.tvx" for the first i free; the data folder for a
  // document without folder.
  static std::filesystem::path ChooseBackupName(const std::string& documentFile,
                                                const std::filesystem::path& dataFolder);
  // The database-mode name of a new document: "<SaveDir><date> <n>.tvx"
  // for the smallest n whose file does not exist.
  std::string DatabaseDocumentName() const;

 private:
  void UpdateTitle();
  void AddRecentFile(const std::string& file);
  void FinishLoading();
  void Hint(const char* text);
  void ClearHint();
  void ShowError(const std::exception& e);
  // Says why `file` cannot be opened; true when it can.
  bool CheckOpenable(const std::string& file);
  // Reads `file` and puts its nodes in place (replacing the document when
  // `replace`); the common part of OpenFile, Open and OpenRecent.
  bool ReadFile(const std::string& file, bool replace);
  bool InDatabaseMode() const;

  TNodeForest& forest_;
  Settings& settings_;
  IMessageSink& sink_;
  IFileDialogs& dialogs_;
  TDocumentHost host_;
};

}  // namespace velmora
