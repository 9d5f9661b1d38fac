#pragma once

// The details window with every window it opens or orders through, wired as the program
// wires them, on a copy of the sample data in Polish.

#include "support/modal_closer.h"
#include "support/test_program.h"
#include "ui/details/characteristic_chart_window.h"
#include "ui/details/details_window.h"
#include "ui/details/sound_level_window.h"
#include "ui/details/transposed_window.h"
#include "ui/program.h"
#include "ui/selection/arrangement_dialog.h"
#include "ui/selection/fan_results.h"
#include "ui/selection/fan_tab.h"
#include "ui/selection/gravity_scheme_window.h"
#include "ui/selection/quantity_dialog.h"
#include "ui/selection/result_columns.h"
#include "ui/selection/selection_window.h"
#include "ui/shell/picture_window.h"

#include <QLineEdit>
#include <QTest>

namespace kalvintera::testing {

struct DetailsFixture : TestProgram {
    DetailsFixture()
    {
        LoadDeviceTable(program.path("urzadzenia.dbx"), program.devices, program.numbers);
        program.settings.language = language_id::kPolish;
        program.language.load(program.path("languages/polish.lng"), CodePage::Cp1250);
        program.MessageTitle = program.language.line(149);
        program.fadeEnabled = false;
        for (Translatable* window : std::initializer_list<Translatable*>{&selection, &details, &pressure, &power,
                                                                          &efficiency, &transposed, &spectrum}) {
            window->applyLanguage(program.language);
        }
        selection.setDialogs({&quantity, &arrangement, &scheme});
        for (CharacteristicChartWindow* chart : {&pressure, &power, &efficiency}) chart->setSelectionWindow(&selection);
        pressure.setTransposedWindow(&transposed);
        details.setDialogs({&selection, &quantity, &picture, &pressure, &power, &efficiency, &spectrum});
        QObject::connect(&selection, &SelectionWindow::detailsRequested, &details, &DetailsWindow::openDetails);
    }

    const DeviceRecord& device(const char* model) const
    {
        return program.devices.at(FindDeviceByModel(program.devices, model).value());
    }

    // The fan search of 1200 m³/h at 150 Pa, as typed and confirmed with Enter.
    void searchFans()
    {
        selection.prepareForModule();
        selection.setDutyPointTexts("1200", "150");
        selection.show();
        QTest::keyClick(selection.findChild<QLineEdit*>("flow"), Qt::Key_Return);
    }
    ResultColumns& fanColumns() const { return *selection.fans()->results()->columns(); }

    // The details window as an opener leaves it, shown without its modal loop.
    void showDetailsOf(const char* model, bool from_catalogue = true)
    {
        program.CurrentDevice = device(model);
        program.OpenedFromCatalogue = from_catalogue;
        program.OpenedFromFanSelection = false;
        details.show();
    }

    // KDH-355 chosen in the fan results of 1200 m³/h at 150 Pa.
    void chooseSearchedFan()
    {
        selection.setDutyPointTexts("1200", "150");
        program.CurrentDevice = device("KDH-355");
        program.DutyPointKnown = true;
        program.OpenedFromFanSelection = true;
        program.OpenedFromCatalogue = false;
        program.SelectedCandidatePower = 90;
        for (CharacteristicChartWindow* chart : {&pressure, &power, &efficiency}) chart->setSubtitle("KDH-355");
    }

    QuantityDialog quantity{program};
    ArrangementDialog arrangement{program};
    GravitySchemeWindow scheme{program};
    SelectionWindow selection{program};
    PictureWindow picture{program};
    CharacteristicChartWindow pressure{program, CharacteristicKind::Pressure};
    CharacteristicChartWindow power{program, CharacteristicKind::Power};
    CharacteristicChartWindow efficiency{program, CharacteristicKind::Efficiency};
    TransposedParametersWindow transposed{program};
    SpectrumWindow spectrum{program};
    DetailsWindow details{program};
};

} // namespace kalvintera::testing
