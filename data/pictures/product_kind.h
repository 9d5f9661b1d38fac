#pragma once

#include "core/catalogue/device_record.h"

namespace kalvintera::pictures {

// What a product looks like, as far as its pictures are concerned.
enum class ProductKind {
    RoofFanHorizontal,
    RoofFanVertical,
    RadialFan,
    DuctFanRound,
    DuctFanRectangular,
    CylindricalVentilator,
    IntegratedVentilator,
    Silencer,
    RoofBase,
    SilencingRoofBase,
    SpeedController,
    ElectronicController,
    FrequencyConverter,
    ServiceSwitch,
    BackdraftDamper,
    FlexibleConnector,
    Other,
};

// Recognised from the Polish name, the way the program itself tells kinds apart, with the
// discharge direction separating the two roof fan housings.
ProductKind KindOf(const DeviceRecord& record);

} // namespace kalvintera::pictures
