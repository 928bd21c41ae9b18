#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "UpdateSignature.h"

struct evp_pkey_st;

namespace velmora {

// An Ed25519 key pair made for the occasion that signs update catalogues:
// a loopback server standing in for the publisher signs with it. The
// publisher's own private key never enters the program.
class UpdateSigningKey {
 public:
  // A fresh key pair.
  static UpdateSigningKey Generate();

  UpdateSignature::PublicKey PublicKey() const;
  // The public key as `openssl pkey -pubout` writes it.
  std::string PublicKeyPem() const;
  std::string PrivateKeyPem() const;
  UpdateSignature::Signature Sign(std::string_view bytes) const;
  // The text of a signature file for `bytes`: base64, one line.
  std::string SignatureFile(std::string_view bytes) const;

 private:
  explicit UpdateSigningKey(std::shared_ptr<evp_pkey_st> key) : key_(std::move(key)) {}
  std::shared_ptr<evp_pkey_st> key_;
};

}  // namespace velmora
