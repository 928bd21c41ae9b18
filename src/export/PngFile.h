#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace velmora {

// PNG pictures through libpng: 8-bit RGBA rows in, a PNG file out.
class PngFile {
 public:
  // `rgba` holds `height` rows of `stride` bytes, each starting with
  // `width` pixels of four bytes (red, green, blue, alpha). Throws
  // EFormatError when the sizes do not fit or libpng fails.
  static std::vector<std::uint8_t> Encode(std::span<const std::uint8_t> rgba, int width, int height,
                                          std::size_t stride);
  // Encodes and writes the file atomically.
  static void Write(const std::filesystem::path& file, std::span<const std::uint8_t> rgba, int width, int height,
                    std::size_t stride);
};

}  // namespace velmora
