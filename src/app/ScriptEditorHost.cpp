#include "ScriptEditorHost.h"

#include <QAction>
#include <QEvent>
#include <QEventLoop>
#include <QInputDialog>

#include "CalcHost.h"
#include "HideWatcher.h"
#include "MainWindow.h"
#include "QtFileDialogs.h"
#include "RecordParametersHost.h"
#include "StatisticsHost.h"
#include "TMethodScriptEditor.h"
#include "TOldStyleRecordForm.h"

namespace velmora {

ScriptEditorHost::ScriptEditorHost(MainWindow& window, TPluginsManager& hub)
    : QObject(&window), window_(window), dialogs_(std::make_unique<QtFileDialogs>(&window)) {
  TMethodScriptEditor::Services services;
  services.Dialogs = dialogs_.get();
  services.Statistics = &window.statistics().database();
  services.EditPrograms = [this](const TVAProgramsArray& programs) { return editPrograms(programs); };
  services.EditEquations = [this] { window_.calculations().EqEditorActnExecute(); };
  services.AskText = [this](const QString& caption, const QString& text) -> std::optional<QString> {
    bool ok = false;
    const QString answer = QInputDialog::getText(editor_, caption, QString(), QLineEdit::Normal, text, &ok);
    return ok ? std::optional<QString>(answer) : std::nullopt;
  };
  editor_ = new TMethodScriptEditor(std::move(services), window.messageSink(), hub, &window);
  window.actions().adopt("MethodScriptEditorActn");
  connect(window.action("MethodScriptEditorActn"), &QAction::triggered, editor_, [this] { editor_->exec(); });
}

ScriptEditorHost::~ScriptEditorHost() { delete editor_; }

bool ScriptEditorHost::editScript(TWizSteps& script) { return editor_->EditScript(script); }

std::optional<TVAProgramsArray> ScriptEditorHost::editPrograms(const TVAProgramsArray& programs) {
  TOldStyleRecordForm& form = window_.recordParameters().form();
  const TVAProgramsArray own = form.GetPrograms();
  const bool wasVisible = form.isVisible();
  const Qt::WindowModality modality = form.windowModality();
  form.hide();
  form.SetPrograms(programs);
  form.setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  HideWatcher watcher(loop);
  form.installEventFilter(&watcher);
  form.show();
  loop.exec();
  form.removeEventFilter(&watcher);
  TVAProgramsArray edited = form.GetPrograms();
  form.setWindowModality(modality);
  form.SetPrograms(own);
  if (wasVisible) form.show();
  return edited;
}

}  // namespace velmora
