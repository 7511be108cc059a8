// SPDX-License-Identifier: MIT
#include "update/PackageSignature.h"

#include <openssl/evp.h>
#include <openssl/pem.h>

#include <memory>

namespace quorvane {

namespace {

using Bio = std::unique_ptr<BIO, decltype(&BIO_free)>;
using Key = std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)>;
using DigestContext = std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)>;

Key publicKeyOf(std::string_view pem) {
    const Bio text(BIO_new_mem_buf(pem.data(), static_cast<int>(pem.size())), &BIO_free);
    Key key(text ? PEM_read_bio_PUBKEY(text.get(), nullptr, nullptr, nullptr) : nullptr,
            &EVP_PKEY_free);
    // Another kind of key would verify other kinds of signature; only the publisher's kind counts.
    if (key && EVP_PKEY_get_id(key.get()) != EVP_PKEY_ED25519) {
        key.reset();
    }
    return key;
}

}  // namespace

bool isSignedByPublisher(std::string_view bytes, std::string_view signature,
                         std::string_view publicKeyPem, std::string& reason) {
    if (signature.size() != kPackageSignatureSize) {
        reason = "the signature is " + std::to_string(signature.size()) + " bytes, not " +
                 std::to_string(kPackageSignatureSize);
        return false;
    }
    const Key key = publicKeyOf(publicKeyPem);
    if (!key) {
        reason = "the publisher's key is not an Ed25519 public key";
        return false;
    }
    const DigestContext context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    // Ed25519 signs the message itself, so there is no digest to name.
    const bool verified =
        context && EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) == 1 &&
        EVP_DigestVerify(context.get(), reinterpret_cast<const unsigned char*>(signature.data()),
                         signature.size(), reinterpret_cast<const unsigned char*>(bytes.data()),
                         bytes.size()) == 1;
    if (!verified) {
        reason = "the signature does not verify with the publisher's key";
    }
    return verified;
}

}  // namespace quorvane
