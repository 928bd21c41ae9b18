#pragma once

#include <QString>

namespace velmora {

// The document commands (open, save, import, recent files) as the main
// window calls them. The controller that implements them is installed with
// MainWindow::setDocumentCommands(); it adopts the File actions it serves.
class IDocumentCommands {
 public:
  virtual ~IDocumentCommands() = default;
  // "&New": asks to save changes, then clears the document. False when the
  // user cancelled.
  virtual bool New() = 0;
  virtual void Open() = 0;
  // Reads the file into the current document (the command line's file).
  virtual void OpenFile(const QString& fileName) = 0;
  // Replaces the document with the file: asks to save changes first, and
  // the open document goes only once the file was read whole (a damaged
  // file or a cancelled reading keeps it). False when it did not open.
  virtual bool OpenDocument(const QString& fileName) = 0;
  virtual void AppendFile() = 0;
  virtual void Import() = 0;
  virtual void Save() = 0;
  virtual void SaveAs() = 0;
  // The save question before the document goes away; false on Cancel.
  virtual bool QuerySave() = 0;
};

}  // namespace velmora
