#include "StartPanel.h"

#include <QCommandLinkButton>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

#include "VelmoraVersion.h"

static void initStartPanelResources() { Q_INIT_RESOURCE(velmora_va); }

namespace velmora {

namespace {

QLabel* heading(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setProperty("startHeading", true);
  return label;
}

QCommandLinkButton* linkButton(QWidget* parent, const char* objectName) {
  auto* button = new QCommandLinkButton(parent);
  button->setObjectName(QLatin1String(objectName));
  button->setCursor(Qt::PointingHandCursor);
  return button;
}

}  // namespace

StartPanel::StartPanel(QWidget* parent) : QWidget(parent) {
  initStartPanelResources();
  setObjectName(QStringLiteral("StartPanel"));
  setAttribute(Qt::WA_StyledBackground, true);
  setStyleSheet(QStringLiteral(
      "#StartPanel { background: #f4f6f9; }"
      "#StartCard { background: white; border: 1px solid #d5dbe3; border-radius: 10px; }"
      "QLabel[startHeading=\"true\"] { color: #1c4476; font-weight: bold; font-size: 14px; padding-top: 6px; }"
      "#StartTitle { color: #1c4476; font-size: 22px; font-weight: bold; }"
      "#StartSubtitle { color: #5a6577; }"
      "#StartSimulated { color: #8a5a00; background: #fff6e0; border: 1px solid #f0d48a; border-radius: 4px;"
      "  padding: 6px; }"
      "#StartNoRecent { color: #7a8594; }"
      "QCommandLinkButton { border: 1px solid transparent; border-radius: 6px; }"
      "QCommandLinkButton:hover { background: #eef4fb; border-color: #b7cde6; }"));

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 24, 24, 24);
  outer->addStretch(1);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  auto* card = new QFrame(this);
  card->setObjectName(QStringLiteral("StartCard"));
  card->setMaximumWidth(860);
  card->setMinimumWidth(560);
  row->addWidget(card, 4);
  row->addStretch(1);
  outer->addLayout(row);
  outer->addStretch(2);

  auto* cardLayout = new QVBoxLayout(card);
  cardLayout->setContentsMargins(28, 22, 28, 24);
  cardLayout->setSpacing(10);

  // The program's name beside its icon.
  auto* top = new QHBoxLayout;
  auto* icon = new QLabel(card);
  icon->setPixmap(QIcon(QStringLiteral(":/velmora/velmora-va.svg")).pixmap(56, 56));
  top->addWidget(icon);
  auto* names = new QVBoxLayout;
  title_ = new QLabel(card);
  title_->setObjectName(QStringLiteral("StartTitle"));
  subtitle_ = new QLabel(card);
  subtitle_->setObjectName(QStringLiteral("StartSubtitle"));
  names->addWidget(title_);
  names->addWidget(subtitle_);
  top->addLayout(names, 1);
  cardLayout->addLayout(top);

  auto* line = new QFrame(card);
  line->setFrameShape(QFrame::HLine);
  line->setStyleSheet(QStringLiteral("color: #e1e6ee;"));
  cardLayout->addWidget(line);
  // Where the analyzer's port is chosen, when a first start found none.
  portNote_ = new QLabel(card);
  portNote_->setObjectName(QStringLiteral("StartPortNote"));
  portNote_->setWordWrap(true);
  portNote_->setStyleSheet(QStringLiteral("background: #fff6d6; border: 1px solid #e8d48a; padding: 6px;"));
  portNote_->hide();
  cardLayout->addWidget(portNote_);

  auto* columns = new QGridLayout;
  columns->setHorizontalSpacing(28);
  columns->setColumnStretch(0, 1);
  columns->setColumnStretch(1, 1);
  cardLayout->addLayout(columns);

  // Left: start something.
  auto* left = new QVBoxLayout;
  left->setSpacing(4);
  startHeading_ = heading(card);
  left->addWidget(startHeading_);
  open_ = linkButton(card, "StartOpen");
  connect(open_, &QAbstractButton::clicked, this, &StartPanel::openRequested);
  left->addWidget(open_);
  record_ = linkButton(card, "StartRecord");
  connect(record_, &QAbstractButton::clicked, this, &StartPanel::firstRecordingRequested);
  left->addWidget(record_);
  wizard_ = linkButton(card, "StartWizard");
  connect(wizard_, &QAbstractButton::clicked, this, &StartPanel::wizardRequested);
  left->addWidget(wizard_);
  simulatedNote_ = new QLabel(card);
  simulatedNote_->setObjectName(QStringLiteral("StartSimulated"));
  simulatedNote_->setWordWrap(true);
  left->addWidget(simulatedNote_);
  guide_ = linkButton(card, "StartGuide");
  connect(guide_, &QAbstractButton::clicked, this, &StartPanel::helpRequested);
  left->addWidget(guide_);
  examplesHeading_ = heading(card);
  left->addWidget(examplesHeading_);
  examplesLayout_ = new QVBoxLayout;
  examplesLayout_->setSpacing(2);
  left->addLayout(examplesLayout_);
  left->addStretch(1);
  columns->addLayout(left, 0, 0);

  // Right: the documents opened lately.
  auto* right = new QVBoxLayout;
  right->setSpacing(2);
  recentHeading_ = heading(card);
  right->addWidget(recentHeading_);
  recentLayout_ = new QVBoxLayout;
  recentLayout_->setSpacing(2);
  right->addLayout(recentLayout_);
  right->addStretch(1);
  columns->addLayout(right, 0, 1);

  retranslateUi();
}

const char* const StartPanel::kNoAnalyzerPort =
    QT_TRANSLATE_NOOP("Messages",
                      "No analyzer was found on the serial ports of this computer, so no port was opened. Connect "
                      "the analyzer and choose its port in Settings..., \"Ports\".");

void StartPanel::setPortNote(const char* catalogueText) {
  portNoteText_ = catalogueText;
  portNote_->setVisible(portNoteText_ != nullptr);
  retranslateUi();
}

void StartPanel::retranslateUi() {
  if (portNoteText_) portNote_->setText(QCoreApplication::translate("Messages", portNoteText_));
  title_->setText(tr("Velmora-VA"));
  subtitle_->setText(tr("Stripping-voltammetry workstation, version %1").arg(QString::fromLatin1(build::kVersion)));
  startHeading_->setText(tr("Start"));
  recentHeading_->setText(tr("Recent documents"));
  examplesHeading_->setText(tr("Examples"));
  open_->setText(tr("Open a document..."));
  static_cast<QCommandLinkButton*>(open_)->setDescription(tr("A document (.tvx) or a folder database (.mbd)"));
  record_->setText(tr("Record a first voltammogram"));
  static_cast<QCommandLinkButton*>(record_)->setDescription(
      tr("From the built-in analyzer emulator, without an instrument"));
  wizard_->setText(tr("Start the measurement wizard"));
  static_cast<QCommandLinkButton*>(wizard_)->setDescription(tr("A complete analysis from a method to the report"));
  simulatedNote_->setText(
      tr("The emulator simulates the analyzer: its curves are simulated data, not measurements, and are marked "
         "\"[EMULATOR - simulated]\". Recording from it sets the port in Settings, \"Ports\" to \"emulator\" "
         "after you agree."));
  guide_->setText(tr("User guide"));
  static_cast<QCommandLinkButton*>(guide_)->setDescription(
      tr("A first voltammogram, peaks, concentrations, methods and reports step by step"));
  fillRecent();
  fillExamples();
}

void StartPanel::clearLayout(QVBoxLayout* layout) {
  // Later: a button may be the sender of the signal being handled.
  while (QLayoutItem* item = layout->takeAt(0)) {
    if (QWidget* w = item->widget()) {
      w->hide();
      w->deleteLater();
    }
    delete item;
  }
}

void StartPanel::setRecentFiles(const QStringList& files) {
  recentFiles_ = files.mid(0, kMaxRecent);
  fillRecent();
}

void StartPanel::fillRecent() {
  clearLayout(recentLayout_);
  recentButtons_.clear();
  if (recentFiles_.isEmpty()) {
    auto* none = new QLabel(tr("No documents opened yet."), this);
    none->setObjectName(QStringLiteral("StartNoRecent"));
    recentLayout_->addWidget(none);
    return;
  }
  for (const QString& file : std::as_const(recentFiles_)) {
    const QFileInfo info(file);
    auto* button = linkButton(this, "StartRecent");
    button->setText(info.fileName());
    button->setDescription(QDir::toNativeSeparators(info.absolutePath()));
    button->setToolTip(QDir::toNativeSeparators(file));
    connect(button, &QAbstractButton::clicked, this, [this, file] { emit recentRequested(file); });
    recentLayout_->addWidget(button);
    recentButtons_ << button;
  }
}

void StartPanel::setExamples(const QList<Example>& examples) {
  examples_ = examples;
  fillExamples();
}

void StartPanel::fillExamples() {
  clearLayout(examplesLayout_);
  exampleButtons_.clear();
  examplesHeading_->setVisible(!examples_.isEmpty());
  for (const Example& example : std::as_const(examples_)) {
    auto* button = linkButton(this, "StartExample");
    button->setText(example.title);
    button->setDescription(example.description.isEmpty()
                               ? tr("Simulated voltammograms recorded from the analyzer emulator")
                               : example.description);
    button->setToolTip(QDir::toNativeSeparators(example.path));
    const QString path = example.path;
    connect(button, &QAbstractButton::clicked, this, [this, path] { emit exampleRequested(path); });
    examplesLayout_->addWidget(button);
    exampleButtons_ << button;
  }
}

void StartPanel::setRecordingAvailable(bool available) { record_->setEnabled(available); }

void StartPanel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    retranslateUi();
    // The lists hold texts of the language as well.
    fillRecent();
    fillExamples();
  }
  QWidget::changeEvent(event);
}

void StartPanel::showEvent(QShowEvent* event) {
  emit shown();
  QWidget::showEvent(event);
}

}  // namespace velmora
