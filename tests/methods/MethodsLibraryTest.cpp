// The methods library: the scan at start-up, the methods saved from the
// wizard, the menu model, cells and languages, and the generated script.
#include <gtest/gtest.h>

#include <filesystem>

#include "FileIo.h"
#include "MethodFile.h"
#include "MethodScriptCreator.h"
#include "MethodTestData.h"
#include "RecordingMessageSink.h"
#include "TMethodsLibrary.h"
#include "TMethodsMenuModel.h"
#include "TempDir.h"

using namespace velmora;
namespace fs = std::filesystem;

namespace {

TMethod Titled(const std::string& english, const std::string& subMenu = {}) {
  TMethod m;
  m.AddDefaultLanguages();
  m.Localized[0].Title = english;
  m.Localized[0].SubMenu = subMenu;
  m.Localized[1].Title = english + " (ru)";
  return m;
}

std::vector<std::string> Captions(const TMethods& methods) {
  std::vector<std::string> out;
  for (const TMethod& m : methods) out.push_back(m.Caption(1033));
  return out;
}

}  // namespace

TEST(MethodsLibrary, ScanLoadsInNameOrderAndNamesADamagedMethodOnce) {
  test::TempDir dir;
  const fs::path library = dir / "methods";
  fs::create_directories(library);
  MethodFile::Write(library / "b-lead.mtd", Titled("Lead"));
  MethodFile::Write(library / "a-zinc.mtd", Titled("Zinc"));
  MethodFile::Write(library / "d-copper.MTD", Titled("Copper"));
  std::vector<std::uint8_t> damaged = MethodFile::Encode(test::FullMethod());
  damaged.resize(damaged.size() / 2);
  FileIo::writeAtomically(library / "c-cadmium.mtd", damaged);
  test::TempDir::writeFile(library / "notes.txt", "not a method");
  test::TempDir::writeFile(library / "e-foreign.mtd", "\x08TVXPv100");

  TMethodsLibrary methods(library, dir / "data");
  test::RecordingMessageSink sink;
  std::vector<std::string> progress;
  EXPECT_EQ(methods.Load(sink, [&](const std::string& f) { progress.push_back(f); }), 1u);
  EXPECT_EQ(Captions(methods.Methods()), (std::vector<std::string>{"Zinc", "Lead", "Copper"}));
  EXPECT_EQ(progress,
            (std::vector<std::string>{"a-zinc.mtd", "b-lead.mtd", "c-cadmium.mtd", "d-copper.MTD", "e-foreign.mtd"}));
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_EQ(sink.entries[0].kind, "error");
  EXPECT_NE(sink.entries[0].text.find("c-cadmium.mtd"), std::string::npos) << sink.entries[0].text;
  EXPECT_EQ(methods.Methods()[1].FileName, (library / "b-lead.mtd").string());

  // A missing library folder gives an empty library without a message.
  TMethodsLibrary none(dir / "nowhere", dir / "data");
  EXPECT_TRUE(none.Load().empty());
  EXPECT_TRUE(none.Methods().empty());
}

TEST(MethodsLibrary, MethodsSavedFromTheWizardFollowTheLibrary) {
  test::TempDir dir;
  fs::create_directories(dir / "methods");
  MethodFile::Write(dir / "methods" / "zinc.mtd", Titled("Zinc"));
  TMethodsLibrary methods(dir / "methods", dir / "data");
  EXPECT_TRUE(methods.Load().empty());

  const fs::path first = methods.SaveNew(test::FullMethod(), "Zinc, river water");
  const fs::path second = methods.SaveNew(Titled("Lead"), "Lead, tap water");
  EXPECT_EQ(first.parent_path(), dir / "data" / "Methods");
  EXPECT_EQ(Captions(methods.Methods()), (std::vector<std::string>{"Zinc", "Zinc, river water", "Lead, tap water"}));
  for (const TLocalizedMethod& l : methods.Methods()[1].Localized) EXPECT_EQ(l.Title, "Zinc, river water");

  // At the next start: library first, then the record folder in index
  // order; a saved method whose file is gone is passed over.
  fs::remove(second);
  TMethodsLibrary restarted(dir / "methods", dir / "data");
  EXPECT_TRUE(restarted.Load().empty());
  EXPECT_EQ(Captions(restarted.Methods()), (std::vector<std::string>{"Zinc", "Zinc, river water"}));
  EXPECT_EQ(restarted.Methods()[1].Script, test::EveryKind());
}

TEST(MethodsLibrary, LibraryFolderBesideTheProgramOrInstalled) {
  test::TempDir dir;
  const fs::path bin = dir / "bin";
  fs::create_directories(bin);
  EXPECT_EQ(TMethodsLibrary::LibraryFolder(bin), bin / "methods");
  fs::create_directories(dir / "share" / "velmora-va" / "methods");
  EXPECT_EQ(TMethodsLibrary::LibraryFolder(bin), dir / "share" / "velmora-va" / "methods");
  fs::create_directories(bin / "methods");
  EXPECT_EQ(TMethodsLibrary::LibraryFolder(bin), bin / "methods");
}

TEST(MethodsMenu, SubmenusReverseLoadOrderAndMethodsKeptOutOfTheMenu) {
  TMethods methods;
  methods.push_back(Titled("Zinc", "Water"));
  methods.push_back(Titled("Lead"));
  methods.push_back(Titled("Cadmium", "Water"));
  TMethod sampler = Titled("Sampler run");
  sampler.Programs = {{test::Step(2, "x")}};
  sampler.RebuildCells();
  methods.push_back(sampler);
  TMethod simulation = Titled("Demo");
  simulation.Script.push_back(ValueRecord::Make(kStepSimulation));
  methods.push_back(simulation);
  TMethod russianOnly;
  russianOnly.Localized = {TLocalizedMethod{1049, "Вода", "Медь", {}, {}, ""}};
  methods.push_back(russianOnly);
  TMethod untitled;
  untitled.FileName = "/opt/methods/Nickel.mtd";
  methods.push_back(untitled);

  const TMethodsMenuModel menu = TMethodsMenuModel::Build(methods, 1033);
  EXPECT_TRUE(menu.Separator);
  EXPECT_EQ(menu.SamplerMethods, (std::vector<std::size_t>{3}));
  ASSERT_EQ(menu.Entries.size(), 4u);
  EXPECT_EQ(menu.Entries[0].Caption, "Nickel");  // no language entry: the file name
  EXPECT_EQ(menu.Entries[0].MethodIndex, 6);
  EXPECT_TRUE(menu.Entries[1].IsSubMenu());  // no English entry: the first one
  EXPECT_EQ(menu.Entries[1].Caption, "Вода");
  EXPECT_EQ(menu.Entries[1].Items.at(0).Caption, "Медь");
  EXPECT_EQ(menu.Entries[2].Caption, "Lead");
  EXPECT_TRUE(menu.Entries[3].IsSubMenu());
  EXPECT_EQ(menu.Entries[3].Caption, "Water");
  ASSERT_EQ(menu.Entries[3].Items.size(), 2u);
  EXPECT_EQ(menu.Entries[3].Items[0].Caption, "Cadmium");
  EXPECT_EQ(menu.Entries[3].Items[1].Caption, "Zinc");
  // The same methods in Russian.
  const TMethodsMenuModel russian = TMethodsMenuModel::Build(methods, 1049);
  EXPECT_EQ(russian.Entries.size(), 5u);  // the Russian entries name no submenu
  EXPECT_EQ(russian.Entries[3].Caption, "Lead (ru)");

  EXPECT_FALSE(TMethodsMenuModel::Build({}, 1033).Separator);
}

TEST(MethodModel, CellsAndLanguagesFollowThePrograms) {
  TMethod m = test::FullMethod();
  // Cells keep their kinds and descriptions when the programs change.
  m.Programs[0].push_back(test::Step(7, "Reference"));
  m.RebuildCells();
  m.ShapeLanguages();
  ASSERT_EQ(m.Cells.size(), 3u);
  EXPECT_EQ(m.Cells[1].CellKind, kCellAnalyte);
  EXPECT_EQ(m.Cells[2].CellKind, kCellService);
  EXPECT_EQ(m.Localized[0].CellDescriptions, (std::vector<std::string>{"Electrolyte", "Sample", ""}));
  EXPECT_EQ(m.Localized[1].StepComments[0].size(), 3u);

  // Removing the only step of cell 7 drops the cell and its translation.
  EXPECT_TRUE(m.RemoveStep(0, 2));
  EXPECT_FALSE(m.RemoveStep(5, 0));
  EXPECT_EQ(m.Cells.size(), 2u);
  EXPECT_EQ(m.Localized[1].StepComments[0], (std::vector<std::string>{"Фон", "Проба"}));
  // Removing the second program's "Addition 1" step of cell 5 keeps cell 5
  // (the first program uses it too).
  EXPECT_TRUE(m.RemoveStep(1, 0));
  EXPECT_EQ(m.Cells.size(), 2u);
  EXPECT_EQ(m.Localized[0].StepComments[1], (std::vector<std::string>{"Addition 2"}));

  // "Add": every language's comments become the steps' own.
  m.SyncLanguages();
  EXPECT_EQ(m.Localized[1].StepComments[0], (std::vector<std::string>{"Background", "Sample"}));

  EXPECT_EQ(m.Localization(0), &m.Localized[0]);
  EXPECT_EQ(m.Localization(1031), nullptr);
  EXPECT_EQ(m.DisplayLocalization(1031), &m.Localized[0]);
}

TEST(MethodScriptCreator, StandardScriptFollowsTheMethod) {
  TMethod m = test::FullMethod();
  m.Programs[0][0].SetConjunctionType(2);
  TWizSteps s = MethodScriptCreator::Generate(m, 4);
  ASSERT_EQ(s.size(), 29u);
  EXPECT_EQ(s[0].NameFor(1049), "Сборка установки");
  EXPECT_EQ(s[1].Value, 2);  // the first step's conjunction type
  EXPECT_EQ(s[4].Type, kStepCalcMethod);
  EXPECT_EQ(s[4].Value, 4);
  EXPECT_EQ(s[6].Text, m.SupportingElectrolyte);
  EXPECT_EQ(s[11].Programs, m.Programs);
  EXPECT_EQ(s[12].Value, 1);  // hide unused
  EXPECT_EQ(s[14].Type, kStepBeginCycle);
  EXPECT_EQ(s[18].Type, kStepStartRecord);
  EXPECT_EQ(s[24].Type, kStepEndCycle);
  ASSERT_TRUE(s[25].Statistics.has_value());
  EXPECT_EQ(*s[25].Statistics, m.Statistics);
  EXPECT_EQ(s[26].NameFor(1049), "Отчёт");
  EXPECT_EQ(s[27].Value, 5);
  EXPECT_EQ(s[28].Type, kStepWait);

  m.Statistics.Name.clear();
  EXPECT_EQ(MethodScriptCreator::Generate(m, 1).size(), 28u);
  m.Programs.clear();
  EXPECT_EQ(MethodScriptCreator::Generate(m, 1).size(), 19u);
  m.SupportingElectrolyte.clear();
  EXPECT_EQ(MethodScriptCreator::Generate(m, 1).size(), 18u);
}
