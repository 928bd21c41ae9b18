#include "MethodEditWidgets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "ActionIcons.h"

namespace velmora {

namespace {

template <typename W>
W* named(W* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

}  // namespace

MethodEditWidgets::MethodEditWidgets(QWidget* owner) {
  toolBar = named(new QToolBar(owner), "MethodEditToolBar");
  toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  toolBar->setIconSize(QSize(20, 20));
  using K = ActionIcons::Kind;
  newAction = named(toolBar->addAction(ActionIcons::icon(K::New), QString()), "MethodNewAction");
  openAction = named(toolBar->addAction(ActionIcons::icon(K::Open), QString()), "MethodOpenAction");
  saveAction = named(toolBar->addAction(ActionIcons::icon(K::Save), QString()), "MethodSaveAction");
  toolBar->addSeparator();
  generateScriptAction =
      named(toolBar->addAction(ActionIcons::icon(K::GenerateScript), QString()), "GenerateScriptAction");
  editScriptAction = named(toolBar->addAction(ActionIcons::icon(K::EditScript), QString()), "EditScriptAction");

  // General.
  generalGroup = named(new QGroupBox(owner), "GeneralGroup");
  programPathLabel = new QLabel(generalGroup);
  programPath = named(new QLineEdit(generalGroup), "ProgramPathEdit");
  browseButton = named(new QToolButton(generalGroup), "ProgramBrowseButton");
  browseButton->setText(QStringLiteral("..."));
  editProgramButton = named(new QPushButton(generalGroup), "EditProgramButton");
  hideUnused = named(new QCheckBox(generalGroup), "HideUnusedCheck");
  calcMethodLabel = new QLabel(generalGroup);
  calcMethodList = named(new DropDownList(generalGroup), "CalcMethodList");
  calcMethodList->setMinimumWidth(260);
  equationEditorButton = named(new QToolButton(generalGroup), "EquationEditorButton");
  equationEditorButton->setText(QStringLiteral("f(x)"));
  statisticsLabel = new QLabel(generalGroup);
  statisticsList = named(new QComboBox(generalGroup), "StatisticsList");
  electrolyteLabel = new QLabel(generalGroup);
  electrolyte = named(new QLineEdit(generalGroup), "ElectrolyteEdit");
  electrolyte->setMaxLength(255);

  auto* general = new QGridLayout(generalGroup);
  general->addWidget(programPathLabel, 0, 0);
  auto* path = new QHBoxLayout;
  path->addWidget(programPath, 1);
  path->addWidget(browseButton);
  path->addWidget(editProgramButton);
  general->addLayout(path, 0, 1);
  general->addWidget(hideUnused, 1, 1);
  general->addWidget(calcMethodLabel, 2, 0);
  auto* calc = new QHBoxLayout;
  calc->addWidget(calcMethodList, 1);
  calc->addWidget(equationEditorButton);
  general->addLayout(calc, 2, 1);
  general->addWidget(statisticsLabel, 3, 0);
  general->addWidget(statisticsList, 3, 1);
  general->addWidget(electrolyteLabel, 4, 0);
  general->addWidget(electrolyte, 4, 1);
  general->setColumnStretch(1, 1);

  // Languages.
  languagesGroup = named(new QGroupBox(owner), "LanguagesGroup");
  languageList = named(new QListWidget(languagesGroup), "LanguageList");
  addLanguageButton = named(new QPushButton(languagesGroup), "AddLanguageButton");
  auto* languages = new QVBoxLayout(languagesGroup);
  languages->addWidget(languageList, 1);
  languages->addWidget(addLanguageButton, 0, Qt::AlignLeft);
  languagesGroup->setMaximumWidth(220);

  // Localized options.
  localizedGroup = named(new QGroupBox(owner), "LocalizedGroup");
  subMenuLabel = new QLabel(localizedGroup);
  titleLabel = new QLabel(localizedGroup);
  methodNameLabel = new QLabel(localizedGroup);
  subMenu = named(new QLineEdit(localizedGroup), "SubMenuEdit");
  title = named(new QLineEdit(localizedGroup), "TitleEdit");
  methodName = named(new QLineEdit(localizedGroup), "MethodNameEdit");
  for (QLineEdit* e : {subMenu, title, methodName}) e->setMaxLength(255);
  pages = named(new QTabWidget(localizedGroup), "LocalizedPages");
  commentsPage = new QWidget(pages);
  comments = named(new QTableWidget(0, 2, commentsPage), "StepCommentsGrid");
  comments->verticalHeader()->setVisible(false);
  comments->horizontalHeader()->setStretchLastSection(true);
  comments->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  comments->setSelectionBehavior(QAbstractItemView::SelectRows);
  comments->setSelectionMode(QAbstractItemView::SingleSelection);
  removeStepButton = named(new QPushButton(commentsPage), "RemoveStepButton");
  auto* commentsLayout = new QVBoxLayout(commentsPage);
  commentsLayout->addWidget(comments, 1);
  commentsLayout->addWidget(removeStepButton, 0, Qt::AlignLeft);
  cellsPage = new QWidget(pages);
  cells = named(new QTableWidget(0, 3, cellsPage), "CellsGrid");
  cells->verticalHeader()->setVisible(false);
  cells->horizontalHeader()->setStretchLastSection(true);
  cells->setColumnWidth(0, 60);
  cells->setColumnWidth(1, 200);
  auto* cellsLayout = new QVBoxLayout(cellsPage);
  cellsLayout->addWidget(cells, 1);
  pages->addTab(commentsPage, QString());
  pages->addTab(cellsPage, QString());

  auto* localized = new QVBoxLayout(localizedGroup);
  auto* names = new QFormLayout;
  names->addRow(subMenuLabel, subMenu);
  names->addRow(titleLabel, title);
  names->addRow(methodNameLabel, methodName);
  localized->addLayout(names);
  localized->addWidget(pages, 1);

  auto* lower = new QHBoxLayout;
  lower->addWidget(languagesGroup);
  lower->addWidget(localizedGroup, 1);
  auto* layout = new QVBoxLayout(owner);
  layout->setMenuBar(toolBar);
  layout->addWidget(generalGroup);
  layout->addLayout(lower, 1);
}

void MethodEditWidgets::retranslate() {
  newAction->setText(tr("New"));
  openAction->setText(tr("Open"));
  saveAction->setText(tr("Save"));
  generateScriptAction->setText(tr("Generate script"));
  editScriptAction->setText(tr("Edit script"));
  generalGroup->setTitle(tr("General"));
  programPathLabel->setText(tr("Program file path"));
  editProgramButton->setText(tr("Edit VA program"));
  hideUnused->setText(tr("Hide unused controls"));
  calcMethodLabel->setText(tr("Calculation method"));
  equationEditorButton->setToolTip(tr("Equation editor..."));
  statisticsLabel->setText(tr("Statistics"));
  electrolyteLabel->setText(tr("Supporting electrolyte"));
  languagesGroup->setTitle(tr("Languages"));
  addLanguageButton->setText(tr("Add"));
  localizedGroup->setTitle(tr("Localized options"));
  subMenuLabel->setText(tr("Sub menu"));
  titleLabel->setText(tr("Title"));
  methodNameLabel->setText(tr("Method name"));
  pages->setTabText(0, tr("Step comments"));
  pages->setTabText(1, tr("Autosampler cells"));
  comments->setHorizontalHeaderLabels({tr("Original"), tr("Translation")});
  removeStepButton->setText(tr("Remove step"));
  cells->setHorizontalHeaderLabels({tr("Cell"), tr("Type"), tr("Description")});
}

}  // namespace velmora
