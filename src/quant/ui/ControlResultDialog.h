#pragma once

#include <QDialog>
#include <optional>

#include "ArchiveRow.h"

class QComboBox;
class QDateTimeEdit;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace velmora {

// "Add control result": a result of a control solution typed by hand (a
// measurement made elsewhere, or one to be charted beside the archived
// ones): control, element, value, unit, uncertainty, time and operator.
// Wrong numbers stay as typed and are framed in red; OK stays disabled
// until the entry is complete.
class ControlResultDialog : public QDialog {
  Q_OBJECT
 public:
  ControlResultDialog(const std::vector<std::string>& controls, const std::vector<std::string>& elements,
                      const std::string& operatorName, QWidget* parent = nullptr);

  // The row as entered; nothing while the entry is incomplete.
  std::optional<ArchiveRow> row() const;

  QComboBox* controlBox() const { return control_; }
  QComboBox* elementBox() const { return element_; }
  QLineEdit* valueEdit() const { return value_; }
  QComboBox* unitBox() const { return unit_; }
  QLineEdit* uncertaintyEdit() const { return uncertainty_; }
  QDateTimeEdit* timeEdit() const { return time_; }
  QDialogButtonBox* buttons() const { return buttons_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void retranslateUi();
  void check();

  QComboBox* control_;
  QComboBox* element_;
  QLineEdit* value_;
  QComboBox* unit_;
  QLineEdit* uncertainty_;
  QDateTimeEdit* time_;
  QLineEdit* operator_;
  QDialogButtonBox* buttons_;
  QList<QLabel*> labels_;
};

}  // namespace velmora
