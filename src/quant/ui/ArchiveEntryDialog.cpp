#include "ArchiveEntryDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "UiText.h"

namespace velmora {

ArchiveEntryDialog::ArchiveEntryDialog(const QString& proposedSample, const std::vector<std::string>& controls,
                                       QWidget* parent)
    : QDialog(parent), proposed_(proposedSample), controls_(controls) {
  setObjectName(QStringLiteral("ArchiveEntryDialog"));
  auto* layout = new QVBoxLayout(this);
  sample_ = new QRadioButton;
  control_ = new QRadioButton;
  sample_->setChecked(true);
  nameLabel_ = new QLabel;
  name_ = new QComboBox;
  name_->setEditable(true);
  name_->setMinimumContentsLength(24);
  nameLabel_->setBuddy(name_);
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  for (QWidget* w : std::initializer_list<QWidget*>{sample_, control_, nameLabel_, name_, buttons_})
    layout->addWidget(w);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(control_, &QRadioButton::toggled, this, [this] { refillNames(); });
  connect(name_, &QComboBox::editTextChanged, this, [this] { check(); });
  retranslateUi();
  refillNames();
}

bool ArchiveEntryDialog::isControl() const { return control_->isChecked(); }
QString ArchiveEntryDialog::name() const { return name_->currentText().trimmed(); }

void ArchiveEntryDialog::retranslateUi() {
  setWindowTitle(tr("Add to archive"));
  sample_->setText(tr("Results of a sample"));
  control_->setText(tr("Results of a control solution"));
  nameLabel_->setText(tr("Name:"));
}

void ArchiveEntryDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslateUi();
  QDialog::changeEvent(event);
}

void ArchiveEntryDialog::refillNames() {
  name_->clear();
  if (isControl()) {
    for (const std::string& c : controls_) name_->addItem(UiText::fromStd(c));
  } else {
    name_->setEditText(proposed_);
  }
  check();
}

void ArchiveEntryDialog::check() { buttons_->button(QDialogButtonBox::Ok)->setEnabled(!name().isEmpty()); }

}  // namespace velmora
