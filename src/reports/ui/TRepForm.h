#pragma once

#include <QDialog>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "TPageLayout.h"
#include "TPrintChart.h"
#include "TSingleCalibration.h"
#include "UiTextBinder.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QFormLayout;
class QVBoxLayout;
class QCustomPlot;
class QFontComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QVBoxLayout;

namespace velmora {

class TCalibrationPrintCharts;
class TPrintOptionsBox;
class TReportCharts;
class TReportRec;

// The print window "Print": the printer with its properties, font, size
// and copies, the page margins ("Fields, mm"), what is printed ("Print
// out") and a page preview that is rebuilt on every change. OK prints and
// closes the window. Printing out "Current chart" puts the main chart, as
// it is shown, at the top of the page across the printable width.
class TRepForm : public QDialog {
  Q_OBJECT
 public:
  explicit TRepForm(QCustomPlot* chart, QWidget* parent = nullptr);
  ~TRepForm() override;

  // The print job's title ("Current chart": the main window's caption).
  void setJobTitle(const QString& title) { jobTitle_ = title; }

  // The entry of the printer list that writes a PDF file.
  static QString pdfPrinterName();
  // Selects a printer by name (the PDF entry included); false when unknown.
  bool selectPrinter(const QString& name);
  QString printerName() const;
  // Where the PDF entry writes; asked for on OK when empty.
  void setPdfFile(const QString& file) { pdfFile_ = file; }

  TPageSetup pageSetup() const;
  void setMargins(int top, int left, int bottom, int right);
  // The curve charts' "Scales" of every print-out: "Auto", or the axes
  // from the four texts (as the main window's scale fields hold them).
  void setScales(bool autoScale, const QString& xMin, const QString& xMax, const QString& yMin, const QString& yMax);
  void setFontSize(int points);

  // --- Preview ---
  int previewPageCount() const { return static_cast<int>(pages_.size()); }
  int shownPage() const { return shownPage_; }
  const QImage& previewPage(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
  void showPage(int index);
  void rebuildPreview();

  // Prints on the chosen printer (or into the PDF file); the number of
  // pages, 0 when nothing was printed.
  int print();

  // The document "Print out" lays out.
  TPrintDocument document() const;

  // --- "Report" print-out (TRepFormReport.cpp) ---
  // The current report (not owned); an empty report selects "Current chart".
  void setReport(TReportRec* report);
  bool reportChosen() const;
  void chooseReport(bool on);
  TPrintOptionsBox* reportOptions() const { return reportOptions_; }
  // Choosing "Report" while the current report is empty asks whether to
  // add the calculation window's content (Yes/No; tests replace it). Yes
  // emits addCalculationRequested() and closes the window; No goes back to
  // "Current chart".
  std::function<bool()> askAddCalculation;

  // --- "Calibration" ---
  // The calibrations of the calculation, printed with "Calibration"; the
  // curves they point to must outlive the window.
  void setCalibrations(std::vector<TSingleCalibration> calibrations);
  const std::vector<TSingleCalibration>& calibrations() const { return calibrations_; }
  void chooseCalibration();
  bool calibrationChosen() const;
  TPrintOptionsBox* options() const { return options_; }
  // "Black && White": black curves and series; a grey page of the main chart.
  bool blackAndWhite() const;
  void setBlackAndWhite(bool on);
  // The options of the curve and calibration charts of the chosen print-out.
  TPrintChart::Options chartOptions() const;
  TCalibrationPrintCharts& calibrationCharts() { return *calibrationCharts_; }

 signals:
  // "Help" with the window's help context.
  void helpRequested(int context);
  // The user wants the calculation added to the empty report and edited
  // on the calculation window's page "Report".
  void addCalculationRequested();

 public slots:
  void accept() override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void buildUi();
  void buildReportUi(QVBoxLayout* printOut, QVBoxLayout* column);
  TPrintDocument reportDocument() const;
  void reportClicked();
  void fillPrinters();
  void printerChosen();
  void showProperties();
  void drawChart(QPainter& painter, int chart, const QRect& target);
  QFont printFont() const;
  int fontSize() const;
  // The calibration controls and their page builder (TRepFormCalibration.cpp).
  void buildCalibrationControls(QVBoxLayout* printOut, QFormLayout* printer, QVBoxLayout* left,
                                QDialogButtonBox* buttons);
  TPrintDocument calibrationDocument() const;
  QString calibrationJobTitle() const;
  void printOutChanged();
  void applyBlackAndWhite(std::vector<QImage>& pages) const;

  UiTextBinder text_{"velmora::TRepForm"};
  QPointer<QCustomPlot> chart_;
  std::unique_ptr<QPrinter> printer_;
  QString jobTitle_;
  QString pdfFile_;
  QComboBox* printers_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* properties_ = nullptr;
  QFontComboBox* font_ = nullptr;
  QComboBox* size_ = nullptr;
  QSpinBox* copies_ = nullptr;
  QSpinBox* top_ = nullptr;
  QSpinBox* left_ = nullptr;
  QSpinBox* bottom_ = nullptr;
  QSpinBox* right_ = nullptr;
  QRadioButton* currentChart_ = nullptr;
  QLabel* preview_ = nullptr;
  QLabel* pageLabel_ = nullptr;
  QPushButton* prev_ = nullptr;
  QPushButton* next_ = nullptr;
  QRadioButton* reportOut_ = nullptr;
  TPrintOptionsBox* reportOptions_ = nullptr;
  TReportRec* report_ = nullptr;
  std::unique_ptr<TReportCharts> reportCharts_;
  std::vector<QImage> pages_;
  int shownPage_ = -1;
  bool building_ = false;
  QCheckBox* blackWhite_ = nullptr;
  QRadioButton* calibration_ = nullptr;
  TPrintOptionsBox* options_ = nullptr;
  std::vector<TSingleCalibration> calibrations_;
  std::unique_ptr<TCalibrationPrintCharts> calibrationCharts_;
};

}  // namespace velmora
