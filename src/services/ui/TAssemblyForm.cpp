#include "TAssemblyForm.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "AssemblyPicture.h"
#include "Messages.h"
#include "UiText.h"

namespace velmora {

namespace {

struct SetupButton {
  int setup;
  const char* caption;
  const char* picture;  // the picture on the button
};

// In the order of the start page.
constexpr SetupButton kSetups[4] = {
    {AssemblyPlan::Analyzer, QT_TRANSLATE_NOOP("velmora::TAssemblyForm", "Assembling the Analyzer "),
     "Analyzer/26.svg"},
    {AssemblyPlan::Rde, QT_TRANSLATE_NOOP("velmora::TAssemblyForm", "RDE + Analyzer"), "RDE/37.svg"},
    {AssemblyPlan::Autosampler, QT_TRANSLATE_NOOP("velmora::TAssemblyForm", "Autosampler + Analyzer"),
     "Autosampler/20.svg"},
    {AssemblyPlan::Stirrer, QT_TRANSLATE_NOOP("velmora::TAssemblyForm", "Stirrer + Analyzer"), "Stirrer/54.svg"},
};

QString catalogue(const char* text) { return QCoreApplication::translate("Messages", text); }

}  // namespace

TAssemblyForm::TAssemblyForm(const QString& picturesFolder, QWidget* parent)
    : QDialog(parent), folder_(picturesFolder) {
  setObjectName(QStringLiteral("AssemblyForm"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  timer_ = new QTimer(this);
  timer_->setInterval(AssemblyPlan::FrameMs);
  connect(timer_, &QTimer::timeout, this, &TAssemblyForm::tick);

  pages_ = new QStackedWidget(this);
  // Start page: the four set-ups.
  auto* start = new QWidget(pages_);
  auto* grid = new QGridLayout(start);
  chooseLabel_ = new QLabel(start);
  chooseLabel_->setAlignment(Qt::AlignCenter);
  grid->addWidget(chooseLabel_, 0, 0, 1, 2);
  const QSize iconSize(210, 140);
  for (int i = 0; i < 4; ++i) {
    auto* b = new QToolButton(start);
    b->setObjectName(QStringLiteral("SetupButton%1").arg(kSetups[i].setup));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setIconSize(iconSize);
    b->setAutoRaise(false);
    b->setMinimumSize(iconSize + QSize(20, 40));
    const QPixmap icon = AssemblyPicture::render(QDir(folder_).filePath(QLatin1String(kSetups[i].picture)), iconSize);
    if (!icon.isNull()) b->setIcon(QIcon(icon));
    const int setup = kSetups[i].setup;
    connect(b, &QToolButton::clicked, this, [this, setup] { chooseSetup(setup); });
    grid->addWidget(b, 1 + i / 2, i % 2);
    setupButtons_[i] = b;
  }
  pages_->addWidget(start);

  // Animation page: picture, instruction, buttons.
  auto* anim = new QWidget(pages_);
  auto* v = new QVBoxLayout(anim);
  picture_ = new AssemblyPicture(anim);
  picture_->setFixedSize(PictureWidth, PictureHeight);
  picture_->leftClicked = [this] { faster(); };
  picture_->rightClicked = [this] { slower(); };
  v->addWidget(picture_, 0, Qt::AlignHCenter);
  instruction_ = new QLabel(anim);
  instruction_->setObjectName(QStringLiteral("InstructionLabel"));
  instruction_->setWordWrap(true);
  instruction_->setMinimumHeight(48);
  instruction_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  v->addWidget(instruction_);
  auto* buttons = new QHBoxLayout;
  back_ = new QPushButton(anim);
  back_->setObjectName(QStringLiteral("BackButton"));
  next_ = new QPushButton(anim);
  next_->setObjectName(QStringLiteral("NextButton"));
  next_->setDefault(true);
  help_ = new QPushButton(anim);
  help_->setObjectName(QStringLiteral("HelpButton"));
  // Shown once something can open the help.
  help_->hide();
  buttons->addStretch(1);
  buttons->addWidget(back_);
  buttons->addWidget(next_);
  buttons->addWidget(help_);
  v->addLayout(buttons);
  pages_->addWidget(anim);
  connect(back_, &QPushButton::clicked, this, &TAssemblyForm::back);
  connect(next_, &QPushButton::clicked, this, &TAssemblyForm::next);
  connect(help_, &QPushButton::clicked, this, &TAssemblyForm::showHelp);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  retranslate();
  goToStep(-1);
  setFixedSize(sizeHint().expandedTo(QSize(PictureWidth + 40, PictureHeight + 130)));
}

TAssemblyForm::~TAssemblyForm() = default;

void TAssemblyForm::setHelpHandler(std::function<void(int)> handler) {
  help_handler_ = std::move(handler);
  help_->setVisible(static_cast<bool>(help_handler_));
}

void TAssemblyForm::showHelp() {
  if (help_handler_) help_handler_(HelpContext);
}

void TAssemblyForm::chooseSetup(int setup) {
  plan_ = AssemblyPlan::Build(setup);
  if (plan_.steps().empty()) return;
  setup_ = setup;
  goToStep(0);
}

void TAssemblyForm::goToStep(int step) {
  if (step < 0) {
    stopAnimation();
    step_ = -1;
    pages_->setCurrentIndex(0);
    return;
  }
  const auto& steps = plan_.steps();
  if (step >= static_cast<int>(steps.size())) {
    stopAnimation();
    close();
    return;
  }
  step_ = step;
  updateNextCaption();
  pages_->setCurrentIndex(1);
  const AssemblyPlan::Step& s = steps[static_cast<std::size_t>(step)];
  firstFrame_ = s.first;
  lastFrame_ = s.last;
  if (!s.connection) {
    instruction_->setText(catalogue(s.instruction));
    restartAnimation();
    return;
  }
  // The connection setup: not while the analyzer records or is on line.
  if (analyzerBusy && analyzerBusy()) {
    stopAnimation();
    close();
    return;
  }
  instruction_->setText(catalogue(msg::AssemblyConnectionSetup));
  restartAnimation();
  if (openConnectionSettings) openConnectionSettings();
}

void TAssemblyForm::updateNextCaption() { next_->setText(step_ < plan_.stepCount() ? tr("Next") : tr("Close")); }

void TAssemblyForm::restartAnimation() {
  nextFrame_ = firstFrame_;
  tick();
}

void TAssemblyForm::stopAnimation() { timer_->stop(); }

bool TAssemblyForm::animating() const { return timer_->isActive(); }
int TAssemblyForm::interval() const { return timer_->interval(); }

void TAssemblyForm::tick() {
  const auto& frames = plan_.frames();
  if (nextFrame_ < 0 || nextFrame_ >= static_cast<int>(frames.size())) return;
  const AssemblyPlan::Frame& f = frames[static_cast<std::size_t>(nextFrame_)];
  if (!picture_->load(QDir(folder_).filePath(QString::fromStdString(f.file)))) {
    picture_->showMessage(catalogue(msg::AssemblyAnimationError));
    stopAnimation();
    return;
  }
  shownFrame_ = nextFrame_;
  timer_->start(f.duration);
  // The step's pictures loop.
  nextFrame_ = nextFrame_ < lastFrame_ ? nextFrame_ + 1 : firstFrame_;
}

void TAssemblyForm::faster() {
  if (timer_->interval() >= SpeedStepMs) timer_->setInterval(timer_->interval() - SpeedStepMs);
}

void TAssemblyForm::slower() { timer_->setInterval(timer_->interval() + SpeedStepMs); }

bool TAssemblyForm::onStartPage() const { return pages_->currentIndex() == 0; }
QString TAssemblyForm::instruction() const { return instruction_->text(); }
QString TAssemblyForm::pictureMessage() const { return picture_->message(); }

void TAssemblyForm::closeEvent(QCloseEvent* event) {
  stopAnimation();
  QDialog::closeEvent(event);
}

void TAssemblyForm::hideEvent(QHideEvent* event) {
  stopAnimation();
  QDialog::hideEvent(event);
}

void TAssemblyForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

void TAssemblyForm::retranslate() {
  setWindowTitle(tr("Assembly assistant"));
  chooseLabel_->setText(tr("Choose what to assemble:"));
  for (int i = 0; i < 4; ++i) setupButtons_[i]->setText(tr(kSetups[i].caption));
  back_->setText(tr("Back"));
  help_->setText(tr("Help"));
  if (step_ >= 0) {
    updateNextCaption();
    const AssemblyPlan::Step& s = plan_.steps()[static_cast<std::size_t>(step_)];
    instruction_->setText(catalogue(s.connection ? msg::AssemblyConnectionSetup : s.instruction));
  } else {
    next_->setText(tr("Next"));
  }
}

}  // namespace velmora
