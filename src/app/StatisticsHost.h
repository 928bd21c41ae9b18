#pragma once

#include <QObject>
#include <filesystem>
#include <memory>

namespace velmora {

class IMethodStatLibrary;
class MainWindow;
class Settings;
class TMethodStatForm;
class TStatDB;

// Hosts the statistics database ("Statistics" in the data folder, after
// the library methods' statistics) and the "Statistics" window, opened
// modally by "Calculation statistics...". The database is loaded at start.
class StatisticsHost : public QObject {
  Q_OBJECT
 public:
  StatisticsHost(MainWindow& window, Settings& settings);
  ~StatisticsHost() override;

  TStatDB& database() const { return *db_; }
  TMethodStatForm& form() const { return *form_; }
  // The methods library, when one arrives: its statistics join the list.
  void setLibrary(IMethodStatLibrary* library);
  // Reloads the database, reporting unreadable records once each.
  void reload();
  // Binds the database to "Statistics" in `dataFolder` (the data folder
  // moved at start-up) and loads what lies there.
  void openIn(const std::filesystem::path& dataFolder);

 private:
  MainWindow& window_;
  std::unique_ptr<TStatDB> db_;
  TMethodStatForm* form_ = nullptr;
};

}  // namespace velmora
