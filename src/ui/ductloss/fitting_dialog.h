#pragma once

#include "core/ductloss/fitting_form.h"
#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"

#include <QString>

#include <array>
#include <functional>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace kalvintera {

// The fitting dialog of the pressure-loss calculator: the sizes, flows, angle, radius,
// offset, elbow type or tee case of one fitting, its material and additional loss, with
// the velocities shown while typing. Its rules live in FittingForm; this window mirrors
// the form's texts and hands a committed fitting to whoever opened it.
class FittingDialog final : public ProgramDialog, public Translatable {
    Q_OBJECT
public:
    using CommitHandler = std::function<void(const FittingCommit&)>;

    explicit FittingDialog(Program& program, QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& table) override;

    // Where committed fittings go (the calculator's run).
    void setCommitHandler(CommitHandler handler) { commit_handler_ = std::move(handler); }

    // Opens the dialog for a new fitting of `kind`, named `name` (its chooser hint).
    void openToAdd(int kind, const QString& name);
    // Opens the dialog with a stored row's texts; OK saves the changes.
    void openToEdit(const FittingRow& row, const QString& name);
    // The same preparations without opening (a caller or a test shows the dialog).
    void prepareToAdd(int kind, const QString& name);
    void prepareToEdit(const FittingRow& row, const QString& name);

    // The settings tab's roughness: its text changed, or its box was ticked or unticked.
    void takeSettingsRoughness(const QString& roughness);
    void chooseOwnMaterial();

    // The OK button and Enter: commits and closes, or shows why not and stays open.
    void confirm();

    const FittingForm& form() const { return form_; }
    QPushButton* okButton() const { return ok_; }

private:
    struct Field {
        FittingText text;
        QLabel* label = nullptr;
        QWidget* control = nullptr; // a QLineEdit or an editable QComboBox
        QLabel* unit = nullptr;
    };

    QWidget* buildFields();
    QWidget* buildLossGroup();
    QWidget* buildButtons();
    Field addField(FittingText text, QWidget* control, QLabel* label, QLabel* unit = nullptr);
    QComboBox* newSizeList(const char* name);
    QLineEdit* newEdit(const char* name, bool read_only = false);
    void edited(FittingText text, const QString& value);
    void prepareAir();
    // Shows the form: texts, which fields the kind has, lists, locks, caption and pictures.
    void showForm();
    void showPicture(QLabel* label, const std::string& relative, QSize size);

    FittingForm form_;
    CommitHandler commit_handler_;
    LanguageTexts texts_;
    std::vector<Field> fields_;
    QLabel* picture_ = nullptr;
    QLabel* tee_picture_ = nullptr;
    QComboBox* round_elbow_types_ = nullptr;
    QComboBox* rect_elbow_types_ = nullptr;
    QLabel* elbow_label_ = nullptr;
    QComboBox* tee_paths_ = nullptr;
    QComboBox* tee_flows_ = nullptr;
    QComboBox* materials_ = nullptr;
    QRadioButton* loss_in_pa_ = nullptr;
    QRadioButton* loss_as_coefficient_ = nullptr;
    QPushButton* ok_ = nullptr;
    QString add_caption_;
    QString edit_caption_;
    bool editing_ = false;
};

} // namespace kalvintera
