#pragma once

#include <QString>
#include <QStringList>

namespace velmora {

// The workstation's command line: --help, --version, the document to open
// (all remaining arguments joined with single spaces, as a file name with
// blanks arrives in pieces) and the switches of the demonstration and the
// screenshot tour (--demo, --screenshots DIR), which the help leaves out.
class AppCommandLine {
 public:
  enum class Outcome { Run, Help, Version, Error };

  // `arguments` starts with the program's name, as QCoreApplication gives it.
  Outcome parse(const QStringList& arguments);

  // The arguments for AppStartup::start(): the document's words, then the
  // hidden switches the start-up reads.
  QStringList startArguments() const;
  QString helpText() const { return helpText_; }
  // "velmora-va 0.1.0".
  static QString versionText();
  // The parser's complaint, for Outcome::Error.
  QString errorText() const { return errorText_; }

  // True when the arguments ask for help or the version, or hold a switch
  // the window does not take: answers that need no display (main() then
  // parses without the window system).
  static bool wantsTextOnly(int argc, char** argv);

 private:
  QStringList documentWords_;
  QString screenshotFolder_;
  bool demo_ = false;
  QString language_;
  QString helpText_;
  QString errorText_;
};

}  // namespace velmora
