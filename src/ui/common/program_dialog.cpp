#include "ui/common/program_dialog.h"

#include "core/shell/fade.h"
#include "ui/program.h"

#include <QKeyEvent>

namespace kalvintera {

ProgramDialog::ProgramDialog(Program& program, Behaviour behaviour, QWidget* parent)
    : QDialog(parent), program_(program), behaviour_(behaviour)
{
    setModal(true);
    if (behaviour_.fades) setWindowOpacity(0.0);
}

int ProgramDialog::showModal()
{
    return exec();
}

void ProgramDialog::runFade(const std::vector<int>& steps)
{
    fade_steps_ = steps;
    if (!program_.fadeEnabled) {
        // With the effect off the dialog is drawn opaque; the steps change nothing visible.
        setWindowOpacity(1.0);
        return;
    }
    for (int opacity : steps) setWindowOpacity(opacity / 255.0);
}

void ProgramDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (behaviour_.fades) runFade(FadeInSteps(program_.EffectSpeed));
}

void ProgramDialog::done(int result)
{
    if (behaviour_.fades && isVisible()) runFade(FadeOutSteps(program_.EffectSpeed));
    QDialog::done(result);
}

void ProgramDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && !behaviour_.closes_on_esc) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace kalvintera
