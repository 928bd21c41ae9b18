#pragma once

#include <QDialog>
#include <filesystem>
#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace velmora {

class CaptionComboBox;
class IMessageSink;
class TCalculator;
class TPluginsManager;

// The "Equation editor": a custom calculation formula over the built-in and
// user variables with its live value or errors, the unit of its result, and
// the list of saved custom methods, kept in the "CustomCalc" file of the
// data folder.
class TEquationEditor : public QDialog {
  Q_OBJECT
 public:
  using FolderSource = std::function<std::filesystem::path()>;

  // Reads the custom method list from the data folder's file, if there is one.
  TEquationEditor(FolderSource dataFolder, IMessageSink& sink, TPluginsManager& hub, QWidget* parent = nullptr);
  ~TEquationEditor() override;

  TCalculator& calculator() const { return *calculator_; }
  QLineEdit* titleEdit() const { return title_; }
  QLineEdit* formulaEdit() const { return formula_; }
  CaptionComboBox* unitTopList() const { return unitTop_; }
  CaptionComboBox* unitBottomList() const { return unitBottom_; }
  QLabel* resultLabel() const { return result_; }
  QListWidget* errorList() const { return errors_; }
  QListWidget* methodsList() const { return methods_; }
  QTableWidget* variablesGrid() const { return variables_; }
  QPushButton* saveButton() const { return save_; }
  QPushButton* removeButton() const { return remove_; }
  QPushButton* removeVariableButton() const { return removeVariable_; }

  // The commands of the buttons.
  void Recheck();
  void AddVariable();
  void RemoveVariable();
  void SaveMethod();
  void RemoveMethod();
  void LoadMethod(int index);
  // Rewrites the custom equation file from the list (false after an error,
  // which is reported).
  bool WriteFile();

 signals:
  // The list of custom methods changed.
  void methodsChanged();

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;
  void changeEvent(QEvent* event) override;

 private:
  void buildUi();
  void reloadCaptions();
  void refreshGrid();
  void refillMethods();
  void updateButtons();
  void onVariableEdited(QTableWidgetItem* item);

  FolderSource dataFolder_;
  IMessageSink& sink_;
  std::unique_ptr<TCalculator> calculator_;
  bool filling_ = false;
  bool checkPassed_ = false;

  QPushButton* save_ = nullptr;
  QPushButton* remove_ = nullptr;
  QLabel* methodsCaption_ = nullptr;
  QListWidget* methods_ = nullptr;
  QLabel* titleCaption_ = nullptr;
  QLineEdit* title_ = nullptr;
  QLabel* hint_ = nullptr;
  QLabel* xEquals_ = nullptr;
  QLineEdit* formula_ = nullptr;
  CaptionComboBox* unitTop_ = nullptr;
  CaptionComboBox* unitBottom_ = nullptr;
  QLabel* result_ = nullptr;
  QLabel* errorsCaption_ = nullptr;
  QListWidget* errors_ = nullptr;
  QLabel* variablesCaption_ = nullptr;
  QTableWidget* variables_ = nullptr;
  QPushButton* addVariable_ = nullptr;
  QPushButton* removeVariable_ = nullptr;
  QPushButton* check_ = nullptr;
};

}  // namespace velmora
