#include "support/random_user.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QtTest>

#include <chrono>
#include <cstdio>
#include <mutex>

namespace kalvintera::testing {
namespace {

std::mutex recent_mutex;

template <typename T>
std::vector<T*> Usable(QWidget& window)
{
    std::vector<T*> found;
    for (T* widget : window.findChildren<T*>()) {
        if (widget->isVisible() && widget->isEnabled()) found.push_back(widget);
    }
    return found;
}

std::string Name(const QObject* object)
{
    std::string name = object->metaObject()->className();
    if (!object->objectName().isEmpty()) name += " \"" + object->objectName().toStdString() + "\"";
    if (const auto* button = qobject_cast<const QAbstractButton*>(object); button && !button->text().isEmpty()) {
        name += " [" + button->text().left(40).toStdString() + "]";
    }
    return name;
}

// Texts a user might type, from the expected to the hostile.
const char* const kTexts[] = {
    "1200", "150", "20", "20,5", "20.5", "0", "-5", "-0,1", "1e308", "1E-300", "abc", "", " ", "12abc",
    "999999999999999999999", "NaN", "inf", "0,0001", "90160", "2,5", "1.5.5", "ąęśżźćńółĄĘ", "Русский текст",
    "%1 %2 %n", "../../etc/passwd", "a\"b'c;d", "50", "1000", "3", "100", "0.5", "-1e308", "1,2,3", "+7",
};

// Key presses carrying each character, as a keyboard layout would send them: the test
// library's own typing knows only ASCII.
void TypeCharacters(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

} // namespace

RandomPrompter::RandomPrompter(std::mt19937& random, std::filesystem::path data_folder, bool trace)
    : random_(random), data_folder_(std::move(data_folder)), scratch_(data_folder_ / "losowe"), trace_(trace)
{
    std::filesystem::create_directories(scratch_);
}

// Phrases of the core's English error texts, which are for logs: a message that holds one
// reached the user untranslated.
bool LooksLikeACoreErrorText(const QString& text)
{
    static const char* const kPhrases[] = {"not a valid floating point value", "not a valid integer value",
                                           "Cannot read ", "Cannot write ", "Cannot open ", "is damaged: ",
                                           "No air exists at", "does not name a file of the data folder",
                                           "runs backwards", "must not be negative (it is", "check the air state"};
    for (const char* phrase : kPhrases) {
        if (text.contains(QLatin1String(phrase))) return true;
    }
    return false;
}

void RandomPrompter::seen(const QString& text)
{
    if (trace_) std::fprintf(stderr, "  message: %s\n", text.toStdString().c_str());
    ++messages_shown_;
    if (text.trimmed().isEmpty()) ++empty_messages_;
    if (LooksLikeACoreErrorText(text)) untranslated_.push_back(text.left(200).toStdString());
}

void RandomPrompter::showInfo(const QString& text, const QString&) { seen(text); }

bool RandomPrompter::askYesNo(const QString& text, const QString&)
{
    seen(text);
    return random_() % 2 == 0;
}

bool RandomPrompter::askOkCancel(const QString& text, const QString&)
{
    seen(text);
    return random_() % 2 == 0;
}

SaveChoice RandomPrompter::askSaveDiscardCancel(const QString& text, const QString&)
{
    seen(text);
    static const SaveChoice kChoices[] = {SaveChoice::Save, SaveChoice::Discard, SaveChoice::Cancel};
    return kChoices[random_() % 3];
}

QString RandomPrompter::chooseFileToOpen(const FileDialogRequest&)
{
    const unsigned pick = random_() % 10;
    if (pick < 2) return {};
    if (pick < 7 && !saved_.empty()) {
        return QString::fromStdString(saved_[random_() % saved_.size()].string());
    }
    // Any file of the data folder, of whatever kind: the wrong kind must be refused cleanly.
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(data_folder_)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
    }
    if (files.empty()) return {};
    return QString::fromStdString(files[random_() % files.size()].string());
}

QString RandomPrompter::chooseFileToSave(const FileDialogRequest& request)
{
    const unsigned pick = random_() % 10;
    if (pick == 0) return {};
    static const char* const kNames[] = {"plik", "zamówienie", "wykres p", "a b c", "Русский", "x"};
    std::string name = kNames[random_() % std::size(kNames)];
    if (!request.default_suffix.isEmpty() && pick > 2) name += "." + request.default_suffix.toStdString();
    if (pick == 1) {
        // A folder where the file should go: the save must fail without harm.
        const auto folder = scratch_ / "folder";
        std::filesystem::create_directories(folder);
        return QString::fromStdString(folder.string());
    }
    const auto file = scratch_ / name;
    saved_.push_back(file);
    return QString::fromStdString(file.string());
}

RandomUser::RandomUser(unsigned seed, long actions, std::filesystem::path data_folder, bool trace)
    : random_(seed), prompter_(random_, std::move(data_folder), trace), actions_(actions), trace_(trace)
{
    watchdog_ = std::make_unique<std::thread>([this] {
        long last = -1;
        auto since = std::chrono::steady_clock::now();
        while (!stop_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            const long beat = heartbeat_;
            const auto now = std::chrono::steady_clock::now();
            if (beat != last) {
                last = beat;
                since = now;
            } else if (now - since > std::chrono::seconds(60)) {
                std::lock_guard lock(recent_mutex);
                std::fprintf(stderr, "HANG: no action for 60 s; the last actions were:\n%s", last_actions_.c_str());
                std::fflush(stderr);
                std::abort();
            }
        }
    });
}

RandomUser::~RandomUser()
{
    stop_ = true;
    if (watchdog_) watchdog_->join();
}

void RandomUser::run(QWidget& main)
{
    main_ = &main;
    // Closing the main window ends the program; the user keeps it open until the end.
    main.installEventFilter(this);
    scheduleStep();
}

bool RandomUser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == main_ && event->type() == QEvent::Close && !finishing_) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void RandomUser::fault(const std::string& what)
{
    std::string context;
    {
        std::lock_guard lock(recent_mutex);
        for (const std::string& action : recent_) context += "\n    after: " + action;
    }
    faults_.push_back("action " + std::to_string(done_) + ": " + what + context);
    std::fprintf(stderr, "FAULT at action %ld: %s\n", done_, what.c_str());
}

void RandomUser::note(const std::string& action)
{
    if (trace_) std::fprintf(stderr, "%ld %s\n", done_, action.c_str());
    std::lock_guard lock(recent_mutex);
    recent_.push_back(std::to_string(done_) + " " + action);
    if (recent_.size() > 12) recent_.pop_front();
    last_actions_.clear();
    for (const std::string& line : recent_) last_actions_ += "  " + line + "\n";
}

// A posted call, not a timer: a timer does not fire again while its own handler runs, and
// an action that opens a modal dialog runs inside that handler until the dialog closes.
void RandomUser::scheduleStep() { QMetaObject::invokeMethod(this, &RandomUser::step, Qt::QueuedConnection); }

void RandomUser::step()
{
    ++heartbeat_;
    if (prompter_.emptyMessages() > empty_messages_reported_) {
        empty_messages_reported_ = prompter_.emptyMessages();
        fault("a message without text");
    }
    for (const std::string& text : prompter_.takeUntranslated()) fault("a core error text shown to the user: " + text);
    if (done_ >= actions_) {
        // The program may refuse to quit (an order with unsaved changes, and the answer to
        // "close without saving?" was no): the steps go on until it does.
        if (closeEverything()) QApplication::quit();
        scheduleStep();
        return;
    }
    // The next step is due before this one acts, so it also runs inside a dialog it opens.
    scheduleStep();
    ++done_;
    if (QWidget* popup = QApplication::activePopupWidget()) {
        usePopup(*popup);
        return;
    }
    QWidget* window = QApplication::activeModalWidget();
    if (!window) window = main_;
    act(*window);
}

// The dialogs that are open, innermost first, until only the main window is left.
bool RandomUser::closeEverything()
{
    finishing_ = true;
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        return false;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return true;
    note("closing " + Name(modal));
    if (++closing_attempts_ % 20 == 0) {
        // A window that keeps asking (and the answer was Cancel) is closed the hard way.
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        modal->hide();
    } else {
        modal->close();
    }
    return false;
}

void RandomUser::act(QWidget& window)
{
    const unsigned pick = random_() % 100;
    if (pick < 28) clickButton(window);
    else if (pick < 52) typeText(window);
    else if (pick < 60) chooseInComboBox(window);
    else if (pick < 67) switchTab(window);
    else if (pick < 79) pressKey(window);
    else if (pick < 86) triggerMenuAction(window);
    else if (pick < 94) useItemView(window);
    else useMouse(window);
}

void RandomUser::clickButton(QWidget& window)
{
    const auto buttons = Usable<QAbstractButton>(window);
    if (buttons.empty()) return;
    QAbstractButton* button = buttons[random_() % buttons.size()];
    note("click " + Name(button));
    button->click();
}

QString RandomUser::randomText()
{
    const unsigned pick = random_() % 20;
    if (pick == 0) return QString(int(random_() % 3000) + 1, QChar(u'9'));
    if (pick == 1) {
        QString noise;
        for (int i = 0; i < 12; ++i) noise += QChar(char16_t(0x20 + random_() % 0x2000));
        return noise;
    }
    return QString::fromUtf8(kTexts[random_() % std::size(kTexts)]);
}

void RandomUser::typeText(QWidget& window)
{
    std::vector<QWidget*> fields;
    for (QLineEdit* edit : Usable<QLineEdit>(window)) {
        if (!edit->isReadOnly()) fields.push_back(edit);
    }
    for (QPlainTextEdit* edit : Usable<QPlainTextEdit>(window)) {
        if (!edit->isReadOnly()) fields.push_back(edit);
    }
    if (fields.empty()) return;
    QWidget* field = fields[random_() % fields.size()];
    const QString text = randomText();
    note("type \"" + text.left(30).toStdString() + "\" into " + Name(field));
    field->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->selectAll();
        // Typed, not set: validators, text-edited signals and key handlers all see it.
        if (text.size() < 200) TypeCharacters(edit, text);
        else edit->setText(text);
        if (random_() % 3 == 0) {
            note("Enter in " + Name(field));
            QTest::keyClick(edit, Qt::Key_Return);
        }
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        plain->setPlainText(text);
    }
}

void RandomUser::chooseInComboBox(QWidget& window)
{
    const auto boxes = Usable<QComboBox>(window);
    if (boxes.empty()) return;
    QComboBox* box = boxes[random_() % boxes.size()];
    if (box->count() == 0) return;
    const int index = static_cast<int>(random_() % static_cast<unsigned>(box->count()));
    note("choose " + std::to_string(index) + " in " + Name(box));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void RandomUser::switchTab(QWidget& window)
{
    const auto bars = Usable<QTabBar>(window);
    if (bars.empty()) return;
    QTabBar* bar = bars[random_() % bars.size()];
    if (bar->count() == 0) return;
    const int index = static_cast<int>(random_() % static_cast<unsigned>(bar->count()));
    if (!bar->isTabEnabled(index)) return;
    note("tab " + std::to_string(index) + " of " + Name(bar));
    bar->setCurrentIndex(index);
}

void RandomUser::pressKey(QWidget& window)
{
    static const Qt::Key kKeys[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab,  Qt::Key_Up,     Qt::Key_Down,
                                    Qt::Key_Home,   Qt::Key_End,    Qt::Key_Space, Qt::Key_PageDown, Qt::Key_Delete};
    const Qt::Key key = kKeys[random_() % std::size(kKeys)];
    QWidget* target = QApplication::focusWidget();
    if (!target || !target->isVisible() || target->window() != window.window()) target = &window;
    // Esc on the main window would end nothing; Esc in a dialog closes it, as intended.
    note("key " + QKeySequence(key).toString().toStdString() + " on " + Name(target));
    QTest::keyClick(target, key);
}

void RandomUser::triggerMenuAction(QWidget& window)
{
    std::vector<QAction*> actions;
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        for (QAction* action : menu->actions()) {
            if (action->isEnabled() && !action->isSeparator() && !action->menu()) actions.push_back(action);
        }
    }
    for (QAction* action : window.actions()) {
        if (action->isEnabled()) actions.push_back(action);
    }
    if (actions.empty()) return;
    QAction* action = actions[random_() % actions.size()];
    note("menu " + Name(action) + " [" + action->text().toStdString() + "]");
    action->trigger();
}

void RandomUser::useItemView(QWidget& window)
{
    const auto views = Usable<QAbstractItemView>(window);
    if (views.empty()) return;
    QAbstractItemView* view = views[random_() % views.size()];
    QAbstractItemModel* model = view->model();
    if (!model || model->rowCount() == 0) return;
    const int row = static_cast<int>(random_() % static_cast<unsigned>(model->rowCount()));
    const QModelIndex index = model->index(row, 0);
    view->scrollTo(index);
    const QRect rect = view->visualRect(index);
    const QPoint point = rect.isValid() ? rect.center() : QPoint(5, 5);
    const unsigned how = random_() % 4;
    if (how == 0) {
        note("double click row " + std::to_string(row) + " of " + Name(view));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, point);
    } else if (how == 1 && view->contextMenuPolicy() == Qt::CustomContextMenu) {
        note("pop-up menu on row " + std::to_string(row) + " of " + Name(view));
        view->setCurrentIndex(index);
        emit view->customContextMenuRequested(point);
    } else {
        note("select row " + std::to_string(row) + " of " + Name(view));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, point);
    }
}

void RandomUser::useMouse(QWidget& window)
{
    const auto widgets = Usable<QWidget>(window);
    if (widgets.empty()) return;
    QWidget* widget = widgets[random_() % widgets.size()];
    if (widget->width() < 2 || widget->height() < 2) return;
    const QPoint point(static_cast<int>(random_() % static_cast<unsigned>(widget->width())),
                       static_cast<int>(random_() % static_cast<unsigned>(widget->height())));
    const unsigned how = random_() % 3;
    if (how == 0) {
        note("mouse move on " + Name(widget));
        QTest::mouseMove(widget, point);
    } else if (how == 1) {
        note("wheel on " + Name(widget));
        QWheelEvent wheel(QPointF(point), QPointF(widget->mapToGlobal(point)), QPoint(), QPoint(0, random_() % 2 ? 120 : -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &wheel);
    } else {
        note("mouse click on " + Name(widget));
        QTest::mouseClick(widget, Qt::LeftButton, {}, point);
    }
}

void RandomUser::usePopup(QWidget& popup)
{
    auto* menu = qobject_cast<QMenu*>(&popup);
    std::vector<QAction*> actions;
    if (menu) {
        for (QAction* action : menu->actions()) {
            if (action->isEnabled() && !action->isSeparator()) actions.push_back(action);
        }
    }
    if (actions.empty() || random_() % 4 == 0) {
        note("Esc on pop-up " + Name(&popup));
        popup.close();
        return;
    }
    QAction* action = actions[random_() % actions.size()];
    note("pop-up item [" + action->text().toStdString() + "]");
    menu->close();
    action->trigger();
}

} // namespace kalvintera::testing
