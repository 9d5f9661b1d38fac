// datasheet: the PDF data sheet of one fan at a duty point, or the data sheets of an order.

#include "cli/command_list.h"
#include "cli/session.h"
#include "core/documents/fan_datasheet.h"
#include "core/errors.h"
#include "core/order/order_file.h"
#include "core/selection/energy_settings.h"
#include "documents/document_pdf_writer.h"
#include "platform/clock.h"

#include <QGuiApplication>

#include <cstdlib>
#include <memory>

namespace kalvintera::cli {
namespace {

constexpr OptionRule kOptions[] = {
    {"model", "MODEL", "the fan's type, as the catalogue writes it"},
    {"flow", "V", "required air flow, in the flow unit"},
    {"pressure", "DP", "required static pressure, in the pressure unit"},
    {"flow-unit", "m3/h|m3/s", "unit of --flow (default m3/h)"},
    {"pressure-unit", "Pa|daPa", "unit of --pressure (default Pa)"},
    {"order", "FILE.kvt", "the data sheets of every product of this order file instead"},
    {"language", "pl|en|de|ru", "language of the sheet (default: the settings' language, else Polish)"},
    {"output", "FILE.pdf", "the PDF to write"},
};

// The painter needs a GUI application; without a display the offscreen platform serves. It
// lives while the command runs and is gone before the program ends, as Qt wants it.
std::unique_ptr<QGuiApplication> GuiApplication()
{
    if (QGuiApplication::instance()) return nullptr;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "kalvintera-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

int ChosenLanguage(const Arguments& arguments, const Session& session)
{
    const std::string fallback = session.settings.language == language_id::kEnglish   ? "en"
                                 : session.settings.language == language_id::kGerman  ? "de"
                                 : session.settings.language == language_id::kRussian ? "ru"
                                                                                      : "pl";
    const std::string chosen = arguments.choice("language", {"pl", "en", "de", "ru"}, fallback);
    return chosen == "en" ? language_id::kEnglish : chosen == "de" ? language_id::kGerman
                          : chosen == "ru" ? language_id::kRussian : language_id::kPolish;
}

int Run(const Arguments& arguments, CommandContext& context)
{
    arguments.expectPositional({});
    const std::optional<std::string> output = arguments.value("output");
    if (!output || output->empty()) throw UsageError("--output FILE.pdf is required");
    const std::optional<std::string> order_file = arguments.value("order");
    const std::optional<std::string> model = arguments.value("model");
    if (order_file.has_value() == model.has_value()) throw UsageError("give either --model or --order");
    const FlowUnit flow_unit = arguments.choice("flow-unit", {"m3/h", "m3/s"}, "m3/h") == "m3/s"
                                   ? FlowUnit::CubicMetresPerSecond
                                   : FlowUnit::CubicMetresPerHour;
    const PressureUnit pressure_unit =
        arguments.choice("pressure-unit", {"Pa", "daPa"}, "Pa") == "daPa" ? PressureUnit::Decapascal : PressureUnit::Pascal;
    std::optional<DutyPoint> duty;
    if (model) {
        const std::string flow = RequiredNumberText(arguments, "flow");
        const std::string pressure = RequiredNumberText(arguments, "pressure");
        duty = DutyPoint{FlowToM3s(arguments.number("flow"), flow_unit), PressureToPa(arguments.number("pressure"), pressure_unit)};
        if (!(duty->flow_m3s > 0) || !(duty->pressure_pa > 0)) throw UsageError("--flow and --pressure must be above 0");
    }

    Session session = OpenSession(arguments);
    const int language = ChosenLanguage(arguments, session);
    if (const auto files = FilesForLanguage(language)) {
        const std::filesystem::path file = session.data.resolve(files->languageFile);
        std::error_code error;
        if (std::filesystem::is_regular_file(file, error)) session.language.load(file, files->codePage);
    }

    SystemClock clock;
    DatasheetContext sheet{session.devices, session.data, session.numbers, session.language, language};
    sheet.date = FormatShortDate(clock.today(), ShortDateFormat());
    sheet.version = FormatShortest(session.settings.version, session.numbers);
    sheet.flow_unit = flow_unit;
    sheet.pressure_unit = pressure_unit;
    sheet.energy = ReadEnergySettings(session.settings.operatingHours, session.settings.energyPrice, session.numbers);
    sheet.currency = session.settings.currency;
    const Settings& s = session.settings;
    if (!s.name.empty()) sheet.customer = OrderCustomer{s.name, s.city, s.street, s.tel};

    Document document;
    if (model) {
        const std::optional<DeviceIndex> index = FindDeviceByModel(session.devices, *model);
        if (!index) throw DataError("The catalogue holds no product " + *model);
        document = MakeDatasheet(sheet, DatasheetRequest{*index, duty, Regulation::None});
    } else {
        document = *MakeOrderDatasheets(sheet, ReadOrderFile(std::filesystem::path(*order_file)));
    }
    const std::unique_ptr<QGuiApplication> application = GuiApplication();
    WriteDocumentPdf(document, session.data, std::filesystem::path(*output));
    context.out << *output << '\n';
    return 0;
}

} // namespace

extern const Command kDatasheetCommand{
    "datasheet",
    "datasheet --model MODEL --flow V --pressure DP --output FILE.pdf   the data sheet of a fan at a duty point\n"
    "datasheet --order FILE.kvt --output FILE.pdf   the data sheets of every product of an order",
    kOptions,
    Run,
};

} // namespace kalvintera::cli
