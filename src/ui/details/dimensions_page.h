#pragma once

#include "ui/common/language_texts.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QScrollArea;
class QToolButton;

namespace kalvintera {

struct Program;
class ValueTable;

// "WYMIARY/WŁAŚCIWOŚCI ELEKTRYCZNE": the dimension drawing, the magnifier over it and the
// dimension table.
class DimensionsPage final : public QWidget, public Translatable {
    Q_OBJECT
public:
    explicit DimensionsPage(Program& program, QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& table) override;

    // Shows the drawing of program.CurrentDevice, or hides it when the file is missing.
    void showDrawing();

    ValueTable* table() const { return table_; }
    bool drawingShown() const;
    QToolButton* magnifier() const { return magnifier_; }

signals:
    void enlargeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Program& program_;
    QGroupBox* group_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QLabel* drawing_ = nullptr;
    QToolButton* magnifier_ = nullptr;
    ValueTable* table_ = nullptr;
    LanguageTexts texts_;
};

} // namespace kalvintera
