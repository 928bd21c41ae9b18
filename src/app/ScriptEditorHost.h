#pragma once

#include <QObject>
#include <memory>
#include <optional>

#include "TVAProgramsArray.h"
#include "TWizSteps.h"

namespace velmora {

class IFileDialogs;
class MainWindow;
class TMethodScriptEditor;
class TPluginsManager;

// Hosts the "Method script editor": "Method script editor..." opens it
// modally on its own script; the methods editor's "Edit script" calls
// editScript() with a method's script. "Modify" on a program command opens
// the record-parameters window modally on the command's programs, and the
// equation button opens the calculation window's equation editor.
class ScriptEditorHost : public QObject {
  Q_OBJECT
 public:
  ScriptEditorHost(MainWindow& window, TPluginsManager& hub);
  ~ScriptEditorHost() override;

  TMethodScriptEditor& editor() const { return *editor_; }
  // Opens the editor modally on `script` and takes the edited script back
  // into it; the editor's own script is kept for the next "Method script
  // editor...". Returns whether the script changed.
  bool editScript(TWizSteps& script);
  // The record-parameters window, modal, on a copy of `programs`; its own
  // programs come back afterwards. nullopt when the window is not there.
  std::optional<TVAProgramsArray> editPrograms(const TVAProgramsArray& programs);

 private:
  MainWindow& window_;
  std::unique_ptr<IFileDialogs> dialogs_;
  TMethodScriptEditor* editor_ = nullptr;
};

}  // namespace velmora
