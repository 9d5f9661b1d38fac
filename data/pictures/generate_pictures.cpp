// kalvintera-pictures: draws the pictures of the sample data folder.
//
//   kalvintera-pictures CATALOGUE_TEXT PICTURE_FOLDER [FITTING_FOLDER]
//   kalvintera-pictures --icons ICON_FOLDER
//
// Writes the maker's banner, logo, directions map, company pictures, award pictures, the
// pictures of the five new products and the splash pictures, then every product picture, thumbnail (plain and highlighted) and
// dimension drawing that the catalogue text names, each file once. Given a FITTING_FOLDER
// (the data folder's calc/), it also draws the pressure-loss calculator's fitting pictures
// there. The output depends on nothing but the catalogue and the installed fonts, so a
// build reproduces it byte for byte.
//
// With --icons it draws only the desktop icon, in every usual size, laid out as an icon
// theme folder (ICON_FOLDER/48x48/apps/kalvintera.png ...), ready to install under hicolor.
//
// Exit codes: 0 success, 1 a data or file error (one line on stderr), 2 a bad command line.

#include "award_pictures.h"
#include "brand_pictures.h"
#include "company_slides.h"
#include "dimension_drawings.h"
#include "directions_map.h"
#include "fitting_pictures.h"
#include "new_product_pictures.h"
#include "picture_kit.h"
#include "picture_plan.h"
#include "product_pictures.h"

#include "core/catalogue/catalogue_text.h"
#include "core/shell/file_io.h"

#include <QGuiApplication>

#include <array>
#include <exception>
#include <filesystem>
#include <iostream>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kalvintera::pictures {
namespace {

constexpr std::string_view kProgram = "kalvintera-pictures";

// Writes each name once: a catalogue name that repeats one already written (say a product
// picture called "logo.jpg") keeps the first picture and is reported.
class PictureWriter {
public:
    explicit PictureWriter(std::filesystem::path folder) : folder_(std::move(folder)) {}

    template <typename Draw>
    void write(const std::string& name, Draw&& draw)
    {
        if (!written_.insert(name).second) return;
        SaveJpeg(draw(), folder_, name);
    }

    // For catalogue names, which may clash with the fixed ones.
    template <typename Draw>
    void writeNamed(const std::string& name, Draw&& draw)
    {
        if (written_.count(name) != 0) {
            std::cerr << kProgram << ": " << name << " is named twice; the first picture is kept\n";
            return;
        }
        write(name, std::forward<Draw>(draw));
    }

    std::size_t count() const { return written_.size(); }

private:
    std::filesystem::path folder_;
    std::set<std::string> written_;
};

std::string TwoDigits(int number) { return (number < 10 ? "0" : "") + std::to_string(number); }

void WriteCompanyPictures(PictureWriter& writer)
{
    writer.write("logo_main.jpg", [] { return BrandBanner(822, 90); });
    writer.write("logo.jpg", [] { return Logo(); });
    writer.write("mapa.jpg", [] { return DirectionsMap(); });
    for (int k = 1; k <= kCompanySlideCount; ++k) {
        writer.write(TwoDigits(k) + ".jpg", [k] { return CompanySlide(k); });
    }
    for (int k = 1; k <= kAwardCount; ++k) {
        writer.write("nagroda" + std::to_string(k) + ".jpg", [k] { return AwardPicture(k); });
    }

    for (const NewProductPictureName& picture : kNewProductPictures) {
        const NewProduct product = picture.product;
        writer.write(std::string(picture.file), [product] { return NewProductPicture(product); });
    }

    writer.write("splash_banner.jpg", [] { return BrandBanner(620, 90); });
    constexpr std::array kSplashKinds = {
        ProductKind::RoofFanHorizontal, ProductKind::RoofFanVertical,     ProductKind::RadialFan,
        ProductKind::DuctFanRound,      ProductKind::DuctFanRectangular,  ProductKind::CylindricalVentilator,
        ProductKind::IntegratedVentilator, ProductKind::Silencer,         ProductKind::SilencingRoofBase,
        ProductKind::RoofBase,          ProductKind::SpeedController,     ProductKind::FrequencyConverter,
    };
    for (std::size_t k = 0; k < kSplashKinds.size(); ++k) {
        const ProductKind kind = kSplashKinds[k];
        writer.write("splash" + TwoDigits(static_cast<int>(k) + 1) + ".jpg", [kind] { return SplashProduct(kind); });
    }
}

void WriteProductPictures(PictureWriter& writer, const PicturePlan& plan)
{
    for (const NamedPicture& picture : plan.pictures) {
        writer.writeNamed(picture.file, [&picture] { return ProductPicture(picture); });
    }
    for (const NamedPicture& thumbnail : plan.thumbnails) {
        const ProductKind kind = thumbnail.kind;
        writer.writeNamed(thumbnail.file, [kind] { return Thumbnail(kind, false); });
        writer.writeNamed(HighlightedThumbnailName(thumbnail.file), [kind] { return Thumbnail(kind, true); });
    }
    for (const NamedPicture& drawing : plan.drawings) {
        writer.writeNamed(drawing.file, [&drawing] { return DimensionDrawing(drawing); });
    }
}

void ReportMissing(std::string_view field, const std::vector<std::string>& models)
{
    if (models.empty()) return;
    std::cout << kProgram << ": " << models.size() << (models.size() == 1 ? " record gives" : " records give")
              << " no " << field << " (" << models.front();
    if (models.size() > 1) std::cout << " … " << models.back();
    std::cout << ")\n";
}

void WriteIcons(const std::filesystem::path& folder)
{
    constexpr std::array kSizes = {16, 22, 24, 32, 48, 64, 128, 256};
    for (const int size : kSizes) {
        const std::string side = std::to_string(size);
        SavePng(AppIcon(size), folder / (side + "x" + side) / "apps" / "kalvintera.png");
    }
    std::cout << kProgram << ": " << kSizes.size() << " icon sizes in " << folder.string() << '\n';
}

int Run(int argc, char** argv)
{
    if (argc == 3 && std::string_view(argv[1]) == "--icons") {
        WriteIcons(argv[2]);
        return 0;
    }
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: " << kProgram << " CATALOGUE_TEXT PICTURE_FOLDER [FITTING_FOLDER]\n"
                  << "       " << kProgram << " --icons ICON_FOLDER\n";
        return 2;
    }
    const std::vector<DeviceRecord> records = ParseCatalogueText(ReadWholeFile(argv[1]));
    const PicturePlan plan = PlanProductPictures(records);
    PictureWriter writer{std::filesystem::path(argv[2])};
    WriteCompanyPictures(writer);
    WriteProductPictures(writer, plan);
    ReportMissing("PictureFile", plan.without_picture);
    ReportMissing("ThumbnailFile", plan.without_thumbnail);
    ReportMissing("DrawingFile", plan.without_drawing);
    std::cout << kProgram << ": " << writer.count() << " pictures in " << argv[2] << '\n';
    if (argc == 4) {
        const int fittings = WriteFittingPictures(std::filesystem::path(argv[3]));
        std::cout << kProgram << ": " << fittings << " fitting pictures in " << argv[3] << '\n';
    }
    return 0;
}

} // namespace
} // namespace kalvintera::pictures

int main(int argc, char** argv)
{
    // Text needs a GUI application for its fonts, even though nothing is shown; without a
    // display it must not look for one.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    try {
        return kalvintera::pictures::Run(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << kalvintera::pictures::kProgram << ": " << error.what() << '\n';
        return 1;
    }
}
