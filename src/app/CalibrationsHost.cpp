#include "CalibrationsHost.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>

#include "CalcHost.h"
#include "CalcMethods.h"
#include "CalibrationSaver.h"
#include "DateTime.h"
#include "FormatError.h"
#include "MainWindow.h"
#include "PrintHost.h"
#include "Settings.h"
#include "TCalcForm.h"
#include "TCalibrForm.h"
#include "TCalibrationsDB.h"
#include "TConcCalculation.h"
#include "THeaderManager.h"
#include "TStatForm.h"

namespace velmora {

CalibrationsHost::CalibrationsHost(MainWindow& window, Settings& settings)
    : QObject(&window),
      window_(window),
      db_(std::make_unique<TCalibrationsDB>(settings.dataFolder() / TCalibrationsDB::kFolderName)) {
  form_ = new TCalibrForm(*db_, window.messageSink(), &window);
  window.actions().adopt("ShowCalibrationsActn");
  window.actions().adopt("RemoveCalibrationActn");
  window.actions().adopt("PrintCalibrationActn");
  QAction* show = window.action("ShowCalibrationsActn");
  show->setCheckable(true);
  connect(show, &QAction::toggled, form_, [this](bool on) { form_->setVisible(on); });
  connect(form_, &TCalibrForm::visibilityChanged, this, [this, show](bool visible) {
    show->setChecked(visible);
    updateActions();
  });
  connect(window.action("RemoveCalibrationActn"), &QAction::triggered, form_, &TCalibrForm::RemoveExecute);
  // "Print": the calibration chosen in the window, else the calculation's.
  connect(window.action("PrintCalibrationActn"), &QAction::triggered, this,
          [this] { window_.printHost().PrintCalibrationActnExecute(chosenCalibrations()); });
  TCalcForm& calculation = window.calculations().form();
  connect(&calculation, &TCalcForm::inputChecked, this, [this] { updateActions(); });
  // After the calculation window has taken the method the user chose.
  connect(
      calculation.methodList(), &QComboBox::activated, this, [this] { updateActions(); }, Qt::QueuedConnection);
  connect(form_->calibrationList(), &QListWidget::currentRowChanged, this, [this](int) { updateActions(); });
  connect(form_, &TCalibrForm::databaseChanged, this, [this] {
    if (TStatForm* chart = window_.statForm(); chart && chart->isVisible()) chart->Refresh();
  });
  // The calculation chart reads "By calibration" on the active calibrations.
  if (TStatForm* chart = window.statForm()) chart->calculation().SetCalibrations(db_.get());
  updateActions();
}

CalibrationsHost::~CalibrationsHost() {
  if (TStatForm* chart = window_.statForm()) chart->calculation().SetCalibrations(nullptr);
  delete form_;
}

void CalibrationsHost::openIn(const std::filesystem::path& dataFolder) {
  db_->Folder().SetFolder(dataFolder / TCalibrationsDB::kFolderName);
  db_->Load();
  form_->Refill();
  updateActions();
}

void CalibrationsHost::updateActions() {
  window_.actions().setEnabled("RemoveCalibrationActn", form_->isVisible() && form_->canRemove());
  const bool fromCalculation = window_.calculations().form().calculation().Method() == CalcMethods::kCalibrationCurve;
  window_.actions().setEnabled("PrintCalibrationActn", !chosenCalibrations().empty() || fromCalculation);
}

std::vector<TSingleCalibration> CalibrationsHost::chosenCalibrations() const {
  std::vector<TSingleCalibration> out;
  const int element = form_->selectedElement(), calibration = form_->selectedCalibration();
  if (!form_->isVisible() || element < 0 || calibration < 0) return out;
  out.push_back(db_->GetCalibration(static_cast<std::size_t>(element), static_cast<std::size_t>(calibration)));
  return out;
}

std::vector<TSingleCalibration> CalibrationsHost::saveCalibration(const TConcCalculation& calc,
                                                                  std::span<TVAStruct* const> checkedCurves) {
  std::vector<TSingleCalibration> saved;
  try {
    saved = SaveCalibrations(calc, checkedCurves, *db_, DateTime::now());
  } catch (const EFormatError& e) {
    window_.messageSink().error(e.message());
  }
  form_->Refill();
  return saved;
}

}  // namespace velmora
