#pragma once

#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"

class QPushButton;

namespace kalvintera {

class PictureLabel;

// "SCHEMAT OBLICZENIOWY DOBORU W-Z": how the integrated ventilator search sees the room:
// the stack pressure between the warm inside and the cold outside air over the room height.
class GravitySchemeWindow final : public ProgramDialog, public Translatable {
    Q_OBJECT
public:
    // The picture the data folder may provide instead of the drawn scheme.
    static constexpr const char* kSchemePicture = "grafika/schemat_wz.jpg";

    explicit GravitySchemeWindow(Program& program, QWidget* parent = nullptr);

    int showModal();

    void applyLanguage(const LanguageTable& table) override;

private:
    PictureLabel* picture_ = nullptr;
    QPushButton* close_ = nullptr;
    LanguageTexts texts_;
};

} // namespace kalvintera
