#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "TElementPeak.h"

namespace velmora {

class IPeaksHost;
class TPeakEditor;
class TPluginsManager;

// Manual peak marking on the main chart ("Peaks marking"): hovering within
// 5 pixels of a row's begin or end line grabs it (resize cursor); pressing
// on empty space creates a peak on every checked curve and drags its end;
// pressing on a grabbed line drags that border on every checked curve that
// holds the peak; releasing a new peak asks for its name. A right click
// asks for the chart menu whatever the mode.
class TPeakMarking : public QObject {
  Q_OBJECT
 public:
  // Asks for a peak name: (prompt line, initial text) -> the text, or
  // nothing on cancel. Tests replace the dialog.
  using NameAsker = std::function<std::optional<QString>(const QString& prompt, const QString& initial)>;

  TPeakMarking(IPeaksHost& host, TPeakEditor& editor, TPluginsManager& hub,
               std::function<const TElementsPeaksArr&()> table, std::function<void()> refresh,
               QObject* parent = nullptr);

  void setActive(bool on);
  bool active() const { return active_; }
  void setNameAsker(NameAsker asker) { askName_ = std::move(asker); }
  // The calculation type new peaks get (the one "Change peak calculation
  // type" shows).
  void setCalcTypeSource(std::function<int()> source) { calcType_ = std::move(source); }
  // AdditionConc of a new peak from the wizard's predefined peak of its name.
  double additionConcFor(const std::string& name) const;

  // The grabbed row (-1 none) and whether a border is being dragged.
  int grabbedRow() const { return grabbed_; }
  bool dragging() const { return drag_ != Drag::None; }

  // Mouse events of the chart in its pixel coordinates.
  void mouseMove(int x, int y);
  void mouseDown(int button, int x, int y);
  void mouseUp(int button, int x, int y);

  // The standard naming dialog ("Enter the name, please...").
  static std::optional<QString> askNameDialog(QWidget* parent, const QString& prompt, const QString& initial);

 signals:
  // A right click on the chart at pixel x.
  void contextMenuRequested(int x, int y);

 private:
  enum class Drag { None, Begin, End };
  double potentialAt(int x) const;
  double pixelOf(double potential) const;
  int rowAt(int x) const;
  void finishCreating();
  void setCursorShape(bool resize);

  IPeaksHost& host_;
  TPeakEditor& editor_;
  std::function<const TElementsPeaksArr&()> table_;
  std::function<void()> refresh_;
  std::function<int()> calcType_;
  NameAsker askName_;
  bool active_ = false;
  int grabbed_ = -1;
  Drag drag_ = Drag::None;
  bool creating_ = false;
  std::string rowName_;
  double rowBegin_ = 0.0;
  double rowEnd_ = 0.0;
  double pressed_ = 0.0;
  double borderStart_ = 0.0;
};

}  // namespace velmora
