#pragma once

#include "core/shell/shell_lines.h"
#include "platform/platform_services.h"
#include "ui/common/prompter.h"

#include <QString>
#include <QStringList>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kalvintera::testing {

// Records every message and answers questions from a script (Yes/OK when the script is empty).
class ScriptedPrompter final : public Prompter {
public:
    struct Shown {
        QString text;
        QString title;
    };

    std::vector<Shown> messages;     // showInfo and questions, in order
    std::deque<bool> answers;        // for askYesNo / askOkCancel
    std::deque<QString> file_names;  // for the file dialogs; empty string = cancelled
    std::vector<FileDialogRequest> file_requests;
    std::deque<SaveChoice> save_choices; // for askSaveDiscardCancel; Discard when empty

    void showInfo(const QString& text, const QString& title) override { messages.push_back({text, title}); }
    bool askYesNo(const QString& text, const QString& title) override { return answer(text, title); }
    bool askOkCancel(const QString& text, const QString& title) override { return answer(text, title); }
    QString chooseFileToOpen(const FileDialogRequest& request) override { return fileName(request); }
    QString chooseFileToSave(const FileDialogRequest& request) override { return fileName(request); }
    SaveChoice askSaveDiscardCancel(const QString& text, const QString& title) override
    {
        messages.push_back({text, title});
        if (save_choices.empty()) return SaveChoice::Discard;
        const SaveChoice choice = save_choices.front();
        save_choices.pop_front();
        return choice;
    }

    QString lastText() const { return messages.empty() ? QString() : messages.back().text; }

private:
    bool answer(const QString& text, const QString& title)
    {
        messages.push_back({text, title});
        if (answers.empty()) return true;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    QString fileName(const FileDialogRequest& request)
    {
        file_requests.push_back(request);
        if (file_names.empty()) return {};
        QString name = file_names.front();
        file_names.pop_front();
        return name;
    }
};

class FakeDesktop final : public Desktop {
public:
    std::vector<std::filesystem::path> opened_documents;
    std::vector<std::string> opened_addresses;
    bool succeeds = true;

    bool openDocument(const std::filesystem::path& file) override
    {
        opened_documents.push_back(file);
        return succeeds;
    }
    bool openAddress(const std::string& url) override
    {
        opened_addresses.push_back(url);
        return succeeds;
    }
};

class FakeConnectivity final : public Connectivity {
public:
    bool online = true;
    bool isOnline() override { return online; }
};

class FakeClock final : public Clock {
public:
    CalendarDate date{2026, 12, 9};
    CalendarDate today() override { return date; }
};

// Records every message it is asked to compose. `fails_with` plays a desktop whose mail client
// cannot take the message (MailFailure::kNotStarted: none installed; else the exit code of
// xdg-email); `failLater` plays one that reports the failure of a message it was given after
// the fact.
class FakeMailClient final : public MailClient {
public:
    struct Message {
        std::string recipient;
        std::string subject;
        std::string body;
        std::vector<std::filesystem::path> attachments;
    };

    std::vector<Message> messages;
    std::optional<int> fails_with;

    void compose(const std::string& recipient, const std::string& subject, const std::string& body,
                 const std::vector<std::filesystem::path>& attachments, FailureHandler failed) override
    {
        if (fails_with) {
            if (failed) failed(MailFailure{*fails_with});
            return;
        }
        messages.push_back({recipient, subject, body, attachments});
        last_failed_ = std::move(failed);
    }

    void failLater(int exit_code)
    {
        if (last_failed_) last_failed_(MailFailure{exit_code});
    }

private:
    FailureHandler last_failed_;
};

// Records what it was asked to print; `prints` = false plays the user cancelling the print dialog.
class FakePrinter final : public Printer {
public:
    int setup_dialogs = 0;
    std::vector<std::vector<std::string>> printed;
    bool prints = true;

    void showSetupDialog() override { ++setup_dialogs; }
    bool printLines(const std::string&, const std::vector<std::string>& lines) override
    {
        if (!prints) return false;
        printed.push_back(lines);
        return true;
    }
};

// Serves HTTP answers from memory. An address without an answer fails like a missing page.
// `after_read` runs after every block handed out, with the bytes of that transfer so far:
// a test clicks there what a user clicks while a download runs.
class FakeHttpDownload final : public HttpDownload {
public:
    struct Answer {
        std::string body;
        bool announces_length = true;             // sends a Content-Length of the body's size
        std::optional<std::size_t> breaks_after;  // the connection breaks after this many bytes
    };

    std::map<std::string, Answer> answers;
    std::vector<std::string> requested;
    std::function<void(long long bytes)> after_read;
    std::filesystem::path folder;

    FakeHttpDownload()
    {
        char name[] = "/tmp/kalvintera-downloads-XXXXXX";
        if (::mkdtemp(name)) folder = name;
    }
    ~FakeHttpDownload() override
    {
        std::error_code ignored;
        if (!folder.empty()) std::filesystem::remove_all(folder, ignored);
    }
    FakeHttpDownload(const FakeHttpDownload&) = delete;
    FakeHttpDownload& operator=(const FakeHttpDownload&) = delete;

    std::unique_ptr<HttpTransfer> open(const std::string& url) override
    {
        if (shut_down) throw NetworkError("The program is ending: no download of " + url);
        requested.push_back(url);
        const auto found = answers.find(url);
        if (found == answers.end()) {
            throw NetworkError("The server answered 404 Not Found for " + url, {shell_line::kServerAnswered, {"404 Not Found", url}});
        }
        return std::make_unique<Transfer>(url, found->second, after_read);
    }
    std::filesystem::path downloadFolder() override { return folder; }
    void shutDown() override { shut_down = true; }
    bool shut_down = false;

private:
    class Transfer final : public HttpTransfer {
    public:
        Transfer(std::string url, Answer answer, std::function<void(long long)> after_read)
            : url_(std::move(url)), answer_(std::move(answer)), after_read_(std::move(after_read))
        {
        }
        std::optional<long long> contentLength() const override
        {
            if (!answer_.announces_length) return std::nullopt;
            return static_cast<long long>(answer_.body.size());
        }
        std::string read(std::size_t max_bytes) override
        {
            if (answer_.breaks_after && offset_ >= *answer_.breaks_after) {
                throw NetworkError("The connection was closed by the server", {shell_line::kDownloadFailed, {url_}});
            }
            std::string block = answer_.body.substr(std::min(offset_, answer_.body.size()), max_bytes);
            offset_ += block.size();
            if (!block.empty() && after_read_) after_read_(static_cast<long long>(offset_));
            return block;
        }

    private:
        std::string url_;
        Answer answer_;
        std::function<void(long long)> after_read_;
        std::size_t offset_ = 0;
    };
};

// The fakes bundled as the program's platform.
struct FakePlatform {
    FakeDesktop desktop;
    FakeConnectivity connectivity;
    FakeClock clock;
    FakeMailClient mail;
    FakePrinter printer;
    FakeHttpDownload http;
    PlatformServices services{desktop, connectivity, clock, mail, printer, http};
};

} // namespace kalvintera::testing
