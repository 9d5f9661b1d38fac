#include "core/schedule/schedule_file.h"

#include "core/errors.h"
#include "core/shell/file_io.h"
#include "core/text/code_page.h"
#include "core/text/fold_text.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace kalvintera {
namespace {

// Language lines of the reader's own messages.
constexpr int kNoHeaderLine = 1310;
constexpr int kTooManyLinesLine = 1311; // %1: the number of rows found
constexpr int kUnknownUnitLine = 1346;  // %1: the heading
constexpr int kOtherUnitLine = 1347;    // %1: the heading, %2: the unit the program reads

struct ColumnName {
    std::string ScheduleLine::*field;
    // Folded names: no accents, '_' for blanks; English first, then Polish, each with the
    // caption the selection window gives the same quantity.
    std::array<std::string_view, 4> names;
};

constexpr std::array<ColumnName, 9> kColumns{{
    {&ScheduleLine::tag, {"tag", "oznaczenie"}},
    {&ScheduleLine::flow, {"flow", "air_flow", "wydajnosc", "wydajnosc_powietrza"}},
    {&ScheduleLine::pressure, {"pressure", "static_pressure", "sprez", "sprez_statyczny"}},
    {&ScheduleLine::kind, {"kind", "typ"}},
    {&ScheduleLine::voltage, {"voltage", "napiecie"}},
    {&ScheduleLine::max_sound, {"max_sound", "poziom_dzwieku"}},
    {&ScheduleLine::max_power, {"max_power", "moc_maksymalna"}},
    {&ScheduleLine::direction, {"direction", "kierunek_wyrzutu"}},
    {&ScheduleLine::quantity, {"quantity", "ilosc"}},
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

// A heading as spreadsheets write it: a name, then maybe its unit in brackets
// ("Wydajność [m3/h]", "Flow (m3/s)"); both folded, the unit without blanks.
struct Heading {
    std::string name;
    std::string unit;
};

Heading SplitHeading(std::string_view text)
{
    const std::size_t open = text.find_first_of("[(");
    if (open == std::string_view::npos) return {FoldForMatching(text), {}};
    std::string_view unit = Trimmed(text.substr(open + 1));
    if (!unit.empty() && unit.back() == (text[open] == '[' ? ']' : ')')) unit.remove_suffix(1);
    std::string folded_unit = FoldForMatching(unit);
    std::erase(folded_unit, '_');
    return {FoldForMatching(text.substr(0, open)), folded_unit};
}

bool NamesField(const Heading& heading, std::size_t field)
{
    const auto& names = kColumns[field].names;
    return std::find(names.begin(), names.end(), heading.name) != names.end() && !heading.name.empty();
}

std::optional<FlowUnit> FlowUnitFromHeading(const std::string& unit)
{
    if (unit == "m3/h" || unit == "m³/h" || unit == "m^3/h") return FlowUnit::CubicMetresPerHour;
    if (unit == "m3/s" || unit == "m³/s" || unit == "m^3/s") return FlowUnit::CubicMetresPerSecond;
    return std::nullopt;
}

std::optional<PressureUnit> PressureUnitFromHeading(const std::string& unit)
{
    if (unit == "pa") return PressureUnit::Pascal;
    if (unit == "dapa") return PressureUnit::Decapascal;
    return std::nullopt;
}

// A unit written in a flow or pressure heading must be one the program reads: a flow in l/s
// read as m³/h would select fans for the wrong air.
template <typename Unit>
std::optional<Unit> HeadingUnit(std::string_view written, const Heading& heading,
                                std::optional<Unit> (*from_heading)(const std::string&))
{
    if (heading.unit.empty()) return std::nullopt;
    const std::optional<Unit> unit = from_heading(heading.unit);
    if (!unit) {
        throw DataError("The schedule heading \"" + std::string(written) + "\" names a unit the program does not read",
                        {kUnknownUnitLine, {std::string(written)}});
    }
    return unit;
}

// The recognised columns in file order, and the units the flow and pressure headings name.
// Throws when flow or pressure is missing.
std::vector<ColumnField> ReadHeader(CellReader& reader, ScheduleFile& schedule)
{
    std::vector<ColumnField> columns;
    std::array<bool, kColumns.size()> found{};
    std::string cell;
    bool ends_row = false;
    for (std::size_t column = 0; !ends_row && reader.next(cell, ends_row); ++column) {
        const std::string_view written = Trimmed(cell);
        if (written.empty() || written.size() > kLongestHeading) continue;
        const Heading heading = SplitHeading(written);
        for (std::size_t field = 0; field < kColumns.size(); ++field) {
            if (found[field] || !NamesField(heading, field)) continue;
            found[field] = true;
            columns.push_back({column, field});
            if (field == kFlowColumn) {
                schedule.flow_heading = std::string(written);
                schedule.flow_unit = HeadingUnit<FlowUnit>(written, heading, FlowUnitFromHeading);
            } else if (field == kPressureColumn) {
                schedule.pressure_heading = std::string(written);
                schedule.pressure_unit = HeadingUnit<PressureUnit>(written, heading, PressureUnitFromHeading);
            }
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
    const std::vector<ColumnField> columns = ReadHeader(reader, schedule);

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

void CheckScheduleUnits(const ScheduleFile& schedule, FlowUnit flow_unit, PressureUnit pressure_unit)
{
    const auto refuse = [](const std::string& heading, const char* unit) {
        throw DataError("The schedule heading \"" + heading + "\" names another unit than " + unit,
                        {kOtherUnitLine, {heading, unit}});
    };
    if (schedule.flow_unit && *schedule.flow_unit != flow_unit) refuse(schedule.flow_heading, FlowUnitCaption(flow_unit));
    if (schedule.pressure_unit && *schedule.pressure_unit != pressure_unit) {
        refuse(schedule.pressure_heading, PressureUnitCaption(pressure_unit));
    }
}

} // namespace kalvintera
