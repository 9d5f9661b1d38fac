#include "platform/desktop.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace kalvintera {

bool QtDesktop::openDocument(const std::filesystem::path& file)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}

bool QtDesktop::openAddress(const std::string& url)
{
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

} // namespace kalvintera
