#include "core/order/order_mail.h"

#include "core/shell/company_addresses.h"

namespace kalvintera {

std::optional<int> OrderSendRefusal(bool online, const OrderCustomer& customer, const OrderList& order)
{
    if (!online) return kNoConnectionLine;
    if (customer.name.empty()) return kMissingNameLine;
    if (customer.city.empty()) return kMissingCityLine;
    if (customer.street.empty()) return kMissingStreetLine;
    if (customer.contact.empty()) return kMissingContactLine;
    if (order.empty()) return kEmptyOrderLine;
    return std::nullopt;
}

std::string OrderMailBody(const OrderCustomer& customer)
{
    return "Klient: " + customer.name + "    Adres: " + customer.city + "  " + customer.street + "  " + customer.contact;
}

OrderMail MakeOrderMail(const OrderCustomer& customer, const std::filesystem::path& orderFile)
{
    return OrderMail{std::string(company::kOrderMailbox), std::string(kOrderMailSubject), OrderMailBody(customer),
                     {orderFile}};
}

std::string FileNameSafe(std::string_view text)
{
    std::string safe(text);
    for (char& c : safe) {
        const auto byte = static_cast<unsigned char>(c);
        // UTF-8 sequences use only bytes from 0x80 up, so they pass unchanged.
        if (byte < 0x20 || byte == 0x7F || std::string_view(R"(/\:*?"<>|)").find(c) != std::string_view::npos) c = '_';
    }
    return safe;
}

std::string OrderMailFileName(std::string_view customerName, std::string_view shortDate)
{
    return "zamowienie_" + FileNameSafe(customerName) + "_" + FileNameSafe(shortDate) + ".kvt";
}

} // namespace kalvintera
