#include "TEquationEditor.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "CaptionComboBox.h"
#include "ConcUnits.h"
#include "CustomCalcFile.h"
#include "CustomMethods.h"
#include "FormatError.h"
#include "FormulaText.h"
#include "MessageSink.h"
#include "Messages.h"
#include "NumberFormat.h"
#include "Numbers.h"
#include "TCalculator.h"
#include "TPlugin.h"
#include "TPluginsManager.h"
#include "UiText.h"

namespace velmora {

namespace {

QString Catalogue(const char* text) { return UiText::message(Message(text)); }

// The number a default value reads as: the whole text, or the longest
// leading part that converts ("converted so far"); nullopt for none.
std::optional<double> LeadingNumber(const std::string& text, bool& whole) {
  whole = false;
  if (const auto v = FormulaText::ToNumber(text)) {
    whole = true;
    return v;
  }
  for (std::size_t n = text.size(); n-- > 1;)
    if (const auto v = FormulaText::ToNumber(std::string_view(text).substr(0, n))) return v;
  return std::nullopt;
}

}  // namespace

TEquationEditor::TEquationEditor(FolderSource dataFolder, IMessageSink& sink, TPluginsManager& hub, QWidget* parent)
    : QDialog(parent), dataFolder_(std::move(dataFolder)), sink_(sink), calculator_(std::make_unique<TCalculator>()) {
  setObjectName(QStringLiteral("EquationEditor"));
  setModal(true);
  buildUi();
  try {
    if (dataFolder_ && !dataFolder_().empty()) CustomCalcFile::Load(dataFolder_(), CustomMethods::List());
  } catch (const EFormatError& e) {
    sink_.error(e.message());
  }
  reloadCaptions();
  refillMethods();
  Recheck();
  const QPointer<TEquationEditor> self(this);
  hub.Register().OnLanguageChange = [self] {
    if (self) self->reloadCaptions();
  };
}

TEquationEditor::~TEquationEditor() {
  try {
    const std::filesystem::path folder = dataFolder_ ? dataFolder_() : std::filesystem::path();
    std::error_code ec;
    if (!folder.empty() && std::filesystem::is_directory(folder, ec))
      CustomCalcFile::Save(folder, CustomMethods::List());
  } catch (const std::exception&) {
    // Nobody is left to tell: the list was written after every change.
  }
}

void TEquationEditor::buildUi() {
  auto* left = new QVBoxLayout;
  auto* buttons = new QHBoxLayout;
  save_ = new QPushButton(this);
  remove_ = new QPushButton(this);
  buttons->addWidget(save_);
  buttons->addWidget(remove_);
  left->addLayout(buttons);
  methodsCaption_ = new QLabel(this);
  left->addWidget(methodsCaption_);
  methods_ = new QListWidget(this);
  methods_->setObjectName(QStringLiteral("CalculationMethods"));
  left->addWidget(methods_, 1);

  auto* right = new QVBoxLayout;
  auto* titleRow = new QHBoxLayout;
  titleCaption_ = new QLabel(this);
  title_ = new QLineEdit(this);
  title_->setMaxLength(static_cast<int>(FormulaText::kMaxLength));
  titleRow->addWidget(titleCaption_);
  titleRow->addWidget(title_, 1);
  right->addLayout(titleRow);
  hint_ = new QLabel(this);
  right->addWidget(hint_);
  auto* formulaRow = new QHBoxLayout;
  xEquals_ = new QLabel(this);
  formula_ = new QLineEdit(this);
  formula_->setObjectName(QStringLiteral("Formula"));
  formula_->setMaxLength(static_cast<int>(FormulaText::kMaxLength));
  auto* units = new QVBoxLayout;
  units->setSpacing(1);
  unitTop_ = new CaptionComboBox(this);
  unitBottom_ = new CaptionComboBox(this);
  units->addWidget(unitTop_);
  units->addWidget(unitBottom_);
  formulaRow->addWidget(xEquals_);
  formulaRow->addWidget(formula_, 1);
  formulaRow->addLayout(units);
  right->addLayout(formulaRow);
  result_ = new QLabel(this);
  result_->setObjectName(QStringLiteral("Result"));
  right->addWidget(result_);
  errorsCaption_ = new QLabel(this);
  right->addWidget(errorsCaption_);
  errors_ = new QListWidget(this);
  errors_->setObjectName(QStringLiteral("ErrorMessages"));
  errors_->setMaximumHeight(90);
  right->addWidget(errors_);
  variablesCaption_ = new QLabel(this);
  right->addWidget(variablesCaption_);
  variables_ = new QTableWidget(0, 4, this);
  variables_->setObjectName(QStringLiteral("Variables"));
  variables_->verticalHeader()->hide();
  variables_->verticalHeader()->setDefaultSectionSize(variables_->fontMetrics().height() + 8);
  variables_->setItemDelegateForColumn(2, new CaptionItemDelegate(variables_));
  variables_->horizontalHeader()->setStretchLastSection(true);
  variables_->setSelectionMode(QAbstractItemView::SingleSelection);
  right->addWidget(variables_, 1);
  auto* varButtons = new QHBoxLayout;
  addVariable_ = new QPushButton(this);
  removeVariable_ = new QPushButton(this);
  check_ = new QPushButton(this);
  varButtons->addWidget(addVariable_);
  varButtons->addWidget(removeVariable_);
  varButtons->addStretch(1);
  varButtons->addWidget(check_);
  right->addLayout(varButtons);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(right, 3);
  resize(820, 560);

  connect(formula_, &QLineEdit::textChanged, this, [this] { Recheck(); });
  connect(unitTop_, &QComboBox::currentIndexChanged, this, [this] { Recheck(); });
  connect(unitBottom_, &QComboBox::currentIndexChanged, this, [this] { Recheck(); });
  connect(check_, &QPushButton::clicked, this, [this] { Recheck(); });
  connect(save_, &QPushButton::clicked, this, [this] { SaveMethod(); });
  connect(remove_, &QPushButton::clicked, this, [this] { RemoveMethod(); });
  connect(addVariable_, &QPushButton::clicked, this, [this] { AddVariable(); });
  connect(removeVariable_, &QPushButton::clicked, this, [this] { RemoveVariable(); });
  connect(methods_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!filling_ && row >= 0) LoadMethod(row);
    updateButtons();
  });
  connect(variables_, &QTableWidget::itemChanged, this, &TEquationEditor::onVariableEdited);
  connect(variables_, &QTableWidget::currentCellChanged, this, [this] { updateButtons(); });
}

void TEquationEditor::reloadCaptions() {
  setWindowTitle(tr("Equation editor"));
  save_->setText(tr("Save"));
  remove_->setText(tr("Remove"));
  methodsCaption_->setText(tr("Calculation methods"));
  titleCaption_->setText(tr("Title"));
  hint_->setText(tr("Type equation using internal and custom variables "));
  xEquals_->setText(tr("X ="));
  errorsCaption_->setText(tr("Error messages"));
  variablesCaption_->setText(tr("Variables"));
  addVariable_->setText(tr("Add variable"));
  removeVariable_->setText(tr("Remove variable"));
  check_->setText(tr("Check"));
  variables_->setHorizontalHeaderLabels({QString(), tr("Name"), tr("Comments"), tr("Default value")});
  variables_->setColumnWidth(0, 30);
  variables_->setColumnWidth(1, 70);
  variables_->setColumnWidth(2, 150);
  for (CaptionComboBox* list : {unitTop_, unitBottom_}) {
    const QSignalBlocker block(list);
    const int index = list->currentIndex();
    list->clear();
    list->addItem(QStringLiteral("-"));
    for (int u = 0; u < ConcUnits::kCount; ++u) list->addItem(Catalogue(ConcUnits::Caption(u)));
    list->setCurrentIndex(std::max(0, index));
  }
  TCalculator::ReloadBuiltinComments([](const char* text) { return UiText::toStd(Catalogue(text)); });
  calculator_->ResetVars();
  refreshGrid();
  Recheck();
}

void TEquationEditor::refreshGrid() {
  filling_ = true;
  const TVarsArr& vars = calculator_->Vars();
  variables_->setRowCount(static_cast<int>(vars.size()));
  for (int r = 0; r < static_cast<int>(vars.size()); ++r) {
    const TCalcVar& v = vars[static_cast<std::size_t>(r)];
    const bool user = r >= static_cast<int>(TCalculator::kBuiltinCount);
    const QString texts[4] = {QString::number(r + 1), UiText::fromStd(v.Name), UiText::fromStd(v.Comment),
                              UiText::fromStd(NumberFormat::Exact(v.Value))};
    for (int c = 0; c < 4; ++c) {
      auto* item = new QTableWidgetItem(texts[c]);
      Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
      if ((user && c > 0) || c == 3) flags |= Qt::ItemIsEditable;
      item->setFlags(flags);
      if (c == 0) item->setBackground(QColor(240, 240, 240));
      variables_->setItem(r, c, item);
    }
  }
  filling_ = false;
  updateButtons();
}

void TEquationEditor::refillMethods() {
  filling_ = true;
  methods_->clear();
  for (const TCustomMethod& m : CustomMethods::List()) methods_->addItem(UiText::fromStd(m.Name));
  filling_ = false;
  updateButtons();
}

void TEquationEditor::Recheck() {
  errors_->clear();
  TCalculator& calc = *calculator_;
  const std::string formula = FormulaText::Cut(UiText::toStd(formula_->text()));
  checkPassed_ = calc.Check(formula);
  double value = 0.0;
  if (checkPassed_) {
    value = calc.Evaluate(formula);
  }
  for (const TCalcError& e : calc.Errors())
    errors_->addItem(tr("%1 '%2'").arg(Catalogue(e.Message), UiText::fromStd(e.Token)));
  if (calc.Errors().empty()) {
    // As the calculation table will show it: the peak value format and the
    // result's unit.
    QString unit;
    const int top = unitTop_->currentIndex() - 1;
    const int bottom = unitBottom_->currentIndex() - 1;
    if (top >= 0) unit = Catalogue(ConcUnits::Caption(top));
    if (bottom >= 0) unit += (top >= 0 ? QStringLiteral("/") : QString()) + Catalogue(ConcUnits::Caption(bottom));
    result_->setText(tr("Result: ") + UiText::fromStd(NumberFormat::UnicodeText(
                                          NumberFormat::WithUnit(NumberFormat::Peak(value), UiText::toStd(unit)))));
  } else {
    result_->setText(tr("Result: "));
  }
  if (unitTop_->currentIndex() <= 0 && unitBottom_->currentIndex() <= 0)
    errors_->addItem(Catalogue(msg::CalcSpecifyDimension));
  updateButtons();
}

void TEquationEditor::updateButtons() {
  save_->setEnabled(checkPassed_ && (unitTop_->currentIndex() > 0 || unitBottom_->currentIndex() > 0));
  remove_->setEnabled(methods_->currentRow() >= 0);
  removeVariable_->setEnabled(variables_->currentRow() >= static_cast<int>(TCalculator::kBuiltinCount));
}

void TEquationEditor::onVariableEdited(QTableWidgetItem* item) {
  if (filling_ || !item) return;
  const int row = item->row();
  TVarsArr& vars = calculator_->Vars();
  if (row < 0 || row >= static_cast<int>(vars.size())) return;
  TCalcVar& var = vars[static_cast<std::size_t>(row)];
  const bool user = row >= static_cast<int>(TCalculator::kBuiltinCount);
  const std::string text = UiText::toStd(item->text());
  switch (item->column()) {
    case 1:
      if (!user) return;
      var.Name = FormulaText::Cut(text);
      Recheck();
      break;
    case 2:
      if (user) var.Comment = FormulaText::Cut(text);
      break;
    case 3: {
      bool whole = false;
      if (const auto v = LeadingNumber(text, whole)) var.Value = *v;
      if (whole) Recheck();
      break;
    }
    default:
      break;
  }
}

void TEquationEditor::AddVariable() {
  calculator_->AddVar();
  refreshGrid();
  variables_->setFocus();
  variables_->setCurrentCell(variables_->rowCount() - 1, 1);
}

void TEquationEditor::RemoveVariable() {
  const int row = variables_->currentRow();
  if (row < static_cast<int>(TCalculator::kBuiltinCount)) return;
  calculator_->DeleteVar(static_cast<std::size_t>(row));
  refreshGrid();
  Recheck();
}

void TEquationEditor::SaveMethod() {
  if (!save_->isEnabled()) return;
  TCustomMethod method;
  calculator_->BuildMethod(FormulaText::Cut(UiText::toStd(formula_->text())), method);
  if (method.Vars.empty()) return;  // numbers only: nothing to compute from
  const QString title = title_->text().trimmed();
  method.Name = FormulaText::Cut(title.isEmpty() ? UiText::toStd(Catalogue(msg::NoName)) : UiText::toStd(title));
  method.ResultUnitTop = unitTop_->currentIndex() - 1;
  method.ResultUnitBottom = unitBottom_->currentIndex() - 1;
  CustomMethods::List().push_back(method);
  refillMethods();
  WriteFile();
  emit methodsChanged();
}

void TEquationEditor::RemoveMethod() {
  const int row = methods_->currentRow();
  TCustomMethodArr& list = CustomMethods::List();
  if (row < 0 || row >= static_cast<int>(list.size())) return;
  if (sink_.askYesNo(Message(msg::RemoveSelectedQuery)) == Answer::No) return;
  list.erase(list.begin() + row);
  refillMethods();
  emit methodsChanged();
}

void TEquationEditor::LoadMethod(int index) {
  const TCustomMethodArr& list = CustomMethods::List();
  if (index < 0 || index >= static_cast<int>(list.size())) return;
  const TCustomMethod method = list[static_cast<std::size_t>(index)];
  title_->setText(UiText::fromStd(method.Name));
  {
    const QSignalBlocker top(unitTop_);
    const QSignalBlocker bottom(unitBottom_);
    unitTop_->setCurrentIndex(std::clamp(method.ResultUnitTop + 1, 0, unitTop_->count() - 1));
    unitBottom_->setCurrentIndex(std::clamp(method.ResultUnitBottom + 1, 0, unitBottom_->count() - 1));
  }
  calculator_->ResetVars();
  TVarsArr& vars = calculator_->Vars();
  for (const TCalcVar& stored : method.Vars) {
    const int at = calculator_->FindVar(stored.Name);
    if (at >= 0) {
      vars[static_cast<std::size_t>(at)] = stored;
    } else {
      vars.push_back(stored);
    }
  }
  refreshGrid();
  formula_->setText(UiText::fromStd(method.Formula));
  Recheck();
}

bool TEquationEditor::WriteFile() {
  const std::filesystem::path folder = dataFolder_ ? dataFolder_() : std::filesystem::path();
  std::error_code ec;
  if (folder.empty() || !std::filesystem::is_directory(folder, ec)) return true;
  try {
    CustomCalcFile::Save(folder, CustomMethods::List());
    return true;
  } catch (const EFormatError& e) {
    sink_.error(e.message());
    return false;
  }
}

void TEquationEditor::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  refillMethods();
}

void TEquationEditor::done(int result) {
  WriteFile();
  QDialog::done(result);
}

void TEquationEditor::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) reloadCaptions();
  QDialog::changeEvent(event);
}

}  // namespace velmora
