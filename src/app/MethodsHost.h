#pragma once

#include <QList>
#include <QObject>
#include <filesystem>
#include <functional>
#include <memory>

class QAction;
class QMenu;

namespace velmora {

class IFileDialogs;
class IMessageSink;
class MainWindow;
class TMethodStatLibrary;
class Settings;
class TMethodEditForm;
class TMethodsLibrary;
struct TMethod;

// The methods library in the main window: loads it at start (and after the
// methods editor closes), builds the method items of the "Methods" menu,
// applies a chosen method to the record-parameters window and the
// calculation, hosts "Clear method" and the methods editor, and gives the
// statistics window the library's statistics and their write-back.
class MethodsHost : public QObject {
  Q_OBJECT
 public:
  MethodsHost(MainWindow& window, Settings& settings);
  ~MethodsHost() override;

  // Reads the library ("methods" beside the program, then the methods saved
  // from the wizard), reports each method that cannot be read once, and
  // rebuilds the menu. `progress` hears each file name before it is read.
  void load(const std::function<void(const std::string&)>& progress = {});
  // The method items and submenus of "Methods", anew.
  void rebuildMenu();
  // A menu click: the record-parameters window takes the method and is
  // shown; the calculation takes its calculation method.
  void applyMethod(std::size_t index);
  void ClearMethodActnExecute();
  // The methods editor, modally; the library is read again afterwards.
  void CreateMethodActnExecute();

  // Where the library lives (by default "methods" beside the program).
  void setLibraryFolder(const std::filesystem::path& folder);
  TMethodsLibrary& library() const { return *library_; }
  TMethodEditForm& editor() const { return *editor_; }
  TMethodStatLibrary& statLibrary() const { return *statLibrary_; }
  QMenu* menu() const { return menu_; }
  // The method items and submenu items now in the menu, in menu order.
  QList<QAction*> methodActions() const { return items_; }

  // The language method texts are shown in: LocaleID, or the language in
  // force when LocaleID leaves it to the user's default (0).
  std::int32_t languageId() const;

 private:
  void applyCalcMethod(const TMethod& method);

  MainWindow& window_;
  Settings& settings_;
  std::unique_ptr<TMethodsLibrary> library_;
  std::unique_ptr<TMethodStatLibrary> statLibrary_;
  std::unique_ptr<IFileDialogs> dialogs_;
  std::unique_ptr<IMessageSink> sink_;
  TMethodEditForm* editor_ = nullptr;
  QMenu* menu_ = nullptr;
  QList<QAction*> items_;     // method items (also those inside submenus)
  QList<QAction*> inserted_;  // what this host put into the menu itself
};

}  // namespace velmora
