#include "ResultsTableModel.h"

#include <QBrush>
#include <QCoreApplication>
#include <QDateTime>
#include <QFont>

#include "ArchiveTime.h"
#include "CalcMethods.h"
#include "PeakFormat.h"
#include "UiText.h"

namespace velmora {

namespace {

constexpr const char* kHeaders[ResultsTableModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("velmora::ResultsTableModel", "Time"),
    QT_TRANSLATE_NOOP("velmora::ResultsTableModel", "Sample"),
    QT_TRANSLATE_NOOP("velmora::ResultsTableModel", "Control"),
    QT_TRANSLATE_NOOP("velmora::ResultsTableModel", "Element"),
    QT_TRANSLATE_NOOP("velmora::ResultsTableModel", "Value"),
    QT_TRANSLATE_NOOP("velmora::ResultsTableModel", "Unit"),
    QT_TRANSLATE_NOOP("velmora::ResultsTableModel", "U (k = 2)"),
    QT_TRANSLATE_NOOP("velmora::ResultsTableModel", "LOD"),
    QT_TRANSLATE_NOOP("velmora::ResultsTableModel", "Method"),
    QT_TRANSLATE_NOOP("velmora::ResultsTableModel", "Calibration"),
    QT_TRANSLATE_NOOP("velmora::ResultsTableModel", "Operator"),
    QT_TRANSLATE_NOOP("velmora::ResultsTableModel", "Workstation"),
    QT_TRANSLATE_NOOP("velmora::ResultsTableModel", "Document"),
    QT_TRANSLATE_NOOP("velmora::ResultsTableModel", "Simulated"),
};

QString Number(double v) { return UiText::fromStd(FormatPeakValue(v)); }

}  // namespace

ResultsTableModel::ResultsTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void ResultsTableModel::setRows(std::vector<ArchiveRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

void ResultsTableModel::retranslate() {
  emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
  if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

QString ResultsTableModel::methodName(const std::optional<std::int32_t>& method) {
  if (!method) return tr("typed in");
  if (const char* name = CalcMethods::Name(*method)) return QCoreApplication::translate("Messages", name);
  return tr("Custom method %1").arg(*method - CalcMethods::kFirstCustom + 1);
}

int ResultsTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ResultsTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant ResultsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) return {};
  if (role == Qt::DisplayRole) return tr(kHeaders[section]);
  if (role == Qt::ToolTipRole && section == Uncertainty) return tr("Expanded uncertainty, coverage factor 2");
  if (role == Qt::ToolTipRole && section == Lod) return tr("Limit of detection");
  return {};
}

QVariant ResultsTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const ArchiveRow& r = row(index.row());
  const int column = index.column();
  if (role == Qt::FontRole && r.Simulated) {
    QFont font;
    font.setItalic(true);
    return font;
  }
  if (role == Qt::BackgroundRole && r.Simulated) return QBrush(QColor(243, 232, 247));
  if (role == Qt::ForegroundRole && r.Simulated && column == Simulated) return QBrush(QColor(130, 40, 150));
  if (role == Qt::TextAlignmentRole && (column == Value || column == Uncertainty || column == Lod))
    return QVariant(Qt::AlignRight | Qt::AlignVCenter);
  if (role == Qt::ToolTipRole) {
    if (column == Time) return UiText::fromStd(ArchiveTime::Format(r.TimeMs));
    if (column == Document && !r.DocumentSha256.empty())
      return tr("%1\nSHA-256 %2\nCurves: %3")
          .arg(UiText::fromStd(r.Document), UiText::fromStd(r.DocumentSha256), UiText::fromStd(r.Curves));
    if (r.Simulated) return tr("Computed from curves of the analyzer emulator: simulated, not measured");
    return {};
  }
  if (role == Qt::UserRole) {
    switch (column) {
      case Time:
        return QVariant::fromValue<qlonglong>(r.TimeMs);
      case Value:
        return r.Value;
      case Uncertainty:
        return r.Uncertainty ? *r.Uncertainty : -1.0;
      case Lod:
        return r.Lod ? *r.Lod : -1.0;
      case Method:
        return r.Method ? *r.Method : -1;
      default:
        break;
    }
    role = Qt::DisplayRole;
  }
  if (role != Qt::DisplayRole) return {};
  switch (column) {
    case Time:
      return QDateTime::fromMSecsSinceEpoch(r.TimeMs).toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case Sample:
      return UiText::fromStd(r.Sample);
    case Control:
      return UiText::fromStd(r.Control);
    case Element:
      return UiText::fromStd(r.Element);
    case Value:
      return Number(r.Value);
    case Unit:
      return UiText::fromStd(r.Unit);
    case Uncertainty:
      return r.Uncertainty ? Number(*r.Uncertainty) : QString();
    case Lod:
      return r.Lod ? Number(*r.Lod) : QString();
    case Method:
      return methodName(r.Method);
    case Calibration:
      return UiText::fromStd(r.Calibration);
    case Operator:
      return UiText::fromStd(r.Operator);
    case Workstation:
      return UiText::fromStd(r.Workstation);
    case Document:
      return UiText::fromStd(r.Document);
    case Simulated:
      return r.Simulated ? tr("simulated") : QString();
    default:
      return {};
  }
}

}  // namespace velmora
