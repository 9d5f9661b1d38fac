#include "ui/common/error_text.h"

#include "core/errors.h"
#include "core/message_lines.h"
#include "core/text/message_format.h"

#include <cstdio>

namespace kalvintera {
namespace {

int LineOfKind(const std::exception& error)
{
    if (dynamic_cast<const ConversionError*>(&error)) return message_line::kNotANumber;
    if (dynamic_cast<const FileError*>(&error)) return message_line::kFileFailed;
    if (dynamic_cast<const DataError*>(&error)) return message_line::kBadData;
    return message_line::kActionFailed;
}

} // namespace

QString UserErrorText(const std::exception& error, const LanguageTable& table)
{
    std::fprintf(stderr, "kalvintera: %s\n", error.what());
    UserMessage message;
    if (const auto* own = dynamic_cast<const KalvinteraError*>(&error)) message = own->userMessage();
    if (message.line == 0) message = {LineOfKind(error), {}};
    // A kind's line names a value it was not given: say so without an empty gap.
    std::string text = FormatMessage(table.line(message.line), message.values);
    if (message.values.empty()) {
        const std::size_t hole = text.find("%1");
        if (hole != std::string::npos) text = FormatMessage(text, {"?"});
    }
    return QString::fromStdString(text);
}

} // namespace kalvintera
