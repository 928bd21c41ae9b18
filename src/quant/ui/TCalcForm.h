#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CalcGridLayout.h"
#include "CalcParamList.h"
#include "TConcCalculation.h"
#include "TPeakRecord.h"

class QComboBox;
class QLabel;
class QSplitter;
class QStatusBar;
class QTabWidget;
class QTableWidget;
class QTableWidgetItem;
class QToolBar;

namespace velmora {

class CaptionComboBox;
class ICalcHost;
class TCalcGrid;
class TCalculator;
class TPluginsManager;
class TStatForm;

// The "Calculations" window: the method list and its tool bar, the table of
// the shown curves and their elements with the results, the parameter list,
// and the docked calculation chart. It holds no document data: everything
// shown comes from the shown curves and every edit is written back into all
// of them, with its undo step.
class TCalcForm : public QWidget {
  Q_OBJECT
 public:
  TCalcForm(ICalcHost& host, TPluginsManager& hub, QWidget* parent = nullptr);
  ~TCalcForm() override;

  TConcCalculation& calculation() { return calc_; }
  const CalcGridLayout& gridLayout() const { return layout_; }
  const CalcParamList& paramList() const { return params_; }

  // The full refresh: method, table, units, check boxes, parameters, grid
  // and results.
  void Recalculate();
  // Recalculate while this window or its chart is shown (after peak edits
  // elsewhere).
  void RecalculateIfShown();
  // Results, input check and chart without rebuilding the table.
  void UpdateResults();
  // Selects a method and writes it into every shown curve (no undo step:
  // callers that edit record one).
  void SetMethod(int method);
  // Stores the abscissa type and writes it into every shown curve.
  void SetCalibrationType(int type);
  // Chooses a method or abscissa as the lists do: one undo step, the
  // refresh and the document modified.
  void chooseMethod(int method);
  void chooseCalibrationType(int type);

  // The calculation chart docked into the right panel while this window is
  // shown; it floats while this window is hidden.
  void setStatForm(TStatForm* form);
  // Refills the method list (custom methods added elsewhere).
  void refillMethodList();

  // --- Edits, as the controls make them ---
  void chooseRole(std::size_t curve, int role);
  void chooseResultUnits(int top, int bottom);
  void chooseSampleUnits(int top, int bottom);
  void chooseElementUnits(std::size_t element, int top, int bottom);
  // Copies the rows of a block of peak cells over further rows.
  void fillPeaks(int sourceTop, int sourceBottom, int left, int right, int targetTop, int targetBottom);
  void copySelection();
  // Pastes tab / line-feed text from the current cell (the first cell that
  // takes text when none is current), each cell as if typed; cells that
  // cannot take their text keep their values and are named in the status
  // bar. Returns the number of cells pasted.
  int pasteText(const QString& text);
  void pasteClipboard();
  void addCell();
  void addPeak();
  void removeCell();
  // The element of the selected peak cell, if any.
  std::optional<std::string> selectedPeakName() const;

  // --- For the main window and the tests ---
  TCalcGrid* grid() const { return grid_; }
  QTableWidget* paramsEditor() const { return paramsEditor_; }
  QComboBox* methodList() const { return methodList_; }
  QComboBox* abscissaList() const { return abscissaList_; }
  QComboBox* roleList() const { return roleList_; }
  CaptionComboBox* unitTopList() const { return unitTop_; }
  CaptionComboBox* unitBottomList() const { return unitBottom_; }
  QLabel* legend() const { return legend_; }
  QLabel* hintPanel() const { return hint_; }
  QStatusBar* statusBar() const { return status_; }
  QTabWidget* pages() const { return pages_; }
  QWidget* chartPanel() const { return chartPanel_; }
  bool inputValid() const { return inputValid_; }

 signals:
  void visibilityChanged(bool visible);
  // After every input check: the method, its table or its input changed.
  void inputChecked();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildUi();
  void retranslateUi();
  void fillAbscissaList();
  void showMethod();
  void fillParams();
  void layOutGrid();
  void fillGrid();
  void fitCaptionColumns();
  // Gives the table the width its columns need and the chart the rest,
  // until the user moves the divider.
  void balanceSplitter();
  void writeResults();
  void inputCheck();
  void refreshStat();
  QString cellText(const CalcGridLayout::Cell& cell) const;
  const TPeakRecord* peakOf(std::size_t curve, std::size_t element) const;
  void setCell(int row, int column, const QString& text);

  void onItemChanged(QTableWidgetItem* item);
  void onCurrentCellChanged(int row, int column);
  void onParamChanged(QTableWidgetItem* item);
  bool applyCellText(int row, int column, const QString& text);
  void hideCellEditors();
  void placeUnitLists(int row, int column);
  void onUnitListChosen();
  void updateCommandStates();
  void edited();
  void syncCurves();

  ICalcHost& host_;
  TConcCalculation calc_;
  std::unique_ptr<TCalculator> calculator_;
  CalcGridLayout layout_;
  CalcParamList params_;
  std::vector<std::vector<int>> peakIndex_;  // [curve][element]: index into the curve's peaks, -1 none
  bool refilling_ = false;
  bool inputValid_ = false;
  CalcGridLayout::Editor unitEditor_ = CalcGridLayout::Editor::None;
  int unitElement_ = -1;
  int roleCurve_ = -1;
  bool splitByHand_ = false;

  QTabWidget* pages_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QComboBox* methodList_ = nullptr;
  QComboBox* abscissaList_ = nullptr;
  QAction* abscissaAction_ = nullptr;
  QSplitter* splitter_ = nullptr;
  TCalcGrid* grid_ = nullptr;
  QTableWidget* paramsEditor_ = nullptr;
  QLabel* legend_ = nullptr;
  QLabel* hint_ = nullptr;
  QLabel* noMethod_ = nullptr;
  QWidget* calcArea_ = nullptr;
  QWidget* chartPanel_ = nullptr;
  QLabel* reportText_ = nullptr;
  QStatusBar* status_ = nullptr;
  QComboBox* roleList_ = nullptr;
  CaptionComboBox* unitTop_ = nullptr;
  CaptionComboBox* unitBottom_ = nullptr;
  QPointer<TStatForm> statForm_;
};

}  // namespace velmora
