#pragma once

#include <QString>

#include <string>

namespace kalvintera {

struct Program;
class PictureLabel;

// A text the details screens read when they show it: the language line while a language
// file is in force, else the built-in Polish one.
QString LanguageTextOr(const Program& program, int line, const QString& built_in);

// Shows the JPEG `relative` of the data folder in `label`, or hides the label when the data
// folder does not hold it. True when shown.
bool ShowDataPicture(const Program& program, PictureLabel& label, const std::string& relative);

// The device name of the interface language with its Model: the caption of the details group.
QString DeviceCaption(const Program& program);

} // namespace kalvintera
