#include "core/order/order_printout.h"

#include "core/shell/file_io.h"
#include "core/text/code_page.h"

namespace kalvintera {

std::string PadColumn(std::string_view text, std::size_t n)
{
    const std::size_t width = n + 1;
    const std::size_t length = CharacterCount(text);
    if (length >= width) return CutToCharacters(text, width);
    return std::string(text) + std::string(width - length, ' ');
}

std::string PrintoutRow(const OrderLine& line, const DeviceRecord& device)
{
    return PadColumn(line.LineNo, 2) + PadColumn(device.NamePl, 23) + " " + PadColumn(device.Model, 13) + " "
           + PadColumn(line.Quantity, 3) + PadColumn(line.Execution, 10) + PadColumn(line.Colour, 8)
           + PadColumn(line.Arrangement, 5) + PadColumn(line.Voltage, 7);
}

std::vector<std::string> MakeOrderPrintout(const PrintoutInput& input)
{
    const PrintoutTexts& t = input.texts;
    const OrderCustomer& c = input.customer;
    std::vector<std::string> lines(6);
    lines.push_back(t.customerLabel + "  " + c.name);
    lines.push_back(t.addressLabel + "   " + c.city + "  " + t.streetLabel + " " + c.street);
    lines.push_back(t.contactLabel + " " + c.contact);
    lines.emplace_back();
    lines.push_back(t.heading);
    lines.push_back(t.columnHeads);
    lines.emplace_back();
    for (const OrderLine& line : input.order.lines()) lines.push_back(PrintoutRow(line, input.devices.at(line.DeviceIndex)));
    return lines;
}

std::filesystem::path PrintoutFileFor(const std::filesystem::path& orderFile, const std::filesystem::path& dataFolder)
{
    std::filesystem::path file = orderFile.is_absolute() ? orderFile : dataFolder / orderFile;
    if (file.extension() == ".txt") return file += ".txt";
    return file.replace_extension(".txt");
}

void WritePrintoutFile(const std::filesystem::path& file, const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    WriteFileAtomically(file, text);
}

} // namespace kalvintera
