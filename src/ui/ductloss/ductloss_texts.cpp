#include "ui/ductloss/ductloss_texts.h"

#include "ui/program.h"

namespace kalvintera {
namespace {

struct BuiltIn {
    int line;
    const char* text;
};

constexpr BuiltIn kBuiltIn[] = {
    {805, "Podaj długość kształtki (L)."},
    {806, "Podaj przepływ powietrza V większy od zera."},
    {807, "Podaj chropowatość przewodu k."},
    {kCsvExportLine, "Eksport do pliku CSV"},
    {kRunFullLine, "Obliczenia mieszczą najwyżej 101 kształtek: nie można dodać kolejnej."},
    {kExportNotOpenedLine, "Nie udało się otworzyć pliku:"},
};

} // namespace

QString DuctlossLine(const Program& program, int line)
{
    if (program.languageChosen()) {
        const QString text = program.line(line);
        if (!text.isEmpty()) return text;
    }
    for (const BuiltIn& entry : kBuiltIn) {
        if (entry.line == line) return QString::fromUtf8(entry.text);
    }
    return program.line(line);
}

} // namespace kalvintera
