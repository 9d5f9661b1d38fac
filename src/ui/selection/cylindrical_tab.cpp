#include "ui/selection/cylindrical_tab.h"

#include "core/order/order_line.h"
#include "core/selection/order_from_selection.h"
#include "ui/program.h"
#include "ui/selection/control_texts.h"
#include "ui/selection/enter_key.h"
#include "ui/selection/result_columns.h"
#include "ui/selection/selection_actions.h"
#include "ui/selection/ventilator_tab_parts.h"
#include "ui/shell/picture_label.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

constexpr int kVisibleRows = 6;

} // namespace

CylindricalTab::CylindricalTab(SelectionActions& actions, QWidget* parent)
    : QWidget(parent), actions_(actions), program_(actions.program())
{
    setObjectName(QStringLiteral("cylindricalPage"));
    flow_ = NewInput(QStringLiteral("250"), "cylindricalFlow");
    wind_ = NewInput(QStringLiteral("3"), "cylindricalWind");
    colour_ = NewColourList(texts_, 281, "cylindricalColour");
    colour_->setFixedWidth(140);

    auto* inputs = new QGridLayout;
    inputs->addWidget(NewLabel(texts_, 241, QStringLiteral("Podaj wymaganą wydajność      V")), 0, 0);
    inputs->addWidget(flow_, 0, 1);
    // This tab always reads the flow in m³/h, whatever unit the fan search uses.
    inputs->addWidget(new QLabel(QStringLiteral("m3/h")), 0, 2);
    inputs->addWidget(NewLabel(texts_, 242, QStringLiteral("Podaj średnią prędkość wiatru  w")), 1, 0);
    inputs->addWidget(wind_, 1, 1);
    inputs->addWidget(new QLabel(QStringLiteral("m/s")), 1, 2);
    inputs->addWidget(NewLabel(texts_, 243, QStringLiteral("Wybierz kolor")), 2, 0);
    inputs->addWidget(colour_, 2, 1, 1, 2, Qt::AlignLeft);

    QPushButton* search_button = NewTabButton(texts_, 244, QStringLiteral("Dobierz"), "cylindricalSearch");
    BindHint(texts_, 258, search_button, QStringLiteral("Dobiera wywietrzak cylindryczny"));
    QPushButton* close = NewTabButton(texts_, 245, QStringLiteral("Zamknij"), "cylindricalClose");
    connect(search_button, &QPushButton::clicked, this, &CylindricalTab::search);
    connect(close, &QPushButton::clicked, this, &CylindricalTab::closeRequested);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(search_button);
    buttons->addWidget(close);
    buttons->addStretch();

    picture_ = new PictureLabel(QSize(180, 135));
    picture_->setObjectName(QStringLiteral("cylindricalPicture"));

    auto* left = new QVBoxLayout;
    left->addLayout(inputs);
    left->addLayout(buttons);
    left->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(picture_, 0, Qt::AlignTop);

    columns_ = NewVentilatorColumns(texts_, kVisibleRows, false, 308, 962);
    columns_->setObjectName(QStringLiteral("cylindricalColumns"));
    connect(columns_, &ResultColumns::rowDoubleClicked, this, &CylindricalTab::showDetails);
    connect(columns_, &ResultColumns::detailsChosen, this, [this] {
        if (const auto row = columns_->selectedRow()) showDetails(*row);
    });
    connect(columns_, &ResultColumns::addChosen, this, &CylindricalTab::addSelectedToOrder);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(columns_);
    layout->addStretch();

    new EnterKeyAction({flow_, wind_, colour_}, [this] { search(); }, this);
}

void CylindricalTab::search()
{
    actions_.guarded([this] {
        const CylindricalSearchInput input{flow_->text().toStdString(), wind_->text().toStdString(),
                                           colour_->currentText().toStdString()};
        CylindricalSearchResult result = SelectCylindricalVentilators(program_.devices, input, program_.numbers);
        if (result.message_line == ventilator_message::kCylindricalNoFlow
            || result.message_line == ventilator_message::kCylindricalNoWind) {
            program_.showMessage(result.message_line);
            return;
        }
        // The search ran: its results replace those of every tab.
        rows_ = std::move(result.results);
        program_.selectionResults.clear();
        for (const VentilatorResult& row : rows_) program_.selectionResults.push_back(row.device_index);
        ShowVentilatorRows(*columns_, program_, rows_, 0, rows_.size());
        if (rows_.empty()) {
            program_.showMessage(ventilator_message::kCylindricalNoneFound);
            return;
        }
        program_.DutyPointKnown = false;
    });
}

void CylindricalTab::showDetails(int row)
{
    if (const auto device = actions_.resultDevice(row + 1)) actions_.openDetails(*device, false, false);
}

void CylindricalTab::addSelectedToOrder()
{
    const auto row = columns_->selectedRow();
    const auto device = row ? actions_.resultDevice(*row + 1) : std::nullopt;
    if (!device) return;
    const std::string colour = colour_->currentText().toStdString();
    actions_.addToOrder([&](const std::string& quantity) {
        return CylindricalOrderLine(VentilatorOrderInput{*device, quantity, colour});
    });
}

void CylindricalTab::prepareForOpening()
{
    ShowKindPicture(*picture_, program_, "WYWIETRZAK C");
}

void CylindricalTab::emptyResults()
{
    rows_.clear();
    columns_->clear();
}

void CylindricalTab::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

} // namespace kalvintera
