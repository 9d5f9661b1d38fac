// The xdg-email mail client for real, with stand-in scripts for xdg-email: what it is given,
// and how its failures reach the program.

#include "platform/mail_client.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <optional>

#include <sys/types.h>
#include <unistd.h>

using namespace kalvintera;

namespace {

// A stand-in for xdg-email: a shell script with `body`, made executable.
QString Script(const QTemporaryDir& dir, const QString& name, const QByteArray& body)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
    file.write("#!/bin/sh\n" + body + "\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

struct Outcome {
    std::optional<MailFailure> failure;
    int calls = 0;
    MailClient::FailureHandler handler()
    {
        return [this](const MailFailure& failure_) {
            failure = failure_;
            ++calls;
        };
    }
};

void Compose(XdgEmailClient& client, Outcome& outcome)
{
    client.compose("zamowienia@example.com", "Zamówienie", "Klient: A    Adres: B  C  D", {"/tmp/z.kvt"},
                   outcome.handler());
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class MailClientTest : public QObject {
    Q_OBJECT
private slots:
    void theMessageIsHandedOverAsXdgEmailReadsIt()
    {
        QTemporaryDir dir;
        const QString arguments = dir.filePath("arguments");
        XdgEmailClient client(Script(dir, "xdg-email", "for a in \"$@\"; do echo \"$a\"; done > '" + arguments.toUtf8() + "'")
                                  .toStdString());
        Outcome outcome;
        Compose(client, outcome);
        QTRY_COMPARE(client.runningCount(), 0);
        QCOMPARE(outcome.calls, 0);
        QCOMPARE(QString::fromUtf8(ReadAll(arguments)),
                 QString("--subject\nZamówienie\n--body\nKlient: A    Adres: B  C  D\n--attach\n/tmp/z.kvt\n"
                         "zamowienia@example.com\n"));
    }

    void aFailureOfXdgEmailIsReported()
    {
        QTemporaryDir dir;
        // xdg-email's answer when the desktop has no mail client.
        XdgEmailClient client(Script(dir, "xdg-email", "exit 3").toStdString());
        Outcome outcome;
        Compose(client, outcome);
        QTRY_COMPARE(outcome.calls, 1);
        QCOMPARE(outcome.failure->exit_code, 3);
        QCOMPARE(client.runningCount(), 0);
        QTest::qWait(50);
        QCOMPARE(outcome.calls, 1); // told once
    }

    void aMissingXdgEmailIsReported()
    {
        QTemporaryDir dir;
        XdgEmailClient client(dir.filePath("no-such-program").toStdString());
        Outcome outcome;
        Compose(client, outcome);
        QTRY_COMPARE(outcome.calls, 1);
        QCOMPARE(outcome.failure->exit_code, MailFailure::kNotStarted);

        XdgEmailClient not_a_program(Script(dir, "not-executable", "exit 0").toStdString());
        QFile::setPermissions(dir.filePath("not-executable"), QFile::ReadOwner | QFile::WriteOwner);
        Outcome second;
        Compose(not_a_program, second);
        QTRY_COMPARE(second.calls, 1);
        QCOMPARE(second.failure->exit_code, MailFailure::kNotStarted);
    }

    void aMailClientStillOpenOutlivesTheProgram()
    {
        QTemporaryDir dir;
        const QString pid_file = dir.filePath("pid");
        // Some desktops run the mail client in xdg-email's place until its window closes.
        const QString script = Script(dir, "xdg-email", "echo $$ > '" + pid_file.toUtf8() + "'\nexec sleep 30");
        Outcome outcome;
        {
            XdgEmailClient client(script.toStdString());
            Compose(client, outcome);
            QTRY_VERIFY(!ReadAll(pid_file).trimmed().isEmpty());
            QCOMPARE(client.runningCount(), 1);
        }
        const pid_t pid = static_cast<pid_t>(ReadAll(pid_file).trimmed().toLongLong());
        QVERIFY(pid > 0);
        QTest::qWait(100);
        const bool alive = ::kill(pid, 0) == 0;
        ::kill(pid, SIGTERM); // the test's own stand-in, ended by its id
        QVERIFY2(alive, "the mail client was closed with the program");
        QCOMPARE(outcome.calls, 0);
    }
};

QTEST_GUILESS_MAIN(MailClientTest)
#include "mail_client_test.moc"
