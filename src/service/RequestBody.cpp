// SPDX-License-Identifier: MIT
#include "service/RequestBody.h"

#include <algorithm>
#include <charconv>

namespace quorvane::service {

namespace {

// A chunk-size line: hexadecimal digits, perhaps extensions after ';'.
constexpr std::size_t kChunkLineLimit = 1024;

}  // namespace

BodySkipper::BodySkipper(const HttpRequest& request, std::size_t limit)
    : m_limit(limit),
      m_remaining(request.chunked ? 0 : request.contentLength),
      m_part(request.chunked ? Part::ChunkSize : Part::Length) {}

BodySkipper::Step BodySkipper::consume(std::string& input) {
    if (m_part != Part::Length) {
        return consumeChunked(input);
    }
    if (m_remaining > m_limit) {
        return Step::TooLarge;
    }
    const std::size_t taken = std::min(m_remaining, input.size());
    input.erase(0, taken);
    m_remaining -= taken;
    return m_remaining == 0 ? Step::Done : Step::NeedMore;
}

BodySkipper::Step BodySkipper::consumeChunked(std::string& input) {
    for (;;) {
        if (m_part == Part::Finished) {
            return Step::Done;
        }
        if (m_part == Part::ChunkData) {
            const std::size_t taken = std::min(m_remaining, input.size());
            input.erase(0, taken);
            m_remaining -= taken;
            if (m_remaining > 0) {
                return Step::NeedMore;
            }
            m_part = Part::ChunkEnd;
            continue;
        }
        const auto end = input.find('\n');
        if (end == std::string::npos) {
            return input.size() > kChunkLineLimit ? Step::Malformed : Step::NeedMore;
        }
        std::string_view line(input.data(), end);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (m_part == Part::ChunkEnd) {
            if (!line.empty()) {
                return Step::Malformed;
            }
            m_part = Part::ChunkSize;
        } else if (m_part == Part::Trailer) {
            if (line.size() > kChunkLineLimit) {
                return Step::Malformed;
            }
            if (line.empty()) {
                m_part = Part::Finished;
            }
        } else {
            const std::string_view digits = line.substr(0, line.find(';'));
            std::size_t size = 0;
            const auto [stop, error] =
                std::from_chars(digits.data(), digits.data() + digits.size(), size, 16);
            if (digits.empty() || error == std::errc::result_out_of_range) {
                return digits.empty() ? Step::Malformed : Step::TooLarge;
            }
            if (error != std::errc() || stop != digits.data() + digits.size()) {
                return Step::Malformed;
            }
            if (size > m_limit - m_total) {
                return Step::TooLarge;
            }
            m_total += size;
            m_remaining = size;
            m_part = size == 0 ? Part::Trailer : Part::ChunkData;
        }
        input.erase(0, end + 1);
    }
}

}  // namespace quorvane::service
