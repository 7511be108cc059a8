// SPDX-License-Identifier: MIT
#include "room/ListOrder.h"

#include <algorithm>
#include <numeric>

#include "text/NameFolding.h"

namespace quorvane {

namespace {

int compareBytes(std::string_view a, std::string_view b) {
    const int result = a.compare(b);
    return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

}  // namespace

int compareIgnoringCase(std::string_view a, std::string_view b) {
    return compareNames(a, b);
}

int compareSortValues(const SortValue& a, const SortValue& b, const SortTerm& term) {
    int result = 0;
    if (a.kind != b.kind) {
        result = a.kind < b.kind ? -1 : 1;
    } else if (a.kind == SortValue::Kind::Number) {
        result = a.number < b.number ? -1 : (b.number < a.number ? 1 : 0);
    } else if (a.kind == SortValue::Kind::Text) {
        result =
            term.ignoreCase ? compareIgnoringCase(a.text, b.text) : compareBytes(a.text, b.text);
    }
    return term.descending ? -result : result;
}

std::vector<std::size_t> sortedOrder(std::size_t rows, const std::vector<SortValue>& keys,
                                     const std::vector<SortTerm>& terms) {
    const std::size_t width = terms.size();
    std::vector<std::size_t> order(rows);
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (width == 0 || keys.size() < rows * width) {
        return order;
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t left, std::size_t right) {
        for (std::size_t t = 0; t < width; ++t) {
            const int result =
                compareSortValues(keys[left * width + t], keys[right * width + t], terms[t]);
            if (result != 0) {
                return result < 0;
            }
        }
        return false;
    });
    return order;
}

}  // namespace quorvane
