#include <qcustomplot.h>

#include <QApplication>
#include <exception>
#include <filesystem>
#include <ostream>

#include "ChartPicture.h"
#include "ChartWorkbook.h"
#include "CliCommands.h"
#include "CliDocument.h"
#include "CurveChart.h"
#include "CurveSeries.h"
#include "CurveTextExport.h"
#include "GuiApplication.h"
#include "JsonWriter.h"
#include "Numbers.h"
#include "TArrayDataStruct.h"
#include "TNodeForest.h"

namespace velmora {

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage = "export IN --format txt|png|svg|pdf|xlsx|bmp -o OUT [--width W --height H]";

TNodesArr RootNodes(const TNodeForest& forest) {
  TNodesArr roots;
  for (TNode* n = forest.FirstRoot(); n != nullptr; n = n->NextSibling) roots.push_back(n);
  return roots;
}

int Usage(std::ostream& err, const std::string& what) {
  err << "velmora-cli export: " << what << "; usage: " << kUsage << "\n";
  return 2;
}

int RunExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string in, format, output;
  int width = 800, height = 600;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto next = [&](std::string& into) {
      if (i + 1 >= args.size()) return false;
      into = args[++i];
      return true;
    };
    std::string value;
    if (a == "--format") {
      if (!next(format)) return Usage(err, "--format needs a value");
    } else if (a == "-o" || a == "--output") {
      if (!next(output)) return Usage(err, "-o needs a value");
    } else if (a == "--width" || a == "--height") {
      if (!next(value)) return Usage(err, a + " needs a value");
      const auto n = ParseInteger(value);
      if (!n || *n < 16 || *n > 20000) return Usage(err, a + " must be a whole number from 16 to 20000");
      (a == "--width" ? width : height) = static_cast<int>(*n);
    } else if (a.rfind("--", 0) == 0 || !in.empty()) {
      return Usage(err, "unexpected argument '" + a + "'");
    } else {
      in = a;
    }
  }
  if (in.empty() || output.empty() || format.empty()) return Usage(err, "IN, --format and -o are needed");
  if (format != "txt" && format != "png" && format != "svg" && format != "pdf" && format != "xlsx" && format != "bmp")
    return Usage(err, "unknown format '" + format + "'");

  CliDocument::UsePeakValues();
  TNodeForest forest;
  try {
    CliDocument::Load(forest, in);
  } catch (const std::exception& e) {
    err << e.what() << "\n";
    return 1;
  }
  const TNodesArr roots = RootNodes(forest);
  JsonWriter json;
  json.beginObject().field("Input", in).field("Format", format).field("Output", output);
  try {
    if (format == "txt" || format == "xlsx") {
      // The curves the main chart shows for the root nodes, without Qt's drawing.
      std::vector<CurveTextExport::Curve> curves;
      std::vector<ChartWorkbook::Series> series;
      for (const TTableContent& row : CurveSeries::Rows(roots)) {
        const std::string name = row.Curve->Node ? row.Curve->Node->Name : std::string();
        if (format == "txt") {
          curves.push_back({name, row.Curve->DisplayData()});
        } else {
          std::string title = name;
          std::erase(title, '^');
          series.push_back({title, row.Curve->DisplayData()});
        }
      }
      if (format == "txt") {
        std::error_code ec;
        fs::create_directories(output, ec);
        if (!fs::is_directory(output, ec)) {
          err << "velmora-cli export: cannot create the folder " << output << "\n";
          return 1;
        }
        const auto files = CurveTextExport::ExportCurves(output, curves);
        json.key("Files").beginArray();
        for (const fs::path& f : files) json.value(f.string());
        json.endArray();
      } else {
        ChartWorkbook::Write(output, fs::path(in).filename().string(), series);
        json.field("SeriesCount", static_cast<int>(series.size()));
      }
    } else {
      EnsureGuiApplication();
      const auto chart = CurveChart::Build(roots, QSize(width, height));
      const auto pictureFormat = format == "png"   ? ChartPicture::Format::Png
                                 : format == "svg" ? ChartPicture::Format::Svg
                                 : format == "bmp" ? ChartPicture::Format::Bmp
                                                   : ChartPicture::Format::Pdf;
      ChartPicture::Save(chart.get(), QString::fromStdString(output), pictureFormat, width, height);
      json.field("Width", width).field("Height", height).field("SeriesCount", chart->plottableCount());
    }
  } catch (const std::exception& e) {
    err << e.what() << "\n";
    return 1;
  }
  json.endObject();
  out << json.str() << "\n";
  return 0;
}

}  // namespace

CliCommand ExportCommand() {
  return {"export", kUsage,
          "Loads IN and exports the curves of its root nodes as the main window does: text files into the folder "
          "OUT, a picture of the chart, or a workbook with a chart.",
          RunExport};
}

}  // namespace velmora
