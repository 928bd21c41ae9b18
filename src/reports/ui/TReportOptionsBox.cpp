#include "TReportOptionsBox.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "Numbers.h"

namespace velmora {

namespace {

double NumberOf(const QLineEdit* edit, double fallback) {
  return ReadNumber(edit->text().trimmed().toStdString(), fallback);
}

}  // namespace

TReportOptionsBox::TReportOptionsBox(QWidget* parent) : QGroupBox(parent) {
  setObjectName(QStringLiteral("ReportOptions"));
  text_.bind(this, QT_TR_NOOP("Report"));
  auto* grid = new QGridLayout(this);
  grid->setVerticalSpacing(2);
  auto height = [](const char* name) {
    auto* s = new QSpinBox;
    s->setRange(1, 200);
    s->setValue(80);
    s->setSuffix(tr(" mm"));
    s->setObjectName(QString::fromLatin1(name));
    return s;
  };
  int row = 0;
  grid->addWidget(add(QStringLiteral("CalculationChart"), QT_TR_NOOP("Calculation chart")), row, 0);
  calcHeight_ = height("CalculationChartHeight");
  grid->addWidget(calcHeight_, row++, 1);
  grid->addWidget(add(QStringLiteral("Diagram"), QT_TR_NOOP("Diagram")), row, 0);
  diagramHeight_ = height("DiagramHeight");
  grid->addWidget(diagramHeight_, row++, 1);
  const std::pair<const char*, const char*> others[] = {
      {"ResultsTable", QT_TR_NOOP("Results table")},
      {"InitialDataTable", QT_TR_NOOP("Initial data table")},
      {"BottomAxis", QT_TR_NOOP("Bottom axis")},
      {"LeftAxis", QT_TR_NOOP("Left axis")},
      {"Grid", QT_TR_NOOP("Grid")},
      {"DatabaseNumbers", QT_TR_NOOP("Database numbers")},
      {"Comments", QT_TR_NOOP("Comments")},
      {"Legend", QT_TR_NOOP("Legend")},
      {"MeasurementType", QT_TR_NOOP("Measurement type")},
      {"RecordParameters", QT_TR_NOOP("Record parameters")},
      {"ResultCalculationData", QT_TR_NOOP("Result calculation data ")},
      {"Peaks", QT_TR_NOOP("Peaks")},
      {"Notes", QT_TR_NOOP("Notes")},
  };
  int i = 0;
  for (const auto& [name, caption] : others) {
    grid->addWidget(add(QString::fromLatin1(name), caption), row + i / 2, i % 2);
    ++i;
  }
  row += (i + 1) / 2;
  auto* bw = add(QStringLiteral("BlackAndWhite"), QT_TR_NOOP("Black && White"));
  bw->setChecked(false);
  grid->addWidget(bw, row++, 0);

  auto* scales = text_.bind(new QGroupBox, QT_TR_NOOP("Scales"));
  auto* sl = new QGridLayout(scales);
  auto edit = [](const char* name) {
    auto* e = new QLineEdit;
    e->setObjectName(QString::fromLatin1(name));
    e->setMaximumWidth(70);
    return e;
  };
  xMin_ = edit("ScaleXMin");
  xMax_ = edit("ScaleXMax");
  yMin_ = edit("ScaleYMin");
  yMax_ = edit("ScaleYMax");
  sl->addWidget(new QLabel(QStringLiteral("X")), 0, 0);
  sl->addWidget(xMin_, 0, 1);
  sl->addWidget(xMax_, 0, 2);
  sl->addWidget(new QLabel(QStringLiteral("Y")), 1, 0);
  sl->addWidget(yMin_, 1, 1);
  sl->addWidget(yMax_, 1, 2);
  auto* autoBox = add(QStringLiteral("Auto"), QT_TR_NOOP("Auto"));
  sl->addWidget(autoBox, 0, 3, 2, 1);
  grid->addWidget(scales, row, 0, 1, 2);
  for (QLineEdit* e : {xMin_, xMax_, yMin_, yMax_})
    connect(e, &QLineEdit::editingFinished, this, &TReportOptionsBox::changed);
  connect(autoBox, &QCheckBox::toggled, this, [this](bool on) {
    for (QLineEdit* e : {xMin_, xMax_, yMin_, yMax_}) e->setEnabled(!on);
  });
  setScales(QStringLiteral("-2000"), QStringLiteral("2000"), QStringLiteral("-2000"), QStringLiteral("2000"), true);
  for (QSpinBox* s : {calcHeight_, diagramHeight_})
    connect(s, &QSpinBox::valueChanged, this, &TReportOptionsBox::changed);
}

QCheckBox* TReportOptionsBox::add(const QString& name, const char* caption) {
  auto* b = text_.bind(new QCheckBox, caption);
  b->setObjectName(name);
  b->setChecked(true);
  boxes_[name] = b;
  connect(b, &QCheckBox::toggled, this, &TReportOptionsBox::changed);
  return b;
}

void TReportOptionsBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    text_.retranslate();
    for (QSpinBox* s : {calcHeight_, diagramHeight_}) {
      const QSignalBlocker block(s);
      s->setSuffix(tr(" mm"));
    }
  }
  QGroupBox::changeEvent(event);
}

QCheckBox* TReportOptionsBox::box(const QString& name) const {
  const auto it = boxes_.find(name);
  return it == boxes_.end() ? nullptr : it->second;
}

void TReportOptionsBox::setScales(const QString& xMin, const QString& xMax, const QString& yMin, const QString& yMax,
                                  bool autoScale) {
  const QSignalBlocker block(this);
  xMin_->setText(xMin);
  xMax_->setText(xMax);
  yMin_->setText(yMin);
  yMax_->setText(yMax);
  box(QStringLiteral("Auto"))->setChecked(autoScale);
  for (QLineEdit* e : {xMin_, xMax_, yMin_, yMax_}) e->setEnabled(!autoScale);
}

bool TReportOptionsBox::blackAndWhite() const { return box(QStringLiteral("BlackAndWhite"))->isChecked(); }

TReportPrintOptions TReportOptionsBox::printOptions() const {
  auto on = [this](const char* name) { return box(QString::fromLatin1(name))->isChecked(); };
  TReportPrintOptions o;
  o.CalculationChart = on("CalculationChart");
  o.CalculationChartMm = calcHeight_->value();
  o.Diagram = on("Diagram");
  o.DiagramMm = diagramHeight_->value();
  o.ResultsTable = on("ResultsTable");
  o.InitialDataTable = on("InitialDataTable");
  o.DatabaseNumbers = on("DatabaseNumbers");
  o.Comments = on("Comments");
  o.MeasurementType = on("MeasurementType");
  o.RecordParameters = on("RecordParameters");
  o.ResultCalculationData = on("ResultCalculationData");
  o.Notes = on("Notes");
  return o;
}

TPrintChart::Options TReportOptionsBox::chartOptions(const QFont& font, int fontSize) const {
  auto on = [this](const char* name) { return box(QString::fromLatin1(name))->isChecked(); };
  TPrintChart::Options o;
  o.BottomAxis = on("BottomAxis");
  o.LeftAxis = on("LeftAxis");
  o.Grid = on("Grid");
  o.Legend = on("Legend");
  o.Peaks = on("Peaks");
  o.BlackAndWhite = on("BlackAndWhite");
  o.Auto = on("Auto");
  o.XMin = NumberOf(xMin_, -2000);
  o.XMax = NumberOf(xMax_, 2000);
  o.YMin = NumberOf(yMin_, -2000);
  o.YMax = NumberOf(yMax_, 2000);
  o.Font = font;
  o.FontSize = fontSize;
  return o;
}

}  // namespace velmora
