#pragma once

#include <QComboBox>
#include <QCoreApplication>
#include <functional>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QToolBar;
class QToolButton;
class QWidget;

namespace velmora {

// A list that refreshes its items just before it drops down.
class DropDownList : public QComboBox {
 public:
  using QComboBox::QComboBox;
  std::function<void()> beforePopup;
  void showPopup() override {
    if (beforePopup) beforePopup();
    QComboBox::showPopup();
  }
};

// The controls of the methods editor, built and captioned in one place.
// The behaviour is TMethodEditForm's; this only lays out, names and
// translates.
class MethodEditWidgets {
  Q_DECLARE_TR_FUNCTIONS(velmora::TMethodEditForm)
 public:
  explicit MethodEditWidgets(QWidget* owner);
  void retranslate();

  QToolBar* toolBar = nullptr;
  QAction* newAction = nullptr;
  QAction* openAction = nullptr;
  QAction* saveAction = nullptr;
  QAction* generateScriptAction = nullptr;
  QAction* editScriptAction = nullptr;

  // "General".
  QGroupBox* generalGroup = nullptr;
  QLabel* programPathLabel = nullptr;
  QLineEdit* programPath = nullptr;
  QToolButton* browseButton = nullptr;
  QPushButton* editProgramButton = nullptr;
  QCheckBox* hideUnused = nullptr;
  QLabel* calcMethodLabel = nullptr;
  DropDownList* calcMethodList = nullptr;
  QToolButton* equationEditorButton = nullptr;
  QLabel* statisticsLabel = nullptr;
  QComboBox* statisticsList = nullptr;
  QLabel* electrolyteLabel = nullptr;
  QLineEdit* electrolyte = nullptr;

  // "Languages".
  QGroupBox* languagesGroup = nullptr;
  QListWidget* languageList = nullptr;
  QPushButton* addLanguageButton = nullptr;

  // "Localized options".
  QGroupBox* localizedGroup = nullptr;
  QLabel *subMenuLabel = nullptr, *titleLabel = nullptr, *methodNameLabel = nullptr;
  QLineEdit *subMenu = nullptr, *title = nullptr, *methodName = nullptr;
  QTabWidget* pages = nullptr;
  QWidget* commentsPage = nullptr;
  QTableWidget* comments = nullptr;  // "Original" | "Translation"
  QPushButton* removeStepButton = nullptr;
  QWidget* cellsPage = nullptr;
  QTableWidget* cells = nullptr;  // "Cell" | "Type" | "Description"
};

}  // namespace velmora
