#include <exception>
#include <ostream>
#include <string>

#include "CliCommands.h"
#include "FileIo.h"
#include "FormatError.h"
#include "JsonWriter.h"
#include "UpdateCatalogue.h"
#include "UpdateSignature.h"

namespace velmora {

namespace {

constexpr const char* kUsage = "update verify CATALOGUE --signature SIG [--public-key PEM]";

int Usage(std::ostream& err, const std::string& problem) {
  err << "velmora-cli update: " << problem << "; usage: " << kUsage << "\n";
  return 2;
}

std::string ReadText(const std::string& file, std::uintmax_t maxBytes) {
  const std::vector<std::uint8_t> bytes = FileIo::readAll(file, maxBytes);
  return std::string(bytes.begin(), bytes.end());
}

void WriteInstaller(JsonWriter& json, const std::string& version, std::int64_t size, const std::string& address,
                    const std::string& sha256) {
  json.beginObject().field("Version", version).field("Size", size).field("Address", address);
  json.key("Sha256");
  if (sha256.empty()) {
    json.null();
  } else {
    json.value(sha256);
  }
  json.endObject();
}

int RunUpdate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args.front() != "verify") return Usage(err, "missing verify");
  std::string catalogueFile, signatureFile, keyFile;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--signature" || a == "--public-key") {
      if (i + 1 >= args.size()) return Usage(err, a + " needs a file");
      (a == "--signature" ? signatureFile : keyFile) = args[++i];
    } else if (a.rfind("--", 0) == 0 || !catalogueFile.empty()) {
      return Usage(err, "unexpected argument '" + a + "'");
    } else {
      catalogueFile = a;
    }
  }
  if (catalogueFile.empty()) return Usage(err, "missing CATALOGUE");
  if (signatureFile.empty()) return Usage(err, "missing --signature SIG");
  try {
    const UpdateSignature::PublicKey key =
        keyFile.empty() ? UpdateSignature::BuiltInKey() : UpdateSignature::ReadPublicKeyPem(ReadText(keyFile, 1 << 16));
    // A catalogue larger than any the workstation reads is refused unread.
    const std::string catalogue = ReadText(catalogueFile, UpdateCatalogue::MaxBytes);
    const std::string signature = ReadText(signatureFile, UpdateSignature::MaxSignatureFileBytes);
    const UpdateCatalogue c = UpdateSignature::VerifiedCatalogue(catalogue, signature, key);
    JsonWriter json;
    json.beginObject()
        .field("File", catalogueFile)
        .field("Signature", "valid")
        .field("Key", keyFile.empty() ? std::string("built-in") : keyFile);
    json.key("Release");
    WriteInstaller(json, c.releaseVersion, c.installerSize, c.releaseAddress, c.releaseSha256);
    json.key("Snapshot");
    if (c.snapshotVersion.empty()) {
      json.null();
    } else {
      WriteInstaller(json, c.snapshotVersion, c.snapshotSize, c.snapshotAddress, c.snapshotSha256);
    }
    json.field("InstallerFileName", c.InstallerFileName());
    json.endObject();
    out << json.str() << "\n";
  } catch (const std::exception& e) {
    err << e.what() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

CliCommand UpdateCommand() {
  return {"update", kUsage,
          "Checks an update catalogue against its Ed25519 signature file (the program's built-in publisher key, or "
          "the public key of a PEM file) and, when the signature holds, describes the releases it offers.",
          RunUpdate};
}

}  // namespace velmora
