#pragma once

namespace montira::workload {

// x rounded to 15 significant digits, the precision every text of the program shows. Cutting
// a computed 252.99999999999997 (25.3 × 10) must give 253, not 252.
double Round15(double x);

// Whole part toward zero (Fix) and toward minus infinity (Int) of x taken at 15 significant
// digits; 0 for a value that is not finite or beyond the 64-bit range.
long long FixWhole(double x);
long long FloorWhole(double x);

}  // namespace montira::workload
