#include <QApplication>
#include <QDir>
#include <QThread>
#include <QTreeWidget>

#include "AppStartup.h"
#include "MainWindow.h"
#include "MethodFile.h"
#include "MethodScriptCreator.h"
#include "ScreenshotTour.h"
#include "ScriptEditorHost.h"
#include "TMethodScriptEditor.h"
#include "TMethodsLibrary.h"

namespace velmora {

namespace {

void settleEvents() {
  for (int i = 0; i < 5; ++i) {
    QApplication::processEvents();
    QThread::msleep(20);
  }
}

// The zinc method of the shipped library, or, when the library is not
// beside the program, a method whose standard script is generated.
TWizSteps ExampleScript() {
  TMethod method;
  const std::filesystem::path file =
      TMethodsLibrary::LibraryFolder(AppStartup::programFolder()) / "Zn-standard-additions.mtd";
  try {
    if (MethodFile::Read(file, method) && !method.Script.empty()) return method.Script;
  } catch (const std::exception&) {
    // Falls back to a generated script below.
  }
  method = TMethod{};
  method.AddDefaultLanguages();
  method.SupportingElectrolyte = "0.1 M HCOOH";
  method.Programs = TVAProgramsArray::Default();
  return MethodScriptCreator::Generate(method, 1);
}

}  // namespace

int ScreenshotTour::scriptEditor(MainWindow& w, const QString& folder) {
  TMethodScriptEditor& editor = w.scriptEditor().editor();
  const TWizSteps own = editor.Script();
  editor.SetScript(ExampleScript());
  // The predefined peaks page shows the most of a command.
  int shown = 0;
  for (std::size_t i = 0; i < editor.Script().size(); ++i) {
    if (editor.Script()[i].Type == kStepPredefPeaks) {
      shown = static_cast<int>(i);
      break;
    }
  }
  editor.Select(shown);
  editor.resize(1100, 640);
  editor.show();
  settleEvents();
  editor.stageTree()->scrollToItem(editor.itemOf(shown));
  settleEvents();
  const bool written = editor.grab().save(QDir(folder).filePath(QStringLiteral("script-editor.png")));
  editor.hide();
  editor.SetScript(own);
  return written ? 1 : 0;
}

}  // namespace velmora
