#pragma once

#include "core/selection/duty_point.h"

#include <optional>

#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"
#include "ui/selection/selection_actions.h"

#include <QString>

class QTabWidget;

namespace kalvintera {

class CylindricalTab;
class FanTab;
class IntegratedTab;

// "Dobór": fan search by duty point and the two gravity ventilator searches. The window
// opens at its compact height; the fan results show below the tabs once a fan search has
// found some, until another tab is chosen.
class SelectionWindow final : public ProgramDialog, public Translatable {
    Q_OBJECT
public:
    enum Tab { FansTab = 0, IntegratedVentilatorsTab = 1, CylindricalVentilatorsTab = 2 };

    explicit SelectionWindow(Program& program, QWidget* parent = nullptr);
    ~SelectionWindow() override;

    // The quantity, arrangement and scheme windows this window opens.
    void setDialogs(const SelectionDialogs& dialogs);

    void applyLanguage(const LanguageTable& table) override;

    // Shows the tab and fan kind of the module the main window's button chose
    // (program.SelectionModule) and opens the window.
    void openForModule();
    // The same preparation without opening (the window shown by a caller or a test).
    void prepareForModule();

    // The duty point the settings file or an ordered fan brings in.
    void setDutyPointTexts(const QString& flow, const QString& pressure);
    // The calculators hand over one of the two.
    void setFlowText(const QString& flow);
    void setPressureText(const QString& pressure);
    QString flowText() const;
    QString pressureText() const;
    // The duty point the fan tab's texts hold now, in the window's units.
    DutyPointReading readDutyPoint() const;
    // The duty point of the fan search the current device was opened from, as the texts read
    // now; none when it was not opened from one or the texts do not read.
    std::optional<DutyPoint> searchedDutyPoint() const;

    // Empties the result lists of all three tabs (a change of the flow unit makes them stale).
    void emptyResultLists();

    // The add-to-order operations of the three result lists, on their selected rows; the
    // details window orders through them too.
    void addSelectedFanToOrder();
    void addSelectedCylindricalToOrder();
    void addSelectedIntegratedToOrder();
    // The supply voltage the selected fan result shows.
    QString selectedFanVoltageText() const;

    QTabWidget* tabs() const { return tabs_; }
    FanTab* fans() const { return fans_; }
    IntegratedTab* integrated() const { return integrated_; }
    CylindricalTab* cylindrical() const { return cylindrical_; }
    bool resultsShown() const;

signals:
    // CurrentDevice and the flags are set: the details window is to open.
    void detailsRequested();
    void flowCalculatorRequested();
    void pressureCalculatorRequested();
    void scheduleRequested();
    // A product was added to the order: the order form is to show it.
    void orderLineAdded();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void showResults(bool shown);

    SelectionActions actions_;
    QTabWidget* tabs_ = nullptr;
    FanTab* fans_ = nullptr;
    IntegratedTab* integrated_ = nullptr;
    CylindricalTab* cylindrical_ = nullptr;
    LanguageTexts texts_;
};

} // namespace kalvintera
