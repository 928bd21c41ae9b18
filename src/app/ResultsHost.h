#pragma once

#include <QDialog>
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "ArchiveRow.h"
#include "ArchiveRows.h"

namespace velmora {

class IResultsArchive;
class MainWindow;
class ResultsWindow;
class Settings;

// The results archive in the main window: "Results..." opens the Results
// window, "Add to archive" on the calculation page archives the current
// calculation and on the report page the current report, and the
// measurement wizard archives its report at the end of a run (when the
// settings say so). The archive is the one the settings name, opened at
// first use.
class ResultsHost : public QObject {
  Q_OBJECT
 public:
  ResultsHost(MainWindow& window, Settings& settings);
  ~ResultsHost() override;

  // The archive, opened at first use; null (after an error message) when it
  // cannot be opened: the next use tries again.
  IResultsArchive* archive();
  // Puts another archive in place (tests, the screenshot tour).
  void setArchive(std::unique_ptr<IResultsArchive> archive);
  ResultsWindow& resultsWindow();
  // Runs instead of the modal dialogs when set (tests).
  void setDialogRunner(std::function<bool(QDialog&)> runner) { runDialog_ = std::move(runner); }

  void ResultsActnExecute();
  // The number of results archived (0 when nothing was).
  std::size_t AddToArchiveActnExecute();
  std::size_t AddReportToArchiveActnExecute();

  // The measurement wizard: its report is being built anew; each sample's
  // calculation is collected; the end of the run archives what was
  // collected.
  void beginWizardReport(const std::string& sampleName);
  void collectWizardCalculation();
  std::size_t finishWizardRun();

 private:
  ArchiveRows::Origin origin() const;
  bool askEntry(const QString& proposed, ArchiveRows::Origin& origin);
  std::size_t store(std::vector<ArchiveRow>& rows);
  void openDocument(const QString& path, const QStringList& curves);
  void updateActions();

  MainWindow& window_;
  Settings& settings_;
  std::unique_ptr<IResultsArchive> archive_;
  std::string openedFor_;  // the setting the archive was opened for
  bool fixed_ = false;     // put in place by setArchive
  ResultsWindow* results_ = nullptr;
  std::function<bool(QDialog&)> runDialog_;
  std::string wizardSample_;
  std::vector<ArchiveRow> wizardRows_;
};

}  // namespace velmora
