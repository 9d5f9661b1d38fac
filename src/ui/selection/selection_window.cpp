#include "ui/selection/selection_window.h"

#include "ui/program.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kalvintera {

SelectionWindow::SelectionWindow(Program& program, QWidget* parent)
    : ProgramDialog(program, Behaviour{false, true}, parent)
{
    setWindowTitle("Dobór");
    tabs_ = new QTabWidget(this);
    auto* fans = new QWidget;
    auto* form = new QFormLayout(fans);
    flow_ = new QLineEdit("300");
    pressure_ = new QLineEdit("50");
    form->addRow("Wydajność powietrza", flow_);
    form->addRow("Spręż statyczny", pressure_);
    tabs_->addTab(fans, "Wentylatory");
    tabs_->addTab(new QWidget, "Wywietrzaki zespolone");
    tabs_->addTab(new QWidget, "Wywietrzaki cylindryczne");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    resize(640, 260);

    texts_.add(171, [this](const QString& text) { setWindowTitle(text); });
    connect(flow_, &QLineEdit::textChanged, this, [this](const QString& text) { program_.settings.vWent = text.toStdString(); });
    connect(pressure_, &QLineEdit::textChanged, this,
            [this](const QString& text) { program_.settings.dpWent = text.toStdString(); });
}

void SelectionWindow::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

void SelectionWindow::openForModule()
{
    // Modules 1, 2 and 5 are fans, 3 integrated and 4 cylindrical ventilators.
    const int module = program_.SelectionModule;
    tabs_->setCurrentIndex(module == 3 ? 1 : module == 4 ? 2 : 0);
    showModal();
}

void SelectionWindow::setDutyPointTexts(const QString& flow, const QString& pressure)
{
    flow_->setText(flow);
    pressure_->setText(pressure);
}

QString SelectionWindow::flowText() const { return flow_->text(); }
QString SelectionWindow::pressureText() const { return pressure_->text(); }

} // namespace kalvintera
