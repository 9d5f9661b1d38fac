#include "ui/selection/ventilator_tab_parts.h"

#include "core/text/contains_text.h"
#include "platform/jpeg_image.h"
#include "ui/program.h"
#include "ui/selection/control_texts.h"
#include "ui/selection/result_columns.h"
#include "ui/shell/picture_label.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace kalvintera {

ResultColumns* NewVentilatorColumns(LanguageTexts& texts, int visible_rows, bool scroll_bar_beside, int details_line,
                                    int add_line)
{
    auto* columns = new ResultColumns(4, visible_rows, scroll_bar_beside ? ResultColumns::Scrolling::ScrollBarBeside
                                                                         : ResultColumns::Scrolling::ListsScroll);
    const char* headings[] = {"TYP", "Prędkość [m/s]", "Wydajność [m3/h]", "Kolor"};
    for (int column = 0; column < 4; ++column) {
        columns->setHeading(column, QString::fromUtf8(headings[column]), QString());
        columns->setColumnWidth(column, 120);
        texts.add(234 + column, [columns, column](const QString& text) { columns->setHeadingUpper(column, text); });
    }
    texts.add(details_line, [columns](const QString& text) { columns->detailsAction()->setText(text); });
    texts.add(add_line, [columns](const QString& text) { columns->addAction()->setText(text); });
    return columns;
}

void ShowVentilatorRows(ResultColumns& columns, const Program& program, const std::vector<VentilatorResult>& rows,
                        std::size_t first, std::size_t count)
{
    std::vector<QStringList> shown;
    for (std::size_t i = first; i < rows.size() && i < first + count; ++i) {
        const VentilatorResult& row = rows[i];
        shown.push_back({QString::fromStdString(program.devices.at(row.device_index).Model),
                         QString::fromStdString(row.wind_text), QString::fromStdString(row.capacity_text),
                         QString::fromStdString(row.colour_text)});
    }
    columns.setRows(shown);
}

QLineEdit* NewInput(const QString& text, const char* name)
{
    auto* edit = new QLineEdit(text);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFixedWidth(80);
    return edit;
}

QPushButton* NewTabButton(LanguageTexts& texts, int line, const QString& built_in, const char* name)
{
    auto* button = new QPushButton(built_in);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    BindText(texts, line, button);
    return button;
}

QComboBox* NewColourList(LanguageTexts& texts, int first_line, const char* name)
{
    auto* list = new QComboBox;
    list->setObjectName(QString::fromLatin1(name));
    FillList(texts, list, first_line, ColourNames());
    return list;
}

void ShowKindPicture(PictureLabel& picture, const Program& program, std::string_view kind)
{
    for (DeviceIndex i = 1; i <= kDeviceTableSlots; ++i) {
        const DeviceRecord& record = program.devices.at(i);
        if (!ContainsText(kind, record.NamePl) || record.PictureFile.empty()) continue;
        const std::string file = "grafika/" + record.PictureFile;
        if (program.fileExists(file)) picture.setPicture(LoadJpeg(program.path(file)));
        return;
    }
}

} // namespace kalvintera
