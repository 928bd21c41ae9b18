#include "TReportDocument.h"

#include "DataTable.h"
#include "Message.h"
#include "Messages.h"
#include "PeakFormat.h"
#include "TReportRec.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

std::string BaseName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

TTextTable TReportDocument::ResultsTable(TReportRec& report) {
  TTextTable t;
  const std::vector<std::string> headers = report.BuildHeaders();
  const std::vector<std::vector<std::string>> columns = report.BuildTable();
  t.Rows.push_back(headers);
  const std::size_t rows = columns.empty() ? 0 : columns.front().size();
  for (std::size_t r = 0; r < rows; ++r) {
    std::vector<std::string> row;
    for (const auto& c : columns) row.push_back(r < c.size() ? c[r] : std::string());
    t.Rows.push_back(std::move(row));
  }
  return t;
}

std::vector<std::string> TReportDocument::NoteLines(const TTranslate& translate) {
  auto tr = [&](const char* s) { return translate ? translate(s) : std::string(s); };
  return {tr(msg::ReportNote1), tr(msg::ReportNote2), tr(msg::ReportNote3),
          tr(msg::ReportNote4), tr(msg::ReportNote5), tr(msg::ReportNote6)};
}

TReportDocument TReportDocument::Build(TReportRec& report, const TReportPrintOptions& o, const std::string& date,
                                       const TTranslate& translate) {
  TReportDocument doc;
  if (report.Empty()) return doc;
  auto tr = [&](const char* s) { return translate ? translate(s) : std::string(s); };
  auto format = [&](const char* templ, std::vector<std::string> args) { return Message::substitute(tr(templ), args); };
  TPrintDocument& b = doc.Blocks;
  b.push_back(TPrintBlock::Heading(report.Title, true));
  b.push_back(TPrintBlock::TextLine(format(msg::ReportDate, {date}), 0, true));

  if (o.RecordParameters || o.Diagram || o.InitialDataTable || o.CalculationChart) {
    for (std::size_t i = 0; i < report.Experiments.size(); ++i) {
      TExpRec& e = report.Experiments[i];
      b.push_back(TPrintBlock::Heading(e.Comment, true));
      b.push_back(TPrintBlock::TextLine(format(msg::ReportFileName, {BaseName(e.Name)}), 0, true));
      if (o.RecordParameters && !e.Curves.empty() && e.Curves.front()) {
        b.push_back(TPrintBlock::Heading(tr(msg::ReportRecordParameters)));
        TTextTable t;
        for (const TPropertyRow& row : e.Curves.front()->PropertyRows()) {
          t.Rows.push_back({Message::substitute(tr(row.Property.text), row.Property.args),
                            Message::substitute(tr(row.Value.text), row.Value.args)});
        }
        b.push_back(TPrintBlock::TableOf(std::move(t)));
      }
      if (o.Diagram && !e.Curves.empty()) {
        doc.Charts.push_back({TReportChartRef::Kind::Curves, i});
        b.push_back(TPrintBlock::ChartOf(static_cast<int>(doc.Charts.size()), o.DiagramMm));
      }
      if (o.InitialDataTable && !e.Curves.empty()) {
        b.push_back(TPrintBlock::Heading(tr(msg::ReportDataTable)));
        std::vector<TDataTableCurve> curves;
        for (const auto& c : e.Curves) {
          if (!c) continue;
          TDataTableCurve dc;
          dc.DatabaseName = c->DatabaseName;
          dc.Comment = c->Params.Comments();
          dc.TypeName = tr(TVAStruct::MeasurementTypeCaption(c->Params.MeasurementType()));
          dc.Points = &c->Data;
          dc.Peaks = &c->GetPeaks();
          curves.push_back(dc);
        }
        TDataTableOptions dto;
        dto.DatabaseNumbers = o.DatabaseNumbers;
        dto.Comments = o.Comments;
        dto.MeasurementType = o.MeasurementType;
        dto.CalcType = e.PeakCalcType;
        dto.DatabaseCaption = tr(msg::ReportDatabaseNo);
        dto.CommentsCaption = tr(msg::ReportComments);
        dto.TypeCaption = tr(msg::ReportMeasurementType);
        const char* unit = CalcTypeUnit(e.PeakCalcType);
        dto.UnitWord = unit ? tr(unit) : std::string();
        b.push_back(TPrintBlock::TableOf(BuildDataTable(curves, dto)));
      }
      if (o.CalculationChart && !e.Curves.empty()) {
        doc.Charts.push_back({TReportChartRef::Kind::Calculation, i});
        b.push_back(TPrintBlock::CalcChartOf(tr(msg::ReportCalculationChart), static_cast<int>(doc.Charts.size()),
                                             o.CalculationChartMm));
      }
    }
  }
  if (o.ResultCalculationData) {
    b.push_back(TPrintBlock::Heading(tr(msg::ReportCalculationsTable)));
    b.push_back(TPrintBlock::TableOf(report.BuildProperties()));
  }
  if (o.ResultsTable) {
    b.push_back(TPrintBlock::Heading(tr(msg::ReportResultsTable)));
    b.push_back(TPrintBlock::TableOf(ResultsTable(report)));
    if (o.Notes) {
      // The fixed notes, then each experiment's own (the wizard's checks).
      std::vector<std::string> lines = NoteLines(translate);
      for (const TExpRec& e : report.Experiments)
        for (const std::string& note : e.Notes) lines.push_back(e.Comment.empty() ? note : e.Comment + ": " + note);
      b.push_back(TPrintBlock::NotesOf(tr(msg::ReportNotes), std::move(lines)));
    }
  }
  return doc;
}

}  // namespace velmora
