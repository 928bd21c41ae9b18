#include "ScreenshotTour.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTableWidget>
#include <QThread>

#include "CalcHost.h"
#include "CaptionComboBox.h"
#include "MainChartView.h"
#include "MainWindow.h"
#include "TCalcForm.h"
#include "TCalcGrid.h"
#include "TEquationEditor.h"
#include "TImagePreviewBox.h"
#include "TNode.h"
#include "TNodeForest.h"

namespace velmora {

namespace {

void settle() {
  for (int i = 0; i < 5; ++i) {
    QApplication::processEvents();
    QThread::msleep(20);
  }
}

bool save(MainWindow& w, const QString& folder, const QString& name) {
  settle();
  return w.grab().save(QDir(folder).filePath(name));
}

bool saveWidget(QWidget& widget, const QString& folder, const QString& name) {
  settle();
  return widget.grab().save(QDir(folder).filePath(name));
}

}  // namespace

int ScreenshotTour::run(MainWindow& w, const QString& folder) {
  QDir().mkpath(folder);
  int written = 0;
  TNodeForest& f = w.forest();
  w.selectThumbnailsPage();
  // The first sample group, unfolded, with its additions selected.
  TNode* sample = f.FirstRoot();
  if (sample && sample->Folded) sample->Unfold();
  if (sample && sample->FirstChild) {
    TNodesArr nodes;
    for (TNode* n = sample->FirstChild; n; n = n->NextSibling) nodes.push_back(n);
    f.SetSelection(nodes);
  }
  written += save(w, folder, "thumbnails.png");
  w.action("ShowLegendRightActn")->trigger();
  written += save(w, folder, "legend.png");
  w.selectStructurePage();
  written += save(w, folder, "structure.png");
  w.selectThumbnailsPage();
  if (sample && sample->FirstChild && sample->FirstChild->NextSibling) {
    f.SelectNode(sample->FirstChild->NextSibling);
    if (sample->FirstChild->NextSibling->Folded) sample->FirstChild->NextSibling->Unfold();
  }
  w.action("BandWChartActn")->trigger();
  written += save(w, folder, "black-and-white.png");
  w.action("BandWChartActn")->trigger();
  w.action("ShowLegendNoneActn")->trigger();
  w.action("SelectAllActn")->trigger();
  written += save(w, folder, "select-all.png");
  written += calculations(w, folder);
  return written;
}

int ScreenshotTour::calculations(MainWindow& w, const QString& folder) {
  int written = 0;
  TNodeForest& f = w.forest();
  TNode* sample = f.FirstRoot();
  if (!sample || !sample->FirstChild) return 0;
  // One curve each of the first sample's background, analyte and additions, peaks found.
  TNodesArr nodes;
  for (TNode* n = sample->FirstChild; n; n = n->NextSibling) {
    if (n->Folded) n->Unfold();
    nodes.push_back(n->FirstChild ? n->FirstChild : n);
  }
  f.SetSelection(nodes);
  settle();
  w.action("PeaksAutoSearchActn")->trigger();
  settle();
  TCalcForm& form = w.calculations().form();
  w.action("PeaksTreatmentActn")->setChecked(true);
  w.action("StatActn")->setChecked(true);
  form.resize(1400, 640);
  form.chooseMethod(0);
  // Background, sample and the two additions, in this order.
  for (std::size_t i = 0; i < form.calculation().Curves().size() && i < 4; ++i) form.chooseRole(i, static_cast<int>(i));
  form.chooseResultUnits(5, 2);
  form.chooseSampleUnits(5, 2);
  // The operator's volumes and the standard's concentration (mg/dm³).
  const char* volumes[] = {"10", "20", "0.05", "1"};
  for (int r = 0; r < form.paramsEditor()->rowCount() && r < 4; ++r)
    form.paramsEditor()->item(r, 1)->setText(volumes[r]);
  const CalcGridLayout& layout = form.gridLayout();
  for (int c = layout.FirstElementColumn(); c < layout.Columns(); ++c)
    if (QTableWidgetItem* it = form.grid()->item(1, c)) it->setText(QStringLiteral("1"));
  form.grid()->setCurrentCell(layout.FirstDataRow() + 1, layout.FirstElementColumn());
  form.grid()->setRangeSelected(QTableWidgetSelectionRange(layout.FirstDataRow() + 1, layout.FirstElementColumn(),
                                                           layout.FirstDataRow() + 2, layout.FirstElementColumn() + 1),
                                true);
  written += saveWidget(form, folder, "calculations-method0.png");
  form.chooseMethod(1);
  form.paramsEditor()->item(form.paramsEditor()->rowCount() - 2, 1)->setText(QStringLiteral("0.05"));
  written += saveWidget(form, folder, "calculations-method1.png");
  form.chooseMethod(4);
  form.chooseCalibrationType(0);
  // Standards: the background at 0, the analyte unknown, the additions known.
  const CalcGridLayout& cal = form.gridLayout();
  const int elements = static_cast<int>(form.calculation().Elements().size());
  for (int e = 0; e < elements; ++e) {
    form.chooseElementUnits(static_cast<std::size_t>(e), 5, 2);
    for (int r = cal.FirstDataRow(); r < cal.Rows(); ++r) {
      QTableWidgetItem* it = form.grid()->item(r, 2 + e);
      if (it && (it->flags() & Qt::ItemIsEditable))
        it->setText(QString::number(0.5 * (r - cal.FirstDataRow()) * (1 + e % 2)));
    }
  }
  form.Recalculate();
  written += saveWidget(form, folder, "calculations-method4.png");
  form.chooseMethod(0);

  TEquationEditor& editor = w.calculations().equationEditor();
  editor.show();
  editor.titleEdit()->setText(QStringLiteral("One addition with blank"));
  editor.formulaEdit()->setText(QStringLiteral("(I0-IB)*C1*V1/((I1-IB)*(VC+V1)-(I0-IB)*VC)"));
  editor.unitTopList()->setCurrentIndex(6);
  editor.unitBottomList()->setCurrentIndex(3);
  // Default values that let the formula show a value while it is typed.
  const std::pair<int, const char*> defaults[] = {{0, "2"}, {1, "10"}, {2, "20"}, {6, "1"}, {13, "10"}, {14, "0.1"}};
  for (const auto& [row, value] : defaults)
    if (QTableWidgetItem* it = editor.variablesGrid()->item(row, 3)) it->setText(QString::fromLatin1(value));
  editor.SaveMethod();
  written += saveWidget(editor, folder, "equation-editor.png");
  editor.hide();
  return written;
}

}  // namespace velmora
