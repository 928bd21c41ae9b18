#include "TReportPage.h"

#include "CaptionPainter.h"

#include <QDate>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "CaptionComboBox.h"
#include "ConcUnits.h"
#include "DateTime.h"
#include "FormatError.h"
#include "Numbers.h"
#include "PlainMessageBox.h"
#include "TReportPrinter.h"
#include "TReportRec.h"
#include "TReportStore.h"

namespace velmora {

namespace {

QString ShortDate(double stamp) {
  const DateTime::Parts p = DateTime::split(stamp);
  return QLocale().toString(QDate(p.year, p.month, p.day), QLocale::ShortFormat);
}

QString Tr(const char* text) { return QString::fromStdString(TReportPrinter::Translate(text)); }

// Draws a cell as usual and, where the page asks for it, a red frame.
class FramedCellDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyledItemDelegate::paint(p, option, index);
    if (!index.data(TReportPage::kRedFrameRole).toBool()) return;
    p->save();
    p->setPen(QPen(Qt::red, 1));
    p->setBrush(Qt::NoBrush);
    p->drawRect(option.rect.adjusted(0, 0, -1, -1));
    p->restore();
  }
};

// Tool tips of the table's columns.
constexpr const char* kColumnHints[] = {
    QT_TRANSLATE_NOOP("velmora::TReportPage", "Element"),
    QT_TRANSLATE_NOOP("velmora::TReportPage", "Comments"),
    QT_TRANSLATE_NOOP("velmora::TReportPage",
                      "Ion concentration in the sample (with account for dilution, or mass concentration)"),
    QT_TRANSLATE_NOOP("velmora::TReportPage",
                      "Medium ion concentration in the sample (with account for dilution, or mass concentration)"),
    QT_TRANSLATE_NOOP("velmora::TReportPage", "Reproducibility"),
    QT_TRANSLATE_NOOP("velmora::TReportPage", "Percent error"),
    QT_TRANSLATE_NOOP("velmora::TReportPage", "Absolute error of the measurement results")};

}  // namespace

TReportPage::TReportPage(TReportRec& report, TReportStore& store, QWidget* parent)
    : QWidget(parent), report_(report), store_(store) {
  setObjectName(QStringLiteral("ReportPage"));
  report_.Translate = &TReportPrinter::Translate;
  ask = [this](const QString& question) {
    return static_cast<int>(PlainMessageBox::question(this, tr("Report"), question,
                                                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel));
  };
  reports_ = new QListWidget;
  reports_->setObjectName(QStringLiteral("ReportsList"));
  listBox_ = new QGroupBox;
  auto* listBox = listBox_;
  (new QVBoxLayout(listBox))->addWidget(reports_);

  title_ = new QLineEdit;
  title_->setObjectName(QStringLiteral("ReportTitle"));
  unitTop_ = new CaptionComboBox;
  unitBottom_ = new CaptionComboBox;
  unitTop_->setObjectName(QStringLiteral("ReportUnitTop"));
  unitBottom_->setObjectName(QStringLiteral("ReportUnitBottom"));
  unitsBox_ = new QGroupBox;
  auto* units = unitsBox_;
  auto* ul = new QHBoxLayout(units);
  ul->addWidget(unitTop_);
  ul->addWidget(new QLabel(QStringLiteral("/")));
  ul->addWidget(unitBottom_);
  statistics_ = new QComboBox;
  statistics_->setObjectName(QStringLiteral("ReportStatistics"));
  statistics_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  toolBar_ = new QToolBar;

  auto* head = new QHBoxLayout;
  auto* form = new QFormLayout;
  titleLabel_ = new QLabel;
  statisticsLabel_ = new QLabel;
  form->addRow(titleLabel_, title_);
  form->addRow(statisticsLabel_, statistics_);
  head->addLayout(form, 1);
  head->addWidget(units);

  grid_ = new QTableWidget(0, 7);
  grid_->setObjectName(QStringLiteral("ReportGrid"));
  grid_->verticalHeader()->hide();
  grid_->horizontalHeader()->setStretchLastSection(true);
  grid_->setItemDelegate(new FramedCellDelegate(grid_));
  for (int c = 0; c < 7; ++c) grid_->setHorizontalHeaderItem(c, new QTableWidgetItem);

  auto* right = new QWidget;
  auto* rl = new QVBoxLayout(right);
  rl->setContentsMargins(0, 0, 0, 0);
  rl->addWidget(toolBar_);
  rl->addLayout(head);
  rl->addWidget(grid_, 1);
  auto* split = new QSplitter(Qt::Horizontal);
  split->addWidget(listBox);
  split->addWidget(right);
  split->setStretchFactor(1, 1);
  split->setSizes({180, 700});
  (new QVBoxLayout(this))->addWidget(split);

  connect(title_, &QLineEdit::textEdited, this, [this](const QString& t) { report_.Title = t.toStdString(); });
  connect(unitTop_, &QComboBox::activated, this, [this](int i) { report_.SetUnitTop(i); });
  connect(unitBottom_, &QComboBox::activated, this, [this](int i) { report_.SetUnitBottom(i); });
  connect(statistics_, &QComboBox::activated, this, [this](int i) {
    if (i <= 0 || !records_ || static_cast<std::size_t>(i - 1) >= records_->size()) {
      report_.SetStatistics(TMethodStat{});
    } else {
      report_.SetStatistics((*records_)[static_cast<std::size_t>(i - 1)]);
    }
  });
  connect(grid_, &QTableWidget::itemChanged, this, &TReportPage::cellEdited);
  connect(reports_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!filling_) openReport(row);
  });
  // The first analysis sets the units and Clear unsets them without a
  // units notification: every change refreshes the unit lists as well.
  report_.OnChange = [this](TReportRec&) {
    if (!filling_) fillUnits();
    emit commandsChanged();
  };
  report_.OnUnitsChange = [this](TReportRec&) { fillUnits(); };
  store_.Folder().OnChange = [this](THeaderManager&) { refillReports(); };
  retranslateUi();
  refillReports();
  refill();
}

void TReportPage::retranslateUi() {
  listBox_->setTitle(tr("Reports"));
  unitsBox_->setTitle(tr("Representation"));
  titleLabel_->setText(tr("Title"));
  statisticsLabel_->setText(tr("Statistics: "));
  for (int c = 0; c < 7; ++c) grid_->horizontalHeaderItem(c)->setToolTip(tr(kColumnHints[c]));
}

void TReportPage::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    retranslateUi();
    // "Custom", the unit captions and the table's headers come from the
    // catalogue; the report itself, its selection and edits stay.
    if (statistics_->count() > 0) statistics_->setItemText(0, tr("Custom"));
    const int row = grid_->currentRow();
    const int column = grid_->currentColumn();
    fillUnits();
    if (row >= 0 && row < grid_->rowCount()) grid_->setCurrentCell(row, column);
    refillReports();
  }
  QWidget::changeEvent(event);
}

TReportPage::~TReportPage() {
  report_.OnChange = nullptr;
  report_.OnUnitsChange = nullptr;
  store_.Folder().OnChange = nullptr;
}

void TReportPage::setStatistics(const TMethodStatArr* records) {
  records_ = records;
  refill();
}

int TReportPage::selectedReport() const { return reports_->currentRow(); }

void TReportPage::refillReports() {
  filling_ = true;
  const QString keep = shownReport_ >= 0 && reports_->item(shownReport_)
                           ? reports_->item(shownReport_)->data(Qt::UserRole).toString()
                           : QString();
  reports_->clear();
  int selected = -1;
  for (const TBaseHeader& h : store_.List()) {
    auto* item = new QListWidgetItem(QStringLiteral("%1 %2").arg(ShortDate(h.Stamp), QString::fromStdString(h.Title)));
    item->setData(Qt::UserRole, QString::fromStdString(h.FileName));
    reports_->addItem(item);
    if (!keep.isEmpty() && item->data(Qt::UserRole).toString() == keep) selected = reports_->count() - 1;
  }
  reports_->setCurrentRow(selected);
  shownReport_ = selected;
  filling_ = false;
  emit commandsChanged();
}

void TReportPage::refill() {
  filling_ = true;
  title_->setText(QString::fromStdString(report_.Title));
  statistics_->clear();
  statistics_->addItem(tr("Custom"));
  int current = 0;
  if (records_) {
    for (const TMethodStat& s : *records_) {
      statistics_->addItem(QString::fromStdString(s.Name));
      if (!report_.Statistics.Name.empty() && s.Name == report_.Statistics.Name) current = statistics_->count() - 1;
    }
  }
  if (current == 0 && report_.HasStatistics()) {
    statistics_->addItem(QString::fromStdString(report_.Statistics.Name));
    current = statistics_->count() - 1;
  }
  statistics_->setCurrentIndex(current);
  filling_ = false;
  fillUnits();
}

void TReportPage::fillUnits() {
  filling_ = true;
  for (auto [box, unit] : {std::pair{unitTop_, report_.UnitTop}, std::pair{unitBottom_, report_.UnitBottom}}) {
    box->clear();
    if (unit < 0) continue;
    const int first = ConcUnits::IsMass(unit) ? ConcUnits::kFirstMass : 0;
    for (int u = first; u < first + 4; ++u) box->addItem(Tr(ConcUnits::Caption(u)));
    box->setCurrentIndex(unit - first);
  }
  filling_ = false;
  fillGrid();
}

void TReportPage::fillGrid() {
  filling_ = true;
  const std::vector<std::string> headers = report_.BuildHeaders();
  const auto cols = report_.BuildTable();
  for (int c = 0; c < 7; ++c)
    grid_->horizontalHeaderItem(c)->setText(
        CaptionPainter::LineText(QString::fromStdString(headers[static_cast<std::size_t>(c)])));
  const int rows = cols.empty() ? 0 : static_cast<int>(cols.front().size());
  grid_->setRowCount(rows);
  const std::size_t n = report_.Experiments.size();
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < 7; ++c) {
      auto* item =
          new QTableWidgetItem(QString::fromStdString(cols[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)])
                                   .remove(u'^')
                                   .remove(u'_'));
      const bool firstOfGroup = n > 0 && static_cast<std::size_t>(r) % n == 0;
      // Without statistics the user gives δ of each element that has a
      // result ("-" where none has); a δ below 1 % is framed red.
      const TReportElementRec* element = n > 0 && static_cast<std::size_t>(r) / n < report_.Elements.size()
                                             ? &report_.Elements[static_cast<std::size_t>(r) / n]
                                             : nullptr;
      const bool delta = c == 5 && firstOfGroup && !report_.HasStatistics() && element && element->Mean != -1.0;
      const bool editable = c == 1 || delta;
      item->setFlags(editable ? item->flags() | Qt::ItemIsEditable : item->flags() & ~Qt::ItemIsEditable);
      if (delta && element->Delta < 1) item->setData(kRedFrameRole, true);
      grid_->setItem(r, c, item);
    }
  }
  grid_->resizeColumnsToContents();
  filling_ = false;
}

void TReportPage::cellEdited(QTableWidgetItem* item) {
  if (filling_ || !item) return;
  const std::size_t n = report_.Experiments.size();
  if (n == 0) return;
  const int row = item->row();
  if (item->column() == 1) {
    report_.SetComment(static_cast<std::size_t>(row) % n, item->text().toStdString());
  } else if (item->column() == 5) {
    const std::size_t element = static_cast<std::size_t>(row) / n;
    if (element < report_.Elements.size()) {
      const auto leading = ParseInteger(
          item->text().trimmed().section(QRegularExpression(QStringLiteral("[^0-9-]")), 0, 0).toStdString());
      report_.Elements[element].Delta = leading ? static_cast<std::int32_t>(*leading) : 0;
    }
  }
  QMetaObject::invokeMethod(
      this, [this] { fillGrid(); }, Qt::QueuedConnection);
}

bool TReportPage::askSave() {
  if (report_.Empty() || report_.Saved) return true;
  const int answer = ask(tr("Do you want to save current report?"));
  if (answer == QMessageBox::Cancel) return false;
  if (answer == QMessageBox::Yes) saveReport();
  return true;
}

void TReportPage::openReport(int row) {
  if (!askSave()) {
    filling_ = true;
    reports_->setCurrentRow(shownReport_);
    filling_ = false;
    return;
  }
  shownReport_ = row;
  if (row < 0 || !reports_->item(row)) {
    report_.Clear();
  } else {
    try {
      store_.Open(reports_->item(row)->data(Qt::UserRole).toString().toStdString(), report_);
    } catch (const EFormatError& e) {
      showError(
          QString::fromStdString(Message::substitute(TReportPrinter::Translate(e.message().text), e.message().args)));
    }
  }
  refill();
  emit commandsChanged();
}

void TReportPage::saveReport() {
  if (report_.Empty()) return;
  try {
    store_.Save(report_);
  } catch (const EFormatError& e) {
    showError(
        QString::fromStdString(Message::substitute(TReportPrinter::Translate(e.message().text), e.message().args)));
  }
  emit commandsChanged();
}

void TReportPage::removeReport() {
  const int row = selectedReport();
  if (row < 0 || !reports_->item(row)) return;
  if (QMessageBox::question(this, tr("Report"), tr("Remove selected?"), QMessageBox::Yes | QMessageBox::No) ==
      QMessageBox::No)
    return;
  const std::string file = reports_->item(row)->data(Qt::UserRole).toString().toStdString();
  try {
    store_.Remove(file);
  } catch (const EFormatError& e) {
    showError(
        QString::fromStdString(Message::substitute(TReportPrinter::Translate(e.message().text), e.message().args)));
    return;
  }
  shownReport_ = -1;
  report_.Clear();
  refill();
}

void TReportPage::removeElement() {
  if (report_.Empty()) return;
  const std::size_t n = report_.Elements.front().Results.size();
  const int row = grid_->currentRow();
  if (n == 0 || row < 0) return;
  report_.RemoveElement(static_cast<int>(static_cast<std::size_t>(row) / n));
}

bool TReportPage::clearReport() {
  if (!askSave()) return false;
  report_.Clear();
  return true;
}

void TReportPage::showError(const QString& text) { PlainMessageBox::critical(this, tr("Error"), text); }

}  // namespace velmora
