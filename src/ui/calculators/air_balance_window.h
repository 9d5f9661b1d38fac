#pragma once

#include "core/calculators/air_balance.h"
#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"

#include <QString>

#include <exception>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace kalvintera {

class AirChangesGroup;
class DwellingGroup;
class OccupantsGroup;

// "Kalkulator bilansu powietrza": the ventilation air a room or dwelling needs, by its
// occupants, by air changes for its kind, or by the dwelling standard, as a minimum, a
// maximum and an average flow that can start a fan selection.
class AirBalanceWindow final : public ProgramDialog, public Translatable {
    Q_OBJECT
public:
    enum class Method { Occupants, AirChanges, Dwelling };

    explicit AirBalanceWindow(Program& program, QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& table) override;

    void chooseMethod(Method method);
    Method method() const;

    // The three "Oblicz" buttons. Missing inputs are asked for and nothing is computed.
    void computeOccupants();
    void computeAirChanges();
    void computeDwelling();
    // "Kopiuj wynik do doboru wentylatora".
    void copyResult();

    OccupantsGroup* occupantsGroup() const { return occupants_; }
    AirChangesGroup* airChangesGroup() const { return air_changes_; }
    DwellingGroup* dwellingGroup() const { return dwelling_; }
    QString minimumText() const;
    QString maximumText() const;
    QString averageText() const;

signals:
    // The average as shown, for the selection window's flow field (not converted: it goes
    // in as the selection's flow unit reads it).
    void resultCopied(const QString& flow);

private:
    QWidget* buildMethodGroup();
    QWidget* buildResultGroup();
    void showResult(const AirFlowRange& range);
    // Asks for a missing input in an OK/Cancel box under MessageTitle.
    void askFor(int line, const QString& built_in);
    // The error in the current language, never the core's English text.
    void reportError(const std::exception& error);

    QRadioButton* by_occupants_ = nullptr;
    QRadioButton* by_air_changes_ = nullptr;
    QRadioButton* by_dwelling_ = nullptr;
    QStackedWidget* inputs_ = nullptr;
    OccupantsGroup* occupants_ = nullptr;
    AirChangesGroup* air_changes_ = nullptr;
    DwellingGroup* dwelling_ = nullptr;
    QLineEdit* minimum_ = nullptr;
    QLineEdit* maximum_ = nullptr;
    QLineEdit* average_ = nullptr;
    QPushButton* copy_ = nullptr;
    LanguageTexts texts_;
};

} // namespace kalvintera
