#pragma once

#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"

#include <QString>

#include <array>

class QLabel;
class QToolButton;

namespace kalvintera {

class FittingDialog;

// "KSZTAŁTKI": one picture button per fitting kind, round kinds on the top row and
// rectangular ones below. Each opens the fitting dialog for a new fitting of its kind;
// the chooser stays open so several fittings can be added in a row.
class FittingChooser final : public ProgramDialog, public Translatable {
    Q_OBJECT
public:
    explicit FittingChooser(Program& program, QWidget* parent = nullptr);

    void setFittingDialog(FittingDialog* dialog) { fitting_ = dialog; }

    void applyLanguage(const LanguageTable& table) override;

    // The kind's name in the current language: the hint of its button.
    QString kindName(int kind) const;
    QToolButton* kindButton(int kind) const;

    // Opens the fitting dialog for a new fitting of `kind`.
    void chooseKind(int kind);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void loadPictures();

    FittingDialog* fitting_ = nullptr;
    std::array<QToolButton*, 18> buttons_{};
    LanguageTexts texts_;
    bool pictures_loaded_ = false;
};

} // namespace kalvintera
