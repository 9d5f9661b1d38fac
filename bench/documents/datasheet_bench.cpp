// The time to make one fan's data sheet and the sheets of an order of 20 fans, and the size
// of the PDF files, on the sample data folder.

#include "core/documents/fan_datasheet.h"
#include "core/order/order_list.h"
#include "core/shell/language_table.h"
#include "documents/document_pdf_writer.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace kalvintera;

namespace {

struct Sample {
    DataFolder data{KALVINTERA_SAMPLE_DATA};
    DeviceTable devices;
    LanguageTable language;

    Sample()
    {
        LoadDeviceTable(data.resolve("urzadzenia.dbx"), devices, NumberFormat::point());
        language.load(data.resolve("languages/polish.lng"), CodePage::Cp1250);
    }

    DatasheetContext context() const
    {
        DatasheetContext c{devices, data, NumberFormat::point(), language, language_id::kPolish};
        c.date = "09.12.2026";
        c.version = "2.2";
        c.energy = EnergySettings{};
        return c;
    }
};

const Sample& SharedSample()
{
    static const Sample sample;
    return sample;
}

void BM_OneFanDatasheet(benchmark::State& state)
{
    const Sample& sample = SharedSample();
    const DatasheetRequest request{*FindDeviceByModel(sample.devices, "KDH-355"), DutyPoint{1200.0 / 3600, 150},
                                   Regulation::None};
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = DocumentPdfBytes(MakeDatasheet(sample.context(), request), sample.data).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["pdf_kB"] = static_cast<double>(bytes) / 1024.0;
}

// 20 fan lines: the roof fans of the sample catalogue in turn, each at a duty point it reaches.
void BM_OrderOfTwentyFans(benchmark::State& state)
{
    const Sample& sample = SharedSample();
    OrderList order;
    const char* models[] = {"KDH-250", "KDH-355", "KDH-400", "KDH-450", "KDN-450"};
    for (int i = 0; i < 20; ++i) {
        OrderLine line;
        line.DeviceIndex = *FindDeviceByModel(sample.devices, models[i % 5]);
        line.Quantity = "1";
        line.DutyFlow = 900 + 20 * i;
        line.DutyPressure = 120;
        (void)order.append(line);
    }
    std::size_t bytes = 0;
    int pages = 0;
    for (auto _ : state) {
        const Document document = *MakeOrderDatasheets(sample.context(), order);
        pages = static_cast<int>(document.pages.size());
        bytes = DocumentPdfBytes(document, sample.data).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["pdf_kB"] = static_cast<double>(bytes) / 1024.0;
    state.counters["pages"] = pages;
}

} // namespace

BENCHMARK(BM_OneFanDatasheet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OrderOfTwentyFans)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
