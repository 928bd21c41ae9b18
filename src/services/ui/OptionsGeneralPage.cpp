#include "OptionsGeneralPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "Options.h"
#include "UiText.h"

namespace velmora {

OptionsGeneralPage::OptionsGeneralPage(QWidget* parent) : QWidget(parent) {
  auto* storage = text_.bind(new QGroupBox(this), QT_TRANSLATE_NOOP("TOptionsForm", "Data storage"));
  separate_ = text_.bind(new QRadioButton(storage), QT_TRANSLATE_NOOP("TOptionsForm", "Separate files"));
  central_ = text_.bind(new QRadioButton(storage), QT_TRANSLATE_NOOP("TOptionsForm", "Central database"));
  auto* storageGroup = new QButtonGroup(this);
  storageGroup->addButton(separate_, 0);
  storageGroup->addButton(central_, 1);
  auto* locationLabel = text_.bind(new QLabel(storage), QT_TRANSLATE_NOOP("TOptionsForm", "Location"));
  location_ = new QLineEdit(storage);
  location_->setObjectName(QStringLiteral("LocationEdit"));
  locationLabel->setBuddy(location_);
  browse_ = new QPushButton(QStringLiteral("..."), storage);
  browse_->setObjectName(QStringLiteral("BrowseButton"));
  browse_->setFixedWidth(32);
  auto* storageLayout = new QGridLayout(storage);
  storageLayout->addWidget(separate_, 0, 0, 1, 3);
  storageLayout->addWidget(central_, 1, 0, 1, 3);
  storageLayout->addWidget(locationLabel, 2, 0);
  storageLayout->addWidget(location_, 2, 1);
  storageLayout->addWidget(browse_, 2, 2);
  storageLayout->setColumnStretch(1, 1);

  auto* view = text_.bind(new QGroupBox(this), QT_TRANSLATE_NOOP("TOptionsForm", "Data view"));
  flat_ = text_.bind(new QRadioButton(view), QT_TRANSLATE_NOOP("TOptionsForm", "Flat file"));
  tree_ = text_.bind(new QRadioButton(view), QT_TRANSLATE_NOOP("TOptionsForm", "Tree structure"));
  auto* viewGroup = new QButtonGroup(this);
  viewGroup->addButton(flat_, 0);
  viewGroup->addButton(tree_, 1);
  auto* viewLayout = new QHBoxLayout(view);
  viewLayout->addWidget(flat_);
  viewLayout->addWidget(tree_);
  viewLayout->addStretch(1);

  autoUpdate_ = text_.bind(new QCheckBox(this), QT_TRANSLATE_NOOP("TOptionsForm", "Check for updates automatically"));
  snapshots_ = text_.bind(new QCheckBox(this), QT_TRANSLATE_NOOP("TOptionsForm", "Show snapshot builds"));
  backup_ = text_.bind(new QCheckBox(this), QT_TRANSLATE_NOOP("TOptionsForm", "Auto backup recorded data"));
  askMethod_ = text_.bind(new QCheckBox(this), QT_TRANSLATE_NOOP("TOptionsForm", "Ask for modified methods save"));

  auto* workLabel = text_.bind(new QLabel(this), QT_TRANSLATE_NOOP("TOptionsForm", "Working directory"));
  workDir_ = new QLineEdit(this);
  workDir_->setObjectName(QStringLiteral("WorkingDirectoryEdit"));
  workDir_->setReadOnly(true);
  workLabel->setBuddy(workDir_);
  auto* workRow = new QHBoxLayout;
  workRow->addWidget(workLabel);
  workRow->addWidget(workDir_, 1);

  // The results archive: an SQLite file in the working directory unless a
  // laboratory's PostgreSQL server is named.
  auto* archive = text_.bind(new QGroupBox(this), QT_TRANSLATE_NOOP("TOptionsForm", "Results archive"));
  auto* serverLabel = text_.bind(
      new QLabel(archive),
      QT_TRANSLATE_NOOP("TOptionsForm", "PostgreSQL server (empty: Results.sqlite in the working directory)"));
  archiveServer_ = new QLineEdit(archive);
  archiveServer_->setObjectName(QStringLiteral("ArchiveServerEdit"));
  archiveServer_->setPlaceholderText(QStringLiteral("postgresql://user@host:5432/database"));
  serverLabel->setBuddy(archiveServer_);
  archiveWizard_ = text_.bind(new QCheckBox(archive),
                              QT_TRANSLATE_NOOP("TOptionsForm", "Archive the results of the measurement wizard"));
  auto* archiveLayout = new QVBoxLayout(archive);
  archiveLayout->addWidget(serverLabel);
  archiveLayout->addWidget(archiveServer_);
  archiveLayout->addWidget(archiveWizard_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(storage);
  layout->addWidget(view);
  layout->addWidget(autoUpdate_);
  layout->addWidget(snapshots_);
  layout->addWidget(backup_);
  layout->addWidget(askMethod_);
  layout->addWidget(archive);
  layout->addSpacing(8);
  layout->addLayout(workRow);
  layout->addStretch(1);

  connect(central_, &QRadioButton::toggled, this, [this] { updateLocationState(); });
  connect(browse_, &QPushButton::clicked, this, [this] { browse(); });
  updateLocationState();
}

void OptionsGeneralPage::load(const Options& o, const std::filesystem::path& dataFolder) {
  (o.saveType == 1 ? central_ : separate_)->setChecked(true);
  previousSaveDir_ = o.saveDir;
  location_->setText(QDir::toNativeSeparators(UiText::fromStd(o.saveDir)));
  (o.insertType == 0 ? flat_ : tree_)->setChecked(true);
  autoUpdate_->setChecked(o.autoUpdate);
  snapshots_->setChecked(o.snapShotsUpdate);
  backup_->setChecked(o.backupEnabled);
  askMethod_->setChecked(o.askMethodChange);
  archiveServer_->setText(UiText::fromStd(o.archiveDatabase));
  archiveWizard_->setChecked(o.archiveWizardResults);
  workDir_->setText(QDir::toNativeSeparators(QString::fromStdString(dataFolder.string())));
  updateLocationState();
}

std::string OptionsGeneralPage::saveDirFor(const QString& location, const std::string& previous) {
  const QString folder = location.trimmed();
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) return previous;
  std::string dir = UiText::toStd(folder);
  if (dir.back() != '/' && dir.back() != '\\') dir += static_cast<char>(std::filesystem::path::preferred_separator);
  return dir;
}

void OptionsGeneralPage::store(Options& o) const {
  o.saveType = central_->isChecked() ? 1 : 0;
  o.saveDir = saveDirFor(location_->text(), o.saveDir);
  o.insertType = flat_->isChecked() ? 0 : 1;
  o.backupEnabled = backup_->isChecked();
  o.autoUpdate = autoUpdate_->isChecked();
  o.snapShotsUpdate = snapshots_->isChecked();
  o.askMethodChange = askMethod_->isChecked();
  o.archiveDatabase = UiText::toStd(archiveServer_->text().trimmed());
  o.archiveWizardResults = archiveWizard_->isChecked();
}

void OptionsGeneralPage::reset() {
  const Options defaults;
  separate_->setChecked(defaults.saveType == 0);
  central_->setChecked(defaults.saveType == 1);
  (defaults.insertType == 0 ? flat_ : tree_)->setChecked(true);
  backup_->setChecked(defaults.backupEnabled);
  autoUpdate_->setChecked(defaults.autoUpdate);
  snapshots_->setChecked(defaults.snapShotsUpdate);
  askMethod_->setChecked(defaults.askMethodChange);
  archiveServer_->setText(UiText::fromStd(defaults.archiveDatabase));
  archiveWizard_->setChecked(defaults.archiveWizardResults);
  updateLocationState();
}

QString OptionsGeneralPage::location() const { return location_->text().trimmed(); }

void OptionsGeneralPage::updateLocationState() {
  const bool on = central_->isChecked();
  location_->setEnabled(on);
  browse_->setEnabled(on);
}

void OptionsGeneralPage::browse() {
  const QString initial = location();
  const QString chosen =
      folderPicker_ ? folderPicker_(initial, this) : QFileDialog::getExistingDirectory(this, QString(), initial);
  if (chosen.isEmpty()) return;
  QString folder = QDir::toNativeSeparators(chosen);
  if (!folder.endsWith(QDir::separator())) folder += QDir::separator();
  location_->setText(folder);
}

void OptionsGeneralPage::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) text_.retranslate();
  QWidget::changeEvent(event);
}

}  // namespace velmora
