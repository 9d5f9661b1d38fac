#include "ui/selection/selection_actions.h"

#include "core/errors.h"
#include "core/message_lines.h"
#include "core/text/message_format.h"
#include "core/order/order_list.h"
#include "ui/common/error_text.h"
#include "ui/program.h"
#include "ui/selection/quantity_dialog.h"

namespace kalvintera {

SelectionActions::SelectionActions(Program& program, QObject* parent) : QObject(parent), program_(program) {}

std::optional<DeviceIndex> SelectionActions::resultDevice(int number) const
{
    const std::vector<DeviceIndex>& store = program_.selectionResults;
    if (number < 1 || number > static_cast<int>(store.size())) return std::nullopt;
    return store[static_cast<std::size_t>(number - 1)];
}

void SelectionActions::openDetails(DeviceIndex index, bool from_fan_selection, bool from_catalogue)
{
    program_.CurrentDevice = program_.devices.at(index);
    program_.OpenedFromFanSelection = from_fan_selection;
    program_.OpenedFromCatalogue = from_catalogue;
    if (!program_.CurrentDevice.Model.empty()) emit detailsRequested();
}

bool SelectionActions::addToOrder(const std::function<OrderLine(const std::string& quantity)>& build)
{
    if (!dialogs_.quantity) return false;
    // Asking for a quantity that cannot be ordered would only waste the user's typing.
    if (program_.order.count() >= kOrderMaxLines) {
        program_.showMessage(kOrderFullMessageLine);
        return false;
    }
    const std::string quantity = dialogs_.quantity->askQuantity().toStdString();
    bool added = false;
    guarded([&] {
        if (program_.order.append(build(quantity)) == AppendResult::OrderFull) {
            program_.showMessage(kOrderFullMessageLine);
            return;
        }
        program_.orderChanged = true;
        added = true;
    });
    if (added) emit orderLineAdded();
    return added;
}

void SelectionActions::guarded(const std::function<void()>& action) const
{
    try {
        action();
    } catch (const KalvinteraError& error) {
        program_.prompter.showInfo(UserErrorText(error, program_.language), QString::fromStdString(program_.MessageTitle));
    }
}

void SelectionActions::showProblems(const std::vector<DeviceIndex>& devices) const
{
    if (devices.empty()) return;
    QStringList lines;
    for (const DeviceIndex index : devices) {
        const DeviceRecord& record = program_.devices.at(index);
        const std::string label = record.Model.empty() ? record.NamePl : record.Model;
        lines << QString::fromStdString(FormatMessage(program_.language.line(message_line::kUnusableRecord), {label}));
    }
    program_.prompter.showInfo(lines.join(QLatin1Char('\n')), QString::fromStdString(program_.MessageTitle));
}

QString SelectionActions::text(int line, const QString& built_in) const
{
    const QString language = program_.line(line);
    return program_.languageChosen() && !language.isEmpty() ? language : built_in;
}

} // namespace kalvintera
