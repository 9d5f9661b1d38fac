#pragma once

#include "platform/clock.h"
#include "platform/connectivity.h"
#include "platform/desktop.h"
#include "platform/http_download.h"
#include "platform/mail_client.h"
#include "platform/printer.h"

namespace kalvintera {

// Everything outside the program that a window may reach, in one bundle so tests can
// hand in fakes.
struct PlatformServices {
    Desktop& desktop;
    Connectivity& connectivity;
    Clock& clock;
    MailClient& mail;
    Printer& printer;
    HttpDownload& http;
};

} // namespace kalvintera
