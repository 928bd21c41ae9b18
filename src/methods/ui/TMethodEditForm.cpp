#include "TMethodEditForm.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>

#include "CalcMethods.h"
#include "CustomMethods.h"
#include "FormatError.h"
#include "IFileDialogs.h"
#include "MessageSink.h"
#include "Messages.h"
#include "MethodEditWidgets.h"
#include "MethodFile.h"
#include "MethodScriptCreator.h"
#include "ProgramFiles.h"
#include "TStatDB.h"
#include "UiText.h"

namespace velmora {

namespace {

QString catalogue(const char* text) { return UiText::message(Message(text)); }

// The statistics as the method keeps them, without the file they came from.
bool sameStatistics(const TMethodStat& a, const TMethodStat& b) {
  return a.ResTop == b.ResTop && a.ResBottom == b.ResBottom && a.CellConc == b.CellConc && a.Elements == b.Elements;
}

QTableWidgetItem* fixedItem(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(item->flags() & ~Qt::ItemIsEditable);
  return item;
}

}  // namespace

TMethodEditForm::TMethodEditForm(TStatDB& statistics, IFileDialogs& dialogs, IMessageSink& sink, QWidget* parent)
    : QDialog(parent), statistics_(statistics), dialogs_(dialogs), sink_(sink) {
  setObjectName(QStringLiteral("MethodEditForm"));
  ui_ = std::make_unique<MethodEditWidgets>(this);
  connectControls();
  retranslateUi();
  resize(860, 640);
  NewExecute();
}

TMethodEditForm::~TMethodEditForm() = default;

void TMethodEditForm::setEditors(Editors editors) {
  editors_ = std::move(editors);
  ui_->editProgramButton->setEnabled(static_cast<bool>(editors_.programs));
  ui_->editScriptAction->setEnabled(static_cast<bool>(editors_.script));
  ui_->equationEditorButton->setEnabled(static_cast<bool>(editors_.equations));
}

QString TMethodEditForm::LanguageName(std::int32_t languageId) {
  switch (languageId) {
    case kLanguageEnglish:
      return QStringLiteral("English");
    case kLanguageRussian:
      return QLocale(QLocale::Russian).nativeLanguageName();
    default:
      return QString::number(languageId);
  }
}

// --- commands -------------------------------------------------------------------------

void TMethodEditForm::NewExecute() {
  {
    const QSignalBlocker block(ui_->programPath);
    ui_->programPath->clear();
  }
  method_ = TMethod{};
  method_.AddDefaultLanguages(UiText::toStd(LanguageName(kLanguageEnglish)),
                              UiText::toStd(LanguageName(kLanguageRussian)));
  language_ = -1;
  showGeneral();
  programsChanged();
}

void TMethodEditForm::OpenExecute() {
  const auto file = dialogs_.openFile(Message(msg::MethodFileFilter));
  if (file) OpenFile(std::filesystem::path(*file));
}

bool TMethodEditForm::OpenFile(const std::filesystem::path& file) {
  TMethod read;
  try {
    bool unread = false;
    MethodFile::Read(file, read, &unread);
    if (unread) sink_.warning(Message(msg::UnreadDataBlocks));
  } catch (const EFormatError& e) {
    sink_.error(e.message());
    return false;
  }
  // An embedded equation joins the process-wide list, so that the method
  // can name it by number.
  if (read.CalcMethod < 0 && !read.CustomEquation.Formula.empty()) {
    TCustomMethodArr& list = CustomMethods::List();
    std::size_t i = 0;
    while (i < list.size() &&
           !(list[i].Formula == read.CustomEquation.Formula && list[i].Name == read.CustomEquation.Name))
      ++i;
    if (i == list.size()) list.push_back(read.CustomEquation);
    read.CalcMethod = CustomMethods::NumberOf(i);
  }
  method_ = std::move(read);
  language_ = -1;
  showGeneral();
  fillLanguages();
  fillCellTypes();
  SelectLanguage(method_.Localized.empty() ? -1 : 0);
  return true;
}

void TMethodEditForm::SaveExecute() {
  storeLanguage();
  const auto file = dialogs_.saveFile(Message(msg::MethodFileFilter), MethodFile::kExtension, method_.FileName);
  if (file) SaveFile(std::filesystem::path(*file));
}

bool TMethodEditForm::SaveFile(const std::filesystem::path& file) {
  storeLanguage();
  try {
    MethodFile::Write(file, method_, CustomMethods::List());
  } catch (const EFormatError& e) {
    sink_.error(e.message());
    return false;
  }
  method_.FileName = file.string();
  return true;
}

void TMethodEditForm::GenerateScriptExecute() {
  storeLanguage();
  method_.Script = MethodScriptCreator::Generate(method_, calcMethodPosition());
}

void TMethodEditForm::EditScriptExecute() {
  if (!editors_.script) return;
  storeLanguage();
  method_.Script = editors_.script(method_.Script);
}

void TMethodEditForm::EditProgramExecute() {
  if (!editors_.programs) return;
  storeLanguage();
  method_.Programs = editors_.programs(method_.Programs);
  programsChanged();
}

void TMethodEditForm::LoadProgramFile(const std::string& path) {
  const std::filesystem::path file(path);
  const std::string extension = file.extension().string();
  storeLanguage();
  try {
    if (extension == ".prg") {
      const auto program = ProgramFiles::ReadSingleProgram(file);
      if (!program) throw EFormatError(Message(msg::FileNotFound));
      method_.Programs = TVAProgramsArray{*program};
    } else if (extension == ".car") {
      method_.Programs = ProgramFiles::ReadMultiProgram(file).Programs;
    } else if (extension == ".vap") {
      const auto set = ProgramFiles::ReadProgramSet(file);
      if (!set) throw EFormatError(Message(msg::FileNotFound));
      method_.Programs = set->Programs;
    } else {
      throw EFormatError(Message(msg::FileNotFound));
    }
  } catch (const EFormatError& e) {
    method_.Programs.clear();
    sink_.error(e.message());
  }
  programsChanged();
}

void TMethodEditForm::SelectLanguage(int index) {
  if (index != language_) storeLanguage();
  language_ = index >= 0 && static_cast<std::size_t>(index) < method_.Localized.size() ? index : -1;
  {
    const QSignalBlocker block(ui_->languageList);
    ui_->languageList->setCurrentRow(language_);
  }
  showLanguage();
}

void TMethodEditForm::AddLanguageExecute() {
  storeLanguage();
  method_.SyncLanguages();
  showLanguage();
}

void TMethodEditForm::ChooseStatistics(int index) {
  storeLanguage();
  const TMethodStatArr& records = statistics_.Records();
  if (index > 0 && static_cast<std::size_t>(index - 1) < records.size()) {
    method_.Statistics = records[static_cast<std::size_t>(index - 1)];
    method_.Statistics.FileName.clear();
  } else {
    method_.Statistics = TMethodStat{};
  }
  for (TLocalizedMethod& texts : method_.Localized) texts.MethodName = method_.Statistics.Name;
  showLanguage();
}

void TMethodEditForm::ChooseCalcMethod(int position) {
  if (position < 0) return;
  method_.CalcMethod = position < CalcMethods::kBuiltinCount
                           ? position
                           : CustomMethods::NumberOf(static_cast<std::size_t>(position - CalcMethods::kBuiltinCount));
}

void TMethodEditForm::ChooseCellKind(int cell, int position) {
  if (cell < 0 || static_cast<std::size_t>(cell) >= method_.Cells.size()) return;
  method_.Cells[static_cast<std::size_t>(cell)].CellKind = position - 1;
}

void TMethodEditForm::RemoveStepExecute() {
  const int row = ui_->comments->currentRow();
  if (row < 0) return;
  storeLanguage();
  std::size_t left = static_cast<std::size_t>(row);
  for (std::size_t p = 0; p < method_.Programs.size(); ++p) {
    if (left < method_.Programs[p].size()) {
      method_.RemoveStep(p, left);
      break;
    }
    left -= method_.Programs[p].size();
  }
  fillCellTypes();
  showLanguage();
}

void TMethodEditForm::RefreshLists() {
  fillCalcMethods();
  fillStatistics();
}

TMethod TMethodEditForm::method() {
  storeLanguage();
  return method_;
}

// --- showing and storing --------------------------------------------------------------------

void TMethodEditForm::programsChanged() {
  method_.RebuildCells();
  method_.ShapeLanguages();
  fillLanguages();
  fillCellTypes();
  language_ = -1;
  SelectLanguage(method_.Localized.empty() ? -1 : 0);
}

void TMethodEditForm::storeLanguage() {
  if (language_ < 0 || static_cast<std::size_t>(language_) >= method_.Localized.size()) return;
  TLocalizedMethod& texts = method_.Localized[static_cast<std::size_t>(language_)];
  texts.SubMenu = UiText::toStd(ui_->subMenu->text());
  texts.Title = UiText::toStd(ui_->title->text());
  texts.MethodName = UiText::toStd(ui_->methodName->text());
  int row = 0;
  for (std::size_t p = 0; p < method_.Programs.size() && p < texts.StepComments.size(); ++p) {
    for (std::size_t s = 0; s < method_.Programs[p].size() && s < texts.StepComments[p].size(); ++s, ++row) {
      if (const QTableWidgetItem* item = ui_->comments->item(row, 1))
        texts.StepComments[p][s] = UiText::toStd(item->text());
    }
  }
  for (std::size_t c = 0; c < texts.CellDescriptions.size(); ++c) {
    if (const QTableWidgetItem* item = ui_->cells->item(static_cast<int>(c), 2))
      texts.CellDescriptions[c] = UiText::toStd(item->text());
  }
}

void TMethodEditForm::showLanguage() {
  const TLocalizedMethod* texts = language_ >= 0 && static_cast<std::size_t>(language_) < method_.Localized.size()
                                      ? &method_.Localized[static_cast<std::size_t>(language_)]
                                      : nullptr;
  ui_->localizedGroup->setEnabled(texts != nullptr);
  ui_->subMenu->setText(texts ? UiText::fromStd(texts->SubMenu) : QString());
  ui_->title->setText(texts ? UiText::fromStd(texts->Title) : QString());
  ui_->methodName->setText(texts ? UiText::fromStd(texts->MethodName) : QString());

  QTableWidget* grid = ui_->comments;
  grid->setRowCount(static_cast<int>(method_.Programs.StepCount()));
  int row = 0;
  for (std::size_t p = 0; p < method_.Programs.size(); ++p) {
    for (std::size_t s = 0; s < method_.Programs[p].size(); ++s, ++row) {
      grid->setItem(row, 0, fixedItem(UiText::fromStd(method_.Programs[p][s].Comments())));
      std::string translation;
      if (texts && p < texts->StepComments.size() && s < texts->StepComments[p].size())
        translation = texts->StepComments[p][s];
      grid->setItem(row, 1, new QTableWidgetItem(UiText::fromStd(translation)));
    }
  }
  for (std::size_t c = 0; c < method_.Cells.size(); ++c) {
    std::string description;
    if (texts && c < texts->CellDescriptions.size()) description = texts->CellDescriptions[c];
    ui_->cells->setItem(static_cast<int>(c), 2, new QTableWidgetItem(UiText::fromStd(description)));
  }
}

void TMethodEditForm::fillLanguages() {
  const QSignalBlocker block(ui_->languageList);
  ui_->languageList->clear();
  for (const TLocalizedMethod& texts : method_.Localized) ui_->languageList->addItem(LanguageName(texts.LanguageId));
}

void TMethodEditForm::fillCellTypes() {
  QTableWidget* grid = ui_->cells;
  grid->setRowCount(static_cast<int>(method_.Cells.size()));
  for (std::size_t c = 0; c < method_.Cells.size(); ++c) {
    const int row = static_cast<int>(c);
    grid->setItem(row, 0, fixedItem(QString::number(method_.Cells[c].CellNumber)));
    auto* kinds = new QComboBox(grid);
    kinds->setObjectName(QStringLiteral("CellKindList%1").arg(row));
    for (std::int32_t kind = kCellService; kind <= kCellReference; ++kind)
      kinds->addItem(catalogue(TMethodCell::KindName(kind)));
    kinds->setCurrentIndex(std::clamp(method_.Cells[c].CellKind + 1, 0, kinds->count() - 1));
    connect(kinds, &QComboBox::activated, this, [this, row](int position) { ChooseCellKind(row, position); });
    grid->setCellWidget(row, 1, kinds);
  }
}

int TMethodEditForm::calcMethodPosition() const {
  const int m = method_.CalcMethod;
  if (m < 0) return 0;
  return m < CalcMethods::kBuiltinCount ? m : CalcMethods::kBuiltinCount + (m - CustomMethods::kFirstNumber);
}

void TMethodEditForm::fillCalcMethods() {
  DropDownList* list = ui_->calcMethodList;
  const QSignalBlocker block(list);
  list->clear();
  for (int m = 0; m < CalcMethods::kBuiltinCount; ++m) list->addItem(catalogue(CalcMethods::Name(m)));
  for (const TCustomMethod& custom : CustomMethods::List()) list->addItem(UiText::fromStd(custom.Name));
  const int position = calcMethodPosition();
  list->setCurrentIndex(position < list->count() ? position : -1);
}

void TMethodEditForm::fillStatistics() {
  QComboBox* list = ui_->statisticsList;
  const QSignalBlocker block(list);
  list->clear();
  list->addItem(tr("Custom"));
  int shown = 0;
  const TLocalizedMethod* texts = method_.Localization(languageId_);
  const TMethodStatArr& records = statistics_.Records();
  for (std::size_t i = 0; i < records.size(); ++i) {
    list->addItem(UiText::fromStd(records[i].Name));
    const bool named = records[i].Name == method_.Statistics.Name || (texts && records[i].Name == texts->MethodName);
    if (shown == 0 && !method_.Statistics.Elements.empty() && named && sameStatistics(records[i], method_.Statistics))
      shown = static_cast<int>(i) + 1;
  }
  list->setCurrentIndex(shown);
}

void TMethodEditForm::showGeneral() {
  {
    const QSignalBlocker block(ui_->hideUnused);
    ui_->hideUnused->setChecked(method_.HideUnused);
  }
  ui_->electrolyte->setText(UiText::fromStd(method_.SupportingElectrolyte));
  RefreshLists();
}

// --- wiring ---------------------------------------------------------------------------------

void TMethodEditForm::connectControls() {
  MethodEditWidgets& u = *ui_;
  connect(u.newAction, &QAction::triggered, this, &TMethodEditForm::NewExecute);
  connect(u.openAction, &QAction::triggered, this, &TMethodEditForm::OpenExecute);
  connect(u.saveAction, &QAction::triggered, this, &TMethodEditForm::SaveExecute);
  connect(u.generateScriptAction, &QAction::triggered, this, &TMethodEditForm::GenerateScriptExecute);
  connect(u.editScriptAction, &QAction::triggered, this, &TMethodEditForm::EditScriptExecute);
  connect(u.programPath, &QLineEdit::editingFinished, this, [this] {
    if (ui_->programPath->isModified()) {
      ui_->programPath->setModified(false);
      LoadProgramFile(UiText::toStd(ui_->programPath->text()));
    }
  });
  connect(u.browseButton, &QToolButton::clicked, this, [this] {
    const auto file = dialogs_.openFile(Message(msg::ProgramOpenFilter));
    if (!file) return;
    ui_->programPath->setText(UiText::fromStd(*file));
    ui_->programPath->setModified(false);
    LoadProgramFile(*file);
  });
  connect(u.editProgramButton, &QPushButton::clicked, this, &TMethodEditForm::EditProgramExecute);
  connect(u.hideUnused, &QCheckBox::toggled, this, [this](bool on) { method_.HideUnused = on; });
  u.calcMethodList->beforePopup = [this] { fillCalcMethods(); };
  connect(u.calcMethodList, &QComboBox::activated, this, &TMethodEditForm::ChooseCalcMethod);
  connect(u.equationEditorButton, &QToolButton::clicked, this, [this] {
    if (editors_.equations) editors_.equations();
    fillCalcMethods();
  });
  connect(u.statisticsList, &QComboBox::activated, this, &TMethodEditForm::ChooseStatistics);
  connect(u.electrolyte, &QLineEdit::textEdited, this,
          [this](const QString& text) { method_.SupportingElectrolyte = UiText::toStd(text); });
  connect(u.languageList, &QListWidget::currentRowChanged, this, &TMethodEditForm::SelectLanguage);
  connect(u.addLanguageButton, &QPushButton::clicked, this, &TMethodEditForm::AddLanguageExecute);
  connect(u.removeStepButton, &QPushButton::clicked, this, &TMethodEditForm::RemoveStepExecute);
}

void TMethodEditForm::retranslateUi() {
  setWindowTitle(tr("New method..."));
  ui_->retranslate();
}

void TMethodEditForm::showEvent(QShowEvent* event) {
  RefreshLists();
  QDialog::showEvent(event);
}

void TMethodEditForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    retranslateUi();
    fillCellTypes();
    RefreshLists();
  }
  QDialog::changeEvent(event);
}

}  // namespace velmora
