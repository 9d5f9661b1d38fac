#pragma once

#include "core/shell/update_check.h"
#include "ui/common/language_texts.h"

#include <QWidget>

#include <string>

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace kalvintera {

struct Program;

// "Aktualizacja": the update module in three steps — check the server for a newer version,
// download its installer with progress and cancel, install it (which ends the program).
// Each step is unlocked by the one before; every start begins at step 1.
class UpdateTab final : public QWidget, public Translatable {
    Q_OBJECT
public:
    explicit UpdateTab(Program& program, QWidget* parent = nullptr);
    void applyLanguage(const LanguageTable& table) override;

    // "http://host[:port]" of the update server; the maker's unless a test serves its own.
    void setServerAddress(const std::string& address) { server_ = address; }

    // The start-up reminder is due when checking is on and the last check is older than the
    // interval read at start. It reminds once per run: a check that could not reach the
    // server would otherwise repeat after every dialog the user closes.
    bool reminderDue() const;
    // Tells the user when updates were last checked, then checks.
    void remind();

    void checkForUpdate();
    void downloadUpdate();
    void cancelDownload();
    void installUpdate();

    bool downloading() const { return downloading_; }

    // The program is ending: a running check or download stops at once, its partial file
    // is removed, and nothing is said about it.
    void shutDown();

signals:
    // The installer has been started: the program closes so it can replace the program's files.
    void closeProgramRequested();

private:
    QWidget* buildCheckStep();
    QWidget* buildDownloadStep();
    QWidget* buildInstallStep();

    // Language line `line`, or its built-in Polish text while no language file is in force.
    QString text(int line) const;
    void setStatus(int line);
    void setAmountCaption(int line);
    void showVersion();
    void endDownload(int amount_line);
    void report(const QString& message) const;
    void report(const std::exception& error) const;
    bool fetchVersionFile(VersionFile& file);

    Program& program_;
    std::string server_;
    VersionFile version_file_;
    bool downloading_ = false;
    bool cancel_requested_ = false;
    bool reminded_ = false;
    bool shutting_down_ = false;
    int status_line_ = 927;
    int amount_line_ = 944;

    QGroupBox* group_ = nullptr;
    QGroupBox* check_group_ = nullptr;
    QLabel* check_icon_ = nullptr;
    QPushButton* check_button_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* your_version_ = nullptr;
    QLabel* newer_version_ = nullptr;

    QGroupBox* download_group_ = nullptr;
    QLabel* download_icon_ = nullptr;
    QPushButton* download_button_ = nullptr;
    QPushButton* cancel_button_ = nullptr;
    QLabel* amount_caption_ = nullptr;
    QLabel* amount_ = nullptr;
    QLabel* total_ = nullptr;
    QProgressBar* progress_ = nullptr;

    QGroupBox* install_group_ = nullptr;
    QLabel* install_icon_ = nullptr;
    QPushButton* install_button_ = nullptr;

    LanguageTexts texts_;
};

} // namespace kalvintera
