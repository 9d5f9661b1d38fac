#pragma once

#include <QDialog>

namespace kalvintera {

struct Program;

// Every dialog of the program: shown modally, fading in and out with the effect speed
// of the settings when the effect is on, closed by Esc unless it has no Esc handling.
class ProgramDialog : public QDialog {
    Q_OBJECT
public:
    struct Behaviour {
        bool fades = true;
        bool closes_on_esc = true;
    };

    ProgramDialog(Program& program, Behaviour behaviour, QWidget* parent = nullptr);

    // Shows the dialog modally and returns when it has closed.
    int showModal();

    // The opacity values the last fade set, for tests.
    const std::vector<int>& lastFadeSteps() const { return fade_steps_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

    Program& program_;

private:
    void runFade(const std::vector<int>& steps);

    Behaviour behaviour_;
    std::vector<int> fade_steps_;
};

} // namespace kalvintera
