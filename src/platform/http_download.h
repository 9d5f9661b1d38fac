#pragma once

#include "core/errors.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QNetworkAccessManager;

namespace kalvintera {

// A transfer that did not work: no answer, an HTTP error status, a broken connection.
class NetworkError : public KalvinteraError {
public:
    using KalvinteraError::KalvinteraError;
};

// One HTTP GET whose body is read in blocks as it arrives.
class HttpTransfer {
public:
    virtual ~HttpTransfer() = default;
    // The Content-Length the server announced; none when it sent none or not a number.
    virtual std::optional<long long> contentLength() const = 0;
    // Up to `max_bytes` of the body, waiting for them while the user interface goes on
    // (repaints, button clicks); empty once the body has ended. NetworkError on failure.
    virtual std::string read(std::size_t max_bytes) = 0;
};

// HTTP downloads and the folder they are stored in.
class HttpDownload {
public:
    virtual ~HttpDownload() = default;
    // Sends the GET (agent "Fast Download", the desktop's proxy settings) and waits for the
    // answer's head. NetworkError when there is none or its status is an error.
    virtual std::unique_ptr<HttpTransfer> open(const std::string& url) = 0;
    // The user's download folder; created when missing.
    virtual std::filesystem::path downloadFolder() = 0;
    // The program is ending: aborts every transfer still running (its reads fail with a
    // NetworkError) and refuses new ones, so nothing waits on a server any more.
    virtual void shutDown() {}
};

class QtHttpDownload final : public HttpDownload {
public:
    QtHttpDownload();
    ~QtHttpDownload() override;

    std::unique_ptr<HttpTransfer> open(const std::string& url) override;
    std::filesystem::path downloadFolder() override;
    void shutDown() override;

private:
    std::unique_ptr<QNetworkAccessManager> network_;
    bool shut_down_ = false;
};

// How a download to a file ended.
enum class DownloadEnd { Completed, Cancelled };

// Copies the body into `file` (created or replaced) in blocks of 1024 bytes. After every
// block `after_block` gets the byte count so far and answers whether to go on. A cancelled
// or failed download removes the partial file; the failure is rethrown (FileError when the
// file cannot be written, NetworkError when the transfer breaks or ends short of the
// announced Content-Length).
DownloadEnd DownloadToFile(HttpTransfer& transfer, const std::filesystem::path& file,
                           const std::function<bool(long long bytes)>& after_block);

// The whole body of a small text (a version file), at most `max_bytes`: DataError when it is longer.
std::string ReadSmallBody(HttpTransfer& transfer, std::size_t max_bytes);

} // namespace kalvintera
