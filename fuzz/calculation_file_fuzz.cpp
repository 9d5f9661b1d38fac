// Calculation files (".moh"): the rows read, totalled into a run, exported, opened one by
// one in the fitting dialog and committed again, and saved; a saved run must read back as
// it was saved.
#include "fuzz_support.h"

#include "core/ductloss/duct_run.h"
#include "core/ductloss/fitting_form.h"
#include "core/ductloss/run_export.h"
#include "core/shell/file_io.h"

#include <cstddef>
#include <cstdint>

using namespace kalvintera;

namespace {

// Air at 20 °C, as the settings compute it.
constexpr AirState kAir{1.2, 0.0000153};

void EditRows(DuctRun run, NumberFormat numbers)
{
    for (int index = 0; index < run.count(); ++index) {
        const FittingRow& row = run.row(index);
        const int kind = FittingRowKind(row);
        if (kind == 0) continue; // the calculator refuses to edit a row of no known kind
        FittingForm form(numbers);
        form.setAir(kAir);
        form.chooseKind(kind, row.Name);
        form.loadRow(row);
        FittingCommit commit;
        if (!fuzz::Expecting([&] { commit = form.commit(); }) || commit.refusal_line != 0) continue;
        fuzz::Expecting([&] { run.replace(index, commit.row, commit.total_pa, numbers); });
    }
    // Every row must come out again; a removal that fails would leave it in for good.
    while (!run.empty()) {
        fuzz::Require(fuzz::Expecting([&] { run.remove(run.count() - 1, numbers); }), "a row that cannot be removed");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto file = fuzz::WriteInput(data, size, "obliczenia.moh");
    const auto saved = file.parent_path() / "saved.moh";
    std::vector<FittingRow> rows;
    if (!fuzz::Expecting([&] { rows = ReadRunFile(file); })) return 0;
    fuzz::Require(rows.size() <= static_cast<std::size_t>(kDuctRunCapacity), "a run of impossible size");
    RunExportLines(rows);
    RunCsvText(rows);
    for (NumberFormat numbers : fuzz::kBothSeparators) {
        DuctRun run;
        if (fuzz::Expecting([&] { run = DuctRun::fromRows(rows, numbers); })) EditRows(run, numbers);
    }

    WriteRunFile(saved, rows);
    const std::string first_save = ReadWholeFile(saved);
    const std::vector<FittingRow> reopened = ReadRunFile(saved);
    fuzz::Require(reopened.size() == rows.size(), "a saved run reopens with another number of rows");
    WriteRunFile(saved, reopened);
    fuzz::Require(ReadWholeFile(saved) == first_save, "a saved run does not read back as it was saved");
    return 0;
}
