#include "TOptionsForm.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaMethod>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "MessageSink.h"
#include "Messages.h"
#include "OptionsCalibrationPage.h"
#include "OptionsGeneralPage.h"
#include "OptionsImagesPage.h"
#include "OptionsPortsPage.h"
#include "UiText.h"

namespace velmora {

namespace {

constexpr const char* PageNames[] = {QT_TRANSLATE_NOOP("TOptionsForm", "General"),
                                     QT_TRANSLATE_NOOP("TOptionsForm", "Ports"),
                                     QT_TRANSLATE_NOOP("TOptionsForm", "Calibration (Experts only)"),
                                     QT_TRANSLATE_NOOP("TOptionsForm", "Images and colors")};

constexpr const char* PageHelp[] = {
    QT_TRANSLATE_NOOP("TOptionsForm",
                      "Where recorded curves are kept (separate document files or one central database folder), "
                      "how new recordings enter the document tree, automatic update checks and backups, and the "
                      "folder that holds the settings and other per-user files."),
    QT_TRANSLATE_NOOP("TOptionsForm",
                      "The serial port of the analyzer. Choosing a port opens it at once; \"Test\" resets the "
                      "analyzer and shows its status, firmware version and autosampler."),
    QT_TRANSLATE_NOOP("TOptionsForm",
                      "The analyzer's calibration data. \"Measure\" reads the current through the reference "
                      "resistor with the bench values last applied, \"Calibr\" computes the gain of the chosen "
                      "range from it, \"Apply\" stores the page in the analyzer and \"Reload\" reads it back."),
    QT_TRANSLATE_NOOP("TOptionsForm",
                      "The size, margins and colours of the thumbnails, and the colours of the main chart's "
                      "background and peaks.")};

}  // namespace

TOptionsForm::TOptionsForm(IOptionsDeviceHost* host, IMessageSink& sink, QWidget* parent)
    : QDialog(parent), host_(host), sink_(sink) {
  setObjectName(QStringLiteral("OptionsForm"));
  setModal(true);

  tree_ = new QTreeWidget(this);
  tree_->setObjectName(QStringLiteral("PageTree"));
  tree_->setHeaderHidden(true);
  tree_->setRootIsDecorated(true);
  tree_->setFixedWidth(190);
  auto* general = new QTreeWidgetItem(tree_);
  auto* ports = new QTreeWidgetItem(general);
  auto* calibration = new QTreeWidgetItem(tree_);
  auto* images = new QTreeWidgetItem(tree_);
  general->setData(0, Qt::UserRole, General);
  ports->setData(0, Qt::UserRole, Ports);
  calibration->setData(0, Qt::UserRole, Calibration);
  images->setData(0, Qt::UserRole, Images);
  tree_->expandAll();

  title_ = new QLabel(this);
  title_->setObjectName(QStringLiteral("PageTitle"));
  QFont bold = title_->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.2);
  title_->setFont(bold);
  title_->setFrameShape(QFrame::StyledPanel);
  title_->setAutoFillBackground(true);
  title_->setBackgroundRole(QPalette::Base);
  title_->setMargin(4);

  general_ = new OptionsGeneralPage(this);
  ports_ = new OptionsPortsPage(host_, sink_, this);
  calibration_ = new OptionsCalibrationPage(host_, sink_, this);
  images_ = new OptionsImagesPage(this);
  stack_ = new QStackedWidget(this);
  stack_->addWidget(general_);
  stack_->addWidget(ports_);
  stack_->addWidget(calibration_);
  stack_->addWidget(images_);

  ok_ = text_.bind(new QPushButton(this), QT_TRANSLATE_NOOP("TOptionsForm", "OK"));
  cancel_ = text_.bind(new QPushButton(this), QT_TRANSLATE_NOOP("TOptionsForm", "Cancel"));
  reset_ = text_.bind(new QPushButton(this), QT_TRANSLATE_NOOP("TOptionsForm", "Reset"));
  help_ = text_.bind(new QPushButton(this), QT_TRANSLATE_NOOP("TOptionsForm", "Help"));
  ok_->setObjectName(QStringLiteral("OkButton"));
  cancel_->setObjectName(QStringLiteral("CancelButton"));
  reset_->setObjectName(QStringLiteral("ResetButton"));
  help_->setObjectName(QStringLiteral("HelpButton"));
  ok_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(reset_);
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  buttons->addWidget(help_);

  auto* right = new QVBoxLayout;
  right->addWidget(title_);
  right->addWidget(stack_, 1);
  auto* body = new QHBoxLayout;
  body->addWidget(tree_);
  body->addLayout(right, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addLayout(buttons);

  connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) { onCurrentItem(current); });
  connect(ok_, &QPushButton::clicked, this, &TOptionsForm::accept);
  connect(cancel_, &QPushButton::clicked, this, &TOptionsForm::reject);
  connect(reset_, &QPushButton::clicked, this, [this] { resetPage(); });
  connect(help_, &QPushButton::clicked, this, [this] { showHelp(); });
  // A reset reads the analyzer's calibration anew.
  connect(ports_, &OptionsPortsPage::testFinished, calibration_, [this] { calibration_->showDevice(); });

  retranslate();
  selectPage(General);
  resize(780, 560);
}

TOptionsForm::~TOptionsForm() = default;

QTreeWidgetItem* TOptionsForm::item(Page page) const {
  QTreeWidgetItem* general = tree_->topLevelItem(0);
  switch (page) {
    case General:
      return general;
    case Ports:
      return general->child(0);
    case Calibration:
      return tree_->topLevelItem(1);
    default:
      return tree_->topLevelItem(2);
  }
}

void TOptionsForm::load(const Options& options, const std::filesystem::path& dataFolder) {
  loaded_ = options;
  general_->load(options, dataFolder);
  images_->load(options);
  ports_->load();
  calibration_->showDevice();
}

void TOptionsForm::store(Options& options) const {
  general_->store(options);
  images_->store(options);
}

void TOptionsForm::setTag(int tag) {
  tag_ = tag;
  tree_->setEnabled(tag != 1);
  if (tag == 1) selectPage(Ports);
}

void TOptionsForm::selectPage(Page page) {
  if (tree_->currentItem() == item(page))
    onCurrentItem(item(page));
  else
    tree_->setCurrentItem(item(page));
}

TOptionsForm::Page TOptionsForm::currentPage() const {
  QTreeWidgetItem* current = tree_->currentItem();
  return current ? static_cast<Page>(current->data(0, Qt::UserRole).toInt()) : General;
}

QString TOptionsForm::pageTitle() const { return title_->text(); }

void TOptionsForm::onCurrentItem(QTreeWidgetItem* current) {
  if (!current) return;
  const int page = current->data(0, Qt::UserRole).toInt();
  stack_->setCurrentIndex(page);
  title_->setText(QLatin1Char(' ') + current->text(0));
  reset_->setEnabled(page != Ports);
}

void TOptionsForm::resetPage() {
  switch (currentPage()) {
    case General:
      general_->reset();
      break;
    case Calibration:
      calibration_->reset();
      break;
    case Images:
      images_->reset();
      break;
    default:
      break;  // the port has no default
  }
}

void TOptionsForm::accept() {
  if (general_->centralDatabase()->isChecked()) {
    // Recordings would go nowhere: the database needs an existing folder.
    const std::string dir = OptionsGeneralPage::saveDirFor(general_->location(), loaded_.saveDir);
    if (dir.empty() || !QFileInfo(UiText::fromStd(dir)).isDir()) {
      selectPage(General);
      const QString shown = general_->location().isEmpty() ? UiText::fromStd(dir) : general_->location();
      sink_.warning(Message(msg::OptionsSaveDirMissing, {UiText::toStd(shown)}));
      general_->locationEdit()->setFocus();
      return;
    }
  }
  QDialog::accept();
}

void TOptionsForm::showHelp() {
  const int context = helpContext();
  if (isSignalConnected(QMetaMethod::fromSignal(&TOptionsForm::helpRequested))) {
    emit helpRequested(context);
    return;
  }
  // Without a help viewer the page explains itself.
  QMessageBox::information(this, pageTitle().trimmed(), text_.text(PageHelp[currentPage()]));
}

void TOptionsForm::retranslate() {
  setWindowTitle(tr("Options"));
  for (int p = 0; p < PageCount; ++p) item(static_cast<Page>(p))->setText(0, text_.text(PageNames[p]));
  fitTree();
  text_.retranslate();
  if (tree_->currentItem()) title_->setText(QLatin1Char(' ') + tree_->currentItem()->text(0));
}

// The page tree is as wide as its longest page name in the current language.
void TOptionsForm::fitTree() {
  int widest = 0;
  for (int p = 0; p < PageCount; ++p) {
    const QTreeWidgetItem* it = item(static_cast<Page>(p));
    int depth = 1;
    for (const QTreeWidgetItem* up = it->parent(); up; up = up->parent()) ++depth;
    widest = std::max(widest, depth * tree_->indentation() + tree_->fontMetrics().horizontalAdvance(it->text(0)));
  }
  const int frame = 2 * tree_->frameWidth() + 16;
  tree_->setFixedWidth(std::clamp(widest + frame, 150, 420));
}

void TOptionsForm::showEvent(QShowEvent* event) {
  if (tag_ == 1) selectPage(Ports);
  QDialog::showEvent(event);
}

void TOptionsForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

}  // namespace velmora
