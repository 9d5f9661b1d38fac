#pragma once

#include "core/selection/ventilator_search.h"
#include "ui/common/language_texts.h"

#include <QString>

#include <string_view>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kalvintera {

struct Program;
class PictureLabel;
class ResultColumns;

// Pieces the two gravity ventilator tabs share.

// The four result lists "TYP", "Prędkość [m/s]", "Wydajność [m3/h]", "Kolor", and the
// language lines of their pop-up menu.
ResultColumns* NewVentilatorColumns(LanguageTexts& texts, int visible_rows, bool scroll_bar_beside,
                                    int details_line, int add_line);
void ShowVentilatorRows(ResultColumns& columns, const Program& program, const std::vector<VentilatorResult>& rows,
                        std::size_t first, std::size_t count);

QLineEdit* NewInput(const QString& text, const char* name);
QPushButton* NewTabButton(LanguageTexts& texts, int line, const QString& built_in, const char* name);
QComboBox* NewColourList(LanguageTexts& texts, int first_line, const char* name);

// The picture of the product kind: the picture file of the first catalogue record of that kind.
void ShowKindPicture(PictureLabel& picture, const Program& program, std::string_view kind);

} // namespace kalvintera
