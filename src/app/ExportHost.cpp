#include "ExportHost.h"

#include <qcustomplot.h>

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QMenu>
#include <QUrl>
#include <algorithm>

#include "BackgroundTask.h"
#include "ChartPicture.h"
#include "ChartWorkbook.h"
#include "CurveSeries.h"
#include "CurveTextExport.h"
#include "FormatError.h"
#include "MainChartView.h"
#include "MainWindow.h"
#include "PrivateFolder.h"
#include "TArrayDataStruct.h"
#include "TNode.h"
#include "TStatForm.h"
#include "UiText.h"

namespace velmora {

namespace {

QString DocumentFolder(const MainWindow& window) {
  const QFileInfo info(window.documentFileName());
  return info.isAbsolute() && info.dir().exists() ? info.absolutePath() : QDir::homePath();
}

}  // namespace

ExportHost::ExportHost(MainWindow& window) : QObject(&window), window_(window) {
  for (const char* name : {"ExportImportActn", "ExportToFileActn", "ExportChartToExcelActn", "CopyChartToClpbrdActn",
                           "CopyCalcChartToClpbrdActn", "StubCopyCalcChartActnActn"})
    window.actions().adopt(name);
  // "Copy chart" holds the two chart copies.
  auto* copies = new QMenu(&window);
  copies->setObjectName(QStringLiteral("CopyChartMenu"));
  copies->addAction(window.action("CopyChartToClpbrdActn"));
  copies->addAction(window.action("CopyCalcChartToClpbrdActn"));
  window.action("StubCopyCalcChartActnActn")->setMenu(copies);

  chooseFolder = [this] {
    return QFileDialog::getExistingDirectory(&window_, tr("&Export &&import"), DocumentFolder(window_));
  };
  choosePictureFile = [this] {
    QString selected;
    const QString filters = tr("Portable network graphics (*.png)") + ";;" + tr("Scalable vector graphics (*.svg)") +
                            ";;" + tr("Portable document format (*.pdf)") + ";;" + tr("Bitmaps (*.bmp)");
    QString file = QFileDialog::getSaveFileName(&window_, tr("&Export chart to file"), DocumentFolder(window_), filters,
                                                &selected);
    if (!file.isEmpty() && QFileInfo(file).suffix().isEmpty()) {
      // The default extension is that of the chosen filter (a vector picture by default).
      const int open = selected.lastIndexOf(QLatin1String("*."));
      file += open >= 0 ? selected.mid(open + 1).chopped(1) : QStringLiteral(".svg");
    }
    return file;
  };
  openFile = [](const QString& file) { QDesktopServices::openUrl(QUrl::fromLocalFile(file)); };

  connect(window.action("ExportImportActn"), &QAction::triggered, this, [this] {
    const QString folder = chooseFolder();
    if (!folder.isEmpty()) exportText(folder);
  });
  connect(window.action("ExportToFileActn"), &QAction::triggered, this, [this] {
    const QString file = choosePictureFile();
    if (!file.isEmpty()) exportPicture(file);
  });
  connect(window.action("ExportChartToExcelActn"), &QAction::triggered, this, [this] {
    const QString file = workbookFile();
    if (!file.isEmpty() && exportWorkbook(file) && openFile) openFile(file);
  });
  connect(window.action("CopyChartToClpbrdActn"), &QAction::triggered, this, [this] { copyChart(); });
  connect(window.action("CopyCalcChartToClpbrdActn"), &QAction::triggered, this, [this] { copyCalculationChart(); });
}

QStringList ExportHost::exportText(const QString& folder) {
  std::vector<CurveTextExport::Curve> curves;
  for (const TTableContent& row : window_.DisplayedCurves()) {
    if (row.Curve == nullptr) continue;
    curves.push_back({row.Curve->Node ? row.Curve->Node->Name : std::string(), row.Curve->DisplayData()});
  }
  QStringList written;
  std::vector<std::filesystem::path> files;
  try {
    // On a thread of its own, with progress and "Cancel" (which removes
    // the files written).
    BackgroundTask::Run(&window_, tr("Exporting curves..."), [&](BackgroundTask::Progress& progress) {
      progress.setTotal(curves.size());
      files = CurveTextExport::ExportCurves(UiText::toStd(folder), curves, &progress.cancelFlag(), &progress.counter());
    });
  } catch (const EFormatError& e) {
    window_.messageSink().error(e.message());
  }
  for (const auto& f : files) written << UiText::fromStd(f.string());
  return written;
}

bool ExportHost::exportPicture(const QString& file) {
  const auto format = ChartPicture::FormatOf(file);
  if (!format) return false;
  try {
    ChartPicture::Save(window_.chartView().chart(), file, *format);
  } catch (const EFormatError& e) {
    window_.messageSink().error(e.message());
    return false;
  }
  return true;
}

bool ExportHost::exportWorkbook(const QString& file) {
  std::vector<ChartWorkbook::Series> series;
  for (const TTableContent& row : window_.DisplayedCurves()) {
    if (row.Curve == nullptr || !row.Shown) continue;
    series.push_back({UiText::toStd(CurveSeries::Title(row.Curve)), row.Curve->DisplayData()});
  }
  const std::string documentName = UiText::toStd(QFileInfo(window_.documentFileName()).fileName());
  bool done = false;
  try {
    done = BackgroundTask::Run(&window_, tr("Exporting chart..."), [&](BackgroundTask::Progress& progress) {
      ChartWorkbook::Write(UiText::toStd(file), documentName, series, &progress.cancelFlag());
    });
  } catch (const EFormatError& e) {
    window_.messageSink().error(e.message());
    return false;
  }
  return done;
}

QString ExportHost::workbookFile() {
  const std::string stem =
      ChartWorkbook::SheetName(UiText::toStd(QFileInfo(window_.documentFileName()).completeBaseName()));
  try {
    // The folder is made again when it went (or is no longer ours alone).
    if (workbookFolder_.isEmpty() || !PrivateFolder::IsPrivate(UiText::toStd(workbookFolder_)))
      workbookFolder_ = UiText::fromStd(PrivateFolder::Create(PrivateFolder::UserBase(), "Velmora-VA-").string());
    return UiText::fromStd(PrivateFolder::CreateUniqueFile(UiText::toStd(workbookFolder_), stem, ".xlsx").string());
  } catch (const EFormatError& e) {
    window_.messageSink().error(e.message());
    return {};
  }
}

QString ExportHost::selectionText(const QAbstractItemView* grid) {
  if (grid == nullptr || grid->selectionModel() == nullptr) return {};
  QModelIndexList cells = grid->selectionModel()->selectedIndexes();
  std::sort(cells.begin(), cells.end(), [](const QModelIndex& a, const QModelIndex& b) {
    return a.row() != b.row() ? a.row() < b.row() : a.column() < b.column();
  });
  QString text;
  int row = -1;
  for (const QModelIndex& cell : cells) {
    if (cell.row() != row) {
      if (row >= 0) text += u'\r';
      row = cell.row();
    } else {
      text += u'\t';
    }
    text += cell.data(Qt::DisplayRole).toString();
  }
  if (row >= 0) text += u'\r';
  return text;
}

void ExportHost::copyCalculationChart() {
  TStatForm* chart = window_.statForm();
  if (chart == nullptr) return;
  chart->Refresh();
  QGuiApplication::clipboard()->setMimeData(ChartPicture::MimeData(chart->chart()));
}

void ExportHost::copyChart() {
  MainChartView& view = window_.chartView();
  view.redrawNow();
  QGuiApplication::clipboard()->setMimeData(ChartPicture::MimeData(view.chart()));
}

}  // namespace velmora
