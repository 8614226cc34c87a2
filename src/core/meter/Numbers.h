#pragma once
#include <QString>

namespace montira {

// The text of every value: one decimal, cut (not rounded), always a point. The number is
// first written with 15 significant digits and never in exponent form, so a computed
// 23.499999999999996 reads 23.5 and 1E-16 reads 0.0.
QString FormatOneDecimal(double x);

// A number in the classic general form: up to 15 significant digits, no trailing zeros, no
// exponent for ordinary magnitudes ("30", "30.6", "-0.25").
QString FormatGeneral(double x);

// Leading-number parsing: leading blanks skipped, an optional sign, digits with "." as the
// decimal separator whatever the locale, stopping at the first character that does not fit.
// A text without a leading number ("- - -", "") gives 0.
double LeadingNumber(const QString& text);

// trunc(x, n): x cut toward zero to n decimals.
double TruncTo(double x, int decimals);

// Whole part of a finite value in the range of a 64-bit integer; 0 otherwise. Never
// converts a non-finite or out-of-range floating value (that is undefined in C++).
long long SafeWhole(double x);

}  // namespace montira
