#pragma once

#include "core/humidair/chart_contents.h"
#include "core/humidair/humid_air.h"
#include "core/humidair/ix_chart_geometry.h"
#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"
#include "ui/humidair/ix_chart_files.h"

#include <optional>

class QAction;
class QMenuBar;
class QPushButton;

namespace kalvintera {

class ChartLegend;
class IxChartSettingsDialog;
class IxChartView;
class PictureLabel;
class PointDataDialog;
class PointListTree;
class PointNameDialog;
class PointPicker;
class PressurePanel;
class ProcessDialog;
class ProcessListWindow;
class ReadoutPanel;

// "IX-CHART": the Mollier chart of humid air filling the display, the state under the
// pointer, the user's points and processes, and the chart files. The picture is redrawn
// whole whenever the window becomes active and after every change.
class IxChartWindow final : public ProgramDialog, public Translatable {
    Q_OBJECT
public:
    explicit IxChartWindow(Program& program, QWidget* parent = nullptr);
    ~IxChartWindow() override;

    void applyLanguage(const LanguageTable& table) override;

    // Redraws the picture from the settings in force, the points and the processes.
    void redraw();

    // What the user does on the chart; each is also reachable from the window's controls.
    void pointerAt(int x, int y);
    void addPointAt(int x, int y);
    void addPointByData();
    void editPoint(int point);
    void deletePoint(int point);
    void defineProcess();

    const ChartContents& contents() const { return contents_; }
    const IxChartGeometry& geometry() const { return geometry_; }
    QAction* action(const char* name) const;

    IxChartView* view() const { return view_; }
    ReadoutPanel* readoutPanel() const { return readout_; }
    PressurePanel* pressurePanel() const { return pressure_; }
    PointListTree* pointList() const { return points_; }
    IxChartSettingsDialog* settingsDialog() const { return settings_; }
    PointNameDialog* pointNameDialog() const { return name_dialog_; }
    PointDataDialog* pointDataDialog() const { return data_dialog_; }
    PointPicker* pointPicker() const { return picker_; }
    ProcessDialog* processDialog() const { return process_dialog_; }
    ProcessListWindow* processList() const { return process_list_; }

protected:
    // Every way of closing the chart ("ZAMKNIJ", "Zakończ", the window's close button) ends
    // here: with unsaved points or processes the user is asked first.
    void done(int result) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    void buildPanels();
    void placePanels();
    bool pointsFull();
    // Save, discard or cancel: false when the chart is to stay open.
    bool confirmClosing();
    void setTitle(const std::optional<QString>& title);

    ChartContents contents_;
    IxChartFiles files_;
    IxChartGeometry geometry_;
    double barometric_pa_ = 101300; // of the last picture drawn
    std::optional<HumidAirState> readout_state_;

    QMenuBar* menu_ = nullptr;
    IxChartView* view_ = nullptr;
    PictureLabel* logo_ = nullptr;
    ReadoutPanel* readout_ = nullptr;
    PressurePanel* pressure_ = nullptr;
    ChartLegend* legend_ = nullptr;
    PointListTree* points_ = nullptr;
    QPushButton* close_ = nullptr;

    IxChartSettingsDialog* settings_ = nullptr;
    PointNameDialog* name_dialog_ = nullptr;
    PointDataDialog* data_dialog_ = nullptr;
    PointPicker* picker_ = nullptr;
    ProcessDialog* process_dialog_ = nullptr;
    ProcessListWindow* process_list_ = nullptr;
    LanguageTexts texts_;
};

} // namespace kalvintera
