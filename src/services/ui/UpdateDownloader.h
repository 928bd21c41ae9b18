#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace velmora {

// The updater's HTTP client: one transfer at a time, always fresh from the
// server (no cache), with the agent name "WebUpdate", over https:// (or
// http:// to this computer) alone, redirects included. A text (catalogue,
// signature, release notes) is fetched into memory up to a bound; an
// installer is streamed into a private folder (created fresh by the caller)
// under a name made exclusively there, never through a link, while its
// SHA-256 is computed; it takes its final name only when the checksum
// matches, and the saved file is checked once more.
class UpdateDownloader : public QObject {
  Q_OBJECT
 public:
  // `manager` carries the proxy settings (the system's in the workstation).
  explicit UpdateDownloader(QNetworkAccessManager& manager, QObject* parent = nullptr);
  ~UpdateDownloader() override;

  // Fetches `url` into memory; more than `maxBytes` fails.
  void fetch(const QUrl& url, qint64 maxBytes);
  // Downloads `url` as `fileName` into the private `folder`; more than
  // `maxSize` bytes (the size the signed catalogue names) fail, and so does
  // a file whose SHA-256 is not `sha256Hex`.
  void download(const QUrl& url, const QString& folder, const QString& fileName, qint64 maxSize,
                const QByteArray& sha256Hex);
  // Stops the transfer in progress; nothing is reported and no file stays.
  void cancel();
  bool busy() const;

  // A network access manager for the updater: with the system's proxy
  // settings, or with none (the loopback server of tests and pictures).
  static QNetworkAccessManager* createNetwork(QObject* parent, bool systemProxy);
  // The SHA-256 of a file as lower-case hex, or empty when it cannot be read.
  static QByteArray fileSha256(const QString& path);

  // Milliseconds without data after which a transfer fails.
  static constexpr int TransferTimeoutMs = 30000;

 signals:
  // The length the server announced (or the stand-in) is known.
  void started(qint64 expected);
  void progress(qint64 received, qint64 expected);
  void fetched(const QByteArray& body);
  void downloaded(const QString& path);
  // `reason` is translated and says what went wrong.
  void failed(const QString& reason);

 private:
  void start(const QUrl& url);
  void onMetaData();
  void onReadyRead();
  void onFinished();
  void fail(const QString& reason);
  void finish();
  bool writeBlock(const QByteArray& block);
  void discardFile();
  // Renames the finished file into place and checks it once more; empty
  // when that went well, else why not.
  QString commitFile();

  QNetworkAccessManager& manager_;
  QPointer<QNetworkReply> reply_;
  bool toFile_ = false;
  qint64 maxBytes_ = 0;
  // The most the server itself announced (-1: no content length).
  qint64 announced_ = -1;
  qint64 expected_ = 0;
  qint64 received_ = 0;
  QByteArray body_;
  QByteArray sha256_;
  int fd_ = -1;
  QCryptographicHash hash_{QCryptographicHash::Sha256};
  QString partPath_;
  QString path_;
};

}  // namespace velmora
