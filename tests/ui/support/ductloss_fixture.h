#pragma once

#include "core/shell/air_properties.h"
#include "support/test_program.h"
#include "ui/ductloss/fitting_chooser.h"
#include "ui/ductloss/fitting_dialog.h"
#include "ui/ductloss/pressure_loss_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <utility>
#include <vector>

namespace kalvintera::testing {

// The pressure-loss calculator with its chooser and fitting dialog, wired as the program
// wires them, on air of the settings' default state.
struct DuctlossFixture : TestProgram {
    explicit DuctlossFixture(NumberFormat numbers = NumberFormat::point()) : TestProgram(numbers)
    {
        program.air = ComputeAirProperties(20, 101300, 0.5);
        chooser.setFittingDialog(&fitting);
        calculator.setDialogs(&chooser, &fitting);
    }

    using Texts = std::vector<std::pair<const char*, QString>>;

    // The user types each text into the dialog field of that name.
    void type(const Texts& texts)
    {
        for (const auto& [name, text] : texts) {
            if (auto* edit = fitting.findChild<QLineEdit*>(QString::fromLatin1(name))) {
                edit->selectAll();
                QTest::keyClick(edit, Qt::Key_Backspace);
                QTest::keyClicks(edit, text);
            } else {
                Child<QComboBox>(fitting, name)->setEditText(text);
            }
        }
    }

    // A fitting of `kind` added as through the chooser: the dialog prepared, the texts
    // typed, OK pressed.
    void add(int kind, const Texts& texts)
    {
        fitting.prepareToAdd(kind, chooser.kindName(kind));
        type(texts);
        fitting.confirm();
    }

    FittingDialog fitting{program};
    FittingChooser chooser{program};
    PressureLossWindow calculator{program};
};

} // namespace kalvintera::testing
