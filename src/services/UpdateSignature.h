#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "UpdateCatalogue.h"

namespace velmora {

// The publisher signs the update catalogue's exact bytes with Ed25519 and
// publishes the signature beside it ("catalogue.txt.sig": the 64 signature
// bytes in base64 on one line). Nothing in a catalogue is trusted, not even
// its version, before the signature holds against a public key built into
// the program; the installers' sizes and SHA-256 checksums then come from
// signed text.
class UpdateSignature {
 public:
  static constexpr std::size_t KeyBytes = 32;
  static constexpr std::size_t SignatureBytes = 64;
  // A signature file is one short line; anything larger is no signature.
  static constexpr std::size_t MaxSignatureFileBytes = 1024;
  // The ending of the signature's address and file name.
  static constexpr const char* FileSuffix = ".sig";

  using PublicKey = std::array<std::uint8_t, KeyBytes>;
  using Signature = std::array<std::uint8_t, SignatureBytes>;

  // The publisher's key: the one the workstation checks catalogues with.
  static const PublicKey& BuiltInKey();
  // An Ed25519 public key in PEM form ("-----BEGIN PUBLIC KEY-----", as
  // `openssl pkey -pubout` writes it); throws EFormatError otherwise.
  static PublicKey ReadPublicKeyPem(std::string_view pem);
  // The signature file's text: base64 of 64 bytes, one line. Throws
  // EFormatError for an empty file (an unsigned catalogue) and for one
  // that holds no signature.
  static Signature ReadSignatureFile(std::string_view text);
  // Whether `signature` is `key`'s signature of exactly `bytes`.
  static bool Verify(std::string_view bytes, const Signature& signature, const PublicKey& key);
  // The catalogue, read only once its signature file holds for its bytes;
  // throws EFormatError saying what is wrong (unsigned, badly signed or, once
  // signed, malformed).
  static UpdateCatalogue VerifiedCatalogue(std::string_view catalogue, std::string_view signatureFile,
                                           const PublicKey& key);
};

}  // namespace velmora
