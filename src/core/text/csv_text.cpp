#include "core/text/csv_text.h"

namespace kalvintera {

std::string CsvCell(std::string_view text, char separator)
{
    const char special[] = {separator, '"', '\r', '\n', '\0'};
    if (text.find_first_of(special) == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string CsvText(const std::vector<std::vector<std::string>>& rows, char separator)
{
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) text += separator;
            text += CsvCell(row[i], separator);
        }
        text += "\r\n";
    }
    return text;
}

} // namespace kalvintera
