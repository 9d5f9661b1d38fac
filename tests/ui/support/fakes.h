#pragma once

#include "platform/platform_services.h"
#include "ui/common/prompter.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <filesystem>
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

    void showInfo(const QString& text, const QString& title) override { messages.push_back({text, title}); }
    bool askYesNo(const QString& text, const QString& title) override { return answer(text, title); }
    bool askOkCancel(const QString& text, const QString& title) override { return answer(text, title); }
    QString chooseFileToOpen(const FileDialogRequest& request) override { return fileName(request); }
    QString chooseFileToSave(const FileDialogRequest& request) override { return fileName(request); }

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

// The fakes bundled as the program's platform.
struct FakePlatform {
    FakeDesktop desktop;
    FakeConnectivity connectivity;
    FakeClock clock;
    PlatformServices services{desktop, connectivity, clock};
};

} // namespace kalvintera::testing
