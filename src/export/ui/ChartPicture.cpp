#include "ChartPicture.h"

#include <qcustomplot.h>

#include <QBuffer>
#include <QFileInfo>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <span>

#include "FileIo.h"
#include "FormatError.h"
#include "Messages.h"
#include "PngFile.h"

namespace velmora {

namespace {

QSize SizeOf(QCustomPlot* chart, int width, int height) {
  if (width <= 0) width = chart->width();
  if (height <= 0) height = chart->height();
  return {std::max(width, 16), std::max(height, 16)};
}

QByteArray Vector(QCustomPlot* chart, ChartPicture::Format format, QSize size) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QCPPainter painter;
  std::unique_ptr<QPaintDevice> device;
  if (format == ChartPicture::Format::Svg) {
    auto svg = std::make_unique<QSvgGenerator>();
    svg->setOutputDevice(&buffer);
    svg->setSize(size);
    svg->setViewBox(QRect(QPoint(0, 0), size));
    svg->setTitle(QStringLiteral("Chart"));
    device = std::move(svg);
  } else {
    auto pdf = std::make_unique<QPdfWriter>(&buffer);
    pdf->setResolution(72);
    QPageLayout layout(QPageSize(QSizeF(size), QPageSize::Point, QString(), QPageSize::ExactMatch),
                       QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
    layout.setMode(QPageLayout::FullPageMode);
    pdf->setPageLayout(layout);
    pdf->setCreator(QStringLiteral("Velmora-VA"));
    device = std::move(pdf);
  }
  if (!painter.begin(device.get())) return {};
  painter.setMode(QCPPainter::pmVectorized);
  chart->toPainter(&painter, size.width(), size.height());
  painter.end();
  device.reset();
  return bytes;
}

}  // namespace

std::optional<ChartPicture::Format> ChartPicture::FormatOf(const QString& fileName) {
  const QString ext = QFileInfo(fileName).suffix().toUpper();
  if (ext == QLatin1String("PNG")) return Format::Png;
  if (ext == QLatin1String("BMP")) return Format::Bmp;
  if (ext == QLatin1String("SVG")) return Format::Svg;
  if (ext == QLatin1String("PDF")) return Format::Pdf;
  return std::nullopt;
}

QString ChartPicture::Extension(Format format) {
  switch (format) {
    case Format::Png:
      return QStringLiteral(".png");
    case Format::Bmp:
      return QStringLiteral(".bmp");
    case Format::Svg:
      return QStringLiteral(".svg");
    case Format::Pdf:
      return QStringLiteral(".pdf");
  }
  return {};
}

QImage ChartPicture::Render(QCustomPlot* chart, int width, int height) {
  const QSize size = SizeOf(chart, width, height);
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QCPPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  chart->toPainter(&painter, size.width(), size.height());
  painter.end();
  return image;
}

QByteArray ChartPicture::Encode(QCustomPlot* chart, Format format, int width, int height) {
  const QSize size = SizeOf(chart, width, height);
  switch (format) {
    case Format::Png: {
      const QImage image = Render(chart, size.width(), size.height()).convertToFormat(QImage::Format_RGBA8888);
      const std::span<const std::uint8_t> pixels(image.constBits(), static_cast<std::size_t>(image.sizeInBytes()));
      const std::vector<std::uint8_t> png =
          PngFile::Encode(pixels, image.width(), image.height(), static_cast<std::size_t>(image.bytesPerLine()));
      return QByteArray(reinterpret_cast<const char*>(png.data()), static_cast<qsizetype>(png.size()));
    }
    case Format::Bmp: {
      QByteArray bytes;
      QBuffer buffer(&bytes);
      buffer.open(QIODevice::WriteOnly);
      Render(chart, size.width(), size.height()).convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP");
      return bytes;
    }
    case Format::Svg:
    case Format::Pdf:
      return Vector(chart, format, size);
  }
  return {};
}

void ChartPicture::Save(QCustomPlot* chart, const QString& fileName, Format format, int width, int height) {
  const QByteArray bytes = Encode(chart, format, width, height);
  if (bytes.isEmpty()) throw EFormatError(Message(msg::StreamWriteError));
  FileIo::writeAtomically(fileName.toStdString(),
                          std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                                        static_cast<std::size_t>(bytes.size())));
}

QMimeData* ChartPicture::MimeData(QCustomPlot* chart) {
  auto* data = new QMimeData;
  const QImage image = Render(chart);
  data->setImageData(image);
  data->setData(QStringLiteral("image/png"), Encode(chart, Format::Png));
  data->setData(QStringLiteral("image/svg+xml"), Encode(chart, Format::Svg));
  return data;
}

}  // namespace velmora
