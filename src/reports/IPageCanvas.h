#pragma once

#include <string>

namespace velmora {

// The surface a page layout draws on: a printer, a PDF file or preview page
// images. Sizes are in the surface's pixels; texts carry the caption markup
// (superscripts, subscripts, Greek letters), which the surface measures and
// draws.
class IPageCanvas {
 public:
  virtual ~IPageCanvas() = default;
  // Starts a page; the first call starts the first page.
  virtual void BeginPage() = 0;
  // The print font at `points`.
  virtual void SetFontSize(int points) = 0;
  virtual int TextWidth(const std::string& text) = 0;
  virtual int TextHeight(const std::string& text) = 0;
  // `text` with its top-left corner at (x, y), on a transparent background.
  virtual void DrawText(int x, int y, const std::string& text) = 0;
  // A black one-pixel frame.
  virtual void DrawFrame(int x, int y, int width, int height) = 0;
  // Chart number `chart` of the document stretched into the rectangle.
  virtual void DrawChart(int chart, int x, int y, int width, int height) = 0;
};

}  // namespace velmora
