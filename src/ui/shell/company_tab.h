#pragma once

#include "ui/common/language_texts.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QTimer;

namespace kalvintera {

struct Program;

// The "O firmie" tab: the company description beside a picture that cycles through the
// pictures 01.jpg .. 08.jpg of the grafika folder, one a second, for the whole run.
class CompanyTab : public QWidget, public Translatable {
    Q_OBJECT
public:
    static constexpr int kSlideCount = 8;

    explicit CompanyTab(Program& program, QWidget* parent = nullptr);

    void setDescription(const QString& text);

    // One tick of the picture cycle: the next number, and its picture when the file exists
    // (a missing or unreadable one leaves the picture as it was).
    void advanceSlideShow();

    // The number of the picture last due, 0 before the first and after the eighth.
    int slideNumber() const { return slide_; }

    void applyLanguage(const LanguageTable& table) override;

private:
    Program& program_;
    LanguageTexts texts_;
    QLabel* picture_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
    QTimer* timer_ = nullptr;
    int slide_ = 0;
};

} // namespace kalvintera
