// ductrun FILE.moh: a calculation file of the pressure-loss calculator as its list shows it,
// with the run's total loss.

#include "cli/command_list.h"
#include "cli/output.h"
#include "core/ductloss/duct_run.h"
#include "core/ductloss/run_list.h"

#include <filesystem>

namespace kalvintera::cli {
namespace {

constexpr OptionRule kOptions[] = {kFormatOption};

constexpr std::size_t kNameColumn = 1;
constexpr std::size_t kTotalColumn = kRunListColumns - 1;

int Run(const Arguments& arguments, CommandContext& context)
{
    arguments.expectPositional({"FILE.moh"});
    const OutputFormat format = ReadOutputFormat(arguments);
    const std::filesystem::path file = arguments.positional()[0];
    const DuctRun run = DuctRun::fromRows(ReadRunFile(file), NumberFormat::point());

    ResultTable table;
    table.columns = {"lp", "name", "flow", "w1", "l", "dh1", "zeta", "dpl", "dpm", "dpp", "dpc"};
    for (const FittingRow& row : run.rows()) {
        auto& cells = table.rows.emplace_back();
        const auto texts = RunListCells(row);
        for (std::size_t c = 0; c < texts.size(); ++c) {
            // The file keeps the numbers with the separator of whoever wrote it.
            cells.push_back(c == kNameColumn ? texts[c] : NormalizeDecimal(texts[c], NumberFormat::point()));
        }
    }
    if (format == OutputFormat::Csv) {
        WriteResult(context.out, table, format);
        context.out << "total," << ExactNumber(run.runTotal()) << '\n';
        return 0;
    }
    // The total field stands beside the dpc column.
    auto& total = table.rows.emplace_back(kRunListColumns);
    total[kNameColumn] = "total";
    total[kTotalColumn] = run.totalText();
    WriteResult(context.out, table, format);
    return 0;
}

} // namespace

extern const Command kDuctRunCommand{
    "ductrun",
    "ductrun FILE.moh   the fittings of a calculation file and their total loss",
    kOptions,
    Run,
};

} // namespace kalvintera::cli
