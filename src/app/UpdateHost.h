#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QNetworkAccessManager;
class QTimer;

namespace velmora {

class MainWindow;
class Settings;
class TUpdateForm;

// The "Program update" window's wiring: created once the start-up is done,
// it offers to delete an installer left from the last update, runs the
// automatic check three seconds later when "AutoUpdate" is on, and serves
// "Check for updates". The catalogue's and the release notes' addresses are
// the keys "CatalogueUrl" and "NotesUrl" of the section "Install".
class UpdateHost : public QObject {
  Q_OBJECT
 public:
  static constexpr int AutoCheckDelayMs = 3000;

  UpdateHost(MainWindow& window, Settings& settings);
  ~UpdateHost() override;

  TUpdateForm& form() const;
  // Takes the settings into the window: addresses, snapshots, language.
  void configure();
  // The three-letter abbreviation of the interface language for a locale
  // identifier (0: the user's default language).
  static QString languageAbbreviation(int localeId);

 private:
  void askToDeleteInstaller();
  void writeInstallerPath(const QString& path);
  void startInstaller(const QString& path);

  MainWindow& window_;
  Settings& settings_;
  QNetworkAccessManager* network_ = nullptr;
  QPointer<TUpdateForm> form_;
  QTimer* timer_ = nullptr;
};

}  // namespace velmora
