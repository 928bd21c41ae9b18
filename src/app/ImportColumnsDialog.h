#pragma once

#include <QDialog>
#include <optional>
#include <utility>

#include "InstrumentTextImport.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace velmora {

// The small preview of "Data import" for tables with more than two
// columns: the first rows, the potential and current columns to take and
// the unit conversion that will be applied.
class ImportColumnsDialog : public QDialog {
  Q_OBJECT
 public:
  ImportColumnsDialog(const InstrumentTextImport::Table& table, const QString& fileName, QWidget* parent = nullptr);

  std::pair<std::size_t, std::size_t> columns() const;
  void setColumns(std::size_t x, std::size_t y);
  QString conversionText() const;
  QTableWidget* previewTable() const { return preview_; }

  // Shows the dialog; nothing when cancelled.
  static std::optional<std::pair<std::size_t, std::size_t>> choose(QWidget* parent,
                                                                   const InstrumentTextImport::Table& table,
                                                                   const QString& fileName);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void retranslateUi();
  void updateConversion();
  QString describe(std::size_t column, bool potential) const;

  const InstrumentTextImport::Table& table_;
  QTableWidget* preview_ = nullptr;
  QComboBox* xColumn_ = nullptr;
  QComboBox* yColumn_ = nullptr;
  QLabel* conversion_ = nullptr;
  QString fileName_;
  QLabel* intro_ = nullptr;
  QLabel* xLabel_ = nullptr;
  QLabel* yLabel_ = nullptr;
};

}  // namespace velmora
