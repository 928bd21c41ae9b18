#pragma once

#include <QAbstractTableModel>
#include <optional>
#include <vector>

#include "ArchiveRow.h"

namespace velmora {

// Archived results as the Results window lists them: one row per result,
// simulated ones in italics on a tinted ground with "simulated" in their
// own column. Sorting uses Qt::UserRole (numbers and times as numbers).
class ResultsTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column {
    Time,
    Sample,
    Control,
    Element,
    Value,
    Unit,
    Uncertainty,
    Lod,
    Method,
    Calibration,
    Operator,
    Workstation,
    Document,
    Simulated,
    ColumnCount
  };

  explicit ResultsTableModel(QObject* parent = nullptr);

  void setRows(std::vector<ArchiveRow> rows);
  const std::vector<ArchiveRow>& rows() const { return rows_; }
  const ArchiveRow& row(int index) const { return rows_[static_cast<std::size_t>(index)]; }
  // The name of a calculation method as the method list shows it.
  static QString methodName(const std::optional<std::int32_t>& method);
  void retranslate();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<ArchiveRow> rows_;
};

}  // namespace velmora
