// The results archive on both databases: the same suite against an SQLite
// file and against a database on the test PostgreSQL server.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <memory>
#include <random>
#include <set>

#include "ArchiveTime.h"
#include "EArchiveError.h"
#include "Messages.h"
#include "SqlResultsArchive.h"
#include "TempDir.h"
#include "TestPostgres.h"

using namespace velmora;
using velmora::test::TempDir;
using velmora::test::TestPostgres;

namespace {

enum class Backend { Sqlite, Postgres };

ArchiveRow Row(std::string element, double value, std::int64_t time, std::string control = {}) {
  ArchiveRow r;
  r.Sample = control.empty() ? "S-" + element : std::string();
  r.Control = std::move(control);
  r.Element = std::move(element);
  r.Value = value;
  r.Unit = "mg/dm³";
  r.Operator = "ana";
  r.Workstation = "ws";
  r.TimeMs = time;
  r.Method = 1;
  return r;
}

class ResultsArchiveTest : public ::testing::TestWithParam<Backend> {
 protected:
  void SetUp() override {
    if (GetParam() == Backend::Postgres) {
      VELMORA_NEED_POSTGRES();
      server_ = std::make_unique<TestPostgres>();
      address_ = server_->address();
    } else {
      address_ = ArchiveAddress::SqliteFile((dir_ / "Results.sqlite").string());
    }
  }
  std::unique_ptr<SqlResultsArchive> Open(int version = ArchiveSchema::CurrentVersion()) {
    return std::make_unique<SqlResultsArchive>(address_, version);
  }
  std::size_t Count() { return Open()->Query({}).size(); }
  // One statement outside the archive, on a connection of its own.
  void Raw(const QString& sql) {
    const QString name = QStringLiteral("raw");
    {
      QSqlDatabase db = QSqlDatabase::addDatabase(
          GetParam() == Backend::Sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"), name);
      if (GetParam() == Backend::Sqlite) {
        db.setDatabaseName(QString::fromStdString(address_.File));
      } else {
        db.setHostName(QString::fromStdString(address_.Host));
        db.setPort(address_.Port);
        db.setUserName(QString::fromStdString(address_.User));
        db.setDatabaseName(QString::fromStdString(address_.Database));
      }
      ASSERT_TRUE(db.open());
      QSqlQuery q(db);
      EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
      q.finish();
      db.close();
    }
    QSqlDatabase::removeDatabase(name);
  }

  TempDir dir_;
  std::unique_ptr<TestPostgres> server_;
  ArchiveAddress address_;
};

TEST_P(ResultsArchiveTest, KeepsEveryFieldAndGivesRowsOldestFirst) {
  auto archive = Open();
  EXPECT_EQ(archive->SchemaVersion(), ArchiveSchema::CurrentVersion());
  ArchiveRow full = Row("Cd", 0.1 + 0.2, 2000);
  full.Sample = "Проба «7», \"north\"";
  full.Uncertainty = 0.0123456789012345;
  full.Lod = 1e-9;
  full.Method = 5;
  full.Calibration = "Cd 2025-01-01 10:00 (3)";
  full.Document = "/lab/документ.tvx";
  full.DocumentSha256 = std::string(64, 'f');
  full.Simulated = true;
  ArchiveRow bare = Row("Pb", -0.0, 1000, "QC 1");
  bare.Method.reset();
  std::vector<ArchiveRow> rows{full, bare, Row("Zn", 1e300, 2000)};
  archive->Add(rows);
  EXPECT_GT(rows[0].Id, 0);
  EXPECT_LT(rows[0].Id, rows[2].Id);

  const auto back = Open()->Query({});
  ASSERT_EQ(back.size(), 3u);
  // By time, then by id: the control (time 1000) first.
  EXPECT_EQ(back[0], rows[1]);
  EXPECT_EQ(back[1], rows[0]);  // every field, the double bit for bit
  EXPECT_EQ(back[2], rows[2]);
  EXPECT_FALSE(back[0].Uncertainty);
  EXPECT_FALSE(back[0].Method);

  ArchiveFilter newest;
  newest.NewestFirst = true;
  newest.Limit = 1;
  const auto last = archive->Query(newest);
  ASSERT_EQ(last.size(), 1u);
  EXPECT_EQ(last[0].Id, rows[2].Id);
  EXPECT_EQ(archive->Distinct(IResultsArchive::Column::Control), std::vector<std::string>{"QC 1"});
  EXPECT_EQ(archive->Distinct(IResultsArchive::Column::Element), (std::vector<std::string>{"Cd", "Pb", "Zn"}));
}

TEST_P(ResultsArchiveTest, FiltersFindTheRowsTheReferenceFilterFinds) {
  std::mt19937 random(7);
  const char* elements[] = {"Cd", "Pb", "Cu", "Zn"};
  const char* controls[] = {"", "", "QC low", "QC high"};
  std::vector<ArchiveRow> rows;
  for (int i = 0; i < 300; ++i) {
    ArchiveRow r =
        Row(elements[random() % 4], i * 0.5, static_cast<std::int64_t>(random() % 100) * 1000, controls[random() % 4]);
    r.Operator = random() % 2 ? "ana" : "boris";
    r.Method = static_cast<std::int32_t>(random() % 3);
    rows.push_back(r);
  }
  auto archive = Open();
  archive->Add(rows);
  std::vector<ArchiveFilter> filters(6);
  filters[0].Element = "Cd";
  filters[0].FromMs = 20000;
  filters[0].ToMs = 60000;
  filters[1].Control = "QC low";
  filters[1].Element = "Pb";
  filters[2].Operator = "boris";
  filters[2].Method = 2;
  filters[3].Only = ArchiveFilter::Kind::Samples;
  filters[3].ToMs = 50000;
  filters[4].Sample = "S-Zn";
  filters[5].Element = "no such";
  for (const ArchiveFilter& f : filters) {
    std::vector<std::int64_t> expected, got;
    for (const ArchiveRow& r : rows)
      if (f.Matches(r)) expected.push_back(r.Id);
    for (const ArchiveRow& r : archive->Query(f)) got.push_back(r.Id);
    std::sort(expected.begin(), expected.end());
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, expected);
  }
}

TEST_P(ResultsArchiveTest, EightProcessesWriteTogetherAndNothingIsLost) {
  constexpr int kWriters = 8, kEach = 25;
  // The first opening makes the schema; the writers meet it (or race to it).
  std::vector<pid_t> children;
  for (int w = 0; w < kWriters; ++w) {
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      int status = 0;
      try {
        SqlResultsArchive archive(address_);
        for (int i = 0; i < kEach; ++i) {
          std::vector<ArchiveRow> one{Row("W" + std::to_string(w), i, w * 1000 + i)};
          archive.Add(one);
        }
      } catch (const std::exception& e) {
        std::fprintf(stderr, "writer %d: %s\n", w, e.what());
        status = 1;
      }
      std::fflush(stderr);
      ::_exit(status);
    }
    children.push_back(pid);
  }
  for (pid_t pid : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  const auto all = Open()->Query({});
  ASSERT_EQ(all.size(), static_cast<std::size_t>(kWriters * kEach));
  std::set<std::pair<std::string, double>> seen;
  std::set<std::int64_t> ids;
  for (const ArchiveRow& r : all) {
    seen.insert({r.Element, r.Value});
    ids.insert(r.Id);
  }
  EXPECT_EQ(seen.size(), all.size());
  EXPECT_EQ(ids.size(), all.size());
}

TEST_P(ResultsArchiveTest, AnArchiveOfTheFirstSchemaIsUpgradedWithItsRows) {
  {
    auto first = Open(1);
    EXPECT_EQ(first->SchemaVersion(), 1);
  }
  // A row as the first schema kept it (no limit of detection yet).
  Raw(
      QStringLiteral("INSERT INTO results (sample, control, element, value, unit, uncertainty, method, calibration, "
                     "document, document_sha256, operator_name, workstation, time_ms, simulated) VALUES "
                     "('old', '', 'Cu', 2.5, 'mg/dm³', 0.1, 1, '', '/old.tvx', '', 'ana', 'ws', 5000, 0)"));
  auto archive = Open();
  EXPECT_EQ(archive->SchemaVersion(), 2);
  std::vector<ArchiveRow> rows{Row("Cu", 3.5, 6000)};
  rows[0].Lod = 0.01;
  archive->Add(rows);
  const auto back = archive->Query({});
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[0].Sample, "old");
  EXPECT_EQ(back[0].Value, 2.5);
  EXPECT_EQ(back[0].Uncertainty, 0.1);
  EXPECT_FALSE(back[0].Lod);
  EXPECT_EQ(back[1].Lod, 0.01);
  // A second opening finds nothing to do.
  EXPECT_EQ(Open()->SchemaVersion(), 2);
}

TEST_P(ResultsArchiveTest, AFailureDuringAWriteLeavesNothingHalfWritten) {
  auto archive = Open();
  std::vector<ArchiveRow> before{Row("Pb", 1, 1)};
  archive->Add(before);
  std::vector<ArchiveRow> rows;
  for (int i = 0; i < 5; ++i) rows.push_back(Row("Cd", i, 100 + i));
  archive->SetRowWrittenHook([](std::size_t row) {
    if (row == 2) throw std::runtime_error("interrupted");
  });
  EXPECT_THROW(archive->Add(rows), std::runtime_error);
  for (const ArchiveRow& r : rows) EXPECT_EQ(r.Id, 0);
  EXPECT_EQ(Count(), 1u);
  // The archive goes on working.
  archive->SetRowWrittenHook({});
  archive->Add(rows);
  EXPECT_EQ(Count(), 6u);
}

TEST_P(ResultsArchiveTest, AnArchiveOfANewerProgramIsRefused) {
  Open();
  Raw(QStringLiteral("UPDATE schema_version SET version = 99"));
  try {
    Open();
    FAIL() << "opened";
  } catch (const EArchiveError& e) {
    EXPECT_STREQ(e.message().text, msg::ArchiveNewerSchema);
    EXPECT_EQ(e.message().args.at(1), "99");
  }
}

INSTANTIATE_TEST_SUITE_P(Databases, ResultsArchiveTest, ::testing::Values(Backend::Sqlite, Backend::Postgres),
                         [](const auto& p) { return p.param == Backend::Sqlite ? "Sqlite" : "Postgres"; });

// --- PostgreSQL alone --------------------------------------------------------------

TEST(ResultsArchivePostgresTest, AServerThatGoesAwayMidWriteGivesAClearErrorAndNoRows) {
  VELMORA_NEED_POSTGRES();
  TestPostgres server;
  ArchiveAddress victim = server.address();
  victim.Options["application_name"] = "velmora_victim";
  SqlResultsArchive archive(victim);
  std::vector<ArchiveRow> rows;
  for (int i = 0; i < 6; ++i) rows.push_back(Row("Cd", i, i));
  // After the second row the server ends this connection, as a server going
  // down (or a network cut) does.
  const std::string database = victim.Database;
  archive.SetRowWrittenHook([&database](std::size_t row) {
    if (row == 1)
      TestPostgres::Admin(
          "SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE application_name = "
          "'velmora_victim' AND datname = '" +
          database + "'");
  });
  try {
    archive.Add(rows);
    FAIL() << "the write went through";
  } catch (const EArchiveError& e) {
    EXPECT_STREQ(e.message().text, msg::ArchiveWriteFailed);
    EXPECT_FALSE(e.message().args.at(1).empty());
  }
  for (const ArchiveRow& r : rows) EXPECT_EQ(r.Id, 0);
  SqlResultsArchive reader(server.address());
  EXPECT_TRUE(reader.Query({}).empty());
  // The next write opens a new connection.
  archive.SetRowWrittenHook({});
  archive.Add(rows);
  EXPECT_EQ(reader.Query({}).size(), rows.size());
}

TEST(ResultsArchivePostgresTest, AServerThatCannotBeReachedIsNamedInTheError) {
  TempDir dir;
  const auto address = ArchiveAddress::Parse("postgresql://nobody@/none?host=" + dir.path().string() + "&port=1");
  ASSERT_TRUE(address);
  try {
    SqlResultsArchive archive(*address);
    FAIL() << "opened";
  } catch (const EArchiveError& e) {
    EXPECT_STREQ(e.message().text, msg::ArchiveCannotOpen);
    EXPECT_NE(std::string(e.what()).find(dir.path().string()), std::string::npos);
  }
  // An SQLite file in a folder that does not exist.
  EXPECT_THROW(SqlResultsArchive(ArchiveAddress::SqliteFile((dir / "missing/Results.sqlite").string())), EArchiveError);
}

}  // namespace
