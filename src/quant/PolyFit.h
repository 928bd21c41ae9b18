#pragma once

#include <span>
#include <vector>

namespace velmora {

// A least-squares polynomial: Coef[j] multiplies x^j.
struct TPolyFit {
  std::vector<double> Coef;
  // Fit quality: sqrt(1 - SSres / SStot) (0 when that ratio is 1 or more,
  // 1 when the Y values do not vary), the magnitude of the correlation
  // coefficient for a straight line. Shown as "R2" by the windows.
  double Quality = 0.0;
};

// Fits a polynomial with `coefCount` coefficients (2 a straight line, 4 a
// cubic) to the points (x[i], y[i]) by least squares. X is centred and
// scaled before the normal equations are solved, so potentials in the
// thousands of mV stay well conditioned; a basis function the points cannot
// determine (all X equal, fewer distinct X than coefficients) gets the
// coefficient 0. Throws ECalcError with "PolyFit called with less than two
// points" for fewer than two points.
TPolyFit PolyFit(std::span<const double> x, std::span<const double> y, int coefCount);

// The polynomial's value at x (Horner).
double PolyValue(std::span<const double> coef, double x);

}  // namespace velmora
