// Runs one command of the command-line tool in process and keeps what it
// printed, for the tests of the commands.
#pragma once

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "CliCommands.h"
#include "JsonReader.h"

namespace velmora::test {

struct CliRun {
  int status = 0;
  std::string out;
  std::string err;
};

inline CliRun Cli(std::vector<std::string> args) {
  std::ostringstream out, err;
  CliRun r;
  r.status = velmora::CliCommands::run(args, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

// A run whose standard output, on success, is the command's JSON answer.
struct CliJsonRun : CliRun {
  velmora::JsonValue json;
};

// A number field of a JSON object; NaN when it is missing or no number.
inline double JsonNumber(const velmora::JsonValue& object, const char* name) {
  const velmora::JsonValue* v = object.field(name);
  return v && v->kind == velmora::JsonValue::Kind::Number ? v->number : std::nan("");
}

inline CliJsonRun CliJson(std::vector<std::string> args) {
  CliJsonRun r;
  static_cast<CliRun&>(r) = Cli(std::move(args));
  if (r.status == 0) r.json = velmora::JsonReader::Parse(r.out);
  return r;
}

}  // namespace velmora::test
