#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <string>
#include <vector>

#include "TPageLayout.h"
#include "TPrintChart.h"
#include "TReportCharts.h"
#include "TReportDocument.h"

class QPrinter;

namespace velmora {

class TReportRec;

// The "Report" print-out: the report laid out as blocks and drawn with its
// charts on preview pages, a printer or a PDF file. The print window and
// the command line both print through it, so their pages agree.
class TReportPrinter {
 public:
  struct Settings {
    TPageSetup Page;  // margins and base font size (the page size comes from the device)
    QFont Font;
    TReportPrintOptions Print;
    TPrintChart::Options Chart;
    std::string Date;  // the printed report date
  };

  // The blocks (and chart list) of the report; the report's table is
  // rebuilt on the way.
  static TReportDocument Layout(TReportRec& report, const Settings& settings);

  // Preview images of pages of `pageSize` pixels at `dpi`.
  static std::vector<QImage> Preview(TReportRec& report, const Settings& settings, QSize pageSize, double dpi);
  // Prints on `printer`; the number of pages, 0 when nothing was printed.
  static int Print(TReportRec& report, const Settings& settings, QPrinter& printer);
  // Writes an A4 PDF at `dpi`: into a temporary file beside `file`, renamed
  // over it once complete. The number of pages; 0 (and no file) on failure.
  static int WritePdf(TReportRec& report, const Settings& settings, const QString& file, int dpi = 300);

  static std::string Translate(const char* text);
};

}  // namespace velmora
