// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>
#include <streambuf>
#include <string>

namespace quorvane {

// Passes text on to another stream buffer with every control character but the line feed and
// the tab shown as "?": escape sequences, carriage returns, the C1 controls and bytes that are
// not UTF-8 could otherwise move the cursor, clear the screen or set the window's title. Names,
// notes and room texts come from outside, so nothing printed is trusted. A character split over
// two writes is judged once it is whole.
class TerminalTextBuffer final : public std::streambuf {
  public:
    explicit TerminalTextBuffer(std::streambuf* target) : m_target(target) {}
    ~TerminalTextBuffer() override;

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

  private:
    void take(unsigned char byte, std::string& shown);
    void dropPending(std::string& shown);

    std::streambuf* m_target;
    std::string m_pending;        // the bytes of a character read so far
    std::size_t m_remaining = 0;  // continuation bytes it still needs
};

// An output stream that writes to another through a TerminalTextBuffer.
class TerminalStream {
  public:
    explicit TerminalStream(std::ostream& target);
    TerminalStream(const TerminalStream&) = delete;
    TerminalStream& operator=(const TerminalStream&) = delete;

    std::ostream& stream() { return m_stream; }

  private:
    TerminalTextBuffer m_buffer;
    std::ostream m_stream;
};

}  // namespace quorvane
