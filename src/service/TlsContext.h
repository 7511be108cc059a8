// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

typedef struct ssl_ctx_st SSL_CTX;

namespace quorvane::service {

struct TlsContextFree {
    void operator()(SSL_CTX* context) const;
};
using TlsContext = std::unique_ptr<SSL_CTX, TlsContextFree>;

// The TLS 1.2 suites offered: forward secret and authenticated encryption only.
inline constexpr const char* kTls12Suites =
    "ECDHE-ECDSA-AES128-GCM-SHA256:ECDHE-RSA-AES128-GCM-SHA256:"
    "ECDHE-ECDSA-AES256-GCM-SHA384:ECDHE-RSA-AES256-GCM-SHA384:"
    "ECDHE-ECDSA-CHACHA20-POLY1305:ECDHE-RSA-CHACHA20-POLY1305";

// A server context for the certificate chain and key: TLS 1.2 with the suites above, and TLS 1.3.
// Null with a reason when the files do not make a usable pair.
TlsContext makeServerTlsContext(const std::string& certFile, const std::string& keyFile,
                                std::string& reason);

}  // namespace quorvane::service
