#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <vector>

class QAction;
class QMenu;

namespace velmora {

class MainWindow;
class Settings;
class TPluginsManager;

// The user-interface language. English is built into the program; every
// further language is a catalogue "velmora_<abbreviation>.qm" beside the
// program or in the installed translations folder, where the abbreviation is
// the language's three-letter one (velmora_rus.qm) or its first two letters
// (velmora_ru.qm). Qt's own catalogue of the language ("qtbase") translates
// the standard dialogs.
//
// Languages are named by their Windows language identifiers, as "LocaleID"
// in Options.ini stores them: 1049 Russian, 1033 English; 0 stands for the
// user's default language.
//
// The switcher lives from before the first window until after the last one:
// AppStartup applies the stored language, then attach() gives the main
// window its language menu. After every change the application's int
// property "velmoraLanguage" holds the identifier of the language in force
// (never 0), for whoever picks files by language (the help).
class LanguageSwitcher : public QObject {
  Q_OBJECT
 public:
  struct Language {
    int id;                    // Windows language identifier
    const char* abbreviation;  // three letters, as "RUS"
    int qtLanguage;            // QLocale::Language
    int qtTerritory;           // QLocale::Territory
  };
  static constexpr int kEnglish = 1033;
  static constexpr int kRussian = 1049;

  explicit LanguageSwitcher(Settings& settings, QObject* parent = nullptr);
  ~LanguageSwitcher() override;

  // The languages the program knows by identifier.
  static const std::vector<Language>& knownLanguages();
  static const Language* findLanguage(int id);
  // The three-letter abbreviation ("RUS"), or empty for an unknown identifier.
  static QString abbreviation(int id);
  // The identifier of the system's language, or English when it is unknown.
  static int systemLanguage();

  // Folders searched for the catalogues, in order. By default the program's
  // folder, then share/velmora-va/translations of the installation.
  void setSearchFolders(const QStringList& folders) { folders_ = folders; }
  const QStringList& searchFolders() const { return folders_; }
  // The user's default language, which LocaleID 0 stands for (the system's
  // unless set, e.g. by a test).
  void setUserDefaultLanguage(int id) { userDefault_ = id; }
  int userDefaultLanguage() const { return userDefault_; }

  // The catalogue of a language: the three-letter name first, then the
  // two-letter one; empty when neither exists (English never has one).
  QString catalogueFile(int id) const;
  // The languages with a catalogue, in the order of knownLanguages().
  QList<int> cataloguedLanguages() const;
  // The identifier in force: never 0 (English before any language is set).
  int languageInForce() const { return inForce_; }

  // Makes `id` (0: the user's default) the language of every text. English
  // needs no catalogue; any other language needs one, or nothing changes and
  // the result is false. On success LocaleID := id, the catalogues are
  // installed and every existing window has re-read its texts on return.
  bool SetLanguage(int id);
  // At start, before any window: the stored LocaleID; a language without a
  // catalogue leaves the built-in English. Sets the application title.
  void applyAtStart();

  // Builds the language items of "&Tools" / "Language" (one per catalogue,
  // captioned with the language's own name) and wires them and the actions
  // "Russian" and "English" to SwitchLanguage. `hub` defaults to the
  // process-wide one.
  void attach(MainWindow& window, TPluginsManager* hub = nullptr);
  // The language menu command: SetLanguage with the hub's Switching raised,
  // the analyzer link kept as it was, the shared name tables and the
  // subscribed windows reloaded, the main window's title and view refreshed.
  bool SwitchLanguage(int id);
  // The items attach() added to the language menu.
  const QList<QAction*>& catalogueItems() const { return items_; }

 signals:
  // A switch or SetLanguage changed the language (the identifier in force).
  void languageChanged(int id);

 private:
  int resolve(int id) const;
  void publish();
  void checkMenu();

  Settings& settings_;
  QStringList folders_;
  int userDefault_;
  int inForce_ = kEnglish;
  std::unique_ptr<QTranslator> own_;
  std::unique_ptr<QTranslator> qt_;
  QPointer<MainWindow> window_;
  TPluginsManager* hub_ = nullptr;
  QList<QAction*> items_;
};

}  // namespace velmora
