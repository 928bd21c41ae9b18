#include "PolyFit.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

#include "ECalcError.h"
#include "Messages.h"

namespace velmora {

namespace {

// Pivots below this fraction of their diagonal mark a dependent column.
constexpr double kPivotTolerance = 1e-12;
// Y values spread by no more than this many units in the last place of the
// largest one count as equal.
constexpr double kRoundingSpread = 8.0;

// Solves the symmetric positive semi-definite system a * c = b by an LDL^T
// factorisation; a column whose pivot vanishes is left out (coefficient 0).
std::vector<double> SolveNormalEquations(std::vector<std::vector<double>> a, std::vector<double> b) {
  const std::size_t k = b.size();
  std::vector<std::vector<double>> l(k, std::vector<double>(k, 0.0));
  std::vector<double> d(k, 0.0);
  std::vector<bool> used(k, false);
  for (std::size_t j = 0; j < k; ++j) {
    double pivot = a[j][j];
    for (std::size_t m = 0; m < j; ++m) pivot -= l[j][m] * l[j][m] * d[m];
    if (!(pivot > kPivotTolerance * std::max(a[j][j], 1e-300))) continue;
    used[j] = true;
    d[j] = pivot;
    l[j][j] = 1.0;
    for (std::size_t i = j + 1; i < k; ++i) {
      double value = a[i][j];
      for (std::size_t m = 0; m < j; ++m) value -= l[i][m] * l[j][m] * d[m];
      l[i][j] = value / pivot;
    }
  }
  std::vector<double> z(k, 0.0);
  for (std::size_t i = 0; i < k; ++i) {
    if (!used[i]) continue;
    double value = b[i];
    for (std::size_t m = 0; m < i; ++m) value -= l[i][m] * z[m];
    z[i] = value;
  }
  std::vector<double> c(k, 0.0);
  for (std::size_t ii = k; ii-- > 0;) {
    if (!used[ii]) continue;
    double value = z[ii] / d[ii];
    for (std::size_t m = ii + 1; m < k; ++m) value -= l[m][ii] * c[m];
    c[ii] = value;
  }
  return c;
}

double Binomial(int n, int r) {
  double result = 1.0;
  for (int i = 1; i <= r; ++i) result = result * (n - r + i) / i;
  return result;
}

}  // namespace

double PolyValue(std::span<const double> coef, double x) {
  double value = 0.0;
  for (std::size_t j = coef.size(); j-- > 0;) value = value * x + coef[j];
  return value;
}

TPolyFit PolyFit(std::span<const double> x, std::span<const double> y, int coefCount) {
  const std::size_t n = std::min(x.size(), y.size());
  if (n < 2) throw ECalcError(Message(msg::PolyFitTooFewPoints));
  const std::size_t k = static_cast<std::size_t>(std::max(coefCount, 1));

  double mean = 0.0;
  for (std::size_t i = 0; i < n; ++i) mean += x[i];
  mean /= static_cast<double>(n);
  double scale = 0.0;
  for (std::size_t i = 0; i < n; ++i) scale = std::max(scale, std::fabs(x[i] - mean));
  if (scale == 0.0) scale = 1.0;

  // Normal equations in t = (x - mean) / scale, which lies in [-1, 1].
  std::vector<std::vector<double>> a(k, std::vector<double>(k, 0.0));
  std::vector<double> b(k, 0.0);
  std::vector<double> powers(2 * k - 1);
  for (std::size_t i = 0; i < n; ++i) {
    const double t = (x[i] - mean) / scale;
    powers[0] = 1.0;
    for (std::size_t p = 1; p < powers.size(); ++p) powers[p] = powers[p - 1] * t;
    for (std::size_t r = 0; r < k; ++r) {
      b[r] += y[i] * powers[r];
      for (std::size_t c = 0; c < k; ++c) a[r][c] += powers[r + c];
    }
  }
  const std::vector<double> inT = SolveNormalEquations(a, b);

  TPolyFit fit;
  // The total sum of squares about the mean, taken from the centred values:
  // currents sit on backgrounds of tens of µA, and the sum of squares less
  // the squared sum would cancel the digits that tell the points apart.
  double meanY = 0.0, largestY = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    meanY += y[i];
    largestY = std::max(largestY, std::fabs(y[i]));
  }
  meanY /= static_cast<double>(n);
  double ssRes = 0.0, ssTot = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    const double residual = PolyValue(inT, (x[i] - mean) / scale) - y[i];
    ssRes += residual * residual;
    ssTot += (y[i] - meanY) * (y[i] - meanY);
  }
  // Values that differ only by rounding do not vary.
  const double rounding = kRoundingSpread * std::numeric_limits<double>::epsilon() * largestY;
  if (ssTot <= static_cast<double>(n) * rounding * rounding) ssTot = 0.0;
  const double ratio = ssTot != 0.0 ? ssRes / ssTot : 0.0;
  fit.Quality = ratio < 1.0 ? std::sqrt(1.0 - ratio) : 0.0;

  // Back to powers of x: sum_i a_i ((x - mean) / scale)^i.
  fit.Coef.assign(k, 0.0);
  for (std::size_t i = 0; i < k; ++i) {
    const double ai = inT[i] / std::pow(scale, static_cast<double>(i));
    for (std::size_t p = 0; p <= i; ++p) {
      fit.Coef[p] +=
          ai * Binomial(static_cast<int>(i), static_cast<int>(p)) * std::pow(-mean, static_cast<double>(i - p));
    }
  }
  return fit;
}

}  // namespace velmora
