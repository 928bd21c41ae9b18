#include "TRepForm.h"

#include <qcustomplot.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "TCalibrationPrintCharts.h"
#include "TPrintOptionsBox.h"
#include "TPrintRenderer.h"
#include "TReportCharts.h"
#include "TReportRec.h"

namespace velmora {

namespace {

constexpr int kCurrentChart = 0;  // the chart number of the main chart in the document

QSpinBox* spin(int lo, int hi, int value, const char* name) {
  auto* s = new QSpinBox;
  s->setRange(lo, hi);
  s->setValue(value);
  s->setObjectName(QString::fromLatin1(name));
  return s;
}

}  // namespace

TRepForm::TRepForm(QCustomPlot* chart, QWidget* parent)
    : QDialog(parent), chart_(chart), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  setObjectName(QStringLiteral("RepForm"));
  text_.bind(static_cast<QWidget*>(this), QT_TR_NOOP("Print"));
  setModal(true);
  buildUi();
  fillPrinters();
  printerChosen();
}

TRepForm::~TRepForm() = default;

QString TRepForm::pdfPrinterName() { return tr("PDF file"); }

void TRepForm::buildUi() {
  auto* printerBox = text_.bind(new QGroupBox, QT_TR_NOOP("Printer"));
  auto* pf = new QFormLayout(printerBox);
  printers_ = new QComboBox;
  printers_->setObjectName(QStringLiteral("PrinterName"));
  pf->addRow(text_.bind(new QLabel, QT_TR_NOOP("Name:")), printers_);
  status_ = new QLabel;
  status_->setObjectName(QStringLiteral("PrinterStatus"));
  pf->addRow(text_.bind(new QLabel, QT_TR_NOOP("Status:")), status_);
  properties_ = text_.bind(new QPushButton, QT_TR_NOOP("Properties"));
  properties_->setObjectName(QStringLiteral("PrinterProperties"));
  pf->addRow(QString(), properties_);
  font_ = new QFontComboBox;
  font_->setObjectName(QStringLiteral("PrintFont"));
  font_->setCurrentFont(QFont());  // the default font, as a new print job has it
  pf->addRow(text_.bind(new QLabel, QT_TR_NOOP("Font:")), font_);
  size_ = new QComboBox;
  size_->setObjectName(QStringLiteral("PrintFontSize"));
  size_->setEditable(true);
  for (int s = 6; s <= 18; ++s) size_->addItem(QString::number(s));
  size_->setCurrentText(QStringLiteral("8"));
  pf->addRow(text_.bind(new QLabel, QT_TR_NOOP("Size:")), size_);
  copies_ = spin(1, 200, 1, "Copies");
  pf->addRow(text_.bind(new QLabel, QT_TR_NOOP("Number of copies")), copies_);

  auto* fields = text_.bind(new QGroupBox, QT_TR_NOOP("Fields, mm"));
  auto* ff = new QFormLayout(fields);
  top_ = spin(1, 100, 20, "FieldTop");
  left_ = spin(1, 100, 30, "FieldLeft");
  bottom_ = spin(1, 100, 20, "FieldBottom");
  right_ = spin(1, 100, 15, "FieldRight");
  ff->addRow(text_.bind(new QLabel, QT_TR_NOOP("Top:")), top_);
  ff->addRow(text_.bind(new QLabel, QT_TR_NOOP("Left:")), left_);
  ff->addRow(text_.bind(new QLabel, QT_TR_NOOP("Bottom:")), bottom_);
  ff->addRow(text_.bind(new QLabel, QT_TR_NOOP("Right:")), right_);

  auto* out = text_.bind(new QGroupBox, QT_TR_NOOP("Print out"));
  auto* ol = new QVBoxLayout(out);
  currentChart_ = text_.bind(new QRadioButton, QT_TR_NOOP("Current chart"));
  currentChart_->setObjectName(QStringLiteral("PrintCurrentChart"));
  currentChart_->setChecked(true);
  ol->addWidget(currentChart_);
  connect(currentChart_, &QRadioButton::toggled, this, &TRepForm::printOutChanged);

  auto* left = new QVBoxLayout;
  left->addWidget(printerBox);
  left->addWidget(fields);
  left->addWidget(out);
  buildReportUi(ol, left);
  left->addStretch(1);

  auto* previewBox = text_.bind(new QGroupBox, QT_TR_NOOP("Preview"));
  auto* pl = new QVBoxLayout(previewBox);
  preview_ = new QLabel;
  preview_->setObjectName(QStringLiteral("PreviewImage"));
  preview_->setAlignment(Qt::AlignCenter);
  preview_->setMinimumSize(300, 400);
  preview_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  preview_->setStyleSheet(QStringLiteral("QLabel { background: #8a929c; }"));
  preview_->installEventFilter(this);
  pl->addWidget(preview_, 1);
  auto* nav = new QHBoxLayout;
  prev_ = new QPushButton(QStringLiteral("<"));
  next_ = new QPushButton(QStringLiteral(">"));
  prev_->setObjectName(QStringLiteral("PreviewPrev"));
  next_->setObjectName(QStringLiteral("PreviewNext"));
  pageLabel_ = new QLabel;
  pageLabel_->setAlignment(Qt::AlignCenter);
  nav->addWidget(prev_);
  nav->addWidget(pageLabel_, 1);
  nav->addWidget(next_);
  pl->addLayout(nav);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &TRepForm::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &TRepForm::reject);
  buildCalibrationControls(ol, pf, left, buttons);

  auto* body = new QHBoxLayout;
  body->addLayout(left);
  body->addWidget(previewBox, 1);
  auto* main = new QVBoxLayout(this);
  main->addLayout(body, 1);
  main->addWidget(buttons);
  resize(900, 640);

  connect(printers_, &QComboBox::currentIndexChanged, this, [this] {
    if (!building_) printerChosen();
  });
  connect(properties_, &QPushButton::clicked, this, &TRepForm::showProperties);
  connect(font_, &QFontComboBox::currentFontChanged, this, &TRepForm::rebuildPreview);
  connect(size_, &QComboBox::currentTextChanged, this, &TRepForm::rebuildPreview);
  for (QSpinBox* s : {top_, left_, bottom_, right_}) {
    connect(s, &QSpinBox::valueChanged, this, &TRepForm::rebuildPreview);
  }
  connect(prev_, &QPushButton::clicked, this, [this] { showPage(shownPage_ - 1); });
  connect(next_, &QPushButton::clicked, this, [this] { showPage(shownPage_ + 1); });
}

void TRepForm::fillPrinters() {
  building_ = true;
  printers_->clear();
  const QStringList names = QPrinterInfo::availablePrinterNames();
  printers_->addItems(names);
  printers_->addItem(pdfPrinterName());
  const QString current = QPrinterInfo::defaultPrinterName();
  const int i = current.isEmpty() ? -1 : printers_->findText(current);
  printers_->setCurrentIndex(i >= 0 ? i : 0);
  building_ = false;
}

bool TRepForm::selectPrinter(const QString& name) {
  const int i = printers_->findText(name);
  if (i < 0) return false;
  if (i == printers_->currentIndex()) {
    printerChosen();
  } else {
    printers_->setCurrentIndex(i);
  }
  return true;
}

QString TRepForm::printerName() const { return printers_->currentText(); }

void TRepForm::printerChosen() {
  const QString name = printers_->currentText();
  const bool pdf = name == pdfPrinterName();
  if (pdf) {
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setPageSize(QPageSize(QPageSize::A4));
  } else {
    printer_->setOutputFormat(QPrinter::NativeFormat);
    printer_->setPrinterName(name);
  }
  printer_->setPageOrientation(QPageLayout::Portrait);
  printer_->setFullPage(true);
  const QPrinterInfo info = pdf ? QPrinterInfo() : QPrinterInfo::printerInfo(name);
  status_->setText(!pdf && info.state() == QPrinter::Active ? tr("Printing") : tr("Ready"));
  rebuildPreview();
}

void TRepForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    text_.retranslate();
    // The PDF entry is found by its caption: it takes the new one, the
    // chosen printer and its page settings stay.
    building_ = true;
    if (printers_->count() > 0) printers_->setItemText(printers_->count() - 1, pdfPrinterName());
    building_ = false;
    const bool pdf = printerName() == pdfPrinterName();
    const QPrinterInfo info = pdf ? QPrinterInfo() : QPrinterInfo::printerInfo(printerName());
    status_->setText(!pdf && info.state() == QPrinter::Active ? tr("Printing") : tr("Ready"));
    // The pages show texts of the report and of the calibrations.
    const int page = shownPage_;
    rebuildPreview();
    if (page > 0) showPage(page);
  }
  QDialog::changeEvent(event);
}

void TRepForm::showProperties() {
  QPageSetupDialog dialog(printer_.get(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  printer_->setPageOrientation(QPageLayout::Portrait);
  rebuildPreview();
}

int TRepForm::fontSize() const {
  bool ok = false;
  const int v = size_->currentText().trimmed().toInt(&ok);
  return ok && v > 0 ? std::min(v, 200) : 10;
}

void TRepForm::setFontSize(int points) { size_->setCurrentText(QString::number(points)); }

void TRepForm::setMargins(int top, int left, int bottom, int right) {
  building_ = true;
  top_->setValue(top);
  left_->setValue(left);
  bottom_->setValue(bottom);
  building_ = false;
  right_->setValue(right);
  rebuildPreview();
}

void TRepForm::setScales(bool autoScale, const QString& xMin, const QString& xMax, const QString& yMin,
                         const QString& yMax) {
  for (TPrintOptionsBox* box : {reportOptions_, options_})
    if (box) box->setScales(autoScale, xMin, xMax, yMin, yMax);
  rebuildPreview();
}

QFont TRepForm::printFont() const { return font_->currentFont(); }

TPageSetup TRepForm::pageSetup() const {
  TPageSetup s;
  s.TopMm = top_->value();
  s.LeftMm = left_->value();
  s.BottomMm = bottom_->value();
  s.RightMm = right_->value();
  s.BaseFontSize = fontSize();
  return s;
}

TPrintDocument TRepForm::document() const {
  if (reportChosen()) return reportDocument();
  if (calibrationChosen()) return calibrationDocument();
  TPrintDocument doc;
  if (!chart_ || chart_->width() <= 0) return doc;
  // The main chart as shown, across the printable width.
  const TPageSetup s = pageSetup();
  const double paperMm = printer_->pageLayout().fullRect(QPageLayout::Millimeter).width();
  const double widthMm = std::max(1.0, paperMm - s.LeftMm - s.RightMm);
  doc.push_back(TPrintBlock::ChartOf(kCurrentChart, widthMm * chart_->height() / chart_->width()));
  return doc;
}

void TRepForm::drawChart(QPainter& painter, int chart, const QRect& target) {
  if (reportChosen()) {
    reportCharts_->draw(painter, chart, target);
    return;
  }
  if (chart == kCurrentChart && chart_) {
    TPrintRenderer::DrawChart(painter, *chart_, chart_->size(), target);
  } else if (chart != kCurrentChart) {
    calibrationCharts_->draw(painter, chart, target, calibrations_, chartOptions());
  }
}

void TRepForm::rebuildPreview() {
  if (building_ || !preview_) return;
  const QRectF paper = printer_->pageLayout().fullRect(QPageLayout::Inch);
  if (paper.isEmpty()) return;
  // The page image keeps the paper's proportions inside the preview area.
  const QSize area = preview_->size() - QSize(8, 8);
  const double aspect = paper.width() / paper.height();
  int w = area.width();
  int h = static_cast<int>(std::lround(w / aspect));
  if (h > area.height()) {
    h = area.height();
    w = static_cast<int>(std::lround(h * aspect));
  }
  if (w < 10 || h < 10) return;
  TPageSetup setup = pageSetup();
  setup.PageWidth = w;
  setup.PageHeight = h;
  // The preview is the printed page scaled down, so it keeps its layout.
  setup.Dpi = w / paper.width();
  pages_ = TPrintRenderer::Preview(document(), setup, printFont(),
                                   [this](QPainter& p, int chart, const QRect& r) { drawChart(p, chart, r); });
  applyBlackAndWhite(pages_);
  showPage(0);
}

void TRepForm::showPage(int index) {
  if (pages_.empty()) {
    shownPage_ = -1;
    preview_->clear();
    pageLabel_->clear();
    prev_->setEnabled(false);
    next_->setEnabled(false);
    return;
  }
  shownPage_ = std::clamp(index, 0, previewPageCount() - 1);
  preview_->setPixmap(QPixmap::fromImage(pages_[static_cast<std::size_t>(shownPage_)]));
  pageLabel_->setText(tr("Page %1 of %2").arg(shownPage_ + 1).arg(previewPageCount()));
  prev_->setEnabled(shownPage_ > 0);
  next_->setEnabled(shownPage_ < previewPageCount() - 1);
}

int TRepForm::print() {
  if (printerName() == pdfPrinterName()) {
    if (pdfFile_.isEmpty()) {
      pdfFile_ = QFileDialog::getSaveFileName(this, tr("Print to PDF"), QString(), tr("PDF files (*.pdf)"));
      if (pdfFile_.isEmpty()) return 0;
      if (!pdfFile_.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) pdfFile_ += QStringLiteral(".pdf");
    }
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(pdfFile_);
  }
  printer_->setCopyCount(copies_->value());
  printer_->setDocName(reportChosen() && report_                       ? QString::fromStdString(report_->Title)
                       : calibrationChosen() && !calibrations_.empty() ? calibrationJobTitle()
                                                                       : jobTitle_);
  printer_->setColorMode(blackAndWhite() ? QPrinter::GrayScale : QPrinter::Color);
  printer_->setCreator(QStringLiteral("Velmora-VA"));
  status_->setText(tr("Printing"));
  const TPageSetup setup = TPrintRenderer::PrinterSetup(*printer_, pageSetup());
  const int pages = TPrintRenderer::Print(*printer_, document(), setup, printFont(),
                                          [this](QPainter& p, int chart, const QRect& r) { drawChart(p, chart, r); });
  status_->setText(tr("Ready"));
  return pages;
}

void TRepForm::accept() {
  if (print() > 0) QDialog::accept();
}

bool TRepForm::eventFilter(QObject* watched, QEvent* event) {
  // The preview area also changes size when the captions beside it do (a
  // language switch): the page image follows it.
  if (watched == preview_ && event->type() == QEvent::Resize) rebuildPreview();
  return QDialog::eventFilter(watched, event);
}

void TRepForm::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  rebuildPreview();
}

void TRepForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  rebuildPreview();
}

}  // namespace velmora
