#include "ReportHost.h"

#include <QAction>
#include <QLabel>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "CalcHost.h"
#include "CalcTypeCycle.h"
#include "CalibrationsHost.h"
#include "MainActions.h"
#include "MainWindow.h"
#include "MessageSink.h"
#include "PeaksHost.h"
#include "Settings.h"
#include "StatisticsHost.h"
#include "TCalcForm.h"
#include "TCalibrationsDB.h"
#include "THeaderManager.h"
#include "TPeaksController.h"
#include "TReportExperiment.h"
#include "TReportPage.h"
#include "TReportRec.h"
#include "TReportStore.h"
#include "TStatDB.h"

namespace velmora {

ReportHost::ReportHost(MainWindow& window, Settings& settings)
    : QObject(&window),
      window_(window),
      settings_(settings),
      report_(std::make_unique<TReportRec>()),
      store_(std::make_unique<TReportStore>(settings.dataFolder() / TReportStore::kFolderName)) {
  TCalcForm& form = window.calculations().form();
  // The page "Report" of the calculation window holds the report's page.
  QWidget* holder = form.pages()->widget(1);
  page_ = new TReportPage(*report_, *store_, holder);
  if (holder) {
    for (QLabel* label : holder->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) label->hide();
    if (holder->layout()) holder->layout()->addWidget(page_);
  }
  page_->setStatistics(&window.statistics().database().Records());

  for (const char* name :
       {"AddToReportActn", "SaveReportActn", "RemoveReportActn", "ClearReportActn", "RemoveElementFromReportActn"})
    window.actions().adopt(name);
  QAction* add = window.action("AddToReportActn");
  for (const char* name :
       {"SaveReportActn", "RemoveReportActn", "ClearReportActn", "RemoveElementFromReportActn", "ReportActn"})
    if (QAction* a = window.action(name)) page_->toolBar()->addAction(a);

  connect(add, &QAction::triggered, this, [this] { AddToReportActnExecute(); });
  connect(window.action("SaveReportActn"), &QAction::triggered, page_, &TReportPage::saveReport);
  connect(window.action("RemoveReportActn"), &QAction::triggered, page_, &TReportPage::removeReport);
  connect(window.action("ClearReportActn"), &QAction::triggered, page_, [this] { page_->clearReport(); });
  connect(window.action("RemoveElementFromReportActn"), &QAction::triggered, page_, &TReportPage::removeElement);
  connect(&form, &TCalcForm::inputChecked, this, &ReportHost::updateActions);
  connect(page_, &TReportPage::commandsChanged, this, &ReportHost::updateActions);
  settings_.options().repBaseDir = (store_->Folder().Folder() / "").string();
  updateActions();
}

ReportHost::~ReportHost() = default;

void ReportHost::openIn(const std::filesystem::path& dataFolder) {
  const std::filesystem::path folder = dataFolder / TReportStore::kFolderName;
  store_->Folder().SetFolder(folder);
  // The settings name the folder the reports are kept in.
  settings_.options().repBaseDir = (folder / "").string();
  page_->refillReports();
  updateActions();
}

void ReportHost::updateActions() {
  TCalcForm& form = window_.calculations().form();
  window_.action("AddToReportActn")->setEnabled(TReportExperiment::CanAdd(form.calculation(), *report_));
  window_.action("SaveReportActn")->setEnabled(!report_->Empty());
  window_.action("ClearReportActn")->setEnabled(!report_->Empty());
  window_.action("RemoveElementFromReportActn")->setEnabled(!report_->Empty());
  window_.action("RemoveReportActn")->setEnabled(page_->selectedReport() >= 0);
}

bool ReportHost::AddToReportActnExecute() {
  TCalcForm& form = window_.calculations().form();
  TConcCalculation& calc = form.calculation();
  if (!TReportExperiment::CanAdd(calc, *report_)) return false;
  if (const char* refusal = TReportExperiment::Refusal(calc, *report_)) {
    window_.messageSink().warning(Message(refusal));
    return false;
  }
  // The peak calculation type in force (shown by "Change peak calculation
  // type"); the last one picked when the peaks' types are mixed.
  const int shown = window_.peaks().controller().shownCalcType();
  const std::int32_t type = shown >= 0 ? shown : CurrentCalcType();
  TCalibrationsDB& calibrations = window_.calibrations().database();
  const auto experiment = TReportExperiment::FromCalculation(
      calc, window_.documentFileName().toStdString(), type,
      [&calibrations](const std::string& name) { return calibrations.GetActiveCalibration(name); });
  if (!experiment) return false;
  report_->AddExperiment(*experiment);
  page_->refill();
  updateActions();
  return true;
}

}  // namespace velmora
