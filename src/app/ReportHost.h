#pragma once

#include <QObject>
#include <filesystem>
#include <memory>

namespace velmora {

class MainWindow;
class Settings;
class TReportPage;
class TReportRec;
class TReportStore;

// The current report in the main window: its page "Report" in the
// calculation window, "Add to report" on the calculation page's tool bar,
// the report commands ("Save report", "Remove report", "Clear report",
// "Remove element from report") and the saved reports of the record folder
// "Reports" in the data folder.
class ReportHost : public QObject {
  Q_OBJECT
 public:
  ReportHost(MainWindow& window, Settings& settings);
  ~ReportHost() override;

  TReportRec& report() const { return *report_; }
  TReportStore& store() const { return *store_; }
  TReportPage& page() const { return *page_; }
  // Adds the calculation window's current calculation; false when it gives
  // nothing to add.
  bool AddToReportActnExecute();
  // Binds the record folder "Reports" to the one in `dataFolder` (the data
  // folder moved at start-up) and lists what lies there.
  void openIn(const std::filesystem::path& dataFolder);

 private:
  void updateActions();

  MainWindow& window_;
  Settings& settings_;
  std::unique_ptr<TReportRec> report_;
  std::unique_ptr<TReportStore> store_;
  TReportPage* page_ = nullptr;
};

}  // namespace velmora
