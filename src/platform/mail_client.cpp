#include "platform/mail_client.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <algorithm>

namespace kalvintera {
namespace {

// A run that can be let go: a QProcess kills what it runs when it is destroyed, which
// would close the user's mail client with the program.
class MailProcess final : public QProcess {
public:
    void letGo() { setProcessState(QProcess::NotRunning); }
};

} // namespace

XdgEmailClient::XdgEmailClient(std::string program) : program_(std::move(program)) {}

XdgEmailClient::~XdgEmailClient()
{
    for (QProcess* process : running_) {
        process->disconnect();
        if (process->state() != QProcess::NotRunning) static_cast<MailProcess*>(process)->letGo();
        delete process;
    }
}

void XdgEmailClient::compose(const std::string& recipient, const std::string& subject, const std::string& body,
                             const std::vector<std::filesystem::path>& attachments, FailureHandler failed)
{
    QStringList arguments;
    if (!subject.empty()) arguments << QStringLiteral("--subject") << QString::fromStdString(subject);
    if (!body.empty()) arguments << QStringLiteral("--body") << QString::fromStdString(body);
    for (const std::filesystem::path& file : attachments) {
        arguments << QStringLiteral("--attach") << QString::fromStdString(file.string());
    }
    // The address last: xdg-email takes everything after the options as recipients.
    if (!recipient.empty()) arguments << QString::fromStdString(recipient);

    auto* process = new MailProcess;
    // No pipes to the program: nothing can block on them, and nothing breaks when the
    // program ends before the mail client does.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    running_.push_back(process);

    const auto finish = [this, process, failed](int exit_code, bool failure) {
        // Either signal may come first for a failure; the outcome is told once.
        if (std::find(running_.begin(), running_.end(), process) == running_.end()) return;
        running_.erase(std::find(running_.begin(), running_.end(), process));
        process->disconnect();
        process->deleteLater();
        if (failure && failed) failed(MailFailure{exit_code});
    };
    QObject::connect(process, &QProcess::errorOccurred, process, [finish, process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) finish(MailFailure::kNotStarted, true);
        else if (error == QProcess::Crashed) finish(process->exitCode(), true);
    });
    QObject::connect(process, &QProcess::finished, process, [finish](int exit_code, QProcess::ExitStatus status) {
        finish(exit_code, status != QProcess::NormalExit || exit_code != 0);
    });
    process->start(QString::fromStdString(program_), arguments);
}

int XdgEmailClient::runningCount() const { return static_cast<int>(running_.size()); }

} // namespace kalvintera
