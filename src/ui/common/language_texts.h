#pragma once

#include "core/shell/language_table.h"

#include <QString>

#include <functional>
#include <vector>

namespace kalvintera {

// Entry `line` of the language table as a QString.
inline QString LanguageLine(const LanguageTable& table, int line)
{
    return QString::fromStdString(table.line(line));
}

// Which language line feeds which text of a window. A window registers its texts once;
// applying a language file then writes every one of them.
class LanguageTexts {
public:
    using Setter = std::function<void(const QString&)>;

    void add(int line, Setter setter) { bindings_.push_back({line, std::move(setter)}); }

    void apply(const LanguageTable& table) const
    {
        for (const auto& binding : bindings_) binding.setter(LanguageLine(table, binding.line));
    }

private:
    struct Binding {
        int line;
        Setter setter;
    };
    std::vector<Binding> bindings_;
};

// A window whose texts come from the language file.
class Translatable {
public:
    virtual ~Translatable() = default;
    virtual void applyLanguage(const LanguageTable& table) = 0;
};

} // namespace kalvintera
