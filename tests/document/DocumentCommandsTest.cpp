#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

#include "BinaryWriter.h"
#include "ChunkWriter.h"
#include "DocumentFile.h"
#include "FileHeader.h"
#include "FileIo.h"
#include "FolderDatabase.h"
#include "ForestTestUtil.h"
#include "FormatError.h"
#include "IFileDialogs.h"
#include "Messages.h"
#include "ReadProgress.h"
#include "RecordingMessageSink.h"
#include "Settings.h"
#include "TDocumentCommands.h"
#include "TNode.h"
#include "TVAStruct.h"
#include "TempDir.h"

using namespace velmora;
using velmora::test::AddLeaf;
using velmora::test::Line;
using velmora::test::RecordingMessageSink;
using velmora::test::TempDir;
namespace fs = std::filesystem;

namespace {

// Answers the dialogs from queues; an empty queue is a cancelled dialog.
class ScriptedDialogs final : public IFileDialogs {
 public:
  std::deque<std::string> open;
  std::deque<std::vector<std::string>> openMany;
  std::deque<std::string> save;
  std::vector<std::string> filters;

  std::optional<std::string> openFile(const Message& filter) override {
    filters.push_back(filter.text);
    return take(open);
  }
  std::vector<std::string> openFiles(const Message& filter, const std::string&) override {
    filters.push_back(filter.text);
    if (openMany.empty()) return {};
    auto v = openMany.front();
    openMany.pop_front();
    return v;
  }
  std::optional<std::string> saveFile(const Message& filter, const std::string&, const std::string&) override {
    filters.push_back(filter.text);
    return take(save);
  }

 private:
  static std::optional<std::string> take(std::deque<std::string>& q) {
    if (q.empty()) return std::nullopt;
    std::string s = q.front();
    q.pop_front();
    return s;
  }
};

struct Fixture {
  TempDir dir;
  TNodeForest forest;
  Settings settings{dir.path()};
  RecordingMessageSink sink;
  ScriptedDialogs dialogs;
  std::vector<std::string> titles;
  TDocumentCommands commands{forest, settings, sink, dialogs, host()};

  TDocumentHost host() {
    TDocumentHost h;
    h.TitleChanged = [this](const std::string& t) { titles.push_back(t); };
    return h;
  }

  std::string file(const std::string& name) const { return (dir.path() / name).string(); }
  void addCurve(const std::string& name) { AddLeaf(forest, forest.LastRoot(), nullptr, name, Line(0, 1, 5, 1, 1)); }
  std::vector<std::string> kinds() const {
    std::vector<std::string> k;
    for (const auto& e : sink.entries) k.push_back(e.kind + ":" + e.templ);
    return k;
  }
};

}  // namespace

TEST(DocumentCommands, NewAsksToSaveChanges) {
  Fixture fx;
  fx.addCurve("a");
  fx.commands.New();  // not modified: no question
  EXPECT_TRUE(fx.sink.entries.empty());
  EXPECT_EQ(fx.forest.FirstRoot(), nullptr);
  EXPECT_EQ(fx.commands.DocumentFileName, "No name");
  EXPECT_EQ(fx.commands.Title(), "No name - Velmora-VA (beta)");

  fx.addCurve("b");
  fx.commands.SetModified();
  fx.commands.CurveCounter = 5;
  fx.sink.queueAnswer(Answer::Cancel);
  EXPECT_FALSE(fx.commands.New());
  EXPECT_NE(fx.forest.FirstRoot(), nullptr);
  EXPECT_STREQ(fx.sink.entries.back().templ, msg::SaveChanges);

  // No: the backup goes, the document is replaced.
  fx.commands.WriteBackup();
  const std::string backup = fx.commands.BackupFileName;
  EXPECT_TRUE(fs::exists(backup));
  fx.sink.queueAnswer(Answer::No);
  EXPECT_TRUE(fx.commands.New());
  EXPECT_FALSE(fs::exists(backup));
  EXPECT_EQ(fx.forest.FirstRoot(), nullptr);
  EXPECT_EQ(fx.commands.CurveCounter, 0);
  EXPECT_FALSE(fx.commands.Modified);

  // Yes on an unnamed document runs "Save as..."; a cancelled dialog stops.
  fx.addCurve("c");
  fx.commands.SetModified();
  fx.sink.queueAnswer(Answer::Yes);
  EXPECT_FALSE(fx.commands.New());
  EXPECT_NE(fx.forest.FirstRoot(), nullptr);
  fx.sink.queueAnswer(Answer::Yes);
  fx.dialogs.save.push_back(fx.file("saved.tvx"));
  EXPECT_TRUE(fx.commands.New());
  EXPECT_TRUE(fs::exists(fx.file("saved.tvx")));
}

TEST(DocumentCommands, OpenByExtensionWithWarningsAndRecentFiles) {
  Fixture fx;
  fx.commands.OpenFile(fx.file("missing.tvx"));
  EXPECT_EQ(fx.kinds(), (std::vector<std::string>{std::string("error:") + msg::FileNotFound}));

  // A document with a block this version does not know.
  BinaryWriter w;
  FileHeader::write(w, "TVNX");
  ChunkWriter cw(w);
  cw.chunk(1, std::vector<std::uint8_t>{1, 'x'});
  cw.chunk(99, std::vector<std::uint8_t>{0});
  TempDir::writeFile(fx.file("new.tvx"), std::string(w.data().begin(), w.data().end()));
  fx.sink.entries.clear();
  fx.dialogs.open.push_back(fx.file("new.tvx"));
  EXPECT_TRUE(fx.commands.Open());
  EXPECT_EQ(fx.kinds(), (std::vector<std::string>{std::string("warning:") + msg::UnreadDataBlocks}));
  EXPECT_EQ(fx.forest.FirstRoot()->Name, "x");
  EXPECT_EQ(fx.commands.DocumentFileName, fx.file("new.tvx"));
  EXPECT_EQ(fx.titles.back(), "new.tvx - Velmora-VA (beta)");
  EXPECT_EQ(fx.settings.recentFiles().back(), fx.file("new.tvx"));
  EXPECT_EQ(fx.dialogs.filters.back(), std::string(msg::OpenDocumentFilter));

  // "Append File" adds after the last root node and marks the document.
  fx.dialogs.open.push_back(fx.file("new.tvx"));
  EXPECT_TRUE(fx.commands.AppendFile());
  EXPECT_TRUE(fx.commands.Modified);
  EXPECT_NE(fx.forest.FirstRoot()->NextSibling, nullptr);

  // A file of another kind is refused: the document and its name stay.
  TempDir::writeFile(fx.file("notes.txt"), "1 2\n");
  const std::string named = fx.commands.DocumentFileName;
  fx.sink.queueAnswer(Answer::No);
  EXPECT_FALSE(fx.commands.OpenRecent(fx.file("notes.txt")));
  EXPECT_NE(fx.forest.FirstRoot(), nullptr);
  EXPECT_EQ(fx.commands.DocumentFileName, named);
  EXPECT_EQ(fx.sink.entries.back().text, "The file \"" + fx.file("notes.txt") + "\" is not a document file.");

  // A damaged document adds nothing, not even the nodes before the damage.
  std::vector<std::uint8_t> bytes = w.data();
  bytes.push_back(1);
  TempDir::writeFile(fx.file("cut.tvx"), std::string(bytes.begin(), bytes.end()));
  fx.commands.NewDocument();
  fx.sink.entries.clear();
  EXPECT_FALSE(fx.commands.OpenFile(fx.file("cut.tvx")));
  EXPECT_EQ(fx.sink.entries.size(), 1u);
  EXPECT_EQ(fx.sink.entries[0].kind, "error");
  EXPECT_EQ(fx.forest.FirstRoot(), nullptr);
  EXPECT_FALSE(fx.forest.Undo().Suspended());
}

namespace {

// The document commands with a host that runs the reading itself, as the
// window does on its thread: it sees the document while the file is read
// and may cancel the reading after a number of progress reports.
struct ReadingFixture : Fixture {
  int cancelAfter = -1;  // reports before the cancel; -1 never
  int reports = 0;
  std::size_t nodesWhileReading = 0;
  TDocumentCommands reader{forest, settings, sink, dialogs, readingHost()};

  TDocumentHost readingHost() {
    TDocumentHost h;
    h.RunReading = [this](const std::function<void(const ReadProgress&)>& read) {
      reports = 0;
      bool cancelled = false;
      try {
        read(ReadProgress([&](std::size_t done, std::size_t total) {
          EXPECT_LE(done, total);
          cancelled = cancelAfter >= 0 && reports++ >= cancelAfter;
          return !cancelled;
        }));
      } catch (const ReadProgress::Cancelled&) {
      }
      nodesWhileReading = forest.Count();
      return !cancelled;
    };
    return h;
  }

  // A document of `roots` groups with two curves each.
  std::string writeDocument(const std::string& name, int roots) {
    TNodeForest source;
    for (int r = 0; r < roots; ++r) {
      TNode* group = AddLeaf(source, source.LastRoot(), nullptr, "group " + std::to_string(r));
      AddLeaf(source, nullptr, group, "b", Line(0, 1, 50, 0.5, r));
      AddLeaf(source, group->FirstChild, group, "a", Line(0, 1, 50, 1, r));
    }
    DocumentFile::SaveDocument(source, file(name));
    return file(name);
  }
  std::vector<std::string> names() const {
    std::vector<std::string> n;
    for (const TNode* node : forest.DisplayOrder()) n.push_back(node->Name);
    return n;
  }
};

}  // namespace

TEST(DocumentCommands, AFileIsReadApartAndTakesThePlaceOfTheDocumentOnlyWhenReadWhole) {
  ReadingFixture fx;
  const std::string big = fx.writeDocument("big.tvx", 20);
  AddLeaf(fx.forest, nullptr, nullptr, "mine", Line(0, 1, 5, 1, 1));
  fx.reader.DocumentFileName = fx.file("mine.tvx");
  fx.reader.SetModified();
  const auto recent = fx.settings.recentFiles();

  // Cancelled half-way: the document, its name, its modified state and the
  // recent files stay; no message.
  fx.cancelAfter = 10;
  fx.sink.queueAnswer(Answer::No);  // "Save changes?"
  EXPECT_FALSE(fx.reader.OpenRecent(big));
  EXPECT_EQ(fx.reports, 11);
  EXPECT_EQ(fx.names(), std::vector<std::string>{"mine"});
  EXPECT_EQ(fx.reader.DocumentFileName, fx.file("mine.tvx"));
  EXPECT_TRUE(fx.reader.Modified);
  EXPECT_EQ(fx.settings.recentFiles(), recent);
  EXPECT_EQ(fx.sink.entries.size(), 1u);  // the question only
  EXPECT_FALSE(fx.forest.Undo().Suspended());

  // Damaged at its end: the error the reader gives, and nothing changes.
  fx.cancelAfter = -1;
  const FileIo::Bytes whole = FileIo::readBytes(big);
  const std::string cut = fx.file("cut.tvx");
  TempDir::writeFile(cut, std::string(whole.span().begin(), whole.span().end() - 7));
  std::string expected;
  try {
    TNodeForest scratch;
    DocumentFile::LoadDocument(scratch, cut);
  } catch (const EFormatError& e) {
    expected = e.message().format();
  }
  ASSERT_FALSE(expected.empty());
  fx.sink.entries.clear();
  fx.sink.queueAnswer(Answer::No);
  EXPECT_FALSE(fx.reader.OpenDocument(cut));
  ASSERT_EQ(fx.sink.entries.size(), 2u);
  EXPECT_EQ(fx.sink.entries[1].kind, "error");
  EXPECT_EQ(fx.sink.entries[1].text, expected);
  EXPECT_EQ(fx.names(), std::vector<std::string>{"mine"});
  EXPECT_TRUE(fx.reader.Modified);
  EXPECT_EQ(fx.reader.DocumentFileName, fx.file("mine.tvx"));

  // Read whole: the document is replaced in one step after the reading.
  fx.sink.queueAnswer(Answer::No);
  EXPECT_TRUE(fx.reader.OpenDocument(big));
  EXPECT_EQ(fx.nodesWhileReading, 1u) << "nothing is put in place while the file is read";
  EXPECT_EQ(fx.forest.DisplayOrder().size(), 60u);
  EXPECT_EQ(fx.names()[0], "group 0");
  EXPECT_FALSE(fx.reader.Modified);
  EXPECT_EQ(fx.reader.DocumentFileName, big);

  // Appended, the nodes join this forest as if it had read the file itself.
  fx.dialogs.open.push_back(big);
  EXPECT_TRUE(fx.reader.AppendFile());
  EXPECT_TRUE(fx.reader.Modified);
  TNodeForest direct;
  DocumentFile::LoadDocument(direct, big);
  DocumentFile::LoadDocument(direct, big);
  EXPECT_EQ(DocumentFile::DocumentBytes(fx.forest), DocumentFile::DocumentBytes(direct));
  ASSERT_EQ(fx.forest.Count(), direct.Count());
  for (std::size_t i = 0; i < fx.forest.Count(); ++i) {
    EXPECT_EQ(fx.forest.AllNodes[i]->Id, static_cast<std::int32_t>(i));
    EXPECT_EQ(fx.forest.AllNodes[i]->View, &fx.forest);
  }
  // The groups were recomputed from the curves read into them.
  EXPECT_EQ(fx.forest.FirstRoot()->VA()->DisplayData().size(), direct.FirstRoot()->VA()->DisplayData().size());
}

TEST(DocumentCommands, ImportGoesOnAfterAFailingFile) {
  Fixture fx;
  TempDir::writeFile(fx.file("a.dat"), "1 2\n3 4\n");
  TempDir::writeFile(fx.file("b.dat"), "1 2\nbad\n");
  TempDir::writeFile(fx.file("c.dat"), "5 6\n");
  fx.dialogs.openMany.push_back({fx.file("a.dat"), fx.file("b.dat"), fx.file("missing.dat"), fx.file("c.dat")});
  EXPECT_EQ(fx.commands.Import(), 2);
  EXPECT_TRUE(fx.commands.Modified);
  EXPECT_TRUE(fx.sink.entries.empty());
  std::vector<std::string> names;
  for (TNode* n = fx.forest.FirstRoot(); n; n = n->NextSibling) names.push_back(n->Name);
  EXPECT_EQ(names, (std::vector<std::string>{"a", "b", "c"}));
}

TEST(DocumentCommands, SaveInOldFormatAsksAndRefusesExistingIndex) {
  Fixture fx;
  fx.addCurve("a");
  fx.commands.DocumentFileName = fx.file("db.mbd");
  fx.sink.queueAnswer(Answer::Cancel);
  EXPECT_FALSE(fx.commands.Save());
  EXPECT_STREQ(fx.sink.entries.back().templ, msg::SaveInBundledFormat);

  // No keeps the old format; the index is written with the curve files.
  fx.sink.queueAnswer(Answer::No);
  fx.commands.SetModified();
  EXPECT_TRUE(fx.commands.Save());
  EXPECT_TRUE(fs::exists(fx.file("db.mbd")));
  EXPECT_TRUE(fs::exists(fx.file("_______0.dbd")));
  EXPECT_FALSE(fx.commands.Modified);

  // Over an existing index the Save command refuses...
  fx.sink.queueAnswer(Answer::No);
  EXPECT_FALSE(fx.commands.Save());
  EXPECT_STREQ(fx.sink.entries.back().templ, msg::DatabaseAlreadyExists);
  // ...but "Save as..." onto it goes ahead.
  fx.dialogs.save.push_back(fx.file("db.mbd"));
  fx.sink.queueAnswer(Answer::No);
  EXPECT_TRUE(fx.commands.SaveAs());

  // Yes turns it into a document file.
  fx.sink.queueAnswer(Answer::Yes);
  EXPECT_TRUE(fx.commands.Save());
  EXPECT_EQ(fx.commands.DocumentFileName, fx.file("db.tvx"));
  EXPECT_TRUE(fs::exists(fx.file("db.tvx")));

  // A document named after a file of another kind is saved through the
  // dialog, never reported as saved without a file.
  fx.commands.DocumentFileName = fx.file("notes.txt");
  fx.commands.SetModified();
  EXPECT_FALSE(fx.commands.Save());
  EXPECT_TRUE(fx.commands.Modified);
}

TEST(DocumentCommands, DatabaseStorageMode) {
  Fixture fx;
  TempDir other;
  fx.settings.options().saveType = 1;
  fx.settings.options().saveDir = (fx.dir.path() / "").string();
  fx.commands.NewDocument();
  const std::string name = fx.commands.DocumentFileName;
  EXPECT_EQ(fs::path(name).parent_path(), fx.dir.path());
  EXPECT_NE(name.find(" 0.tvx"), std::string::npos);
  TempDir::writeFile(name, "taken");
  fx.commands.NewDocument();
  EXPECT_NE(fx.commands.DocumentFileName.find(" 1.tvx"), std::string::npos);

  // Each recorded curve saves the whole document.
  fx.addCurve("a");
  fx.commands.AfterCurveRecorded();
  EXPECT_TRUE(fs::exists(fx.commands.DocumentFileName));
  EXPECT_FALSE(fx.commands.Modified);

  // "Save as..." into another folder exports and returns to the database.
  const std::string database = fx.commands.DocumentFileName;
  fx.dialogs.save.push_back((other.path() / "export.tvx").string());
  EXPECT_TRUE(fx.commands.SaveAs());
  EXPECT_TRUE(fs::exists(other.path() / "export.tvx"));
  EXPECT_STREQ(fx.sink.entries.back().templ, msg::ExportedToFile);
  EXPECT_EQ(fx.commands.DocumentFileName, database);
}

TEST(DocumentCommands, BackupNamesAndCurveNames) {
  TempDir data;
  EXPECT_EQ(TDocumentCommands::ChooseBackupName("No name", data.path()), data.path() / "No name.bak.tvx");
  TempDir::writeFile(data / "No name.bak.tvx", "x");
  EXPECT_EQ(TDocumentCommands::ChooseBackupName("No name", data.path()), data.path() / "No name.bak0.tvx");
  TempDir::writeFile(data / "No name.bak0.tvx", "x");
  EXPECT_EQ(TDocumentCommands::ChooseBackupName("No name", data.path()), data.path() / "No name.bak1.tvx");
  const std::string doc = (data.path() / "run.tvx").string();
  EXPECT_EQ(TDocumentCommands::ChooseBackupName(doc, "/elsewhere"), data.path() / "run.bak.tvx");

  Fixture fx;
  EXPECT_EQ(fx.commands.TakeCurveFileName(), "_______0.dbd");
  EXPECT_EQ(fx.commands.TakeCurveFileName(), "_______1.dbd");
  EXPECT_EQ(fx.commands.CurveCounter, 2);
  // The backup name is chosen once; saving deletes the backup.
  fx.addCurve("a");
  fx.commands.AfterCurveRecorded();
  const std::string backup = fx.commands.BackupFileName;
  EXPECT_EQ(backup, fx.file("No name.bak.tvx"));
  EXPECT_TRUE(fs::exists(backup));
  fx.commands.AfterCurveRecorded();
  EXPECT_EQ(fx.commands.BackupFileName, backup);
  fx.dialogs.save.push_back(fx.file("doc.tvx"));
  EXPECT_TRUE(fx.commands.Save());
  EXPECT_FALSE(fs::exists(backup));

  // Recent files keep the configured number, the oldest dropped.
  for (int i = 0; i < 9; ++i) {
    fx.commands.DocumentFileName = fx.file("d" + std::to_string(i) + ".tvx");
    fx.commands.Save();
  }
  const auto recent = fx.settings.recentFiles();
  ASSERT_EQ(recent.size(), 8u);
  EXPECT_EQ(recent.front(), fx.file("d1.tvx"));
  EXPECT_EQ(recent.back(), fx.file("d8.tvx"));
}

// A text under the document extension, a database index that is no index:
// refused with a message, never adopted as the document's file.
TEST(DocumentCommands, AFileThatIsNoDocumentIsRefusedAndNeverTakenOver) {
  Fixture fx;
  fx.addCurve("kept");
  fx.commands.DocumentFileName = fx.file("work.tvx");
  fx.commands.SetModified();
  const std::string notes = fx.file("notes.tvx");
  TempDir::writeFile(notes, "Pb 0.1 mg/l, Cd 0.02 mg/l\n");
  const std::string refused = "The file \"" + notes + "\" is not a document file.";

  fx.sink.queueAnswer(Answer::No);  // "Save changes?"
  fx.dialogs.open.push_back(notes);
  EXPECT_FALSE(fx.commands.Open());
  ASSERT_FALSE(fx.sink.entries.empty());
  EXPECT_EQ(fx.sink.entries.back().kind, "error");
  EXPECT_EQ(fx.sink.entries.back().text, refused);
  fx.dialogs.open.push_back(notes);
  EXPECT_FALSE(fx.commands.AppendFile());
  EXPECT_EQ(fx.sink.entries.back().text, refused);
  EXPECT_FALSE(fx.commands.OpenFile(notes));
  EXPECT_EQ(fx.sink.entries.back().text, refused);

  // An index that holds no curve number.
  TempDir::writeFile(fx.file("broken.mbd"), "ab");
  fx.sink.queueAnswer(Answer::No);
  EXPECT_FALSE(fx.commands.OpenRecent(fx.file("broken.mbd")));
  EXPECT_EQ(fx.sink.entries.back().kind, "error");
  EXPECT_NE(fx.sink.entries.back().text.find("broken.mbd"), std::string::npos);

  // The document, its name and state are as they were; nothing went to the
  // recent files, and saving writes the document's own file.
  ASSERT_NE(fx.forest.FirstRoot(), nullptr);
  EXPECT_EQ(fx.forest.FirstRoot()->Name, "kept");
  EXPECT_EQ(fx.forest.FirstRoot()->NextSibling, nullptr);
  EXPECT_EQ(fx.commands.DocumentFileName, fx.file("work.tvx"));
  EXPECT_TRUE(fx.commands.Modified);
  EXPECT_TRUE(fx.settings.recentFiles().empty());
  EXPECT_TRUE(fx.commands.Save());
  EXPECT_EQ(TempDir::readFile(notes), "Pb 0.1 mg/l, Cd 0.02 mg/l\n");
  EXPECT_TRUE(fs::exists(fx.file("work.tvx")));
}

namespace {

void AddDatabaseCurve(TNodeForest& forest, const std::string& name, double level) {
  TNode* n = AddLeaf(forest, forest.LastRoot(), nullptr, name, Line(-500, 10, 20, level, 0.0));
  n->VA()->Params.SetComments(name);
}

std::vector<double> DatabaseLevels(const fs::path& index) {
  TNodeForest forest;
  FolderDatabase::LoadFolderDatabase(forest, index);
  std::vector<double> levels;
  for (TNode* n = forest.FirstRoot(); n; n = n->NextSibling) levels.push_back(n->VA()->Data.front().Y);
  return levels;
}

}  // namespace

TEST(DocumentCommands, SavingAsAFolderDatabaseNeverWritesOverAnotherDatabasesCurves) {
  Fixture fx;
  const fs::path other = fx.dir.path() / "other";
  fs::create_directory(other);
  {
    TNodeForest theirs;
    for (int k = 0; k < 3; ++k) AddDatabaseCurve(theirs, "theirs " + std::to_string(k), 10 + k);
    FolderDatabase::SaveFolderDatabase(theirs, other / "theirs.mbd");
  }
  const std::string before = TempDir::readFile(other / "_______1.dbd");

  // Two curves recorded here, numbered by the document's counter from 0.
  for (double level : {1.0, 2.0}) {
    AddDatabaseCurve(fx.forest, "ours", level);
    fx.forest.LastRoot()->VA()->DatabaseName = fx.commands.TakeCurveFileName();
  }
  fx.dialogs.save.push_back((other / "ours.mbd").string());
  fx.sink.queueAnswer(Answer::No);  // the old format
  EXPECT_TRUE(fx.commands.SaveAs());
  EXPECT_EQ(TempDir::readFile(other / "_______1.dbd"), before);
  EXPECT_EQ(DatabaseLevels(other / "theirs.mbd"), (std::vector<double>{10, 11, 12}));
  EXPECT_EQ(fx.forest.FirstRoot()->VA()->DatabaseName, "_______3.dbd");
  EXPECT_EQ(DatabaseLevels(other / "ours.mbd"), (std::vector<double>{10, 11, 12, 1, 2}));

  // Saved there again, the document replaces its own files only.
  fx.forest.FirstRoot()->VA()->SetData(Line(-500, 10, 20, 5.0, 0.0));
  fx.dialogs.save.push_back((other / "ours.mbd").string());
  fx.sink.queueAnswer(Answer::No);
  EXPECT_TRUE(fx.commands.SaveAs());
  EXPECT_EQ(DatabaseLevels(other / "ours.mbd"), (std::vector<double>{10, 11, 12, 5, 2}));
}

TEST(DocumentCommands, ACurveDeletedFromAFolderDatabaseTakesItsFileAlong) {
  Fixture fx;
  const fs::path db = fx.dir.path() / "db";
  fs::create_directory(db);
  {
    TNodeForest earlier;
    for (int k = 0; k < 3; ++k) AddDatabaseCurve(earlier, "curve " + std::to_string(k), k);
    FolderDatabase::SaveFolderDatabase(earlier, db / "db.mbd");
  }
  fx.dialogs.open.push_back((db / "db.mbd").string());
  ASSERT_TRUE(fx.commands.Open());
  ASSERT_NE(fx.forest.FirstRoot(), nullptr);
  fx.forest.DeleteNodes({fx.forest.FirstRoot()->NextSibling});
  fx.commands.SetModified();
  fx.dialogs.save.push_back((db / "db.mbd").string());
  fx.sink.queueAnswer(Answer::No);
  EXPECT_TRUE(fx.commands.SaveAs());
  EXPECT_FALSE(fs::exists(db / "_______1.dbd"));
  EXPECT_EQ(DatabaseLevels(db / "db.mbd"), (std::vector<double>{0, 2}));
}
