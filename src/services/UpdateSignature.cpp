#include "UpdateSignature.h"

#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>

#include <memory>

#include "Base64.h"
#include "FormatError.h"
#include "Messages.h"

namespace velmora {

namespace {

// The publisher's Ed25519 public key (its private half is kept by the
// publisher alone and signs every catalogue).
constexpr UpdateSignature::PublicKey kPublisherKey = {0xf2, 0x3e, 0x49, 0x5c, 0x0e, 0xcc, 0x3c, 0x2a, 0x62, 0x42, 0x5a,
                                                      0xc9, 0x98, 0x65, 0xcf, 0x6a, 0x48, 0x4d, 0xf6, 0x6a, 0x36, 0x55,
                                                      0x60, 0xc9, 0x8c, 0x23, 0xc9, 0xd0, 0xc0, 0x4e, 0x45, 0xb5};

struct KeyFree {
  void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct ContextFree {
  void operator()(EVP_MD_CTX* ctx) const { EVP_MD_CTX_free(ctx); }
};
struct BioFree {
  void operator()(BIO* bio) const { BIO_free(bio); }
};

}  // namespace

const UpdateSignature::PublicKey& UpdateSignature::BuiltInKey() { return kPublisherKey; }

UpdateSignature::PublicKey UpdateSignature::ReadPublicKeyPem(std::string_view pem) {
  PublicKey key{};
  std::unique_ptr<BIO, BioFree> bio(
      BIO_new_mem_buf(pem.data(), static_cast<int>(std::min<std::size_t>(pem.size(), 1 << 16))));
  std::unique_ptr<EVP_PKEY, KeyFree> pkey(bio ? PEM_read_bio_PUBKEY(bio.get(), nullptr, nullptr, nullptr) : nullptr);
  std::size_t length = key.size();
  const bool ok = pkey && EVP_PKEY_get_id(pkey.get()) == EVP_PKEY_ED25519 &&
                  EVP_PKEY_get_raw_public_key(pkey.get(), key.data(), &length) == 1 && length == key.size();
  ERR_clear_error();
  if (!ok) throw EFormatError(Message(msg::UpdateBadPublicKey));
  return key;
}

UpdateSignature::Signature UpdateSignature::ReadSignatureFile(std::string_view text) {
  if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) throw EFormatError(Message(msg::UpdateNotSigned));
  std::optional<std::vector<std::uint8_t>> bytes;
  if (text.size() <= MaxSignatureFileBytes) bytes = Base64::Decode(text);
  if (!bytes || bytes->size() != SignatureBytes) throw EFormatError(Message(msg::UpdateBadSignatureFile));
  Signature signature{};
  std::copy(bytes->begin(), bytes->end(), signature.begin());
  return signature;
}

bool UpdateSignature::Verify(std::string_view bytes, const Signature& signature, const PublicKey& key) {
  std::unique_ptr<EVP_PKEY, KeyFree> pkey(
      EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr, key.data(), key.size()));
  std::unique_ptr<EVP_MD_CTX, ContextFree> ctx(EVP_MD_CTX_new());
  // Ed25519 signs the message itself: no digest is named.
  const bool ok = pkey && ctx && EVP_DigestVerifyInit(ctx.get(), nullptr, nullptr, nullptr, pkey.get()) == 1 &&
                  EVP_DigestVerify(ctx.get(), signature.data(), signature.size(),
                                   reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()) == 1;
  ERR_clear_error();
  return ok;
}

UpdateCatalogue UpdateSignature::VerifiedCatalogue(std::string_view catalogue, std::string_view signatureFile,
                                                   const PublicKey& key) {
  const Signature signature = ReadSignatureFile(signatureFile);
  if (!Verify(catalogue, signature, key)) throw EFormatError(Message(msg::UpdateSignatureInvalid));
  return UpdateCatalogue::Parse(catalogue);
}

}  // namespace velmora
