#include "RecordButtonHost.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "MainWindow.h"
#include "Settings.h"

namespace velmora {

RecordButtonHost::RecordButtonHost(MainWindow& window, Settings& settings)
    : QObject(&window), window_(window), settings_(settings) {
  setObjectName(QStringLiteral("RecordButtonHost"));
  button_ = new QToolButton(&window);
  button_->setObjectName(QStringLiteral("RecordButton"));
  button_->setPopupMode(QToolButton::MenuButtonPopup);
  menu_ = new QMenu(button_);
  for (int i = 0; i < 3; ++i) {
    QAction* command = window.action(kCommands[i]);
    menu_->addAction(command);
    // Whichever way a record command is run, the button offers it next.
    connect(command, &QAction::triggered, this, [this, i] {
      settings_.options().recWizIndex = i;
      show(i);
    });
  }
  // The button takes the place of "&Record parameters" on the tool bar.
  QAction* placeholder = window.action(kCommands[0]);
  if (auto* bar = window.findChild<QToolBar*>(QStringLiteral("ToolBar1"));
      bar && bar->actions().contains(placeholder)) {
    bar->insertWidget(placeholder, button_);
    bar->removeAction(placeholder);
  }
  apply();
}

void RecordButtonHost::apply() { show(std::clamp(settings_.options().recWizIndex, 0, 2)); }

void RecordButtonHost::show(int index) {
  QAction* command = window_.action(kCommands[index]);
  button_->setDefaultAction(command);
  button_->setMenu(menu_);
  button_->setPopupMode(QToolButton::MenuButtonPopup);
  // A command without a picture shows its name.
  button_->setToolButtonStyle(command->icon().isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
}

}  // namespace velmora
