#include "core/details/device_documents.h"

#include "core/errors.h"
#include "core/shell/text_file.h"

#include <filesystem>

#include "core/shell/language_table.h"
#include "core/text/code_page.h"

namespace kalvintera {
namespace {

// The catalogue card comes in Polish, English and German; Russian readers get the English one.
const char* CardPrefix(int language)
{
    switch (language) {
    case language_id::kEnglish:
    case language_id::kRussian: return "en";
    case language_id::kGerman: return "de";
    default: return "";
    }
}

const char* DescriptionPrefix(int language)
{
    switch (language) {
    case language_id::kEnglish: return "GB_";
    case language_id::kGerman: return "D_";
    case language_id::kRussian: return "RU_";
    default: return "";
    }
}

} // namespace

DeviceDocument DeviceDocumentFor(DeviceDocumentKind kind, const DeviceRecord& device, int language)
{
    switch (kind) {
    case DeviceDocumentKind::CadDrawing: return {"cad/" + device.CadFile, 392};
    case DeviceDocumentKind::DetailedDescription: return {"opisy/" + device.DocumentFile, 393};
    case DeviceDocumentKind::SeriesSheet: return {"opisy/" + device.SeriesSheetFile, 394};
    case DeviceDocumentKind::CatalogueCard: return {"katalog/" + std::string(CardPrefix(language)) + device.DocumentFile, 963};
    case DeviceDocumentKind::AcousticSheet: return {"opisy/AKU" + device.DocumentFile, 393};
    }
    return {};
}

std::string DescriptionPath(const DeviceRecord& device, int language)
{
    return "opisy/" + std::string(DescriptionPrefix(language)) + device.DescriptionFile;
}

std::vector<std::string> ReadDescriptionLines(const DeviceRecord& device, const DataFolder& data, int language)
{
    if (device.DescriptionFile.empty()) return {};
    std::filesystem::path file;
    try {
        file = data.resolve(DescriptionPath(device, language));
    } catch (const FileError&) {
        return {}; // a name that leaves the data folder names no description of it
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return {};
    return ReadTextLines(file, language == language_id::kRussian ? CodePage::Cp1251 : CodePage::Cp1250);
}

OrderLine CatalogueOrderLine(int device_index, const std::string& quantity_text)
{
    OrderLine line;
    line.DeviceIndex = device_index;
    line.Quantity = CutToCharacters(quantity_text, kQuantityCapacity);
    line.Colour = "STANDARD";
    line.Execution = "N/A";
    line.Arrangement = "N/A";
    line.Voltage = "N/A";
    return line;
}

} // namespace kalvintera
