#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kalvintera {

// The desktop's mail client, opened on a message the user then sends (or discards) there.
class MailClient {
public:
    virtual ~MailClient() = default;
    // False when no mail client could be started; what the user does with the message is
    // not learnt.
    virtual bool compose(const std::string& recipient, const std::string& subject, const std::string& body,
                         const std::vector<std::filesystem::path>& attachments) = 0;
};

// The freedesktop.org way: `xdg-email` opens the user's preferred mail client.
class XdgEmailClient final : public MailClient {
public:
    bool compose(const std::string& recipient, const std::string& subject, const std::string& body,
                 const std::vector<std::filesystem::path>& attachments) override;
};

} // namespace kalvintera
