#include "support/test_http_server.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

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
    if (request.value(0) != "GET" || page == pages_.end()) {
        send(socket, "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n", {}, 0);
        return;
    }
    const Page& served = page->second;
    QByteArray answer = "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n";
    if (served.announces_length) answer += "Content-Length: " + QByteArray::number(served.body.size()) + "\r\n";
    answer += "\r\n";
    const QByteArray body = served.cut_after >= 0 ? served.body.left(served.cut_after) : served.body;
    const int pause = served.piece_pause_ms;
    if (served.answer_after_ms > 0) {
        // The socket is the timer's context: a client that gives up takes the answer with it.
        QTimer::singleShot(served.answer_after_ms, socket, [socket, answer, body, pause] { send(socket, answer, body, pause); });
    } else {
        send(socket, answer, body, pause);
    }
}

void TestHttpServer::send(QTcpSocket* socket, const QByteArray& head, const QByteArray& body, int piece_pause_ms)
{
    if (piece_pause_ms <= 0) {
        socket->write(head + body);
        socket->disconnectFromHost(); // after everything written has gone out
        return;
    }
    constexpr qsizetype kPiece = 16 * 1024;
    socket->write(head);
    auto* timer = new QTimer(socket);
    auto offset = std::make_shared<qsizetype>(0);
    QObject::connect(timer, &QTimer::timeout, socket, [socket, timer, body, offset] {
        socket->write(body.mid(*offset, kPiece));
        *offset += kPiece;
        if (*offset >= body.size()) {
            timer->stop();
            socket->disconnectFromHost();
        }
    });
    timer->start(piece_pause_ms);
}

} // namespace kalvintera::testing
