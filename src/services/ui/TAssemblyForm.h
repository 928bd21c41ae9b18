#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "AssemblyPlan.h"

class QLabel;
class QPushButton;
class QStackedWidget;
class QTimer;
class QToolButton;

namespace velmora {

class AssemblyPicture;

// The "Assembly assistant": a start page with four set-ups as picture
// buttons, then one step at a time a looping picture sequence with its
// instruction, and "Back", "Next" and "Help"; the last step sets up the
// connection to the analyzer.
class TAssemblyForm : public QDialog {
  Q_OBJECT
 public:
  static constexpr int HelpContext = 8;
  static constexpr int SpeedStepMs = 50;
  // The size of the picture area (the drawings are made for it).
  static constexpr int PictureWidth = 480;
  static constexpr int PictureHeight = 320;

  // `picturesFolder` holds the set-up folders ("Analyzer", "RDE", ...).
  explicit TAssemblyForm(const QString& picturesFolder, QWidget* parent = nullptr);
  ~TAssemblyForm() override;

  // True while the analyzer records or is on line: the connection step
  // then closes the assistant.
  std::function<bool()> analyzerBusy;
  // Opens the Options dialog modally on its connection page.
  std::function<void()> openConnectionSettings;
  // Opens the help at a context number; without it there is no "Help".
  void setHelpHandler(std::function<void(int context)> handler);

  // Chooses a set-up from the start page and goes to its first step.
  void chooseSetup(int setup);
  // Goes to a step: -1 is the start page; beyond the last step closes.
  void goToStep(int step);
  void back() { goToStep(step_ - 1); }
  void next() { goToStep(step_ + 1); }
  void showHelp();

  // --- State, for tests and the screenshot tour ---
  int setup() const { return setup_; }
  int step() const { return step_; }
  const AssemblyPlan& plan() const { return plan_; }
  // The frame shown last and the one the timer shows next.
  int shownFrame() const { return shownFrame_; }
  int nextFrame() const { return nextFrame_; }
  bool animating() const;
  int interval() const;
  // Shows the next frame now (what the timer does).
  void tick();
  // Left click: faster; right click: slower.
  void faster();
  void slower();
  bool onStartPage() const;
  QString instruction() const;
  QString pictureMessage() const;
  QPushButton* backButton() const { return back_; }
  QPushButton* nextButton() const { return next_; }
  QPushButton* helpButton() const { return help_; }
  QToolButton* setupButton(int index) const { return setupButtons_[index]; }
  QString picturesFolder() const { return folder_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void restartAnimation();
  void stopAnimation();
  void retranslate();
  void updateNextCaption();

  QString folder_;
  AssemblyPlan plan_;
  int setup_ = -1;
  int step_ = -1;
  int firstFrame_ = 0;
  int lastFrame_ = 0;
  int nextFrame_ = 0;
  int shownFrame_ = -1;
  std::function<void(int)> help_handler_;

  QTimer* timer_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  AssemblyPicture* picture_ = nullptr;
  QLabel* instruction_ = nullptr;
  QLabel* chooseLabel_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* next_ = nullptr;
  QPushButton* help_ = nullptr;
  QToolButton* setupButtons_[4] = {};
};

}  // namespace velmora
