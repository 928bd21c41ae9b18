#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>

#include "CustomMethods.h"
#include "IMethodStatLibrary.h"
#include "MainWindow.h"
#include "MethodFile.h"
#include "MethodsHost.h"
#include "RecordParametersHost.h"
#include "RecordingMessageSink.h"
#include "StatisticsHost.h"
#include "TMethodStatForm.h"
#include "TMethodsLibrary.h"
#include "TOldStyleRecordForm.h"
#include "TPluginsManager.h"
#include "TStatDB.h"
#include "TempDir.h"

// The methods library in the main window: the "Methods" menu, applying a
// method to the record-parameters window and the calculation, "Clear
// method", and the statistics window's write-back into method files.

using namespace velmora;

namespace {

ProgramStep step(const std::string& comment, int cell = 0) {
  ProgramStep s = ProgramStep::Default();
  s.SetComments(comment);
  s.SetSamplerCell(cell);
  return s;
}

// A method of one program of `steps` steps, titled in the given languages.
TMethod method(const std::vector<std::pair<std::int32_t, std::string>>& titles, const std::string& subMenu = {},
               int steps = 1) {
  TMethod m;
  TSingleProgramArray program;
  for (int i = 0; i < steps; ++i) program.push_back(step("step " + std::to_string(i + 1)));
  m.Programs = {program};
  for (const auto& [id, title] : titles) {
    TLocalizedMethod texts;
    texts.LanguageId = id;
    texts.Title = title;
    texts.SubMenu = subMenu;
    m.Localized.push_back(texts);
  }
  m.ShapeLanguages();
  m.CalcMethod = 1;
  return m;
}

TMethodStat statistics(const std::string& name, double reproducibility) {
  TMethodStat s;
  s.Name = name;
  s.ResTop = 5;
  s.ResBottom = 2;
  s.Elements = {{"Pb", {{0.001, 0.1, reproducibility, 28.0, 25}}}};
  return s;
}

struct Window {
  test::TempDir dir;
  Settings settings{dir.path()};
  TPluginsManager hub;
  test::RecordingMessageSink sink;
  MainWindow w{settings, &hub};
  std::filesystem::path library = dir / "methods";
  Window() {
    CustomMethods::List().clear();
    w.setMessageSink(&sink);
    std::filesystem::create_directories(library);
    w.methods().setLibraryFolder(library);
  }
  ~Window() { CustomMethods::List().clear(); }
  void write(const std::string& name, const TMethod& m) { MethodFile::Write(library / name, m); }
  QStringList menuTexts(QMenu* menu) const {
    QStringList out;
    for (QAction* a : menu->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
  }
  QAction* item(const QString& text) const {
    for (QAction* a : w.methods().methodActions())
      if (a->text() == text) return a;
    return nullptr;
  }
  TOldStyleRecordForm& form() const { return w.recordParameters().form(); }
};

}  // namespace

TEST(MethodsMenu, ItemsSubmenusLanguagesAndADamagedMethod) {
  Window win;
  win.write("1-lead.mtd", method({{1033, "Lead in water"}, {1049, "Свинец в воде"}}));
  win.write("2-zinc.mtd", method({{1033, "Zinc"}, {1049, "Цинк"}}, "Metals"));
  win.write("3-copper.mtd", method({{1033, "Copper"}, {1049, "Медь"}}, "Metals"));
  win.write("4-russian.mtd", method({{1049, "Только по-русски"}}));
  TMethod sampler = method({{1033, "Sampler run"}});
  sampler.Programs[0][0].SetSamplerCell(2);
  sampler.RebuildCells();
  win.write("5-sampler.mtd", sampler);
  test::TempDir::writeFile(win.library / "6-damaged.mtd",
                           std::string("\x08TVXMv100\x01\0\0\0\x01\0\0\0\xff\xff\xff\x7f", 17));

  win.w.methods().load();
  // The damaged method is named once; the others load.
  ASSERT_EQ(win.sink.entries.size(), 1u);
  EXPECT_EQ(win.sink.entries[0].kind, "error");
  EXPECT_NE(win.sink.entries[0].text.find("6-damaged.mtd"), std::string::npos);
  EXPECT_EQ(win.w.methods().library().Methods().size(), 5u);

  // Items before "Clear method", in reverse load order; a method without
  // an English entry takes its first entry's title; the sampler method is
  // not offered.
  QMenu* menu = win.w.methods().menu();
  ASSERT_NE(menu, nullptr);
  const QStringList texts = win.menuTexts(menu);
  const int clear = texts.indexOf(win.w.action("ClearMethodActn")->text());
  ASSERT_GE(clear, 4);
  EXPECT_EQ(texts.mid(clear - 4, 4),
            (QStringList{"-", QString::fromUtf8("Только по-русски"), "Metals", "Lead in water"}));
  QMenu* metals = menu->actions()[clear - 2]->menu();
  ASSERT_NE(metals, nullptr);
  EXPECT_EQ(win.menuTexts(metals), (QStringList{"Copper", "Zinc"}));
  EXPECT_EQ(win.item("Sampler run"), nullptr);

  // Loading again replaces the items rather than adding more.
  win.w.methods().load();
  EXPECT_EQ(win.menuTexts(menu).size(), texts.size());

  // Russian captions.
  win.settings.options().localeId = 1049;
  win.w.methods().rebuildMenu();
  EXPECT_NE(win.item(QString::fromUtf8("Свинец в воде")), nullptr);
  EXPECT_NE(win.item(QString::fromUtf8("Цинк")), nullptr);

  // While recording, method items are not offered.
  win.w.setRecording(true);
  EXPECT_FALSE(win.item(QString::fromUtf8("Цинк"))->isEnabled());
  win.w.setRecording(false);
  EXPECT_TRUE(win.item(QString::fromUtf8("Цинк"))->isEnabled());
}

TEST(MethodsMenu, ApplyingAMethodAndClearingIt) {
  Window win;
  TMethod lead = method({{1033, "Lead in water"}});
  lead.HideUnused = true;
  lead.CalcMethod = 3;
  win.write("lead.mtd", lead);
  TMethod two = method({{1033, "Two steps"}}, {}, 2);
  two.CalcMethod = CustomMethods::NumberOf(0);
  win.write("two.mtd", two);
  // The custom equation goes into the file with the method.
  MethodFile::Write(win.library / "two.mtd", two, TCustomMethodArr{TCustomMethod{"Ratio", "A/B", {}, 5, 2}});
  win.w.methods().load();
  ASSERT_TRUE(win.sink.entries.empty());

  win.item("Lead in water")->trigger();
  TOldStyleRecordForm& form = win.form();
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Record parameters [Lead in water]"));
  EXPECT_TRUE(form.FromMethod());
  EXPECT_TRUE(form.CompactView());
  // One program of one step: the step carries the title.
  EXPECT_EQ(form.GetPrograms()[0][0].Comments(), "Lead in water");
  EXPECT_EQ(win.settings.options().calculationMethod, 3);

  // A method with its own equation: the equation joins the list.
  win.item("Two steps")->trigger();
  EXPECT_EQ(form.GetPrograms()[0][0].Comments(), "step 1");
  ASSERT_EQ(CustomMethods::List().size(), 1u);
  EXPECT_EQ(win.settings.options().calculationMethod, CustomMethods::NumberOf(0));
  win.item("Two steps")->trigger();
  EXPECT_EQ(CustomMethods::List().size(), 1u);

  win.w.action("ClearMethodActn")->trigger();
  EXPECT_TRUE(form.Method().Localized.empty());
  EXPECT_TRUE(form.Method().Programs.empty());
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Record parameters [Custom]"));
  EXPECT_EQ(form.GetPrograms().size(), 1u);  // the shown set stays
}

TEST(MethodsStatistics, TheStatisticsWindowWritesBackIntoLibraryMethods) {
  Window win;
  TMethod lead = method({{1033, "Lead"}});
  lead.Statistics = statistics("Old", 20.0);
  lead.Localized[0].MethodName = "Drinking water";
  ValueRecord command = ValueRecord::Make(kStepStatistics);
  command.Statistics = statistics("Drinking water", 20.0);
  lead.Script.push_back(command);
  win.write("lead.mtd", lead);
  TMethod other = method({{1033, "Other"}});
  other.Statistics = statistics("Other", 5.0);
  other.Localized[0].MethodName = "Waste water";
  win.write("other.mtd", other);
  win.w.methods().load();

  // The library's statistics are listed under the methods' names.
  TStatDB& db = win.w.statistics().database();
  const int index = db.IndexOfName("Drinking water");
  ASSERT_GE(index, 0);
  EXPECT_GE(db.IndexOfName("Waste water"), 0);

  TMethodStatForm& stat = win.w.statistics().form();
  stat.RefillMethods();
  stat.methodList()->setCurrentRow(index);
  stat.LoadRecord(index);
  stat.NewRangeExecute();
  stat.UpdateMethodsExecute();
  EXPECT_TRUE(win.sink.entries.empty());

  TMethod read;
  ASSERT_TRUE(MethodFile::Read(win.library / "lead.mtd", read));
  ASSERT_EQ(read.Statistics.Elements.size(), 1u);
  EXPECT_EQ(read.Statistics.Elements[0].Ranges.size(), 2u);
  EXPECT_EQ(read.Statistics.Name, "Drinking water");
  ASSERT_TRUE(read.Script[0].Statistics.has_value());
  EXPECT_EQ(read.Script[0].Statistics->Elements[0].Ranges.size(), 2u);
  // The other method is not touched.
  ASSERT_TRUE(MethodFile::Read(win.library / "other.mtd", read));
  EXPECT_EQ(read.Statistics.Elements[0].Ranges.size(), 1u);

  // A library file that cannot be read ends the update with the message
  // (the window shows it).
  test::TempDir::writeFile(win.library / "0-bad.mtd", std::string("\x08TVXMv102", 9));
  Message problem;
  ASSERT_NE(db.Library(), nullptr);
  EXPECT_FALSE(db.Library()->UpdateMethodStatistics("Drinking water", stat.working(), problem));
  EXPECT_EQ(problem.format(), "error on method load!");
}
