#include "ResultsHost.h"

#include <QAction>
#include <QFileInfo>
#include <QToolBar>

#include <QStatusBar>
#include "ArchiveEntryDialog.h"
#include "ArchiveProvenance.h"
#include "ArchiveTime.h"
#include "CalcHost.h"
#include "CalibrationsHost.h"
#include "EArchiveError.h"
#include "IDocumentCommands.h"
#include "MainActions.h"
#include "MainChartView.h"
#include "MainWindow.h"
#include "Messages.h"
#include "ReportHost.h"
#include "ResultsWindow.h"
#include "Settings.h"
#include "SqlResultsArchive.h"
#include "TCalcForm.h"
#include "TCalibrationsDB.h"
#include "TDocumentCommands.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TReportArchive.h"
#include "TReportPage.h"
#include "TReportRec.h"
#include "TVAStruct.h"
#include "UiText.h"

namespace velmora {

ResultsHost::ResultsHost(MainWindow& window, Settings& settings)
    : QObject(&window), window_(window), settings_(settings) {
  for (const char* name : {"ResultsActn", "AddToArchiveActn", "AddReportToArchiveActn"}) window.actions().adopt(name);
  connect(window.action("ResultsActn"), &QAction::triggered, this, &ResultsHost::ResultsActnExecute);
  connect(window.action("AddToArchiveActn"), &QAction::triggered, this, [this] { AddToArchiveActnExecute(); });
  connect(window.action("AddReportToArchiveActn"), &QAction::triggered, this,
          [this] { AddReportToArchiveActnExecute(); });
  TCalcForm& form = window.calculations().form();
  if (QToolBar* bar = form.findChild<QToolBar*>()) bar->addAction(window.action("AddToArchiveActn"));
  window.reports().page().toolBar()->addAction(window.action("AddReportToArchiveActn"));
  connect(&form, &TCalcForm::inputChecked, this, &ResultsHost::updateActions);
  connect(&window.reports().page(), &TReportPage::commandsChanged, this, &ResultsHost::updateActions);
  updateActions();
}

ResultsHost::~ResultsHost() = default;

void ResultsHost::updateActions() {
  const TConcCalculation& calc = window_.calculations().form().calculation();
  bool any = false;
  for (const TCalcElement& e : calc.Elements()) any = any || e.SampleResult > 0.0;
  window_.action("AddToArchiveActn")->setEnabled(any && calc.RequirementsMet());
  window_.action("AddReportToArchiveActn")->setEnabled(!window_.reports().report().Empty());
}

IResultsArchive* ResultsHost::archive() {
  // The settings may have named another archive since it was opened.
  if (archive_ && !fixed_ && openedFor_ != settings_.options().archiveDatabase) {
    if (results_) results_->setArchive(nullptr);
    archive_.reset();
  }
  if (archive_) return archive_.get();
  // Without a data folder (a window made for a test) there is no default archive.
  if (settings_.options().archiveDatabase.empty() && settings_.dataFolder().empty()) return nullptr;
  try {
    openedFor_ = settings_.options().archiveDatabase;
    archive_ = std::make_unique<SqlResultsArchive>(SqlResultsArchive::AddressFor(openedFor_, settings_.dataFolder()));
  } catch (const EArchiveError& e) {
    window_.messageSink().error(e.message());
    return nullptr;
  }
  if (results_) results_->setArchive(archive_.get());
  return archive_.get();
}

void ResultsHost::setArchive(std::unique_ptr<IResultsArchive> archive) {
  archive_ = std::move(archive);
  fixed_ = archive_ != nullptr;
  if (results_) results_->setArchive(archive_.get());
}

ResultsWindow& ResultsHost::resultsWindow() {
  if (!results_) {
    results_ = new ResultsWindow(archive_.get(), ArchiveProvenance::OperatorName(), &window_);
    if (runDialog_) results_->setDialogRunner(runDialog_);
    connect(results_, &ResultsWindow::openDocumentRequested, this, &ResultsHost::openDocument);
  }
  return *results_;
}

void ResultsHost::ResultsActnExecute() {
  ResultsWindow& w = resultsWindow();
  w.setArchive(archive());
  w.show();
  w.raise();
  w.activateWindow();
}

ArchiveRows::Origin ResultsHost::origin() const {
  ArchiveRows::Origin o;
  o.Operator = ArchiveProvenance::OperatorName();
  o.Workstation = ArchiveProvenance::Workstation();
  o.TimeMs = ArchiveTime::NowMs();
  // The document's bytes are known only while it is saved as shown.
  const QString file = window_.documentFileName();
  if (QFileInfo(file).isAbsolute() && QFileInfo::exists(file)) {
    o.Document = UiText::toStd(file);
    if (!window_.modified()) o.DocumentSha256 = ArchiveProvenance::FileSha256(o.Document);
  }
  return o;
}

bool ResultsHost::askEntry(const QString& proposed, ArchiveRows::Origin& o) {
  std::vector<std::string> controls;
  if (IResultsArchive* a = archive()) {
    try {
      controls = a->Distinct(IResultsArchive::Column::Control);
    } catch (const EArchiveError&) {
      // The dialog works without the list.
    }
  }
  ArchiveEntryDialog dialog(proposed, controls, &window_);
  const bool accepted = runDialog_ ? runDialog_(dialog) : dialog.exec() == QDialog::Accepted;
  if (!accepted || dialog.name().isEmpty()) return false;
  (dialog.isControl() ? o.Control : o.Sample) = UiText::toStd(dialog.name());
  return true;
}

std::size_t ResultsHost::store(std::vector<ArchiveRow>& rows) {
  if (rows.empty()) return 0;
  IResultsArchive* a = archive();
  if (!a) return 0;
  try {
    a->Add(rows);
  } catch (const EArchiveError& e) {
    window_.messageSink().error(e.message());
    return 0;
  }
  if (results_ && results_->isVisible()) results_->refresh();
  window_.statusBar()->showMessage(tr("%n result(s) archived", nullptr, static_cast<int>(rows.size())), 5000);
  return rows.size();
}

std::size_t ResultsHost::AddToArchiveActnExecute() {
  const TConcCalculation& calc = window_.calculations().form().calculation();
  ArchiveRows::Origin o = origin();
  const QString proposed = QFileInfo(window_.documentFileName()).completeBaseName();
  if (!askEntry(proposed, o)) return 0;
  TCalibrationsDB& calibrations = window_.calibrations().database();
  std::vector<ArchiveRow> rows = ArchiveRows::FromCalculation(
      calc, o, [&calibrations](const std::string& name) { return calibrations.GetActiveCalibration(name); });
  return store(rows);
}

std::size_t ResultsHost::AddReportToArchiveActnExecute() {
  const TReportRec& report = window_.reports().report();
  if (report.Empty()) return 0;
  ArchiveRows::Origin o = origin();
  if (!askEntry(UiText::fromStd(report.Title), o)) return 0;
  std::vector<ArchiveRow> rows =
      TReportArchive::Rows(report, o, [](const std::string& path) { return ArchiveProvenance::FileSha256(path); });
  return store(rows);
}

void ResultsHost::beginWizardReport(const std::string& sampleName) {
  wizardSample_ = sampleName;
  wizardRows_.clear();
}

void ResultsHost::collectWizardCalculation() {
  ArchiveRows::Origin o = origin();
  o.Sample = wizardSample_;
  TCalibrationsDB& calibrations = window_.calibrations().database();
  auto rows = ArchiveRows::FromCalculation(
      window_.calculations().form().calculation(), o,
      [&calibrations](const std::string& name) { return calibrations.GetActiveCalibration(name); });
  wizardRows_.insert(wizardRows_.end(), rows.begin(), rows.end());
}

std::size_t ResultsHost::finishWizardRun() {
  std::vector<ArchiveRow> rows = std::move(wizardRows_);
  wizardRows_.clear();
  if (!settings_.options().archiveWizardResults) return 0;
  return store(rows);
}

void ResultsHost::openDocument(const QString& path, const QStringList& curves) {
  IDocumentCommands* commands = window_.documentCommands();
  if (!commands) return;
  // A document that is gone or was replaced by another file is refused
  // before the open document goes.
  if (const auto problem = TDocumentCommands::OpenProblem(UiText::toStd(path))) {
    window_.messageSink().error(*problem);
    return;
  }
  if (!commands->OpenDocument(path)) return;
  // The curves the result was computed from, else the first group.
  TNodeForest& forest = window_.forest();
  TNodesArr chosen;
  for (const auto& node : forest.AllNodes) {
    const TVAStruct* record = node && node->InForest() ? node->VA() : nullptr;
    if (record && curves.contains(UiText::fromStd(record->DatabaseName))) chosen.push_back(node.get());
  }
  if (!chosen.empty()) {
    forest.SetSelection(chosen);
  } else if (forest.FirstRoot() != nullptr) {
    forest.SelectNode(forest.FirstRoot());
  }
  window_.chartView().scheduleRedraw();
  if (QAction* calc = window_.action("PeaksTreatmentActn"); calc && !chosen.empty() && !calc->isChecked())
    calc->trigger();
  window_.raise();
  window_.activateWindow();
}

}  // namespace velmora
