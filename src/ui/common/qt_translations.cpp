#include "ui/common/qt_translations.h"

#include "core/shell/language_table.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>

namespace kalvintera {
namespace {

QString QtLanguageCode(int language)
{
    switch (language) {
    case language_id::kEnglish: return {};
    case language_id::kGerman: return QStringLiteral("de");
    case language_id::kRussian: return QStringLiteral("ru");
    default: return QStringLiteral("pl");
    }
}

} // namespace

QtTranslations::QtTranslations() = default;

QtTranslations::~QtTranslations()
{
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
}

void QtTranslations::use(int language)
{
    const QString code = QtLanguageCode(language);
    if (translator_ && code == code_) return;
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
    translator_.reset();
    code_.clear();
    if (code.isEmpty()) return;

    auto translator = std::make_unique<QTranslator>();
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QStringLiteral("qtbase_") + code, folder)) {
        // The dialogs still work, in English; whoever supports the user learns why.
        std::fprintf(stderr, "kalvintera: no Qt translation qtbase_%s in %s\n", qPrintable(code), qPrintable(folder));
        return;
    }
    QCoreApplication::installTranslator(translator.get());
    translator_ = std::move(translator);
    code_ = code;
}

} // namespace kalvintera
