// velmora-cli update verify and the publisher's signing script: a catalogue
// signed by the script verifies under its public key and under no other, and
// any change to the catalogue breaks it. Keys are made afresh per run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "CliRunner.h"
#include "JsonReader.h"
#include "TempDir.h"
#include "UpdateSigningKey.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::Cli;
using test::CliRun;
using test::TempDir;

const std::string kSha(64, 'c');

std::string Catalogue() {
  return "2027.01.15\n24117248\nhttps://u.example.org/va/velmora-va_2027.01.15_amd64.deb\n2027.02.01\n25000000\n"
         "https://u.example.org/va/snap/velmora-va_2027.02.01_amd64.deb\n" +
         kSha + "\n\n";
}

struct Published {
  TempDir dir;
  UpdateSigningKey key = UpdateSigningKey::Generate();
  fs::path catalogue = dir / "catalogue.txt";
  fs::path signature = dir / "catalogue.txt.sig";
  fs::path publicKey = dir / "publisher.pub.pem";
  Published() {
    TempDir::writeFile(catalogue, Catalogue());
    TempDir::writeFile(publicKey, key.PublicKeyPem());
  }
  CliRun verify(const std::vector<std::string>& more = {}) const {
    std::vector<std::string> args = {"update", "verify", catalogue.string(), "--signature", signature.string()};
    args.insert(args.end(), more.begin(), more.end());
    return Cli(args);
  }
};

TEST(UpdateCommand, TheSigningScriptsCatalogueVerifiesAndIsDescribed) {
  Published p;
  // The private key lies in the test's own folder, as the publisher keeps it.
  const fs::path privateKey = p.dir / "publisher.pem";
  TempDir::writeFile(privateKey, p.key.PrivateKeyPem());
  const std::string command = std::string(VELMORA_SOURCE_DIR) + "/scripts/sign-update-catalogue '" +
                              privateKey.string() + "' '" + p.catalogue.string() + "' >/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  const std::string signature = TempDir::readFile(p.signature);
  EXPECT_EQ(signature, p.key.SignatureFile(Catalogue()));

  const CliRun r = p.verify({"--public-key", p.publicKey.string()});
  ASSERT_EQ(r.status, 0) << r.err;
  const JsonValue json = JsonReader::Parse(r.out);
  EXPECT_EQ(json.field("Signature")->text, "valid");
  EXPECT_EQ(json.field("Key")->text, p.publicKey.string());
  const JsonValue* release = json.field("Release");
  ASSERT_NE(release, nullptr);
  EXPECT_EQ(release->field("Version")->text, "2027.01.15");
  EXPECT_EQ(release->field("Size")->number, 24117248.0);
  EXPECT_EQ(release->field("Address")->text, "https://u.example.org/va/velmora-va_2027.01.15_amd64.deb");
  EXPECT_EQ(release->field("Sha256")->text, kSha);
  const JsonValue* snapshot = json.field("Snapshot");
  ASSERT_NE(snapshot, nullptr);
  EXPECT_EQ(snapshot->field("Version")->text, "2027.02.01");
  EXPECT_EQ(snapshot->field("Size")->number, 25000000.0);
  EXPECT_EQ(snapshot->field("Sha256")->kind, JsonValue::Kind::Null);
  EXPECT_EQ(json.field("InstallerFileName")->text, "velmora-va_2027.01.15_amd64.deb");
}

TEST(UpdateCommand, RefusesChangedCataloguesOtherKeysAndMissingSignatures) {
  Published p;
  TempDir::writeFile(p.signature, p.key.SignatureFile(Catalogue()));
  ASSERT_EQ(p.verify({"--public-key", p.publicKey.string()}).status, 0);

  // The publisher's built-in key did not make this signature.
  CliRun r = p.verify();
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.out.empty());
  EXPECT_NE(r.err.find("does not match"), std::string::npos) << r.err;
  // Another key.
  const fs::path other = p.dir / "other.pub.pem";
  TempDir::writeFile(other, UpdateSigningKey::Generate().PublicKeyPem());
  r = p.verify({"--public-key", other.string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("does not match"), std::string::npos) << r.err;
  // One byte of the catalogue changed: a bigger installer announced.
  std::string changed = Catalogue();
  changed.replace(11, 1, "9");
  TempDir::writeFile(p.catalogue, changed);
  r = p.verify({"--public-key", p.publicKey.string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("does not match"), std::string::npos) << r.err;
  // No signature, an empty one, a key file that holds no public key.
  TempDir::writeFile(p.catalogue, Catalogue());
  fs::remove(p.signature);
  EXPECT_EQ(p.verify({"--public-key", p.publicKey.string()}).status, 1);
  TempDir::writeFile(p.signature, "");
  r = p.verify({"--public-key", p.publicKey.string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("not signed"), std::string::npos) << r.err;
  TempDir::writeFile(p.signature, p.key.SignatureFile(Catalogue()));
  TempDir::writeFile(other, p.key.PrivateKeyPem());
  r = p.verify({"--public-key", other.string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("not an Ed25519 public key"), std::string::npos) << r.err;
}

TEST(UpdateCommand, UsageErrors) {
  EXPECT_EQ(Cli({"update"}).status, 2);
  EXPECT_EQ(Cli({"update", "check", "a"}).status, 2);
  EXPECT_EQ(Cli({"update", "verify", "catalogue.txt"}).status, 2);
  EXPECT_EQ(Cli({"update", "verify", "--signature", "a.sig"}).status, 2);
  EXPECT_EQ(Cli({"update", "verify", "catalogue.txt", "--signature"}).status, 2);
  EXPECT_EQ(Cli({"update", "verify", "a", "b", "--signature", "a.sig"}).status, 2);
}

}  // namespace
}  // namespace velmora
