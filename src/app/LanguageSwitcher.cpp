#include "LanguageSwitcher.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>

#include "DeviceLink.h"
#include "MainWindow.h"
#include "Messages.h"
#include "Settings.h"
#include "TPluginsManager.h"

namespace velmora {

namespace {

using L = QLocale;

// Windows language identifiers with their three-letter abbreviations.
const std::vector<LanguageSwitcher::Language> kLanguages = {
    {1049, "RUS", L::Russian, L::Russia},         {1033, "ENU", L::English, L::UnitedStates},
    {1058, "UKR", L::Ukrainian, L::Ukraine},      {1059, "BEL", L::Belarusian, L::Belarus},
    {1087, "KKZ", L::Kazakh, L::Kazakhstan},      {1091, "UZB", L::Uzbek, L::Uzbekistan},
    {1068, "AZE", L::Azerbaijani, L::Azerbaijan}, {1067, "HYE", L::Armenian, L::Armenia},
    {1079, "KAT", L::Georgian, L::Georgia},       {1061, "ETI", L::Estonian, L::Estonia},
    {1062, "LVI", L::Latvian, L::Latvia},         {1063, "LTH", L::Lithuanian, L::Lithuania},
    {1031, "DEU", L::German, L::Germany},         {1036, "FRA", L::French, L::France},
    {1040, "ITA", L::Italian, L::Italy},          {3082, "ESN", L::Spanish, L::Spain},
    {2070, "PTG", L::Portuguese, L::Portugal},    {1046, "PTB", L::Portuguese, L::Brazil},
    {1043, "NLD", L::Dutch, L::Netherlands},      {1045, "PLK", L::Polish, L::Poland},
    {1029, "CSY", L::Czech, L::CzechRepublic},    {1051, "SKY", L::Slovak, L::Slovakia},
    {1038, "HUN", L::Hungarian, L::Hungary},      {1048, "ROM", L::Romanian, L::Romania},
    {1026, "BGR", L::Bulgarian, L::Bulgaria},     {1050, "HRV", L::Croatian, L::Croatia},
    {1060, "SLV", L::Slovenian, L::Slovenia},     {1032, "ELL", L::Greek, L::Greece},
    {1055, "TRK", L::Turkish, L::Turkey},         {1035, "FIN", L::Finnish, L::Finland},
    {1053, "SVE", L::Swedish, L::Sweden},         {1030, "DAN", L::Danish, L::Denmark},
    {1044, "NOR", L::NorwegianBokmal, L::Norway}, {2052, "CHS", L::Chinese, L::China},
    {1041, "JPN", L::Japanese, L::Japan},         {1042, "KOR", L::Korean, L::SouthKorea},
    {1025, "ARA", L::Arabic, L::SaudiArabia},
};

constexpr const char* kBaseName = "velmora_";

QLocale localeOf(const LanguageSwitcher::Language& l) {
  return QLocale(static_cast<QLocale::Language>(l.qtLanguage), static_cast<QLocale::Territory>(l.qtTerritory));
}

bool isEnglish(int id) {
  const LanguageSwitcher::Language* l = LanguageSwitcher::findLanguage(id);
  return l != nullptr && l->qtLanguage == QLocale::English;
}

// The language's own name with a capital letter, as a menu shows it.
QString nativeName(const LanguageSwitcher::Language& l) {
  QString name = localeOf(l).nativeLanguageName();
  if (name.isEmpty()) name = QString::fromLatin1(l.abbreviation);
  if (!name.isEmpty()) name[0] = name[0].toUpper();
  return name;
}

}  // namespace

LanguageSwitcher::LanguageSwitcher(Settings& settings, QObject* parent)
    : QObject(parent), settings_(settings), userDefault_(systemLanguage()) {
  const QDir program(QCoreApplication::applicationDirPath());
  folders_ << program.absolutePath()
           << QDir::cleanPath(program.filePath(QStringLiteral("../share/velmora-va/translations")));
}

LanguageSwitcher::~LanguageSwitcher() {
  // The catalogues go with their owner; the texts stay as they are.
  if (own_) QCoreApplication::removeTranslator(own_.get());
  if (qt_) QCoreApplication::removeTranslator(qt_.get());
}

const std::vector<LanguageSwitcher::Language>& LanguageSwitcher::knownLanguages() { return kLanguages; }

const LanguageSwitcher::Language* LanguageSwitcher::findLanguage(int id) {
  for (const Language& l : kLanguages)
    if (l.id == id) return &l;
  return nullptr;
}

QString LanguageSwitcher::abbreviation(int id) {
  const Language* l = findLanguage(id);
  return l ? QString::fromLatin1(l->abbreviation) : QString();
}

int LanguageSwitcher::systemLanguage() {
  const QLocale system = QLocale::system();
  const Language* sameLanguage = nullptr;
  for (const Language& l : kLanguages) {
    if (l.qtLanguage != system.language()) continue;
    if (l.qtTerritory == system.territory()) return l.id;
    if (sameLanguage == nullptr) sameLanguage = &l;
  }
  return sameLanguage ? sameLanguage->id : kEnglish;
}

QString LanguageSwitcher::catalogueFile(int id) const {
  const Language* l = findLanguage(id);
  if (l == nullptr || l->qtLanguage == QLocale::English) return {};
  const QString three = QString::fromLatin1(l->abbreviation).toLower();
  for (const QString& name : {three, three.left(2)}) {
    for (const QString& folder : folders_) {
      const QFileInfo file(QDir(folder).filePath(kBaseName + name + QStringLiteral(".qm")));
      if (file.isFile()) return file.absoluteFilePath();
    }
  }
  return {};
}

QList<int> LanguageSwitcher::cataloguedLanguages() const {
  QList<int> out;
  for (const Language& l : kLanguages)
    if (!catalogueFile(l.id).isEmpty()) out << l.id;
  return out;
}

int LanguageSwitcher::resolve(int id) const { return id == 0 ? userDefault_ : id; }

bool LanguageSwitcher::SetLanguage(int id) {
  const int target = resolve(id);
  std::unique_ptr<QTranslator> own;
  std::unique_ptr<QTranslator> qt;
  if (!isEnglish(target)) {
    const QString file = catalogueFile(target);
    if (file.isEmpty()) return false;
    own = std::make_unique<QTranslator>();
    // A damaged catalogue is no language either.
    if (!own->load(file)) return false;
    // Qt's own texts of the standard dialogs, where installed.
    const QLocale locale = localeOf(*findLanguage(target));
    QStringList qtFolders{QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    qtFolders << folders_;
    qt = std::make_unique<QTranslator>();
    bool qtFound = false;
    for (const QString& folder : std::as_const(qtFolders))
      if ((qtFound = qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder))) break;
    if (!qtFound) qt.reset();
  }
  // The previous language goes, the new one comes; the windows hear of it
  // once (Qt folds the posted changes) and re-read their texts before the
  // switch returns.
  if (own_) QCoreApplication::removeTranslator(own_.get());
  if (qt_) QCoreApplication::removeTranslator(qt_.get());
  own_ = std::move(own);
  qt_ = std::move(qt);
  if (qt_) QCoreApplication::installTranslator(qt_.get());
  if (own_) QCoreApplication::installTranslator(own_.get());
  settings_.options().localeId = id;
  inForce_ = target;
  QApplication::setApplicationDisplayName(QCoreApplication::translate("Messages", msg::AppTitle));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  publish();
  return true;
}

void LanguageSwitcher::applyAtStart() {
  const int stored = settings_.options().localeId;
  if (SetLanguage(stored)) return;
  // No catalogue: the built-in English texts; LocaleID stays as stored.
  SetLanguage(kEnglish);
  settings_.options().localeId = stored;
}

void LanguageSwitcher::publish() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->setProperty("velmoraLanguage", inForce_);
  checkMenu();
  emit languageChanged(inForce_);
}

void LanguageSwitcher::attach(MainWindow& window, TPluginsManager* hub) {
  window_ = &window;
  hub_ = hub ? hub : &TPluginsManager::instance();
  QAction* stub = window.action("LanguageActn");
  QMenu* menu = stub ? stub->menu() : nullptr;
  if (menu != nullptr) {
    QAction* first = menu->actions().value(0);
    QActionGroup* group = window.actions().group("Language");
    for (const int id : cataloguedLanguages()) {
      auto* item = new QAction(nativeName(*findLanguage(id)), menu);
      item->setObjectName(QStringLiteral("LanguageItem%1").arg(id));
      item->setData(id);
      item->setCheckable(true);
      menu->insertAction(first, item);
      connect(item, &QAction::triggered, this, [this, id] { SwitchLanguage(id); });
      items_ << item;
    }
    if (!items_.isEmpty()) menu->insertSeparator(first);
    // The check marks follow the language in force, which may be neither action's.
    if (group) group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  }
  for (const char* name : {"RusLangActn", "EnuLangActn"}) {
    QAction* a = window.action(name);
    if (a == nullptr) continue;
    window.actions().adopt(name);
    const int id = MainActions::tag(a);
    connect(a, &QAction::triggered, this, [this, id] { SwitchLanguage(id); });
  }
  checkMenu();
}

void LanguageSwitcher::checkMenu() {
  if (!window_) return;
  for (QAction* item : std::as_const(items_)) item->setChecked(item->data().toInt() == inForce_);
  for (const char* name : {"RusLangActn", "EnuLangActn"})
    if (QAction* a = window_->action(name)) a->setChecked(MainActions::tag(a) == inForce_);
}

bool LanguageSwitcher::SwitchLanguage(int id) {
  TPluginsManager& hub = hub_ ? *hub_ : TPluginsManager::instance();
  // Re-reading texts never touches the analyzer link; its state is taken
  // down before and given back after, should a window have disturbed it.
  DeviceLink* link = window_ ? &window_->deviceLink() : nullptr;
  const DeviceLink::LinkState linkState = link ? link->linkState() : DeviceLink::LinkState{};
  hub.setSwitching(true);
  if (!SetLanguage(id)) {
    hub.setSwitching(false);
    // Nothing changed; the menu's marks go back to the language in force.
    checkMenu();
    return false;
  }
  // Shared name tables, then every subscribed window, then the selection.
  hub.NotifyLanguageChange();
  if (link) link->restoreLinkState(linkState);
  if (window_) window_->updateTitle();
  return true;
}

}  // namespace velmora
