#pragma once

#include <array>
#include <string_view>

namespace kalvintera {

// The maker's addresses outside the program, kept in one place so a release can change them.
namespace company {

inline constexpr std::string_view kWebSite = "https://www.kalvintera.pl";
inline constexpr std::string_view kOnlineMap = "https://www.openstreetmap.org/?mlat=52.4064&mlon=16.9252#map=16/52.4064/16.9252";
inline constexpr std::string_view kDwgViewerPage = "https://www.opendesign.com/guestfiles/oda_file_converter";
inline constexpr std::string_view kPdfReaderPage = "https://get.adobe.com/reader/";

inline constexpr std::string_view kPostalAddress = "Kalvintera Sp. z o.o., ul. Wentylacyjna 12, 60-101 Poznań";
inline constexpr std::string_view kTelephone = "tel. +48 61 800 12 00, fax +48 61 800 12 01";

// The five mailboxes of the contact page, in its row order: customer service, sales,
// marketing, management, technologist.
inline constexpr std::array<std::string_view, 5> kMailboxes = {
    "obsluga@kalvintera.pl", "sprzedaz@kalvintera.pl", "marketing@kalvintera.pl",
    "zarzad@kalvintera.pl", "technolog@kalvintera.pl",
};
inline constexpr std::string_view kCustomerServiceMailbox = kMailboxes[0];

// Where "Wyślij zamówienie" sends orders.
inline constexpr std::string_view kOrderMailbox = "zamowienia@kalvintera.pl";

// A page that counts sent orders, opened after the mail client has been asked to send one.
// Empty: no such page, nothing is opened.
inline constexpr std::string_view kOrderCountingPage = "";

// The update server: the version file, the news text and the installers are below it.
inline constexpr std::string_view kUpdateServer = "http://aktualizacja.kalvintera.pl";

} // namespace company
} // namespace kalvintera
