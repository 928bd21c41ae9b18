#include "ResultsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include "ArchiveTable.h"
#include "CalcMethods.h"
#include "ControlChartWindow.h"
#include "ControlResultDialog.h"
#include "EArchiveError.h"
#include "FormatError.h"
#include "IResultsArchive.h"
#include "PlainMessageBox.h"
#include "ResultsTableModel.h"
#include "UiText.h"

namespace velmora {

namespace {

const char* const kFilterLabels[] = {
    QT_TRANSLATE_NOOP("velmora::ResultsWindow", "Sample:"),   QT_TRANSLATE_NOOP("velmora::ResultsWindow", "Control:"),
    QT_TRANSLATE_NOOP("velmora::ResultsWindow", "Element:"),  QT_TRANSLATE_NOOP("velmora::ResultsWindow", "Method:"),
    QT_TRANSLATE_NOOP("velmora::ResultsWindow", "Operator:"),
};

QComboBox* FilterList() {
  auto* box = new QComboBox;
  box->setMinimumContentsLength(10);
  box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  return box;
}

// Keeps the chosen entry when the list is refilled.
void Refill(QComboBox* box, const QString& any, const std::vector<std::string>& values) {
  const QVariant keep = box->currentData();
  box->clear();
  box->addItem(any);
  for (const std::string& v : values) box->addItem(UiText::fromStd(v), UiText::fromStd(v));
  const int index = keep.isValid() ? box->findData(keep) : 0;
  box->setCurrentIndex(index >= 0 ? index : 0);
}

std::optional<std::string> Chosen(const QComboBox* box) {
  const QVariant data = box->currentData();
  if (!data.isValid()) return std::nullopt;
  return UiText::toStd(data.toString());
}

}  // namespace

ResultsWindow::ResultsWindow(IResultsArchive* archive, std::string operatorName, QWidget* parent)
    : QWidget(parent, Qt::Window), archive_(archive), operatorName_(std::move(operatorName)) {
  setObjectName(QStringLiteral("ResultsWindow"));
  auto* layout = new QVBoxLayout(this);
  toolBar_ = new QToolBar(this);
  refreshAction_ = toolBar_->addAction(QString(), this, &ResultsWindow::refresh);
  toolBar_->addSeparator();
  addControlAction_ = toolBar_->addAction(QString(), this, [this] { addControlResult(); });
  chartAction_ = toolBar_->addAction(QString(), this, &ResultsWindow::openControlChart);
  openAction_ = toolBar_->addAction(QString(), this, &ResultsWindow::openDocument);
  toolBar_->addSeparator();
  csvAction_ = toolBar_->addAction(QString(), this, [this] { exportSelection(false); });
  xlsxAction_ = toolBar_->addAction(QString(), this, [this] { exportSelection(true); });
  layout->addWidget(toolBar_);

  auto* filters = new QGridLayout;
  sample_ = FilterList();
  control_ = FilterList();
  element_ = FilterList();
  method_ = FilterList();
  operator_ = FilterList();
  QComboBox* lists[] = {sample_, control_, element_, method_, operator_};
  for (int i = 0; i < 5; ++i) {
    auto* label = new QLabel;
    label->setBuddy(lists[i]);
    labels_ << label;
    filters->addWidget(label, 0, 2 * i);
    filters->addWidget(lists[i], 0, 2 * i + 1);
    connect(lists[i], &QComboBox::currentIndexChanged, this, [this] {
      if (!filling_) requery();
    });
  }
  fromOn_ = new QCheckBox;
  toOn_ = new QCheckBox;
  from_ = new QDateEdit(QDate::currentDate().addMonths(-1));
  to_ = new QDateEdit(QDate::currentDate());
  for (QDateEdit* d : {from_, to_}) {
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    d->setEnabled(false);
    connect(d, &QDateEdit::dateChanged, this, [this] {
      if (!filling_) requery();
    });
  }
  connect(fromOn_, &QCheckBox::toggled, this, [this](bool on) {
    from_->setEnabled(on);
    requery();
  });
  connect(toOn_, &QCheckBox::toggled, this, [this](bool on) {
    to_->setEnabled(on);
    requery();
  });
  filters->addWidget(fromOn_, 1, 0);
  filters->addWidget(from_, 1, 1);
  filters->addWidget(toOn_, 1, 2);
  filters->addWidget(to_, 1, 3);
  filters->setColumnStretch(10, 1);
  layout->addLayout(filters);

  model_ = new ResultsTableModel(this);
  proxy_ = new QSortFilterProxyModel(this);
  proxy_->setSourceModel(model_);
  proxy_->setSortRole(Qt::UserRole);
  view_ = new QTableView(this);
  view_->setModel(proxy_);
  view_->setSortingEnabled(true);
  view_->sortByColumn(ResultsTableModel::Time, Qt::DescendingOrder);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setAlternatingRowColors(true);
  view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
  view_->verticalHeader()->hide();
  view_->horizontalHeader()->setStretchLastSection(true);
  connect(view_, &QTableView::doubleClicked, this, &ResultsWindow::openDocument);
  connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &ResultsWindow::updateActions);
  layout->addWidget(view_, 1);
  status_ = new QLabel;
  // Archive names and the server's words are shown as they stand.
  status_->setTextFormat(Qt::PlainText);
  layout->addWidget(status_);
  resize(1300, 700);
  retranslateUi();
}

ResultsWindow::~ResultsWindow() = default;

void ResultsWindow::setArchive(IResultsArchive* archive) {
  archive_ = archive;
  if (chart_) chart_->setArchive(archive);
  if (isVisible()) refresh();
}

void ResultsWindow::retranslateUi() {
  setWindowTitle(tr("Results"));
  refreshAction_->setText(tr("Refresh"));
  addControlAction_->setText(tr("Add control result..."));
  chartAction_->setText(tr("Control chart..."));
  openAction_->setText(tr("Open document"));
  csvAction_->setText(tr("Export to CSV..."));
  xlsxAction_->setText(tr("Export to Excel..."));
  for (int i = 0; i < labels_.size(); ++i) labels_[i]->setText(tr(kFilterLabels[i]));
  fromOn_->setText(tr("From:"));
  toOn_->setText(tr("To:"));
  model_->retranslate();
  filling_ = true;
  for (QComboBox* box : {sample_, control_, element_, method_, operator_})
    if (box->count() > 0) box->setItemText(0, tr("(any)"));
  for (int i = 1; i < method_->count(); ++i)
    method_->setItemText(
        i, ResultsTableModel::methodName(method_->itemData(i).toInt() < 0
                                             ? std::nullopt
                                             : std::optional<std::int32_t>(method_->itemData(i).toInt())));
  filling_ = false;
  view_->resizeColumnsToContents();
  updateActions();
}

void ResultsWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslateUi();
  QWidget::changeEvent(event);
}

void ResultsWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  refresh();
}

void ResultsWindow::showError(const QString& text) {
  status_->setText(text);
  if (isVisible()) PlainMessageBox::critical(this, tr("Error"), text);
}

void ResultsWindow::fillLists() {
  if (!archive_) return;
  filling_ = true;
  try {
    Refill(sample_, tr("(any)"), archive_->Distinct(IResultsArchive::Column::Sample));
    Refill(control_, tr("(any)"), archive_->Distinct(IResultsArchive::Column::Control));
    Refill(element_, tr("(any)"), archive_->Distinct(IResultsArchive::Column::Element));
    Refill(operator_, tr("(any)"), archive_->Distinct(IResultsArchive::Column::Operator));
  } catch (const EArchiveError& e) {
    showError(UiText::message(e.message()));
  }
  const QVariant keep = method_->currentData();
  method_->clear();
  method_->addItem(tr("(any)"));
  for (int m = 0; m < CalcMethods::kBuiltinCount; ++m) method_->addItem(ResultsTableModel::methodName(m), m);
  const int index = keep.isValid() ? method_->findData(keep) : 0;
  method_->setCurrentIndex(index >= 0 ? index : 0);
  filling_ = false;
}

ArchiveFilter ResultsWindow::filter() const {
  ArchiveFilter f;
  f.Sample = Chosen(sample_);
  f.Control = Chosen(control_);
  f.Element = Chosen(element_);
  f.Operator = Chosen(operator_);
  if (method_->currentData().isValid()) f.Method = method_->currentData().toInt();
  // Whole days of the local calendar.
  if (fromOn_->isChecked()) f.FromMs = from_->date().startOfDay().toMSecsSinceEpoch();
  if (toOn_->isChecked()) f.ToMs = to_->date().addDays(1).startOfDay().toMSecsSinceEpoch() - 1;
  f.NewestFirst = true;
  f.Limit = kMaxRows;
  return f;
}

void ResultsWindow::refresh() {
  fillLists();
  requery();
}

void ResultsWindow::requery() {
  if (!archive_) {
    model_->setRows({});
    status_->setText(tr("No results archive is open."));
    updateActions();
    return;
  }
  try {
    model_->setRows(archive_->Query(filter()));
  } catch (const EArchiveError& e) {
    model_->setRows({});
    showError(UiText::message(e.message()));
    updateActions();
    return;
  }
  std::size_t simulated = 0;
  for (const ArchiveRow& r : model_->rows()) simulated += r.Simulated ? 1 : 0;
  QString text = tr("%1 results in %2").arg(model_->rows().size()).arg(UiText::fromStd(archive_->Location()));
  if (simulated > 0) text += QStringLiteral("; ") + tr("%1 simulated (in italics)").arg(simulated);
  if (model_->rows().size() >= kMaxRows) text += QStringLiteral("; ") + tr("only the newest are listed");
  status_->setText(text);
  view_->resizeColumnsToContents();
  updateActions();
}

std::vector<ArchiveRow> ResultsWindow::selectedRows() const {
  std::vector<ArchiveRow> rows;
  QModelIndexList chosen = view_->selectionModel()->selectedRows();
  std::sort(chosen.begin(), chosen.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
  if (chosen.isEmpty())
    for (int r = 0; r < proxy_->rowCount(); ++r) chosen << proxy_->index(r, 0);
  for (const QModelIndex& index : chosen) rows.push_back(model_->row(proxy_->mapToSource(index).row()));
  return rows;
}

void ResultsWindow::updateActions() {
  const bool any = model_->rowCount() > 0;
  const auto selected = view_->selectionModel()->selectedRows();
  csvAction_->setEnabled(any);
  xlsxAction_->setEnabled(any);
  addControlAction_->setEnabled(archive_ != nullptr);
  chartAction_->setEnabled(archive_ != nullptr);
  bool document = false;
  if (selected.size() == 1) document = !model_->row(proxy_->mapToSource(selected.front()).row()).Document.empty();
  openAction_->setEnabled(document);
}

bool ResultsWindow::exportTo(const QString& file) {
  const std::vector<ArchiveRow> rows = selectedRows();
  try {
    if (QFileInfo(file).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0) {
      ArchiveTable::WriteXlsx(UiText::toStd(file), rows);
    } else {
      ArchiveTable::WriteCsv(UiText::toStd(file), rows);
    }
  } catch (const EFormatError& e) {
    showError(UiText::message(e.message()));
    return false;
  }
  status_->setText(tr("%1 results written to %2").arg(rows.size()).arg(file));
  return true;
}

void ResultsWindow::exportSelection(bool workbook) {
  const QString file =
      QFileDialog::getSaveFileName(this, workbook ? tr("Export to Excel") : tr("Export to CSV"), QString(),
                                   workbook ? tr("Excel workbooks (*.xlsx)") : tr("CSV files (*.csv)"));
  if (file.isEmpty()) return;
  const QString suffix = workbook ? QStringLiteral(".xlsx") : QStringLiteral(".csv");
  exportTo(file.endsWith(suffix, Qt::CaseInsensitive) ? file : file + suffix);
}

void ResultsWindow::openDocument() {
  const auto selected = view_->selectionModel()->selectedRows();
  if (selected.size() != 1) return;
  const ArchiveRow& r = model_->row(proxy_->mapToSource(selected.front()).row());
  if (r.Document.empty()) return;
  if (!QFileInfo::exists(UiText::fromStd(r.Document))) {
    showError(tr("The document %1 is no longer there.").arg(UiText::fromStd(r.Document)));
    return;
  }
  QStringList curves;
  for (const QString& name : UiText::fromStd(r.Curves).split(QLatin1Char(','), Qt::SkipEmptyParts))
    curves << name.trimmed();
  emit openDocumentRequested(UiText::fromStd(r.Document), curves);
}

bool ResultsWindow::addControlResult() {
  if (!archive_) return false;
  std::vector<std::string> controls, elements;
  try {
    controls = archive_->Distinct(IResultsArchive::Column::Control);
    elements = archive_->Distinct(IResultsArchive::Column::Element);
  } catch (const EArchiveError& e) {
    showError(UiText::message(e.message()));
    return false;
  }
  ControlResultDialog dialog(controls, elements, operatorName_, this);
  if (const auto chosen = Chosen(control_)) dialog.controlBox()->setCurrentText(UiText::fromStd(*chosen));
  if (const auto chosen = Chosen(element_)) dialog.elementBox()->setCurrentText(UiText::fromStd(*chosen));
  const bool accepted = runDialog_ ? runDialog_(dialog) : dialog.exec() == QDialog::Accepted;
  const auto row = dialog.row();
  if (!accepted || !row) return false;
  std::vector<ArchiveRow> rows{*row};
  try {
    archive_->Add(rows);
  } catch (const EArchiveError& e) {
    showError(UiText::message(e.message()));
    return false;
  }
  refresh();
  if (chart_ && chart_->isVisible()) chart_->refresh();
  return true;
}

void ResultsWindow::openControlChart() {
  if (!chart_) chart_ = new ControlChartWindow(archive_, this);
  // The chart of the selected control result, else of the filter's control.
  QString control = control_->currentData().toString(), element = element_->currentData().toString();
  const auto selected = view_->selectionModel()->selectedRows();
  if (!selected.isEmpty()) {
    const ArchiveRow& r = model_->row(proxy_->mapToSource(selected.front()).row());
    if (r.IsControl()) {
      control = UiText::fromStd(r.Control);
      element = UiText::fromStd(r.Element);
    }
  }
  chart_->showChart(control, element);
  chart_->show();
  chart_->raise();
}

}  // namespace velmora
