#include "SplashWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QVBoxLayout>

#include "Messages.h"
#include "UiText.h"
#include "VelmoraVersion.h"

namespace velmora {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("SplashWindow");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 18, 24, 18);
  title_ = new QLabel(this);
  QFont f = title_->font();
  f.setPointSizeF(f.pointSizeF() * 1.6);
  f.setBold(true);
  title_->setFont(f);
  status_ = new QLabel(this);
  version_ = new QLabel(this);
  version_->setObjectName("SplashVersion");
  version_->setStyleSheet("color: #5a6577;");
  shown_ = Message(msg::SplashStarting);
  retranslateUi();
  layout->addWidget(title_);
  layout->addWidget(version_);
  layout->addWidget(status_);
  setStyleSheet("#SplashWindow { background: #f4f6f9; border: 1px solid #8a98ad; }");
  resize(360, 130);
}

void SplashWindow::retranslateUi() {
  setWindowTitle(QCoreApplication::translate("Messages", msg::SplashStarting));
  title_->setText(QCoreApplication::translate("Messages", msg::AppTitle));
  version_->setText(
      QCoreApplication::translate("SplashWindow", "Version %1").arg(QString::fromLatin1(build::kVersion)));
  status_->setText(UiText::message(shown_));
}

void SplashWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslateUi();
  QWidget::changeEvent(event);
}

void SplashWindow::showStatus(const char* catalogueText) { showStatus(Message(catalogueText)); }

void SplashWindow::showStatus(const Message& message) {
  shown_ = message;
  status_->setText(UiText::message(message));
  QCoreApplication::processEvents();
}

}  // namespace velmora
