#pragma once

#include <QString>
#include <optional>

// Fixed notation with '.' as decimal point whatever the locale; exact halves
// round to the even neighbour. A positive width pads with leading blanks.
// Every finite value is written whole, however many digits it takes.
QString formatFixed(long double value, int decimals, int width = 0);

// A number reading: leading blanks, an optional sign, digits with at most one
// decimal point, an optional exponent (E or e), and nothing after it; any
// length. A text of that form whose value does not fit (beyond the range of a
// double, or too small for extended precision) is not a number.
std::optional<long double> readNumber(const QString& text);
// Whether the whole text has that form, whatever its value.
bool hasNumberForm(QStringView text);

// A whole number: digits, with what the form allows before them. Typed, as a
// user types one: leading blanks and an optional sign. Written, as the program
// writes one into its files: an optional minus sign only. Digits: nothing.
enum class IntegerForm { Typed, Written, Digits };
std::optional<long long> readInteger(QStringView text, IntegerForm form = IntegerForm::Typed);

// The name-stripping reader of list-box texts: the whole text, or what is left
// after dropping leading characters one at a time ("Steel : 7850" gives 7850).
// The first tail of number form decides: when its value does not fit, the
// text is no number (a number that does not fit is never read as its
// exponent). Linear in the text's length.
struct StrippedNumber {
    long double value = 0;
    int prefixLength = 0; // characters dropped before the number read
};
std::optional<StrippedNumber> readNameStripped(const QString& text);

// Value text of a results-panel property line (without the unit): two decimals
// from 0.01 on, else six for areas and ten for everything else.
QString formatPanelValue(long double value, bool isArea);

// List-cell number: two decimals from 0.01 on, else ten.
QString formatTwoOrTen(long double value);

// A stress text: two decimals from 0.01 on (judged by size), else eight.
QString formatStress(long double value);

// Fixed notation with as many decimals as the value needs for 15 significant
// digits, trailing zeros and a trailing point dropped ("0.00000000001", "20000").
// Re-expressing a typed number back and forth gives the typed number again.
QString formatSignificant(long double value);
