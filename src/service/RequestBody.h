// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>

#include "service/HttpRequest.h"

namespace quorvane::service {

// Reads past the body of a request (the service answers GET only and has no use for one), so
// that the next request on the connection starts where it should. A body over the limit is
// refused before it is read.
class BodySkipper {
  public:
    enum class Step { NeedMore, Done, TooLarge, Malformed };

    BodySkipper(const HttpRequest& request, std::size_t limit);

    // Removes from the front of `input` what belongs to the body.
    Step consume(std::string& input);

  private:
    enum class Part { Length, ChunkSize, ChunkData, ChunkEnd, Trailer, Finished };

    Step consumeChunked(std::string& input);

    std::size_t m_limit;
    std::size_t m_remaining = 0;
    std::size_t m_total = 0;
    Part m_part;
};

}  // namespace quorvane::service
