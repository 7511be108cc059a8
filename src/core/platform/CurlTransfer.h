// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "platform/UrlTransfer.h"

namespace quorvane {

inline constexpr long kTransferTimeoutSeconds = 15;
// No answer of the service comes near this; a larger one is cut off rather than filling memory.
inline constexpr std::size_t kTransferBodyLimit = 64 * 1024 * 1024;

// The CA bundle named by QUORVANE_CA_BUNDLE, if any; otherwise the system's store is used.
std::optional<std::string> caBundleFromEnvironment();

// HTTPS only, certificates and host names verified, 15 seconds for the whole request.
class CurlTransfer final : public UrlTransfer {
  public:
    explicit CurlTransfer(std::optional<std::string> caBundle = caBundleFromEnvironment(),
                          long timeoutSeconds = kTransferTimeoutSeconds);

    TransferAnswer fetch(const std::string& url) override;
    RequestAnswer fetchRequest(const TransferRequest& request) override;

  private:
    std::optional<std::string> m_caBundle;
    long m_timeoutSeconds;
};

}  // namespace quorvane
