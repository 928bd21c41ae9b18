#pragma once

#include <QWidget>

#include "ProgramTable.h"
#include "TVAProgramsArray.h"

class QLabel;
class QTableWidget;

namespace velmora {

// The "Program" window: every step of the program set in one table, ordered
// program by program or step index by step index (the right mouse button
// switches); a double click selects that step in the record-parameters
// window.
class TPar_Tbl : public QWidget {
  Q_OBJECT
 public:
  explicit TPar_Tbl(QWidget* parent = nullptr);

  void Fill(const TVAProgramsArray& programs);
  ProgramTable::Order order() const { return order_; }
  void setOrder(ProgramTable::Order order);
  QTableWidget* grid() const { return grid_; }
  // The program and step of a row (-1, -1 outside).
  std::pair<int, int> stepAt(int row) const;

 signals:
  void stepChosen(int program, int step);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void retranslateUi();
  void refill();

  QLabel* orderLabel_ = nullptr;
  QTableWidget* grid_ = nullptr;
  TVAProgramsArray programs_;
  std::vector<ProgramTable::Row> rows_;
  ProgramTable::Order order_ = ProgramTable::Order::ByPrograms;
};

}  // namespace velmora
