#include "TPrintOptionsBox.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "Numbers.h"
#include "UiText.h"

namespace velmora {

namespace {

bool on(const QCheckBox* b) { return b && b->isChecked(); }

double number(const QLineEdit* edit, double fallback) { return ReadNumber(UiText::toStd(edit->text()), fallback); }

}  // namespace

TPrintOptionsBox::TPrintOptionsBox(QWidget* parent) : QGroupBox(parent) {
  setObjectName(QStringLiteral("PrintOptions"));
  text_.bind(this, QT_TR_NOOP("Report"));
  auto* grid = new QGridLayout(this);
  grid->setVerticalSpacing(2);
  int row = 0;
  grid->addWidget(check(QT_TR_NOOP("Calculation chart"), "OptCalcChart"), row, 0);
  calcChartHeight_ = height("OptCalcChartHeight");
  grid->addWidget(calcChartHeight_, row++, 1);
  grid->addWidget(check(QT_TR_NOOP("Diagram"), "OptDiagram"), row, 0);
  diagramHeight_ = height("OptDiagramHeight");
  grid->addWidget(diagramHeight_, row++, 1);
  const std::pair<const char*, const char*> boxes[] = {
      {QT_TR_NOOP("Initial data table"), "OptInitialDataTable"},
      {QT_TR_NOOP("Bottom axis"), "OptBottomAxis"},
      {QT_TR_NOOP("Left axis"), "OptLeftAxis"},
      {QT_TR_NOOP("Grid"), "OptGrid"},
      {QT_TR_NOOP("Database numbers"), "OptDatabaseNumbers"},
      {QT_TR_NOOP("Comments"), "OptComments"},
      {QT_TR_NOOP("Legend"), "OptLegend"},
      {QT_TR_NOOP("Record parameters"), "OptRecordParameters"},
      {QT_TR_NOOP("Peaks"), "OptPeaks"},
      // The boxes that depend on what is printed come last, so that the
      // hidden ones leave no holes between the others.
      {QT_TR_NOOP("Results table"), "OptResultsTable"},
      {QT_TR_NOOP("Measurement type"), "OptMeasurementType"},
      {QT_TR_NOOP("Result calculation data "), "OptResultCalculationData"},
      {QT_TR_NOOP("Notes"), "OptNotes"},
      {QT_TR_NOOP("Equation"), "OptEquation"},
  };
  // Two columns of check boxes under the two charts.
  const int first = row;
  for (std::size_t i = 0; i < std::size(boxes); ++i) {
    grid->addWidget(check(boxes[i].first, boxes[i].second), first + static_cast<int>(i / 2), static_cast<int>(i % 2));
  }
  row = first + static_cast<int>((std::size(boxes) + 1) / 2);

  auto* scales = text_.bind(new QGroupBox, QT_TR_NOOP("Scales"));
  auto* sg = new QGridLayout(scales);
  sg->setVerticalSpacing(2);
  xMin_ = scale("ScaleXMin", QStringLiteral("-2000"));
  xMax_ = scale("ScaleXMax", QStringLiteral("2000"));
  yMin_ = scale("ScaleYMin", QStringLiteral("-2000"));
  yMax_ = scale("ScaleYMax", QStringLiteral("2000"));
  sg->addWidget(new QLabel(QStringLiteral("X")), 0, 0);
  sg->addWidget(xMin_, 0, 1);
  sg->addWidget(xMax_, 0, 2);
  sg->addWidget(new QLabel(QStringLiteral("Y")), 1, 0);
  sg->addWidget(yMin_, 1, 1);
  sg->addWidget(yMax_, 1, 2);
  auto_ = text_.bind(new QCheckBox, QT_TR_NOOP("Auto"));
  auto_->setObjectName(QStringLiteral("ScaleAuto"));
  auto_->setChecked(true);
  sg->addWidget(auto_, 2, 1, 1, 2);
  connect(auto_, &QCheckBox::toggled, this, [this] {
    updateScales();
    emit changed();
  });
  grid->addWidget(scales, row, 0, 1, 2);
  updateScales();
  setMode(Mode::Report);
}

QCheckBox* TPrintOptionsBox::check(const char* text, const char* name) {
  auto* b = text_.bind(new QCheckBox, text);
  b->setObjectName(QString::fromLatin1(name));
  b->setChecked(true);
  connect(b, &QCheckBox::toggled, this, &TPrintOptionsBox::changed);
  return b;
}

QSpinBox* TPrintOptionsBox::height(const char* name) {
  auto* s = new QSpinBox;
  s->setObjectName(QString::fromLatin1(name));
  s->setRange(1, 200);
  s->setValue(80);
  s->setSuffix(tr(" mm"));
  connect(s, &QSpinBox::valueChanged, this, &TPrintOptionsBox::changed);
  return s;
}

QLineEdit* TPrintOptionsBox::scale(const char* name, const QString& value) {
  auto* e = new QLineEdit(value);
  e->setObjectName(QString::fromLatin1(name));
  e->setMaximumWidth(70);
  connect(e, &QLineEdit::textChanged, this, &TPrintOptionsBox::changed);
  return e;
}

void TPrintOptionsBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    text_.retranslate();
    for (QSpinBox* s : {calcChartHeight_, diagramHeight_}) {
      const QSignalBlocker block(s);
      s->setSuffix(tr(" mm"));
    }
  }
  QGroupBox::changeEvent(event);
}

void TPrintOptionsBox::updateScales() {
  for (QLineEdit* e : {xMin_, xMax_, yMin_, yMax_}) e->setEnabled(!auto_->isChecked());
}

QCheckBox* TPrintOptionsBox::box(const char* objectName) const {
  return findChild<QCheckBox*>(QString::fromLatin1(objectName));
}

void TPrintOptionsBox::setMode(Mode mode) {
  const bool calibration = mode == Mode::Calibration;
  for (const char* name : {"OptMeasurementType", "OptResultCalculationData", "OptResultsTable", "OptNotes"})
    box(name)->setVisible(!calibration);
  box("OptEquation")->setVisible(calibration);
}

TCalibrationPrintOptions TPrintOptionsBox::calibrationOptions() const {
  TCalibrationPrintOptions o;
  o.RecordParameters = on(box("OptRecordParameters"));
  o.Diagram = on(box("OptDiagram"));
  o.InitialDataTable = on(box("OptInitialDataTable"));
  o.CalcChart = on(box("OptCalcChart"));
  o.Equation = on(box("OptEquation"));
  o.DatabaseNumbers = on(box("OptDatabaseNumbers"));
  o.Comments = on(box("OptComments"));
  o.DiagramHeightMm = diagramHeight_->value();
  o.CalcChartHeightMm = calcChartHeight_->value();
  return o;
}

TReportPrintOptions TPrintOptionsBox::reportOptions() const {
  TReportPrintOptions o;
  o.CalculationChart = on(box("OptCalcChart"));
  o.CalculationChartMm = calcChartHeight_->value();
  o.Diagram = on(box("OptDiagram"));
  o.DiagramMm = diagramHeight_->value();
  o.ResultsTable = on(box("OptResultsTable"));
  o.InitialDataTable = on(box("OptInitialDataTable"));
  o.DatabaseNumbers = on(box("OptDatabaseNumbers"));
  o.Comments = on(box("OptComments"));
  o.MeasurementType = on(box("OptMeasurementType"));
  o.RecordParameters = on(box("OptRecordParameters"));
  o.ResultCalculationData = on(box("OptResultCalculationData"));
  o.Notes = on(box("OptNotes"));
  return o;
}

void TPrintOptionsBox::applyTo(TPrintChart::Options& o) const {
  o.BottomAxis = on(box("OptBottomAxis"));
  o.LeftAxis = on(box("OptLeftAxis"));
  o.Grid = on(box("OptGrid"));
  o.Legend = on(box("OptLegend"));
  o.Peaks = on(box("OptPeaks"));
  o.Auto = auto_->isChecked();
  // A text that is no number keeps the default limit.
  o.XMin = number(xMin_, -2000);
  o.XMax = number(xMax_, 2000);
  o.YMin = number(yMin_, -2000);
  o.YMax = number(yMax_, 2000);
}

void TPrintOptionsBox::setScales(bool autoScale, const QString& xMin, const QString& xMax, const QString& yMin,
                                 const QString& yMax) {
  const QSignalBlocker block(this);
  xMin_->setText(xMin);
  xMax_->setText(xMax);
  yMin_->setText(yMin);
  yMax_->setText(yMax);
  auto_->setChecked(autoScale);
  updateScales();
}

}  // namespace velmora
