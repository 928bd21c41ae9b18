#include "WizardHost.h"

#include <QAction>

#include "MainActions.h"
#include "MainWindow.h"
#include "TMWizForm.h"

namespace velmora {

WizardHost::WizardHost(MainWindow& window, Settings& settings)
    : QObject(&window), window_(window), settings_(settings) {
  window.actions().adopt("ShowWizActn");
  connect(window.action("ShowWizActn"), &QAction::triggered, this, [this] { ShowWizActnExecute(); });
}

TMWizForm& WizardHost::form() {
  if (form_ == nullptr) form_ = new TMWizForm(window_, settings_);
  return *form_;
}

void WizardHost::ShowWizActnExecute() {
  TMWizForm& wizard = form();
  wizard.prepare();
  wizard.exec();
}

}  // namespace velmora
