#pragma once

#include "core/order/order_customer.h"
#include "core/order/order_list.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvintera {

// Language lines of the refusals to send, in the order they are checked.
constexpr int kNoConnectionLine = 934; // shown under the fixed title "KALVINTERA info"
constexpr int kMissingNameLine = 150;
constexpr int kMissingCityLine = 151;
constexpr int kMissingStreetLine = 152;
constexpr int kMissingContactLine = 153;
constexpr int kEmptyOrderLine = 154;

inline constexpr std::string_view kOrderMailSubject = "Zamówienie na produkty KALVINTERA";

// The language line of the first reason the order cannot be sent: no Internet connection,
// then a missing name, city, street or contact, then an order without lines. None when it
// can be sent.
std::optional<int> OrderSendRefusal(bool online, const OrderCustomer& customer, const OrderList& order);

// One message for the mail client.
struct OrderMail {
    std::string to;
    std::string subject;
    std::string body;
    std::vector<std::filesystem::path> attachments;
};

// One line, the customer's particulars: "Klient: A    Adres: B  C  D".
std::string OrderMailBody(const OrderCustomer& customer);

// The message to the maker's order mailbox with the order file attached.
OrderMail MakeOrderMail(const OrderCustomer& customer, const std::filesystem::path& orderFile);

// `text` with every character a file name cannot hold (/ \ : * ? " < > | and control
// characters) replaced by "_".
std::string FileNameSafe(std::string_view text);

// "zamowienie_" + name + "_" + date + ".kvt", both made safe for a file name, so a name
// with "/" or a date like 7/15/2007 still names one file in the data folder.
std::string OrderMailFileName(std::string_view customerName, std::string_view shortDate);

} // namespace kalvintera
