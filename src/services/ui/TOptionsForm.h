#pragma once

#include <QDialog>
#include <filesystem>

#include "Options.h"
#include "UiTextBinder.h"

class QLabel;
class QPushButton;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class IMessageSink;
class IOptionsDeviceHost;
class OptionsCalibrationPage;
class OptionsGeneralPage;
class OptionsImagesPage;
class OptionsPortsPage;

// The "Options" dialog: device settings and user preferences on four pages
// chosen from a tree. The preference pages edit a copy of the options that
// OK hands back (store); the device pages act on the analyzer at once.
class TOptionsForm : public QDialog {
  Q_OBJECT
 public:
  // Pages in tree order (also the node positions).
  enum Page { General, Ports, Calibration, Images, PageCount };
  // The help context of the first page.
  static constexpr int HelpContextBase = 21;

  // `host` may be null (no analyzer link: the device pages stay disabled).
  TOptionsForm(IOptionsDeviceHost* host, IMessageSink& sink, QWidget* parent = nullptr);
  ~TOptionsForm() override;

  // Fills the pages before the dialog is shown: the preferences from
  // `options`, the device pages from the analyzer link.
  void load(const Options& options, const std::filesystem::path& dataFolder);
  // Writes what OK applies into `options`: storage mode and folder, data
  // view, backup, updates, snapshots, method-save question, thumbnail
  // size, fields, margin and colours, main chart colours. Other keys stay.
  void store(Options& options) const;

  // 1 opens the dialog on "Ports" with the page tree disabled (the
  // measurement wizard's "Setup connection"); 0 is the normal dialog.
  void setTag(int tag);
  int tag() const { return tag_; }

  void selectPage(Page page);
  Page currentPage() const;
  QString pageTitle() const;
  int helpContext() const { return HelpContextBase + static_cast<int>(currentPage()); }
  // "Reset": the defaults of the selected page only.
  void resetPage();

  QTreeWidget* pageTree() const { return tree_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }
  QPushButton* resetButton() const { return reset_; }
  QPushButton* helpButton() const { return help_; }
  OptionsGeneralPage& generalPage() const { return *general_; }
  OptionsPortsPage& portsPage() const { return *ports_; }
  OptionsCalibrationPage& calibrationPage() const { return *calibration_; }
  OptionsImagesPage& imagesPage() const { return *images_; }

 public slots:
  // OK: refuses a central database without an existing folder.
  void accept() override;

 signals:
  // "Help" with the selected page's context number.
  void helpRequested(int context);

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void onCurrentItem(QTreeWidgetItem* item);
  void showHelp();
  void retranslate();
  void fitTree();
  QTreeWidgetItem* item(Page page) const;

  IOptionsDeviceHost* host_;
  IMessageSink& sink_;
  UiTextBinder text_{"TOptionsForm"};
  Options loaded_;
  int tag_ = 0;
  QTreeWidget* tree_ = nullptr;
  QLabel* title_ = nullptr;
  QStackedWidget* stack_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* reset_ = nullptr;
  QPushButton* help_ = nullptr;
  OptionsGeneralPage* general_ = nullptr;
  OptionsPortsPage* ports_ = nullptr;
  OptionsCalibrationPage* calibration_ = nullptr;
  OptionsImagesPage* images_ = nullptr;
};

}  // namespace velmora
