#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace velmora {

class HelpViewer;
class MainWindow;

// The help of the workstation: opens the help window at a context number in
// the user-interface language (the application's int property
// "velmoraLanguage": 1049 Russian, 1033 English, absent English; English
// pages when a language has none).
//
// Where a context comes from:
// - F1 and "&Help Context": the int property "helpContext" of the focus
//   widget or, walking up, of its window; the main window's own otherwise;
// - a window's signal helpRequested(int) (the dialogs' "Help" buttons): it
//   is connected when the window is first shown, so new dialogs need no
//   wiring of their own;
// - the assembly assistant's help handler and the start panel's "User guide".
//
// The host also gives the windows it knows their context numbers
// (HelpContexts.h), following the page where a window has pages.
class HelpHost : public QObject {
  Q_OBJECT
 public:
  explicit HelpHost(MainWindow& window);
  ~HelpHost() override;

  // The folder holding VA_ENU, VA_RUS and pics: $VELMORA_HELP_DIR, "help"
  // beside the program, or the installed share folder.
  static QString defaultHelpFolder();
  void setHelpFolder(const QString& folder) { folder_ = folder; }
  QString helpFolder() const { return folder_; }

  // The context number F1 uses for a widget.
  int contextOf(const QWidget* widget) const;
  // Opens the help at the active window's context.
  void showActiveWindowHelp();

 public slots:
  // Opens the help at a context number (unknown numbers: the contents).
  void showContext(int context);

 public:
  // The help window, once it was opened.
  HelpViewer* viewer() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void assignContexts();
  void connectHelpSignal(QWidget* window);
  HelpViewer& ensureViewer();

  MainWindow& window_;
  QString folder_;
  QPointer<HelpViewer> viewer_;
};

}  // namespace velmora
