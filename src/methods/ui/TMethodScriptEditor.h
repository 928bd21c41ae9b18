#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <filesystem>

#include "TScriptStepPages.h"
#include "TWizSteps.h"

class QAction;
class QLabel;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class IMessageSink;
class TPluginsManager;

// The "Method script editor": the stage tree of a method script on the
// left, the editing page of the selected command on the right, and a tool
// bar to make, open, save and rearrange scripts and to add every kind of
// command. Opened by "Method script editor..." on its own script, and by
// the methods editor's "Edit script" on a method's script (EditScript).
class TMethodScriptEditor : public QDialog {
  Q_OBJECT
 public:
  using Services = TScriptStepPages::Services;
  // The order of the command buttons on the tool bar.
  static constexpr std::array<std::uint32_t, kStepTypeCount> kToolBarOrder{
      kStepWait,           kStepStageName,       kStepActivePage,         kStepSimulation,
      kStepDummyData,      kStepConjunctionType, kStepElectrodeType,      kStepSupportingElectrolyte,
      kStepBeginCycle,     kStepActivation,      kStepParallelSamples,    kStepProgram,
      kStepStartRecord,    kStepStirrerType,     kStepControlsVisibility, kStepLoopsCount,
      kStepEndCycle,       kStepPredefPeaks,     kStepCalcMethod,         kStepControlSolution,
      kStepCustomEquation, kStepCalcTable,       kStepConcUnits,          kStepStatistics};

  TMethodScriptEditor(Services services, IMessageSink& sink, TPluginsManager& hub, QWidget* parent = nullptr);
  ~TMethodScriptEditor() override;

  // Opens the editor modally on `script` and takes the edited script back
  // into it; the editor's own script is restored afterwards. Returns
  // whether the script changed.
  bool EditScript(TWizSteps& script);

  // The script being edited.
  const TWizSteps& Script() const { return script_; }
  void SetScript(TWizSteps script);
  // The language of the stage names shown (1033 English, 1049 Russian).
  void SetLanguageId(std::int32_t languageId);

  // --- Commands of the tool bar ---------------------------------------------
  // Appends a command of `type` with its default data; the selection stays.
  void AddCommand(std::uint32_t type);
  void NewScript();
  // Reads a script file; false when nothing was loaded (another file type,
  // a damaged file, reported).
  bool OpenScript(const std::filesystem::path& file);
  bool SaveScript(const std::filesystem::path& file);
  void MoveUp();
  void MoveDown();
  // Asks "Remove selected?" and removes the selected command on Yes.
  void RemoveSelected();
  // The selected command's position, -1 for none.
  int Selected() const { return selected_; }
  void Select(int index);

  // --- Controls, for tests -------------------------------------------------------
  QTreeWidget* stageTree() const { return tree_; }
  TScriptStepPages* pages() const { return pages_; }
  QToolBar* toolBar() const { return toolBar_; }
  // The tool bar's button of a command type.
  QAction* commandAction(std::uint32_t type) const;
  QAction* moveUpAction() const { return moveUp_; }
  QAction* moveDownAction() const { return moveDown_; }
  QAction* removeAction() const { return remove_; }
  // The tree item of the command at `index`.
  QTreeWidgetItem* itemOf(int index) const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void buildUi();
  void retranslateUi();
  void rebuildTree();
  void refreshItem(int index);
  void updateActions();
  void onCurrentItemChanged(QTreeWidgetItem* item);
  void openScriptDialog();
  void saveScriptDialog();
  QString describe(const ValueRecord& command) const;

  Services services_;
  IMessageSink& sink_;
  TWizSteps script_;
  int selected_ = -1;
  std::int32_t languageId_ = 1033;
  bool rebuilding_ = false;

  QToolBar* toolBar_ = nullptr;
  QLabel* treeLabel_ = nullptr;
  QTreeWidget* tree_ = nullptr;
  TScriptStepPages* pages_ = nullptr;
  QAction* new_ = nullptr;
  QAction* open_ = nullptr;
  QAction* save_ = nullptr;
  QAction* moveUp_ = nullptr;
  QAction* moveDown_ = nullptr;
  QAction* remove_ = nullptr;
  std::array<QAction*, kStepTypeCount> commands_{};
  std::vector<QTreeWidgetItem*> items_;
};

}  // namespace velmora
