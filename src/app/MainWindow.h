#pragma once

#include <QLabel>
#include <QMainWindow>

#include "Settings.h"

class QCustomPlot;

namespace velmora {

// The workstation's main window: owns the open document and the main chart.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(Settings& settings, QWidget* parent = nullptr);

  // Full path of the open document, or the "No name" text.
  QString documentFileName() const { return documentFileName_; }
  bool modified() const { return modified_; }

  // Applies the preferences read at start.
  void applySettings();
  // Starts an empty document (the "&New" command without its question).
  void newDocument();
  void updateTitle();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void retranslateUi();

  Settings& settings_;
  QString documentFileName_;
  bool modified_ = false;
  QCustomPlot* chart_ = nullptr;
  QLabel* statusPanels_[4] = {};
};

}  // namespace velmora
