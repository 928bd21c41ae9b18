// Signed update catalogues: the signature holds for the exact bytes under the
// key that made it and under no other; unsigned and damaged signature files
// are refused before the catalogue is read. Keys are made afresh per run.
#include <gtest/gtest.h>

#include <string>

#include "Base64.h"
#include "FormatError.h"
#include "Messages.h"
#include "UpdateSignature.h"
#include "UpdateSigningKey.h"

namespace velmora {
namespace {

const std::string kCatalogue =
    "2027.01.15\n24117248\nhttps://u.example.org/va/velmora-va_2027.01.15_amd64.deb\n\n\n\n" + std::string(64, 'a') +
    "\n";

std::string refusal(const std::string& catalogue, const std::string& signature, const UpdateSignature::PublicKey& key) {
  try {
    UpdateSignature::VerifiedCatalogue(catalogue, signature, key);
  } catch (const EFormatError& e) {
    return e.message().text;
  }
  return "accepted";
}

TEST(UpdateSignatureTest, HoldsOnlyForTheSignedBytesUnderTheSigningKey) {
  const UpdateSigningKey publisher = UpdateSigningKey::Generate();
  const std::string signature = publisher.SignatureFile(kCatalogue);
  // One line of base64 holding 64 bytes.
  EXPECT_EQ(signature.size(), 89u);
  EXPECT_EQ(signature.back(), '\n');

  const UpdateCatalogue c = UpdateSignature::VerifiedCatalogue(kCatalogue, signature, publisher.PublicKey());
  EXPECT_EQ(c.releaseVersion, "2027.01.15");
  EXPECT_EQ(c.installerSize, 24117248);

  // Any changed byte: a newer version announced, a bigger size, a line end added.
  for (const std::string& forged :
       {std::string("2027.01.16") + kCatalogue.substr(10), kCatalogue.substr(0, 11) + "9" + kCatalogue.substr(12),
        kCatalogue + "\n", kCatalogue.substr(0, kCatalogue.size() - 1)})
    EXPECT_STREQ(refusal(forged, signature, publisher.PublicKey()).c_str(), msg::UpdateSignatureInvalid);
  // The right bytes under another key.
  const UpdateSigningKey stranger = UpdateSigningKey::Generate();
  EXPECT_STREQ(refusal(kCatalogue, signature, stranger.PublicKey()).c_str(), msg::UpdateSignatureInvalid);
  EXPECT_STREQ(refusal(kCatalogue, stranger.SignatureFile(kCatalogue), publisher.PublicKey()).c_str(),
               msg::UpdateSignatureInvalid);
  // A flipped bit anywhere in the signature.
  UpdateSignature::Signature raw = publisher.Sign(kCatalogue);
  for (std::size_t i = 0; i < raw.size(); i += 9) {
    raw[i] ^= 0x10;
    EXPECT_FALSE(UpdateSignature::Verify(kCatalogue, raw, publisher.PublicKey())) << i;
    raw[i] ^= 0x10;
  }
  EXPECT_TRUE(UpdateSignature::Verify(kCatalogue, raw, publisher.PublicKey()));
  // The publisher's built-in key does not take a signature made by anyone else.
  EXPECT_STREQ(refusal(kCatalogue, signature, UpdateSignature::BuiltInKey()).c_str(), msg::UpdateSignatureInvalid);
}

TEST(UpdateSignatureTest, UnsignedAndDamagedSignatureFilesAreRefused) {
  const UpdateSigningKey publisher = UpdateSigningKey::Generate();
  const std::string good = publisher.SignatureFile(kCatalogue);
  EXPECT_STREQ(refusal(kCatalogue, "", publisher.PublicKey()).c_str(), msg::UpdateNotSigned);
  EXPECT_STREQ(refusal(kCatalogue, " \r\n", publisher.PublicKey()).c_str(), msg::UpdateNotSigned);
  for (const std::string& bad : {good.substr(0, 84) + "\n", good.substr(0, 86) + "A=\n",
                                 std::string("not a signature\n"), good.substr(0, 40) + "\n" + good.substr(40),
                                 std::string("<html>404</html>"), good + good, std::string(5000, 'A')})
    EXPECT_STREQ(refusal(kCatalogue, bad, publisher.PublicKey()).c_str(), msg::UpdateBadSignatureFile) << bad;
  // A signed catalogue that is malformed is refused all the same.
  const std::string broken = "2027.01.15\n-1\nhttps://u.example.org/a.deb\n";
  EXPECT_STREQ(refusal(broken, publisher.SignatureFile(broken), publisher.PublicKey()).c_str(),
               msg::UpdateCatalogueLine);
  // Windows line ends around the signature are fine.
  EXPECT_EQ(refusal(kCatalogue, good.substr(0, 88) + "\r\n", publisher.PublicKey()), "accepted");
}

TEST(UpdateSignatureTest, ReadsPublicKeysInPemForm) {
  const UpdateSigningKey key = UpdateSigningKey::Generate();
  const std::string pem = key.PublicKeyPem();
  EXPECT_EQ(pem.rfind("-----BEGIN PUBLIC KEY-----\n", 0), 0u);
  EXPECT_EQ(UpdateSignature::ReadPublicKeyPem(pem), key.PublicKey());
  // A private key, a damaged key, and no key at all.
  for (const std::string& bad : {key.PrivateKeyPem(), pem.substr(0, 40) + "x" + pem.substr(41), std::string(),
                                 std::string("-----BEGIN PUBLIC KEY-----\nAAAA\n-----END PUBLIC KEY-----\n")}) {
    try {
      UpdateSignature::ReadPublicKeyPem(bad);
      ADD_FAILURE() << "read as a key: " << bad;
    } catch (const EFormatError& e) {
      EXPECT_STREQ(e.message().text, msg::UpdateBadPublicKey);
    }
  }
}

TEST(Base64Test, RoundTripsAndRefusesWhatIsNotStrictBase64) {
  const std::vector<std::uint8_t> bytes = {0x00, 0xFF, 0x10, 0x80, 0x7F};
  EXPECT_EQ(Base64::Encode(std::vector<std::uint8_t>{}), "");
  EXPECT_EQ(Base64::Encode(std::vector<std::uint8_t>{'f'}), "Zg==");
  EXPECT_EQ(Base64::Encode(std::vector<std::uint8_t>{'f', 'o'}), "Zm8=");
  EXPECT_EQ(Base64::Encode(std::vector<std::uint8_t>{'f', 'o', 'o'}), "Zm9v");
  EXPECT_EQ(Base64::Encode(bytes), "AP8QgH8=");
  for (std::size_t n = 0; n <= bytes.size(); ++n) {
    const std::vector<std::uint8_t> part(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_EQ(Base64::Decode(Base64::Encode(part)), part) << n;
  }
  EXPECT_EQ(Base64::Decode(" Zm9v\r\n"), (std::vector<std::uint8_t>{'f', 'o', 'o'}));
  // Wrong length, padding inside, stray characters, bits hidden under the padding.
  for (const char* bad : {"Zm9", "Zg=a", "Z===", "Zm=v", "Zm9v Zm9v", "Zm9-", "Zh==", "Zm9=Zm9v"})
    EXPECT_FALSE(Base64::Decode(bad).has_value()) << bad;
}

}  // namespace
}  // namespace velmora
