#pragma once

#include "core/details/details_tables.h"
#include "core/details/device_documents.h"
#include "core/selection/duty_point.h"
#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"
#include "ui/selection/selection_actions.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QGroupBox;
class QPushButton;
class QTabWidget;

namespace kalvintera {

class AccessoriesPage;
class CharacteristicChartWindow;
class DatasheetExport;
class ChartsPage;
class DescriptionPage;
class DimensionsPage;
class PictureWindow;
class SelectionWindow;
class SpectrumWindow;
class ValueTable;

// The windows the details window opens or orders through.
struct DetailsDialogs {
    SelectionWindow* selection = nullptr; // its add-to-order operations and the chosen fan's supply
    QuantityDialog* quantity = nullptr;
    PictureWindow* picture = nullptr;
    CharacteristicChartWindow* pressure = nullptr;
    CharacteristicChartWindow* power = nullptr;
    CharacteristicChartWindow* efficiency = nullptr;
    SpectrumWindow* spectrum = nullptr;
};

// "Dane szczegółowe doboru": everything the catalogue holds about program.CurrentDevice —
// picture and description, technical data, charts, dimensions and accessories — with its
// documents and the way onto the order.
class DetailsWindow final : public ProgramDialog, public Translatable {
    Q_OBJECT
public:
    enum Tab { DescriptionTab = 0, TechnicalTab = 1, ChartsTab = 2, DimensionsTab = 3, AccessoriesTab = 4 };

    explicit DetailsWindow(Program& program, QWidget* parent = nullptr);
    ~DetailsWindow() override;

    void setDialogs(const DetailsDialogs& dialogs);
    void applyLanguage(const LanguageTable& table) override;

    // Shows the window on program.CurrentDevice until it is closed; the product tree names
    // the product in the window caption.
    void openDetails();
    void openWithCaption(const QString& caption);

    // Fills every tab from program.CurrentDevice; runs at each showing and after each
    // change of the device within the window.
    void activate();
    // The accessory of that Model in place of the device, and back.
    void openAccessory(const QString& code);
    void goBack();
    void enlargeDrawing();
    void openDocument(DeviceDocumentKind kind);
    // "DODAJ DO ZAMÓWIENIA".
    void addToOrder();
    // "KARTA DOBORU PDF".
    void saveDatasheet();
    DatasheetExport* datasheets() const { return datasheets_; }

    QTabWidget* tabs() const { return tabs_; }
    QString deviceCaption() const;
    DescriptionPage* description() const { return description_; }
    ValueTable* technicalTable() const { return technical_; }
    ChartsPage* charts() const { return charts_; }
    DimensionsPage* dimensions() const { return dimensions_; }
    AccessoriesPage* accessories() const { return accessories_; }
    QPushButton* backButton() const { return back_; }

signals:
    // A catalogue product went onto the order from here.
    void orderLineAdded();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    QPushButton* addButton(const char* name, const char* text, int line);
    void fillTables();
    // The duty point of the fan search this fan was opened from, as its texts read now.
    std::optional<DutyPoint> selectedDutyPoint() const;
    // The best efficiency, and with a duty point the operating point and energy figures.
    std::vector<DetailsRow> energyRows() const;
    void openChart(CharacteristicChartWindow* window);
    // Runs a user action; an error ends it with a message in the user's language.
    void guarded(const std::function<void()>& action);

    DetailsDialogs dialogs_;
    SelectionActions actions_;
    QGroupBox* device_group_ = nullptr;
    QGroupBox* choose_group_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    DescriptionPage* description_ = nullptr;
    ValueTable* technical_ = nullptr;
    ChartsPage* charts_ = nullptr;
    DimensionsPage* dimensions_ = nullptr;
    AccessoriesPage* accessories_ = nullptr;
    QPushButton* back_ = nullptr;
    bool return_to_accessories_ = false;
    LanguageTexts texts_;
    DatasheetExport* datasheets_ = nullptr;
};

} // namespace kalvintera
