#include "ui/humidair/ix_chart_files.h"

#include "core/errors.h"
#include "core/humidair/chart_file.h"
#include "core/message_lines.h"
#include "core/shell/file_io.h"
#include "documents/display_list_painter.h"
#include "ui/humidair/humid_air_messages.h"
#include "ui/program.h"

namespace kalvintera {
namespace {

std::filesystem::path PathOf(const QString& name) { return std::filesystem::path(name.toStdString()); }

FileDialogRequest ChartRequest(const Program& program, const QString& title)
{
    FileDialogRequest request;
    request.title = title;
    request.filter = QStringLiteral("Pliki IX CHART (*.ixc)");
    request.default_suffix = QStringLiteral("ixc");
    request.folder = QString::fromStdString(program.data.root().string());
    return request;
}

} // namespace

QString IxChartFiles::newChart()
{
    contents_.clear();
    return QStringLiteral("IX CHART");
}

std::optional<QString> IxChartFiles::openChart()
{
    FileDialogRequest request = ChartRequest(program_, QStringLiteral("Otwórz wykres"));
    request.file_name = QStringLiteral("*.ixc");
    const QString chosen = program_.prompter.chooseFileToOpen(request);
    if (chosen.isEmpty()) return std::nullopt;
    std::vector<ChartPoint> points;
    try {
        // Read before anything changes: a chart file that does not read keeps the chart shown.
        points = ReadChartPointFile(PathOf(chosen));
    } catch (const KalvinteraError& error) {
        ReportError(program_, error);
        return std::nullopt;
    }
    std::vector<ChartProcess> processes;
    try {
        processes = ReadChartProcessFile(ProcessFilePath(PathOf(chosen)));
    } catch (const KalvinteraError& error) {
        contents_.replaceAll(std::move(points), {});
        ReportError(program_, error);
        return std::nullopt;
    }
    contents_.replaceAll(std::move(points), std::move(processes));
    return QStringLiteral("IX CHART ") + chosen;
}

std::optional<QString> IxChartFiles::saveChart()
{
    const QString chosen = program_.prompter.chooseFileToSave(ChartRequest(program_, QStringLiteral("Zapisz wykres jako")));
    if (chosen.isEmpty()) return std::nullopt;
    try {
        WriteChartFiles(PathOf(chosen), contents_.points(), contents_.processes());
    } catch (const KalvinteraError& error) {
        ReportError(program_, error);
        return std::nullopt;
    }
    contents_.markSaved();
    return QStringLiteral("IX-CHART  ") + chosen;
}

void IxChartFiles::saveChartPicture(const DisplayList& picture)
{
    FileDialogRequest request;
    request.title = QStringLiteral("Zapisz jako obraz");
    request.filter = QStringLiteral("Pliki graficzne (*.bmp)");
    request.default_suffix = QStringLiteral("bmp");
    request.folder = QString::fromStdString(program_.data.root().string());
    const QString chosen = program_.prompter.chooseFileToSave(request);
    if (chosen.isEmpty()) return;
    if (!SaveDisplayListAsBmp(picture, chosen)) {
        const std::string path = PathText(PathOf(chosen));
        ReportError(program_, FileError("Cannot write " + path, UserMessage{message_line::kCannotWrite, {path}}));
    }
}

} // namespace kalvintera
