#pragma once

#include "core/catalogue/device_table.h"
#include "core/order/order_customer.h"
#include "core/order/order_list.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kalvintera {

// Language lines of the printout's headings and labels.
constexpr int kPrintoutHeadingLine = 158;
constexpr int kPrintoutColumnHeadsLine = 159;
constexpr int kPrintoutCustomerLabelLine = 160;
constexpr int kPrintoutAddressLabelLine = 161;
constexpr int kPrintoutContactLabelLine = 162;
constexpr int kPrintoutStreetLabelLine = 163;

// Every line of an order's printout is this many characters wide.
constexpr std::size_t kPrintoutLineWidth = 81;

// The headings and labels in the current language.
struct PrintoutTexts {
    std::string heading;       // above the column heads
    std::string columnHeads;
    std::string customerLabel; // before the name
    std::string addressLabel;  // before the city
    std::string contactLabel;  // before the contact
    std::string streetLabel;   // between the city and the street
};

struct PrintoutInput {
    PrintoutTexts texts;
    OrderCustomer customer;
    const OrderList& order;
    const DeviceTable& devices;
};

// Exactly n + 1 characters: `text` cut to n + 1 characters, or followed by spaces up to
// that width. Characters, not bytes: "Ł" takes one place like "L".
std::string PadColumn(std::string_view text, std::size_t n);

// One order line in fixed columns (number, Polish product name, type, quantity, execution,
// colour, arrangement, voltage), kPrintoutLineWidth characters.
std::string PrintoutRow(const OrderLine& line, const DeviceRecord& device);

// The printout: six blank lines, the customer block, a blank line, the two heading lines,
// a blank line, then one row per order line.
std::vector<std::string> MakeOrderPrintout(const PrintoutInput& input);

// Where the printout of an order file goes: beside it, named like it with the extension
// "txt". An order never saved (a bare name such as "bez nazwy.kvt") prints into the data
// folder. An order file that itself ends in ".txt" gets ".txt" appended rather than being
// overwritten by its own printout.
std::filesystem::path PrintoutFileFor(const std::filesystem::path& orderFile, const std::filesystem::path& dataFolder);

// Writes the lines with CR LF line ends (UTF-8), replacing an existing file only once the
// new one is complete. FileError naming the file on failure.
void WritePrintoutFile(const std::filesystem::path& file, const std::vector<std::string>& lines);

} // namespace kalvintera
