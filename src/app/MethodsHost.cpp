#include "MethodsHost.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>

#include "AppStartup.h"
#include "CalcHost.h"
#include "CustomMethods.h"
#include "LanguageInForce.h"
#include "MainWindow.h"
#include "MessageSink.h"
#include "QtFileDialogs.h"
#include "RecordParametersHost.h"
#include "ScriptEditorHost.h"
#include "Settings.h"
#include "StatisticsHost.h"
#include "TCalcForm.h"
#include "TMethodEditForm.h"
#include "TMethodStatLibrary.h"
#include "TMethodsLibrary.h"
#include "TMethodsMenuModel.h"
#include "TOldStyleRecordForm.h"
#include "TStatDB.h"
#include "UiText.h"
#include "WindowMessageSink.h"

namespace velmora {

namespace {

// Re-reads the menu captions when the user-interface language changes.
class LanguageWatch final : public QObject {
 public:
  LanguageWatch(QObject* parent, std::function<void()> onChange) : QObject(parent), onChange_(std::move(onChange)) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::LanguageChange) onChange_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> onChange_;
};

}  // namespace

MethodsHost::MethodsHost(MainWindow& window, Settings& settings)
    : QObject(&window),
      window_(window),
      settings_(settings),
      library_(std::make_unique<TMethodsLibrary>(TMethodsLibrary::LibraryFolder(AppStartup::programFolder()),
                                                 settings.dataFolder())),
      dialogs_(std::make_unique<QtFileDialogs>(&window)),
      sink_(std::make_unique<WindowMessageSink>(window)) {
  menu_ = window.findChild<QMenu*>(QStringLiteral("MethodsMenu"));

  // The statistics window lists the methods' statistics and writes back into them.
  statLibrary_ = std::make_unique<TMethodStatLibrary>(*library_, [this] {
    // No language chosen yet: the English texts.
    const std::int32_t id = languageId();
    return id != 0 ? id : kLanguageEnglish;
  });
  TStatDB& db = window.statistics().database();
  statLibrary_->KnownName = [&db](const std::string& name) { return db.IndexOfName(name) >= 0; };

  // The methods editor borrows the record-parameters window, the equation
  // editor and the statistics database.
  editor_ = new TMethodEditForm(db, *dialogs_, *sink_, &window);
  TOldStyleRecordForm& record = window.recordParameters().form();
  TMethodEditForm::Editors editors;
  editors.programs = [&record](const TVAProgramsArray& programs) { return record.EditProgramsModally(programs); };
  editors.equations = [&window] { window.calculations().EqEditorActnExecute(); };
  editors.script = [&window](const TWizSteps& script) {
    TWizSteps edited = script;
    window.scriptEditor().editScript(edited);
    return edited;
  };
  editor_->setEditors(std::move(editors));

  MainActions& actions = window.actions();
  actions.adopt("ClearMethodActn");
  actions.adopt("CreateMethodActn");
  connect(window.action("ClearMethodActn"), &QAction::triggered, this, [this] { ClearMethodActnExecute(); });
  connect(window.action("CreateMethodActn"), &QAction::triggered, this, [this] { CreateMethodActnExecute(); });
  // Method items follow "Methods editor..." (both stop while recording).
  connect(window.action("CreateMethodActn"), &QAction::enabledChanged, this, [this](bool enabled) {
    for (QAction* item : std::as_const(items_)) item->setEnabled(enabled);
  });
  window.installEventFilter(new LanguageWatch(this, [this] { rebuildMenu(); }));
}

MethodsHost::~MethodsHost() {
  // The statistics database forgets the library before it goes.
  window_.statistics().database().SetLibrary(nullptr);
}

std::int32_t MethodsHost::languageId() const { return LanguageInForce::id(settings_.options().localeId); }

void MethodsHost::setLibraryFolder(const std::filesystem::path& folder) {
  library_->SetFolders(folder, settings_.dataFolder());
}

void MethodsHost::load(const std::function<void(const std::string&)>& progress) {
  library_->SetFolders(library_->LibraryFolderPath(), settings_.dataFolder());
  library_->Load(window_.messageSink(), progress);
  window_.statistics().setLibrary(statLibrary_.get());
  rebuildMenu();
}

void MethodsHost::rebuildMenu() {
  if (!menu_) return;
  for (QAction* a : std::as_const(inserted_)) {
    menu_->removeAction(a);
    if (QMenu* sub = a->menu()) sub->deleteLater();
    a->deleteLater();
  }
  inserted_.clear();
  items_.clear();

  const TMethodsMenuModel model = TMethodsMenuModel::Build(library_->Methods(), languageId());
  QAction* before = window_.action("ClearMethodActn");
  if (!menu_->actions().contains(before)) before = nullptr;
  const bool enabled = window_.action("CreateMethodActn")->isEnabled();
  auto item = [&](QMenu* parent, const TMethodMenuEntry& entry) {
    auto* a = new QAction(UiText::fromStd(entry.Caption), parent);
    a->setObjectName(QStringLiteral("MethodItem%1").arg(entry.MethodIndex));
    a->setEnabled(enabled);
    const std::size_t index = static_cast<std::size_t>(entry.MethodIndex);
    connect(a, &QAction::triggered, this, [this, index] { applyMethod(index); });
    items_.append(a);
    return a;
  };
  for (const TMethodMenuEntry& entry : model.Entries) {
    QAction* a = nullptr;
    if (entry.IsSubMenu()) {
      auto* sub = new QMenu(UiText::fromStd(entry.Caption), menu_);
      sub->setObjectName(QStringLiteral("MethodSubMenu"));
      for (const TMethodMenuEntry& inner : entry.Items) sub->addAction(item(sub, inner));
      a = sub->menuAction();
    } else {
      a = item(menu_, entry);
    }
    menu_->insertAction(before, a);
    inserted_.append(a);
  }
  if (model.Separator && !model.Entries.empty()) {
    QAction* separator = new QAction(menu_);
    separator->setSeparator(true);
    menu_->insertAction(inserted_.front(), separator);
    inserted_.prepend(separator);
  }
}

void MethodsHost::applyCalcMethod(const TMethod& method) {
  int number = method.CalcMethod;
  if (!method.CustomEquation.Formula.empty()) {
    TCustomMethodArr& list = CustomMethods::List();
    std::size_t i = 0;
    while (i < list.size() &&
           !(list[i].Formula == method.CustomEquation.Formula && list[i].Name == method.CustomEquation.Name))
      ++i;
    if (i == list.size()) list.push_back(method.CustomEquation);
    number = CustomMethods::NumberOf(i);
  }
  if (number < 0) return;
  settings_.options().calculationMethod = number;
  // The curves shown now take it too, as if chosen in the calculation
  // window (one undo step, the document modified).
  CalcHost& calc = window_.calculations();
  if (!calc.shownCurves().empty()) calc.form().chooseMethod(number);
}

void MethodsHost::applyMethod(std::size_t index) {
  const TMethods& methods = library_->Methods();
  if (index >= methods.size()) return;
  const TMethod& method = methods[index];
  TOldStyleRecordForm& form = window_.recordParameters().form();
  form.LoadMethod(method);
  applyCalcMethod(method);
  form.show();
  form.raise();
}

void MethodsHost::ClearMethodActnExecute() {
  TOldStyleRecordForm& form = window_.recordParameters().form();
  form.ClearMethod();
  form.show();
  form.raise();
}

void MethodsHost::CreateMethodActnExecute() {
  window_.recordParameters().form().hide();
  editor_->setLanguageId(languageId());
  editor_->exec();
  // The library as the editor left it.
  load();
}

}  // namespace velmora
