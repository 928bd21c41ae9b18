#include "HelpHost.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QTabWidget>
#include <optional>

#include "AssemblyHost.h"
#include "CalcHost.h"
#include "CalibrationsHost.h"
#include "HelpContexts.h"
#include "HelpFiles.h"
#include "HelpViewer.h"
#include "MainToolsHost.h"
#include "MainWindow.h"
#include "Messages.h"
#include "MethodsHost.h"
#include "PropertiesWindow.h"
#include "RecordParametersHost.h"
#include "SamplerHost.h"
#include "ScriptEditorHost.h"
#include "StartPanel.h"
#include "StatisticsHost.h"
#include "TAssemblyForm.h"
#include "TCalcForm.h"
#include "TCalibrForm.h"
#include "TEquationEditor.h"
#include "TMethodEditForm.h"
#include "TMethodScriptEditor.h"
#include "TMethodStatForm.h"
#include "TOldStyleRecordForm.h"
#include "TOptionsForm.h"
#include "TSamplerForm.h"
#include "TStatForm.h"
#include "TSubtractionForm.h"
#include "TimerWindow.h"

namespace velmora {

namespace {

constexpr const char* kContextProperty = "helpContext";
constexpr const char* kConnectedProperty = "velmoraHelpConnected";

void setContext(QWidget* widget, int context) {
  if (widget) widget->setProperty(kContextProperty, context);
}

// Windows the host does not reach through the main window, by class: they
// are created on demand and get their number when first shown.
int contextOfClass(const char* className) {
  const QLatin1String name(className);
  if (name == QLatin1String("velmora::TRepForm")) return help::Print;
  if (name == QLatin1String("velmora::TUpdateForm")) return help::ProgramUpdate;
  return -1;
}

}  // namespace

HelpHost::HelpHost(MainWindow& window) : QObject(&window), window_(window), folder_(defaultHelpFolder()) {
  setObjectName(QStringLiteral("HelpHost"));
  window.actions().adopt("HelpContextActn");
  window.actions().setEnabled("HelpContextActn", true);
  connect(window.action("HelpContextActn"), &QAction::triggered, this, &HelpHost::showActiveWindowHelp);
  assignContexts();
  if (auto* assembly = window.findChild<AssemblyHost*>())
    assembly->form().setHelpHandler([this](int context) { showContext(context); });
  if (auto* panel = window.findChild<StartPanel*>()) {
    setContext(panel, help::StartPanel);
    connect(panel, &StartPanel::helpRequested, this, [this] { showContext(help::Contents); });
  }
  qApp->installEventFilter(this);
}

HelpHost::~HelpHost() {
  if (qApp) qApp->removeEventFilter(this);
  delete viewer_;
}

HelpViewer* HelpHost::viewer() const { return viewer_; }

QString HelpHost::defaultHelpFolder() {
  const QString fromEnvironment = qEnvironmentVariable("VELMORA_HELP_DIR");
  if (!fromEnvironment.isEmpty()) return fromEnvironment;
  const QDir program(QCoreApplication::applicationDirPath());
  const QString beside = program.filePath(QStringLiteral("help"));
  if (QFileInfo(beside).isDir()) return beside;
  return QDir::cleanPath(program.filePath(QStringLiteral("../share/velmora-va/help")));
}

void HelpHost::assignContexts() {
  setContext(&window_, help::MainWindow);
  setContext(window_.peaksDock(), help::Peaks);
  setContext(&window_.propertiesWindow(), help::Properties);
  setContext(window_.statForm(), help::CalculationsChart);
  setContext(&window_.recordParameters().form(), help::RecordParameters);
  setContext(&window_.sampler().form(), help::Autosampler);
  setContext(&window_.tools().subtraction(), help::Subtraction);
  setContext(&window_.tools().timer(), help::Timer);
  setContext(&window_.calculations().equationEditor(), help::EquationEditor);
  setContext(&window_.calibrations().form(), help::Calibrations);
  setContext(&window_.statistics().form(), help::Statistics);
  setContext(&window_.methods().editor(), help::MethodsEditor);
  setContext(&window_.scriptEditor().editor(), help::ScriptEditor);
  if (auto* assembly = window_.findChild<AssemblyHost*>()) setContext(&assembly->form(), help::AssemblyAssistant);

  // Windows with pages follow the page shown.
  // (The Options dialog answers for its page itself: contextOf.)
  TCalcForm& calc = window_.calculations().form();
  setContext(&calc, help::CalculationsBase + qMax(0, calc.pages()->currentIndex()));
  connect(calc.pages(), &QTabWidget::currentChanged, &calc,
          [&calc](int page) { setContext(&calc, help::CalculationsBase + qMax(0, page)); });
}

int HelpHost::contextOf(const QWidget* widget) const {
  for (const QWidget* w = widget; w; w = w->parentWidget()) {
    if (const auto* options = qobject_cast<const TOptionsForm*>(w)) return options->helpContext();
    bool ok = false;
    const int context = w->property(kContextProperty).toInt(&ok);
    if (ok) return context;
  }
  return help::MainWindow;
}

void HelpHost::showActiveWindowHelp() {
  QWidget* focus = QApplication::focusWidget();
  QWidget* active = QApplication::activeWindow();
  if (focus == nullptr || (active && focus->window() != active)) focus = active;
  if (focus == nullptr) focus = &window_;
  showContext(contextOf(focus));
}

HelpViewer& HelpHost::ensureViewer() {
  // A modal dialog blocks every other window but its own: the help then
  // opens as a window of that dialog, so it can be read and scrolled.
  QWidget* owner = QApplication::activeModalWidget();
  if (owner == nullptr || owner == viewer_) owner = &window_;
  if (viewer_ == nullptr) {
    viewer_ = new HelpViewer(owner);
  } else if (viewer_->parentWidget() != owner) {
    const QRect geometry = viewer_->geometry();
    viewer_->setParent(owner, Qt::Window);
    viewer_->setGeometry(geometry);
  }
  return *viewer_;
}

void HelpHost::showContext(int context) {
  bool known = false;
  int language = qApp->property("velmoraLanguage").toInt(&known);
  if (!known || language == 0) language = HelpFiles::kEnglish;
  const auto folder = HelpFiles::languageFolder(folder_.toStdString(), language);
  if (!folder) {
    window_.messageSink().error(Message(msg::HelpNotFound, {folder_.toStdString()}));
    return;
  }
  std::optional<Message> problem;
  const HelpFiles::Location place = HelpFiles::locate(*folder, context, &problem);
  HelpViewer& viewer = ensureViewer();
  viewer.showPage(QString::fromStdString(place.page.string()), QString::fromStdString(place.anchor));
  viewer.show();
  viewer.raise();
  viewer.activateWindow();
  if (problem) window_.messageSink().error(*problem);
}

void HelpHost::connectHelpSignal(QWidget* window) {
  if (window->property(kConnectedProperty).toBool()) return;
  window->setProperty(kConnectedProperty, true);
  if (!window->property(kContextProperty).isValid()) {
    const int context = contextOfClass(window->metaObject()->className());
    if (context >= 0) setContext(window, context);
  }
  const int index = window->metaObject()->indexOfSignal("helpRequested(int)");
  if (index < 0) return;
  const QMetaMethod signal = window->metaObject()->method(index);
  const QMetaMethod slot = metaObject()->method(metaObject()->indexOfSlot("showContext(int)"));
  connect(window, signal, this, slot);
}

bool HelpHost::eventFilter(QObject* watched, QEvent* event) {
  if (!watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  if (event->type() == QEvent::Show && widget->isWindow()) {
    connectHelpSignal(widget);
  } else if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    // In the main window F1 is the shortcut of "&Help Context"; elsewhere
    // the key press arrives here.
    if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier && widget->window() != &window_) {
      showContext(contextOf(widget));
      return true;
    }
  }
  return false;
}

}  // namespace velmora
