#include "ui/details/details_support.h"

#include "core/details/details_tables.h"
#include "platform/jpeg_image.h"
#include "ui/program.h"
#include "ui/shell/picture_label.h"

namespace kalvintera {

QString LanguageTextOr(const Program& program, int line, const QString& built_in)
{
    const QString text = program.line(line);
    return program.languageChosen() && !text.isEmpty() ? text : built_in;
}

bool ShowDataPicture(const Program& program, PictureLabel& label, const std::string& relative)
{
    if (!program.fileExists(relative)) {
        label.clearPicture();
        label.hide();
        return false;
    }
    label.clearPicture();
    label.setPicture(LoadJpeg(program.path(relative)));
    label.show();
    return true;
}

QString DeviceCaption(const Program& program)
{
    const DeviceRecord& device = program.CurrentDevice;
    return QString::fromStdString(DeviceNameFor(device, program.settings.language) + " " + device.Model);
}

} // namespace kalvintera
