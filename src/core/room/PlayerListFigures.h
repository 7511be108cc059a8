// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/DraftModel.h"
#include "room/ListOrder.h"

namespace quorvane {

// Figures the player lists show that are not stored as such.

// "Last, First"; empty when either name is missing.
std::string listName(const ModelPlayer& player);

// A text as a sort value; a missing one sorts first.
SortValue textSortValue(const std::optional<std::string>& text);
SortValue textSortValue(const std::string& text, bool missing);

// Every list's last sort terms: last name, then first name, ignoring case.
inline constexpr std::array<SortTerm, 2> kNameTerms = {SortTerm{false, true},
                                                       SortTerm{false, true}};
void pushNameKeys(std::vector<SortValue>& keys, const ModelPlayer& player);

// Whole years: the current year less the year the date of birth begins with (its leading
// whole number within the first four characters, 0 when there is none, so a date written
// day first gives a nonsense age rather than none). None without a date.
std::optional<int> ageInYears(const std::optional<std::string>& dob, int currentYear);

// The year of today's date in UTC, which the ages count to.
int currentYearUtc();

// Fantasy points as the lists show and sort them: each ratio rounded to the decimals it is shown
// with before its weight multiplies it, the draft's categories summed in their order.
double shownFantasyPoints(const std::vector<ModelCategory>& categories, const StatLine& stats);

// A category's figure as its grid cell shows it: counts plainly, ratios with their decimals.
std::string categoryCellText(const CategoryDefinition& category, double figure);

// The ADP, AAV and "value rank minus ADP" of one row; each empty where there is no figure.
struct AdpFigures {
    std::optional<double> adp;
    std::optional<double> aav;
    std::optional<double> rankMinusAdp;
};

// The ADP columns' figures of the rows of any season: the projection season's means of the
// player, and his value rank less his ADP. The value rank is the draft's own rank (of the row
// shown; none while 0) or, in an auction, the place of his dollar value among the projection
// season's players, equal values sharing the better place.
class AdpColumnFigures {
  public:
    explicit AdpColumnFigures(const DraftModel& model);
    AdpFigures of(const ModelPlayer& shown) const;

  private:
    const DraftModel& m_model;
    std::vector<int> m_dollarRanks;  // by index of m_model.players
};

// The three cells: each figure with up to two decimals, an empty cell for none.
void appendAdpCells(std::vector<std::string>& cells, const AdpFigures& figures);

}  // namespace quorvane
