#pragma once

#include "core/text/code_page.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kalvintera {

constexpr std::size_t kDeviceRecordSize = 2142;

// One catalogue product. Every field is a text as the catalogue's author wrote it
// (numbers included); an empty text means "not given". UTF-8 in memory, CP1250 on disk.
struct DeviceRecord {
    std::string NamePl, NameEn, NameDe, NameRu;
    std::string Reserved204, Reserved255;
    std::string Model;
    std::string MotorType1, MotorType2, MotorType3;
    std::string MotorPower;
    std::string Voltage1, Current1, Voltage2, Current2, Current3;
    std::string SoundLevel1m, SoundLevel2;
    std::string Mass, Speed;
    std::string FlowMin, FlowMax;
    std::string Pressure1, Pressure2;
    std::string RegulationFlag1, RegulationFlag2;
    std::string Coefficient, HeatTransfer;
    std::array<std::string, 5> PressureCoef;   // a4, a3, a2, a1, a0
    std::array<std::string, 5> EfficiencyCoef; // b4, b3, b2, b1, b0
    std::array<std::array<std::string, 5>, 3> ExtraCoef; // sets C1, C2, C3
    std::string MountedAccessory, CurveFile, SeriesSheetFile, DocumentFile, ThumbnailFile;
    std::string Reserved1014;
    std::string DescriptionFile, DrawingFile, CadFile, PictureFile;
    std::array<std::string, 20> Accessories;
    std::array<std::string, 10> Reserved1564;
    std::string ExecStandard, ExecTwoSpeed, ExecHeat40, ExecHeat60, ExecExplosionProof, ExecChemical;
    std::array<std::string, 9> SoundSpectrum; // 63 … 8000 Hz bands, then the total
    // 17 dimension texts at 1963 + 7·j, then the two stored after DischargeDirection.
    std::array<std::string, 19> Dimensions;
    std::string DischargeDirection;
    std::array<std::string, 5> Reserved2107;

    bool operator==(const DeviceRecord&) const = default;
};

// Where one field lives in the 2142-byte record.
struct DeviceFieldSlot {
    std::string_view name;    // "Model", "PressureCoef[2]", "ExtraCoef[1][4]" …
    std::size_t offset;       // of the length byte
    std::size_t capacity;     // N of string[N]
    bool numeric;             // its decimal separator is normalised at load
    // Records are CP1250, but Cyrillic does not exist there: the Russian name is kept in
    // CP1251, the code page of the Russian texts, so it survives the file.
    CodePage code_page = CodePage::Cp1250;
};

// Calls visit(slot, text) for every field of the record in layout order; the one
// description of the layout that the codec, the separator pass and the text dump share.
template <typename Record, typename Visitor>
void ForEachDeviceField(Record& record, Visitor&& visit);

// The 2142 bytes of a record, and back. Encoding cuts each text to its capacity.
DeviceRecord DecodeDeviceRecord(const std::uint8_t* bytes);
// The same into an existing record, reusing its texts' storage.
void DecodeDeviceRecordInto(const std::uint8_t* bytes, DeviceRecord& record);
void EncodeDeviceRecord(const DeviceRecord& record, std::uint8_t* bytes);

} // namespace kalvintera

#include "core/catalogue/device_fields.inl"
