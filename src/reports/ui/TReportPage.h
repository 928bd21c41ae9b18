#pragma once

#include <QWidget>
#include <functional>

#include "TMethodStat.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTableWidget;
class QTableWidgetItem;
class QToolBar;

namespace velmora {

class CaptionComboBox;
class TReportRec;
class TReportStore;

// The page "Report" of the calculation window: the list of saved reports,
// the current report's title, display units and statistics, and its table
// (element, comments, X_i, X_med, R, δ, Δ) with editable comments and, when
// the report has no statistics, editable δ.
class TReportPage : public QWidget {
  Q_OBJECT
 public:
  TReportPage(TReportRec& report, TReportStore& store, QWidget* parent = nullptr);
  ~TReportPage() override;

  // Item data of a grid cell drawn with a red frame (a δ to be given).
  static constexpr int kRedFrameRole = Qt::UserRole + 1;

  // The statistics records offered besides "Custom".
  void setStatistics(const TMethodStatArr* records);
  // Asks Yes/No/Cancel; tests replace it. Returns QMessageBox::StandardButton.
  std::function<int(const QString& question)> ask;

  // --- Commands of the page's tool bar ---
  void saveReport();
  // Asks "Remove selected?" and removes the selected saved report.
  void removeReport();
  // Removes the element of the grid's current row.
  void removeElement();
  // Asks to save an unsaved report, then clears it; false when cancelled.
  bool clearReport();

  void refill();
  void refillReports();
  QTableWidget* grid() const { return grid_; }
  QListWidget* reports() const { return reports_; }
  QToolBar* toolBar() const { return toolBar_; }
  QComboBox* statisticsList() const { return statistics_; }
  QLineEdit* titleEdit() const { return title_; }
  int selectedReport() const;

 signals:
  void commandsChanged();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void retranslateUi();
  void fillUnits();
  void fillGrid();
  void openReport(int row);
  bool askSave();
  void cellEdited(QTableWidgetItem* item);
  void showError(const QString& text);

  TReportRec& report_;
  TReportStore& store_;
  const TMethodStatArr* records_ = nullptr;
  bool filling_ = false;
  int shownReport_ = -1;
  QListWidget* reports_ = nullptr;
  QGroupBox* listBox_ = nullptr;
  QGroupBox* unitsBox_ = nullptr;
  QLabel* titleLabel_ = nullptr;
  QLabel* statisticsLabel_ = nullptr;
  QLineEdit* title_ = nullptr;
  CaptionComboBox* unitTop_ = nullptr;
  CaptionComboBox* unitBottom_ = nullptr;
  QComboBox* statistics_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QTableWidget* grid_ = nullptr;
};

}  // namespace velmora
