#include "LocalHttpServer.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace velmora {

namespace {

constexpr qsizetype kMaxRequestBytes = 16 * 1024;

}  // namespace

LocalHttpServer::LocalHttpServer(QObject* parent) : QObject(parent), server_(new QTcpServer(this)) {
  connect(server_, &QTcpServer::newConnection, this, &LocalHttpServer::onConnection);
}

LocalHttpServer::~LocalHttpServer() { closeAll(); }

bool LocalHttpServer::listen() { return server_->listen(QHostAddress::LocalHost, 0); }

QUrl LocalHttpServer::url(const QString& path) const {
  return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server_->serverPort()).arg(path));
}

void LocalHttpServer::setRoute(const QString& path, const Route& route) { routes_.insert(path, route); }

void LocalHttpServer::closeAll() {
  const auto sockets = pending_.keys();
  pending_.clear();
  for (QTcpSocket* s : sockets) s->abort();
  for (QTcpSocket* s : server_->findChildren<QTcpSocket*>()) s->abort();
}

void LocalHttpServer::onConnection() {
  while (QTcpSocket* socket = server_->nextPendingConnection()) {
    pending_.insert(socket, {});
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadable(socket); });
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QObject::destroyed, this, [this, socket] { pending_.remove(socket); });
  }
}

void LocalHttpServer::onReadable(QTcpSocket* socket) {
  if (!pending_.contains(socket)) return;
  QByteArray& request = pending_[socket];
  request += socket->readAll();
  const qsizetype end = request.indexOf("\r\n\r\n");
  if (end < 0) {
    if (request.size() > kMaxRequestBytes) socket->abort();
    return;
  }
  const QList<QByteArray> lines = request.left(end).split('\n');
  const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
  const QString path = QString::fromLatin1(first.value(1));
  for (const QByteArray& line : lines)
    if (line.toLower().startsWith("user-agent:")) userAgent_ = line.mid(11).trimmed();
  requests_ << path;
  pending_.remove(socket);

  const auto it = routes_.constFind(path);
  Route route = it != routes_.constEnd() ? *it : Route{QByteArrayLiteral("Not found"), 404};
  QByteArray head = "HTTP/1.1 " + QByteArray::number(route.status) + (route.status == 200 ? " OK" : " Error") + "\r\n";
  if (route.contentLength.isEmpty()) {
    head += "Content-Length: " + QByteArray::number(route.body.size()) + "\r\n";
  } else if (route.contentLength != "-") {
    head += "Content-Length: " + route.contentLength + "\r\n";
  }
  head += "Content-Type: application/octet-stream\r\nConnection: close\r\n\r\n";
  socket->write(head);
  if (route.stallAfter >= 0) {
    socket->write(route.body.left(route.stallAfter));
    return;
  }
  socket->write(route.body);
  socket->disconnectFromHost();
}

}  // namespace velmora
