#pragma once

#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"

#include <QList>

namespace kalvintera {

class PictureLabel;

// "NAGRODY": the maker's eight trade awards, each a picture with a caption naming the
// award, the awarding body and the fair.
class AwardsWindow : public ProgramDialog, public Translatable {
    Q_OBJECT
public:
    static constexpr int kAwards = 8;

    explicit AwardsWindow(Program& program, QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& table) override;

private:
    void loadPictures();

    QList<PictureLabel*> pictures_;
    LanguageTexts texts_;
};

} // namespace kalvintera
