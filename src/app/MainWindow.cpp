#include "MainWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QStatusBar>
#include <qcustomplot.h>

#include "Messages.h"

namespace velmora {

MainWindow::MainWindow(Settings& settings, QWidget* parent) : QMainWindow(parent), settings_(settings) {
  setObjectName("MainForm");
  chart_ = new QCustomPlot(this);
  chart_->setObjectName("MainChart");
  chart_->xAxis->setRange(-1200, 200);
  chart_->yAxis->setRange(0, 1);
  setCentralWidget(chart_);

  static constexpr int kPanelWidths[4] = {80, 70, 250, 50};
  for (int i = 0; i < 4; ++i) {
    statusPanels_[i] = new QLabel(this);
    statusPanels_[i]->setMinimumWidth(kPanelWidths[i]);
    statusBar()->addWidget(statusPanels_[i], i == 3 ? 1 : 0);
  }
  resize(1100, 720);
  retranslateUi();
  newDocument();
}

void MainWindow::applySettings() {
  const Options& o = settings_.options();
  chart_->xAxis->setVisible(o.paintXAxis);
  chart_->yAxis->setVisible(o.paintYAxis);
  chart_->xAxis->grid()->setVisible(o.paintGrid);
  chart_->yAxis->grid()->setVisible(o.paintGrid);
  chart_->replot();
}

void MainWindow::newDocument() {
  documentFileName_ = QCoreApplication::translate("Messages", msg::NoName);
  modified_ = false;
  updateTitle();
}

void MainWindow::updateTitle() {
  QString name = documentFileName_;
  setWindowTitle(name + " - " + QCoreApplication::translate("Messages", msg::AppTitle));
  statusPanels_[0]->setText(modified_ ? QCoreApplication::translate("Messages", msg::Modified) : QString());
}

void MainWindow::retranslateUi() {
  chart_->xAxis->setLabel(tr("Potential, mV"));
  chart_->yAxis->setLabel(tr("Current, µA"));
  updateTitle();
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslateUi();
  QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Errors while writing the settings at exit are ignored.
  settings_.save();
  event->accept();
}

}  // namespace velmora
