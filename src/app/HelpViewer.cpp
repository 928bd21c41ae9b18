#include "HelpViewer.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QKeySequence>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include "HelpContextMap.h"
#include "HelpContexts.h"

namespace velmora {

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("HelpViewer"));
  setProperty("helpContext", help::Contents);
  resize(980, 760);

  auto* tools = new QToolBar(this);
  tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
  contents_ = tools->addAction(QString());
  contents_->setObjectName(QStringLiteral("HelpContents"));
  back_ = tools->addAction(QString());
  back_->setObjectName(QStringLiteral("HelpBack"));
  back_->setShortcut(QKeySequence::Back);
  back_->setEnabled(false);
  forward_ = tools->addAction(QString());
  forward_->setObjectName(QStringLiteral("HelpForward"));
  forward_->setShortcut(QKeySequence::Forward);
  forward_->setEnabled(false);

  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("HelpBrowser"));
  browser_->setOpenExternalLinks(true);
  browser_->setOpenLinks(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(tools);
  layout->addWidget(browser_, 1);

  connect(contents_, &QAction::triggered, this, &HelpViewer::showContents);
  connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
  connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? tr("Help") : tr("Help - %1").arg(title));
  });
  retranslateUi();
}

void HelpViewer::showPage(const QString& page, const QString& anchor) {
  folder_ = QFileInfo(page).absolutePath();
  QUrl url = QUrl::fromLocalFile(page);
  if (!anchor.isEmpty()) url.setFragment(anchor);
  browser_->setSource(url);
  // Also when only the place on the page shown changes.
  if (!anchor.isEmpty()) {
    browser_->scrollToAnchor(anchor);
    // The anchor sits inside its heading: show the whole heading.
    QScrollBar* bar = browser_->verticalScrollBar();
    bar->setValue(qMax(bar->minimum(), bar->value() - 2 * browser_->fontMetrics().lineSpacing()));
  }
}

void HelpViewer::showContents() {
  if (folder_.isEmpty()) return;
  showPage(QDir(folder_).filePath(QString::fromLatin1(HelpContextMap::kContentsPage)), {});
}

QUrl HelpViewer::currentUrl() const { return browser_->source(); }

void HelpViewer::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslateUi();
  QWidget::changeEvent(event);
}

void HelpViewer::retranslateUi() {
  const QString title = browser_->documentTitle();
  setWindowTitle(title.isEmpty() ? tr("Help") : tr("Help - %1").arg(title));
  contents_->setText(tr("Contents"));
  back_->setText(tr("Back"));
  forward_->setText(tr("Forward"));
}

}  // namespace velmora
