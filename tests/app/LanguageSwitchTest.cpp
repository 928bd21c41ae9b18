// The user-interface language switched at run time: every window of the
// workstation re-reads its texts in place, with the document, its undo
// history and the analyzer link intact; catalogues are found by their three-
// or two-letter names, and LocaleID 0 follows the user's default language.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <fstream>

#include "AppStartup.h"
#include "DataFolder.h"
#include "DemoDocument.h"
#include "DeviceLink.h"
#include "ImportColumnsDialog.h"
#include "LanguageSwitcher.h"
#include "MainWindow.h"
#include "Message.h"
#include "Messages.h"
#include "OptionsController.h"
#include "PseudoTranslation.h"
#include "RecordingMessageSink.h"
#include "ScopedEnv.h"
#include "SplashWindow.h"
#include "TImagePreviewBox.h"
#include "TNode.h"
#include "TOptionsForm.h"
#include "TPluginsManager.h"
#include "TVAStruct.h"
#include "TempDir.h"
#include "UiText.h"

using namespace velmora;

namespace {

const QString kCatalogueFolder = QStringLiteral(VELMORA_QM_DIR);

// The windows whose texts belong to the folders app, document/view,
// services/ui and device/ui; the other windows re-translate on their own.
const QStringList kOwnWindows = {
    "velmora::MainWindow",   "velmora::PropertiesWindow",    "velmora::TimerWindow",
    "velmora::TOptionsForm", "velmora::TUpdateForm",         "velmora::TAssemblyForm",
    "velmora::SplashWindow", "velmora::ImportColumnsDialog", "velmora::ColorChooser",
};

// Switches back to English when it goes, however the test ends.
struct EnglishAtEnd {
  LanguageSwitcher& language;
  ~EnglishAtEnd() { language.SetLanguage(LanguageSwitcher::kEnglish); }
};

// The workstation as it starts, with the demonstration document, the emulated
// analyzer named in the settings (so no first-start question comes up) and no
// update check.
struct Workstation {
  test::TempDir home;
  // HOME is put back however the test ends (declared before the workstation,
  // it outlives it).
  test::ScopedEnv homeVariable{"HOME", home.path().string()};
  AppStartup startup;
  MainWindow* w = nullptr;
  Workstation() {
    QStandardPaths::setTestModeEnabled(false);
    const auto data = DataFolder::perUserFolder(AppStartup::documentsFolder());
    std::filesystem::create_directories(data);
    std::ofstream(data / "Options.ini") << "[Port]\nName=emulator\n[Install]\nAutoUpdate=0\n";
    w = startup.start({"--demo"});
    startup.language().setSearchFolders({kCatalogueFolder});
  }
  ~Workstation() {
    // English again for the tests that follow, also after a failure.
    startup.language().SetLanguage(LanguageSwitcher::kEnglish);
    w->setModified(false);
    w->close();
  }
  // Every window of the workstation on the screen at once.
  void showEveryWindow() {
    for (const char* name : {"PropertiesActn", "ShowTimerActn", "AssemblyAcnt"}) {
      QAction* a = w->action(name);
      if (a->isEnabled() && !(a->isCheckable() && a->isChecked())) a->trigger();
    }
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (qobject_cast<QMenu*>(top) || qobject_cast<QMessageBox*>(top) || top->isVisible()) continue;
      if (top->inherits("QComboBoxPrivateContainer") || top->windowType() == Qt::ToolTip) continue;
      if (auto* dialog = qobject_cast<QDialog*>(top)) dialog->setModal(false);
      top->show();
    }
    QApplication::processEvents();
  }
  // The first curve's first current value.
  double firstCurrent() const { return w->forest().FirstRoot()->FirstChild->ArrayRecord()->DisplayData().at(0).Y; }
};

// Texts of `root` still in English, less those of the windows nested in it
// that belong to other folders.
QStringList ownUntranslated(QWidget* root) {
  // Data: the example documents' titles and paths, the imported file's columns.
  // The languages' own names stay in their languages.
  // The archive server's placeholder is an address, the same in every language.
  QStringList data = {"E", "I", "1: E", "2: I", QString::fromUtf8("Русский"), "postgresql://user@host:5432/database"};
  for (const QString& example : QDir(QStringLiteral(VELMORA_SOURCE_DIR "/examples")).entryList({"*.tvx"}))
    data << QDir(QStringLiteral(VELMORA_SOURCE_DIR "/examples")).filePath(example);
  QStringList texts = test::untranslatedTexts(root, data);
  for (QWidget* child : root->findChildren<QWidget*>()) {
    const QString cls = QString::fromLatin1(child->metaObject()->className());
    const bool foreignWindow = cls.startsWith("velmora::T") && !kOwnWindows.contains(cls) &&
                               cls != "velmora::TImagePreviewBox" && cls != "velmora::TPeakPainter";
    if (!foreignWindow) continue;
    for (const QString& t : test::untranslatedTexts(child, data)) texts.removeAll(t);
  }
  return texts;
}

QString menuTitle(MainWindow& w, int index) { return w.menuBar()->actions().at(index)->text(); }

}  // namespace

TEST(LanguageSwitch, EveryWindowReTranslatesInPlaceKeepingDocumentAndUndoHistory) {
  Workstation ws;
  const auto table = InstrumentTextImport::Parse("E;I\n-1000;12,5\n-990;12,7\n");
  ImportColumnsDialog import(table, "scan.csv", ws.w);
  SplashWindow splash;
  splash.showStatus(msg::SplashLoadingForms);
  ws.showEveryWindow();
  // An edit with its undo step before the switch.
  TNode* curve = ws.w->forest().FirstRoot()->FirstChild;
  ws.w->forest().SelectNode(curve);
  const double before = ws.firstCurrent();
  const std::size_t nodes = ws.w->forest().AllNodes.size();
  ws.w->action("InverseYActn")->trigger();
  ASSERT_DOUBLE_EQ(ws.firstCurrent(), -before);
  ASSERT_TRUE(ws.w->modified());

  {
    test::ScopedPseudoLanguage pseudo;
    // Widgets replaced by new ones in the new language go now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList missing;
    int checked = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (!kOwnWindows.contains(QString::fromLatin1(top->metaObject()->className()))) continue;
      ++checked;
      missing << ownUntranslated(top);
    }
    EXPECT_GE(checked, 7);
    EXPECT_TRUE(missing.isEmpty()) << missing.join('\n').toStdString();
    // The title keeps the unnamed document's name in the new language.
    EXPECT_TRUE(ws.w->windowTitle().startsWith(test::PseudoTranslator::Marker)) << ws.w->windowTitle().toStdString();
  }

  // Back in English: the same document, still modified, with its undo step.
  EXPECT_EQ(menuTitle(*ws.w, 0), "&File");
  EXPECT_EQ(ws.w->forest().AllNodes.size(), nodes);
  EXPECT_TRUE(ws.w->modified());
  EXPECT_EQ(ws.w->forest().Selection, TNodesArr({curve}));
  ASSERT_TRUE(ws.w->action("UndoActn")->isEnabled());
  ws.w->action("UndoActn")->trigger();
  EXPECT_DOUBLE_EQ(ws.firstCurrent(), before);
}

TEST(LanguageSwitch, RussianAndBackFromTheMenuWithEveryWindowOpen) {
  Workstation ws;
  ws.showEveryWindow();
  LanguageSwitcher& language = ws.startup.language();
  ASSERT_FALSE(language.catalogueFile(LanguageSwitcher::kRussian).isEmpty());
  int subscribedCalls = 0;
  TPlugin& subscription = TPluginsManager::instance().Register();
  struct Unsubscribe {
    TPlugin& plugin;
    ~Unsubscribe() { plugin.OnLanguageChange = nullptr; }
  } unsubscribe{subscription};
  subscription.OnLanguageChange = [&] {
    // The hub marks the switch while the windows reload.
    EXPECT_TRUE(TPluginsManager::instance().Switching());
    ++subscribedCalls;
  };
  const QString title = ws.w->windowTitle();

  ws.w->action("RusLangActn")->trigger();
  EXPECT_EQ(subscribedCalls, 1);
  EXPECT_FALSE(TPluginsManager::instance().Switching());
  EXPECT_EQ(menuTitle(*ws.w, 0), QString::fromUtf8("&Файл"));
  EXPECT_EQ(menuTitle(*ws.w, 3), QString::fromUtf8("&Сервис"));
  EXPECT_EQ(ws.w->action("SettingsActn")->text(), QString::fromUtf8("Настройки..."));
  EXPECT_EQ(ws.w->pages()->tabText(0), QString::fromUtf8("Структура"));
  EXPECT_TRUE(ws.w->windowTitle().startsWith(QString::fromUtf8("Без имени - Velmora-VA (бета-версия)")))
      << ws.w->windowTitle().toStdString();
  EXPECT_EQ(ws.w->optionsController().form().windowTitle(), QString::fromUtf8("Настройки"));
  EXPECT_TRUE(ws.w->action("RusLangActn")->isChecked());
  EXPECT_FALSE(ws.w->action("EnuLangActn")->isChecked());
  EXPECT_EQ(qApp->property("velmoraLanguage").toInt(), LanguageSwitcher::kRussian);
  EXPECT_EQ(ws.startup.settings().options().localeId, LanguageSwitcher::kRussian);
  // Qt's own dialogs speak the language too.
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8("Отмена"));

  // The catalogue's own item in "Language", named in its language.
  const QList<QAction*>& items = language.catalogueItems();
  ASSERT_EQ(items.size(), 1);
  EXPECT_EQ(items[0]->text(), QString::fromUtf8("Русский"));
  EXPECT_TRUE(items[0]->isChecked());
  EXPECT_EQ(ws.w->action("LanguageActn")->menu()->actions().first(), items[0]);

  ws.w->action("EnuLangActn")->trigger();
  EXPECT_EQ(menuTitle(*ws.w, 0), "&File");
  EXPECT_EQ(ws.w->action("SettingsActn")->text(), "Settings...");
  EXPECT_EQ(ws.w->windowTitle(), title);
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
  EXPECT_FALSE(items[0]->isChecked());
  EXPECT_TRUE(ws.w->action("EnuLangActn")->isChecked());
  EXPECT_EQ(qApp->property("velmoraLanguage").toInt(), LanguageSwitcher::kEnglish);

  // The choice reaches Options.ini at close and applies at the next start.
  items[0]->trigger();
  const auto ini = ws.startup.settings().dataFolder() / "Options.ini";
  ws.w->setModified(false);
  ws.w->close();
  std::ifstream in(ini);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("LocaleID=1049"), std::string::npos) << text;
  ws.w->action("EnuLangActn")->trigger();
}

TEST(LanguageSwitch, TheAnalyzerLinkKeepsItsPortAndActiveStateWithoutANewReset) {
  test::TempDir dir;
  Settings settings{dir.path()};
  TPluginsManager hub;
  test::RecordingMessageSink sink;
  MainWindow w{settings, &hub};
  w.setMessageSink(&sink);
  w.show();
  LanguageSwitcher language(settings);
  const EnglishAtEnd english{language};
  language.setSearchFolders({kCatalogueFolder});
  language.attach(w, &hub);
  DeviceLink& link = w.deviceLink();
  link.configure("emulator", false, 100);
  ASSERT_TRUE(link.openPort());
  link.reset();
  ASSERT_TRUE(QTest::qWaitFor([&] { return link.active() && !link.resetting(); }, 20000));
  const std::uint64_t resets = link.device().ResetCount();

  ASSERT_TRUE(language.SwitchLanguage(LanguageSwitcher::kRussian));
  QApplication::processEvents();
  EXPECT_TRUE(link.active());
  EXPECT_TRUE(link.linkState().open);
  EXPECT_EQ(link.portName(), "emulator");
  EXPECT_EQ(link.device().ResetCount(), resets);

  // A link that lost its port during a switch is brought back as it was.
  DeviceLink::LinkState state = link.linkState();
  link.device().Port()->close();
  link.device().SetActive(false);
  link.restoreLinkState(state);
  EXPECT_TRUE(link.linkState().open);
  EXPECT_TRUE(QTest::qWaitFor([&] { return link.active() && !link.resetting(); }, 20000));
  ASSERT_TRUE(language.SwitchLanguage(LanguageSwitcher::kEnglish));
  EXPECT_TRUE(sink.entries.empty());
}

TEST(LanguageSwitch, CataloguesAreFoundByThreeOrTwoLettersAndLocaleZeroFollowsTheUserDefault) {
  test::TempDir dir;
  Settings settings{dir.path()};
  const QString folder = QString::fromStdString(dir.path().string());
  const QString built = QDir(kCatalogueFolder).filePath("velmora_ru.qm");
  ASSERT_TRUE(QFile::exists(built));
  LanguageSwitcher language(settings);
  const EnglishAtEnd englishAtEnd{language};
  language.setSearchFolders({folder + "/none", folder});
  const QString english = QCoreApplication::translate("MainActions", "Settings...");

  // No catalogue at all: Russian is refused and nothing changes.
  settings.options().localeId = 1033;
  EXPECT_FALSE(language.SetLanguage(LanguageSwitcher::kRussian));
  EXPECT_EQ(settings.options().localeId, 1033);
  EXPECT_EQ(language.languageInForce(), LanguageSwitcher::kEnglish);
  EXPECT_EQ(QCoreApplication::translate("MainActions", "Settings..."), english);
  EXPECT_TRUE(language.cataloguedLanguages().isEmpty());

  // Only the two-letter name: found and loaded.
  ASSERT_TRUE(QFile::copy(built, folder + "/velmora_ru.qm"));
  EXPECT_EQ(language.cataloguedLanguages(), QList<int>{LanguageSwitcher::kRussian});
  ASSERT_TRUE(language.SetLanguage(LanguageSwitcher::kRussian));
  EXPECT_EQ(QCoreApplication::translate("MainActions", "Settings..."), QString::fromUtf8("Настройки..."));
  // The three-letter name comes first when both exist.
  ASSERT_TRUE(QFile::copy(built, folder + "/velmora_rus.qm"));
  EXPECT_EQ(language.catalogueFile(LanguageSwitcher::kRussian), QDir(folder).filePath("velmora_rus.qm"));

  // LocaleID 0: the user's default language where it has a catalogue ...
  ASSERT_TRUE(language.SetLanguage(LanguageSwitcher::kEnglish));
  language.setUserDefaultLanguage(LanguageSwitcher::kRussian);
  settings.options().localeId = 0;
  language.applyAtStart();
  EXPECT_EQ(language.languageInForce(), LanguageSwitcher::kRussian);
  EXPECT_EQ(settings.options().localeId, 0);
  EXPECT_EQ(qApp->property("velmoraLanguage").toInt(), LanguageSwitcher::kRussian);
  EXPECT_EQ(QCoreApplication::translate("MainActions", "Settings..."), QString::fromUtf8("Настройки..."));
  // ... English where it has none (German here); a damaged catalogue is none either.
  language.setUserDefaultLanguage(1031);
  language.applyAtStart();
  EXPECT_EQ(language.languageInForce(), LanguageSwitcher::kEnglish);
  EXPECT_EQ(QCoreApplication::translate("MainActions", "Settings..."), english);
  QFile damaged(folder + "/velmora_deu.qm");
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write("not a catalogue");
  damaged.close();
  EXPECT_FALSE(language.SetLanguage(1031));
  EXPECT_EQ(language.languageInForce(), LanguageSwitcher::kEnglish);
}

TEST(LanguageSwitch, ATranslatedMessageMayReorderItsArguments) {
  // A translation that names its arguments the other way round.
  class Reordering : public QTranslator {
   public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
      if (QByteArray(context) == "Messages" && QByteArray(source) == "%s of %s") return QStringLiteral("%2: %1");
      return {};
    }
  } reordering;
  const Message message("%s of %s", {"Cd", "sample 1"});
  EXPECT_EQ(UiText::message(message), "Cd of sample 1");
  QCoreApplication::installTranslator(&reordering);
  // The translator leaves with the test, however it ends.
  struct Removal {
    QTranslator& translator;
    ~Removal() { QCoreApplication::removeTranslator(&translator); }
  } removal{reordering};
  EXPECT_EQ(UiText::message(message), "sample 1: Cd");
}
