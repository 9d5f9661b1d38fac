#include "platform/mail_client.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace kalvintera {

bool XdgEmailClient::compose(const std::string& recipient, const std::string& subject, const std::string& body,
                             const std::vector<std::filesystem::path>& attachments)
{
    QStringList arguments;
    if (!subject.empty()) arguments << QStringLiteral("--subject") << QString::fromStdString(subject);
    if (!body.empty()) arguments << QStringLiteral("--body") << QString::fromStdString(body);
    for (const std::filesystem::path& file : attachments) {
        arguments << QStringLiteral("--attach") << QString::fromStdString(file.string());
    }
    // The address last: xdg-email takes everything after the options as recipients.
    if (!recipient.empty()) arguments << QString::fromStdString(recipient);
    return QProcess::startDetached(QStringLiteral("xdg-email"), arguments);
}

} // namespace kalvintera
