#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QRadioButton;

namespace velmora {

// Asks under which name results go into the archive: a sample's name, or
// the name of a control solution (whose results feed its control chart).
class ArchiveEntryDialog : public QDialog {
  Q_OBJECT
 public:
  ArchiveEntryDialog(const QString& proposedSample, const std::vector<std::string>& controls,
                     QWidget* parent = nullptr);

  bool isControl() const;
  QString name() const;
  QRadioButton* sampleButton() const { return sample_; }
  QRadioButton* controlButton() const { return control_; }
  QComboBox* nameBox() const { return name_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void retranslateUi();
  void refillNames();
  void check();

  QString proposed_;
  std::vector<std::string> controls_;
  QRadioButton* sample_;
  QRadioButton* control_;
  QLabel* nameLabel_;
  QComboBox* name_;
  QDialogButtonBox* buttons_;
};

}  // namespace velmora
