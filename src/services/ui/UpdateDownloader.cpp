#include "UpdateDownloader.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "FormatError.h"
#include "Messages.h"
#include "PrivateFolder.h"
#include "UiText.h"
#include "UpdateCatalogue.h"

namespace velmora {

namespace {

QString text(const Message& m) { return UiText::message(m); }

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

}  // namespace

UpdateDownloader::UpdateDownloader(QNetworkAccessManager& manager, QObject* parent)
    : QObject(parent), manager_(manager) {}

UpdateDownloader::~UpdateDownloader() { cancel(); }

bool UpdateDownloader::busy() const { return !reply_.isNull(); }

void UpdateDownloader::fetch(const QUrl& url, qint64 maxBytes) {
  cancel();
  toFile_ = false;
  maxBytes_ = maxBytes;
  expected_ = 0;
  start(url);
}

void UpdateDownloader::download(const QUrl& url, const QString& folder, const QString& fileName, qint64 maxSize,
                                const QByteArray& sha256Hex) {
  cancel();
  toFile_ = true;
  maxBytes_ = maxSize;
  expected_ = maxSize;
  sha256_ = sha256Hex.toLower();
  path_ = QDir(folder).filePath(fileName);
  partPath_ = path_ + QStringLiteral(".part");
  hash_.reset();
  QString why;
  try {
    fd_ = PrivateFolder::CreateFile(UiText::toStd(partPath_));
  } catch (const EFormatError& e) {
    why = UiText::message(e.message());
  }
  if (fd_ < 0) {
    // Reported once the caller is ready for it.
    QMetaObject::invokeMethod(
        this,
        [this, why] {
          emit failed(text(Message(msg::UpdateCannotSave, {UiText::toStd(path_), UiText::toStd(why)})));
        },
        Qt::QueuedConnection);
    return;
  }
  start(url);
}

void UpdateDownloader::start(const QUrl& url) {
  received_ = 0;
  announced_ = -1;
  body_.clear();
  if (!UpdateCatalogue::IsAllowedAddress(UiText::toStd(url.toString()))) {
    const QString address = url.toString();
    QMetaObject::invokeMethod(
        this, [this, address] { fail(text(Message(msg::UpdateInsecureAddress, {UiText::toStd(address)}))); },
        Qt::QueuedConnection);
    return;
  }
  QNetworkRequest request(url);
  request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("WebUpdate"));
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
  // A redirect is followed only to an address updates may travel by.
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
  request.setRawHeader("Cache-Control", "no-cache");
  request.setRawHeader("Pragma", "no-cache");
  request.setTransferTimeout(TransferTimeoutMs);
  reply_ = manager_.get(request);
  connect(reply_, &QNetworkReply::redirected, this, [this](const QUrl& target) {
    if (!reply_) return;
    if (UpdateCatalogue::IsAllowedAddress(UiText::toStd(target.toString()))) {
      emit reply_->redirectAllowed();
    } else {
      fail(text(Message(msg::UpdateInsecureAddress, {UiText::toStd(target.toString())})));
    }
  });
  connect(reply_, &QNetworkReply::metaDataChanged, this, &UpdateDownloader::onMetaData);
  connect(reply_, &QNetworkReply::readyRead, this, &UpdateDownloader::onReadyRead);
  connect(reply_, &QNetworkReply::finished, this, &UpdateDownloader::onFinished);
}

void UpdateDownloader::cancel() {
  if (reply_) {
    QNetworkReply* r = reply_;
    reply_ = nullptr;
    r->disconnect(this);
    r->abort();
    r->deleteLater();
  }
  // A file not finished leaves nothing behind.
  discardFile();
  body_.clear();
}

void UpdateDownloader::discardFile() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
    ::unlink(QFile::encodeName(partPath_).constData());
  }
}

void UpdateDownloader::onMetaData() {
  if (!reply_) return;
  const QByteArray raw = reply_->rawHeader("Content-Length").trimmed();
  if (!raw.isEmpty()) {
    bool ok = false;
    const qint64 length = raw.toLongLong(&ok);
    if (!ok || length < 0) {
      fail(text(Message(msg::UpdateBadContentLength, {raw.left(40).toStdString()})));
      return;
    }
    if (length > maxBytes_) {
      // An installer larger than the catalogue says is not even started.
      fail(toFile_ ? text(Message(msg::UpdateSizeMismatch, {std::to_string(maxBytes_)}))
                   : text(Message(msg::UpdateDownloadTooLarge, {std::to_string(maxBytes_)})));
      return;
    }
    expected_ = length;
    // What the server announced bounds what it may send.
    announced_ = length;
  }
  emit started(expected_);
}

bool UpdateDownloader::writeBlock(const QByteArray& block) {
  qsizetype done = 0;
  while (done < block.size()) {
    const ssize_t n = ::write(fd_, block.constData() + done, static_cast<std::size_t>(block.size() - done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += n;
  }
  return true;
}

void UpdateDownloader::onReadyRead() {
  if (!reply_) return;
  while (reply_ && reply_->bytesAvailable() > 0) {
    const QByteArray block = reply_->read(64 * 1024);
    if (block.isEmpty()) break;
    received_ += block.size();
    if (announced_ >= 0 && received_ > announced_) {
      fail(text(Message(msg::UpdateDownloadTooLarge, {std::to_string(announced_)})));
      return;
    }
    if (received_ > maxBytes_) {
      fail(toFile_ ? text(Message(msg::UpdateSizeMismatch, {std::to_string(maxBytes_)}))
                   : text(Message(msg::UpdateDownloadTooLarge, {std::to_string(maxBytes_)})));
      return;
    }
    if (toFile_) {
      hash_.addData(block);
      if (!writeBlock(block)) {
        fail(text(Message(msg::UpdateCannotSave, {UiText::toStd(path_), UiText::toStd(systemError(errno))})));
        return;
      }
    } else {
      body_.append(block);
    }
    emit progress(received_, expected_);
  }
}

void UpdateDownloader::onFinished() {
  if (!reply_) return;
  onReadyRead();
  if (!reply_) return;
  const QNetworkReply::NetworkError error = reply_->error();
  const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  if (error != QNetworkReply::NoError) {
    fail(reply_->errorString());
    return;
  }
  if (status != 0 && (status < 200 || status > 299)) {
    fail(tr("The server answered %1 %2.")
             .arg(status)
             .arg(reply_->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()));
    return;
  }
  if (received_ == 0) {
    fail(text(Message(msg::UpdateEmptyBody)));
    return;
  }
  if (!toFile_) {
    const QByteArray body = body_;
    finish();
    emit fetched(body);
    return;
  }
  // Checked as it arrived...
  if (hash_.result().toHex() != sha256_) {
    fail(text(Message(msg::UpdateChecksumMismatch)));
    return;
  }
  // ... and once more as it lies on disk.
  const QString why = commitFile();
  if (!why.isEmpty()) {
    fail(why);
    return;
  }
  const QString path = path_;
  finish();
  emit downloaded(path);
}

QString UpdateDownloader::commitFile() {
  const bool synced = ::fsync(fd_) == 0;
  const int syncError = errno;
  ::close(fd_);
  fd_ = -1;
  const QByteArray part = QFile::encodeName(partPath_);
  const QByteArray target = QFile::encodeName(path_);
  if (!synced || ::rename(part.constData(), target.constData()) != 0) {
    const int error = synced ? errno : syncError;
    ::unlink(part.constData());
    return text(Message(msg::UpdateCannotSave, {UiText::toStd(path_), UiText::toStd(systemError(error))}));
  }
  if (fileSha256(path_) != sha256_) {
    ::unlink(target.constData());
    return text(Message(msg::UpdateChecksumMismatch));
  }
  return {};
}

void UpdateDownloader::fail(const QString& reason) {
  cancel();
  emit failed(reason);
}

void UpdateDownloader::finish() {
  if (reply_) {
    reply_->disconnect(this);
    reply_->deleteLater();
    reply_ = nullptr;
  }
  body_.clear();
}

QNetworkAccessManager* UpdateDownloader::createNetwork(QObject* parent, bool systemProxy) {
  auto* manager = new QNetworkAccessManager(parent);
  if (systemProxy) {
    // As a browser would connect.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
  } else {
    manager->setProxy(QNetworkProxy::NoProxy);
  }
  return manager;
}

QByteArray UpdateDownloader::fileSha256(const QString& path) {
  // Never through a link.
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return {};
  QFile f;
  if (!f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return {};
  }
  QCryptographicHash hash(QCryptographicHash::Sha256);
  if (!hash.addData(&f)) return {};
  return hash.result().toHex();
}

}  // namespace velmora
