#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <fstream>
#include <sstream>

#include "CaptionComboBox.h"
#include "ConcUnits.h"
#include "CustomMethods.h"
#include "DummyDataText.h"
#include "FormatError.h"
#include "IFileDialogs.h"
#include "MessageSink.h"
#include "Messages.h"
#include "NumberFormat.h"
#include "Numbers.h"
#include "PeakFormat.h"
#include "ProgramFiles.h"
#include "TScriptStepPages.h"
#include "TStatDB.h"
#include "TVAStruct.h"
#include "UiText.h"
#include "ValueRecord.h"

// The pages of the commands that carry lists and records: the calculations
// table, units, predefined peaks, programs, statistics, custom equations
// and dummy data.

namespace velmora {

namespace {

QString Catalogue(const char* text) { return QCoreApplication::translate("Messages", text); }

const char* CalcTableCaption(int index) {
  static constexpr const char* kCaptions[] = {msg::VolumeSampleTaken,     msg::VolumePreliminaryDilution,
                                              msg::VolumeAshingMass,      msg::VolumeAshSolution,
                                              msg::VolumeAnalytePrepared, msg::VolumeAnalyteInCell,
                                              msg::VolumeAddition1,       msg::VolumeAddition2,
                                              msg::VolumeAddition3,       msg::VolumeReference};
  return kCaptions[index];
}

QString NumberText(double value) {
  return value == -1.0 ? QStringLiteral("?") : UiText::fromStd(NumberFormat::Exact(value));
}

const QColor kMarked(0xff, 0xd6, 0xd6);

}  // namespace

void TScriptStepPages::buildCalcTablePage() {
  calcTable_ = new QTableWidget(static_cast<int>(kCalcTableRows.size()), 2);
  calcTable_->verticalHeader()->setVisible(false);
  calcTable_->horizontalHeader()->setStretchLastSection(true);
  calcTable_->setItemDelegateForColumn(0, new CaptionItemDelegate(calcTable_));
  calcTable_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (int row = 0; row < calcTable_->rowCount(); ++row) {
    auto* caption = new QTableWidgetItem;
    caption->setFlags(Qt::ItemIsEnabled);
    calcTable_->setItem(row, 0, caption);
    calcTable_->setItem(row, 1, new QTableWidgetItem);
  }
  pages_[kCalcTable] = makePage(nullptr, calcTable_);
  connect(calcTable_, &QTableWidget::itemChanged, this, &TScriptStepPages::onCalcTableEdited);
}

void TScriptStepPages::loadCalcTable() {
  const QSignalBlocker block(calcTable_);
  calcTable_->setHorizontalHeaderLabels({Catalogue(msg::PropHeaderProperty), Catalogue(msg::PropHeaderValue)});
  for (int row = 0; row < calcTable_->rowCount(); ++row) {
    const int index = kCalcTableRows[static_cast<std::size_t>(row)];
    const double value = command_->CalcTable[static_cast<std::size_t>(index)];
    calcTable_->item(row, 0)->setText(Catalogue(CalcTableCaption(index)));
    calcTable_->item(row, 1)->setText(NumberText(value));
    const QBrush marker = value > 0.0 ? QBrush() : QBrush(kMarked);
    calcTable_->item(row, 0)->setBackground(marker);
    calcTable_->item(row, 1)->setBackground(marker);
  }
  calcTable_->resizeColumnToContents(0);
}

void TScriptStepPages::onCalcTableEdited(QTableWidgetItem* item) {
  if (filling_ || command_ == nullptr || item->column() != 1) return;
  const int index = kCalcTableRows.at(static_cast<std::size_t>(item->row()));
  command_->CalcTable[static_cast<std::size_t>(index)] = ReadNumber(UiText::toStd(item->text()), -1.0);
  filling_ = true;
  loadCalcTable();
  filling_ = false;
  edited();
}

void TScriptStepPages::buildUnitsPage() {
  auto* body = new QWidget;
  auto* grid = new QGridLayout(body);
  grid->setContentsMargins(0, 0, 0, 0);
  const char* groups[] = {QT_TR_NOOP("[Additions concentrations]"), QT_TR_NOOP("[Result concentrations]")};
  for (int g = 0; g < 2; ++g) {
    auto* label = new QLabel(body);
    captions_.emplace_back(label, groups[g]);
    grid->addWidget(label, g * 2, 0, 1, 3);
    for (int side = 0; side < 2; ++side) {
      const int box = g * 2 + side;
      units_[static_cast<std::size_t>(box)] = new CaptionComboBox(body);
      grid->addWidget(units_[static_cast<std::size_t>(box)], g * 2 + 1, side * 2);
      connect(units_[static_cast<std::size_t>(box)], &QComboBox::activated, this, [this, box] { onUnitChosen(box); });
    }
    grid->addWidget(new QLabel(QStringLiteral("/"), body), g * 2 + 1, 1);
  }
  grid->setColumnStretch(3, 1);
  grid->setRowStretch(4, 1);
  pages_[kUnits] = makePage(nullptr, body);
}

void TScriptStepPages::loadUnits() {
  for (int box = 0; box < 4; ++box) {
    CaptionComboBox* list = units_[static_cast<std::size_t>(box)];
    const bool numerator = box % 2 == 0;
    const int first = numerator ? ConcUnits::kFirstMass : 0;
    const int last = (numerator || box == 3) ? ConcUnits::kCount : ConcUnits::kFirstMass;
    list->clear();
    list->addItem(QStringLiteral("?"), -1);
    for (int unit = first; unit < last; ++unit) list->addItem(Catalogue(ConcUnits::Caption(unit)), unit);
    const int at = list->findData(command_->Units[static_cast<std::size_t>(box)]);
    list->setCurrentIndex(at >= 0 ? at : 0);
  }
}

void TScriptStepPages::onUnitChosen(int box) {
  if (filling_ || command_ == nullptr) return;
  command_->Units[static_cast<std::size_t>(box)] = units_[static_cast<std::size_t>(box)]->currentData().toInt();
  edited();
}

void TScriptStepPages::buildPeaksPage() {
  auto* body = new QWidget;
  auto* layout = new QHBoxLayout(body);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* left = new QVBoxLayout;
  peaks_ = new QListWidget(body);
  peaks_->setMaximumWidth(200);
  addPeak_ = new QPushButton(body);
  removePeak_ = new QPushButton(body);
  captions_.emplace_back(addPeak_, QT_TR_NOOP("Add peak"));
  captions_.emplace_back(removePeak_, QT_TR_NOOP("Remove peak"));
  auto* elementsLabel = new QLabel(body);
  captions_.emplace_back(elementsLabel, QT_TR_NOOP("Elements"));
  left->addWidget(elementsLabel);
  left->addWidget(peaks_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(addPeak_);
  buttons->addWidget(removePeak_);
  left->addLayout(buttons);
  auto* group = new QGroupBox(body);
  captions_.emplace_back(group, QT_TR_NOOP("Peak parameters"));
  auto* form = new QGridLayout(group);
  const char* labels[] = {QT_TR_NOOP("Left border"), QT_TR_NOOP("Middle border"), QT_TR_NOOP("Right border"),
                          QT_TR_NOOP("Standart addition concentration"), QT_TR_NOOP("Peak calculation method")};
  for (int i = 0; i < 5; ++i) {
    auto* label = new QLabel(group);
    captions_.emplace_back(label, labels[i]);
    form->addWidget(label, i, 0);
  }
  for (int i = 0; i < 4; ++i) {
    peakEdits_[static_cast<std::size_t>(i)] = new QLineEdit(group);
    form->addWidget(peakEdits_[static_cast<std::size_t>(i)], i, 1);
    connect(peakEdits_[static_cast<std::size_t>(i)], &QLineEdit::textEdited, this, &TScriptStepPages::onPeakEdited);
  }
  peakCalcType_ = new QComboBox(group);
  form->addWidget(peakCalcType_, 4, 1);
  form->setRowStretch(5, 1);
  connect(peakCalcType_, &QComboBox::activated, this, &TScriptStepPages::onPeakEdited);
  layout->addLayout(left);
  layout->addWidget(group, 1);
  pages_[kPeaks] = makePage(nullptr, body);
  connect(peaks_, &QListWidget::currentRowChanged, this, &TScriptStepPages::onPeakChosen);
  connect(addPeak_, &QPushButton::clicked, this, &TScriptStepPages::AddPeak);
  connect(removePeak_, &QPushButton::clicked, this, &TScriptStepPages::RemovePeak);
}

void TScriptStepPages::loadPeaks() {
  const int keep = peaks_->currentRow();
  peaks_->clear();
  for (const TPredefPeak& peak : command_->Peaks) peaks_->addItem(UiText::fromStd(peak.Name));
  peakCalcType_->clear();
  for (int type = 0; CalcTypeReportName(type) != nullptr; ++type)
    peakCalcType_->addItem(Catalogue(CalcTypeReportName(type)));
  const int count = peaks_->count();
  peaks_->setCurrentRow(count == 0 ? -1 : std::clamp(keep, 0, count - 1));
  loadPeak();
}

void TScriptStepPages::loadPeak() {
  const int row = peaks_->currentRow();
  const bool valid = command_ != nullptr && row >= 0 && row < static_cast<int>(command_->Peaks.size());
  for (QLineEdit* edit : peakEdits_) {
    edit->setEnabled(valid);
    edit->setStyleSheet(QString());
  }
  peakCalcType_->setEnabled(valid);
  removePeak_->setEnabled(valid);
  if (!valid) {
    for (QLineEdit* edit : peakEdits_) edit->clear();
    peakCalcType_->setCurrentIndex(-1);
    return;
  }
  const TPredefPeak& peak = command_->Peaks[static_cast<std::size_t>(row)];
  const double values[] = {peak.LeftBorder, peak.MiddleBorder, peak.RightBorder, peak.AdditionConc};
  for (int i = 0; i < 4; ++i)
    peakEdits_[static_cast<std::size_t>(i)]->setText(UiText::fromStd(NumberFormat::Exact(values[i])));
  peakCalcType_->setCurrentIndex(peak.CalcType >= 0 && peak.CalcType < peakCalcType_->count() ? peak.CalcType : -1);
}

void TScriptStepPages::onPeakChosen(int) {
  if (command_ == nullptr || PageOf(command_->Type) != kPeaks) return;
  const bool wasFilling = filling_;
  filling_ = true;
  loadPeak();
  filling_ = wasFilling;
}

void TScriptStepPages::onPeakEdited() {
  const int row = peaks_->currentRow();
  if (filling_ || command_ == nullptr || row < 0 || row >= static_cast<int>(command_->Peaks.size())) return;
  TPredefPeak& peak = command_->Peaks[static_cast<std::size_t>(row)];
  double* fields[] = {&peak.LeftBorder, &peak.MiddleBorder, &peak.RightBorder, &peak.AdditionConc};
  for (int i = 0; i < 4; ++i) {
    QLineEdit* edit = peakEdits_[static_cast<std::size_t>(i)];
    const std::optional<double> value = [&]() -> std::optional<double> {
      const std::string text = UiText::toStd(edit->text());
      const double first = ReadNumber(text, 0.0);
      const double second = ReadNumber(text, 1.0);
      return first == second ? std::optional<double>(first) : std::nullopt;  // both fallbacks differ: no number
    }();
    edit->setStyleSheet(value ? QString() : QStringLiteral("border: 1px solid red;"));
    if (value) *fields[i] = *value;
  }
  if (peakCalcType_->currentIndex() >= 0) peak.CalcType = peakCalcType_->currentIndex();
  edited();
}

void TScriptStepPages::AddPeak() {
  if (command_ == nullptr || PageOf(command_->Type) != kPeaks) return;
  QString caption = Catalogue(msg::EnterTheNamePlease);
  QString name;
  while (true) {
    name = askText(caption, name).trimmed();
    if (name.isEmpty()) return;
    const std::string utf8 = UiText::toStd(name);
    const bool taken = std::any_of(command_->Peaks.begin(), command_->Peaks.end(),
                                   [&](const TPredefPeak& p) { return p.Name == utf8; });
    if (!taken) break;
    caption = Catalogue(msg::EnterAnotherName);
  }
  TPredefPeak peak;
  peak.Name = UiText::toStd(name).substr(0, TPredefPeak::kNameCapacity);
  command_->Peaks.push_back(peak);
  filling_ = true;
  loadPeaks();
  peaks_->setCurrentRow(peaks_->count() - 1);
  loadPeak();
  filling_ = false;
  edited();
}

void TScriptStepPages::RemovePeak() {
  const int row = peaks_->currentRow();
  if (command_ == nullptr || row < 0 || row >= static_cast<int>(command_->Peaks.size())) return;
  if (sink_.askYesNo(msg::RemoveSelectedQuery) != Answer::Yes) return;
  command_->Peaks.erase(command_->Peaks.begin() + row);
  filling_ = true;
  loadPeaks();
  filling_ = false;
  edited();
}

void TScriptStepPages::buildProgramPage() {
  auto* body = new QWidget;
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* row = new QHBoxLayout;
  programPath_ = new QLineEdit(body);
  browseProgram_ = new QPushButton(body);
  modifyProgram_ = new QPushButton(body);
  captions_.emplace_back(browseProgram_, QT_TR_NOOP("Browse"));
  captions_.emplace_back(modifyProgram_, QT_TR_NOOP("Modify"));
  row->addWidget(programPath_, 1);
  row->addWidget(browseProgram_);
  programSummary_ = new QLabel(body);
  programSummary_->setWordWrap(true);
  layout->addLayout(row);
  layout->addWidget(programSummary_);
  layout->addWidget(modifyProgram_, 0, Qt::AlignLeft);
  layout->addStretch(1);
  pages_[kProgram] = makePage(QT_TR_NOOP("Program file path"), body);
  browseProgram_->setEnabled(services_.Dialogs != nullptr);
  modifyProgram_->setEnabled(static_cast<bool>(services_.EditPrograms));
  connect(browseProgram_, &QPushButton::clicked, this, &TScriptStepPages::BrowseProgram);
  connect(modifyProgram_, &QPushButton::clicked, this, &TScriptStepPages::ModifyPrograms);
  connect(programPath_, &QLineEdit::editingFinished, this, [this] {
    if (filling_ || command_ == nullptr || programPath_->text().trimmed().isEmpty() || !programPath_->isModified())
      return;
    programPath_->setModified(false);
    LoadProgramFile(std::filesystem::path(UiText::toStd(programPath_->text().trimmed())));
  });
}

void TScriptStepPages::loadProgram() {
  std::size_t steps = 0;
  for (const TSingleProgramArray& program : command_->Programs) steps += program.size();
  programSummary_->setText(
      tr("Programs: %1, steps: %2").arg(command_->Programs.size()).arg(static_cast<qulonglong>(steps)));
}

bool TScriptStepPages::LoadProgramFile(const std::filesystem::path& file) {
  if (command_ == nullptr || PageOf(command_->Type) != kProgram) return false;
  const std::string extension = file.extension().string();
  try {
    TVAProgramsArray programs;
    if (extension == ".prg") {
      const std::optional<TSingleProgramArray> program = ProgramFiles::ReadSingleProgram(file);
      if (!program) throw EFormatError(Message(msg::FileNotFound));
      programs.push_back(*program);
    } else if (extension == ".car") {
      programs = ProgramFiles::ReadMultiProgram(file).Programs;
    } else if (extension == ".vap") {
      const std::optional<ProgramFiles::ProgramSet> set = ProgramFiles::ReadProgramSet(file);
      if (!set) throw EFormatError(Message(msg::FileNotFound));
      programs = set->Programs;
    } else {
      sink_.error(msg::FileNotFound);
      return false;
    }
    command_->Programs = std::move(programs);
  } catch (const EFormatError& e) {
    sink_.error(e.message());
    return false;
  } catch (const std::exception& e) {
    sink_.error(Message(msg::CannotOpenFile, {file.string(), e.what()}));
    return false;
  }
  filling_ = true;
  programPath_->setText(UiText::fromStd(file.string()));
  loadProgram();
  filling_ = false;
  edited();
  return true;
}

void TScriptStepPages::BrowseProgram() {
  if (services_.Dialogs == nullptr) return;
  const std::optional<std::string> file = services_.Dialogs->openFile(msg::ScriptProgramFilter);
  if (file) LoadProgramFile(std::filesystem::path(*file));
}

void TScriptStepPages::ModifyPrograms() {
  if (command_ == nullptr || !services_.EditPrograms) return;
  std::optional<TVAProgramsArray> programs = services_.EditPrograms(command_->Programs);
  if (!programs || command_ == nullptr) return;
  command_->Programs = std::move(*programs);
  loadProgram();
  edited();
}

void TScriptStepPages::buildStatisticsPage() {
  statistics_ = new QListWidget;
  pages_[kStatistics] = makePage(QT_TR_NOOP("Statistics"), statistics_);
  connect(statistics_, &QListWidget::currentRowChanged, this, &TScriptStepPages::onStatisticsChosen);
}

void TScriptStepPages::loadStatistics() {
  statistics_->clear();
  statistics_->addItem(Catalogue(msg::CustomCaption));
  int chosen = command_->Statistics ? -1 : 0;
  if (services_.Statistics != nullptr) {
    const TMethodStatArr& records = services_.Statistics->Records();
    for (std::size_t i = 0; i < records.size(); ++i) {
      statistics_->addItem(UiText::fromStd(records[i].Name));
      if (command_->Statistics && chosen < 0 && records[i].Name == command_->Statistics->Name) {
        chosen = static_cast<int>(i) + 1;
      }
    }
  }
  statistics_->setCurrentRow(chosen);
}

void TScriptStepPages::onStatisticsChosen(int row) {
  if (filling_ || command_ == nullptr || row < 0) return;
  if (row == 0 || services_.Statistics == nullptr) {
    command_->Statistics.reset();
  } else {
    const TMethodStatArr& records = services_.Statistics->Records();
    if (row - 1 >= static_cast<int>(records.size())) return;
    TMethodStat copy = records[static_cast<std::size_t>(row - 1)];
    copy.FileName.clear();
    command_->Statistics = std::move(copy);
  }
  edited();
}

void TScriptStepPages::buildEquationPage() {
  auto* body = new QWidget;
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(0, 0, 0, 0);
  equations_ = new QListWidget(body);
  equationEditor_ = new QPushButton(body);
  captions_.emplace_back(equationEditor_, QT_TR_NOOP("Equation editor..."));
  equationEditor_->setEnabled(static_cast<bool>(services_.EditEquations));
  layout->addWidget(equations_, 1);
  layout->addWidget(equationEditor_, 0, Qt::AlignLeft);
  pages_[kEquation] = makePage(QT_TR_NOOP("Calculation methods"), body);
  connect(equations_, &QListWidget::currentRowChanged, this, &TScriptStepPages::onEquationChosen);
  connect(equationEditor_, &QPushButton::clicked, this, &TScriptStepPages::OpenEquationEditor);
}

void TScriptStepPages::loadEquations() {
  equations_->clear();
  int chosen = -1;
  const TCustomMethodArr& list = CustomMethods::List();
  for (std::size_t i = 0; i < list.size(); ++i) {
    equations_->addItem(UiText::fromStd(list[i].Name));
    if (chosen < 0 && !command_->Equation.Formula.empty() && list[i].Formula == command_->Equation.Formula) {
      chosen = static_cast<int>(i);
    }
  }
  equations_->setCurrentRow(chosen);
}

void TScriptStepPages::onEquationChosen(int row) {
  const TCustomMethodArr& list = CustomMethods::List();
  if (filling_ || command_ == nullptr || row < 0 || row >= static_cast<int>(list.size())) return;
  command_->Equation = list[static_cast<std::size_t>(row)];
  edited();
}

void TScriptStepPages::OpenEquationEditor() {
  if (!services_.EditEquations) return;
  services_.EditEquations();
  if (command_ == nullptr || PageOf(command_->Type) != kEquation) return;
  filling_ = true;
  loadEquations();
  filling_ = false;
}

void TScriptStepPages::buildDummyDataPage() {
  auto* body = new QWidget;
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(0, 0, 0, 0);
  dataType_ = new QListWidget(body);
  dataSummary_ = new QLabel(body);
  browseData_ = new QPushButton(body);
  captions_.emplace_back(browseData_, QT_TR_NOOP("Browse"));
  browseData_->setEnabled(services_.Dialogs != nullptr);
  layout->addWidget(dataType_, 1);
  layout->addWidget(dataSummary_);
  layout->addWidget(browseData_, 0, Qt::AlignLeft);
  pages_[kDummyData] = makePage(QT_TR_NOOP("Data type"), body);
  connect(dataType_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (filling_ || command_ == nullptr || row < 0) return;
    command_->Dummy.MeasurementType = row;
    edited();
  });
  connect(browseData_, &QPushButton::clicked, this, &TScriptStepPages::BrowseDummyData);
}

void TScriptStepPages::loadDummyData() {
  dataType_->clear();
  for (int type = 0; type < TVAStruct::kMeasurementTypeCount; ++type) {
    dataType_->addItem(Catalogue(TVAStruct::MeasurementTypeCaption(type)));
  }
  const int type = command_->Dummy.MeasurementType;
  dataType_->setCurrentRow(type >= 0 && type < dataType_->count() ? type : -1);
  dataSummary_->setText(tr("Points: %1").arg(static_cast<qulonglong>(command_->Dummy.Points.size())));
}

bool TScriptStepPages::LoadDummyData(const std::filesystem::path& file) {
  if (command_ == nullptr || PageOf(command_->Type) != kDummyData) return false;
  try {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec) throw EFormatError(Message(msg::CannotOpenFile, {file.string(), ec.message()}));
    if (size > DummyDataText::kMaxPoints * 64) {
      throw EFormatError(Message(msg::DummyDataTooManyPoints, {std::to_string(DummyDataText::kMaxPoints)}));
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) throw EFormatError(Message(msg::CannotOpenFile, {file.string(), "-"}));
    std::ostringstream text;
    text << in.rdbuf();
    command_->Dummy.Points = DummyDataText::Read(text.str());
  } catch (const EFormatError& e) {
    sink_.error(e.message());
    return false;
  }
  filling_ = true;
  loadDummyData();
  filling_ = false;
  edited();
  return true;
}

void TScriptStepPages::BrowseDummyData() {
  if (services_.Dialogs == nullptr) return;
  const std::optional<std::string> file = services_.Dialogs->openFile(msg::DummyDataFilter);
  if (file) LoadDummyData(std::filesystem::path(*file));
}

}  // namespace velmora
