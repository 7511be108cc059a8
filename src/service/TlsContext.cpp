// SPDX-License-Identifier: MIT
#include "service/TlsContext.h"

#include <openssl/ssl.h>

namespace quorvane::service {

void TlsContextFree::operator()(SSL_CTX* context) const {
    SSL_CTX_free(context);
}

TlsContext makeServerTlsContext(const std::string& certFile, const std::string& keyFile,
                                std::string& reason) {
    TlsContext context(SSL_CTX_new(TLS_server_method()));
    const bool usable =
        context && SSL_CTX_set_min_proto_version(context.get(), TLS1_2_VERSION) == 1 &&
        SSL_CTX_set_cipher_list(context.get(), kTls12Suites) == 1 &&
        SSL_CTX_set_ciphersuites(context.get(),
                                 "TLS_AES_128_GCM_SHA256:TLS_AES_256_GCM_SHA384:"
                                 "TLS_CHACHA20_POLY1305_SHA256") == 1 &&
        SSL_CTX_use_certificate_chain_file(context.get(), certFile.c_str()) == 1 &&
        SSL_CTX_use_PrivateKey_file(context.get(), keyFile.c_str(), SSL_FILETYPE_PEM) == 1 &&
        SSL_CTX_check_private_key(context.get()) == 1;
    if (!usable) {
        reason = "cannot use the certificate " + certFile + " with the key " + keyFile;
        return nullptr;
    }
    SSL_CTX_set_options(context.get(), SSL_OP_NO_COMPRESSION | SSL_OP_NO_RENEGOTIATION |
                                           SSL_OP_CIPHER_SERVER_PREFERENCE);
    // Writes go out as far as the socket takes them and resume later from wherever the
    // connection's buffer then is; idle connections give their TLS buffers back.
    SSL_CTX_set_mode(context.get(), SSL_MODE_ENABLE_PARTIAL_WRITE |
                                        SSL_MODE_ACCEPT_MOVING_WRITE_BUFFER |
                                        SSL_MODE_RELEASE_BUFFERS);
    SSL_CTX_sess_set_cache_size(context.get(), 1024);
    return context;
}

}  // namespace quorvane::service
