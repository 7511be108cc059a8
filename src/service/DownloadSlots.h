// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

namespace quorvane::service {

// The answers that may send a large file at once. A client that reads slowly holds its
// connection for the whole file, and connections being written are never pushed out for new
// ones: without a cap, slow readers of the program package could take every connection there
// is. Used on the server's one thread only.
class DownloadSlots {
  public:
    // A slot held by one answer, given back when it is destroyed or released.
    class Slot {
      public:
        Slot() = default;
        Slot(Slot&& other) noexcept;
        Slot& operator=(Slot&& other) noexcept;
        Slot(const Slot&) = delete;
        Slot& operator=(const Slot&) = delete;
        ~Slot() { release(); }

        explicit operator bool() const { return m_owner != nullptr; }
        void release();

      private:
        friend class DownloadSlots;
        explicit Slot(DownloadSlots* owner) : m_owner(owner) {}
        DownloadSlots* m_owner = nullptr;
    };

    explicit DownloadSlots(std::size_t limit) : m_limit(limit) {}
    DownloadSlots(const DownloadSlots&) = delete;
    DownloadSlots& operator=(const DownloadSlots&) = delete;

    // An empty slot when all are taken.
    Slot take();
    std::size_t taken() const { return m_taken; }
    void setLimit(std::size_t limit) { m_limit = limit; }

  private:
    std::size_t m_limit;
    std::size_t m_taken = 0;
};

}  // namespace quorvane::service
