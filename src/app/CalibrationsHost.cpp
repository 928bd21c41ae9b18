#include "CalibrationsHost.h"

#include <QAction>
#include <QListWidget>

#include "CalibrationSaver.h"
#include "DateTime.h"
#include "FormatError.h"
#include "MainWindow.h"
#include "Settings.h"
#include "TCalibrForm.h"
#include "TCalibrationsDB.h"
#include "TStatForm.h"

namespace velmora {

CalibrationsHost::CalibrationsHost(MainWindow& window, Settings& settings)
    : QObject(&window),
      window_(window),
      db_(std::make_unique<TCalibrationsDB>(settings.dataFolder() / TCalibrationsDB::kFolderName)) {
  form_ = new TCalibrForm(*db_, window.messageSink(), &window);
  window.actions().adopt("ShowCalibrationsActn");
  window.actions().adopt("RemoveCalibrationActn");
  QAction* show = window.action("ShowCalibrationsActn");
  show->setCheckable(true);
  connect(show, &QAction::toggled, form_, [this](bool on) { form_->setVisible(on); });
  connect(form_, &TCalibrForm::visibilityChanged, this, [this, show](bool visible) {
    show->setChecked(visible);
    updateActions();
  });
  connect(window.action("RemoveCalibrationActn"), &QAction::triggered, form_, &TCalibrForm::RemoveExecute);
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

void CalibrationsHost::updateActions() {
  window_.actions().setEnabled("RemoveCalibrationActn", form_->isVisible() && form_->canRemove());
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
