#include "PngFile.h"

#include <png.h>

#include <csetjmp>
#include <string>

#include "FileIo.h"
#include "FormatError.h"
#include "Messages.h"

namespace velmora {

namespace {

struct PngSink {
  std::vector<std::uint8_t>* bytes = nullptr;
  bool failed = false;
};

extern "C" void PngWrite(png_structp png, png_bytep data, png_size_t length) {
  auto* sink = static_cast<PngSink*>(png_get_io_ptr(png));
  try {
    sink->bytes->insert(sink->bytes->end(), data, data + length);
  } catch (...) {
    sink->failed = true;
    png_error(png, "out of memory");
  }
}

extern "C" void PngFlush(png_structp) {}

// Runs libpng; no object with a destructor lives in this frame across the
// jump target.
bool EncodeRows(png_bytep* rows, int width, int height, PngSink* sink) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, sink, PngWrite, PngFlush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, 6);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return !sink->failed;
}

}  // namespace

std::vector<std::uint8_t> PngFile::Encode(std::span<const std::uint8_t> rgba, int width, int height,
                                          std::size_t stride) {
  if (width <= 0 || height <= 0 || width > 100000 || height > 100000 || stride < static_cast<std::size_t>(width) * 4 ||
      rgba.size() < stride * static_cast<std::size_t>(height))
    throw EFormatError(Message(msg::StreamWriteError));
  std::vector<png_bytep> rows(static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y)
    rows[static_cast<std::size_t>(y)] = const_cast<png_bytep>(rgba.data() + stride * static_cast<std::size_t>(y));
  std::vector<std::uint8_t> bytes;
  bytes.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) / 4 + 1024);
  PngSink sink{&bytes, false};
  if (!EncodeRows(rows.data(), width, height, &sink)) throw EFormatError(Message(msg::StreamWriteError));
  return bytes;
}

void PngFile::Write(const std::filesystem::path& file, std::span<const std::uint8_t> rgba, int width, int height,
                    std::size_t stride) {
  FileIo::writeAtomically(file, Encode(rgba, width, height, stride));
}

}  // namespace velmora
