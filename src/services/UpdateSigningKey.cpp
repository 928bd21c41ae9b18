#include "UpdateSigningKey.h"

#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>

#include <algorithm>
#include <stdexcept>

#include "Base64.h"

namespace velmora {

namespace {

struct BioFree {
  void operator()(BIO* bio) const { BIO_free(bio); }
};

std::string bioText(BIO* bio) {
  char* data = nullptr;
  const long length = BIO_get_mem_data(bio, &data);
  return length > 0 ? std::string(data, static_cast<std::size_t>(length)) : std::string();
}

std::shared_ptr<evp_pkey_st> own(EVP_PKEY* key) { return std::shared_ptr<evp_pkey_st>(key, EVP_PKEY_free); }

}  // namespace

UpdateSigningKey UpdateSigningKey::Generate() {
  EVP_PKEY* key = EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519");
  ERR_clear_error();
  if (key == nullptr) throw std::runtime_error("An Ed25519 key pair cannot be made.");
  return UpdateSigningKey(own(key));
}

UpdateSignature::PublicKey UpdateSigningKey::PublicKey() const {
  UpdateSignature::PublicKey out{};
  std::size_t length = out.size();
  if (EVP_PKEY_get_raw_public_key(key_.get(), out.data(), &length) != 1 || length != out.size()) {
    ERR_clear_error();
    throw std::runtime_error("The public key cannot be read.");
  }
  return out;
}

std::string UpdateSigningKey::PublicKeyPem() const {
  std::unique_ptr<BIO, BioFree> bio(BIO_new(BIO_s_mem()));
  if (!bio || PEM_write_bio_PUBKEY(bio.get(), key_.get()) != 1) {
    ERR_clear_error();
    throw std::runtime_error("The public key cannot be written.");
  }
  return bioText(bio.get());
}

std::string UpdateSigningKey::PrivateKeyPem() const {
  std::unique_ptr<BIO, BioFree> bio(BIO_new(BIO_s_mem()));
  if (!bio || PEM_write_bio_PrivateKey(bio.get(), key_.get(), nullptr, nullptr, 0, nullptr, nullptr) != 1) {
    ERR_clear_error();
    throw std::runtime_error("The private key cannot be written.");
  }
  return bioText(bio.get());
}

UpdateSignature::Signature UpdateSigningKey::Sign(std::string_view bytes) const {
  UpdateSignature::Signature out{};
  std::unique_ptr<EVP_MD_CTX, void (*)(EVP_MD_CTX*)> ctx(EVP_MD_CTX_new(), EVP_MD_CTX_free);
  std::size_t length = out.size();
  const bool ok = ctx && EVP_DigestSignInit(ctx.get(), nullptr, nullptr, nullptr, key_.get()) == 1 &&
                  EVP_DigestSign(ctx.get(), out.data(), &length, reinterpret_cast<const unsigned char*>(bytes.data()),
                                 bytes.size()) == 1 &&
                  length == out.size();
  ERR_clear_error();
  if (!ok) throw std::runtime_error("The catalogue cannot be signed.");
  return out;
}

std::string UpdateSigningKey::SignatureFile(std::string_view bytes) const {
  const UpdateSignature::Signature s = Sign(bytes);
  return Base64::Encode(s) + "\n";
}

}  // namespace velmora
