#include "support/test_http_server.h"

#include <QHostAddress>
#include <QTcpSocket>

namespace kalvintera::testing {

TestHttpServer::TestHttpServer()
{
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { receive(socket); });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    server_.listen(QHostAddress::LocalHost);
}

std::string TestHttpServer::address() const
{
    return "http://127.0.0.1:" + std::to_string(server_.serverPort());
}

void TestHttpServer::receive(QTcpSocket* socket)
{
    // The request head is complete when the socket holds its blank line; until then keep waiting.
    QByteArray head = socket->property("head").toByteArray() + socket->readAll();
    socket->setProperty("head", head);
    const qsizetype end = head.indexOf("\r\n\r\n");
    if (end < 0) return;
    const QList<QByteArray> lines = head.left(end).split('\n');
    const QList<QByteArray> request = lines.value(0).trimmed().split(' ');
    const QString path = QString::fromLatin1(request.value(1));
    requested_paths << path;
    for (const QByteArray& line : lines) {
        if (line.toLower().startsWith("user-agent:")) agents << QString::fromLatin1(line.mid(11).trimmed());
    }

    const auto page = pages_.find(path);
    QByteArray answer;
    if (request.value(0) != "GET" || page == pages_.end()) {
        answer = "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
    } else {
        answer = "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n";
        if (page->second.announces_length) {
            answer += "Content-Length: " + QByteArray::number(page->second.body.size()) + "\r\n";
        }
        const Page& served = page->second;
        answer += "\r\n" + (served.cut_after >= 0 ? served.body.left(served.cut_after) : served.body);
    }
    socket->write(answer);
    socket->disconnectFromHost(); // after everything written has gone out
}

} // namespace kalvintera::testing
