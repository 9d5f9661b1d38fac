#include "core/schedule/schedule_file.h"

#include "core/errors.h"
#include "core/shell/file_io.h"
#include "core/text/code_page.h"
#include "core/text/fold_text.h"

#include <algorithm>
#include <array>
#include <string>

namespace kalvintera {
namespace {

// Language lines of the reader's own messages.
constexpr int kNoHeaderLine = 1310;
constexpr int kTooManyLinesLine = 1311; // %1: the number of rows found

struct ColumnName {
    std::string ScheduleLine::*field;
    std::string_view english;
    std::string_view polish; // folded: no accents, '_' for blanks
};

constexpr std::array<ColumnName, 9> kColumns{{
    {&ScheduleLine::tag, "tag", "oznaczenie"},
    {&ScheduleLine::flow, "flow", "wydajnosc"},
    {&ScheduleLine::pressure, "pressure", "sprez"},
    {&ScheduleLine::kind, "kind", "typ"},
    {&ScheduleLine::voltage, "voltage", "napiecie"},
    {&ScheduleLine::max_sound, "max_sound", "poziom_dzwieku"},
    {&ScheduleLine::max_power, "max_power", "moc_maksymalna"},
    {&ScheduleLine::direction, "direction", "kierunek_wyrzutu"},
    {&ScheduleLine::quantity, "quantity", "ilosc"},
}};
constexpr std::size_t kFlowColumn = 1;
constexpr std::size_t kPressureColumn = 2;

// No heading longer than this can name a column; longer cells are not folded at all, so a
// header row of megabytes costs no more than reading it.
constexpr std::size_t kLongestHeading = 64;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string ToUtf8Text(std::string_view bytes)
{
    // The mark says UTF-8 but is no part of the first heading; a file that is not valid
    // UTF-8 after it is still read as CP1250, the code page Polish spreadsheets save in.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    return TextToUtf8(bytes, CodePage::Cp1250);
}

// ';' unless the first row holds more ',' outside quotes: spreadsheets in Polish settings
// write ';' because ',' is their decimal separator.
char DetectSeparator(std::string_view text)
{
    std::size_t semicolons = 0;
    std::size_t commas = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') quoted = !quoted;
        else if (quoted) continue;
        else if (c == '\n' || c == '\r') break;
        else if (c == ';') ++semicolons;
        else if (c == ',') ++commas;
    }
    return commas > semicolons ? ',' : ';';
}

// Cells of CSV text one by one, as spreadsheets read them: a cell whose first non-blank
// character is a quote runs to the closing quote, across separators and line breaks, with
// "" for a quote inside; a quote anywhere else is an ordinary character. A quote never
// closed takes the rest of the text. Rows end at CR LF, LF or a lone CR.
class CellReader {
public:
    CellReader(std::string_view text, char separator) : text_(text), separator_(separator) {}

    // The next cell into `cell`; `ends_row` tells whether it is the last of its row.
    // False at the end of the text.
    bool next(std::string& cell, bool& ends_row)
    {
        if (pos_ >= text_.size() && !after_separator_) return false;
        after_separator_ = false;
        cell.clear();
        bool started = false; // a non-blank character or an opening quote was seen
        bool quoted = false;
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (quoted) {
                if (c != '"') {
                    cell += c;
                } else if (pos_ < text_.size() && text_[pos_] == '"') {
                    cell += '"';
                    ++pos_;
                } else {
                    quoted = false;
                }
            } else if (c == separator_) {
                after_separator_ = true;
                ends_row = false;
                return true;
            } else if (c == '\n' || c == '\r') {
                if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
                ends_row = true;
                return true;
            } else if (c == '"' && !started) {
                cell.clear(); // the blanks before the quote
                quoted = true;
                started = true;
            } else {
                if (!IsBlank(c)) started = true;
                cell += c;
            }
        }
        ends_row = true;
        return true;
    }

private:
    std::string_view text_;
    char separator_;
    std::size_t pos_ = 0;
    bool after_separator_ = false; // "a;" ends in an empty cell
};

// A recognised column of the file and the field of kColumns it fills.
struct ColumnField {
    std::size_t column;
    std::size_t field;
};

// The recognised columns in file order. Throws when flow or pressure is missing.
std::vector<ColumnField> ReadHeader(CellReader& reader)
{
    std::vector<ColumnField> columns;
    std::array<bool, kColumns.size()> found{};
    std::string cell;
    bool ends_row = false;
    for (std::size_t column = 0; !ends_row && reader.next(cell, ends_row); ++column) {
        const std::string_view heading = Trimmed(cell);
        if (heading.empty() || heading.size() > kLongestHeading) continue;
        const std::string folded = FoldForMatching(heading);
        for (std::size_t field = 0; field < kColumns.size(); ++field) {
            if (found[field] || (folded != kColumns[field].english && folded != kColumns[field].polish)) continue;
            found[field] = true;
            columns.push_back({column, field});
            break;
        }
    }
    if (!found[kFlowColumn] || !found[kPressureColumn]) {
        throw DataError("The first row of the schedule names no flow and pressure columns", {kNoHeaderLine, {}});
    }
    return columns;
}

} // namespace

ScheduleFile ParseScheduleFile(std::string_view bytes)
{
    const std::string text = ToUtf8Text(bytes);
    ScheduleFile schedule;
    schedule.separator = DetectSeparator(text);
    CellReader reader(text, schedule.separator);
    const std::vector<ColumnField> columns = ReadHeader(reader);

    std::size_t rows_found = 0;
    std::string cell;
    for (int line = 1;; ++line) {
        ScheduleLine row;
        row.line = line;
        bool blank = true;
        bool any_cell = false;
        bool ends_row = false;
        auto next_known = columns.begin(); // cells come in column order, and so do `columns`
        for (std::size_t column = 0; !ends_row && reader.next(cell, ends_row); ++column) {
            any_cell = true;
            const bool known = next_known != columns.end() && next_known->column == column;
            const std::string_view value = Trimmed(cell);
            if (!value.empty()) {
                blank = false;
                if (known) row.*kColumns[next_known->field].field = std::string(value);
            }
            if (known) ++next_known;
        }
        if (!any_cell) break;
        if (blank) continue;
        // Past the limit the rows are only counted, so the message can say how many there are.
        if (++rows_found <= kMaxScheduleLines) schedule.lines.push_back(std::move(row));
    }
    if (rows_found > kMaxScheduleLines) {
        throw DataError("The schedule has " + std::to_string(rows_found) + " rows, more than "
                            + std::to_string(kMaxScheduleLines) + " can be read",
                        {kTooManyLinesLine, {std::to_string(rows_found)}});
    }
    return schedule;
}

ScheduleFile ReadScheduleFile(const std::filesystem::path& file)
{
    return ParseScheduleFile(ReadWholeFile(file));
}

} // namespace kalvintera
