#pragma once

#include <QObject>

namespace velmora {

class MainWindow;
class TPluginsManager;
class TSubtractionForm;
class TimerWindow;

// The main window's tool windows and tree tool: the "Timer" window ("Show
// timer"), the "Subtraction" window and "Tree &auto creation".
class MainToolsHost : public QObject {
  Q_OBJECT
 public:
  MainToolsHost(MainWindow& window, TPluginsManager& hub);

  TimerWindow& timer() const { return *timer_; }
  TSubtractionForm& subtraction() const { return *subtraction_; }
  // "Tree &auto creation": groups the root nodes recorded one after another.
  void FindPairsActnExecute();

 private:
  MainWindow& window_;
  TimerWindow* timer_ = nullptr;
  TSubtractionForm* subtraction_ = nullptr;
};

}  // namespace velmora
