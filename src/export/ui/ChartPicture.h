#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

class QCustomPlot;
class QMimeData;

namespace velmora {

// Pictures of a chart: PNG (through libpng), BMP, SVG and PDF files, and
// the clipboard's image and vector data.
class ChartPicture {
 public:
  enum class Format { Png, Bmp, Svg, Pdf };

  // The format of a file name by its extension (any case); nothing for
  // other extensions.
  static std::optional<Format> FormatOf(const QString& fileName);
  // The extension of a format, with its dot (".png").
  static QString Extension(Format format);

  // The chart drawn at `width` x `height` pixels (0: its own size).
  static QImage Render(QCustomPlot* chart, int width = 0, int height = 0);
  static QByteArray Encode(QCustomPlot* chart, Format format, int width = 0, int height = 0);
  // Writes the file atomically; throws EFormatError when it cannot.
  static void Save(QCustomPlot* chart, const QString& fileName, Format format, int width = 0, int height = 0);

  // The clipboard's data: the picture as image, PNG and SVG.
  static QMimeData* MimeData(QCustomPlot* chart);
};

}  // namespace velmora
