#include "core/shell/catalogue_documents.h"

#include "core/shell/language_table.h"

namespace kalvintera {

const std::array<CatalogueDocument, 24> kCatalogueDocuments = {{
    {129, "Wentylatory dachowe typ RKB jednobiegowe", "rkb.pdf", false, false, 155},
    {968, "Wentylatory dachowe typ RKB dwubiegowe", "rkb-D.pdf", false, false, 155},
    {130, "Wentylatory dachowe typ RKB-Ex", "rkbex.pdf", false, false, 155},
    {131, "Wentylatory dachowe typ RKA jednobiegowe", "rka.pdf", false, false, 155},
    {969, "Wentylatory dachowe typ RKA dwubiegowe", "rka-D.pdf", false, false, 155},
    {132, "Wentylatory dachowe typ RKE", "rke.pdf", false, false, 155},
    {133, "Wentylatory dachowe typ RKC", "rkc.pdf", false, false, 155},
    {134, "Wentylatory dachowe typ RKD", "rkd.pdf", false, false, 155},
    {135, "Wentylatory promieniowe PNA i PNB jednobiegowe", "pna-pnb.pdf", false, false, 155},
    {136, "Wentylatory promieniowe PNA i PNB dwubiegowe", "pna-pnb-D.pdf", false, false, 155},
    {137, "Czerpnie i wyrzutnie powietrza", "czerpnie.pdf", false, false, 155},
    {138, "Przewody i podstawy dachowe", "kanaly.pdf", false, false, 155},
    {139, "Przepustnice powietrza", "przepustnice.pdf", false, false, 155},
    {140, "Wywietrzaki zespolone", "zintegrowane.pdf", false, false, 155},
    {141, "Wywietrzaki grawitacyjne", "wywietrzaki.pdf", false, false, 155},
    {142, "Świetliki dachowe", "kopuly.pdf", false, false, 155},
    {970, "Podstawy pod świetliki dachowe", "podst_kopul.pdf", false, false, 155},
    {0, "Podstawy dachowe tłumiące i tłumiki hałasu", "SLT-BDS.pdf", true, false, 155},
    {0, "Atesty higieniczne PZH", "Atesty_PZH.pdf", true, true, 155},
    {0, "Rekuperatory Aurel", "aurel.pdf", false, false, 1018},
    {0, "Gruntowy wymiennik ciepła", "TGX.pdf", false, false, 1019},
    {0, "Aparat grzewczo-wentylacyjny Boreal", "BOREAL.pdf", false, false, 1020},
    {0, "Wentylatory kanałowe KNL", "KNL.pdf", false, false, 1021},
    {0, "Wentylatory ścienne SCN", "SCN.pdf", false, false, 1022},
}};

const std::array<CatalogueDocument, 5> kNewDeviceDocuments = {{
    {0, "REKUPERATOR AUREL", "aurel.pdf", false, false, 155},
    {0, "GLIKOLOWY GRUNTOWY WYMIENNIK CIEPŁA", "tgx.pdf", false, false, 155},
    {0, "APARAT GRZEWCZO - WENTYLACYJNY BOREAL", "boreal.pdf", false, false, 155},
    {0, "WENTYLATOR ŚCIENNY SCN", "scn.pdf", false, false, 155},
    {0, "WENTYLATOR KANAŁOWY OKRĄGŁY KNL", "knl.pdf", false, false, 155},
}};

std::optional<std::string> CatalogueDocumentPath(const CatalogueDocument& document, int language)
{
    const auto files = FilesForLanguage(language);
    if (!files) return std::nullopt;
    const std::string folder = document.in_descriptions ? "opisy/" : "katalog/";
    const std::string prefix = document.every_language ? std::string() : std::string(files->cataloguePrefix);
    return folder + prefix + std::string(document.file);
}

} // namespace kalvintera
