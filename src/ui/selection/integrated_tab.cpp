#include "ui/selection/integrated_tab.h"

#include "core/selection/order_from_selection.h"
#include "ui/program.h"
#include "ui/selection/control_texts.h"
#include "ui/selection/enter_key.h"
#include "ui/selection/result_columns.h"
#include "ui/selection/selection_actions.h"
#include "ui/selection/ventilator_tab_parts.h"
#include "ui/shell/picture_label.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace kalvintera {
namespace {

// Stack pressures the capacity polynomials cover; outside them the search does not run.
constexpr double kLowestStackPressurePa = 0.5;
constexpr double kHighestStackPressurePa = 10.0;

bool SearchRan(const IntegratedSearchResult& result)
{
    return result.stack_pressure_pa && *result.stack_pressure_pa >= kLowestStackPressurePa
           && *result.stack_pressure_pa <= kHighestStackPressurePa;
}

// Language line: the installed fan of an integrated ventilator is not in the catalogue.
constexpr int kNoInstalledFanLine = 1034;

} // namespace

IntegratedTab::IntegratedTab(SelectionActions& actions, QWidget* parent)
    : QWidget(parent), actions_(actions), program_(actions.program())
{
    setObjectName(QStringLiteral("integratedPage"));
    flow_ = NewInput(QStringLiteral("200"), "integratedFlow");
    flow_unit_ = new QLabel(QStringLiteral("m3/h"));
    flow_unit_->setObjectName(QStringLiteral("integratedFlowUnit"));
    inside_ = NewInput(QStringLiteral("20"), "insideTemperature");
    outside_ = NewInput(QStringLiteral("-20"), "outsideTemperature");
    wind_ = new QComboBox;
    wind_->setObjectName(QStringLiteral("integratedWind"));
    wind_->setEditable(true);
    wind_->setInsertPolicy(QComboBox::NoInsert);
    wind_->addItems({QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                     QStringLiteral("5")});
    wind_->setFixedWidth(80);
    BindHint(texts_, 254, wind_, QStringLiteral("Średnia prędkość wiatru występująca na terenie"));
    height_ = NewInput(QStringLiteral("4"), "roomHeight");
    colour_ = NewColourList(texts_, 273, "integratedColour");

    auto* inputs = new QGridLayout;
    const auto add_row = [&](int row, int line, const QString& caption, QWidget* input, const QString& unit) {
        inputs->addWidget(NewLabel(texts_, line, caption), row, 0);
        inputs->addWidget(input, row, 1);
        if (!unit.isEmpty()) inputs->addWidget(new QLabel(unit), row, 2);
    };
    add_row(0, 227, QStringLiteral("Podaj wymaganą wydajność  V"), flow_, QString());
    inputs->addWidget(flow_unit_, 0, 2);
    add_row(1, 228, QStringLiteral("Temperatura wewnętrzna      ti"), inside_, QStringLiteral("°C"));
    add_row(2, 229, QStringLiteral("Temperatura zewnętrzna       te"), outside_, QStringLiteral("°C"));
    add_row(3, 230, QStringLiteral("Wybierz prędkość wiatru    w"), wind_, QStringLiteral("m/s"));
    add_row(4, 231, QStringLiteral("Podaj wysokość pomieszczenia"), height_, QStringLiteral("m"));
    add_row(5, 232, QStringLiteral("Wybierz kolor urządzenia"), colour_, QString());

    QPushButton* search_button = NewTabButton(texts_, 233, QStringLiteral("DOBIERZ"), "integratedSearch");
    BindHint(texts_, 255, search_button, QStringLiteral("Dobiera wywietrzak zespolony"));
    QPushButton* scheme_button = NewTabButton(texts_, 238, QStringLiteral("SCHEMAT OBL."), "scheme");
    BindHint(texts_, 256, scheme_button, QStringLiteral("Schemat obliczeniowy"));
    QPushButton* fan = NewTabButton(texts_, 239, QStringLiteral("DANE WENTYLATORA"), "installedFan");
    BindHint(texts_, 257, fan, QStringLiteral("Pokazuje dane techniczne zainstalowanego wentylatora"));
    QPushButton* close = NewTabButton(texts_, 240, QStringLiteral("ZAMKNIJ"), "integratedClose");
    connect(search_button, &QPushButton::clicked, this, &IntegratedTab::search);
    connect(scheme_button, &QPushButton::clicked, this, &IntegratedTab::schemeRequested);
    connect(fan, &QPushButton::clicked, this, &IntegratedTab::showInstalledFan);
    connect(close, &QPushButton::clicked, this, &IntegratedTab::closeRequested);
    auto* buttons = new QGridLayout;
    buttons->addWidget(search_button, 0, 0);
    buttons->addWidget(scheme_button, 0, 1);
    buttons->addWidget(fan, 1, 0);
    buttons->addWidget(close, 1, 1);

    picture_ = new PictureLabel(QSize(180, 135));
    picture_->setObjectName(QStringLiteral("integratedPicture"));

    auto* left = new QVBoxLayout;
    left->addLayout(inputs);
    left->addLayout(buttons);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(picture_, 0, Qt::AlignTop);

    columns_ = NewVentilatorColumns(texts_, kVisibleRows, true, 291, 292);
    columns_->setObjectName(QStringLiteral("integratedColumns"));
    connect(columns_, &ResultColumns::scrolled, this, &IntegratedTab::showFrom);
    connect(columns_, &ResultColumns::rowDoubleClicked, this, &IntegratedTab::showDetails);
    connect(columns_, &ResultColumns::detailsChosen, this, [this] {
        if (const auto row = columns_->selectedRow()) showDetails(*row);
    });
    connect(columns_, &ResultColumns::addChosen, this, &IntegratedTab::addSelectedToOrder);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(columns_);
    layout->addStretch();

    new EnterKeyAction({flow_, inside_, outside_, wind_, height_, colour_}, [this] { search(); }, this);
}

void IntegratedTab::search()
{
    actions_.guarded([this] {
        IntegratedSearchInput input;
        input.flow_text = flow_->text().toStdString();
        input.inside_temperature_text = inside_->text().toStdString();
        input.outside_temperature_text = outside_->text().toStdString();
        input.wind_text = wind_->currentText().toStdString();
        input.height_text = height_->text().toStdString();
        input.colour_text = colour_->currentText().toStdString();
        input.flow_unit = program_.flowUnit;
        input.atmospheric_pressure_text = program_.settings.atmosphericPressure;
        input.humidity_text = program_.settings.humidity;
        IntegratedSearchResult result = SelectIntegratedVentilators(program_.devices, input, program_.numbers);

        if (result.message_line == ventilator_message::kIntegratedNoneFound) {
            // Only a search that ran (the stack pressure was usable) replaces the results.
            if (SearchRan(result)) {
                rows_.clear();
                program_.selectionResults.clear();
                columns_->clear();
                columns_->setScrollRange(0, 0);
            }
            program_.prompter.showInfo(program_.line(result.message_line),
                                       QString::fromLatin1(ventilator_message::kIntegratedMessageTitle));
            return;
        }
        if (result.message_line != 0) {
            program_.showMessage(result.message_line);
            return;
        }
        rows_ = std::move(result.results);
        program_.selectionResults.clear();
        for (const VentilatorResult& row : rows_) program_.selectionResults.push_back(row.device_index);
        const int count = static_cast<int>(rows_.size());
        columns_->setScrollRange(0, count >= kVisibleRows + 1 ? count - kVisibleRows : 0);
        showFrom(0);
        program_.DutyPointKnown = false;
    });
}

void IntegratedTab::showFrom(int position)
{
    ShowVentilatorRows(*columns_, program_, rows_, static_cast<std::size_t>(std::max(position, 0)), kVisibleRows);
}

std::optional<int> IntegratedTab::selectedResultNumber() const
{
    const auto row = columns_->selectedRow();
    if (!row) return std::nullopt;
    return columns_->scrollBar()->value() + *row + 1;
}

void IntegratedTab::showDetails(int row)
{
    if (const auto device = actions_.resultDevice(columns_->scrollBar()->value() + row + 1)) {
        actions_.openDetails(*device, false, false);
    }
}

void IntegratedTab::addSelectedToOrder()
{
    const auto number = selectedResultNumber();
    const auto device = number ? actions_.resultDevice(*number) : std::nullopt;
    if (!device) return;
    const std::string colour = colour_->currentText().toStdString();
    actions_.addToOrder([&](const std::string& quantity) {
        return IntegratedOrderLine(VentilatorOrderInput{*device, quantity, colour});
    });
}

void IntegratedTab::showInstalledFan()
{
    const auto number = selectedResultNumber();
    const auto device = number ? actions_.resultDevice(*number) : std::nullopt;
    if (!device) return;
    const DeviceRecord& ventilator = program_.devices.at(*device);
    const auto fan = FindInstalledFan(program_.devices, ventilator);
    if (!fan) {
        // The message names the missing type code so the user can ask the maker about it.
        QString text = program_.line(kNoInstalledFanLine);
        if (!ventilator.CurveFile.empty()) text += " " + QString::fromStdString(ventilator.CurveFile);
        program_.prompter.showInfo(text, QString::fromStdString(program_.MessageTitle));
        return;
    }
    actions_.openDetails(*fan, false, true);
}

void IntegratedTab::prepareForOpening()
{
    flow_unit_->setText(QString::fromLatin1(FlowUnitCaption(program_.flowUnit)));
    ShowKindPicture(*picture_, program_, "WYWIETRZAK Z");
}

void IntegratedTab::emptyResults()
{
    rows_.clear();
    columns_->clear();
    columns_->setScrollRange(0, 0);
}

void IntegratedTab::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

} // namespace kalvintera
