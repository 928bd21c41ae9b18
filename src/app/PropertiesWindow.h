#pragma once

#include <QWidget>

class QTableWidget;

namespace velmora {

class TNodeForest;
class TPluginsManager;

// "Properties": a stay-on-top tool window listing the focused node's record
// parameters. It follows the selection through the notification hub and
// closes itself when no node is focused.
class PropertiesWindow : public QWidget {
  Q_OBJECT
 public:
  PropertiesWindow(TNodeForest& forest, TPluginsManager& hub, QWidget* parent = nullptr);

  QTableWidget* grid() const { return grid_; }
  // Reloads the rows of the focused node (or closes when there is none).
  void refresh();
  // Selected cells as tab-separated text, each row ended by "\r".
  QString selectedText() const;

 signals:
  void visibilityChanged(bool visible);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void retranslate();
  void fitColumns();

  TNodeForest& forest_;
  QTableWidget* grid_;
};

}  // namespace velmora
