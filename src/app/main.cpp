#include <QApplication>
#include <cstdio>

#include "AppCommandLine.h"
#include "AppStartup.h"
#include "AppStyle.h"
#include "HugePageHeap.h"
#include "MainWindow.h"
#include "VelmoraVersion.h"

namespace {

// --help, --version and wrong switches: text on the terminal, no window.
int answerCommandLine(velmora::AppCommandLine& commandLine, velmora::AppCommandLine::Outcome outcome) {
  using Outcome = velmora::AppCommandLine::Outcome;
  if (outcome == Outcome::Help) {
    std::fputs(qPrintable(commandLine.helpText()), stdout);
    return 0;
  }
  if (outcome == Outcome::Version) {
    std::fputs(qPrintable(velmora::AppCommandLine::versionText() + u'\n'), stdout);
    return 0;
  }
  std::fputs(qPrintable(QStringLiteral("velmora-va: %1\n\n").arg(commandLine.errorText()) + commandLine.helpText()),
             stderr);
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (velmora::AppCommandLine::wantsTextOnly(argc, argv)) {
    // Help and version need no display.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("velmora-va");
    QCoreApplication::setApplicationVersion(velmora::build::kVersion);
    velmora::AppCommandLine commandLine;
    const auto outcome = commandLine.parse(QCoreApplication::arguments());
    if (outcome != velmora::AppCommandLine::Outcome::Run) return answerCommandLine(commandLine, outcome);
  }
  velmora::HugePageHeap::restartWithHugePages(argv);
  QApplication app(argc, argv);
  QApplication::setStyle(new velmora::AppStyle);
  QApplication::setApplicationName("Velmora-VA");
  QApplication::setOrganizationName("Velmora");
  QApplication::setApplicationVersion(velmora::build::kVersion);
  velmora::AppCommandLine commandLine;
  const auto outcome = commandLine.parse(QApplication::arguments());
  if (outcome != velmora::AppCommandLine::Outcome::Run) return answerCommandLine(commandLine, outcome);
  velmora::AppStartup startup;
  velmora::MainWindow* window = startup.start(commandLine.startArguments());
  if (!startup.screenshotFolder().isEmpty()) {
    window->setModified(false);
    window->close();
    return 0;
  }
  return QApplication::exec();
}
