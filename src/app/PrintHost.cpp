#include "PrintHost.h"

#include <QAction>

#include "MainActions.h"
#include "MainChartView.h"
#include "MainWindow.h"
#include "ReportHost.h"
#include "TRepForm.h"

namespace velmora {

PrintHost::PrintHost(MainWindow& window) : QObject(&window), window_(window) {
  window.actions().adopt("ReportActn");
  connect(window.action("ReportActn"), &QAction::triggered, this, &PrintHost::ReportActnExecute);
}

void PrintHost::ReportActnExecute() {
  TRepForm form(window_.chartView().chart(), &window_);
  form.setJobTitle(window_.windowTitle());
  form.setReport(&window_.reports().report());
  form.exec();
}

}  // namespace velmora
