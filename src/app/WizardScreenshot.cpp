#include "WizardScreenshot.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <filesystem>

#include "IWizardPages.h"
#include "MainWindow.h"
#include "MethodsHost.h"
#include "TMWizForm.h"
#include "TMethodsLibrary.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "WizardHost.h"

namespace velmora {

namespace {

void settle(int rounds = 5) {
  for (int i = 0; i < rounds; ++i) {
    QApplication::processEvents();
    QThread::msleep(20);
  }
}

bool shot(QWidget& widget, const QString& folder, const char* name) {
  settle();
  return widget.grab().save(QDir(folder).filePath(QString::fromLatin1(name)));
}

// Lead on a background of about ten µA, inside the method's 20 µA range: the stored curves of the simulation,
// one per role, the peak growing with every addition of the standard.
TMethod Simulation(const TMethod& method) {
  TMethod m = method;
  m.FileName = "wizard-demo-simulation.mtd";
  for (TLocalizedMethod& l : m.Localized) l.Title += " - simulation";
  TWizSteps script;
  script.push_back(ValueRecord::Make(kStepSimulation));
  for (const ValueRecord& command : method.Script) {
    if (command.Type == kStepStartRecord) {
      for (int type = 1; type <= 4; ++type) {
        ValueRecord data = ValueRecord::Make(kStepDummyData);
        data.Dummy.MeasurementType = type;
        const double height = 1.6 + 0.9 * (type - 1);
        for (int x = -650; x <= -250; x += 2) {
          const double d = (x + 425.0) / 32.0;
          const double y = 11.0 + 0.012 * (x + 650) + 0.00002 * (x + 450) * (x + 450) / 10.0 + height / (1.0 + d * d);
          data.Dummy.Points.push_back({static_cast<double>(x), y});
        }
        script.push_back(std::move(data));
      }
    }
    script.push_back(command);
  }
  m.Script = std::move(script);
  return m;
}

bool waitFor(const std::function<bool()>& done, int ms) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < ms) settle(1);
  return done();
}

}  // namespace

int WizardScreenshot::run(MainWindow& w, const QString& folder) {
  TMethods& methods = w.methods().library().Methods();
  const TMethod* lead = nullptr;
  for (const TMethod& m : methods)
    if (std::filesystem::path(m.FileName).filename() == "Pb-standard-additions.mtd") lead = &m;
  if (lead == nullptr) return 0;
  methods.push_back(Simulation(*lead));

  TMWizForm& wiz = w.wizard().form();
  // The wizard's notices (a parallel sample completed, ...) are acknowledged
  // as an analyst would, so the tour goes on.
  QTimer acknowledge;
  acknowledge.setInterval(100);
  QObject::connect(&acknowledge, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
  });
  acknowledge.start();
  wiz.prepare();
  wiz.resize(1040, 700);
  wiz.setModal(false);
  wiz.show();
  int written = 0;
  const int row = static_cast<int>(wiz.listedMethods().size()) - 1;
  wiz.selectMethod(row);
  written += shot(wiz, folder, "wizard-0-welcome.png");
  wiz.NextClick();
  wiz.parallelSamplesBox()->setValue(1);
  written += shot(wiz, folder, "wizard-1-cell.png");
  wiz.NextClick();
  if (QTableWidget* table = wiz.propertyTable(); table->rowCount() > 0) table->item(0, 1)->setText("Tap water");
  written += shot(wiz, folder, "wizard-2-program.png");
  for (int pass = 0; pass < 4 && wiz.currentPage() == IWizardPages::kProgramInput; ++pass) {
    wiz.NextClick();
    if (pass == 1) {
      waitFor([&] { return wiz.progressBar()->value() >= 6; }, 3000);
      written += shot(wiz, folder, "wizard-3-recording.png");
    }
    waitFor([&] { return wiz.currentPage() == IWizardPages::kChart && wiz.nextButton()->isEnabled(); }, 5000);
    if (pass == 3) written += shot(wiz, folder, "wizard-4-chart.png");
    wiz.NextClick();
  }
  if (wiz.currentPage() == IWizardPages::kReport) written += shot(wiz, folder, "wizard-5-report.png");
  TNode* root = const_cast<TNode*>(wiz.placement().Root());
  wiz.reject();
  if (root && root->InForest()) w.forest().RemoveNode(root);
  methods.pop_back();
  w.setModified(false);
  settle();
  return written;
}

}  // namespace velmora
