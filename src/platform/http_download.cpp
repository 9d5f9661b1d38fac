#include "platform/http_download.h"

#include "core/message_lines.h"
#include "core/shell/file_io.h"
#include "core/shell/shell_lines.h"
#include "core/shell/update_check.h"

#include <QDir>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QStandardPaths>
#include <QUrl>

#include <fstream>

namespace kalvintera {
namespace {

// A transfer that stops receiving for this long has failed, so a silent server cannot
// hold the program forever.
constexpr int kTransferTimeoutMs = 30000;

class QtHttpTransfer final : public HttpTransfer {
public:
    QtHttpTransfer(QNetworkReply* reply, std::string url) : reply_(reply), url_(std::move(url)) {}

    ~QtHttpTransfer() override
    {
        if (!reply_) return;
        if (!reply_->isFinished()) reply_->abort();
        reply_->deleteLater();
    }

    // Waits for the head of the answer (with the first bytes of the body, or its end).
    void waitForAnswer()
    {
        while (reply_->bytesAvailable() == 0 && !reply_->isFinished()) waitForMore();
        const QVariant status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (status.isValid() && status.toInt() >= 400) {
            const std::string answer = std::to_string(status.toInt()) + " "
                                       + reply_->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().toStdString();
            throw NetworkError("The server answered " + answer + " for " + url_,
                               {shell_line::kServerAnswered, {answer, url_}});
        }
        failOnError();
    }

    std::optional<long long> contentLength() const override
    {
        if (!reply_->hasRawHeader("Content-Length")) return std::nullopt;
        return ParseContentLength(reply_->rawHeader("Content-Length").toStdString());
    }

    std::string read(std::size_t max_bytes) override
    {
        while (reply_->bytesAvailable() == 0 && !reply_->isFinished()) waitForMore();
        if (reply_->bytesAvailable() > 0) {
            const QByteArray block = reply_->read(static_cast<qint64>(max_bytes));
            return std::string(block.constData(), static_cast<std::size_t>(block.size()));
        }
        failOnError();
        return {};
    }

private:
    void waitForMore()
    {
        QEventLoop loop;
        QObject::connect(reply_, &QNetworkReply::readyRead, &loop, &QEventLoop::quit);
        QObject::connect(reply_, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        // Once the application has been told to quit, no event loop runs any more: exec()
        // returns at once, nothing arrives, and waiting again would spin for ever.
        if (loop.exec() < 0) reply_->abort();
    }

    void failOnError() const
    {
        if (reply_->error() == QNetworkReply::NoError) return;
        throw NetworkError("The download of " + url_ + " failed: " + reply_->errorString().toStdString(),
                           {shell_line::kDownloadFailed, {url_}});
    }

    QPointer<QNetworkReply> reply_;
    std::string url_;
};

} // namespace

QtHttpDownload::QtHttpDownload() = default;
QtHttpDownload::~QtHttpDownload() = default;

std::unique_ptr<HttpTransfer> QtHttpDownload::open(const std::string& url)
{
    const QUrl address(QString::fromStdString(url), QUrl::StrictMode);
    if (!address.isValid() || (address.scheme() != "http" && address.scheme() != "https")) {
        throw NetworkError("'" + url + "' is no HTTP address", {shell_line::kBadInstallerAddress, {url}});
    }
    if (shut_down_) throw NetworkError("The program is ending: no download of " + url, {shell_line::kDownloadFailed, {url}});
    if (!network_) {
        QNetworkProxyFactory::setUseSystemConfiguration(true);
        network_ = std::make_unique<QNetworkAccessManager>();
    }
    QNetworkRequest request(address);
    request.setHeader(QNetworkRequest::UserAgentHeader, QString::fromUtf8(kUpdateAgent.data(), kUpdateAgent.size()));
    request.setTransferTimeout(kTransferTimeoutMs);
    // The bytes as the server holds them, so they can be counted against Content-Length.
    request.setRawHeader("Accept-Encoding", "identity");
    auto transfer = std::make_unique<QtHttpTransfer>(network_->get(request), url);
    transfer->waitForAnswer();
    return transfer;
}

void QtHttpDownload::shutDown()
{
    shut_down_ = true;
    if (!network_) return;
    // Every reply is the manager's child until its transfer deletes it.
    for (QNetworkReply* reply : network_->findChildren<QNetworkReply*>(Qt::FindDirectChildrenOnly)) {
        if (!reply->isFinished()) reply->abort();
    }
}

std::filesystem::path QtHttpDownload::downloadFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    QDir().mkpath(folder);
    return std::filesystem::path(folder.toStdString());
}

DownloadEnd DownloadToFile(HttpTransfer& transfer, const std::filesystem::path& file,
                           const std::function<bool(long long bytes)>& after_block)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) throw FileError("Cannot create the file " + PathText(file), {message_line::kCannotWrite, {PathText(file)}});
    auto remove_partial = [&] {
        out.close();
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
    };
    try {
        long long bytes = 0;
        for (;;) {
            const std::string block = transfer.read(kDownloadBlockBytes);
            if (block.empty()) {
                // A connection that closes early ends the body like a complete one would.
                const std::optional<long long> announced = transfer.contentLength();
                if (announced && bytes < *announced) {
                    throw NetworkError("The transfer ended after " + std::to_string(bytes) + " of "
                                           + std::to_string(*announced) + " bytes",
                                       {shell_line::kTransferCut, {std::to_string(bytes), std::to_string(*announced)}});
                }
                break;
            }
            out.write(block.data(), static_cast<std::streamsize>(block.size()));
            if (!out) throw FileError("Cannot write the file " + PathText(file), {message_line::kCannotWrite, {PathText(file)}});
            bytes += static_cast<long long>(block.size());
            if (after_block && !after_block(bytes)) {
                remove_partial();
                return DownloadEnd::Cancelled;
            }
        }
        out.close();
        if (!out) throw FileError("Cannot write the file " + PathText(file), {message_line::kCannotWrite, {PathText(file)}});
    } catch (...) {
        remove_partial();
        throw;
    }
    return DownloadEnd::Completed;
}

std::string ReadSmallBody(HttpTransfer& transfer, std::size_t max_bytes)
{
    std::string body;
    for (;;) {
        const std::string block = transfer.read(kDownloadBlockBytes);
        if (block.empty()) return body;
        body += block;
        if (body.size() > max_bytes) {
            throw DataError("The server's answer is longer than the " + std::to_string(max_bytes) + " bytes expected",
                            {shell_line::kNotAVersionFile, {}});
        }
    }
}

} // namespace kalvintera
