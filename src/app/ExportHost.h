#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QAbstractItemView;

namespace velmora {

class MainWindow;

// The export commands of the main window: the displayed curves as text
// files ("&Export &&import"), the main chart as a picture file ("&Export
// chart to file") or on the clipboard ("Copy chart to clipboard"), and the
// chart's series as a spreadsheet workbook opened in the desktop's
// spreadsheet application ("Export chart to MS Excel").
class ExportHost : public QObject {
  Q_OBJECT
 public:
  explicit ExportHost(MainWindow& window);

  // The commands once their target is known. Failures go to the window's
  // message sink.
  QStringList exportText(const QString& folder);
  // False when the extension names no picture format (nothing is written)
  // or the file cannot be written.
  bool exportPicture(const QString& file);
  // Writes the workbook; true when written.
  bool exportWorkbook(const QString& file);
  void copyChart();
  // "Copy calculation chart to clipboard": the calculation chart of the
  // curves shown, drawn afresh.
  void copyCalculationChart();
  // The selected cells of a grid as clipboard text: per selected row its
  // selected cells in column order, joined by tabs, each row ended by a
  // single carriage return.
  static QString selectionText(const QAbstractItemView* grid);
  // Where "Export chart to MS Excel" writes its workbook: a new file named
  // after the document with a random ending, made exclusively in a private
  // folder of this session under the user's temporary folder (other users
  // can neither read it nor swap it before it opens). Empty, with the error
  // shown, when it cannot be made.
  QString workbookFile();

  // Seams for tests: the folder and file choices, and the opening of the
  // workbook (the desktop's default application by default).
  std::function<QString()> chooseFolder;
  std::function<QString()> choosePictureFile;
  std::function<void(const QString&)> openFile;

 private:
  MainWindow& window_;
  // The session's private folder of exported workbooks, made on first use.
  QString workbookFolder_;
};

}  // namespace velmora
