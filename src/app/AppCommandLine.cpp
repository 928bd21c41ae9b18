#include "AppCommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstring>

#include "VelmoraVersion.h"

namespace velmora {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("AppCommandLine", text); }

}  // namespace

AppCommandLine::Outcome AppCommandLine::parse(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      tr("Velmora-VA: the workstation of the stripping-voltammetry analyzer. It records voltammograms, finds "
         "their peaks and computes concentrations."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  QCommandLineOption screenshots(QStringLiteral("screenshots"), tr("Saves pictures of the windows into DIR and quits."),
                                 tr("DIR"));
  screenshots.setFlags(QCommandLineOption::HiddenFromHelp);
  QCommandLineOption demo(QStringLiteral("demo"), tr("Starts with a demonstration document."));
  demo.setFlags(QCommandLineOption::HiddenFromHelp);
  QCommandLineOption language(QStringLiteral("language"), tr("Starts in the language ID (en or ru)."), tr("ID"));
  language.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(screenshots);
  parser.addOption(demo);
  parser.addOption(language);
  parser.addPositionalArgument(tr("document"), tr("The document (.tvx, .mbd) to open at start."), tr("[document]"));

  helpText_ = parser.helpText();
  if (!parser.parse(arguments)) {
    errorText_ = parser.errorText();
    return Outcome::Error;
  }
  if (parser.isSet(help)) return Outcome::Help;
  if (parser.isSet(version)) return Outcome::Version;
  documentWords_ = parser.positionalArguments();
  screenshotFolder_ = parser.value(screenshots);
  demo_ = parser.isSet(demo);
  language_ = parser.value(language);
  if (!language_.isEmpty() && language_ != QLatin1String("en") && language_ != QLatin1String("ru")) {
    errorText_ = tr("Unknown language: %1").arg(language_);
    return Outcome::Error;
  }
  return Outcome::Run;
}

QStringList AppCommandLine::startArguments() const {
  QStringList out = documentWords_;
  if (!screenshotFolder_.isEmpty()) out << QStringLiteral("--screenshots") << screenshotFolder_;
  if (demo_) out << QStringLiteral("--demo");
  if (!language_.isEmpty()) out << QStringLiteral("--language") << language_;
  return out;
}

QString AppCommandLine::versionText() {
  return QStringLiteral("velmora-va %1").arg(QString::fromLatin1(build::kVersion));
}

bool AppCommandLine::wantsTextOnly(int argc, char** argv) {
  // Help, version and every switch the window does not take (the parser
  // then complains on the terminal).
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    if (std::strcmp(a, "--") == 0) return false;  // documents follow
    if (a[0] != '-' || a[1] == '\0') continue;
    if (std::strcmp(a, "--demo") == 0) continue;
    if (std::strcmp(a, "--screenshots") == 0 || std::strcmp(a, "--language") == 0) {
      ++i;  // its folder or language
      continue;
    }
    return true;
  }
  return false;
}

}  // namespace velmora
