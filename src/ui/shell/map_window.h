#pragma once

#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"

#include <QImage>

namespace kalvintera {

class PictureLabel;

// "Mapa dojazdowa": the directions map to the maker's site.
class MapWindow : public ProgramDialog, public Translatable {
    Q_OBJECT
public:
    explicit MapWindow(Program& program, QWidget* parent = nullptr);

    // The main window hands in grafika/mapa.jpg at each activation; a null picture keeps
    // the map shown before.
    void setMapPicture(const QImage& picture);

    void applyLanguage(const LanguageTable& table) override;

private:
    PictureLabel* map_;
    LanguageTexts texts_;
};

} // namespace kalvintera
