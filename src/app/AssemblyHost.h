#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

namespace velmora {

class MainWindow;
class TAssemblyForm;

// The "Assembly assistant..." command: owns the assistant (created once,
// shown on demand) and gives it the analyzer's state and the Options
// dialog's connection page.
class AssemblyHost : public QObject {
  Q_OBJECT
 public:
  explicit AssemblyHost(MainWindow& window);
  ~AssemblyHost() override;

  TAssemblyForm& form() const;
  // Shows the start page.
  void show();
  // "help/pics" beside the program, or in the installed data folder.
  static QString picturesFolder();

 private:
  MainWindow& window_;
  QPointer<TAssemblyForm> form_;
};

}  // namespace velmora
