#include "ImportColumnsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "UiText.h"

namespace velmora {

namespace {

using Quantity = InstrumentTextImport::Quantity;
constexpr int kPreviewRows = 12;

QString Header(const InstrumentTextImport::Column& c, std::size_t index) {
  QString name = c.Name.empty() ? QStringLiteral("%1").arg(index + 1) : UiText::fromStd(c.Name);
  if (!c.ColumnUnit.Text.empty() && !name.contains(UiText::fromStd(c.ColumnUnit.Text)))
    name += QStringLiteral("\n") + UiText::fromStd(c.ColumnUnit.Text);
  return name;
}

}  // namespace

ImportColumnsDialog::ImportColumnsDialog(const InstrumentTextImport::Table& table, const QString& fileName,
                                         QWidget* parent)
    : QDialog(parent), table_(table), fileName_(fileName) {
  setObjectName(QStringLiteral("ImportColumnsDialog"));
  // The file's name and the units of its header are shown as they stand.
  intro_ = new QLabel(this);
  intro_->setWordWrap(true);
  intro_->setTextFormat(Qt::PlainText);

  const std::size_t rows = table.Columns.empty() ? 0 : table.Columns.front().Values.size();
  const int shownRows = static_cast<int>(std::min<std::size_t>(rows, kPreviewRows));
  preview_ = new QTableWidget(shownRows, static_cast<int>(table.Columns.size()), this);
  preview_->setObjectName(QStringLiteral("ImportPreview"));
  preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  preview_->verticalHeader()->setVisible(false);
  xColumn_ = new QComboBox(this);
  yColumn_ = new QComboBox(this);
  for (std::size_t c = 0; c < table.Columns.size(); ++c) {
    const QString header = Header(table.Columns[c], c);
    preview_->setHorizontalHeaderItem(static_cast<int>(c), new QTableWidgetItem(header));
    for (int r = 0; r < shownRows; ++r) {
      auto* item = new QTableWidgetItem(QString::number(table.Columns[c].Values[static_cast<std::size_t>(r)], 'g', 10));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      preview_->setItem(r, static_cast<int>(c), item);
    }
    const QString choice = QStringLiteral("%1: %2").arg(c + 1).arg(QString(header).replace(u'\n', u' '));
    xColumn_->addItem(choice);
    yColumn_->addItem(choice);
  }
  preview_->resizeColumnsToContents();
  preview_->setMinimumSize(480, 260);

  conversion_ = new QLabel(this);
  conversion_->setObjectName(QStringLiteral("ImportConversion"));
  conversion_->setWordWrap(true);
  conversion_->setTextFormat(Qt::PlainText);
  auto* form = new QFormLayout;
  xLabel_ = new QLabel(this);
  yLabel_ = new QLabel(this);
  form->addRow(xLabel_, xColumn_);
  form->addRow(yLabel_, yColumn_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro_);
  layout->addWidget(preview_, 1);
  layout->addLayout(form);
  layout->addWidget(conversion_);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(xColumn_, &QComboBox::currentIndexChanged, this, [this] { updateConversion(); });
  connect(yColumn_, &QComboBox::currentIndexChanged, this, [this] { updateConversion(); });

  retranslateUi();
  const auto guess = InstrumentTextImport::GuessColumns(table);
  setColumns(guess ? guess->first : 0, guess ? guess->second : std::min<std::size_t>(1, table.Columns.size() - 1));
}

void ImportColumnsDialog::retranslateUi() {
  setWindowTitle(tr("Data import"));
  intro_->setText(
      tr("\"%1\" holds %2 columns. Choose the potential and the current.").arg(fileName_).arg(table_.Columns.size()));
  xLabel_->setText(tr("Potential column"));
  yLabel_->setText(tr("Current column"));
}

void ImportColumnsDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    retranslateUi();
    updateConversion();
  }
  QDialog::changeEvent(event);
}

std::pair<std::size_t, std::size_t> ImportColumnsDialog::columns() const {
  return {static_cast<std::size_t>(std::max(xColumn_->currentIndex(), 0)),
          static_cast<std::size_t>(std::max(yColumn_->currentIndex(), 0))};
}

void ImportColumnsDialog::setColumns(std::size_t x, std::size_t y) {
  xColumn_->setCurrentIndex(static_cast<int>(x));
  yColumn_->setCurrentIndex(static_cast<int>(y));
  updateConversion();
}

QString ImportColumnsDialog::describe(std::size_t column, bool potential) const {
  const InstrumentTextImport::Unit& u = table_.Columns[column].ColumnUnit;
  const QString unit = UiText::fromStd(u.Text);
  switch (u.Kind) {
    case Quantity::Potential:
      return u.Factor == 1.0 ? tr("%1 is taken in mV").arg(unit)
                             : tr("%1 is converted to mV (× %2)").arg(unit).arg(u.Factor, 0, 'g', 10);
    case Quantity::Current:
      return u.Factor == 1.0 ? tr("%1 is taken in µA").arg(unit)
                             : tr("%1 is converted to µA (× %2)").arg(unit).arg(u.Factor, 0, 'g', 10);
    case Quantity::CurrentDensity:
      return tr("the current density in %1 is kept as it stands; the unit is noted on the curve").arg(unit);
    case Quantity::Other:
      return tr("the unit %1 is not known: the numbers are taken as they stand").arg(unit);
    case Quantity::None:
      break;
  }
  return potential ? tr("no unit: the numbers are taken as mV") : tr("no unit: the numbers are taken as µA");
}

QString ImportColumnsDialog::conversionText() const { return conversion_->text(); }

void ImportColumnsDialog::updateConversion() {
  const auto [x, y] = columns();
  if (x >= table_.Columns.size() || y >= table_.Columns.size()) return;
  conversion_->setText(tr("Potential: %1.").arg(describe(x, true)) + QStringLiteral("\n") +
                       tr("Current: %1.").arg(describe(y, false)));
}

std::optional<std::pair<std::size_t, std::size_t>> ImportColumnsDialog::choose(QWidget* parent,
                                                                               const InstrumentTextImport::Table& table,
                                                                               const QString& fileName) {
  if (table.Columns.size() < 2) return std::nullopt;
  ImportColumnsDialog dialog(table, fileName, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.columns();
}

}  // namespace velmora
