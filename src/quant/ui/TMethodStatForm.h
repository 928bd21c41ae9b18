#pragma once

#include <QDialog>

#include <vector>

#include "Message.h"
#include "TMethodStat.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTableWidget;
class QToolButton;
class QPushButton;

namespace velmora {

class IMessageSink;
class TStatDB;

// The "Statistics" window: the list of all statistics records (library
// methods first, then the user's own), and the editor of a working copy of
// one record: its name, the units of the range bounds, the cell or sample
// concentration switch, the elements and their ranges. "Save" stores the
// working copy under a new name; "Remove" deletes the selected record;
// "Update methods stat" writes it into the library methods that use the
// selected record's name.
class TMethodStatForm : public QDialog {
  Q_OBJECT
 public:
  TMethodStatForm(TStatDB& db, IMessageSink& sink, QWidget* parent = nullptr);

  // Refills "Methods" with every record's name; nothing stays selected and
  // a new empty record is edited.
  void RefillMethods();
  // Loads a record of the database into the working copy.
  void LoadRecord(int index);
  void NewExecute();
  void SaveExecute();
  void RemoveExecute();
  void UpdateMethodsExecute();
  void NewElementExecute(const QString& name);
  void RemoveElementExecute();
  void NewRangeExecute();
  void RemoveRangeExecute();
  // Re-reads every data row of the grid into the selected element.
  void ReadGrid();

  const TMethodStat& working() const { return working_; }
  // For the tests and the screenshots.
  QListWidget* methodList() const { return methods_; }
  QListWidget* elementList() const { return elements_; }
  QTableWidget* grid() const { return grid_; }
  QLineEdit* nameEdit() const { return name_; }
  QComboBox* topUnits() const { return top_; }
  QComboBox* bottomUnits() const { return bottom_; }
  QCheckBox* cellConcBox() const { return cellConc_; }
  QToolButton* updateMethodsButton() const { return update_; }
  // A cell of the grid that holds no positive value (framed in red).
  static bool CellMarked(const QString& text, int column);
  // The leading whole number of a text, 0 when it has none.
  static int LeadingInteger(const QString& text);

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void retranslateUi();
  void showWorking();
  void fillElements(int keep);
  void fillGrid();
  void refreshHeaders();
  int selectedElement() const;
  void reportProblems(const std::vector<Message>& problems);

  TStatDB& db_;
  IMessageSink& sink_;
  TMethodStat working_;
  bool filling_ = false;

  QLabel* methodsLabel_ = nullptr;
  QListWidget* methods_ = nullptr;
  QToolButton* new_ = nullptr;
  QToolButton* save_ = nullptr;
  QToolButton* remove_ = nullptr;
  QToolButton* update_ = nullptr;
  QLabel* nameLabel_ = nullptr;
  QLineEdit* name_ = nullptr;
  QGroupBox* representation_ = nullptr;
  QComboBox* top_ = nullptr;
  QComboBox* bottom_ = nullptr;
  QCheckBox* cellConc_ = nullptr;
  QLabel* elementsLabel_ = nullptr;
  QListWidget* elements_ = nullptr;
  QPushButton* newElement_ = nullptr;
  QPushButton* removeElement_ = nullptr;
  QLabel* gridLabel_ = nullptr;
  QTableWidget* grid_ = nullptr;
  QPushButton* newRange_ = nullptr;
  QPushButton* removeRange_ = nullptr;
};

}  // namespace velmora
