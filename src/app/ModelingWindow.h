#pragma once

#include <QWidget>
#include <vector>

#include "SignalModel.h"

class QAction;
class QCustomPlot;
class QLabel;
class QTableWidget;

namespace velmora {

class TPluginsManager;

// "Modeling" (the check command "Signal modeling"): a stay-on-top window
// where peaks are typed in a grid ("Peak", "Potential", "Height", "Width")
// and the signal they make, the sum of their Gaussians, is drawn beside
// them. The model is the window's own: nothing of it enters the document.
class ModelingWindow : public QWidget {
  Q_OBJECT
 public:
  // `toggle` is the check command that shows and hides the window.
  ModelingWindow(TPluginsManager& hub, QAction* toggle, QWidget* parent = nullptr);

  QTableWidget* grid() const { return grid_; }
  QCustomPlot* chart() const { return chart_; }
  // The peaks of the grid's complete rows (unreadable numbers are framed
  // in red and leave their row out).
  std::vector<TModelPeak> peaks() const;

 signals:
  void visibilityChanged(bool visible);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void retranslate();
  void cellEdited(int row);
  void redraw();

  QTableWidget* grid_ = nullptr;
  QCustomPlot* chart_ = nullptr;
  QLabel* note_ = nullptr;
  bool filling_ = false;
};

}  // namespace velmora
