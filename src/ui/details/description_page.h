#pragma once

#include "ui/common/language_texts.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QPlainTextEdit;

namespace kalvintera {

struct Program;
class PictureLabel;

// "OPIS": the product picture, its Model and the short description of the interface language.
class DescriptionPage final : public QWidget, public Translatable {
    Q_OBJECT
public:
    explicit DescriptionPage(Program& program, QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& table) override;

    // Shows program.CurrentDevice.
    void showDevice();

    QString modelText() const;
    QString descriptionText() const;
    bool pictureShown() const;

private:
    Program& program_;
    QGroupBox* group_ = nullptr;
    PictureLabel* picture_ = nullptr;
    QLabel* model_ = nullptr;
    QLabel* heading_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
    LanguageTexts texts_;
};

} // namespace kalvintera
