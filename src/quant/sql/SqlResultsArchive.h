#pragma once

#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "ArchiveAddress.h"
#include "ArchiveSchema.h"
#include "IResultsArchive.h"

class QSqlDatabase;
class QSqlQuery;

namespace velmora {

// The results archive in an SQLite file (write-ahead log and a busy
// time-out, so several processes write at once) or on a PostgreSQL server.
// Opening creates the schema or brings it up to date under a lock, so
// processes that open one archive together migrate it once. Every write is
// one transaction; statements are prepared and their values bound. A lost
// connection is opened anew by the next operation.
//
// Needs a QCoreApplication (Qt loads the database drivers as plugins).
class SqlResultsArchive final : public IResultsArchive {
 public:
  // Throws EArchiveError when the archive cannot be opened or is newer
  // than this program. `upToVersion` stops the migrations early (tests
  // build archives of older schemas with it).
  explicit SqlResultsArchive(ArchiveAddress address, int upToVersion = ArchiveSchema::CurrentVersion());
  ~SqlResultsArchive() override;
  SqlResultsArchive(const SqlResultsArchive&) = delete;
  SqlResultsArchive& operator=(const SqlResultsArchive&) = delete;

  // The archive named by a setting or a --db value: empty gives the SQLite
  // file "Results.sqlite" in the data folder. Throws EArchiveError for an
  // address that cannot be read.
  static ArchiveAddress AddressFor(const std::string& setting, const std::filesystem::path& dataFolder);

  void Add(std::vector<ArchiveRow>& rows) override;
  std::vector<ArchiveRow> Query(const ArchiveFilter& filter) override;
  std::vector<std::string> Distinct(Column column) override;
  std::string Location() const override { return address_.Display(); }

  const ArchiveAddress& address() const { return address_; }
  // The schema version the archive holds now.
  int SchemaVersion();
  // Runs inside Add's transaction after each row is written (a test makes
  // the connection fail there).
  void SetRowWrittenHook(std::function<void(std::size_t row)> hook) { rowWritten_ = std::move(hook); }

 private:
  QSqlDatabase database() const;
  void open();
  void ensureOpen();
  void migrate(int upToVersion);
  void begin(QSqlDatabase& db);
  void closeAfterFailure();
  [[noreturn]] void fail(const char* message, const QString& detail);

  ArchiveAddress address_;
  ArchiveSchema::Dialect dialect_;
  QString connection_;
  int upToVersion_;
  std::function<void(std::size_t)> rowWritten_;
};

}  // namespace velmora
