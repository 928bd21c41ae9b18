#pragma once

#include <QDialog>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "TMethod.h"

namespace velmora {

class IFileDialogs;
class IMessageSink;
class MethodEditWidgets;
class TStatDB;

// The methods editor: a method's programs (from a program file or edited in
// the record-parameters window), its autosampler cells and their kinds, the
// calculation method, statistics, supporting electrolyte, the texts of each
// language, and its script (generated or edited in the script editor); read
// from and saved to method files.
class TMethodEditForm : public QDialog {
  Q_OBJECT
 public:
  // The windows the editor borrows. Each may be empty; its button is then
  // disabled.
  struct Editors {
    // "Edit VA program": the record-parameters window, modally, on a copy of
    // the programs; returns the programs as edited.
    std::function<TVAProgramsArray(const TVAProgramsArray&)> programs;
    // "Edit script": the method script editor, modally; returns the script
    // as edited.
    std::function<TWizSteps(const TWizSteps&)> script;
    // The equation editor behind the calculation-method list.
    std::function<void()> equations;
  };

  TMethodEditForm(TStatDB& statistics, IFileDialogs& dialogs, IMessageSink& sink, QWidget* parent = nullptr);
  ~TMethodEditForm() override;

  void setEditors(Editors editors);
  // The user-interface language (0: English), for the statistics names.
  void setLanguageId(std::int32_t languageId) { languageId_ = languageId; }

  // --- commands ----------------------------------------------------------------------
  void NewExecute();
  void OpenExecute();
  void SaveExecute();
  // Reads a method file; false (and the error shown) when it cannot be read.
  bool OpenFile(const std::filesystem::path& file);
  // Writes the method (with the edits of the shown language); false (and
  // the error shown) when that fails.
  bool SaveFile(const std::filesystem::path& file);
  void GenerateScriptExecute();
  void EditScriptExecute();
  void EditProgramExecute();
  // Reads the programs of a program file (chosen by its extension).
  void LoadProgramFile(const std::string& path);
  void SelectLanguage(int index);
  void AddLanguageExecute();
  // 0 "Custom", then the records of the statistics database.
  void ChooseStatistics(int index);
  // The list position of the calculation method (built-in, then custom).
  void ChooseCalcMethod(int position);
  // A cell's kind from its list position (0 "Service cell").
  void ChooseCellKind(int cell, int position);
  // Removes the step of the selected comment row.
  void RemoveStepExecute();
  // Refills the calculation-method and statistics lists.
  void RefreshLists();

  // The method with the edits of the shown language.
  TMethod method();
  const TMethod& currentMethod() const { return method_; }
  int selectedLanguage() const { return language_; }
  MethodEditWidgets& widgets() const { return *ui_; }

  // The native name of a language identifier ("English", "русский").
  static QString LanguageName(std::int32_t languageId);

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void connectControls();
  void retranslateUi();
  // Stores the edits of the shown language into the method.
  void storeLanguage();
  void showLanguage();
  void fillLanguages();
  void fillCalcMethods();
  void fillStatistics();
  void showGeneral();
  void fillCellTypes();
  // Programs changed: cells and the language arrays follow, the first
  // language is shown.
  void programsChanged();
  int calcMethodPosition() const;

  TStatDB& statistics_;
  IFileDialogs& dialogs_;
  IMessageSink& sink_;
  std::unique_ptr<MethodEditWidgets> ui_;
  Editors editors_;
  TMethod method_;
  int language_ = -1;  // the entry shown in "Localized options"
  std::int32_t languageId_ = 0;
  bool filling_ = false;
};

}  // namespace velmora
