#include "ui/humidair/point_data_dialog.h"

#include "core/errors.h"
#include "ui/humidair/humid_air_messages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvintera {

PointDataDialog::PointDataDialog(Program& program, ChartContents& contents, QWidget* parent)
    : ProgramDialog(program, Behaviour{false, true}, parent), contents_(contents)
{
    setObjectName(QStringLiteral("pointDataDialog"));
    setWindowTitle(QStringLiteral("DANE PUNKTU"));
    grid_ = new QGridLayout;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid_);
    using F = Field;
    addField(F::Name, "name", QStringLiteral("NAZWA"), QString(), true)->setMaxLength(static_cast<int>(kPointNameCapacity));
    addField(F::Moisture, "moisture", QStringLiteral("X"), QStringLiteral("g/kg"), true);
    addField(F::Temperature, "temperature", QStringLiteral("t"), QStringLiteral("°C"), true);
    addField(F::Enthalpy, "enthalpy", QStringLiteral("i"), QStringLiteral("kJ/kg"), false);
    addField(F::Density, "density", QStringLiteral("ρ"), QStringLiteral("kg/m3"), false);
    addField(F::Humidity, "humidity", QStringLiteral("φ"), QStringLiteral("%"), false);
    addField(F::Vapour, "vapour", QStringLiteral("pp"), QStringLiteral("Pa"), false);
    addField(F::DryAir, "dryAir", QStringLiteral("pg"), QStringLiteral("Pa"), false);
    addField(F::DewPoint, "dewPoint", QStringLiteral("tr"), QStringLiteral("°C"), false);
    addField(F::WetBulb, "wetBulb", QStringLiteral("tm"), QStringLiteral("°C"), false);
    connect(fields_.at(F::Moisture), &QLineEdit::textEdited, this, [this] { recompute(PointDataInput::Moisture); });
    connect(fields_.at(F::Temperature), &QLineEdit::textEdited, this,
            [this] { recompute(PointDataInput::Temperature); });

    ok_ = new QPushButton(QStringLiteral("OK"));
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("ANULUJ"));
    cancel_->setObjectName(QStringLiteral("cancel"));
    connect(ok_, &QPushButton::clicked, this, &PointDataDialog::confirm);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QLineEdit* PointDataDialog::addField(Field which, const char* name, const QString& label, const QString& unit,
                                     bool typed)
{
    const int row = static_cast<int>(which);
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(!typed);
    edit->setFixedWidth(120);
    if (!typed) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        edit->setPalette(palette);
    }
    auto* caption = new QLabel(label);
    caption->setBuddy(edit);
    grid_->addWidget(caption, row, 0, Qt::AlignRight);
    grid_->addWidget(edit, row, 1);
    grid_->addWidget(new QLabel(unit), row, 2);
    fields_[which] = edit;
    return edit;
}

PointDataTexts PointDataDialog::texts() const
{
    const auto text = [this](Field which) { return fields_.at(which)->text().toStdString(); };
    using F = Field;
    return PointDataTexts{text(F::Name),     text(F::Moisture), text(F::Temperature), text(F::Enthalpy),
                          text(F::Density),  text(F::Humidity), text(F::Vapour),      text(F::DryAir),
                          text(F::DewPoint), text(F::WetBulb)};
}

void PointDataDialog::showTexts(const PointDataTexts& t)
{
    using F = Field;
    const std::pair<Field, const std::string*> all[] = {
        {F::Name, &t.name},         {F::Moisture, &t.moisture_gkg}, {F::Temperature, &t.temperature},
        {F::Enthalpy, &t.enthalpy}, {F::Density, &t.density},       {F::Humidity, &t.humidity_percent},
        {F::Vapour, &t.vapour},     {F::DryAir, &t.dry_air},        {F::DewPoint, &t.dew_point},
        {F::WetBulb, &t.wet_bulb}};
    for (const auto& [which, text] : all) {
        const QString shown = QString::fromStdString(*text);
        if (fields_.at(which)->text() != shown) fields_.at(which)->setText(shown);
    }
}

void PointDataDialog::recompute(PointDataInput changed)
{
    try {
        if (const auto shown = ComputePointData(texts(), changed, barometric_pa_, program_.numbers)) showTexts(*shown);
    } catch (const KalvinteraError& error) {
        ReportError(program_, error); // the results keep their previous texts
    }
}

bool PointDataDialog::addPoint(double barometric_pa)
{
    editing_.reset();
    barometric_pa_ = barometric_pa;
    return run();
}

bool PointDataDialog::editPoint(std::size_t index, double barometric_pa)
{
    if (index >= contents_.points().size()) return false;
    editing_ = index;
    barometric_pa_ = barometric_pa;
    showTexts(PointDataTextsOf(contents_.points()[index], program_.numbers));
    return run();
}

bool PointDataDialog::run()
{
    fields_.at(Field::Name)->setFocus();
    return showModal() == QDialog::Accepted;
}

void PointDataDialog::confirm()
{
    const PointDataTexts typed = texts();
    if (contents_.nameTaken(typed.name, editing_)) {
        ShowChartInfo(program_, kNameTakenMessage);
        return;
    }
    try {
        ChartPoint point = PointFromDataTexts(typed, barometric_pa_, program_.numbers);
        if (editing_) {
            contents_.replacePoint(*editing_, std::move(point));
        } else {
            contents_.addPoint(std::move(point));
        }
    } catch (const KalvinteraError& error) {
        ReportError(program_, error); // nothing is stored
        return;
    }
    accept();
}

} // namespace kalvintera
