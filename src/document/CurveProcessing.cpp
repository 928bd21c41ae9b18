#include "CurveProcessing.h"

#include <cmath>
#include <complex>
#include <cstddef>
#include <numbers>

#include "Numbers.h"

namespace velmora {

namespace {

// Sweeps of at most this many points in total are semi-integrated by the
// direct sum; longer ones by FFT convolution.
constexpr std::size_t kDirectSemiIntegralLimit = 128;

bool RunsUp(std::span<const TDataPoint> points) { return !points.empty() && points.back().X >= points.front().X; }

bool RunsDown(std::span<const TDataPoint> points) { return !points.empty() && points.back().X < points.front().X; }

// In-place iterative radix-2 FFT; `data.size()` is a power of two.
void Fft(std::vector<std::complex<double>>& data, bool inverse) {
  const std::size_t n = data.size();
  for (std::size_t i = 1, j = 0; i < n; ++i) {
    std::size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(data[i], data[j]);
  }
  for (std::size_t len = 2; len <= n; len <<= 1) {
    const double angle = 2.0 * std::numbers::pi / static_cast<double>(len) * (inverse ? 1.0 : -1.0);
    const std::size_t half = len / 2;
    // Twiddles computed directly rather than by repeated multiplication, so
    // that rounding does not accumulate along a stage.
    std::vector<std::complex<double>> twiddle(half);
    for (std::size_t k = 0; k < half; ++k) twiddle[k] = std::polar(1.0, angle * static_cast<double>(k));
    for (std::size_t start = 0; start < n; start += len) {
      for (std::size_t k = 0; k < half; ++k) {
        const std::complex<double> u = data[start + k];
        const std::complex<double> v = data[start + k + half] * twiddle[k];
        data[start + k] = u + v;
        data[start + k + half] = u - v;
      }
    }
  }
  if (inverse) {
    const double scale = 1.0 / static_cast<double>(n);
    for (auto& value : data) value *= scale;
  }
}

// conv(n) = sum over k = 0..n of y(k) * kernel(n - k), for n = 0..count-1.
std::vector<double> Convolve(const std::vector<double>& y, const std::vector<double>& kernel) {
  const std::size_t count = y.size();
  std::vector<double> result(count, 0.0);
  if (count <= kDirectSemiIntegralLimit) {
    for (std::size_t n = 0; n < count; ++n) {
      double sum = 0.0;
      for (std::size_t k = 0; k <= n; ++k) sum += y[k] * kernel[n - k];
      result[n] = sum;
    }
    return result;
  }
  std::size_t size = 1;
  while (size < 2 * count) size <<= 1;
  std::vector<std::complex<double>> fy(size), fk(size);
  for (std::size_t i = 0; i < count; ++i) {
    fy[i] = y[i];
    fk[i] = kernel[i];
  }
  Fft(fy, false);
  Fft(fk, false);
  for (std::size_t i = 0; i < size; ++i) fy[i] *= fk[i];
  Fft(fy, true);
  for (std::size_t i = 0; i < count; ++i) result[i] = fy[i].real();
  return result;
}

}  // namespace

void ShellSortByX(TDataArr& points, bool descending) {
  const std::size_t count = points.size();
  for (std::size_t gap = count / 2; gap > 0; gap /= 2) {
    for (std::size_t i = gap; i < count; ++i) {
      const TDataPoint moving = points[i];
      std::size_t j = i;
      while (j >= gap && (descending ? points[j - gap].X < moving.X : points[j - gap].X > moving.X)) {
        points[j] = points[j - gap];
        j -= gap;
      }
      points[j] = moving;
    }
  }
}

int IndexOfPotential(std::span<const TDataPoint> points, double x) {
  if (points.empty()) return -1;
  const bool up = points.back().X > points.front().X;
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (up ? points[i].X >= x : points[i].X <= x) return static_cast<int>(i);
  }
  return static_cast<int>(points.size()) - 1;
}

TDataArr SmoothMovingAverage(std::span<const TDataPoint> points, int n) {
  TDataArr result(points.begin(), points.end());
  if (n <= 0) return result;
  const long long last = static_cast<long long>(result.size()) - 1;
  const long long window = n;
  const double width = static_cast<double>(n) + 1.0;
  // Each mean is summed left to right over its own window (no running sum),
  // so flat stretches stay exactly flat and derivative signs stay exact.
  // Forward: the window i..i+n holds only points not yet replaced.
  for (long long i = 0; i <= last - window; ++i) {
    double sum = 0.0;
    for (long long k = i; k <= i + window; ++k) sum += result[k].Y;
    result[i].Y = sum / width;
  }
  // Backward: the window i-n..i-1 holds forward results.
  for (long long i = last; i >= window; --i) {
    double sum = 0.0;
    for (long long k = i - window; k <= i; ++k) sum += result[k].Y;
    result[i].Y = sum / width;
  }
  return result;
}

TDataArr Smooth(std::span<const TDataPoint> points, int filterValue) {
  return SmoothMovingAverage(points, filterValue);
}

double SemiIntegralScale() { return 4.0 / 3.0 * std::sqrt(0.004 / std::numbers::pi); }

TSemiIntegral SemiIntegrate(std::span<const TDataPoint> first, std::span<const TDataPoint> second) {
  TDataArr reordered(second.begin(), second.end());
  if (RunsUp(first) && RunsUp(second))
    ShellSortByX(reordered, true);
  else if (RunsDown(first) && !RunsUp(second))
    ShellSortByX(reordered, false);

  const std::size_t p = first.size();
  const std::size_t q = reordered.size();
  const std::size_t m = p + q;
  std::vector<double> y;
  y.reserve(m);
  for (const auto& point : first) y.push_back(point.Y);
  for (const auto& point : reordered) y.push_back(point.Y);

  // I(n) = C * [y(n) + sum_{k<n} y(k) * h(n - k)] with the second difference
  // h(d) = w(d+1) - 2 w(d) + w(d-1) of w(k) = k^1.5: a convolution of y with
  // the kernel (1, h(1), h(2), ...). I(0) and I(M-1) stay 0.
  std::vector<double> integral(m, 0.0);
  if (m >= 3) {
    std::vector<double> w(m);
    for (std::size_t k = 0; k < m; ++k) w[k] = std::pow(static_cast<double>(k), 1.5);
    std::vector<double> kernel(m, 0.0);
    kernel[0] = 1.0;
    for (std::size_t d = 1; d + 1 < m; ++d) kernel[d] = w[d + 1] - 2.0 * w[d] + w[d - 1];
    const std::vector<double> conv = Convolve(y, kernel);
    const double scale = SemiIntegralScale();
    for (std::size_t n = 1; n + 1 < m; ++n) integral[n] = scale * conv[n];
  }

  TSemiIntegral result;
  if (p >= 2) {
    result.First.resize(p - 1);
    for (std::size_t i = 0; i + 1 < p; ++i) result.First[i] = {first[i].X, integral[i + 1]};
  }
  if (q >= 2) {
    result.Second.resize(q - 1);
    for (std::size_t i = 0; i + 1 < q; ++i) result.Second[i] = {reordered[i].X, integral[p + i]};
  }
  return result;
}

TDataArr SubtractCurve(std::span<const TDataPoint> a, std::span<const TDataPoint> b, double shift) {
  TDataArr minuend(a.begin(), a.end());
  if (minuend.empty() || b.empty()) return minuend;
  if (b.size() == 1) {
    for (auto& point : minuend) point.Y -= b.front().Y;
    return minuend;
  }
  const bool descending = a.back().X < a.front().X;
  TDataArr subtrahend(b.begin(), b.end());
  ShellSortByX(minuend);
  ShellSortByX(subtrahend);
  for (auto& point : subtrahend) point.X += shift;

  const double aFirst = minuend.front().X;
  const double aLast = minuend.back().X;
  const double bFirst = subtrahend.front().X;
  const double bLast = subtrahend.back().X;
  std::size_t start = minuend.size();
  if (bFirst <= aFirst && bLast > aFirst) {
    start = 0;
  } else if (aLast >= bFirst && bFirst >= aFirst) {
    start = 0;
    while (start < minuend.size() && minuend[start].X < bFirst) ++start;
  }
  if (start >= minuend.size()) return TDataArr(a.begin(), a.end());

  const std::size_t lastB = subtrahend.size() - 1;
  TDataArr result;
  result.reserve(minuend.size() - start);
  std::size_t j = 0;
  for (std::size_t i = start; i < minuend.size(); ++i) {
    const double x = minuend[i].X;
    while (subtrahend[j].X < x && j < lastB) ++j;
    double value;
    if (subtrahend[j].X == x) {
      value = subtrahend[j].Y;
    } else {
      const TDataPoint& p0 = subtrahend[j == 0 ? 0 : j - 1];
      const TDataPoint& p1 = subtrahend[j == 0 ? 1 : j];
      const double dx = p1.X - p0.X;
      value = dx == 0.0 ? p1.Y : p0.Y + (x - p0.X) * (p1.Y - p0.Y) / dx;
    }
    result.push_back({x, minuend[i].Y - value});
  }
  if (descending) ShellSortByX(result, true);
  return result;
}

TDataArr Invert(std::span<const TDataPoint> points, InvertAxis axis) {
  TDataArr result(points.begin(), points.end());
  for (auto& point : result) {
    if (axis == InvertAxis::X)
      point.X = -point.X;
    else
      point.Y = -point.Y;
  }
  return result;
}

TDataArr ShiftX(std::span<const TDataPoint> points, double shift) {
  TDataArr result(points.begin(), points.end());
  for (auto& point : result) point.X += shift;
  return result;
}

TDataArr Semilog(std::span<const TDataPoint> points) {
  TDataArr result(points.begin(), points.end());
  const double ln10 = std::log(10.0);
  for (auto& point : result) {
    const double magnitude = std::fabs(point.Y);
    if (magnitude != 0.0) point.Y = std::log(magnitude) / ln10;
  }
  return result;
}

double GroupXShift(const std::vector<std::vector<double>>& leafShiftsByChild) {
  double r = 0.0;
  for (const auto& child : leafShiftsByChild) {
    for (double v : child) {
      if (r != 0.0 && v != r) {
        r = 0.0;
        break;
      }
      if (r == 0.0) r = v;
    }
  }
  return r;
}

std::optional<double> SharedXShift(std::span<const double> shifts) {
  if (shifts.empty()) return std::nullopt;
  for (std::size_t i = 1; i < shifts.size(); ++i) {
    if (shifts[i] != shifts[i - 1]) return std::nullopt;
  }
  return shifts.front();
}

std::optional<double> ParseXShift(std::string_view text) {
  const auto value = ParseDecimal(text, '.');
  if (!value || !std::isfinite(*value)) return std::nullopt;
  return value;
}

std::optional<double> PeakPotentialForShift(std::span<const TDataPoint> displayed, int calcType, int markIndex1,
                                            int markIndex2) {
  int index;
  if (calcType == 0)
    index = markIndex2;
  else if (calcType == 3 || calcType == 7)
    index = markIndex1;
  else
    return std::nullopt;
  if (index < 0 || static_cast<std::size_t>(index) >= displayed.size()) return std::nullopt;
  return displayed[static_cast<std::size_t>(index)].X;
}

}  // namespace velmora
