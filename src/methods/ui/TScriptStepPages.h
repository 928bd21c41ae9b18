#pragma once

#include <QLabel>
#include <QPointer>
#include <QStackedWidget>
#include <QString>
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

#include "TVAProgramsArray.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;

namespace velmora {

class CaptionComboBox;
class IFileDialogs;
class IMessageSink;
class TStatDB;
struct ValueRecord;

// The editing pages of the method script editor, one per kind of command:
// the page follows the selected command and writes every edit straight
// into it, then tells the editor so that the command's text follows.
class TScriptStepPages : public QStackedWidget {
  Q_OBJECT
 public:
  // What the pages reach beyond the script. Every member may be empty; the
  // matching button is then disabled.
  struct Services {
    IFileDialogs* Dialogs = nullptr;
    // The statistics records offered by "Add statistics".
    TStatDB* Statistics = nullptr;
    // "Modify": the record-parameters window, modal, on a copy of the
    // command's programs; nullopt when nothing is to be taken back.
    std::function<std::optional<TVAProgramsArray>(const TVAProgramsArray&)> EditPrograms;
    // The equation editor, modal (the custom equations may change).
    std::function<void()> EditEquations;
    // An input box: caption, default text; nullopt when cancelled.
    std::function<std::optional<QString>(const QString& caption, const QString& text)> AskText;
  };

  enum Page {
    kNoData,
    kStageName,
    kInteger,
    kChoice,
    kCalcTable,
    kUnits,
    kPeaks,
    kProgram,
    kElectrolyte,
    kStatistics,
    kEquation,
    kDummyData,
    kActivation,
    kPageCount
  };
  // Rows of the calculations table page: table indices in the order shown.
  static constexpr std::array<int, 10> kCalcTableRows{2, 3, 0, 4, 5, 1, 6, 7, 8, 9};

  TScriptStepPages(Services services, IMessageSink& sink, QWidget* parent = nullptr);
  ~TScriptStepPages() override;

  // Shows the page of the command with its values (null: the empty page).
  // The command must outlive its showing or be replaced by another call.
  void ShowCommand(ValueRecord* command);
  ValueRecord* Command() const { return command_; }
  // The language whose stage names the pages edit first.
  void SetLanguageId(std::int32_t languageId) { languageId_ = languageId; }
  // Refills every list and caption in the current language.
  void Retranslate();

  // --- Commands of the buttons -------------------------------------------------
  void AddPeak();
  void RemovePeak();
  // Reads a program file into the command ("File not found" for an
  // extension other than .prg, .car and .vap); false when nothing changed.
  bool LoadProgramFile(const std::filesystem::path& file);
  void BrowseProgram();
  void ModifyPrograms();
  // Replaces the command's points by those of a text file.
  bool LoadDummyData(const std::filesystem::path& file);
  void BrowseDummyData();
  void OpenEquationEditor();

  // --- Controls, for the editor's tests ------------------------------------------
  QLabel* heading() const { return heading_; }
  QListWidget* languagesList() const { return languages_; }
  QLineEdit* stageNameEdit() const { return stageName_; }
  QSpinBox* valueSpin() const { return value_; }
  QLabel* choiceLabel() const { return choiceLabel_; }
  QListWidget* choiceList() const { return choice_; }
  QTableWidget* calcTable() const { return calcTable_; }
  // 0 additions numerator, 1 additions denominator, 2 result numerator,
  // 3 result denominator.
  CaptionComboBox* unitBox(int index) const { return units_.at(static_cast<std::size_t>(index)); }
  QListWidget* peaksList() const { return peaks_; }
  // 0 left, 1 middle, 2 right border, 3 standard addition concentration.
  QLineEdit* peakEdit(int index) const { return peakEdits_.at(static_cast<std::size_t>(index)); }
  QComboBox* peakCalcType() const { return peakCalcType_; }
  QLineEdit* programPath() const { return programPath_; }
  QLabel* programSummary() const { return programSummary_; }
  QLineEdit* electrolyteEdit() const { return electrolyte_; }
  QListWidget* statisticsList() const { return statistics_; }
  QListWidget* equationsList() const { return equations_; }
  QListWidget* dataTypeList() const { return dataType_; }
  QLabel* dataSummary() const { return dataSummary_; }
  QLineEdit* activationName() const { return activationName_; }
  QLineEdit* activationVolume() const { return activationVolume_; }

  // The page shown for a command type.
  static Page PageOf(std::uint32_t type);

 signals:
  // The shown command was edited: its text in the stage tree follows.
  void commandEdited();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  QWidget* makePage(const char* caption, QWidget* body);
  void buildNamesPage();
  void buildIntegerPage();
  void buildChoicePage();
  void buildCalcTablePage();
  void buildUnitsPage();
  void buildPeaksPage();
  void buildProgramPage();
  void buildElectrolytePage();
  void buildStatisticsPage();
  void buildEquationPage();
  void buildDummyDataPage();
  void buildActivationPage();

  void load();
  void loadNames();
  void loadChoice();
  void loadCalcTable();
  void loadUnits();
  void loadPeaks();
  void loadPeak();
  void loadProgram();
  void loadStatistics();
  void loadEquations();
  void loadDummyData();
  void retranslateCaptions();
  void edited();

  void onLanguageChosen(int row);
  void onChoice(int row);
  void onCalcTableEdited(QTableWidgetItem* item);
  void onUnitChosen(int box);
  void onPeakChosen(int row);
  void onPeakEdited();
  void onStatisticsChosen(int row);
  void onEquationChosen(int row);
  QString askText(const QString& caption, const QString& text) const;

  Services services_;
  IMessageSink& sink_;
  ValueRecord* command_ = nullptr;
  std::int32_t languageId_ = 1033;
  bool filling_ = false;

  QPointer<QLabel> heading_;  // placed by the editor
  std::array<QWidget*, kPageCount> pages_{};
  QListWidget* languages_ = nullptr;
  QLineEdit* stageName_ = nullptr;
  QSpinBox* value_ = nullptr;
  QLabel* choiceLabel_ = nullptr;
  QListWidget* choice_ = nullptr;
  QTableWidget* calcTable_ = nullptr;
  std::array<CaptionComboBox*, 4> units_{};
  QListWidget* peaks_ = nullptr;
  std::array<QLineEdit*, 4> peakEdits_{};
  QComboBox* peakCalcType_ = nullptr;
  QPushButton* addPeak_ = nullptr;
  QPushButton* removePeak_ = nullptr;
  QLineEdit* programPath_ = nullptr;
  QLabel* programSummary_ = nullptr;
  QPushButton* browseProgram_ = nullptr;
  QPushButton* modifyProgram_ = nullptr;
  QLineEdit* electrolyte_ = nullptr;
  QListWidget* statistics_ = nullptr;
  QListWidget* equations_ = nullptr;
  QPushButton* equationEditor_ = nullptr;
  QListWidget* dataType_ = nullptr;
  QLabel* dataSummary_ = nullptr;
  QPushButton* browseData_ = nullptr;
  QLineEdit* activationName_ = nullptr;
  QLineEdit* activationVolume_ = nullptr;
  // Captions re-read at a language switch: (label, catalogue text).
  std::vector<std::pair<QWidget*, const char*>> captions_;
};

}  // namespace velmora
