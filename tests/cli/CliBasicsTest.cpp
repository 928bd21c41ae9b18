#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "CliCommands.h"
#include "JsonWriter.h"

using namespace velmora;

TEST(Cli, HelpVersionAndUsageErrors) {
  std::ostringstream out, err;
  EXPECT_EQ(CliCommands::run({"--help"}, out, err), 0);
  EXPECT_NE(out.str().find("Usage: velmora-cli"), std::string::npos);
  out.str("");
  EXPECT_EQ(CliCommands::run({"--version"}, out, err), 0);
  EXPECT_EQ(out.str().rfind("velmora-cli ", 0), 0u);
  EXPECT_EQ(CliCommands::run({}, out, err), 2);
  EXPECT_EQ(CliCommands::run({"no-such-command"}, out, err), 2);
}

TEST(Json, WriterEscapesAndKeepsDoublesExact) {
  JsonWriter j;
  j.beginObject().field("a\"b", std::string("line\nend\x01")).field("n", 0.1).field("i", 3).field("t", true);
  j.key("arr").beginArray().value(1.0).value(-2.5e-300).null().beginArray().endArray().endArray();
  j.field("nan", std::nan("")).endObject();
  EXPECT_EQ(j.str(), R"({"a\"b":"line\nend\u0001","n":0.1,"i":3,"t":true,"arr":[1,-2.5e-300,null,[]],"nan":null})");
}

TEST(Json, StreamedTextEqualsTheWholeText) {
  // Well past the pieces the writer hands to its stream.
  auto write = [](JsonWriter& j) {
    j.beginObject().key("Points").beginArray();
    for (int i = 0; i < 20000; ++i) j.beginArray().value(-1000.0 + 0.25 * i).value(20.0 + 1e-3 * i).endArray();
    j.endArray().field("Name", std::string("Cd")).endObject();
  };
  JsonWriter whole;
  write(whole);
  std::ostringstream out;
  JsonWriter streamed(out);
  write(streamed);
  EXPECT_LT(streamed.str().size(), 70000u);  // the text was handed on as it grew
  streamed.flush();
  EXPECT_GT(whole.str().size(), 200000u);
  EXPECT_EQ(out.str(), whole.str());
}
