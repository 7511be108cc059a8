// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <string>
#include <string_view>

typedef struct ssl_ctx_st SSL_CTX;
typedef struct ssl_st SSL;

namespace quorvane::test {

// What a probe offers in its handshake; zeros and empty texts leave OpenSSL's defaults.
struct TlsOffer {
    int minVersion = 0;  // TLS1_2_VERSION, ...
    int maxVersion = 0;
    std::string tls12Ciphers;
};

// A TLS client on a blocking loopback socket that does what ordinary HTTP clients never do:
// stops after the TCP connection, trickles bytes, sends endless heads, offers old suites.
// It trusts any certificate; the service's own checks are what is probed.
class TlsProbe {
  public:
    explicit TlsProbe(int port, std::chrono::milliseconds timeout = std::chrono::seconds(5));
    ~TlsProbe();
    TlsProbe(const TlsProbe&) = delete;
    TlsProbe& operator=(const TlsProbe&) = delete;

    bool connected() const { return m_socket >= 0; }
    // False when the service refused or dropped the handshake.
    bool handshake(const TlsOffer& offer = {});
    // The negotiated suite, after a handshake.
    std::string cipher() const;
    // False once the service has closed the connection (or the timeout passed).
    bool send(std::string_view bytes);
    // One response: the head and a body of its Content-Length. Empty when the connection ends
    // or the timeout passes first.
    std::string receiveResponse();
    // The head of the next response alone, which stays to be received whole; for an answer the
    // client means to take slowly, or not at all. Empty when the connection ends first.
    std::string receiveHead();
    // Waits up to the timeout for the service to close the connection; true when it did.
    bool waitForClose();

  private:
    int readSome(char* buffer, int size);

    int m_socket = -1;
    SSL_CTX* m_context = nullptr;
    SSL* m_ssl = nullptr;
    std::string m_pending;
};

// The status code of a response, 0 when it has none.
int statusOf(std::string_view response);
// A header's value ("" when absent), the name without regard to case.
std::string headerOf(std::string_view response, std::string_view name);
// A plain HTTP/1.1 GET of `target` that keeps the connection open.
std::string getRequest(std::string_view target);

}  // namespace quorvane::test
