#include "SqlResultsArchive.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>

#include "EArchiveError.h"
#include "Messages.h"

namespace velmora {

namespace {

// Every process that migrates a PostgreSQL archive takes this advisory lock
// first (any number of the application's choosing).
constexpr qint64 kMigrationLock = 0x56454C4D4F5241;  // "VELMORA"
constexpr int kBusyTimeoutMs = 30000;

QString Text(const std::string& s) { return QString::fromStdString(s); }
std::string Std(const QVariant& v) { return v.toString().toStdString(); }

QString ErrorText(const QSqlError& e) {
  QString text = e.databaseText().trimmed();
  if (text.isEmpty()) text = e.driverText().trimmed();
  if (text.isEmpty()) text = e.text().trimmed();
  return text;
}

QString NextConnectionName() {
  static std::atomic<int> counter{0};
  return QStringLiteral("velmora-archive-%1").arg(counter.fetch_add(1));
}

}  // namespace

ArchiveAddress SqlResultsArchive::AddressFor(const std::string& setting, const std::filesystem::path& dataFolder) {
  if (setting.empty()) return ArchiveAddress::SqliteFile((dataFolder / ArchiveAddress::kDefaultFileName).string());
  auto address = ArchiveAddress::Parse(setting);
  if (!address) throw EArchiveError(Message(msg::ArchiveBadAddress, {setting}));
  return *address;
}

SqlResultsArchive::SqlResultsArchive(ArchiveAddress address, int upToVersion)
    : address_(std::move(address)),
      dialect_(address_.kind == ArchiveAddress::Kind::Sqlite ? ArchiveSchema::Dialect::Sqlite
                                                             : ArchiveSchema::Dialect::Postgres),
      connection_(NextConnectionName()),
      upToVersion_(upToVersion) {
  const char* driver = dialect_ == ArchiveSchema::Dialect::Sqlite ? "QSQLITE" : "QPSQL";
  if (!QSqlDatabase::isDriverAvailable(QString::fromLatin1(driver))) {
    const char* package = dialect_ == ArchiveSchema::Dialect::Sqlite ? "libqt6sql6-sqlite" : "libqt6sql6-psql";
    throw EArchiveError(Message(msg::ArchiveNoDriver, {driver, package}));
  }
  QSqlDatabase db = QSqlDatabase::addDatabase(QString::fromLatin1(driver), connection_);
  if (dialect_ == ArchiveSchema::Dialect::Sqlite) {
    db.setDatabaseName(Text(address_.File));
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
  } else {
    if (!address_.Host.empty()) db.setHostName(Text(address_.Host));
    if (address_.Port != 0) db.setPort(address_.Port);
    db.setDatabaseName(Text(address_.Database));
    db.setUserName(Text(address_.User));
    db.setPassword(Text(address_.Password));
    QStringList options;
    auto it = address_.Options.find("connect_timeout");
    if (it == address_.Options.end()) options << QStringLiteral("connect_timeout=10");
    for (const auto& [key, value] : address_.Options) options << Text(key + "=" + value);
    db.setConnectOptions(options.join(QLatin1Char(';')));
  }
  try {
    open();
  } catch (...) {
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
    throw;
  }
}

SqlResultsArchive::~SqlResultsArchive() {
  {
    QSqlDatabase db = database();
    if (db.isOpen()) db.close();
  }
  QSqlDatabase::removeDatabase(connection_);
}

QSqlDatabase SqlResultsArchive::database() const { return QSqlDatabase::database(connection_, false); }

void SqlResultsArchive::fail(const char* message, const QString& detail) {
  throw EArchiveError(Message(message, {address_.Display(), detail.toStdString()}));
}

void SqlResultsArchive::open() {
  QSqlDatabase db = database();
  if (!db.open()) fail(msg::ArchiveCannotOpen, ErrorText(db.lastError()));
  if (dialect_ == ArchiveSchema::Dialect::Sqlite) {
    QSqlQuery wal(db);
    // Switching to the write-ahead log needs a moment alone with the file;
    // the busy time-out waits for it. A file already in WAL answers "wal".
    if (!wal.exec(QStringLiteral("PRAGMA journal_mode=WAL"))) {
      const QString detail = ErrorText(wal.lastError());
      db.close();
      fail(msg::ArchiveCannotOpen, detail);
    }
  }
  if (dialect_ == ArchiveSchema::Dialect::Postgres) {
    // The server's notices ("already exists, skipping") are no news here.
    QSqlQuery quiet(db);
    quiet.exec(QStringLiteral("SET client_min_messages = warning"));
  }
  migrate(upToVersion_);
}

void SqlResultsArchive::ensureOpen() {
  if (!database().isOpen()) open();
}

void SqlResultsArchive::closeAfterFailure() {
  QSqlDatabase db = database();
  if (db.isOpen()) db.close();
}

void SqlResultsArchive::begin(QSqlDatabase& db) {
  if (dialect_ == ArchiveSchema::Dialect::Sqlite) {
    // IMMEDIATE takes the write lock now (waiting out the busy time-out),
    // so two writers never deadlock upgrading their read locks.
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) throw q.lastError();
  } else if (!db.transaction()) {
    throw db.lastError();
  }
}

int SqlResultsArchive::SchemaVersion() {
  ensureOpen();
  QSqlQuery q(database());
  if (!q.exec(QStringLiteral("SELECT version FROM schema_version")) || !q.next()) return 0;
  return q.value(0).toInt();
}

void SqlResultsArchive::migrate(int upToVersion) {
  QSqlDatabase db = database();
  {
    // Most openings find the schema current: a plain read, no lock.
    QSqlQuery q(db);
    if (q.exec(QStringLiteral("SELECT version FROM schema_version")) && q.next()) {
      const int version = q.value(0).toInt();
      if (version > ArchiveSchema::CurrentVersion()) {
        db.close();
        throw EArchiveError(Message(msg::ArchiveNewerSchema, {address_.Display(), std::to_string(version),
                                                              std::to_string(ArchiveSchema::CurrentVersion())}));
      }
      if (version >= upToVersion) return;
    }
  }
  try {
    begin(db);
    QSqlQuery q(db);
    auto run = [&](const QString& sql) {
      if (!q.exec(sql)) throw q.lastError();
    };
    if (dialect_ == ArchiveSchema::Dialect::Postgres)
      run(QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(kMigrationLock));
    run(QString::fromLatin1(ArchiveSchema::CreateVersionTable()));
    run(QStringLiteral("SELECT version FROM schema_version"));
    int version = 0;
    const bool haveRow = q.next();
    if (haveRow) version = q.value(0).toInt();
    q.finish();
    if (version > ArchiveSchema::CurrentVersion()) {
      db.rollback();
      db.close();
      throw EArchiveError(Message(msg::ArchiveNewerSchema, {address_.Display(), std::to_string(version),
                                                            std::to_string(ArchiveSchema::CurrentVersion())}));
    }
    if (!haveRow) run(QStringLiteral("INSERT INTO schema_version (version) VALUES (0)"));
    for (const ArchiveSchema::Migration& m : ArchiveSchema::Migrations(dialect_)) {
      if (m.Version <= version || m.Version > upToVersion) continue;
      for (const std::string& statement : m.Statements) run(Text(statement));
      QSqlQuery set(db);
      set.prepare(QStringLiteral("UPDATE schema_version SET version = ?"));
      set.addBindValue(m.Version);
      if (!set.exec()) throw set.lastError();
    }
    if (!db.commit()) throw db.lastError();
  } catch (const QSqlError& e) {
    db.rollback();
    const QString detail = ErrorText(e);
    db.close();
    fail(msg::ArchiveCannotOpen, detail);
  }
}

void SqlResultsArchive::Add(std::vector<ArchiveRow>& rows) {
  if (rows.empty()) return;
  try {
    ensureOpen();
  } catch (const EArchiveError& e) {
    throw EArchiveError(Message(msg::ArchiveWriteFailed, {address_.Display(), e.what()}));
  }
  QSqlDatabase db = database();
  std::vector<std::int64_t> ids;
  ids.reserve(rows.size());
  try {
    begin(db);
    QSqlQuery q(db);
    if (!q.prepare(QString::fromLatin1(ArchiveSchema::InsertSql()))) throw q.lastError();
    const QVariant nullDouble(QMetaType::fromType<double>());
    const QVariant nullInt(QMetaType::fromType<int>());
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const ArchiveRow& r = rows[i];
      q.bindValue(0, Text(r.Sample));
      q.bindValue(1, Text(r.Control));
      q.bindValue(2, Text(r.Element));
      q.bindValue(3, r.Value);
      q.bindValue(4, Text(r.Unit));
      q.bindValue(5, r.Uncertainty ? QVariant(*r.Uncertainty) : nullDouble);
      q.bindValue(6, r.Lod ? QVariant(*r.Lod) : nullDouble);
      q.bindValue(7, r.Method ? QVariant(*r.Method) : nullInt);
      q.bindValue(8, Text(r.Calibration));
      q.bindValue(9, Text(r.Document));
      q.bindValue(10, Text(r.DocumentSha256));
      q.bindValue(11, Text(r.Curves));
      q.bindValue(12, Text(r.Operator));
      q.bindValue(13, Text(r.Workstation));
      q.bindValue(14, QVariant::fromValue<qlonglong>(r.TimeMs));
      q.bindValue(15, r.Simulated ? 1 : 0);
      if (!q.exec() || !q.next()) throw q.lastError();
      ids.push_back(q.value(0).toLongLong());
      q.finish();
      if (rowWritten_) rowWritten_(i);
    }
    if (!db.commit()) throw db.lastError();
  } catch (const QSqlError& e) {
    const QString detail = ErrorText(e);
    db.rollback();
    closeAfterFailure();
    fail(msg::ArchiveWriteFailed, detail.isEmpty() ? QStringLiteral("?") : detail);
  } catch (...) {
    db.rollback();
    closeAfterFailure();
    throw;
  }
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i].Id = ids[i];
}

std::vector<ArchiveRow> SqlResultsArchive::Query(const ArchiveFilter& filter) {
  try {
    ensureOpen();
  } catch (const EArchiveError& e) {
    throw EArchiveError(Message(msg::ArchiveReadFailed, {address_.Display(), e.what()}));
  }
  std::vector<ArchiveFilter::Param> params;
  const std::string sql = ArchiveSchema::SelectSql(filter, params);
  QSqlQuery q(database());
  q.setForwardOnly(true);
  std::vector<ArchiveRow> rows;
  bool ok = q.prepare(Text(sql));
  if (ok) {
    for (std::size_t i = 0; i < params.size(); ++i)
      q.bindValue(static_cast<int>(i),
                  params[i].Text ? QVariant(Text(*params[i].Text)) : QVariant::fromValue<qlonglong>(params[i].Integer));
    ok = q.exec();
  }
  if (!ok) {
    const QString detail = ErrorText(q.lastError());
    closeAfterFailure();
    fail(msg::ArchiveReadFailed, detail);
  }
  while (q.next()) {
    ArchiveRow r;
    r.Id = q.value(0).toLongLong();
    r.Sample = Std(q.value(1));
    r.Control = Std(q.value(2));
    r.Element = Std(q.value(3));
    r.Value = q.value(4).toDouble();
    r.Unit = Std(q.value(5));
    if (!q.isNull(6)) r.Uncertainty = q.value(6).toDouble();
    if (!q.isNull(7)) r.Lod = q.value(7).toDouble();
    if (!q.isNull(8)) r.Method = q.value(8).toInt();
    r.Calibration = Std(q.value(9));
    r.Document = Std(q.value(10));
    r.DocumentSha256 = Std(q.value(11));
    r.Curves = Std(q.value(12));
    r.Operator = Std(q.value(13));
    r.Workstation = Std(q.value(14));
    r.TimeMs = q.value(15).toLongLong();
    r.Simulated = q.value(16).toInt() != 0;
    rows.push_back(std::move(r));
  }
  if (q.lastError().isValid()) {
    const QString detail = ErrorText(q.lastError());
    closeAfterFailure();
    fail(msg::ArchiveReadFailed, detail);
  }
  return rows;
}

std::vector<std::string> SqlResultsArchive::Distinct(Column column) {
  const char* name = column == Column::Sample    ? "sample"
                     : column == Column::Control ? "control"
                     : column == Column::Element ? "element"
                                                 : "operator_name";
  try {
    ensureOpen();
  } catch (const EArchiveError& e) {
    throw EArchiveError(Message(msg::ArchiveReadFailed, {address_.Display(), e.what()}));
  }
  QSqlQuery q(database());
  q.setForwardOnly(true);
  if (!q.exec(Text(ArchiveSchema::DistinctSql(name)))) {
    const QString detail = ErrorText(q.lastError());
    closeAfterFailure();
    fail(msg::ArchiveReadFailed, detail);
  }
  std::vector<std::string> values;
  while (q.next()) values.push_back(Std(q.value(0)));
  return values;
}

}  // namespace velmora
