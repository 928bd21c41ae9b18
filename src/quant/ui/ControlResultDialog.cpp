#include "ControlResultDialog.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "ArchiveRows.h"
#include "Numbers.h"
#include "UiText.h"

namespace velmora {

namespace {

const char* const kLabels[] = {
    QT_TRANSLATE_NOOP("velmora::ControlResultDialog", "Control solution:"),
    QT_TRANSLATE_NOOP("velmora::ControlResultDialog", "Element:"),
    QT_TRANSLATE_NOOP("velmora::ControlResultDialog", "Value:"),
    QT_TRANSLATE_NOOP("velmora::ControlResultDialog", "Unit:"),
    QT_TRANSLATE_NOOP("velmora::ControlResultDialog", "Expanded uncertainty (k = 2):"),
    QT_TRANSLATE_NOOP("velmora::ControlResultDialog", "Measured at:"),
    QT_TRANSLATE_NOOP("velmora::ControlResultDialog", "Operator:"),
};

QComboBox* Editable(const std::vector<std::string>& items) {
  auto* box = new QComboBox;
  box->setEditable(true);
  for (const std::string& item : items) box->addItem(UiText::fromStd(item));
  box->setCurrentIndex(-1);
  box->setMinimumContentsLength(18);
  return box;
}

std::optional<double> Read(const QLineEdit* edit) {
  const std::string text = UiText::toStd(edit->text().trimmed());
  if (text.empty()) return std::nullopt;
  const double v = ReadNumber(text, NAN);
  return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

void Frame(QLineEdit* edit, bool wrong) {
  edit->setStyleSheet(wrong ? QStringLiteral("QLineEdit { border: 1px solid red; }") : QString());
}

}  // namespace

ControlResultDialog::ControlResultDialog(const std::vector<std::string>& controls,
                                         const std::vector<std::string>& elements, const std::string& operatorName,
                                         QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("ControlResultDialog"));
  auto* form = new QFormLayout(this);
  control_ = Editable(controls);
  element_ = Editable(elements);
  value_ = new QLineEdit;
  unit_ = Editable({ArchiveRows::UnitText(5, 2), ArchiveRows::UnitText(4, 2), ArchiveRows::UnitText(4, 1),
                    ArchiveRows::UnitText(5, 7), ArchiveRows::UnitText(4, 6)});
  unit_->setCurrentIndex(0);
  uncertainty_ = new QLineEdit;
  time_ = new QDateTimeEdit(QDateTime::currentDateTime());
  time_->setCalendarPopup(true);
  time_->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
  operator_ = new QLineEdit(UiText::fromStd(operatorName));
  QWidget* fields[] = {control_, element_, value_, unit_, uncertainty_, time_, operator_};
  for (QWidget* field : fields) {
    auto* label = new QLabel;
    label->setBuddy(field);
    labels_ << label;
    form->addRow(label, field);
  }
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  form->addRow(buttons_);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  for (QComboBox* box : {control_, element_, unit_})
    connect(box, &QComboBox::editTextChanged, this, [this] { check(); });
  for (QLineEdit* edit : {value_, uncertainty_, operator_})
    connect(edit, &QLineEdit::textChanged, this, [this] { check(); });
  retranslateUi();
  check();
}

void ControlResultDialog::retranslateUi() {
  setWindowTitle(tr("Add control result"));
  for (int i = 0; i < labels_.size(); ++i) labels_[i]->setText(tr(kLabels[i]));
  uncertainty_->setPlaceholderText(tr("unknown"));
}

void ControlResultDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslateUi();
  QDialog::changeEvent(event);
}

void ControlResultDialog::check() {
  const bool valueWrong = !value_->text().trimmed().isEmpty() && !Read(value_);
  const bool uncertaintyWrong =
      !uncertainty_->text().trimmed().isEmpty() && (!Read(uncertainty_) || *Read(uncertainty_) < 0.0);
  Frame(value_, valueWrong);
  Frame(uncertainty_, uncertaintyWrong);
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(row().has_value());
}

std::optional<ArchiveRow> ControlResultDialog::row() const {
  ArchiveRow r;
  r.Control = UiText::toStd(control_->currentText().trimmed());
  r.Element = UiText::toStd(element_->currentText().trimmed());
  r.Unit = UiText::toStd(unit_->currentText().trimmed());
  const auto value = Read(value_);
  if (r.Control.empty() || r.Element.empty() || r.Unit.empty() || !value) return std::nullopt;
  r.Value = *value;
  if (!uncertainty_->text().trimmed().isEmpty()) {
    const auto u = Read(uncertainty_);
    if (!u || *u < 0.0) return std::nullopt;
    r.Uncertainty = *u;
  }
  r.TimeMs = time_->dateTime().toMSecsSinceEpoch();
  r.Operator = UiText::toStd(operator_->text().trimmed());
  return r;
}

}  // namespace velmora
