#pragma once

#include <QImage>

#include <array>
#include <string_view>

namespace kalvintera::pictures {

// The five products of the main window's "Nowe urządzenia" tab.
enum class NewProduct { HeatRecovery, GroundExchanger, HeaterUnit, WallFan, RoundDuctFan };

struct NewProductPictureName {
    NewProduct product;
    std::string_view file; // in grafika/, as the tab names it
};

inline constexpr std::array<NewProductPictureName, 5> kNewProductPictures = {{
    {NewProduct::HeatRecovery, "aurel.jpg"},
    {NewProduct::GroundExchanger, "tgx.jpg"},
    {NewProduct::HeaterUnit, "boreal.jpg"},
    {NewProduct::WallFan, "scn.jpg"},
    {NewProduct::RoundDuctFan, "knl.jpg"},
}};

// The button picture of one new product (260 × 220, shown at half that size).
QImage NewProductPicture(NewProduct product);

} // namespace kalvintera::pictures
