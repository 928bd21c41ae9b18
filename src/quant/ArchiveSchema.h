#pragma once

#include <string>
#include <vector>

#include "ArchiveFilter.h"

namespace velmora {

// The one schema of the results archive, for SQLite and PostgreSQL alike:
// the numbered migrations that create and upgrade it (the version reached is
// kept in the table schema_version) and the statements that read and write
// rows. Only the identity column is written differently per database.
class ArchiveSchema {
 public:
  enum class Dialect { Sqlite, Postgres };

  struct Migration {
    int Version = 0;
    std::vector<std::string> Statements;
  };

  // Every migration in order; version n is the n-th.
  static std::vector<Migration> Migrations(Dialect dialect);
  static int CurrentVersion();

  static const char* CreateVersionTable();
  // The columns of a row in the order InsertSql binds them and SelectSql
  // returns them (id first there).
  static const char* InsertSql();
  static std::string SelectSql(const ArchiveFilter& filter, std::vector<ArchiveFilter::Param>& params);
  // "SELECT DISTINCT column ..." of a text column (sample, control, element, operator).
  static std::string DistinctSql(const char* column);
};

}  // namespace velmora
