#include "ui/selection/selection_window.h"

#include "ui/common/keep_on_screen.h"
#include "ui/program.h"
#include "ui/selection/cylindrical_tab.h"
#include "ui/selection/fan_criteria.h"
#include "ui/selection/fan_results.h"
#include "ui/selection/fan_tab.h"
#include "ui/selection/gravity_scheme_window.h"
#include "ui/selection/integrated_tab.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

struct ModuleView {
    SelectionWindow::Tab tab;
    bool sets_kind; // the ventilator modules leave the fan tab as it was
    FanKind kind;
};

// What each module button of the main window opens.
ModuleView ViewOfModule(int module)
{
    switch (module) {
    case 2: return {SelectionWindow::FansTab, true, FanKind::Radial};
    case 3: return {SelectionWindow::IntegratedVentilatorsTab, false, FanKind::Roof};
    case 4: return {SelectionWindow::CylindricalVentilatorsTab, false, FanKind::Roof};
    case 5: return {SelectionWindow::FansTab, true, FanKind::Duct};
    default: return {SelectionWindow::FansTab, true, FanKind::Roof};
    }
}

} // namespace

SelectionWindow::SelectionWindow(Program& program, QWidget* parent)
    : ProgramDialog(program, Behaviour{false, true}, parent), actions_(program, this)
{
    setObjectName(QStringLiteral("selectionWindow"));
    setWindowTitle(QStringLiteral("Dobór"));

    fans_ = new FanTab(actions_, this);
    integrated_ = new IntegratedTab(actions_);
    cylindrical_ = new CylindricalTab(actions_);

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("selectionTabs"));
    tabs_->addTab(fans_->page(), QStringLiteral("Wentylatory"));
    tabs_->addTab(integrated_, QStringLiteral("Wywietrzaki zespolone"));
    tabs_->addTab(cylindrical_, QStringLiteral("Wywietrzaki cylindryczne"));

    auto* layout = new QVBoxLayout(this);
    // The window takes the size of what it shows: compact without the fan results.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(tabs_);
    layout->addWidget(fans_->results());
    fans_->results()->hide();

    connect(tabs_, &QTabWidget::currentChanged, this, [this] { showResults(false); });
    connect(fans_, &FanTab::resultsFound, this, [this] { showResults(true); });
    connect(fans_->page(), &FanCriteriaPanel::closeRequested, this, &QDialog::reject);
    connect(integrated_, &IntegratedTab::closeRequested, this, &QDialog::reject);
    connect(cylindrical_, &CylindricalTab::closeRequested, this, &QDialog::reject);
    connect(fans_->page(), &FanCriteriaPanel::flowCalculatorRequested, this, &SelectionWindow::flowCalculatorRequested);
    connect(fans_->page(), &FanCriteriaPanel::scheduleRequested, this, &SelectionWindow::scheduleRequested);
    connect(fans_->page(), &FanCriteriaPanel::pressureCalculatorRequested, this,
            &SelectionWindow::pressureCalculatorRequested);
    connect(integrated_, &IntegratedTab::schemeRequested, this, [this] {
        if (GravitySchemeWindow* scheme = actions_.dialogs().scheme) scheme->showModal();
    });
    connect(&actions_, &SelectionActions::detailsRequested, this, &SelectionWindow::detailsRequested);
    connect(&actions_, &SelectionActions::orderLineAdded, this, &SelectionWindow::orderLineAdded);

    texts_.add(171, [this](const QString& text) { setWindowTitle(text); });
    for (int tab = 0; tab < 3; ++tab) {
        texts_.add(172 + tab, [this, tab](const QString& text) { tabs_->setTabText(tab, text); });
    }
}

SelectionWindow::~SelectionWindow() = default;

void SelectionWindow::setDialogs(const SelectionDialogs& dialogs)
{
    actions_.setDialogs(dialogs);
}

void SelectionWindow::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
    fans_->applyLanguage(table);
    integrated_->applyLanguage(table);
    cylindrical_->applyLanguage(table);
}

void SelectionWindow::prepareForModule()
{
    const ModuleView view = ViewOfModule(program_.SelectionModule);
    tabs_->setCurrentIndex(view.tab);
    if (view.sets_kind) fans_->page()->chooseKind(view.kind);
}

void SelectionWindow::openForModule()
{
    prepareForModule();
    showModal();
}

void SelectionWindow::showEvent(QShowEvent* event)
{
    fans_->prepareForOpening();
    integrated_->prepareForOpening();
    cylindrical_->prepareForOpening();
    ProgramDialog::showEvent(event);
}

void SelectionWindow::done(int result)
{
    emptyResultLists();
    showResults(false);
    ProgramDialog::done(result);
}

void SelectionWindow::showResults(bool shown)
{
    fans_->results()->setVisible(shown);
    if (!shown) return;
    // The results make the window wider and taller than the criteria alone: it takes its new
    // size now and stays wholly on the screen.
    layout()->activate();
    KeepOnScreen(this);
}

bool SelectionWindow::resultsShown() const
{
    return fans_->results()->isVisible();
}

void SelectionWindow::emptyResultLists()
{
    fans_->emptyResults();
    integrated_->emptyResults();
    cylindrical_->emptyResults();
}

void SelectionWindow::setDutyPointTexts(const QString& flow, const QString& pressure)
{
    fans_->page()->setDutyPointTexts(flow, pressure);
}

void SelectionWindow::setFlowText(const QString& flow)
{
    fans_->page()->setDutyPointTexts(flow, pressureText());
}

void SelectionWindow::setPressureText(const QString& pressure)
{
    fans_->page()->setDutyPointTexts(flowText(), pressure);
}

QString SelectionWindow::flowText() const
{
    return fans_->page()->flowText();
}

QString SelectionWindow::pressureText() const
{
    return fans_->page()->pressureText();
}

DutyPointReading SelectionWindow::readDutyPoint() const
{
    const std::string flow = flowText().toStdString();
    const std::string pressure = pressureText().toStdString();
    return ReadDutyPoint(DutyPointTexts{flow, pressure, program_.flowUnit, program_.pressureUnit}, program_.numbers);
}

std::optional<DutyPoint> SelectionWindow::searchedDutyPoint() const
{
    if (!program_.OpenedFromFanSelection || !program_.DutyPointKnown) return std::nullopt;
    const DutyPointReading reading = readDutyPoint();
    if (reading.message_line != 0) return std::nullopt;
    return reading.duty;
}

void SelectionWindow::addSelectedFanToOrder()
{
    fans_->addSelectedToOrder();
}

void SelectionWindow::addSelectedCylindricalToOrder()
{
    cylindrical_->addSelectedToOrder();
}

void SelectionWindow::addSelectedIntegratedToOrder()
{
    integrated_->addSelectedToOrder();
}

QString SelectionWindow::selectedFanVoltageText() const
{
    return fans_->selectedVoltageText();
}

} // namespace kalvintera
