#pragma once

#include <QWidget>
#include <functional>

#include "ArchiveFilter.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QSortFilterProxyModel;
class QTableView;
class QToolBar;

namespace velmora {

class ControlChartWindow;
class IResultsArchive;
class ResultsTableModel;

// "Results": the archive of results, filtered by sample, control, element,
// method, operator and date, sortable by any column, simulated results
// marked; the selection exported to CSV or a workbook, a result's source
// document opened at its curves, control results typed by hand, and the
// control chart of a control and an element.
class ResultsWindow : public QWidget {
  Q_OBJECT
 public:
  // At most this many results are listed (the newest).
  static constexpr std::size_t kMaxRows = 100000;

  ResultsWindow(IResultsArchive* archive, std::string operatorName, QWidget* parent = nullptr);
  ~ResultsWindow() override;

  void setArchive(IResultsArchive* archive);
  IResultsArchive* archive() const { return archive_; }
  // Reloads the lists and the results from the archive.
  void refresh();
  // The filter as the controls set it.
  ArchiveFilter filter() const;
  // The selected results (all listed ones when none is selected), in the
  // order shown.
  std::vector<ArchiveRow> selectedRows() const;
  // Writes the selection as CSV or a workbook (by the extension); false
  // and a message box when it cannot.
  bool exportTo(const QString& file);
  // Opens the dialog for a hand-typed control result; true when one was archived.
  bool addControlResult();
  void openControlChart();
  // Runs instead of the dialog when set (tests).
  void setDialogRunner(std::function<bool(QDialog&)> runner) { runDialog_ = std::move(runner); }

  ResultsTableModel& model() const { return *model_; }
  QTableView* view() const { return view_; }
  QComboBox* sampleList() const { return sample_; }
  QComboBox* controlList() const { return control_; }
  QComboBox* elementList() const { return element_; }
  QComboBox* methodList() const { return method_; }
  QComboBox* operatorList() const { return operator_; }
  QCheckBox* fromBox() const { return fromOn_; }
  QCheckBox* toBox() const { return toOn_; }
  QDateEdit* fromDate() const { return from_; }
  QDateEdit* toDate() const { return to_; }
  QLabel* status() const { return status_; }
  ControlChartWindow* chartWindow() const { return chart_; }

 signals:
  // "Open document": the document of a result and the names of its curves.
  void openDocumentRequested(const QString& path, const QStringList& curves);

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void retranslateUi();
  void fillLists();
  void requery();
  void openDocument();
  void exportSelection(bool workbook);
  void updateActions();
  void showError(const QString& text);

  IResultsArchive* archive_;
  std::string operatorName_;
  QToolBar* toolBar_;
  QAction* refreshAction_;
  QAction* addControlAction_;
  QAction* openAction_;
  QAction* chartAction_;
  QAction* csvAction_;
  QAction* xlsxAction_;
  QList<QLabel*> labels_;
  QComboBox* sample_;
  QComboBox* control_;
  QComboBox* element_;
  QComboBox* method_;
  QComboBox* operator_;
  QCheckBox* fromOn_;
  QCheckBox* toOn_;
  QDateEdit* from_;
  QDateEdit* to_;
  ResultsTableModel* model_;
  QSortFilterProxyModel* proxy_;
  QTableView* view_;
  QLabel* status_;
  ControlChartWindow* chart_ = nullptr;
  bool filling_ = false;
  std::function<bool(QDialog&)> runDialog_;
};

}  // namespace velmora
