#include "StatisticsHost.h"

#include <QAction>

#include "MainWindow.h"
#include "Settings.h"
#include "THeaderManager.h"
#include "TMethodStatForm.h"
#include "TStatDB.h"

namespace velmora {

StatisticsHost::StatisticsHost(MainWindow& window, Settings& settings)
    : QObject(&window), window_(window), db_(std::make_unique<TStatDB>(settings.dataFolder() / TStatDB::kFolderName)) {
  form_ = new TMethodStatForm(*db_, window.messageSink(), &window);
  window.actions().adopt("EditCalculationStatisticsActn");
  connect(window.action("EditCalculationStatisticsActn"), &QAction::triggered, form_, [this] { form_->exec(); });
  reload();
}

StatisticsHost::~StatisticsHost() { delete form_; }

void StatisticsHost::setLibrary(IMethodStatLibrary* library) {
  db_->SetLibrary(library);
  reload();
}

void StatisticsHost::openIn(const std::filesystem::path& dataFolder) {
  db_->Folder().SetFolder(dataFolder / TStatDB::kFolderName);
  reload();
}

void StatisticsHost::reload() {
  for (const Message& problem : db_->LoadAll()) window_.messageSink().error(problem);
}

}  // namespace velmora
