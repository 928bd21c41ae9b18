#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
class QSaveFile;

namespace velmora {

// The updater's HTTP client: one transfer at a time, always fresh from the
// server (no cache), with the agent name "WebUpdate". A text (catalogue,
// release notes) is fetched into memory up to a bound; an installer is
// streamed into its file in the temporary folder while its SHA-256 is
// computed, and the file only appears when the checksum matches.
class UpdateDownloader : public QObject {
  Q_OBJECT
 public:
  // `manager` carries the proxy settings (the system's in the workstation).
  explicit UpdateDownloader(QNetworkAccessManager& manager, QObject* parent = nullptr);
  ~UpdateDownloader() override;

  // Fetches `url` into memory; more than `maxBytes` fails.
  void fetch(const QUrl& url, qint64 maxBytes);
  // Downloads `url` into `targetPath`; `expectedSize` stands in for a
  // missing content-length header; `sha256Hex` is the checksum the file
  // must have.
  void download(const QUrl& url, const QString& targetPath, qint64 expectedSize, const QByteArray& sha256Hex);
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

  QNetworkAccessManager& manager_;
  QPointer<QNetworkReply> reply_;
  bool toFile_ = false;
  qint64 maxBytes_ = 0;
  qint64 expected_ = 0;
  qint64 received_ = 0;
  QByteArray body_;
  QByteArray sha256_;
  std::unique_ptr<QSaveFile> file_;
  QCryptographicHash hash_{QCryptographicHash::Sha256};
  QString path_;
};

}  // namespace velmora
