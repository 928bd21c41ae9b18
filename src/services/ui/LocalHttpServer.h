#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

class QTcpServer;
class QTcpSocket;

namespace velmora {

// A small HTTP/1.1 server on the loopback interface that serves fixed
// bodies by path: the update window's tests and the screenshot tour use it
// in place of the publisher's server. Each connection gets one answer and
// is then closed, unless its route stalls part-way.
class LocalHttpServer : public QObject {
  Q_OBJECT
 public:
  struct Route {
    Route() = default;
    explicit Route(QByteArray content, int code = 200) : body(std::move(content)), status(code) {}

    QByteArray body;
    int status = 200;
    // The Content-Length header as sent: empty sends the body's length,
    // "-" sends none.
    QByteArray contentLength;
    // Bytes of the body sent before the answer stalls (the connection
    // stays open); -1 sends all of it.
    qint64 stallAfter = -1;
  };

  explicit LocalHttpServer(QObject* parent = nullptr);
  ~LocalHttpServer() override;

  // Listens on 127.0.0.1 at a free port; false when that fails.
  bool listen();
  // An address of this server; also valid for paths without a route (404).
  QUrl url(const QString& path) const;
  void setRoute(const QString& path, const Route& route);
  void setBody(const QString& path, const QByteArray& body) { setRoute(path, Route{body}); }

  // Paths asked for, in order, and the User-Agent of the last request.
  const QStringList& requests() const { return requests_; }
  QByteArray lastUserAgent() const { return userAgent_; }
  // Closes every stalled connection.
  void closeAll();

 private:
  void onConnection();
  void onReadable(QTcpSocket* socket);

  QTcpServer* server_ = nullptr;
  QHash<QString, Route> routes_;
  QHash<QTcpSocket*, QByteArray> pending_;
  QStringList requests_;
  QByteArray userAgent_;
};

}  // namespace velmora
