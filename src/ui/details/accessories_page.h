#pragma once

#include "core/details/accessories.h"
#include "ui/common/language_texts.h"

#include <QWidget>

#include <array>
#include <string>
#include <vector>

class QLabel;
class QScrollArea;

namespace kalvintera {

struct Program;
class PictureLabel;

// "AKCESORIA": up to 20 accessories as thumbnails with captions, five to a row. Pointing at
// one highlights it; clicking it asks for its details.
class AccessoriesPage final : public QWidget, public Translatable {
    Q_OBJECT
public:
    explicit AccessoriesPage(Program& program, QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& table) override;

    // Scrolled to the top, every slot hidden and without hint.
    void reset();
    // Shows these slots (captions always, thumbnails when their picture is there).
    void showSlots(const std::vector<AccessorySlot>& slots);

    void highlight(int slot);
    void unhighlight();

    bool captionShown(int slot) const;
    bool thumbnailShown(int slot) const;
    QString captionText(int slot) const;
    QString hint(int slot) const;
    QColor captionColour(int slot) const;
    QWidget* thumbnail(int slot) const;
    QWidget* caption(int slot) const;

signals:
    // The caption's code: the accessory whose details are to be shown.
    void accessoryChosen(const QString& code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Slot {
        PictureLabel* thumbnail = nullptr;
        QLabel* caption = nullptr;
        std::string picture; // the accessory's ThumbnailFile
    };

    int slotOf(QObject* widget) const;
    void setCaptionColour(int slot, const QColor& colour);
    void loadThumbnail(int slot, const std::string& file);

    Program& program_;
    QScrollArea* scroll_ = nullptr;
    QWidget* area_ = nullptr;
    QLabel* instruction_ = nullptr;
    std::array<Slot, kAccessorySlots> slots_;
    bool hovering_ = false;
    LanguageTexts texts_;
};

} // namespace kalvintera
