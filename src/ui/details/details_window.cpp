#include "ui/details/details_window.h"

#include "core/details/accessories.h"
#include "core/catalogue/fan_curves.h"
#include "core/details/details_tables.h"
#include "core/details/energy_rows.h"
#include "core/documents/datasheet_lines.h"
#include "core/selection/energy_settings.h"
#include "core/errors.h"
#include "core/text/contains_text.h"
#include "core/text/message_format.h"
#include "platform/jpeg_image.h"
#include "ui/common/error_text.h"
#include "ui/details/accessories_page.h"
#include "ui/details/characteristic_chart_window.h"
#include "ui/details/charts_page.h"
#include "ui/details/description_page.h"
#include "ui/details/details_support.h"
#include "ui/details/dimensions_page.h"
#include "ui/details/sound_level_window.h"
#include "ui/details/value_table.h"
#include "ui/documents/datasheet_export.h"
#include "ui/program.h"
#include "ui/selection/selection_window.h"
#include "ui/shell/document_opener.h"
#include "ui/shell/picture_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

constexpr int kNotInCatalogueLine = 1172;
constexpr const char* kNotInCatalogue = "Produktu %1 nie ma w katalogu, więc nie można go dodać do zamówienia.";

} // namespace

DetailsWindow::DetailsWindow(Program& program, QWidget* parent)
    : ProgramDialog(program, Behaviour{.fades = false, .closes_on_esc = true}, parent), actions_(program, this)
{
    setWindowTitle(QString::fromUtf8("Dane szczegółowe doboru"));
    datasheets_ = new DatasheetExport(program, this);

    description_ = new DescriptionPage(program);
    technical_ = new ValueTable(QString::fromUtf8("WŁAŚCIWOŚĆ"), QString::fromUtf8("WARTOŚĆ"));
    technical_->setObjectName("technical");
    charts_ = new ChartsPage;
    dimensions_ = new DimensionsPage(program);
    accessories_ = new AccessoriesPage(program);
    tabs_ = new QTabWidget;
    tabs_->addTab(description_, "OPIS");
    tabs_->addTab(technical_, "DANE TECHNICZNE");
    tabs_->addTab(charts_, "WYKRESY");
    tabs_->addTab(dimensions_, QString::fromUtf8("WYMIARY/WŁAŚCIWOŚCI ELEKTRYCZNE"));
    tabs_->addTab(accessories_, "AKCESORIA");
    device_group_ = new QGroupBox;
    device_group_->setObjectName("device");
    auto* device_layout = new QVBoxLayout(device_group_);
    device_layout->addWidget(tabs_);

    choose_group_ = new QGroupBox("WYBIERZ");
    auto* buttons = new QHBoxLayout(choose_group_);
    const auto document_button = [&](const char* name, const char* text, int line, DeviceDocumentKind kind) {
        QPushButton* button = addButton(name, text, line);
        connect(button, &QPushButton::clicked, this, [this, kind] { openDocument(kind); });
        buttons->addWidget(button);
        return button;
    };
    document_button("cad", "RYSUNEK CAD", 343, DeviceDocumentKind::CadDrawing);
    document_button("pdf", "OPIS SZCZEGÓŁOWY PDF", 344, DeviceDocumentKind::DetailedDescription)->setToolTip("DTR");
    document_button("series", "TYPOSZEREG", 345, DeviceDocumentKind::SeriesSheet);
    QPushButton* order = addButton("order", "DODAJ DO ZAMÓWIENIA", 346);
    connect(order, &QPushButton::clicked, this, &DetailsWindow::addToOrder);
    buttons->addWidget(order);
    document_button("card", "KARTA KATALOGOWA", 347, DeviceDocumentKind::CatalogueCard);
    QPushButton* datasheet = addButton("datasheet", "KARTA DOBORU PDF", datasheet_lines::kDetailsButton);
    connect(datasheet, &QPushButton::clicked, this, &DetailsWindow::saveDatasheet);
    buttons->addWidget(datasheet);
    QPushButton* close = addButton("close", "ZAMKNIJ", 348);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);

    back_ = addButton("back", "<--- W S T E C Z", 349);
    back_->hide();
    connect(back_, &QPushButton::clicked, this, &DetailsWindow::goBack);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(device_group_, 1);
    layout->addWidget(choose_group_);
    layout->addWidget(back_, 0, Qt::AlignLeft);
    resize(980, 640);

    connect(charts_, &ChartsPage::pressureChartRequested, this, [this] { openChart(dialogs_.pressure); });
    connect(charts_, &ChartsPage::powerChartRequested, this, [this] { openChart(dialogs_.power); });
    connect(charts_, &ChartsPage::efficiencyChartRequested, this, [this] { openChart(dialogs_.efficiency); });
    connect(charts_, &ChartsPage::spectrumRequested, this, [this] {
        if (dialogs_.spectrum) dialogs_.spectrum->showModal();
    });
    connect(dimensions_, &DimensionsPage::enlargeRequested, this, &DetailsWindow::enlargeDrawing);
    connect(accessories_, &AccessoriesPage::accessoryChosen, this, &DetailsWindow::openAccessory);
    connect(&actions_, &SelectionActions::orderLineAdded, this, &DetailsWindow::orderLineAdded);

    texts_.add(326, [this](const QString& text) { setWindowTitle(text); });
    for (int tab = 0; tab < tabs_->count(); ++tab) {
        texts_.add(327 + tab, [this, tab](const QString& text) { tabs_->setTabText(tab, text); });
    }
    texts_.add(342, [this](const QString& text) { choose_group_->setTitle(text); });
    texts_.add(350, [this](const QString& text) { technical_->setTitles(text, technical_->horizontalHeaderItem(1)->text()); });
    texts_.add(395, [this](const QString& text) { technical_->setTitles(technical_->horizontalHeaderItem(0)->text(), text); });
}

DetailsWindow::~DetailsWindow() = default;

QPushButton* DetailsWindow::addButton(const char* name, const char* text, int line)
{
    auto* button = new QPushButton(QString::fromUtf8(text));
    button->setObjectName(name);
    texts_.add(line, [button](const QString& caption) { button->setText(caption); });
    return button;
}

void DetailsWindow::setDialogs(const DetailsDialogs& dialogs)
{
    dialogs_ = dialogs;
    actions_.setDialogs({dialogs.quantity, nullptr, nullptr});
}

void DetailsWindow::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
    for (Translatable* page : std::initializer_list<Translatable*>{description_, charts_, dimensions_, accessories_}) {
        page->applyLanguage(table);
    }
}

void DetailsWindow::openDetails()
{
    showModal();
}

void DetailsWindow::openWithCaption(const QString& caption)
{
    setWindowTitle(caption);
    showModal();
}

void DetailsWindow::activate()
{
    const DeviceRecord& device = program_.CurrentDevice;
    charts_->enableButtons(!device.PressureCoef[4].empty(), !device.SoundSpectrum[8].empty());
    description_->showDevice();
    dimensions_->showDrawing();
    device_group_->setTitle(DeviceCaption(program_));
    tabs_->setCurrentIndex(return_to_accessories_ ? AccessoriesTab : DescriptionTab);
    const QString model = QString::fromStdString(device.Model);
    for (CharacteristicChartWindow* chart : {dialogs_.pressure, dialogs_.power, dialogs_.efficiency}) {
        if (chart) chart->setSubtitle(model);
    }
    accessories_->reset();
    fillTables();
    return_to_accessories_ = false;
}

void DetailsWindow::fillTables()
{
    std::vector<DetailsRow> heading;
    try {
        heading = ReadDetailsHeading(program_.path(kDetailsHeadingFile));
    } catch (const KalvinteraError& error) {
        // The tables are still worth showing without the user's own rows.
        program_.prompter.showInfo(UserErrorText(error, program_.language), QString::fromStdString(program_.MessageTitle));
    }
    const DeviceRecord& device = program_.CurrentDevice;
    std::vector<DetailsRow> technical = heading;
    for (DetailsRow& row : TechnicalRows(device, program_.language, program_.settings.language)) {
        technical.push_back(std::move(row));
    }
    for (DetailsRow& row : energyRows()) technical.push_back(std::move(row));
    technical_->setRows(technical);

    AccessoryFilter filter{program_.settings.language, std::nullopt};
    if (program_.OpenedFromFanSelection && dialogs_.selection) {
        filter.candidate_voltage = dialogs_.selection->selectedFanVoltageText().toStdString();
    }
    accessories_->showSlots(VisibleAccessories(device, program_.devices, filter));

    std::vector<DetailsRow> dimensions = heading;
    for (DetailsRow& row : DimensionRows(device, program_.language)) dimensions.push_back(std::move(row));
    dimensions_->table()->setRows(dimensions);
}

std::optional<DutyPoint> DetailsWindow::selectedDutyPoint() const
{
    // A duty point the user has since mistyped gives no operating point here; the charts
    // say what is wrong with it when they are opened.
    return dialogs_.selection ? dialogs_.selection->searchedDutyPoint() : std::nullopt;
}

std::vector<DetailsRow> DetailsWindow::energyRows() const
{
    const DeviceRecord& device = program_.CurrentDevice;
    if (device.PressureCoef[4].empty()) return {}; // no characteristic: nothing to figure
    const double density = program_.fanAirDensity();
    const std::optional<EnergySettings> settings =
        ReadEnergySettings(program_.settings.operatingHours, program_.settings.energyPrice, program_.numbers);
    try {
        const FanCharacteristic fan = ForAirDensity(ReadFanCharacteristic(device, program_.data, program_.numbers), density);
        const DetailsEnergy energy = ComputeDetailsEnergy(fan, ReadFlowRange(device, program_.numbers),
                                                          selectedDutyPoint(), settings.value_or(EnergySettings{}));
        const EnergyRowsFormat format{program_.numbers, program_.flowUnit, program_.pressureUnit,
                                      program_.settings.currency, density, settings.has_value()};
        return EnergyDetailsRows(energy, program_.language, format);
    } catch (const KalvinteraError&) {
        // The charts report a characteristic that does not read when they are opened; the
        // technical data stay worth showing without these rows.
        return {};
    }
}

void DetailsWindow::saveDatasheet()
{
    const Regulation regulation = dialogs_.pressure ? dialogs_.pressure->shownRegulation() : Regulation::None;
    datasheets_->saveCurrentDevice(dialogs_.selection, regulation);
}

void DetailsWindow::openAccessory(const QString& code)
{
    back_->show();
    const std::optional<DeviceIndex> index = FindDeviceByModel(program_.devices, code.toStdString());
    if (!index) return;
    program_.SavedDevice = program_.CurrentDevice;
    program_.CurrentDevice = program_.devices.at(*index);
    guarded([this] { activate(); });
}

void DetailsWindow::goBack()
{
    program_.CurrentDevice = program_.SavedDevice;
    return_to_accessories_ = true;
    back_->hide();
    guarded([this] { activate(); });
}

void DetailsWindow::enlargeDrawing()
{
    if (!dialogs_.picture) return;
    const std::string relative = PicturePath(program_.CurrentDevice.DrawingFile);
    dialogs_.picture->showPicture(program_.fileExists(relative) ? LoadJpeg(program_.path(relative)) : QImage());
}

void DetailsWindow::openDocument(DeviceDocumentKind kind)
{
    const DeviceDocument document = DeviceDocumentFor(kind, program_.CurrentDevice, program_.settings.language);
    if (!OpenDataDocument(program_, document.path)) program_.showMessage(document.missing_line);
}

void DetailsWindow::addToOrder()
{
    const std::string& name = program_.CurrentDevice.NamePl;
    // Devices reached from a result list go onto the order the way that list orders them.
    // Only an open selection window still has its results: once it is closed (the details
    // opened from the order form) the product goes on as the catalogue orders it.
    if (!program_.OpenedFromCatalogue && dialogs_.selection && dialogs_.selection->isVisible()) {
        if (ContainsText("WENTYLATOR ", name)) return dialogs_.selection->addSelectedFanToOrder();
        if (ContainsText("WYWIETRZAK C", name)) return dialogs_.selection->addSelectedCylindricalToOrder();
        if (ContainsText("WYWIETRZAK Z", name)) return dialogs_.selection->addSelectedIntegratedToOrder();
    }
    const std::optional<DeviceIndex> index = FindDeviceByModel(program_.devices, program_.CurrentDevice.Model);
    if (!index) {
        const QString pattern = LanguageTextOr(program_, kNotInCatalogueLine, QString::fromUtf8(kNotInCatalogue));
        program_.prompter.showInfo(
            QString::fromStdString(FormatMessage(pattern.toStdString(), {program_.CurrentDevice.Model})),
            QString::fromStdString(program_.MessageTitle));
        return;
    }
    actions_.addToOrder([&](const std::string& quantity) { return CatalogueOrderLine(*index, quantity); });
}

QString DetailsWindow::deviceCaption() const { return device_group_->title(); }

void DetailsWindow::openChart(CharacteristicChartWindow* window)
{
    if (window) window->showModal();
}

void DetailsWindow::guarded(const std::function<void()>& action)
{
    try {
        action();
    } catch (const KalvinteraError& error) {
        // The error ends the action; what the window shows so far stays.
        program_.prompter.showInfo(UserErrorText(error, program_.language), QString::fromStdString(program_.MessageTitle));
    }
}

void DetailsWindow::showEvent(QShowEvent* event)
{
    ProgramDialog::showEvent(event);
    guarded([this] { activate(); });
}

void DetailsWindow::done(int result)
{
    back_->hide();
    return_to_accessories_ = false;
    ProgramDialog::done(result);
}

} // namespace kalvintera
