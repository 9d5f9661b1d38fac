#include "core/catalogue/catalogue_text.h"

#include "core/catalogue/device_table.h"
#include "core/errors.h"
#include "core/shell/file_io.h"
#include "core/text/code_page.h"

#include <optional>
#include <unordered_map>

namespace kalvintera {
namespace {

constexpr std::string_view kRecordHeader = "[device]";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The layout once, as a list of slots and an index by name.
struct FieldDirectory {
    std::vector<DeviceFieldSlot> slots;
    std::unordered_map<std::string_view, std::size_t> by_name;

    FieldDirectory()
    {
        DeviceRecord record;
        ForEachDeviceField(record, [this](const DeviceFieldSlot& slot, std::string&) {
            by_name.emplace(slot.name, slots.size());
            slots.push_back(slot);
        });
    }
};

const FieldDirectory& Directory()
{
    static const FieldDirectory directory;
    return directory;
}

std::string Escape(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: out += c;
        }
    }
    return out;
}

[[noreturn]] void Fail(std::size_t line_number, const std::string& reason)
{
    throw DataError("line " + std::to_string(line_number) + ": " + reason);
}

std::string Unescape(std::string_view value, std::size_t line_number)
{
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            out += value[i];
            continue;
        }
        if (i + 1 == value.size()) Fail(line_number, "a backslash ends the value; write \\\\ for a backslash");
        switch (value[++i]) {
        case '\\': out += '\\'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        default:
            Fail(line_number, std::string("unknown escape \\") + value[i]
                                  + " (known: \\\\ \\n \\r \\t)");
        }
    }
    return out;
}

bool IsBlankLine(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::string_view TrimTrailingBlanks(std::string_view line)
{
    const std::size_t end = line.find_last_not_of(" \t");
    return end == std::string_view::npos ? std::string_view() : line.substr(0, end + 1);
}

const char* CodePageName(CodePage page)
{
    return page == CodePage::Cp1251 ? "CP1251" : "CP1250";
}

// The record being read: where each field lives, and which were given already.
struct OpenRecord {
    DeviceRecord* record = nullptr;
    std::vector<std::string*> fields;
    std::vector<bool> given;

    explicit OpenRecord(DeviceRecord& r) : record(&r)
    {
        ForEachDeviceField(r, [this](const DeviceFieldSlot&, std::string& text) { fields.push_back(&text); });
        given.assign(fields.size(), false);
    }
};

void ReadFieldLine(std::string_view line, std::size_t line_number, OpenRecord& open)
{
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) {
        Fail(line_number, "expected \"FieldName: value\" or " + std::string(kRecordHeader) + ", found \""
                              + std::string(line) + "\"");
    }
    const std::string_view name = line.substr(0, colon);
    std::string_view raw_value;
    if (colon + 1 < line.size()) {
        if (line[colon + 1] != ' ') Fail(line_number, "a space must follow the colon after " + std::string(name));
        raw_value = line.substr(colon + 2);
    }

    const FieldDirectory& directory = Directory();
    const auto found = directory.by_name.find(name);
    if (found == directory.by_name.end()) Fail(line_number, "unknown field \"" + std::string(name) + "\"");
    const std::size_t index = found->second;
    const DeviceFieldSlot& slot = directory.slots[index];
    if (open.given[index]) Fail(line_number, "field " + std::string(name) + " is given twice in this record");

    std::string value = Unescape(raw_value, line_number);
    const std::size_t characters = CharacterCount(value);
    if (characters > slot.capacity) {
        Fail(line_number, "the value of " + std::string(name) + " has " + std::to_string(characters)
                              + " characters; the field holds " + std::to_string(slot.capacity));
    }
    if (DecodeCodePage(EncodeCodePage(value, slot.code_page), slot.code_page) != value) {
        Fail(line_number, "the value of " + std::string(name) + " holds a character that "
                              + CodePageName(slot.code_page) + " cannot store");
    }
    *open.fields[index] = std::move(value);
    open.given[index] = true;
}

} // namespace

std::string DumpCatalogueText(const std::vector<DeviceRecord>& records)
{
    std::string out;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (i > 0) out += '\n';
        out += kRecordHeader;
        out += '\n';
        ForEachDeviceField(records[i], [&out](const DeviceFieldSlot& slot, const std::string& text) {
            if (text.empty()) return;
            out += slot.name;
            out += ": ";
            out += Escape(text);
            out += '\n';
        });
    }
    return out;
}

std::vector<DeviceRecord> ParseCatalogueText(std::string_view text)
{
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());

    std::vector<DeviceRecord> records;
    // Records are filled through pointers into the vector, so it must never reallocate.
    records.reserve(kDeviceTableSlots);
    std::optional<OpenRecord> open;

    const std::vector<std::string> lines = SplitLines(text);
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const std::size_t line_number = index + 1;
        const std::string_view line = lines[index];

        if (!IsValidUtf8(line)) Fail(line_number, "the text is not valid UTF-8");
        if (IsBlankLine(line) || line.front() == '#') continue;
        if (TrimTrailingBlanks(line) == kRecordHeader) {
            if (records.size() == static_cast<std::size_t>(kDeviceTableSlots)) {
                Fail(line_number, "more than " + std::to_string(kDeviceTableSlots)
                                      + " records; the device table holds no more");
            }
            open.emplace(records.emplace_back());
            continue;
        }
        if (!open) Fail(line_number, "text before the first " + std::string(kRecordHeader));
        ReadFieldLine(line, line_number, *open);
    }
    return records;
}

} // namespace kalvintera
