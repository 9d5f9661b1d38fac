#include "ui/ductloss/fitting_dialog.h"

#include "core/ductloss/fitting_kind.h"
#include "core/errors.h"
#include "ui/common/error_text.h"
#include "ui/ductloss/ductloss_texts.h"
#include "ui/program.h"
#include "ui/selection/control_texts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

constexpr QSize kPictureSize{200, 150};
constexpr QSize kTeePictureSize{96, 72};

QStringList ListOf(std::span<const std::string_view> entries)
{
    QStringList list;
    for (std::string_view entry : entries) list << QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size()));
    return list;
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

// Which kinds show a field; the name, type, flow and w1 every kind shows.
bool Shown(FittingText text, int kind, unsigned inputs)
{
    switch (text) {
    case FittingText::Length: return inputs & kInputLength;
    case FittingText::D1: return inputs & kInputD1;
    case FittingText::D2: return inputs & kInputD2;
    case FittingText::A: return inputs & kInputA;
    case FittingText::B: return inputs & kInputB;
    case FittingText::C: return inputs & kInputC;
    case FittingText::D: return inputs & kInputD;
    case FittingText::Angle: return inputs & kInputAngle;
    case FittingText::Radius: return inputs & kInputRadius;
    case FittingText::Offset: return inputs & kInputOffset;
    case FittingText::BranchFlow: return inputs & kInputBranchFlow;
    case FittingText::W2: return HasOutlet(kind);
    default: return true;
    }
}

void SetControlText(QWidget* control, const QString& text)
{
    const QSignalBlocker blocker(control);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        if (edit->text() != text) edit->setText(text);
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
        if (list->currentText() != text) list->setEditText(text);
    }
}

} // namespace

FittingDialog::FittingDialog(Program& program, QWidget* parent)
    : ProgramDialog(program, Behaviour{true, true}, parent), form_(program.numbers)
{
    setObjectName(QStringLiteral("fittingDialog"));
    setWindowTitle(Text(form_.text(FittingText::Name)));
    add_caption_ = QStringLiteral("Dodaj kształtkę");
    edit_caption_ = QStringLiteral("Zapisz zmiany");
    texts_.add(791, [this](const QString& text) { add_caption_ = text; });
    texts_.add(804, [this](const QString& text) { edit_caption_ = text; });

    picture_ = new QLabel;
    picture_->setObjectName(QStringLiteral("picture"));
    picture_->setFixedSize(kPictureSize);
    picture_->setFrameShape(QFrame::StyledPanel);

    auto* left = new QVBoxLayout;
    left->addWidget(picture_);
    left->addWidget(buildLossGroup());
    left->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(buildFields());

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(columns);
    layout->addWidget(buildButtons());
    showForm();
}

QLineEdit* FittingDialog::newEdit(const char* name, bool read_only)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(read_only);
    edit->setMaximumWidth(120);
    return edit;
}

QComboBox* FittingDialog::newSizeList(const char* name)
{
    auto* list = new QComboBox;
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setMaximumWidth(120);
    list->addItems(ListOf(SizeList()));
    return list;
}

FittingDialog::Field FittingDialog::addField(FittingText text, QWidget* control, QLabel* label, QLabel* unit)
{
    fields_.push_back(Field{text, label, control, unit});
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        connect(edit, &QLineEdit::textEdited, this, [this, text](const QString& value) { edited(text, value); });
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
        connect(list, &QComboBox::currentTextChanged, this, [this, text](const QString& value) { edited(text, value); });
    }
    return fields_.back();
}

QWidget* FittingDialog::buildFields()
{
    auto* panel = new QWidget;
    auto* grid = new QGridLayout(panel);
    int row = 0;
    auto place = [&](const Field& field) {
        if (field.label) grid->addWidget(field.label, row, 0);
        grid->addWidget(field.control, row, 1);
        if (field.unit) grid->addWidget(field.unit, row, 2);
        ++row;
    };

    QLineEdit* name = newEdit("name", true);
    name->setMaximumWidth(QWIDGETSIZE_MAX);
    name->setMinimumWidth(300);
    const Field name_field = addField(FittingText::Name, name, NewLabel(texts_, 771, QStringLiteral("NAZWA")));
    grid->addWidget(name_field.label, row, 0);
    grid->addWidget(name, row, 1, 1, 2);
    ++row;
    place(addField(FittingText::TypeCode, newEdit("typeCode", true), NewLabel(texts_, 772, QStringLiteral("TYP"))));
    place(addField(FittingText::Length, newEdit("length"), NewLabel(texts_, 773, QStringLiteral("Długosc (L)   [mm]"))));
    place(addField(FittingText::D1, newSizeList("d1"), NewLabel(texts_, 774, QStringLiteral("Wymiar")),
                   new QLabel(QStringLiteral("Φ1  [mm]"))));
    auto* second_size = new QLabel(QStringLiteral("Wymiar"));
    texts_.add(774, [second_size](const QString& text) { second_size->setText(text); });
    place(addField(FittingText::D2, newSizeList("d2"), second_size, new QLabel(QStringLiteral("Φ2  [mm]"))));
    place(addField(FittingText::A, newSizeList("a"), NewLabel(texts_, 775, QStringLiteral("Wymiar (A)        [mm]"))));
    place(addField(FittingText::B, newSizeList("b"), NewLabel(texts_, 776, QStringLiteral("Wymiar (B)        [mm]"))));
    place(addField(FittingText::C, newSizeList("c"), NewLabel(texts_, 777, QStringLiteral("Wymiar (C)        [mm]"))));
    place(addField(FittingText::D, newSizeList("d"), NewLabel(texts_, 778, QStringLiteral("Wymiar (D)        [mm]"))));

    auto* angle = new QComboBox;
    angle->setObjectName(QStringLiteral("angle"));
    angle->setEditable(true);
    angle->setInsertPolicy(QComboBox::NoInsert);
    angle->addItems(ListOf(AngleList()));
    place(addField(FittingText::Angle, angle, NewLabel(texts_, 779, QStringLiteral("Kąt α           [°]"))));
    auto* radius = new QComboBox;
    radius->setObjectName(QStringLiteral("radius"));
    radius->setEditable(true);
    radius->setInsertPolicy(QComboBox::NoInsert);
    radius->addItems(ListOf(RadiusList()));
    place(addField(FittingText::Radius, radius, NewLabel(texts_, 780, QStringLiteral("Promień \"r\"    [mm]"))));
    QLineEdit* offset = newEdit("offset");
    offset->setMaxLength(3);
    place(addField(FittingText::Offset, offset, NewLabel(texts_, 781, QStringLiteral("Wymiar e           [mm]"))));

    // The elbow's type: the round and the rectangular list share one place.
    elbow_label_ = NewLabel(texts_, 782, QStringLiteral("Wybierz typ kolana"));
    round_elbow_types_ = new QComboBox;
    round_elbow_types_->setObjectName(QStringLiteral("roundElbowType"));
    FillList(texts_, round_elbow_types_, 793, ListOf(kRoundElbowTypes));
    rect_elbow_types_ = new QComboBox;
    rect_elbow_types_->setObjectName(QStringLiteral("rectElbowType"));
    FillList(texts_, rect_elbow_types_, 798, ListOf(kRectElbowTypes));
    grid->addWidget(elbow_label_, row, 0);
    grid->addWidget(round_elbow_types_, row, 1);
    grid->addWidget(rect_elbow_types_, row, 1);
    ++row;
    connect(round_elbow_types_, &QComboBox::activated, this, [this](int index) {
        form_.chooseRoundElbowType(index);
        showForm();
    });
    connect(rect_elbow_types_, &QComboBox::activated, this, [this](int index) {
        form_.chooseRectElbowType(index);
        showForm();
    });

    tee_paths_ = new QComboBox;
    tee_paths_->setObjectName(QStringLiteral("teePath"));
    FillList(texts_, tee_paths_, 800, ListOf(kTeePaths));
    tee_flows_ = new QComboBox;
    tee_flows_->setObjectName(QStringLiteral("teeFlow"));
    FillList(texts_, tee_flows_, 802, ListOf(kTeeFlows));
    tee_picture_ = new QLabel;
    tee_picture_->setObjectName(QStringLiteral("teePicture"));
    tee_picture_->setFixedSize(kTeePictureSize);
    auto* tee_lists = new QVBoxLayout;
    tee_lists->addWidget(tee_paths_);
    tee_lists->addWidget(tee_flows_);
    grid->addLayout(tee_lists, row, 1);
    grid->addWidget(tee_picture_, row, 0, Qt::AlignRight);
    ++row;
    connect(tee_paths_, &QComboBox::activated, this, [this](int index) {
        form_.chooseTeePath(index);
        showForm();
    });
    connect(tee_flows_, &QComboBox::activated, this, [this](int index) {
        form_.chooseTeeFlow(index);
        showForm();
    });

    place(addField(FittingText::Flow, newEdit("flow"), NewLabel(texts_, 783, QStringLiteral("Przepływ V      [m3/h]"))));
    place(addField(FittingText::BranchFlow, newEdit("branchFlow"),
                   NewLabel(texts_, 784, QStringLiteral("Przepływ Vo     [m3/h]"))));
    place(addField(FittingText::W1, newEdit("w1", true), NewLabel(texts_, 785, QStringLiteral("Prędkosc w1     [m/s]"))));
    place(addField(FittingText::W2, newEdit("w2", true), NewLabel(texts_, 786, QStringLiteral("Prędkosc w2     [m/s]"))));

    // Material and roughness.
    materials_ = new QComboBox;
    materials_->setObjectName(QStringLiteral("material"));
    for (const DuctMaterial& material : kDuctMaterials) {
        materials_->addItem(QString::fromUtf8(material.name.data(), static_cast<qsizetype>(material.name.size())));
    }
    connect(materials_, &QComboBox::activated, this, [this](int index) {
        form_.chooseMaterial(index);
        showForm();
    });
    grid->addWidget(NewLabel(texts_, 789, QStringLiteral("Materiał przewodu")), row, 0);
    grid->addWidget(materials_, row, 1);
    ++row;
    QLineEdit* roughness = newEdit("roughness");
    roughness->setToolTip(QString::fromUtf8(kRoughnessHint.data(), static_cast<qsizetype>(kRoughnessHint.size())));
    place(addField(FittingText::Roughness, roughness, new QLabel(QStringLiteral("k=")),
                   NewLabel(texts_, 790, QStringLiteral("mm"))));
    return panel;
}

QWidget* FittingDialog::buildLossGroup()
{
    auto* group = new QGroupBox;
    auto* grid = new QGridLayout(group);
    loss_in_pa_ = new QRadioButton(QStringLiteral("Dodatkowy opór   [Pa]"));
    loss_in_pa_->setObjectName(QStringLiteral("lossInPa"));
    BindText(texts_, 787, loss_in_pa_);
    loss_as_coefficient_ = new QRadioButton(QStringLiteral("Dodatkowe ksi [-]"));
    loss_as_coefficient_->setObjectName(QStringLiteral("lossAsCoefficient"));
    BindText(texts_, 788, loss_as_coefficient_);
    auto* choice = new QButtonGroup(group);
    choice->addButton(loss_in_pa_);
    choice->addButton(loss_as_coefficient_);
    connect(loss_in_pa_, &QRadioButton::clicked, this, [this] {
        form_.chooseAdditionalEntry(AdditionalEntry::Pascal);
        showForm();
    });
    connect(loss_as_coefficient_, &QRadioButton::clicked, this, [this] {
        form_.chooseAdditionalEntry(AdditionalEntry::Coefficient);
        showForm();
    });
    QLineEdit* pa = newEdit("additionalLoss");
    QLineEdit* coefficient = newEdit("additionalCoefficient");
    addField(FittingText::AdditionalLoss, pa, nullptr);
    addField(FittingText::AdditionalCoefficient, coefficient, nullptr);
    grid->addWidget(loss_in_pa_, 0, 0);
    grid->addWidget(pa, 0, 1);
    grid->addWidget(loss_as_coefficient_, 1, 0);
    grid->addWidget(coefficient, 1, 1);
    return group;
}

QWidget* FittingDialog::buildButtons()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    ok_ = new QPushButton(add_caption_);
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"));
    cancel->setObjectName(QStringLiteral("cancel"));
    // Enter always commits: a button that had the focus must not become the default.
    ok_->setAutoDefault(false);
    cancel->setAutoDefault(false);
    BindText(texts_, 792, cancel);
    connect(ok_, &QPushButton::clicked, this, &FittingDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &FittingDialog::reject);
    layout->addStretch();
    layout->addWidget(ok_);
    layout->addWidget(cancel);
    return row;
}

void FittingDialog::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
    FittingListTexts lists;
    for (int i = 0; i < 2; ++i) {
        lists.tee_paths[static_cast<std::size_t>(i)] = tee_paths_->itemText(i).toStdString();
        lists.tee_flows[static_cast<std::size_t>(i)] = tee_flows_->itemText(i).toStdString();
    }
    form_.setListTexts(lists);
    ok_->setText(editing_ ? edit_caption_ : add_caption_);
}

void FittingDialog::prepareAir()
{
    if (program_.air) {
        form_.setAir(AirState{program_.air->density_kgm3, program_.air->viscosity_m2s});
    } else {
        form_.setAir(std::nullopt);
    }
}

void FittingDialog::prepareToAdd(int kind, const QString& name)
{
    prepareAir();
    editing_ = false;
    form_.chooseKind(kind, name.toStdString());
    ok_->setText(add_caption_);
    ok_->setDefault(true);
    showForm();
}

void FittingDialog::prepareToEdit(const FittingRow& row, const QString& name)
{
    prepareAir();
    editing_ = true;
    form_.chooseKind(FittingRowKind(row), name.toStdString());
    form_.loadRow(row);
    ok_->setText(edit_caption_);
    ok_->setDefault(true);
    showForm();
}

void FittingDialog::openToAdd(int kind, const QString& name)
{
    prepareToAdd(kind, name);
    showModal();
}

void FittingDialog::openToEdit(const FittingRow& row, const QString& name)
{
    prepareToEdit(row, name);
    showModal();
    editing_ = false;
}

void FittingDialog::takeSettingsRoughness(const QString& roughness)
{
    form_.takeSettingsRoughness(roughness.toStdString());
    showForm();
}

void FittingDialog::chooseOwnMaterial()
{
    form_.takeOwnRoughness(form_.text(FittingText::Roughness));
    showForm();
}

void FittingDialog::edited(FittingText text, const QString& value)
{
    prepareAir();
    form_.editText(text, value.toStdString());
    showForm();
}

void FittingDialog::confirm()
{
    prepareAir();
    const QString title = QString::fromStdString(program_.MessageTitle);
    // A refused or failed commit keeps the dialog open with everything typed, so the user
    // corrects the one value instead of typing the fitting again.
    try {
        const FittingCommit commit = form_.commit();
        if (commit.refusal_line != 0) {
            showForm();
            program_.prompter.showInfo(DuctlossLine(program_, commit.refusal_line), title);
            return;
        }
        if (commit_handler_) commit_handler_(commit);
    } catch (const KalvinteraError& error) {
        showForm();
        program_.prompter.showInfo(UserErrorText(error, program_.language), title);
        return;
    }
    showForm();
    accept();
}

void FittingDialog::showPicture(QLabel* label, const std::string& relative, QSize size)
{
    // The form is shown again at every keystroke; the picture is read only when it changes.
    if (label->property("picture").toString() == QString::fromStdString(relative)) return;
    label->setProperty("picture", QString::fromStdString(relative));
    QImage image;
    if (program_.fileExists(relative)) image.load(QString::fromStdString(program_.path(relative).string()));
    if (image.isNull()) {
        label->clear();
        return;
    }
    label->setPixmap(QPixmap::fromImage(image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void FittingDialog::showForm()
{
    const int kind = form_.kind();
    const unsigned inputs = form_.inputs();
    for (const Field& field : fields_) {
        SetControlText(field.control, Text(form_.text(field.text)));
        const bool shown = Shown(field.text, kind, inputs);
        field.control->setVisible(shown);
        if (field.label) field.label->setVisible(shown);
        if (field.unit) field.unit->setVisible(shown);
    }
    setWindowTitle(Text(form_.text(FittingText::Name)));

    elbow_label_->setVisible(IsElbowKind(kind));
    round_elbow_types_->setVisible(kind == 2);
    rect_elbow_types_->setVisible(kind == 11);
    round_elbow_types_->setCurrentIndex(form_.roundElbowType());
    rect_elbow_types_->setCurrentIndex(form_.rectElbowType());
    const bool tee = IsTeeKind(kind);
    tee_paths_->setVisible(tee);
    tee_flows_->setVisible(tee);
    tee_picture_->setVisible(tee);
    tee_paths_->setCurrentIndex(form_.teePath());
    tee_flows_->setCurrentIndex(form_.teeFlow());

    materials_->setCurrentIndex(form_.material());
    for (const Field& field : fields_) {
        auto* edit = qobject_cast<QLineEdit*>(field.control);
        if (!edit) continue;
        if (field.text == FittingText::Roughness) edit->setReadOnly(!form_.roughnessEditable());
        if (field.text == FittingText::AdditionalLoss) edit->setReadOnly(form_.additionalEntry() != AdditionalEntry::Pascal);
        if (field.text == FittingText::AdditionalCoefficient) {
            edit->setReadOnly(form_.additionalEntry() != AdditionalEntry::Coefficient);
        }
    }
    loss_in_pa_->setChecked(form_.additionalEntry() == AdditionalEntry::Pascal);
    loss_as_coefficient_->setChecked(form_.additionalEntry() == AdditionalEntry::Coefficient);

    showPicture(picture_, std::string(FittingKindOf(kind).picture).substr(1), kPictureSize);
    if (tee) showPicture(tee_picture_, TeeCasePicture(form_.teePath(), form_.teeFlow()).substr(1), kTeePictureSize);
}

} // namespace kalvintera
