#include "product_kind.h"

#include "core/text/contains_text.h"

namespace kalvintera::pictures {

ProductKind KindOf(const DeviceRecord& record)
{
    const std::string& name = record.NamePl;
    const auto has = [&name](std::string_view text) { return ContainsText(text, name); };

    if (has("WENTYLATOR DACHOWY")) {
        const bool vertical = record.DischargeDirection == "V" || has("PIONOW");
        return vertical ? ProductKind::RoofFanVertical : ProductKind::RoofFanHorizontal;
    }
    if (has("WENTYLATOR PROMIENIOWY")) return ProductKind::RadialFan;
    if (has("WENTYLATOR KANAŁOWY")) {
        return has("PROSTOKĄTN") ? ProductKind::DuctFanRectangular : ProductKind::DuctFanRound;
    }
    if (has("WYWIETRZAK C")) return ProductKind::CylindricalVentilator;
    if (has("WYWIETRZAK Z")) return ProductKind::IntegratedVentilator;
    if (has("TŁUMIK")) return ProductKind::Silencer;
    if (has("PODSTAWA DACHOWA TŁUMIĄCA")) return ProductKind::SilencingRoofBase;
    if (has("PODSTAWA")) return ProductKind::RoofBase;
    if (has("PRZEMIENNIK")) return ProductKind::FrequencyConverter;
    if (has("REGULATOR")) {
        return has("ELEKTRONICZN") ? ProductKind::ElectronicController : ProductKind::SpeedController;
    }
    if (has("WYŁĄCZNIK")) return ProductKind::ServiceSwitch;
    if (has("PRZEPUSTNICA")) return ProductKind::BackdraftDamper;
    if (has("ŁĄCZNIK")) return ProductKind::FlexibleConnector;
    return ProductKind::Other;
}

} // namespace kalvintera::pictures
