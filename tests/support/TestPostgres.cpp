#include "TestPostgres.h"

#include <unistd.h>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>
#include <cstdlib>
#include <stdexcept>

namespace velmora::test {

namespace {

ArchiveAddress Server() {
  const auto a = ArchiveAddress::Parse(TestPostgres::ServerUrl());
  if (!a || a->kind != ArchiveAddress::Kind::Postgres)
    throw std::runtime_error("VELMORA_TEST_PG_URL is no postgresql:// address: " + TestPostgres::ServerUrl());
  return *a;
}

}  // namespace

std::string TestPostgres::ServerUrl() {
  const char* url = std::getenv("VELMORA_TEST_PG_URL");
  return url ? url : "";
}

void TestPostgres::Admin(const std::string& sql) {
  static std::atomic<int> counter{0};
  const QString name = QStringLiteral("velmora-test-admin-%1").arg(counter.fetch_add(1));
  std::string problem;
  {
    const ArchiveAddress server = Server();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    db.setHostName(QString::fromStdString(server.Host));
    if (server.Port) db.setPort(server.Port);
    db.setUserName(QString::fromStdString(server.User));
    db.setPassword(QString::fromStdString(server.Password));
    db.setDatabaseName(QString::fromStdString(server.Database.empty() ? "postgres" : server.Database));
    if (!db.open()) {
      problem = db.lastError().text().toStdString();
    } else {
      QSqlQuery q(db);
      if (!q.exec(QString::fromStdString(sql))) problem = q.lastError().text().toStdString();
    }
    db.close();
  }
  QSqlDatabase::removeDatabase(name);
  if (!problem.empty()) throw std::runtime_error(sql + ": " + problem);
}

TestPostgres::TestPostgres() : address_(Server()) {
  static std::atomic<int> counter{0};
  address_.Database = "velmora_t_" + std::to_string(::getpid()) + "_" + std::to_string(counter.fetch_add(1));
  Admin("CREATE DATABASE " + address_.Database);
}

TestPostgres::~TestPostgres() {
  try {
    Admin("DROP DATABASE IF EXISTS " + address_.Database + " WITH (FORCE)");
  } catch (const std::exception&) {
    // A database left behind goes with the test cluster.
  }
}

}  // namespace velmora::test
