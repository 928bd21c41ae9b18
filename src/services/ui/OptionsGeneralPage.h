#pragma once

#include <QWidget>
#include <filesystem>
#include <functional>

#include "UiTextBinder.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace velmora {

struct Options;

// The "General" page: data storage, data view, updates, backup, the data
// folder and the method-save question.
class OptionsGeneralPage : public QWidget {
  Q_OBJECT
 public:
  explicit OptionsGeneralPage(QWidget* parent = nullptr);

  void load(const Options& options, const std::filesystem::path& dataFolder);
  // The page's keys: SaveType, SaveDir (only when the "Location" folder
  // exists, with a trailing separator), InsertType, Backup, AutoUpdate,
  // SnapShotsUpdate, AskMethodChange.
  void store(Options& options) const;
  // The defaults of the page (the location and the data folder stay).
  void reset();
  // The folder typed for the central database, or empty.
  QString location() const;
  // SaveDir as OK would store it: the location with a separator when it
  // exists, otherwise `previous`.
  static std::string saveDirFor(const QString& location, const std::string& previous);

  // Replaces the folder dialog (tests answer without a modal dialog).
  using FolderPicker = std::function<QString(const QString& initial, QWidget* parent)>;
  void setFolderPicker(FolderPicker picker) { folderPicker_ = std::move(picker); }

  QRadioButton* separateFiles() const { return separate_; }
  QRadioButton* centralDatabase() const { return central_; }
  QLineEdit* locationEdit() const { return location_; }
  QPushButton* browseButton() const { return browse_; }
  QRadioButton* flatFile() const { return flat_; }
  QRadioButton* treeStructure() const { return tree_; }
  QCheckBox* autoUpdate() const { return autoUpdate_; }
  QCheckBox* backup() const { return backup_; }
  QLineEdit* workingDirectory() const { return workDir_; }
  QCheckBox* askMethodChange() const { return askMethod_; }
  QCheckBox* snapshots() const { return snapshots_; }
  QLineEdit* archiveServer() const { return archiveServer_; }
  QCheckBox* archiveWizardResults() const { return archiveWizard_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void updateLocationState();
  void browse();

  UiTextBinder text_{"TOptionsForm"};
  QRadioButton* separate_ = nullptr;
  QRadioButton* central_ = nullptr;
  QLineEdit* location_ = nullptr;
  QPushButton* browse_ = nullptr;
  QRadioButton* flat_ = nullptr;
  QRadioButton* tree_ = nullptr;
  QCheckBox* autoUpdate_ = nullptr;
  QCheckBox* backup_ = nullptr;
  QLineEdit* workDir_ = nullptr;
  QCheckBox* askMethod_ = nullptr;
  QCheckBox* snapshots_ = nullptr;
  QLineEdit* archiveServer_ = nullptr;
  QCheckBox* archiveWizard_ = nullptr;
  FolderPicker folderPicker_;
  std::string previousSaveDir_;
};

}  // namespace velmora
