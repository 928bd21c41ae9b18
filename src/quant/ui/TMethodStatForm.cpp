#include "TMethodStatForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "CaptionPainter.h"
#include "ConcUnits.h"
#include "FormatError.h"
#include "IMethodStatLibrary.h"
#include "MessageSink.h"
#include "Messages.h"
#include "NumberFormat.h"
#include "Numbers.h"
#include "TStatDB.h"
#include "UiText.h"

namespace velmora {

namespace {

constexpr int kColumns = 5;

QString UnitText(std::int32_t unit) { return UiText::message(Message(ConcUnits::Caption(unit))); }

// Row 0 shows the column captions with their markup; a data cell that
// holds no positive value gets a red frame one pixel outside the cell.
class StatGridDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    if (index.row() == 0) {
      painter->save();
      painter->fillRect(option.rect, option.palette.button());
      painter->setPen(option.palette.color(QPalette::ButtonText));
      const QString text = index.data().toString();
      const int y = option.rect.top() + (option.rect.height() - option.fontMetrics.height()) / 2;
      CaptionPainter::DrawCaption(*painter, option.rect, option.rect.left() + 2, y, text);
      painter->restore();
      return;
    }
    QStyledItemDelegate::paint(painter, option, index);
    if (index.flags() & Qt::ItemIsEditable && TMethodStatForm::CellMarked(index.data().toString(), index.column())) {
      painter->save();
      painter->setPen(QPen(Qt::red, 1));
      painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
      painter->restore();
    }
  }
};

}  // namespace

TMethodStatForm::TMethodStatForm(TStatDB& db, IMessageSink& sink, QWidget* parent)
    : QDialog(parent), db_(db), sink_(sink) {
  setObjectName(QStringLiteral("MethodStatForm"));
  methodsLabel_ = new QLabel(this);
  methods_ = new QListWidget(this);
  methods_->setMaximumWidth(280);
  new_ = new QToolButton(this);
  save_ = new QToolButton(this);
  remove_ = new QToolButton(this);
  update_ = new QToolButton(this);
  auto* tools = new QHBoxLayout;
  for (QToolButton* b : {new_, save_, remove_, update_}) {
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addWidget(b);
  }
  tools->addStretch(1);
  auto* left = new QVBoxLayout;
  left->addLayout(tools);
  left->addWidget(methodsLabel_);
  left->addWidget(methods_, 1);

  nameLabel_ = new QLabel(this);
  name_ = new QLineEdit(this);
  representation_ = new QGroupBox(this);
  top_ = new QComboBox(representation_);
  bottom_ = new QComboBox(representation_);
  cellConc_ = new QCheckBox(representation_);
  auto* units = new QHBoxLayout(representation_);
  units->addWidget(top_);
  units->addWidget(new QLabel(QStringLiteral("/"), representation_));
  units->addWidget(bottom_);
  units->addSpacing(12);
  units->addWidget(cellConc_);
  units->addStretch(1);

  elementsLabel_ = new QLabel(this);
  elements_ = new QListWidget(this);
  elements_->setMaximumWidth(180);
  newElement_ = new QPushButton(this);
  removeElement_ = new QPushButton(this);
  gridLabel_ = new QLabel(this);
  grid_ = new QTableWidget(this);
  grid_->setColumnCount(kColumns);
  grid_->horizontalHeader()->setVisible(false);
  grid_->verticalHeader()->setVisible(false);
  grid_->setItemDelegate(new StatGridDelegate(grid_));
  grid_->setEditTriggers(QAbstractItemView::AllEditTriggers);
  newRange_ = new QPushButton(this);
  removeRange_ = new QPushButton(this);

  auto* elementButtons = new QHBoxLayout;
  elementButtons->addWidget(newElement_);
  elementButtons->addWidget(removeElement_);
  auto* rangeButtons = new QHBoxLayout;
  rangeButtons->addWidget(newRange_);
  rangeButtons->addWidget(removeRange_);
  rangeButtons->addStretch(1);
  auto* elementColumn = new QVBoxLayout;
  elementColumn->addWidget(elementsLabel_);
  elementColumn->addWidget(elements_, 1);
  elementColumn->addLayout(elementButtons);
  auto* gridColumn = new QVBoxLayout;
  gridColumn->addWidget(gridLabel_);
  gridColumn->addWidget(grid_, 1);
  gridColumn->addLayout(rangeButtons);
  auto* lower = new QHBoxLayout;
  lower->addLayout(elementColumn, 0);
  lower->addLayout(gridColumn, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(nameLabel_);
  right->addWidget(name_);
  right->addWidget(representation_);
  right->addLayout(lower, 1);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 0);
  layout->addLayout(right, 1);
  resize(1180, 520);

  connect(methods_, &QListWidget::itemClicked, this, [this](QListWidgetItem*) { LoadRecord(methods_->currentRow()); });
  connect(new_, &QToolButton::clicked, this, &TMethodStatForm::NewExecute);
  connect(save_, &QToolButton::clicked, this, &TMethodStatForm::SaveExecute);
  connect(remove_, &QToolButton::clicked, this, &TMethodStatForm::RemoveExecute);
  connect(update_, &QToolButton::clicked, this, &TMethodStatForm::UpdateMethodsExecute);
  connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) { working_.Name = UiText::toStd(text); });
  connect(top_, &QComboBox::activated, this, [this](int index) {
    working_.ResTop = index + ConcUnits::kFirstMass;
    refreshHeaders();
  });
  connect(bottom_, &QComboBox::activated, this, [this](int index) {
    working_.ResBottom = index;
    refreshHeaders();
  });
  connect(cellConc_, &QCheckBox::toggled, this, [this](bool on) {
    if (!filling_) working_.CellConc = on ? 1 : 0;
  });
  connect(elements_, &QListWidget::currentRowChanged, this, [this](int) {
    if (!filling_) fillGrid();
  });
  connect(newElement_, &QPushButton::clicked, this, [this] {
    bool ok = false;
    const QString name = QInputDialog::getText(this, UiText::message(Message(msg::EnterTheNamePlease)), QString(),
                                               QLineEdit::Normal, QString(), &ok);
    if (ok) NewElementExecute(name);
  });
  connect(removeElement_, &QPushButton::clicked, this, &TMethodStatForm::RemoveElementExecute);
  connect(newRange_, &QPushButton::clicked, this, &TMethodStatForm::NewRangeExecute);
  connect(removeRange_, &QPushButton::clicked, this, &TMethodStatForm::RemoveRangeExecute);
  connect(grid_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem*) {
    if (!filling_) ReadGrid();
  });
  retranslateUi();
  NewExecute();
}

void TMethodStatForm::retranslateUi() {
  setWindowTitle(tr("Statistics"));
  methodsLabel_->setText(tr("Methods"));
  new_->setText(tr("New"));
  save_->setText(tr("Save"));
  remove_->setText(tr("Remove"));
  update_->setText(tr("Update methods stat"));
  nameLabel_->setText(tr("Method name"));
  representation_->setTitle(tr("Representation"));
  cellConc_->setText(tr("Cell concentration"));
  elementsLabel_->setText(tr("Elements in method"));
  newElement_->setText(tr("New Element"));
  removeElement_->setText(tr("Remove"));
  gridLabel_->setText(tr("Element statistics"));
  newRange_->setText(tr("New range"));
  removeRange_->setText(tr("Remove range"));
  const bool was = filling_;
  filling_ = true;
  top_->clear();
  for (int u = ConcUnits::kFirstMass; u < ConcUnits::kCount; ++u) top_->addItem(UnitText(u));
  bottom_->clear();
  for (int u = 0; u < ConcUnits::kCount; ++u) bottom_->addItem(CaptionPainter::PlainText(UnitText(u)));
  filling_ = was;
  showWorking();
}

void TMethodStatForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    // The grid is filled anew from the record being edited: keep the cell.
    const int row = grid_->currentRow();
    const int column = grid_->currentColumn();
    retranslateUi();
    if (row >= 0 && row < grid_->rowCount()) grid_->setCurrentCell(row, column);
  }
  QDialog::changeEvent(event);
}

void TMethodStatForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  RefillMethods();
}

void TMethodStatForm::reportProblems(const std::vector<Message>& problems) {
  for (const Message& m : problems) sink_.error(m);
}

void TMethodStatForm::RefillMethods() {
  methods_->clear();
  for (const TMethodStat& r : db_.Records()) methods_->addItem(UiText::fromStd(r.Name));
  methods_->setCurrentRow(-1);
  methods_->clearSelection();
  update_->setEnabled(false);
  NewExecute();
}

void TMethodStatForm::NewExecute() {
  working_ = TMethodStat{};
  working_.ResTop = -1;
  working_.ResBottom = -1;
  showWorking();
}

void TMethodStatForm::LoadRecord(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= db_.Records().size()) {
    NewExecute();
    return;
  }
  working_ = db_.Records()[static_cast<std::size_t>(index)];
  update_->setEnabled(db_.Library() != nullptr);
  showWorking();
}

void TMethodStatForm::showWorking() {
  if (!name_) return;
  filling_ = true;
  name_->setText(UiText::fromStd(working_.Name));
  top_->setCurrentIndex(ConcUnits::IsMass(working_.ResTop) ? working_.ResTop - ConcUnits::kFirstMass : -1);
  bottom_->setCurrentIndex(ConcUnits::IsValid(working_.ResBottom) ? working_.ResBottom : -1);
  cellConc_->setChecked(working_.CellConc == 1);
  filling_ = false;
  refreshHeaders();
  fillElements(selectedElement());
}

int TMethodStatForm::selectedElement() const { return elements_ ? elements_->currentRow() : -1; }

void TMethodStatForm::fillElements(int keep) {
  filling_ = true;
  elements_->clear();
  for (const TElementStatistics& e : working_.Elements) elements_->addItem(UiText::fromStd(e.Name));
  const int count = static_cast<int>(working_.Elements.size());
  elements_->setCurrentRow(keep >= 0 && keep < count ? keep : (count > 0 ? 0 : -1));
  filling_ = false;
  fillGrid();
}

void TMethodStatForm::refreshHeaders() {
  const bool was = filling_;
  filling_ = true;
  if (grid_->rowCount() < 1) grid_->setRowCount(1);
  const QString units = QStringLiteral("%1/%2").arg(UnitText(working_.ResTop), UnitText(working_.ResBottom));
  const QString captions[kColumns] = {tr("Lower bound, %1").arg(units), tr("Upper bound, %1").arg(units),
                                      tr("Reproducibility/X_med_"), tr("Critical difference/X_med_"),
                                      QStringLiteral("$\u0434$, %")};
  const QFontMetrics metrics(grid_->font());
  for (int c = 0; c < kColumns; ++c) {
    auto* item = new QTableWidgetItem(captions[c]);
    item->setFlags(Qt::ItemIsEnabled);
    grid_->setItem(0, c, item);
    grid_->setColumnWidth(c, CaptionPainter::CaptionWidth(grid_->font(), captions[c]) + 2 * 6);
  }
  grid_->viewport()->update();
  filling_ = was;
}

void TMethodStatForm::fillGrid() {
  const bool was = filling_;
  filling_ = true;
  const int e = selectedElement();
  const TElementStatistics* element = e >= 0 && static_cast<std::size_t>(e) < working_.Elements.size()
                                          ? &working_.Elements[static_cast<std::size_t>(e)]
                                          : nullptr;
  const bool editable = element && !element->Ranges.empty();
  grid_->setRowCount(1 + (editable ? static_cast<int>(element->Ranges.size()) : 1));
  for (int row = 1; row < grid_->rowCount(); ++row) {
    for (int c = 0; c < kColumns; ++c) {
      QString text;
      if (editable) {
        const TStatRange& r = element->Ranges[static_cast<std::size_t>(row - 1)];
        const double values[4] = {r.LowerBound, r.UpperBound, r.Reproducibility, r.CriticalDifference};
        text = c < 4 ? UiText::fromStd(NumberFormat::Exact(values[c])) : QString::number(r.Delta);
      }
      auto* item = new QTableWidgetItem(text);
      item->setFlags(editable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable : Qt::ItemIsEnabled);
      grid_->setItem(row, c, item);
    }
  }
  removeRange_->setEnabled(editable);
  newRange_->setEnabled(element != nullptr);
  removeElement_->setEnabled(element != nullptr);
  filling_ = was;
  refreshHeaders();
}

bool TMethodStatForm::CellMarked(const QString& text, int column) {
  if (column == kColumns - 1) return LeadingInteger(text) <= 0;
  return !(ReadNumber(UiText::toStd(text.trimmed()), -1.0) > 0.0);
}

int TMethodStatForm::LeadingInteger(const QString& text) {
  const QString t = text.trimmed();
  int i = 0;
  if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) ++i;
  const int digits = i;
  while (i < t.size() && t[i].isDigit() && i - digits < 9) ++i;
  if (i == digits) return 0;
  return t.left(i).toInt();
}

void TMethodStatForm::ReadGrid() {
  const int e = selectedElement();
  if (e < 0 || static_cast<std::size_t>(e) >= working_.Elements.size()) return;
  auto& ranges = working_.Elements[static_cast<std::size_t>(e)].Ranges;
  for (int row = 1; row < grid_->rowCount() && static_cast<std::size_t>(row - 1) < ranges.size(); ++row) {
    TStatRange& r = ranges[static_cast<std::size_t>(row - 1)];
    const auto cell = [&](int c) { return grid_->item(row, c) ? grid_->item(row, c)->text() : QString(); };
    r.LowerBound = ReadNumber(UiText::toStd(cell(0).trimmed()), -1.0);
    r.UpperBound = ReadNumber(UiText::toStd(cell(1).trimmed()), -1.0);
    r.Reproducibility = ReadNumber(UiText::toStd(cell(2).trimmed()), -1.0);
    r.CriticalDifference = ReadNumber(UiText::toStd(cell(3).trimmed()), -1.0);
    r.Delta = LeadingInteger(cell(4));
  }
  grid_->viewport()->update();
}

void TMethodStatForm::SaveExecute() {
  if (db_.IndexOfName(working_.Name) != -1) {
    sink_.error(Message(msg::MethodAlreadyExists));
    return;
  }
  try {
    db_.AddAndSave(working_);
  } catch (const EFormatError& e) {
    sink_.error(e.message());
    return;
  }
  RefillMethods();
}

void TMethodStatForm::RemoveExecute() {
  const int index = methods_->currentRow();
  if (index < 0) return;
  if (sink_.askYesNo(Message(msg::RemoveSelectedQuery)) == Answer::No) return;
  try {
    db_.Delete(static_cast<std::size_t>(index));
  } catch (const EFormatError& e) {
    sink_.error(e.message());
    return;
  }
  RefillMethods();
}

void TMethodStatForm::UpdateMethodsExecute() {
  const int index = methods_->currentRow();
  IMethodStatLibrary* library = db_.Library();
  if (!library || index < 0 || static_cast<std::size_t>(index) >= db_.Records().size()) return;
  Message problem;
  if (!library->UpdateMethodStatistics(db_.Records()[static_cast<std::size_t>(index)].Name, working_, problem))
    sink_.error(problem);
}

void TMethodStatForm::NewElementExecute(const QString& name) {
  working_.Elements.push_back({UiText::toStd(name), {}});
  fillElements(static_cast<int>(working_.Elements.size()) - 1);
}

void TMethodStatForm::RemoveElementExecute() {
  const int e = selectedElement();
  if (e < 0 || static_cast<std::size_t>(e) >= working_.Elements.size()) return;
  working_.Elements.erase(working_.Elements.begin() + e);
  fillElements(e);
}

void TMethodStatForm::NewRangeExecute() {
  const int e = selectedElement();
  if (e < 0 || static_cast<std::size_t>(e) >= working_.Elements.size()) return;
  working_.Elements[static_cast<std::size_t>(e)].Ranges.push_back({0.0, 0.0, 0.0, 0.0, 0});
  fillGrid();
}

void TMethodStatForm::RemoveRangeExecute() {
  const int e = selectedElement();
  const int row = grid_->currentRow();
  if (e < 0 || static_cast<std::size_t>(e) >= working_.Elements.size() || row < 1) return;
  auto& ranges = working_.Elements[static_cast<std::size_t>(e)].Ranges;
  if (static_cast<std::size_t>(row - 1) >= ranges.size()) return;
  ranges.erase(ranges.begin() + (row - 1));
  fillGrid();
}

}  // namespace velmora
