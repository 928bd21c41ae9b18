#include "TReportRec.h"

#include <algorithm>

#include "ConcUnits.h"
#include "Message.h"
#include "Messages.h"
#include "NumberFormat.h"
#include "Numbers.h"
#include "PeakFormat.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

constexpr std::size_t kColumns = 7;

std::string Format(const std::string& templ, std::vector<std::string> args) { return Message::substitute(templ, args); }

// The decimals a printed number shows once its trailing zeros are dropped.
int SignificantDecimals(const std::string& printed) {
  const std::size_t dot = printed.find('.');
  if (dot == std::string::npos || printed.find_first_of("eE") != std::string::npos) return 0;
  std::size_t end = printed.size();
  while (end > dot + 1 && printed[end - 1] == '0') --end;
  return static_cast<int>(end - dot - 1);
}

std::shared_ptr<TVAStruct> DetachedCopy(const TVAStruct& curve) {
  std::shared_ptr<TVAStruct> copy(curve.FreeStandingCopy());
  copy->Detached = 1;
  return copy;
}

}  // namespace

const char* VerdictName(TReportVerdict verdict) {
  switch (verdict) {
    case TReportVerdict::Within:
      return "Within";
    case TReportVerdict::Exceeds:
      return "Exceeds";
    case TReportVerdict::BelowLimit:
      return "BelowLimit";
    case TReportVerdict::AboveMaximum:
      return "AboveMaximum";
    case TReportVerdict::NotFound:
      return "NotFound";
    case TReportVerdict::Incompatible:
      return "Incompatible";
    case TReportVerdict::CellUnknown:
      return "CellUnknown";
    case TReportVerdict::None:
      break;
  }
  return "None";
}

TReportRec::TReportRec() { Clear(); }

TReportRec::~TReportRec() = default;

std::string TReportRec::tr(const char* text) const { return Translate ? Translate(text) : std::string(text); }

std::string TReportRec::unitCaption(std::int32_t unit) const { return tr(ConcUnits::Caption(unit)); }

void TReportRec::changed() {
  if (OnChange) OnChange(*this);
}

void TReportRec::Clear() {
  Saved = false;
  UnitTop = UnitBottom = NativeUnitTop = NativeUnitBottom = -1;
  Elements.clear();
  Experiments.clear();  // the report's curve copies go with them
  changed();
}

void TReportRec::AddExperiment(const TExpRec& e) {
  std::size_t n = 1;
  if (Elements.empty()) {
    // A report of no elements starts over: earlier experiments gave no result.
    Experiments.clear();
    NativeUnitTop = e.ResUnitTop;
    NativeUnitBottom = e.ResUnitBottom;
    UnitTop = e.RecalcUnitTop;
    UnitBottom = e.RecalcUnitBottom;
  } else {
    n = Experiments.size() + 1;
    for (TReportElementRec& el : Elements) {
      el.Results.resize(n - 1, -1.0);
      el.CellValues.resize(n - 1, -1.0);
      el.Results.push_back(-1.0);
      el.CellValues.push_back(-1.0);
    }
  }
  TExpRec x;
  x.Name = e.Name;
  x.Comment = Format(tr(msg::ReportSample), {std::to_string(Experiments.size() + 1)});
  x.ResUnitTop = e.ResUnitTop;
  x.ResUnitBottom = e.ResUnitBottom;
  x.RecalcUnitTop = e.RecalcUnitTop;
  x.RecalcUnitBottom = e.RecalcUnitBottom;
  x.PeakCalcType = e.PeakCalcType;
  x.CalcMethod = e.CalcMethod;
  if (e.Vars.empty()) {
    x.AliquotVolume = e.AliquotVolume;
    x.CellVolume = e.CellVolume;
    x.DilutionFactor = e.DilutionFactor;
    x.SampleMass = e.SampleMass;
    x.PreparedVolume = e.PreparedVolume;
  } else {
    x.Vars = e.Vars;
    VariablesMode = true;
  }
  x.ElementResults = e.ElementResults;
  for (const auto& c : e.Curves)
    if (c) x.Curves.push_back(DetachedCopy(*c));
  if (e.CalcMethod == 5) {
    for (const TSingleCalibration& cal : e.Calibrations) {
      TSingleCalibration copy = cal;
      for (auto& c : copy.Curves)
        if (c) c = DetachedCopy(*c);
      x.Calibrations.push_back(std::move(copy));
    }
  }
  Experiments.push_back(std::move(x));
  n = Experiments.size();

  for (const TExpElementResult& r : e.ElementResults) {
    int index = FindElement(r.Name);
    if (index < 0) {
      TReportElementRec el;
      el.Name = r.Name;
      el.Results.assign(n, -1.0);
      el.CellValues.assign(n, -1.0);
      Elements.push_back(std::move(el));
      index = static_cast<int>(Elements.size()) - 1;
    }
    TReportElementRec& el = Elements[static_cast<std::size_t>(index)];
    if (r.SampleResult == -1.0) {
      el.Results[n - 1] = -1.0;
      el.CellValues[n - 1] = -1.0;
    } else {
      el.CellValues[n - 1] = r.CellResult;
      el.Results[n - 1] = ConcUnits::ToBaseUnits(e.RecalcUnitTop, e.RecalcUnitBottom, r.SampleResult);
    }
  }
  changed();
  Saved = false;
}

void TReportRec::SetUnitTop(int index) {
  UnitTop = ConcUnits::IsMass(UnitTop) ? index + ConcUnits::kFirstMass : index;
  changed();
  if (OnUnitsChange) OnUnitsChange(*this);
}

void TReportRec::SetUnitBottom(int index) {
  UnitBottom = ConcUnits::IsMass(UnitBottom) ? index + ConcUnits::kFirstMass : index;
  changed();
  if (OnUnitsChange) OnUnitsChange(*this);
}

void TReportRec::SetStatistics(const TMethodStat& record) {
  Statistics = record;
  changed();
}

void TReportRec::RemoveElement(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= Elements.size()) return;
  const std::string name = Elements[static_cast<std::size_t>(index)].Name;
  Elements.erase(Elements.begin() + index);
  changed();
  for (TExpRec& e : Experiments) {
    for (auto& c : e.Curves)
      if (c) c->DeletePeak(name);
  }
}

std::string TReportRec::GetComment(std::size_t experiment) const {
  return experiment < Experiments.size() ? Experiments[experiment].Comment : std::string();
}

void TReportRec::SetComment(std::size_t experiment, const std::string& text) {
  if (experiment < Experiments.size()) Experiments[experiment].Comment = text;
}

void TReportRec::SetNotes(std::size_t experiment, const std::vector<Message>& notes) {
  if (experiment >= Experiments.size()) return;
  std::vector<std::string>& out = Experiments[experiment].Notes;
  out.clear();
  for (const Message& m : notes) {
    if (out.size() >= kMaxNotes) break;
    std::string text = Message::substitute(tr(m.text), m.args);
    if (text.size() > kMaxNoteBytes) text.resize(kMaxNoteBytes);
    out.push_back(std::move(text));
  }
  changed();
}

std::string TReportRec::GetName(std::size_t experiment) const {
  return experiment < Experiments.size() ? Experiments[experiment].Name : std::string();
}

int TReportRec::FindElement(const std::string& name) const {
  for (std::size_t i = 0; i < Elements.size(); ++i)
    if (Elements[i].Name == name) return static_cast<int>(i);
  return -1;
}

std::vector<std::string> TReportRec::BuildHeaders() const {
  const std::string top = unitCaption(UnitTop);
  const std::string bottom = unitCaption(UnitBottom);
  // The spread reads in the results' units; only spreads of cell
  // concentrations keep the statistics record's.
  const bool inCell = HasStatistics() && Statistics.CellConc == 1;
  return {tr(msg::ReportElement),
          tr(msg::ReportComments),
          Format(tr(msg::ReportXi), {top, bottom}),
          Format(tr(msg::ReportXmed), {top, bottom}),
          Format(tr(msg::ReportR),
                 {inCell ? unitCaption(Statistics.ResTop) : top, inCell ? unitCaption(Statistics.ResBottom) : bottom}),
          tr(msg::ReportDeltaPercent),
          Format(tr(msg::ReportDeltaAbsolute), {top, bottom})};
}

std::vector<std::vector<std::string>> TReportRec::BuildTable() {
  std::vector<std::vector<std::string>> cols(kColumns);
  std::size_t row = 0;
  for (TReportElementRec& e : Elements) buildElementRows(e, row, cols);
  cols[6] = BuildErrorColumn();
  cols[6].resize(row);
  return cols;
}

void TReportRec::buildElementRows(TReportElementRec& e, std::size_t& row, std::vector<std::vector<std::string>>& cols) {
  const std::size_t n = e.Results.size();
  const std::size_t first = row;
  for (auto& c : cols) c.resize(row + n);
  e.Spread = -1.0;
  e.Verdict = TReportVerdict::None;
  if (n == 0) return;
  const bool hasCells = !e.CellValues.empty();
  double sum = 0.0, lo = 0.0, hi = 0.0, cellSum = 0.0, cellLo = 0.0, cellHi = 0.0;
  std::size_t valid = 0;
  for (std::size_t j = 0; j < n; ++j) {
    cols[0][row + j] = j == 0 ? e.Name : std::string();
    cols[1][row + j] = GetComment(j);
    const double v = ConcUnits::FromBaseUnits(UnitTop, UnitBottom, e.Results[j]);
    if (v == -1.0) {
      cols[2][row + j] = "-";
      continue;
    }
    cols[2][row + j] = FormatPeakValue(v);
    const double cell = j < e.CellValues.size() ? e.CellValues[j] : -1.0;
    if (valid == 0) {
      lo = hi = v;
      cellLo = cellHi = cell;
    }
    sum += v;
    lo = std::min(lo, v);
    hi = std::max(hi, v);
    if (hasCells) {
      cellSum += cell;
      cellLo = std::min(cellLo, cell);
      cellHi = std::max(cellHi, cell);
    }
    ++valid;
  }
  row += n;
  if (valid == 0) {
    e.Limit = -1.0;
    e.Mean = -1.0;
    cols[3][first] = cols[4][first] = cols[5][first] = "-";
    return;
  }
  e.Mean = sum / static_cast<double>(valid);
  e.CellMean = cellSum / static_cast<double>(valid);
  if (valid >= 2) e.Spread = hi - lo;
  cols[3][first] = FormatPeakValue(e.Mean);

  if (!HasStatistics()) {
    e.Limit = -1.0;
    cols[4][first] = valid < 2 ? std::string("-") : Format(tr(msg::ReportSpread), {FormatPeakValue(hi - lo)});
    cols[5][first] = std::to_string(e.Delta);
    return;
  }

  const std::int32_t sb = Statistics.ResBottom;
  const int mode = Statistics.CellConc;
  const bool comparable = (mode == 0 && sb >= 4 && UnitBottom >= 4) || (sb < 4 && UnitBottom < 4) ||
                          (mode == 1 && sb >= 4 && NativeUnitBottom >= 4) ||
                          (sb < 4 && NativeUnitBottom < 4 && hasCells);
  if (!comparable) {
    e.Limit = -1.0;
    const bool incompatible = hasCells || mode != 1;
    e.Verdict = incompatible ? TReportVerdict::Incompatible : TReportVerdict::CellUnknown;
    cols[4][first] = tr(incompatible ? msg::ReportIncompatible : msg::ReportCellUnknown);
    cols[5][first] = "-";
    return;
  }
  const double x = mode == 1 ? e.CellMean : ConcUnits::ToBaseUnits(UnitTop, UnitBottom, e.Mean);
  const TStatRange range = TMethodStat::FindRange(Statistics, e.Name, x);
  // Values read in the results' units (cell concentrations in the
  // statistics record's), as the column header says.
  const std::int32_t rt = mode == 1 ? Statistics.ResTop : UnitTop;
  const std::int32_t rb = mode == 1 ? Statistics.ResBottom : UnitBottom;
  e.Limit = -1.0;
  if (range.LowerBound == -1.0) {
    e.Verdict = TReportVerdict::NotFound;
    cols[4][first] = tr(msg::ReportElementNotFound);
  } else if (range.Reproducibility == -1.0) {
    const bool above = x >= range.LowerBound;
    const double limit = above ? range.UpperBound : range.LowerBound;
    e.Verdict = above ? TReportVerdict::AboveMaximum : TReportVerdict::BelowLimit;
    std::string text = Format(tr(above ? msg::ReportAboveMaximum : msg::ReportBelowLimit),
                              {FormatPeakValue(ConcUnits::FromBaseUnits(rt, rb, x)),
                               FormatPeakValue(ConcUnits::FromBaseUnits(rt, rb, limit))});
    if (mode == 1) text += tr(msg::ReportInCell);
    cols[4][first] = text;
  } else if (valid < 2) {
    cols[4][first] = "-";
  } else {
    e.Limit = valid == 2 ? range.Reproducibility : range.CriticalDifference;
    double spread = 0.0, allowed = 0.0, limitValue = 0.0;
    std::string head;
    if (mode == 1) {
      spread = ConcUnits::FromBaseUnits(rt, rb, cellHi - cellLo);
      allowed = e.Limit * e.CellMean;
      limitValue = ConcUnits::FromBaseUnits(rt, rb, e.Limit * e.CellMean);
      head = Format(tr(msg::ReportSpreadInCell), {FormatPeakValue(spread)});
      spread = cellHi - cellLo;
    } else {
      spread = hi - lo;
      allowed = e.Limit * e.Mean;
      limitValue = ConcUnits::FromBaseUnits(rt, rb, e.Limit * x);
      head = Format(
          tr(msg::ReportSpread),
          {FormatPeakValue(ConcUnits::FromBaseUnits(rt, rb, ConcUnits::ToBaseUnits(UnitTop, UnitBottom, spread)))});
    }
    e.Verdict = spread <= allowed ? TReportVerdict::Within : TReportVerdict::Exceeds;
    cols[4][first] =
        head + Format(tr(msg::ReportCompare), {spread <= allowed ? "<" : ">", FormatPeakValue(limitValue)});
  }
  e.Delta = range.Reproducibility != -1.0 ? range.Delta : 0;
  cols[5][first] = e.Delta == 0 ? std::string("-") : std::to_string(e.Delta);
  return;
}

std::vector<std::string> TReportRec::BuildErrorColumn() const {
  std::vector<std::string> out;
  for (const TReportElementRec& e : Elements) {
    const std::size_t first = out.size();
    out.resize(first + std::max<std::size_t>(e.Results.size(), 1));
    if (e.Mean > 0 && e.Delta >= 1) {
      const int decimals = SignificantDecimals(FormatPeakValue(e.Mean));
      out[first] = FormatFixed(e.Delta * e.Mean / 100.0, 5, decimals);
    } else {
      out[first] = "-";
    }
    if (e.Results.empty()) out.resize(first);
  }
  return out;
}

TTextTable TReportRec::BuildProperties() const {
  TTextTable t;
  std::vector<std::string> header{tr(msg::ReportProperty)};
  for (const TExpRec& e : Experiments) header.push_back(e.Comment);
  const std::size_t columns = header.size();
  t.Rows.push_back(std::move(header));
  auto addRow = [&](std::string caption, auto value) {
    std::vector<std::string> r(columns);
    r[0] = std::move(caption);
    for (std::size_t i = 0; i < Experiments.size(); ++i) r[i + 1] = value(Experiments[i]);
    t.Rows.push_back(std::move(r));
  };
  if (VariablesMode) {
    std::size_t m = 0;
    for (const TExpRec& e : Experiments) m = std::max(m, e.Vars.size());
    for (std::size_t k = 0; k < m; ++k) {
      std::string caption;
      for (const TExpRec& e : Experiments)
        if (k < e.Vars.size()) caption = e.Vars[k].Comment.empty() ? e.Vars[k].Name : e.Vars[k].Comment;
      addRow(caption, [k](const TExpRec& e) { return k < e.Vars.size() ? NumberFormat::Exact(e.Vars[k].Value) : ""; });
    }
    return t;
  }
  addRow(tr(msg::ReportAliquotVolume), [](const TExpRec& e) { return NumberFormat::Exact(e.AliquotVolume); });
  addRow(tr(msg::ReportCellVolume), [](const TExpRec& e) { return NumberFormat::Exact(e.CellVolume); });
  addRow(tr(msg::ReportDilutionFactor), [](const TExpRec& e) { return NumberFormat::Exact(e.DilutionFactor); });
  if (UnitBottom > 3) {
    addRow(tr(msg::ReportSampleMass), [](const TExpRec& e) { return NumberFormat::Exact(e.SampleMass); });
    addRow(tr(msg::ReportPreparedVolume), [](const TExpRec& e) { return NumberFormat::Exact(e.PreparedVolume); });
  }
  return t;
}

}  // namespace velmora
