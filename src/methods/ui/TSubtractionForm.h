#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "TTableContent.h"

class QCustomPlot;
class QListWidget;
class QPushButton;

namespace velmora {

class CurvePlottable;
class TNodeForest;
class TPluginsManager;

// The "Subtraction" window: subtracts one displayed curve (the blank,
// typically) from the curves shown in the main chart. The minuend list's
// check marks choose what the preview shows; "Apply" changes every
// displayed curve in place, "Create new" first copies the selected nodes
// below a new node and applies to the copies.
class TSubtractionForm : public QWidget {
  Q_OBJECT
 public:
  struct Host {
    std::function<TTableContentArr&()> DisplayedCurves;
    std::function<TNodeForest&()> Forest;
    // The curves changed: the main window marks the document modified and
    // refreshes its chart and calculations.
    std::function<void()> CurvesChanged;
    std::function<QColor(int colorIndex)> CurveColor;
  };

  static constexpr int HelpContext = 36;

  TSubtractionForm(Host host, TPluginsManager& hub, QWidget* parent = nullptr);

  // Refills both lists from the displayed curves and rebuilds the preview.
  void refill();
  void rebuildPreview();
  void apply();
  void createNew();

  QListWidget* minuends() const { return minuends_; }
  QListWidget* subtrahends() const { return subtrahends_; }
  QCustomPlot* preview() const { return preview_; }
  QPushButton* helpButton() const { return help_; }
  // Titles of the series on the preview chart.
  QStringList previewTitles() const;

 signals:
  void visibilityChanged(bool visible);
  // "Help" with the window's help context.
  void helpRequested(int context);

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void retranslate();
  std::vector<class TArrayDataStruct*> curves() const;

  Host host_;
  QListWidget* minuends_ = nullptr;
  QListWidget* subtrahends_ = nullptr;
  QCustomPlot* preview_ = nullptr;
  std::vector<CurvePlottable*> series_;
  QPushButton* apply_ = nullptr;
  QPushButton* createNew_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* help_ = nullptr;
  bool busy_ = false;
};

}  // namespace velmora
