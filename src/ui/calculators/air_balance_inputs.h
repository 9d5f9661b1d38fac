#pragma once

#include "core/calculators/air_balance.h"
#include "ui/common/language_texts.h"

#include <QGroupBox>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace kalvintera {

// The input groups of the air balance calculator, one per method. Each only holds its
// controls and their texts; the window reads them when its "Oblicz" is pressed.

// "Wymiarowanie na podstawie ilości ludzi ...": how many people, smoking or not.
class OccupantsGroup final : public QGroupBox {
    Q_OBJECT
public:
    explicit OccupantsGroup(LanguageTexts& texts, QWidget* parent = nullptr);

    Occupants occupants() const;
    QLineEdit* nonSmokers() const { return non_smokers_; }
    QLineEdit* smokers() const { return smokers_; }
    QPushButton* computeButton() const { return compute_; }

private:
    void showCountsFor(Occupants occupants);

    QComboBox* choice_ = nullptr;
    QLabel* non_smokers_label_ = nullptr;
    QLineEdit* non_smokers_ = nullptr;
    QLabel* smokers_label_ = nullptr;
    QLineEdit* smokers_ = nullptr;
    QPushButton* compute_ = nullptr;
};

// "Wymiarowanie na podstawie zalecanej ilości wymian powietrza ...": the room's size and kind.
class AirChangesGroup final : public QGroupBox {
    Q_OBJECT
public:
    explicit AirChangesGroup(LanguageTexts& texts, QWidget* parent = nullptr);

    QLineEdit* length() const { return length_; }
    QLineEdit* width() const { return width_; }
    QLineEdit* height() const { return height_; }
    QRadioButton* industrial() const { return industrial_; }
    QRadioButton* publicBuildings() const { return public_; }
    QListWidget* industrialList() const { return industrial_list_; }
    QListWidget* publicList() const { return public_list_; }
    QPushButton* computeButton() const { return compute_; }

    // The rates of the room kind selected in the visible list; null when none is selected.
    const AirChangeRate* selectedRate() const;

private:
    QLineEdit* length_ = nullptr;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
    QRadioButton* industrial_ = nullptr;
    QRadioButton* public_ = nullptr;
    QListWidget* industrial_list_ = nullptr;
    QListWidget* public_list_ = nullptr;
    QPushButton* compute_ = nullptr;
};

// "Wymogi dotyczące ilości powietrza wentylacyjnego zdefiniowane w PN-83/B-03430": the
// rooms of a dwelling, each with its count.
class DwellingGroup final : public QGroupBox {
    Q_OBJECT
public:
    explicit DwellingGroup(LanguageTexts& texts, QWidget* parent = nullptr);

    QCheckBox* box(std::size_t row) const { return boxes_[row]; }
    QLineEdit* count(std::size_t row) const { return counts_[row]; }
    QPushButton* computeButton() const { return compute_; }

private:
    std::array<QCheckBox*, kDwellingRequirements> boxes_{};
    std::array<QLineEdit*, kDwellingRequirements> counts_{};
    QPushButton* compute_ = nullptr;
};

} // namespace kalvintera
