#pragma once

#include "ui/common/language_texts.h"

#include <vector>

namespace kalvintera {

class SplashWindow;
class MainWindow;
class SelectionWindow;
class QuantityDialog;
class ArrangementDialog;
class GravitySchemeWindow;
class MapWindow;
class AboutWindow;
class AwardsWindow;
class HardwareWindow;
class NewsWindow;
class PictureWindow;

// Every window of the program, created once at start and alive until the end. A window
// reaches another through here to open it or to call one of its narrow named methods.
struct Windows {
    SplashWindow* splash = nullptr;
    MainWindow* main = nullptr;
    SelectionWindow* selection = nullptr;
    QuantityDialog* quantity = nullptr;
    ArrangementDialog* arrangement = nullptr;
    GravitySchemeWindow* gravityScheme = nullptr;
    MapWindow* map = nullptr;
    AboutWindow* about = nullptr;
    AwardsWindow* awards = nullptr;
    HardwareWindow* hardware = nullptr;
    NewsWindow* news = nullptr;
    PictureWindow* picture = nullptr;

    // Every window whose texts come from the language file, in creation order.
    std::vector<Translatable*> translatable;

    void applyLanguage(const LanguageTable& table) const
    {
        for (Translatable* window : translatable) window->applyLanguage(table);
    }
};

} // namespace kalvintera
