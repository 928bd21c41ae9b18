#include "PictureDiff.h"

#include <QImageReader>
#include <algorithm>
#include <cstdlib>

namespace velmora {

namespace {

int channelDifference(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b)),
                   std::abs(qAlpha(a) - qAlpha(b))});
}

QRgb faded(QRgb c) {
  // A quarter of the colour on white: the picture stays readable under the marks.
  auto mix = [](int v) { return 191 + v / 4; };
  return qRgb(mix(qRed(c)), mix(qGreen(c)), mix(qBlue(c)));
}

}  // namespace

PictureDiff::Result PictureDiff::Compare(const QImage& first, const QImage& second, const Options& options) {
  Result result;
  result.First = first.size();
  result.Second = second.size();
  result.SameSize = !first.isNull() && !second.isNull() && first.size() == second.size();
  if (!result.SameSize) return result;
  const QImage a = first.convertToFormat(QImage::Format_ARGB32);
  const QImage b = second.convertToFormat(QImage::Format_ARGB32);
  const int w = a.width(), h = a.height();
  const int tolerance = std::max(0, options.Tolerance);
  // The difference of each pixel, 0 where they are equal.
  std::vector<std::uint8_t> diff(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
  if (options.MakeDifference) result.Difference = QImage(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    auto* out = options.MakeDifference ? reinterpret_cast<QRgb*>(result.Difference.scanLine(y)) : nullptr;
    for (int x = 0; x < w; ++x) {
      const int d = channelDifference(ra[x], rb[x]);
      const bool differs = d > tolerance;
      if (out) out[x] = differs ? qRgb(std::max(128, d), 0, 0) : faded(rb[x]);
      if (!differs) continue;
      diff[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)] =
          static_cast<std::uint8_t>(d);
      ++result.Differing;
      result.Largest = std::max(result.Largest, d);
      for (std::size_t k = 0; k < kBucketLimits.size(); ++k) {
        if (d <= kBucketLimits[k]) {
          ++result.Buckets[k];
          break;
        }
      }
    }
  }
  if (result.Differing == 0) return result;
  // Groups of differing pixels: each pixel reached from another within the
  // gap joins its region. A pixel is cleared once it is taken.
  const int gap = std::max(1, options.Gap);
  std::vector<std::pair<int, int>> pending;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (diff[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)] == 0) continue;
      Region region;
      int left = x, right = x, top = y, bottom = y;
      pending.assign(1, {x, y});
      region.Largest = diff[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)];
      diff[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)] = 0;
      while (!pending.empty()) {
        const auto [px, py] = pending.back();
        pending.pop_back();
        ++region.Pixels;
        left = std::min(left, px);
        right = std::max(right, px);
        top = std::min(top, py);
        bottom = std::max(bottom, py);
        for (int ny = std::max(0, py - gap); ny <= std::min(h - 1, py + gap); ++ny) {
          for (int nx = std::max(0, px - gap); nx <= std::min(w - 1, px + gap); ++nx) {
            std::uint8_t& cell =
                diff[static_cast<std::size_t>(ny) * static_cast<std::size_t>(w) + static_cast<std::size_t>(nx)];
            if (cell == 0) continue;
            region.Largest = std::max<int>(region.Largest, cell);
            cell = 0;
            pending.emplace_back(nx, ny);
          }
        }
      }
      region.Box = QRect(QPoint(left, top), QPoint(right, bottom));
      result.Regions.push_back(region);
    }
  }
  std::stable_sort(result.Regions.begin(), result.Regions.end(),
                   [](const Region& l, const Region& r) { return l.Pixels > r.Pixels; });
  return result;
}

QImage PictureDiff::Load(const QString& path, QString& error, std::int64_t maxPixels) {
  error.clear();
  QImageReader reader(path);
  reader.setAutoTransform(false);
  const QSize size = reader.size();
  if (!size.isValid()) {
    error = reader.canRead() ? QStringLiteral("no size in the header") : reader.errorString();
    return {};
  }
  if (static_cast<std::int64_t>(size.width()) * size.height() > maxPixels) {
    error = QStringLiteral("%1 x %2 pixels is too large").arg(size.width()).arg(size.height());
    return {};
  }
  QImage image = reader.read();
  if (image.isNull()) error = reader.errorString();
  return image;
}

}  // namespace velmora
