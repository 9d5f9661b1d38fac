#pragma once

#include <QString>

#include <memory>

class QTranslator;

namespace kalvintera {

// Qt's own texts — the file, print and page setup dialogs, the standard buttons of message
// boxes — in the language of the program's texts, from the translations Qt installs
// beside itself.
class QtTranslations {
public:
    QtTranslations();
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // LanguageId 1..4; any other id stands for the built-in Polish texts. English is Qt's
    // own language and needs no translation.
    void use(int language);

    // "pl", "de", "ru", or empty while Qt speaks English.
    QString languageCode() const { return code_; }

private:
    std::unique_ptr<QTranslator> translator_;
    QString code_;
};

} // namespace kalvintera
