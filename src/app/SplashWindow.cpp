#include "SplashWindow.h"

#include <QCoreApplication>
#include <QVBoxLayout>

#include "Messages.h"
#include "UiText.h"
#include "VelmoraVersion.h"

namespace velmora {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("SplashWindow");
  setWindowTitle(QCoreApplication::translate("Messages", msg::SplashStarting));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 18, 24, 18);
  title_ = new QLabel(QCoreApplication::translate("Messages", msg::AppTitle), this);
  QFont f = title_->font();
  f.setPointSizeF(f.pointSizeF() * 1.6);
  f.setBold(true);
  title_->setFont(f);
  status_ = new QLabel(QCoreApplication::translate("Messages", msg::SplashStarting), this);
  auto* version = new QLabel(
      QCoreApplication::translate("SplashWindow", "Version %1").arg(QString::fromLatin1(build::kVersion)), this);
  version->setObjectName("SplashVersion");
  version->setStyleSheet("color: #5a6577;");
  layout->addWidget(title_);
  layout->addWidget(version);
  layout->addWidget(status_);
  setStyleSheet("#SplashWindow { background: #f4f6f9; border: 1px solid #8a98ad; }");
  resize(360, 130);
}

void SplashWindow::showStatus(const char* catalogueText) {
  status_->setText(QCoreApplication::translate("Messages", catalogueText));
  QCoreApplication::processEvents();
}

void SplashWindow::showStatus(const Message& message) {
  status_->setText(UiText::message(message));
  QCoreApplication::processEvents();
}

}  // namespace velmora
