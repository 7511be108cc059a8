// SPDX-License-Identifier: MIT
// The XML parts of an .xlsx archive (libzip), streamed through expat within limits that no real
// workbook comes near: what a few kilobytes of ZIP can unpack to, how deep XML can nest and how
// long one tag can be are what a hostile file would use to exhaust memory.
#pragma once

#include <expat.h>
#include <zip.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "projections/WorkbookTables.h"

namespace quorvane {

// No part of a workbook nests deeper than a dozen elements.
inline constexpr int kMaxXmlDepth = 64;
// Bytes expat may hold for one unfinished tag, comment or declaration; it scans them again with
// every block that follows, so the cap bounds the time as well as the memory.
inline constexpr std::int64_t kMaxXmlToken = 4 * 1024 * 1024;
// What a sheet may unpack to: a million rows of twenty columns is below half of it. It is read
// a block at a time, so the size costs time, not memory.
inline constexpr std::uint64_t kMaxSheetPartBytes = 2ULL * 1024 * 1024 * 1024;
// The workbook's list of sheets and its relationships are held whole.
inline constexpr std::uint64_t kMaxListPartBytes = 16ULL * 1024 * 1024;
// A workbook has a few dozen parts; an archive of more is no workbook of projections.
inline constexpr std::int64_t kMaxArchiveEntries = 10000;

// The largest cell a spreadsheet can hold, in characters.
inline constexpr std::size_t kMaxCellCharacters = 32767;

// Receives the parser's events for one part. A handler that finds the part unacceptable calls
// refuse(); the reading then stops with that problem.
class PartHandler {
  public:
    virtual ~PartHandler() = default;
    virtual void start(std::string_view name, const XML_Char** attributes) = 0;
    virtual void end(std::string_view name) = 0;
    virtual void text(std::string_view) {}
    // False stops the reading without a problem (a sheet too wide to import, refused later).
    virtual bool goOn() const { return true; }

    void refuse(std::string what);
    const std::optional<FileProblem>& problem() const { return m_problem; }

  protected:
    // Stops the reading without a problem; goOn() must say false from then on.
    void stop();

  private:
    friend class PartReader;
    XML_Parser m_parser = nullptr;
    std::optional<FileProblem> m_problem;
    int m_depth = 0;
    std::int64_t m_eventAt = 0;  // where in the part the last event began
};

// The element's or attribute's name without its namespace prefix ("x:row" -> "row").
std::string_view localName(const XML_Char* name);
// An attribute's value by its local name; with `prefixed` only a prefixed one ("r:id").
const XML_Char* attribute(const XML_Char** attributes, std::string_view wanted,
                          bool prefixed = false);

// Text a part adds up, counted in characters so that the cap matches a spreadsheet's own.
class CellTextCollector {
  public:
    // False once the text passed kMaxCellCharacters.
    bool append(std::string_view text);
    void clear();
    const std::string& text() const { return m_text; }
    std::string take();

  private:
    std::string m_text;
    std::size_t m_characters = 0;
};

struct ZipArchiveClose {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ZipArchive = std::unique_ptr<zip_t, ZipArchiveClose>;

// The archive over the bytes (which must outlive it), or what is wrong with it.
std::variant<ZipArchive, FileProblem> openWorkbookArchive(std::string_view bytes);

enum class PartResult { Read, Missing, Broken, Refused };

// Streams one part through the handler; Refused leaves the problem in handler.problem().
PartResult readPart(zip_t* archive, const std::string& name, PartHandler& handler,
                    std::uint64_t maxBytes);

}  // namespace quorvane
