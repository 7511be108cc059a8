// SPDX-License-Identifier: MIT
#include "projections/ProjectionLines.h"

#include <istream>
#include <string>

namespace quorvane {

namespace {

// Splits a piece that holds no LF at its lone CRs. A CR at the very end closes the piece's
// last line rather than opening an empty one.
bool forEachCrPiece(std::string_view piece, long long& lineNumber, const LineVisitor& visit) {
    while (true) {
        const std::size_t cr = piece.find('\r');
        if (cr == std::string_view::npos) {
            return visit(++lineNumber, piece);
        }
        if (!visit(++lineNumber, piece.substr(0, cr))) {
            return false;
        }
        piece.remove_prefix(cr + 1);
        if (piece.empty()) {
            return true;
        }
    }
}

}  // namespace

bool forEachTextLine(std::string_view text, const LineVisitor& visit) {
    long long lineNumber = 0;
    while (!text.empty()) {
        const std::size_t lf = text.find('\n');
        const std::string_view piece = text.substr(0, lf);
        if (!forEachCrPiece(piece, lineNumber, visit)) {
            return false;
        }
        if (lf == std::string_view::npos) {
            break;
        }
        text.remove_prefix(lf + 1);
    }
    return true;
}

bool forEachStreamLine(std::istream& stream, const LineVisitor& visit) {
    long long lineNumber = 0;
    std::string piece;
    while (std::getline(stream, piece)) {
        if (!forEachCrPiece(piece, lineNumber, visit)) {
            return false;
        }
    }
    return !stream.bad();
}

}  // namespace quorvane
