#pragma once

#include <QList>
#include <QObject>
#include <QPair>

class QAction;
class QMenu;
class QToolBar;

namespace velmora {

class MainWindow;

// The main window's menu bar and tool bar, built from its action list, and
// the node pop-up menu of both document views with its "Series" items for
// the averaged columns of the selected groups.
class MainMenus : public QObject {
  Q_OBJECT
 public:
  explicit MainMenus(MainWindow& window);

  QToolBar* toolBar() const { return toolBar_; }
  QMenu* nodePopup() const { return nodePopup_; }
  // The menu and tool bar titles in the current language.
  void retranslate();

 private:
  void buildMenus();
  void buildToolBar();
  void buildNodePopup();
  void fillSeriesItems();

  MainWindow& window_;
  QToolBar* toolBar_ = nullptr;
  QMenu* nodePopup_ = nullptr;
  QList<QAction*> seriesItems_;
  QList<QPair<QMenu*, const char*>> menus_;
};

}  // namespace velmora
