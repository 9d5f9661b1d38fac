#include "core/documents/document.h"

namespace kalvintera {

std::vector<std::string> DocumentTexts(const Document& document)
{
    std::vector<std::string> texts;
    for (const DocumentPage& page : document.pages) {
        for (const DocumentBlock& block : page.blocks) {
            if (const auto* text = std::get_if<TextBlock>(&block)) texts.push_back(text->text);
            if (const auto* table = std::get_if<TableBlock>(&block)) {
                for (const auto& row : table->rows) texts.insert(texts.end(), row.begin(), row.end());
            }
            if (const auto* chart = std::get_if<ChartBlock>(&block)) {
                for (const TextItem& item : chart->chart.all<TextItem>()) texts.push_back(item.text);
            }
        }
    }
    return texts;
}

} // namespace kalvintera
