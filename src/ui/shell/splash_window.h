#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace kalvintera {

struct Program;
class LanguageTable;

// The semi-transparent window the program starts with: banner, twelve product pictures,
// version, database date and the loading progress.
class SplashWindow final : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(Program& program, QWidget* parent = nullptr);

    void setVersionText(const QString& text);
    void setDatabaseDate(const QString& text);
    // Title, the three captions, the loading caption and the window caption: lines 2..7.
    void applySplashTexts(const LanguageTable& table);

    // Runs the progress bar 1..100 with a short pause after each step, then hides.
    void runProgress(int pause_ms = 30);
    int progress() const;

    QString titleText() const;

private:
    void loadPictures();

    Program& program_;
    QLabel* banner_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* version_caption_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* database_caption_ = nullptr;
    QLabel* database_date_ = nullptr;
    QLabel* edition_ = nullptr;
    QLabel* loading_caption_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QList<QLabel*> pictures_;
};

} // namespace kalvintera
