#include "platform/system_locale.h"

#include "core/errors.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>

namespace kalvintera {

LocaleFormats SystemLocaleFormats()
{
    const QLocale locale = QLocale::system();
    LocaleFormats formats;
    formats.numbers = DetectDecimalSeparator(locale.toString(0.1).toStdString());
    try {
        formats.dates = ShortDateFormat(locale.dateFormat(QLocale::ShortFormat).toStdString());
    } catch (const KalvinteraError&) {
        // A pattern with names of days or months cannot be read back from the settings file.
        formats.dates = ShortDateFormat();
    }
    return formats;
}

std::string FileTimeText(const std::filesystem::path& file, const ShortDateFormat& dates)
{
    const QFileInfo info(QString::fromStdString(file.string()));
    if (!info.exists()) return {};
    const QDateTime modified = info.lastModified();
    const QDate day = modified.date();
    std::string text = FormatShortDate(CalendarDate{day.year(), day.month(), day.day()}, dates);
    if (modified.time() != QTime(0, 0)) {
        text += " " + QLocale::system().toString(modified.time(), QLocale::LongFormat).toStdString();
    }
    return text;
}

} // namespace kalvintera
