#include "TReportPrinter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <span>

#include "FileIo.h"
#include "FormatError.h"
#include "TPrintRenderer.h"
#include "TReportRec.h"

namespace velmora {

std::string TReportPrinter::Translate(const char* text) {
  return QCoreApplication::translate("Messages", text).toStdString();
}

TReportDocument TReportPrinter::Layout(TReportRec& report, const Settings& settings) {
  if (!report.Translate) report.Translate = &TReportPrinter::Translate;
  return TReportDocument::Build(report, settings.Print, settings.Date, &TReportPrinter::Translate);
}

std::vector<QImage> TReportPrinter::Preview(TReportRec& report, const Settings& settings, QSize pageSize, double dpi) {
  const TReportDocument doc = Layout(report, settings);
  TReportCharts charts;
  charts.setReport(&report, doc.Charts, settings.Chart);
  TPageSetup setup = settings.Page;
  setup.PageWidth = pageSize.width();
  setup.PageHeight = pageSize.height();
  setup.Dpi = dpi;
  return TPrintRenderer::Preview(doc.Blocks, setup, settings.Font,
                                 [&charts](QPainter& p, int chart, const QRect& r) { charts.draw(p, chart, r); });
}

int TReportPrinter::Print(TReportRec& report, const Settings& settings, QPrinter& printer) {
  const TReportDocument doc = Layout(report, settings);
  if (doc.Blocks.empty()) return 0;
  TReportCharts charts;
  charts.setReport(&report, doc.Charts, settings.Chart);
  const TPageSetup setup = TPrintRenderer::PrinterSetup(printer, settings.Page);
  return TPrintRenderer::Print(printer, doc.Blocks, setup, settings.Font,
                               [&charts](QPainter& p, int chart, const QRect& r) { charts.draw(p, chart, r); });
}

int TReportPrinter::WritePdf(TReportRec& report, const Settings& settings, const QString& file, int dpi) {
  const TReportDocument doc = Layout(report, settings);
  if (doc.Blocks.empty()) return 0;
  TReportCharts charts;
  charts.setReport(&report, doc.Charts, settings.Chart);
  // The PDF is made in memory and saved as a whole, beside its place first
  // and only then put there, under a temporary name that fits any file name.
  QByteArray pdf;
  int pages = 0;
  {
    QBuffer out(&pdf);
    out.open(QIODevice::WriteOnly);
    QPdfWriter writer(&out);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(dpi);
    writer.setCreator(QStringLiteral("Velmora-VA"));
    writer.setTitle(QString::fromStdString(report.Title));
    QPainter painter;
    if (!painter.begin(&writer)) return 0;
    painter.setRenderHint(QPainter::Antialiasing, true);
    TPageSetup setup = settings.Page;
    setup.PageWidth = writer.width();
    setup.PageHeight = writer.height();
    setup.Dpi = dpi;
    TPainterPageCanvas canvas(painter, writer, settings.Font, dpi);
    canvas.setChartDrawer([&charts](QPainter& p, int chart, const QRect& r) { charts.draw(p, chart, r); });
    TPageLayout layout(canvas, setup);
    pages = layout.Render(doc.Blocks);
    painter.end();
  }
  try {
    FileIo::writeAtomically(
        QFile::encodeName(file).toStdString(),
        std::span(reinterpret_cast<const std::uint8_t*>(pdf.constData()), static_cast<std::size_t>(pdf.size())));
  } catch (const EFormatError&) {
    return 0;
  }
  return pages;
}

}  // namespace velmora
