#include "OptionsController.h"

#include <QAction>

#include "ColorValue.h"
#include "MainWindow.h"
#include "MessageSink.h"
#include "OptionsDeviceHost.h"
#include "PeaksHost.h"
#include "Settings.h"
#include "TImagePreviewBox.h"
#include "TOptionsForm.h"
#include "TPaintingGuard.h"
#include "WindowMessageSink.h"

namespace velmora {

OptionsController::OptionsController(MainWindow& window, Settings& settings)
    : QObject(&window), window_(window), settings_(settings) {
  host_ = std::make_unique<OptionsDeviceHost>(window.deviceLink(), settings.options(), window.action("ResetActn"));
  sink_ = std::make_unique<WindowMessageSink>(window);
  form_ = new TOptionsForm(host_.get(), *sink_, &window);
  window.actions().adopt("SettingsActn");
  connect(window.action("SettingsActn"), &QAction::triggered, this, [this] { execute(0); });
}

OptionsController::~OptionsController() {
  // The dialog goes before the host it talks to.
  delete form_;
}

void OptionsController::prepare(int tag) {
  // The settings in memory catch up with the windows first.
  window_.storeSettings();
  form_->load(settings_.options(), settings_.dataFolder());
  form_->setTag(tag);
  if (tag != 1) form_->selectPage(TOptionsForm::General);
}

bool OptionsController::execute(int tag) {
  prepare(tag);
  if (form_->exec() != QDialog::Accepted) return false;
  applyAccepted();
  return true;
}

void OptionsController::applyAccepted() {
  Options& o = settings_.options();
  form_->store(o);
  {
    // Thumbnail size and colours: one repaint once the view has them all.
    TPaintingGuard guard(window_.forest());
    window_.tree().loadSettings(o);
  }
  window_.peaks().applySettings(o);
  window_.setMainChartColor(ColorValue::toQColor(o.mainChart));
}

}  // namespace velmora
