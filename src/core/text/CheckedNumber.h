// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quorvane {

// How a file writes its numbers. Sites write "2,143.5" or "2.143,5"; one file keeps one
// convention, so the convention is decided once per file and never guessed per cell.
struct NumberConvention {
    char decimalMark = '.';
    char thousandsMark = ',';  // a group separator; blanks and no-break spaces are always accepted
};
inline constexpr NumberConvention kDecimalPoint{'.', ','};
inline constexpr NumberConvention kDecimalComma{',', '.'};

// What a season can hold in one field; a figure outside is a broken file, not a great season.
struct FieldRange {
    double low = 0.0;
    double high = 0.0;
};
inline constexpr FieldRange kGamesRange{0.0, 100.0};
inline constexpr FieldRange kMinutesRange{0.0, 5000.0};
inline constexpr FieldRange kCountingRange{0.0, 10000.0};
inline constexpr FieldRange kFractionRange{0.0, 1.0};
// A head-to-head week: half a game (a player who plays every other week) up to the ten games
// of the longest matchup periods around the All-Star break.
inline constexpr FieldRange kGamesPerWeekRange{0.5, 10.0};
// tau^2 / sigma^2 of a category: 0 for figures that never swing, the published ones lie near 1
// to 4.
inline constexpr FieldRange kVarianceRatioRange{0.0, 10.0};
// Settings and options a user types: how far the room strays from the ADP (a spread of 2 already
// lets the 50th player go anywhere from first to 700th), how many continuations to play, seeds
// (every one a double holds exactly) and a bid limit in dollars.
inline constexpr FieldRange kAdpSpreadRange{0.0, 2.0};
inline constexpr FieldRange kContinuationsRange{1.0, 1000000.0};
inline constexpr FieldRange kSeedRange{0.0, 9007199254740991.0};
inline constexpr FieldRange kBidLimitRange{0.0, 1000000.0};

enum class NumberStatus {
    Ok,
    Empty,       // nothing written: "not given", never 0
    NotANumber,  // "abc", "2,14" (a broken group), "1.2.3"
    OutOfRange,  // a number outside the field's range, a minus sign on a field that cannot be
                 // negative ("-0" included), or too large for a double ("1e400")
};

struct NumberReading {
    NumberStatus status = NumberStatus::Empty;
    double value = 0.0;  // meaningful only when status is Ok

    bool ok() const { return status == NumberStatus::Ok; }
};

// The text, blanks around it allowed, read in the file's convention and checked against the
// field's range: "2,143" is 2143 beside a decimal point, "2.143,5" is 2143.5 beside a decimal
// comma, ".451" is 0.451, "+3" is 3. Thousands groups must be whole ("2,14" is not a number).
NumberReading readCheckedNumber(std::string_view text, NumberConvention convention,
                                FieldRange range);

// As readCheckedNumber, and the value must also be a whole number.
NumberReading readCheckedWholeNumber(std::string_view text, NumberConvention convention,
                                     FieldRange range);

// Whether the text is written the way rooms write money: digits with an optional decimal point
// and more digits ("57", "36.50"), and nothing else (no sign, blank, group or exponent: "5e1",
// "+5" and "1,000" are not).
bool isPlainDecimal(std::string_view text);

// The convention of a file, from all of its number cells at once: a cell that only a decimal
// comma can read ("45,1", "2.143,5") or only a decimal point can read ("45.1", "2,143.5")
// counts for that convention; cells both can read ("2,143", "12") count for neither. The
// decimal point wins when the evidence is even.
NumberConvention detectNumberConvention(std::span<const std::string_view> cells);

// The same evidence gathered a cell at a time, for a table too large to list its cells again.
class NumberConventionTally {
  public:
    void add(std::string_view cell);
    NumberConvention decision() const;

  private:
    long long m_commaOnly = 0;
    long long m_pointOnly = 0;
};

// The words that follow a cell's text in a refusal: "is not a number", "is outside 0 to 100",
// "is empty".
std::string numberProblemText(const NumberReading& reading, FieldRange range);

// A figure that left the reader as a double, rounded half away from zero to an int; nullopt when
// it is not finite or does not fit, so nothing is ever wrapped round.
std::optional<int> checkedRoundToInt(double value);

}  // namespace quorvane
