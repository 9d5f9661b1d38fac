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
class OrderView;
class OrderCommands;
class AirBalanceWindow;
class ScheduleWindow;
class ControlElementWindow;
class DetailsWindow;
class CharacteristicChartWindow;
class TransposedParametersWindow;
class SpectrumWindow;
class AirCalculatorWindow;
class AirCalculatorHelp;
class IxChartWindow;
class PressureLossWindow;
class FittingChooser;
class FittingDialog;

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

    // The order list on the main window's order form tab, and what the user does with the order.
    OrderView* orderView = nullptr;
    OrderCommands* orderCommands = nullptr;

    // The air balance and control element calculators.
    AirBalanceWindow* airBalance = nullptr;
    ScheduleWindow* schedule = nullptr;
    ControlElementWindow* controlElements = nullptr;

    // The details of one device, its three characteristic charts, the parameters after a
    // speed change and the acoustic spectrum.
    DetailsWindow* details = nullptr;
    CharacteristicChartWindow* pressureChart = nullptr;
    CharacteristicChartWindow* powerChart = nullptr;
    CharacteristicChartWindow* efficiencyChart = nullptr;
    TransposedParametersWindow* transposedParameters = nullptr;
    SpectrumWindow* spectrum = nullptr;

    // The pressure-loss calculator, its fitting chooser and its fitting dialog.
    PressureLossWindow* pressureLoss = nullptr;
    FittingChooser* fittingChooser = nullptr;
    FittingDialog* fittingDialog = nullptr;

    // The humid-air calculator with its help, and the IX chart with its own dialogs.
    AirCalculatorWindow* airCalculator = nullptr;
    AirCalculatorHelp* airCalculatorHelp = nullptr;
    IxChartWindow* ixChart = nullptr;

    // Every window whose texts come from the language file, in creation order.
    std::vector<Translatable*> translatable;

    void applyLanguage(const LanguageTable& table) const
    {
        for (Translatable* window : translatable) window->applyLanguage(table);
    }
};

} // namespace kalvintera
