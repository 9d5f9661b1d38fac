#include "ui/order/order_commands.h"

#include "ui/documents/datasheet_export.h"

#include "core/errors.h"
#include "core/message_lines.h"
#include "core/order/order_customer.h"
#include "core/order/order_file.h"
#include "core/order/order_mail.h"
#include "core/order/order_printout.h"
#include "core/order/order_quantity.h"
#include "core/shell/company_addresses.h"
#include "core/text/contains_text.h"
#include "core/text/message_format.h"
#include "core/text/number_format.h"
#include "ui/common/error_text.h"
#include "ui/order/order_view.h"
#include "ui/program.h"
#include "ui/selection/quantity_dialog.h"
#include "ui/selection/selection_window.h"
#include "ui/windows.h"

#include <QDir>
#include <QPointer>
#include <QTemporaryDir>

#include <cmath>
#include <filesystem>

namespace kalvintera {
namespace {

constexpr const char* kUnnamedOrderFile = "bez nazwy.kvt";
constexpr const char* kQuestionTitle = "KALVINTERA INFO";
constexpr int kLeaveWithoutSavingLine = 1035;
constexpr int kMailClientFailedLine = 1112;

std::filesystem::path PathOf(const QString& name) { return std::filesystem::path(name.toStdString()); }

} // namespace

OrderCommands::OrderCommands(Program& program, Windows& windows, OrderView& view, QObject* parent)
    : QObject(parent), program_(program), windows_(windows), view_(view)
{
    datasheets_ = new DatasheetExport(program, this);
    connect(&view_, &OrderView::detailsRequested, this, &OrderCommands::showSelectedLineDetails);
    connect(&view_, &OrderView::removeRequested, this, &OrderCommands::removeSelectedLine);
    connect(&view_, &OrderView::changeQuantityRequested, this, &OrderCommands::changeSelectedQuantity);
}

OrderCommands::~OrderCommands() = default;

QString OrderCommands::lineOr(int line, const QString& built_in) const
{
    const QString text = program_.line(line);
    return text.isEmpty() ? built_in : text;
}

void OrderCommands::reportError(const std::exception& error)
{
    program_.prompter.showInfo(UserErrorText(error, program_.language), QString::fromStdString(program_.MessageTitle));
}

bool OrderCommands::confirmReplacing(const QString& question)
{
    return !program_.orderChanged || program_.prompter.askYesNo(question, QString::fromLatin1(kQuestionTitle));
}

FileDialogRequest OrderCommands::orderFileRequest(int title_line, const QString& title) const
{
    FileDialogRequest request;
    request.title = lineOr(title_line, title);
    request.filter = QStringLiteral("Pliki Kalvintera (*.kvt)");
    request.default_suffix = QStringLiteral("kvt");
    request.folder = QString::fromStdString(program_.data.root().string());
    return request;
}

OrderCustomer OrderCommands::customer() const
{
    const Settings& s = program_.settings;
    return OrderCustomer{s.name, s.city, s.street, s.tel};
}

void OrderCommands::newOrder()
{
    if (!confirmReplacing(QStringLiteral("UWAGA! PLIK ZAMÓWIENIA ZOSTAŁ ZMIENIONY - NAPEWNO UTWORZYĆ NOWY PLIK"))) return;
    program_.order.clear();
    program_.orderChanged = false;
    program_.orderFileName = kUnnamedOrderFile;
    view_.showOrder();
}

void OrderCommands::openOrder()
{
    if (!confirmReplacing(QStringLiteral("UWAGA! PLIK ZAMÓWIENIA ZOSTAŁ ZMIENIONY - NAPEWNO OTWORZYĆ NOWY PLIK?"))) return;
    FileDialogRequest request = orderFileRequest(100, QStringLiteral("Otwórz zamówienie"));
    request.file_name = QStringLiteral("*.kvt");
    const QString chosen = program_.prompter.chooseFileToOpen(request);
    if (chosen.isEmpty()) return;
    try {
        // Read completely before anything changes: a damaged file leaves the order as it was.
        program_.order = ReadOrderFile(PathOf(chosen));
    } catch (const KalvinteraError& error) {
        reportError(error);
        return;
    }
    program_.orderChanged = false;
    program_.orderFileName = chosen.toStdString();
    view_.showOrder();
}

void OrderCommands::saveOrder()
{
    const QString chosen = program_.prompter.chooseFileToSave(orderFileRequest(101, QStringLiteral("Zapisz zamówienie")));
    if (chosen.isEmpty()) return;
    try {
        WriteOrderFile(PathOf(chosen), program_.order);
    } catch (const KalvinteraError& error) {
        reportError(error);
        return;
    }
    program_.orderFileName = chosen.toStdString();
    // What is saved is no longer a change that could be lost.
    program_.orderChanged = false;
    view_.showFileName();
}

void OrderCommands::printerSetup()
{
    program_.platform.printer.showSetupDialog();
}

void OrderCommands::printOrder()
{
    const LanguageTable& language = program_.language;
    const PrintoutTexts texts{language.line(kPrintoutHeadingLine),       language.line(kPrintoutColumnHeadsLine),
                              language.line(kPrintoutCustomerLabelLine), language.line(kPrintoutAddressLabelLine),
                              language.line(kPrintoutContactLabelLine),  language.line(kPrintoutStreetLabelLine)};
    const std::vector<std::string> lines = MakeOrderPrintout({texts, customer(), program_.order, program_.devices});
    const std::filesystem::path file = PrintoutFileFor(program_.orderFileName, program_.data.root());
    try {
        WritePrintoutFile(file, lines);
    } catch (const KalvinteraError& error) {
        reportError(error);
        return;
    }
    // Whether it was printed or the user changed their mind is the printer's business.
    program_.platform.printer.printLines(file.filename().string(), lines);
}

void OrderCommands::sendOrder()
{
    const OrderCustomer particulars = customer();
    if (const auto refusal = OrderSendRefusal(program_.platform.connectivity.isOnline(), particulars, program_.order)) {
        const QString title = *refusal == kNoConnectionLine ? QStringLiteral("KALVINTERA info")
                                                            : QString::fromStdString(program_.MessageTitle);
        program_.prompter.showInfo(program_.line(*refusal), title);
        return;
    }
    const std::string date = FormatShortDate(program_.platform.clock.today(), program_.dates);
    const std::optional<std::filesystem::path> folder = attachmentFolder();
    if (!folder) return;
    const std::filesystem::path file = *folder / OrderMailFileName(particulars.name, date);
    try {
        WriteOrderFile(file, program_.order);
    } catch (const KalvinteraError& error) {
        reportError(error);
        return;
    }
    QDir::setCurrent(QString::fromStdString(program_.data.root().string()));
    const OrderMail mail = MakeOrderMail(particulars, file);
    // The outcome may come after this command has ended; the message is shown whenever it does.
    const QPointer<OrderCommands> self(this);
    program_.platform.mail.compose(mail.to, mail.subject, mail.body, mail.attachments,
                                   [self, file, to = mail.to](const MailFailure&) {
                                       if (self) self->reportMailFailure(file, to);
                                   });
    if (!company::kOrderCountingPage.empty()) {
        program_.platform.desktop.openAddress(std::string(company::kOrderCountingPage));
    }
}

std::optional<std::filesystem::path> OrderCommands::attachmentFolder()
{
    // A folder of this run's own, made private by QTemporaryDir, so no other user can put a
    // file in the attachment's place. It stays when the program ends: a mail client may
    // still be holding a message that reads the file when it is sent. One that was cleaned
    // away meanwhile is made anew.
    if (attachment_folder_ && !QDir(attachment_folder_->path()).exists()) attachment_folder_.reset();
    if (!attachment_folder_) {
        auto folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/kalvintera-XXXXXX"));
        if (!folder->isValid()) {
            program_.prompter.showInfo(
                QString::fromStdString(FormatMessage(program_.language.line(message_line::kCannotWrite),
                                                     {QDir::tempPath().toStdString()})),
                QString::fromStdString(program_.MessageTitle));
            return std::nullopt;
        }
        folder->setAutoRemove(false);
        attachment_folder_ = std::move(folder);
    }
    return PathOf(attachment_folder_->path());
}

void OrderCommands::reportMailFailure(const std::filesystem::path& file, const std::string& mailbox)
{
    // The first line is the program's long-standing text; the second says, in the user's
    // language, where the order is and where to send it.
    const std::string help = FormatMessage(program_.language.line(kMailClientFailedLine), {file.string(), mailbox});
    program_.prompter.showInfo(QStringLiteral("Error while trying to send email\n") + QString::fromStdString(help),
                               QStringLiteral("Error"));
}

void OrderCommands::showAddedLine()
{
    view_.showOrder();
}

void OrderCommands::saveDatasheets()
{
    datasheets_->saveOrderSheets(&view_);
}

void OrderCommands::removeSelectedLine()
{
    // An empty row holds no line: there is nothing to remove and nothing changes.
    const std::optional<int> position = view_.selectedPosition();
    if (!position || !program_.order.remove(*position)) return;
    program_.orderChanged = true;
    view_.showOrder();
}

void OrderCommands::changeSelectedQuantity()
{
    const std::optional<int> position = view_.selectedPosition();
    if (!position || *position >= program_.order.count() || !windows_.quantity) return;
    const QString quantity =
        windows_.quantity->askQuantity(QString::fromStdString(program_.order.at(*position).Quantity));
    program_.order.setQuantity(*position, quantity.toStdString());
    program_.orderChanged = true;
    view_.showRowsAgain();
}

void OrderCommands::showSelectedLineDetails()
{
    const std::optional<int> position = view_.selectedPosition();
    if (!position || *position >= program_.order.count()) return;
    const OrderLine& line = program_.order.at(*position);
    const DeviceRecord& device = program_.devices.at(line.DeviceIndex);
    // A product no longer in the catalogue has nothing to show, and the device the details
    // window last showed stays as it was.
    if (device.Model.empty()) return;

    program_.CurrentDevice = device;
    program_.OpenedFromFanSelection = false;
    const bool fan_with_duty_point =
        ContainsText("WENTYLATOR ", device.NamePl) && line.DutyFlow != 0 && std::isfinite(line.DutyFlow)
        && std::isfinite(line.DutyPressure);
    program_.DutyPointKnown = fan_with_duty_point;
    if (fan_with_duty_point) {
        windows_.selection->setDutyPointTexts(QString::fromStdString(FormatShortest(line.DutyFlow, program_.numbers)),
                                              QString::fromStdString(FormatShortest(line.DutyPressure, program_.numbers)));
    }
    emit detailsRequested();
}

bool OrderCommands::confirmLeaving()
{
    if (!program_.orderChanged) return true;
    const QString question = lineOr(kLeaveWithoutSavingLine,
                                    QStringLiteral("Zamówienie zostało zmienione i nie zostało zapisane. "
                                                   "Zamknąć program bez zapisania zmian?"));
    return program_.prompter.askYesNo(question, QString::fromStdString(program_.MessageTitle));
}

} // namespace kalvintera
