#pragma once

#include "ui/common/prompter.h"

#include <QObject>
#include <QWidget>

#include <atomic>
#include <deque>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace kalvintera::testing {

// Answers every question of the program at random: yes or no, a file of its own scratch
// folder to save, one of those files or any file of the data folder to open, or nothing.
class RandomPrompter final : public Prompter {
public:
    RandomPrompter(std::mt19937& random, std::filesystem::path data_folder, bool trace);

    void showInfo(const QString& text, const QString& title) override;
    bool askYesNo(const QString& text, const QString& title) override;
    bool askOkCancel(const QString& text, const QString& title) override;
    QString chooseFileToOpen(const FileDialogRequest& request) override;
    QString chooseFileToSave(const FileDialogRequest& request) override;
    SaveChoice askSaveDiscardCancel(const QString& text, const QString& title) override;

    std::size_t messagesShown() const { return messages_shown_; }
    std::size_t emptyMessages() const { return empty_messages_; }
    // Messages shown since the last call that hold the core's English error text.
    std::vector<std::string> takeUntranslated() { return std::exchange(untranslated_, {}); }

private:
    void seen(const QString& text);

    std::mt19937& random_;
    std::filesystem::path data_folder_;
    std::filesystem::path scratch_;
    std::vector<std::filesystem::path> saved_;
    std::size_t messages_shown_ = 0;
    std::size_t empty_messages_ = 0;
    std::vector<std::string> untranslated_;
    bool trace_;
};

// A user who does one random thing at a time to whatever window is in front, from a timer,
// so that modal dialogs (each with its own event loop) are used as well. A watchdog thread
// ends the process with the last actions when the program stops answering.
class RandomUser final : public QObject {
    Q_OBJECT
public:
    RandomUser(unsigned seed, long actions, std::filesystem::path data_folder, bool trace);
    ~RandomUser() override;

    Prompter& prompter() { return prompter_; }

    // Starts the actions on `main`; ends the application's event loop when they are done
    // and every dialog has been closed again.
    void run(QWidget& main);

    void fault(const std::string& what);

    long actionsDone() const { return done_; }
    std::size_t messagesShown() const { return prompter_.messagesShown(); }
    const std::vector<std::string>& faults() const { return faults_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void scheduleStep();
    void step();
    void act(QWidget& window);
    bool closeEverything();
    void note(const std::string& action);

    void clickButton(QWidget& window);
    void typeText(QWidget& window);
    void chooseInComboBox(QWidget& window);
    void switchTab(QWidget& window);
    void pressKey(QWidget& window);
    void triggerMenuAction(QWidget& window);
    void useItemView(QWidget& window);
    void useMouse(QWidget& window);
    void usePopup(QWidget& popup);
    QString randomText();

    std::mt19937 random_;
    RandomPrompter prompter_;
    long actions_;
    long done_ = 0;
    bool trace_;
    bool finishing_ = false;
    int closing_attempts_ = 0;
    QWidget* main_ = nullptr;
    std::size_t empty_messages_reported_ = 0;
    std::deque<std::string> recent_;
    std::vector<std::string> faults_;

    std::atomic<long> heartbeat_{0};
    std::atomic<bool> stop_{false};
    std::string last_actions_; // copied for the watchdog under the heartbeat
    std::unique_ptr<std::thread> watchdog_;
};

} // namespace kalvintera::testing
