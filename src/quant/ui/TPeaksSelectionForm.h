#pragma once

#include <QTimer>
#include <QWidget>
#include <vector>

#include "TElementPeak.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTableWidget;

namespace velmora {

class IPeaksHost;
class TArrayDataStruct;
class TPluginsManager;

// The "Peaks" window: the displayed curves with check boxes (written back
// into the main window's DisplayedCurves), "Select All" and the peak table
// grid ("Peak", "Value", "Begin", "End"). Docked at the main window's edge
// it collapses to a narrow strip with the vertical caption once the mouse
// has left it, and expands again when the mouse comes over the strip.
class TPeaksSelectionForm : public QWidget {
  Q_OBJECT
 public:
  TPeaksSelectionForm(IPeaksHost& host, TPluginsManager& hub, QWidget* parent = nullptr);

  // Re-reads the displayed curves; the same records keep their marks, a
  // changed list starts with every curve checked.
  void rebuildCurveList();
  // Shows a peak table in the grid (the selected peak stays selected).
  void showTable(const TElementsPeaksArr& table);
  const TElementsPeaksArr& table() const { return table_; }

  // The name of the selected grid row; false when none is selected.
  bool selectedPeak(std::string& name) const;
  void selectPeak(const std::string& name);
  // Checks every curve.
  void selectAll();
  // The grid as tab-separated text with its header line (Ctrl+C).
  QString gridText() const;
  void copyToClipboard() const;

  // --- Collapsing while docked ---
  void setAutoCollapse(bool on);
  bool collapsed() const { return collapsed_; }
  void collapse();
  void expand();

  QListWidget* curveList() const { return curves_; }
  QTableWidget* grid() const { return grid_; }

 signals:
  // The check marks changed (already written back).
  void checksChanged();
  // The curve list was rebuilt from the main window's selection.
  void curvesRebuilt();
  void chartDrawn();
  void selectedPeakChanged();
  // The window took the texts of a new language.
  void retranslated();

 protected:
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void retranslate();
  void onItemChanged(QListWidgetItem* item);
  void writeBack();
  void checkCollapse();
  bool docked() const;

  IPeaksHost& host_;
  QWidget* content_ = nullptr;
  QLabel* strip_ = nullptr;
  QLabel* curvesCaption_ = nullptr;
  QListWidget* curves_ = nullptr;
  QPushButton* selectAll_ = nullptr;
  QTableWidget* grid_ = nullptr;
  std::vector<const TArrayDataStruct*> listed_;
  TElementsPeaksArr table_;
  bool filling_ = false;
  bool autoCollapse_ = true;
  bool collapsed_ = false;
  bool entered_ = false;  // the mouse came over the window since it was shown
  int expandedWidth_ = 260;
  QTimer collapseTimer_;
};

}  // namespace velmora
