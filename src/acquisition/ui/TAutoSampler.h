#pragma once

#include <QWidget>
#include <array>

#include "SamplerTray.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace velmora {

class TSamplerCell;

// The autosampler's tray drawn as a panel: 15 round cells on a circle,
// turned so that the cell under the electrode (the reported Position)
// sits at the left, and in the middle the panel of the active cell with
// its type, sample, comments and methods. Edits go straight into the tray
// model; every change is announced so that the setup window can follow.
class TAutoSampler : public QWidget {
  Q_OBJECT
 public:
  explicit TAutoSampler(QWidget* parent = nullptr);

  // The model shown and edited (not owned; null shows an empty tray).
  void setTray(SamplerTray* tray);
  SamplerTray* tray() const { return tray_; }
  // Re-reads every cell and the active cell's panel from the model.
  void refresh();

  TSamplerCell* Cells(int index) const { return cells_.at(static_cast<std::size_t>(index)); }
  // The active cell 0..14, -1 none.
  int ActiveCell() const { return activeCell_; }
  void setActiveCell(int index);
  // The tray position reported by the analyzer, 0-based (-1 unknown).
  int Position() const { return position_; }
  void setPosition(int position);
  // The diameter of a cell: the smaller of width and height divided by 6.
  int CellWidth() const;
  int SamplesMaxCount() const { return tray_ ? tray_->SamplesMaxCount() : 0; }
  // Locks the tray against edits (during a run).
  void setLocked(bool locked);

  // The active cell's panel, for tests and the screenshot tour.
  QFrame* cellPanel() const { return panel_; }
  QComboBox* cellTypeList() const { return typeList_; }
  QComboBox* sampleList() const { return sampleList_; }
  QLineEdit* commentsEdit() const { return comments_; }
  QListWidget* methodsList() const { return methods_; }
  QLabel* hintLabel() const { return hint_; }

 signals:
  // OnExchangeCells: two cells were exchanged.
  void cellsExchanged(int from, int to);
  // A cell's type, sample, comments or methods were edited.
  void trayEdited();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void placeCells();
  void showPanel();
  void retranslateUi();
  void onMethodItemChanged(QListWidgetItem* item);

  SamplerTray* tray_ = nullptr;
  std::array<TSamplerCell*, SamplerTray::CellCount> cells_{};
  int activeCell_ = -1;
  int position_ = 0;
  bool locked_ = false;
  bool filling_ = false;

  QFrame* panel_ = nullptr;
  QLabel* title_ = nullptr;
  QLabel* typeLabel_ = nullptr;
  QComboBox* typeList_ = nullptr;
  QLabel* sampleLabel_ = nullptr;
  QComboBox* sampleList_ = nullptr;
  QLabel* commentsLabel_ = nullptr;
  QLineEdit* comments_ = nullptr;
  QLabel* methodsLabel_ = nullptr;
  QListWidget* methods_ = nullptr;
  QLabel* hint_ = nullptr;
};

}  // namespace velmora
