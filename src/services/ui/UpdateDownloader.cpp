#include "UpdateDownloader.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>

#include "Messages.h"
#include "UiText.h"
#include "UpdateCatalogue.h"

namespace velmora {

namespace {

QString text(const Message& m) { return UiText::message(m); }

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

void UpdateDownloader::download(const QUrl& url, const QString& targetPath, qint64 expectedSize,
                                const QByteArray& sha256Hex) {
  cancel();
  toFile_ = true;
  maxBytes_ = UpdateCatalogue::MaxInstallerSize;
  expected_ = expectedSize;
  sha256_ = sha256Hex.toLower();
  path_ = targetPath;
  hash_.reset();
  file_ = std::make_unique<QSaveFile>(targetPath);
  if (!file_->open(QIODevice::WriteOnly)) {
    const QString why = file_->errorString();
    file_.reset();
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
  body_.clear();
  QNetworkRequest request(url);
  request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("WebUpdate"));
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
  request.setRawHeader("Cache-Control", "no-cache");
  request.setRawHeader("Pragma", "no-cache");
  request.setTransferTimeout(TransferTimeoutMs);
  reply_ = manager_.get(request);
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
  // A file not committed leaves nothing behind.
  if (file_) file_->cancelWriting();
  file_.reset();
  body_.clear();
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
      fail(text(Message(msg::UpdateDownloadTooLarge, {std::to_string(maxBytes_)})));
      return;
    }
    expected_ = length;
    // What the server announced bounds what it may send.
    maxBytes_ = length;
  }
  emit started(expected_);
}

void UpdateDownloader::onReadyRead() {
  if (!reply_) return;
  while (reply_ && reply_->bytesAvailable() > 0) {
    const QByteArray block = reply_->read(64 * 1024);
    if (block.isEmpty()) break;
    received_ += block.size();
    if (received_ > maxBytes_) {
      fail(text(Message(msg::UpdateDownloadTooLarge, {std::to_string(maxBytes_)})));
      return;
    }
    if (toFile_) {
      hash_.addData(block);
      if (file_->write(block) != block.size()) {
        fail(text(Message(msg::UpdateCannotSave, {UiText::toStd(path_), UiText::toStd(file_->errorString())})));
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
  if (hash_.result().toHex() != sha256_) {
    fail(text(Message(msg::UpdateChecksumMismatch)));
    return;
  }
  if (!file_->commit()) {
    const QString why = file_->errorString();
    file_.reset();
    fail(text(Message(msg::UpdateCannotSave, {UiText::toStd(path_), UiText::toStd(why)})));
    return;
  }
  file_.reset();
  const QString path = path_;
  finish();
  emit downloaded(path);
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
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  QCryptographicHash hash(QCryptographicHash::Sha256);
  if (!hash.addData(&f)) return {};
  return hash.result().toHex();
}

}  // namespace velmora
