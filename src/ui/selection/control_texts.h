#pragma once

#include "ui/common/language_texts.h"

#include <QString>

class QAbstractButton;
class QComboBox;
class QLabel;
class QWidget;

namespace kalvintera {

// Controls of the selection window whose texts come from language lines: each is made
// with its built-in Polish text and registered under its line.
QLabel* NewLabel(LanguageTexts& texts, int line, const QString& built_in, QWidget* parent = nullptr);
void BindText(LanguageTexts& texts, int line, QAbstractButton* button);
void BindHint(LanguageTexts& texts, int line, QWidget* control, const QString& built_in);
// Items of a list from consecutive language lines, starting at `first_line`.
void FillList(LanguageTexts& texts, QComboBox* list, int first_line, const QStringList& built_in);

// The colours a product can be ordered in ("STANDARD" first); the fan tab adds "INNY RAL".
const QStringList& ColourNames();
inline constexpr int kOtherRalEntry = 8;
inline const QString kOtherRal = QStringLiteral("INNY RAL");

} // namespace kalvintera
