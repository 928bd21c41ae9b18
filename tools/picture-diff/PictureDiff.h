#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace velmora {

// Compares two pictures pixel by pixel: how many pixels differ, by how much
// (the largest difference of one channel, alpha included), and where (the
// boxes around groups of differing pixels).
class PictureDiff {
 public:
  struct Options {
    // Pixels whose channels differ by no more than this count as equal.
    int Tolerance = 0;
    // Differing pixels at most this far apart (in rows or columns) belong to
    // one region.
    int Gap = 2;
    // Makes `Result::Difference`: the second picture faded, the differing
    // pixels in red.
    bool MakeDifference = false;
  };

  // Pixels counted by their largest channel difference: 1-8, 9-32, 33-96,
  // 97-255.
  static constexpr std::array<int, 4> kBucketLimits{8, 32, 96, 255};

  struct Region {
    QRect Box;
    std::int64_t Pixels = 0;
    int Largest = 0;
  };

  struct Result {
    QSize First, Second;
    bool SameSize = false;
    std::int64_t Differing = 0;  // 0 unless the sizes match
    int Largest = 0;
    std::array<std::int64_t, 4> Buckets{};
    std::vector<Region> Regions;  // the largest first
    QImage Difference;
  };

  static Result Compare(const QImage& first, const QImage& second, const Options& options);

  // Reads a picture; on failure `error` says why and the image is null.
  // Pictures larger than `maxPixels` are refused before they are decoded.
  static QImage Load(const QString& path, QString& error, std::int64_t maxPixels = 64LL * 1024 * 1024);
};

}  // namespace velmora
