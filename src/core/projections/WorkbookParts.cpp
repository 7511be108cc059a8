// SPDX-License-Identifier: MIT
#include "projections/WorkbookParts.h"

#include <vector>

#include <fmt/format.h>

namespace quorvane {

namespace {

constexpr std::size_t kReadBlock = 256 * 1024;

struct ZipFileClose {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
struct ParserFree {
    void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};

std::string_view damaged() {
    return "is a damaged workbook";
}

}  // namespace

// The parser's callbacks, which reach the handler's bookkeeping.
class PartReader {
  public:
    static void XMLCALL onStart(void* data, const XML_Char* name, const XML_Char** attributes) {
        auto& handler = *static_cast<PartHandler*>(data);
        if (noted(handler)) {
            // expat keeps every open element on a stack of its own: an endless nesting is
            // stopped before that stack, not the handler, exhausts memory.
            if (++handler.m_depth > kMaxXmlDepth) {
                handler.refuse(fmt::format("{}: its XML nests deeper than {} levels", damaged(),
                                           kMaxXmlDepth));
                return;
            }
            handler.start(localName(name), attributes);
        }
    }
    static void XMLCALL onEnd(void* data, const XML_Char* name) {
        auto& handler = *static_cast<PartHandler*>(data);
        if (noted(handler)) {
            --handler.m_depth;
            handler.end(localName(name));
        }
    }
    static void XMLCALL onText(void* data, const XML_Char* text, int length) {
        auto& handler = *static_cast<PartHandler*>(data);
        if (noted(handler)) {
            handler.text(std::string_view(text, static_cast<std::size_t>(length)));
        }
    }
    // Comments, processing instructions and the like: nothing to read, but progress.
    static void XMLCALL onOther(void* data, const XML_Char*, int) {
        noted(*static_cast<PartHandler*>(data));
    }
    // Workbook parts never declare a document type; one that does is refused rather than
    // expanded.
    static void XMLCALL onDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*,
                                  int) {
        static_cast<PartHandler*>(data)->refuse(std::string(damaged()));
    }

    static PartResult read(zip_file_t* file, PartHandler& handler, std::uint64_t maxBytes) {
        const std::unique_ptr<XML_ParserStruct, ParserFree> parser(XML_ParserCreate("UTF-8"));
        if (!parser) {
            return PartResult::Broken;
        }
        handler.m_parser = parser.get();
        XML_SetUserData(parser.get(), &handler);
        XML_SetElementHandler(parser.get(), onStart, onEnd);
        XML_SetCharacterDataHandler(parser.get(), onText);
        XML_SetDefaultHandlerExpand(parser.get(), onOther);
        XML_SetStartDoctypeDeclHandler(parser.get(), onDoctype);
        std::vector<char> block(kReadBlock);
        std::uint64_t total = 0;
        while (handler.goOn()) {
            const zip_int64_t got = zip_fread(file, block.data(), block.size());
            if (got < 0) {
                return PartResult::Broken;
            }
            total += static_cast<std::uint64_t>(got);
            if (total > maxBytes) {
                handler.refuse(tooLarge(maxBytes));
                return PartResult::Refused;
            }
            const bool last = got == 0;
            const XML_Status status =
                XML_Parse(parser.get(), block.data(), static_cast<int>(got), last ? 1 : 0);
            if (handler.problem()) {
                return PartResult::Refused;
            }
            if (status != XML_STATUS_OK) {
                return handler.goOn() ? PartResult::Broken : PartResult::Read;
            }
            // expat holds an unfinished tag whole, however long; one that goes on for megabytes
            // is no workbook's.
            if (static_cast<std::int64_t>(total) - handler.m_eventAt > kMaxXmlToken) {
                handler.refuse(fmt::format("{}: it holds an XML tag longer than {} MiB", damaged(),
                                           kMaxXmlToken / (1024 * 1024)));
                return PartResult::Refused;
            }
            if (last) {
                break;
            }
        }
        return PartResult::Read;
    }

    static std::string tooLarge(std::uint64_t maxBytes) {
        return fmt::format("unpacks to more than {} MiB, more than any workbook of projections",
                           maxBytes / (1024 * 1024));
    }

  private:
    // Notes where the event began; false once the handler has refused the part.
    static bool noted(PartHandler& handler) {
        handler.m_eventAt = XML_GetCurrentByteIndex(handler.m_parser);
        return !handler.m_problem;
    }
};

void PartHandler::refuse(std::string what) {
    if (!m_problem) {
        m_problem = FileProblem{std::move(what)};
    }
    if (m_parser != nullptr) {
        XML_StopParser(m_parser, XML_FALSE);
    }
}

void PartHandler::stop() {
    if (m_parser != nullptr) {
        XML_StopParser(m_parser, XML_FALSE);
    }
}

std::string_view localName(const XML_Char* name) {
    const std::string_view text(name);
    const std::size_t colon = text.rfind(':');
    return colon == std::string_view::npos ? text : text.substr(colon + 1);
}

const XML_Char* attribute(const XML_Char** attributes, std::string_view wanted, bool prefixed) {
    for (std::size_t i = 0; attributes[i] != nullptr; i += 2) {
        const std::string_view name(attributes[i]);
        if (localName(attributes[i]) == wanted &&
            (!prefixed || name.find(':') != std::string_view::npos)) {
            return attributes[i + 1];
        }
    }
    return nullptr;
}

bool CellTextCollector::append(std::string_view text) {
    for (const char c : text) {
        // Continuation bytes belong to the character before them.
        m_characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    if (m_characters > kMaxCellCharacters) {
        return false;
    }
    m_text.append(text);
    return true;
}

void CellTextCollector::clear() {
    m_text.clear();
    m_characters = 0;
}

std::string CellTextCollector::take() {
    std::string taken = std::move(m_text);
    clear();
    return taken;
}

std::variant<ZipArchive, FileProblem> openWorkbookArchive(std::string_view bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    ZipArchive archive(source == nullptr ? nullptr
                                         : zip_open_from_source(source, ZIP_RDONLY, &error));
    zip_error_fini(&error);
    if (!archive) {
        if (source != nullptr) {
            zip_source_free(source);
        }
        return FileProblem{"is a damaged ZIP file"};
    }
    if (const zip_int64_t entries = zip_get_num_entries(archive.get(), 0);
        entries > kMaxArchiveEntries) {
        return FileProblem{
            fmt::format("is a ZIP file of {} parts, more than any workbook has", entries)};
    }
    return archive;
}

PartResult readPart(zip_t* archive, const std::string& name, PartHandler& handler,
                    std::uint64_t maxBytes) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(archive, name.c_str(), 0, &stat) != 0) {
        return PartResult::Missing;
    }
    // The size the archive declares is checked first; what the part really unpacks to is
    // counted as it is read, since a hostile archive may declare anything.
    if ((stat.valid & ZIP_STAT_SIZE) != 0 && stat.size > maxBytes) {
        handler.refuse(PartReader::tooLarge(maxBytes));
        return PartResult::Refused;
    }
    const std::unique_ptr<zip_file_t, ZipFileClose> file(zip_fopen(archive, name.c_str(), 0));
    if (!file) {
        return PartResult::Broken;
    }
    return PartReader::read(file.get(), handler, maxBytes);
}

}  // namespace quorvane
