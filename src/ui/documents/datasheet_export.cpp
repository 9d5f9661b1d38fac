#include "ui/documents/datasheet_export.h"

#include "core/documents/datasheet_lines.h"
#include "core/errors.h"
#include "core/shell/file_io.h"
#include "core/text/message_format.h"
#include "documents/document_pdf_writer.h"
#include "ui/common/error_text.h"
#include "ui/program.h"
#include "ui/selection/selection_window.h"

#include <QDir>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QThread>

namespace kalvintera {
namespace {

namespace lines = datasheet_lines;

constexpr int kNotInCatalogueLine = 1172;

} // namespace

DatasheetContext WindowDatasheetContext(const Program& program)
{
    DatasheetContext context{program.devices, program.data, program.numbers, program.language, program.shownLanguage()};
    context.date = FormatShortDate(program.platform.clock.today(), program.dates);
    context.version = FormatShortest(program.settings.version, program.numbers);
    const Settings& s = program.settings;
    if (!s.name.empty()) context.customer = OrderCustomer{s.name, s.city, s.street, s.tel};
    context.flow_unit = program.flowUnit;
    context.pressure_unit = program.pressureUnit;
    context.energy = ReadEnergySettings(s.operatingHours, s.energyPrice, program.numbers);
    context.currency = s.currency;
    context.air_density = program.fanAirDensity();
    return context;
}

DatasheetExport::DatasheetExport(Program& program, QObject* parent) : QObject(parent), program_(program) {}

DatasheetExport::~DatasheetExport()
{
    if (worker_) {
        cancel_ = true;
        worker_->wait();
    }
}

QString DatasheetExport::chooseFile(const QString& proposed_name) const
{
    FileDialogRequest request;
    request.title = program_.line(lines::kSaveDialogTitle);
    request.filter = program_.line(lines::kPdfFilter);
    request.default_suffix = QStringLiteral("pdf");
    request.folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    request.file_name = QDir(request.folder).filePath(proposed_name);
    return program_.prompter.chooseFileToSave(request);
}

void DatasheetExport::writeAndOffer(const std::string& bytes, const QString& file)
{
    const QString title = QString::fromStdString(program_.MessageTitle);
    try {
        WriteFileAtomically(std::filesystem::path(file.toStdString()), bytes);
    } catch (const FileError& error) {
        program_.prompter.showInfo(UserErrorText(error, program_.language), title);
        return;
    }
    emit written(file);
    const QString question =
        QString::fromStdString(FormatMessage(program_.language.line(lines::kOpenSaved), {file.toStdString()}));
    if (program_.prompter.askYesNo(question, title)) {
        program_.platform.desktop.openDocument(std::filesystem::path(file.toStdString()));
    }
}

void DatasheetExport::saveProductSheet(const DatasheetRequest& request, const QString& flow_text, const QString& pressure_text)
{
    const QString title = QString::fromStdString(program_.MessageTitle);
    std::string bytes;
    try {
        const DatasheetContext context = WindowDatasheetContext(program_);
        const Document document = MakeDatasheet(context, request);
        const std::string model = program_.devices.at(request.device).Model;
        const QString file = chooseFile(QString::fromStdString(
            DatasheetFileName(model, request.duty ? flow_text.toStdString() : std::string(),
                              request.duty ? pressure_text.toStdString() : std::string())));
        if (file.isEmpty()) return;
        bytes = DocumentPdfBytes(document, program_.data);
        writeAndOffer(bytes, file);
    } catch (const KalvinteraError& error) {
        program_.prompter.showInfo(UserErrorText(error, program_.language), title);
    }
}

void DatasheetExport::saveCurrentDevice(const SelectionWindow* selection, Regulation regulation)
{
    const DeviceRecord& device = program_.CurrentDevice;
    const std::optional<DeviceIndex> index = FindDeviceByModel(program_.devices, device.Model);
    if (!index) {
        program_.prompter.showInfo(
            QString::fromStdString(FormatMessage(program_.language.line(kNotInCatalogueLine), {device.Model})),
            QString::fromStdString(program_.MessageTitle));
        return;
    }
    DatasheetRequest request{*index, std::nullopt, Regulation::None};
    QString flow;
    QString pressure;
    if (const std::optional<DutyPoint> duty = selection ? selection->searchedDutyPoint() : std::nullopt) {
        request.duty = duty;
        request.regulation = regulation;
        flow = selection->flowText().trimmed();
        pressure = selection->pressureText().trimmed();
    }
    saveProductSheet(request, flow, pressure);
}

void DatasheetExport::saveOrderSheets(QWidget* parent)
{
    const std::span<const OrderLine> order = program_.order.lines();
    saveOrderSheets(parent, std::vector<OrderLine>(order.begin(), order.end()),
                    QString::fromStdString(program_.orderFileName).section('.', 0, 0) + ".pdf");
}

void DatasheetExport::saveOrderSheets(QWidget* parent, std::vector<OrderLine> order, const QString& proposed_name)
{
    if (worker_) return; // one at a time
    const QString title = QString::fromStdString(program_.MessageTitle);
    if (order.empty()) {
        program_.prompter.showInfo(program_.line(lines::kOrderEmpty), title);
        return;
    }
    const QString file = chooseFile(proposed_name);
    if (file.isEmpty()) return;
    order_file_ = file;
    order_bytes_.reset();
    order_error_.clear();
    cancel_ = false;

    // The worker reads a copy of the order and the program's catalogue, which the modal
    // progress dialog keeps the user from changing meanwhile.
    const DatasheetContext context = WindowDatasheetContext(program_);
    progress_ = new QProgressDialog(program_.line(lines::kOrderButton), QString(), 0, static_cast<int>(order.size()), parent);
    progress_->setWindowModality(Qt::ApplicationModal);
    progress_->setMinimumDuration(0);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    connect(progress_, &QProgressDialog::canceled, this, [this] { cancel_ = true; });

    worker_ = QThread::create([this, order = std::move(order), context] {
        WorkProgress progress;
        progress.cancel = &cancel_;
        progress.report = [this](int done, int total) {
            QMetaObject::invokeMethod(progress_, [this, done, total] {
                if (progress_) {
                    progress_->setMaximum(total);
                    progress_->setValue(done);
                }
            }, Qt::QueuedConnection);
        };
        try {
            const std::optional<Document> document =
                MakeOrderDatasheets(context, std::span<const OrderLine>(order), progress);
            if (document && !cancel_) order_bytes_ = DocumentPdfBytes(*document, program_.data);
        } catch (const KalvinteraError& error) {
            order_error_ = UserErrorText(error, program_.language);
        }
    });
    connect(worker_, &QThread::finished, this, &DatasheetExport::finishOrderSheets);
    worker_->start();
    progress_->show();
}

void DatasheetExport::finishOrderSheets()
{
    if (!worker_) return;
    worker_->deleteLater();
    worker_ = nullptr;
    if (progress_) {
        progress_->close();
        progress_->deleteLater();
        progress_ = nullptr;
    }
    if (!order_error_.isEmpty()) {
        program_.prompter.showInfo(order_error_, QString::fromStdString(program_.MessageTitle));
        return;
    }
    if (order_bytes_) writeAndOffer(*order_bytes_, order_file_);
}

} // namespace kalvintera
