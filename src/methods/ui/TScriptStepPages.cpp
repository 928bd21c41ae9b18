#include "TScriptStepPages.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

#include "CalcMethods.h"
#include "Messages.h"
#include "NumberFormat.h"
#include "Numbers.h"
#include "TVAStruct.h"
#include "UiText.h"
#include "ValueRecord.h"

namespace velmora {

namespace {

QString Catalogue(const char* text) { return QCoreApplication::translate("Messages", text); }

// The native name of a user-interface language.
QString NativeLanguageName(std::int32_t languageId) {
  switch (languageId) {
    case 1033:
      return QStringLiteral("English");
    case 1049:
      return QStringLiteral("Русский");
    default:
      return QString::number(languageId);
  }
}

// The items of the single-choice page per command type, and the value of
// the first item.
struct ChoiceList {
  const char* caption = "";
  std::vector<const char*> items;
  int first = 0;
};

ChoiceList ChoicesOf(std::uint32_t type) {
  switch (type) {
    case kStepConjunctionType:
      return {QT_TRANSLATE_NOOP("velmora::TScriptStepPages", "Conjunction type"),
              {msg::Conjunction2x, msg::Conjunction3x, msg::Conjunction4x},
              0};
    case kStepElectrodeType:
      return {QT_TRANSLATE_NOOP("velmora::TScriptStepPages", "Electrodes"),
              {msg::ElectrodeCustom, msg::ElectrodeCarbositall, msg::ElectrodeGold, msg::ElectrodePlatinum,
               msg::ElectrodeSilver, msg::ElectrodeModifiedCarbon, msg::ElectrodeCarbon},
              -1};
    case kStepCalcMethod: {
      ChoiceList list{QT_TRANSLATE_NOOP("velmora::TScriptStepPages", "Concentration calculation method"), {}, 0};
      for (int m = 0; m < CalcMethods::kBuiltinCount; ++m) list.items.push_back(CalcMethods::Name(m));
      return list;
    }
    case kStepStirrerType:
      return {QT_TRANSLATE_NOOP("velmora::TScriptStepPages", "Mixing type"),
              {msg::StirrerTypeStirrer, msg::StirrerTypeRegulatedStirrer, msg::StirrerTypeRegulatedElectrode,
               msg::StirrerTypeRotatingElectrode},
              0};
    case kStepControlsVisibility:
      return {QT_TRANSLATE_NOOP("velmora::TScriptStepPages", "Choose option:"),
              {msg::VisibilityShowAll, msg::VisibilityHideUnused, msg::VisibilityForbidChanges},
              0};
    case kStepControlSolution:
      return {QT_TRANSLATE_NOOP("velmora::TScriptStepPages", "Choose option:"),
              {msg::ControlSolutionNotRequired, msg::ControlSolutionRequired, msg::ControlSolutionOptional},
              0};
    default:
      return {};
  }
}

}  // namespace

TScriptStepPages::Page TScriptStepPages::PageOf(std::uint32_t type) {
  switch (type) {
    case kStepStageName:
      return kStageName;
    case kStepActivePage:
    case kStepLoopsCount:
    case kStepParallelSamples:
      return kInteger;
    case kStepConjunctionType:
    case kStepElectrodeType:
    case kStepCalcMethod:
    case kStepStirrerType:
    case kStepControlsVisibility:
    case kStepControlSolution:
      return kChoice;
    case kStepCalcTable:
      return kCalcTable;
    case kStepConcUnits:
      return kUnits;
    case kStepPredefPeaks:
      return kPeaks;
    case kStepProgram:
      return kProgram;
    case kStepSupportingElectrolyte:
      return kElectrolyte;
    case kStepStatistics:
      return kStatistics;
    case kStepCustomEquation:
      return kEquation;
    case kStepDummyData:
      return kDummyData;
    case kStepActivation:
      return kActivation;
    default:
      return kNoData;
  }
}

TScriptStepPages::TScriptStepPages(Services services, IMessageSink& sink, QWidget* parent)
    : QStackedWidget(parent), services_(std::move(services)), sink_(sink) {
  setObjectName(QStringLiteral("ScriptStepPages"));
  heading_ = new QLabel;  // placed by the editor above the pages
  heading_->setObjectName(QStringLiteral("ScriptStepHeading"));
  QFont bold = heading_->font();
  bold.setBold(true);
  heading_->setFont(bold);
  pages_[kNoData] = new QLabel;
  captions_.emplace_back(pages_[kNoData], QT_TR_NOOP("This command has no parameters."));
  static_cast<QLabel*>(pages_[kNoData])->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  buildNamesPage();
  buildIntegerPage();
  buildChoicePage();
  buildCalcTablePage();
  buildUnitsPage();
  buildPeaksPage();
  buildProgramPage();
  buildElectrolytePage();
  buildStatisticsPage();
  buildEquationPage();
  buildDummyDataPage();
  buildActivationPage();
  for (QWidget* page : pages_) addWidget(page);
  Retranslate();
  ShowCommand(nullptr);
}

TScriptStepPages::~TScriptStepPages() {
  if (heading_ && heading_->parent() == nullptr) delete heading_;
}

QWidget* TScriptStepPages::makePage(const char* caption, QWidget* body) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  if (caption != nullptr) {
    auto* label = new QLabel(page);
    captions_.emplace_back(label, caption);
    layout->addWidget(label);
  }
  layout->addWidget(body, 1);
  return page;
}

void TScriptStepPages::buildNamesPage() {
  auto* body = new QWidget;
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(0, 0, 0, 0);
  languages_ = new QListWidget(body);
  languages_->setMaximumHeight(120);
  auto* valueLabel = new QLabel(body);
  captions_.emplace_back(valueLabel, QT_TR_NOOP("Value"));
  stageName_ = new QLineEdit(body);
  stageName_->setMaxLength(static_cast<int>(TLocalizedName::kNameCapacity));
  layout->addWidget(languages_);
  layout->addWidget(valueLabel);
  layout->addWidget(stageName_);
  layout->addStretch(1);
  pages_[kStageName] = makePage(QT_TR_NOOP("Languages"), body);
  connect(languages_, &QListWidget::currentRowChanged, this, &TScriptStepPages::onLanguageChosen);
  connect(stageName_, &QLineEdit::textEdited, this, [this](const QString& text) {
    const int row = languages_->currentRow();
    if (filling_ || command_ == nullptr || row < 0 || row >= static_cast<int>(command_->Names.size())) return;
    command_->Names[static_cast<std::size_t>(row)].Name = UiText::toStd(text);
    edited();
  });
}

void TScriptStepPages::buildIntegerPage() {
  auto* body = new QWidget;
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(0, 0, 0, 0);
  value_ = new QSpinBox(body);
  value_->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  value_->setMaximumWidth(160);
  layout->addWidget(value_);
  layout->addStretch(1);
  pages_[kInteger] = makePage(QT_TR_NOOP("Enter value"), body);
  connect(value_, &QSpinBox::valueChanged, this, [this](int value) {
    if (filling_ || command_ == nullptr) return;
    command_->Value = value;
    edited();
  });
}

void TScriptStepPages::buildChoicePage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  choiceLabel_ = new QLabel(page);
  choice_ = new QListWidget(page);
  layout->addWidget(choiceLabel_);
  layout->addWidget(choice_, 1);
  pages_[kChoice] = page;
  connect(choice_, &QListWidget::currentRowChanged, this, &TScriptStepPages::onChoice);
}

void TScriptStepPages::buildElectrolytePage() {
  auto* body = new QWidget;
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(0, 0, 0, 0);
  electrolyte_ = new QLineEdit(body);
  electrolyte_->setMaxLength(255);
  layout->addWidget(electrolyte_);
  layout->addStretch(1);
  pages_[kElectrolyte] = makePage(QT_TR_NOOP("Supporting electrolyte"), body);
  connect(electrolyte_, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (filling_ || command_ == nullptr) return;
    command_->Text = UiText::toStd(text);
    edited();
  });
}

void TScriptStepPages::buildActivationPage() {
  auto* body = new QWidget;
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* volumeLabel = new QLabel(body);
  captions_.emplace_back(volumeLabel, QT_TR_NOOP("Volume, ml"));
  activationName_ = new QLineEdit(body);
  activationName_->setMaxLength(static_cast<int>(TActivationData::kNameCapacity));
  activationVolume_ = new QLineEdit(body);
  activationVolume_->setMaximumWidth(160);
  layout->addWidget(activationName_);
  layout->addWidget(volumeLabel);
  layout->addWidget(activationVolume_);
  layout->addStretch(1);
  pages_[kActivation] = makePage(QT_TR_NOOP("Activation solution"), body);
  connect(activationName_, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (filling_ || command_ == nullptr) return;
    command_->Activation.Name = UiText::toStd(text);
    edited();
  });
  connect(activationVolume_, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (filling_ || command_ == nullptr) return;
    const double volume = ReadNumber(UiText::toStd(text), -1.0);
    activationVolume_->setStyleSheet(volume > 0.0 ? QString() : QStringLiteral("border: 1px solid red;"));
    if (volume < 0.0) return;  // kept as typed, framed, until it reads
    command_->Activation.Volume = volume;
    edited();
  });
}

void TScriptStepPages::ShowCommand(ValueRecord* command) {
  command_ = command;
  const Page page = command != nullptr ? PageOf(command->Type) : kNoData;
  setCurrentIndex(page);
  heading_->setText(command != nullptr ? Catalogue(ValueRecord::ActionName(command->Type)) : QString());
  load();
}

void TScriptStepPages::load() {
  if (command_ == nullptr) return;
  const bool wasFilling = filling_;
  filling_ = true;
  switch (PageOf(command_->Type)) {
    case kStageName:
      loadNames();
      break;
    case kInteger:
      value_->setValue(command_->Value);
      break;
    case kChoice:
      loadChoice();
      break;
    case kCalcTable:
      loadCalcTable();
      break;
    case kUnits:
      loadUnits();
      break;
    case kPeaks:
      loadPeaks();
      break;
    case kProgram:
      loadProgram();
      break;
    case kElectrolyte:
      electrolyte_->setText(UiText::fromStd(command_->Text));
      break;
    case kStatistics:
      loadStatistics();
      break;
    case kEquation:
      loadEquations();
      break;
    case kDummyData:
      loadDummyData();
      break;
    case kActivation:
      activationName_->setText(UiText::fromStd(command_->Activation.Name));
      activationVolume_->setText(UiText::fromStd(NumberFormat::Exact(command_->Activation.Volume)));
      activationVolume_->setStyleSheet(QString());
      break;
    default:
      break;
  }
  filling_ = wasFilling;
}

void TScriptStepPages::loadNames() {
  languages_->clear();
  int chosen = command_->Names.empty() ? -1 : 0;
  for (std::size_t i = 0; i < command_->Names.size(); ++i) {
    languages_->addItem(NativeLanguageName(command_->Names[i].LanguageId));
    if (command_->Names[i].LanguageId == languageId_) chosen = static_cast<int>(i);
  }
  languages_->setCurrentRow(chosen);
  onLanguageChosen(chosen);
}

void TScriptStepPages::onLanguageChosen(int row) {
  if (command_ == nullptr) return;
  const bool wasFilling = filling_;
  filling_ = true;
  const bool valid = row >= 0 && row < static_cast<int>(command_->Names.size());
  stageName_->setEnabled(valid);
  stageName_->setText(valid ? UiText::fromStd(command_->Names[static_cast<std::size_t>(row)].Name) : QString());
  filling_ = wasFilling;
}

void TScriptStepPages::loadChoice() {
  const ChoiceList list = ChoicesOf(command_->Type);
  choiceLabel_->setText(tr(list.caption));
  choice_->clear();
  for (const char* item : list.items) choice_->addItem(Catalogue(item));
  const int row = command_->Value - list.first;
  choice_->setCurrentRow(row >= 0 && row < choice_->count() ? row : -1);
}

void TScriptStepPages::onChoice(int row) {
  if (filling_ || command_ == nullptr || row < 0) return;
  command_->Value = row + ChoicesOf(command_->Type).first;
  edited();
}

void TScriptStepPages::edited() { emit commandEdited(); }

void TScriptStepPages::Retranslate() {
  retranslateCaptions();
  load();
}

void TScriptStepPages::retranslateCaptions() {
  for (auto& [widget, text] : captions_) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      label->setText(tr(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      button->setText(tr(text));
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
      group->setTitle(tr(text));
    }
  }
  if (command_ != nullptr) heading_->setText(Catalogue(ValueRecord::ActionName(command_->Type)));
}

void TScriptStepPages::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QStackedWidget::changeEvent(event);
}

QString TScriptStepPages::askText(const QString& caption, const QString& text) const {
  if (services_.AskText) return services_.AskText(caption, text).value_or(QString());
  bool ok = false;
  const QString answer =
      QInputDialog::getText(const_cast<TScriptStepPages*>(this), caption, QString(), QLineEdit::Normal, text, &ok);
  return ok ? answer : QString();
}

}  // namespace velmora
