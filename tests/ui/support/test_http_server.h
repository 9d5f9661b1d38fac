#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTcpServer>

#include <map>
#include <string>

class QTcpSocket;

namespace kalvintera::testing {

// A tiny HTTP/1.1 server on 127.0.0.1 for the update tests: answers GET requests for the
// pages it was given (404 for others), one request per connection, and records what it was asked.
class TestHttpServer {
public:
    struct Page {
        QByteArray body;
        bool announces_length = true; // without it the body ends when the connection closes
        qsizetype cut_after = -1;     // >= 0: the connection closes after this many bytes of the body
        int answer_after_ms = 0;      // > 0: the answer waits this long, as a slow server's does
        int piece_pause_ms = 0;       // > 0: the body goes out in pieces with this pause between them
    };

    TestHttpServer();

    bool listening() const { return server_.isListening(); }
    // "http://127.0.0.1:PORT"
    std::string address() const;
    void serve(const QString& path, Page page) { pages_[path] = std::move(page); }

    QStringList requested_paths;
    QStringList agents;

private:
    void receive(QTcpSocket* socket);
    static void send(QTcpSocket* socket, const QByteArray& head, const QByteArray& body, int piece_pause_ms);

    QTcpServer server_;
    std::map<QString, Page> pages_;
};

} // namespace kalvintera::testing
