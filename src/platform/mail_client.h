#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QProcess;

namespace kalvintera {

// Why a message did not reach the mail client.
struct MailFailure {
    // The mail client's exit code; kNotStarted when it could not be started at all.
    static constexpr int kNotStarted = -1;
    int exit_code = kNotStarted;
};

// The desktop's mail client, opened on a message the user then sends (or discards) there.
class MailClient {
public:
    using FailureHandler = std::function<void(const MailFailure&)>;

    virtual ~MailClient() = default;
    // Hands the message to the mail client. `failed` runs when the client could not be
    // started or reported that it could not take the message: at once or later, from the
    // event loop, since a client may take a while to say so. It does not run when the
    // message reached the client; what the user does with it there is not learnt.
    virtual void compose(const std::string& recipient, const std::string& subject, const std::string& body,
                         const std::vector<std::filesystem::path>& attachments, FailureHandler failed) = 0;
};

// The freedesktop.org way: `xdg-email` opens the user's preferred mail client. Its exit
// code says whether that worked (3: no mail client or tool found, 4: the action failed).
// Some desktops keep xdg-email running as long as the mail client's window is open; such a
// run is left alone when the program ends, so closing the program never closes a message
// being written.
class XdgEmailClient final : public MailClient {
public:
    // `program` is the command to run; tests give a stand-in.
    explicit XdgEmailClient(std::string program = "xdg-email");
    ~XdgEmailClient() override;

    void compose(const std::string& recipient, const std::string& subject, const std::string& body,
                 const std::vector<std::filesystem::path>& attachments, FailureHandler failed) override;

    // Runs still waiting for their outcome, for tests.
    int runningCount() const;

private:
    std::string program_;
    std::vector<QProcess*> running_;
};

} // namespace kalvintera
