#include "ui/shell/main_window.h"

#include "core/errors.h"
#include "core/shell/company_addresses.h"
#include "core/shell/fade.h"
#include "core/shell/file_io.h"
#include "core/shell/settings.h"
#include "core/shell/shell_lines.h"
#include "core/shell/text_file.h"
#include "core/text/message_format.h"
#include "platform/jpeg_image.h"
#include "ui/common/error_text.h"
#include "ui/order/order_commands.h"
#include "ui/program.h"
#include "ui/selection/selection_window.h"
#include "ui/shell/about_window.h"
#include "ui/shell/awards_window.h"
#include "ui/shell/company_tab.h"
#include "ui/shell/contact_tab.h"
#include "ui/shell/document_opener.h"
#include "ui/shell/hardware_window.h"
#include "ui/shell/help_tab.h"
#include "ui/shell/main_menu.h"
#include "ui/shell/map_window.h"
#include "ui/shell/modules_tab.h"
#include "ui/shell/new_devices_tab.h"
#include "ui/shell/news_window.h"
#include "ui/shell/order_form_tab.h"
#include "ui/shell/products_tab.h"
#include "ui/shell/settings_tab.h"
#include "ui/shell/tools_tab.h"
#include "ui/shell/update_tab.h"
#include "ui/windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cstdio>
#include <filesystem>

namespace kalvintera {
namespace {

constexpr int kClientWidth = 822;
constexpr int kClientHeight = 433;
constexpr int kAnimationSteps = 100;
constexpr int kOpeningTop = 390; // the top edge the opening animation starts from
constexpr int kTopStep = 2;

} // namespace

MainWindow::MainWindow(Program& program, Windows& windows, QWidget* parent)
    : QMainWindow(parent), program_(program), windows_(windows)
{
    setWindowTitle("K A L V I N T E R A   Sp. z o.o.");
    setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    menu_ = new MainMenu(program_, menuBar());

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    heading_ = new QLabel("PROGRAM DOBORU URZĄDZEŃ WENTYLACYJNYCH KALVINTERA");
    heading_->setAlignment(Qt::AlignCenter);
    banner_ = new QLabel;
    banner_->setAlignment(Qt::AlignCenter);
    banner_->setFixedHeight(70);
    banner_->setCursor(Qt::PointingHandCursor);
    banner_->installEventFilter(this);
    tabs_ = new QTabWidget;
    // Ten tabs share the fixed width: slimmer tabs keep every one in view.
    tabs_->setStyleSheet("QTabBar::tab { padding: 3px 3px; margin-right: 0px; font-size: 8pt; border: 1px solid #a9b3bd;"
                         " border-bottom: none; border-top-left-radius: 3px; border-top-right-radius: 3px;"
                         " background: #e3e8ee; }"
                         "QTabBar::tab:selected { background: #ffffff; }"
                         "QTabBar::tab:hover { background: #f2f5f8; }");
    slogan_ = new QLabel("KALVINTERA - świeże powietrze dobrane z precyzją");
    slogan_->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading_);
    layout->addWidget(banner_);
    layout->addWidget(tabs_, 1);
    layout->addWidget(slogan_);
    setCentralWidget(central);
    buildTabs();
    connectMenu();

    texts_.add(145, [this](const QString& text) { heading_->setText(text); });
    texts_.add(34, [this](const QString& text) { slogan_->setText(text); });
    const int names[] = {26, 1023, 27, 28, 29, 30, 31, 32, 33, 939};
    for (int i = 0; i < tabs_->count(); ++i) {
        texts_.add(names[i], [this, i](const QString& text) { tabs_->setTabText(i, text); });
    }

    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    if (const QScreen* screen = QApplication::primaryScreen()) {
        move(screen->availableGeometry().center().x() - kClientWidth / 2, kOpeningTop - kAnimationSteps * kTopStep);
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::buildTabs()
{
    modules_ = new ModulesTab(program_);
    new_devices_ = new NewDevicesTab(program_);
    products_ = new ProductsTab(program_);
    order_form_ = new OrderFormTab(program_);
    tools_ = new ToolsTab(program_);
    settings_ = new SettingsTab(program_);
    company_ = new CompanyTab(program_);
    contact_ = new ContactTab(program_);
    help_ = new HelpTab(program_);
    update_ = new UpdateTab(program_);
    tabs_->addTab(modules_, "Dobór");
    tabs_->addTab(new_devices_, "Nowe urządzenia");
    tabs_->addTab(products_, "Produkty");
    tabs_->addTab(order_form_, "Formularz zamówieniowy");
    tabs_->addTab(tools_, "Narzędzia doboru");
    tabs_->addTab(settings_, "Ustawienia");
    tabs_->addTab(company_, "O firmie");
    tabs_->addTab(contact_, "Kontakt");
    tabs_->addTab(help_, "Pomoc");
    tabs_->addTab(update_, "Aktualizacja");

    connect(modules_, &ModulesTab::moduleChosen, this, &MainWindow::openSelection);
    connect(help_, &HelpTab::aboutRequested, this, [this] { runDialog([this] { windows_.about->showModal(); }); });
    connect(contact_, &ContactTab::mapRequested, this, [this] { runDialog([this] { windows_.map->showModal(); }); });
}

void MainWindow::connectMenu()
{
    connect(menu_, &MainMenu::closeProgram, this, &QWidget::close);
    connect(menu_, &MainMenu::showOrderTab, this, [this] { selectTab(MainTab::OrderForm); });
    connect(menu_, &MainMenu::showSettingsTab, this, [this] { selectTab(MainTab::Settings); });
    connect(menu_, &MainMenu::showContactTab, this, [this] { selectTab(MainTab::Contact); });
    connect(menu_, &MainMenu::openWebSite, this, [this] { openAddress(company::kWebSite); });
    connect(menu_, &MainMenu::installDwgViewer, this, [this] { openAddress(company::kDwgViewerPage); });
    connect(menu_, &MainMenu::installPdfReader, this, [this] { openAddress(company::kPdfReaderPage); });
    connect(menu_, &MainMenu::help, this, [this] { OpenHelpFile(program_); });
    connect(menu_, &MainMenu::about, this, [this] { runDialog([this] { windows_.about->showModal(); }); });
    connect(menu_, &MainMenu::hardware, this, [this] { runDialog([this] { windows_.hardware->showModal(); }); });
    connect(menu_, &MainMenu::awards, this, [this] { runDialog([this] { windows_.awards->showModal(); }); });
    connect(menu_, &MainMenu::history, this, [this] { runDialog([this] { windows_.news->showHistory(); }); });
    connect(menu_, &MainMenu::languageChosen, this, &MainWindow::switchLanguage);
}

void MainWindow::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
    menu_->applyLanguage(table);
    for (Translatable* tab : std::initializer_list<Translatable*>{modules_, new_devices_, products_, order_form_, tools_,
                                                                   settings_, company_, contact_, help_, update_}) {
        tab->applyLanguage(table);
    }
}

void MainWindow::openAddress(std::string_view address)
{
    program_.platform.desktop.openAddress(std::string(address));
}

void MainWindow::openSelection(int module)
{
    program_.SelectionModule = module;
    runDialog([this] { windows_.selection->openForModule(); });
}

void MainWindow::runDialog(const std::function<void()>& open)
{
    open();
    if (!closing_) activate();
}

void MainWindow::selectTab(MainTab tab) { tabs_->setCurrentIndex(static_cast<int>(tab)); }

MainTab MainWindow::currentTab() const { return static_cast<MainTab>(tabs_->currentIndex()); }

void MainWindow::showSettings()
{
    settings_->showSettings();
    order_form_->showCustomer();
}

void MainWindow::reportOnce(const std::exception& error)
{
    // The activation runs after every dialog: one message per fault and run is enough.
    const QString message = UserErrorText(error, program_.language);
    if (reported_.contains(message)) return;
    reported_.insert(message);
    // Before the first activation there is no title from the language file yet.
    const QString title = QString::fromStdString(program_.MessageTitle);
    program_.prompter.showInfo(message, title.isEmpty() ? QStringLiteral("KALVINTERA info") : title);
}

void MainWindow::useQtTexts()
{
    qt_texts_.use(program_.shownLanguage());
}

void MainWindow::loadCompanyDescription()
{
    company_->setDescription({});
    const auto files = FilesForLanguage(program_.settings.language);
    if (!files || !program_.fileExists(files->descriptionFile)) return;
    try {
        company_->setDescription(QString::fromStdString(ReadTextFile(program_.path(files->descriptionFile), files->codePage)));
    } catch (const KalvinteraError& error) {
        reportOnce(error);
    }
}

void MainWindow::loadProductTree()
{
    const auto files = FilesForLanguage(program_.settings.language);
    if (!files || !program_.fileExists(files->treeFile)) return;
    try {
        products_->loadTree(program_.path(files->treeFile));
    } catch (const KalvinteraError& error) {
        reportOnce(error);
    }
}

void MainWindow::applyCurrentLanguage()
{
    const auto files = FilesForLanguage(program_.settings.language);
    if (!files) return;
    if (program_.fileExists(files->languageFile)) {
        try {
            program_.language.load(program_.path(files->languageFile), files->codePage);
        } catch (const KalvinteraError& error) {
            reportOnce(error);
        }
    }
    // A table that never held a file would empty every caption and menu: the built-in
    // texts stay instead (the start has said that the file is missing).
    if (program_.language.holdsLanguageFile()) windows_.applyLanguage(program_.language);
    menu_->markLanguage(program_.language, program_.shownLanguage());
    useQtTexts();
    loadProductTree();
    loadCompanyDescription();
}

void MainWindow::switchLanguage(int language)
{
    const auto files = FilesForLanguage(language);
    if (!files || !program_.fileExists(files->languageFile)) {
        program_.showMessage(146);
        // The menu has already moved its check mark to the item chosen.
        menu_->markLanguage(program_.language, program_.shownLanguage());
        return;
    }
    try {
        program_.language.load(program_.path(files->languageFile), files->codePage);
    } catch (const KalvinteraError& error) {
        program_.prompter.showInfo(UserErrorText(error, program_.language), QString::fromStdString(program_.MessageTitle));
        menu_->markLanguage(program_.language, program_.shownLanguage());
        return;
    }
    // From here on every file read belongs to the new language and takes its code page.
    program_.settings.language = language;
    windows_.applyLanguage(program_.language);
    loadProductTree();
    menu_->markLanguage(program_.language, language);
    useQtTexts();
    loadCompanyDescription();
}

void MainWindow::loadPictures()
{
    const QImage banner = LoadJpeg(program_.path("grafika/logo_main.jpg"));
    if (!banner.isNull()) {
        banner_->setPixmap(QPixmap::fromImage(banner).scaled(kClientWidth - 8, banner_->height(), Qt::KeepAspectRatio,
                                                             Qt::SmoothTransformation));
    }
    const QImage map = LoadJpeg(program_.path("grafika/mapa.jpg"));
    if (!map.isNull()) windows_.map->setMapPicture(map);
}

void MainWindow::reloadDevices()
{
    LoadDeviceTable(program_.path("urzadzenia.dbx"), program_.devices, program_.numbers);
}

void MainWindow::showNewsOnce()
{
    if (!program_.fileExists("news.txt")) return;
    const std::filesystem::path news = program_.path("news.txt");
    QString text;
    try {
        // The installer leaves the news in the language the program speaks.
        text = QString::fromStdString(ReadTextFile(news, program_.shownCodePage()));
    } catch (const KalvinteraError& error) {
        reportOnce(error); // the file stays for whoever can mend it
        return;
    }
    std::error_code error;
    std::filesystem::remove(news, error);
    if (error) {
        // Shown again at every activation would be worse than not at all.
        std::fprintf(stderr, "kalvintera: cannot delete %s: %s\n", news.string().c_str(), error.message().c_str());
        program_.prompter.showInfo(
            QString::fromStdString(FormatMessage(program_.language.line(shell_line::kCannotDelete), {PathText(news)})),
            QString::fromStdString(program_.MessageTitle));
        return;
    }
    windows_.news->showNews(text);
    if (!closing_) activate();
}

bool MainWindow::activate()
{
    hide();
    program_.EffectSpeed = EffectSpeedFor(ClampFadePosition(program_.settings.fadeSpeed));
    program_.MessageTitle = program_.language.line(149);
    loadPictures();
    if (program_.languageChosen()) {
        applyCurrentLanguage();
    } else {
        useQtTexts();
    }
    // The first tab greets the user at start; after a dialog closes the user comes back
    // to the tab they left.
    if (!activated_before_) selectTab(MainTab::Selection);
    activated_before_ = true;
    animateOpening();
    if (!program_.fileExists("urzadzenia.dbx")) {
        program_.showMessage(147);
        close();
        return false;
    }
    try {
        reloadDevices();
    } catch (const KalvinteraError& error) {
        // A damaged database: the user learns why, and the rest of the sequence is skipped.
        program_.prompter.showInfo(UserErrorText(error, program_.language), QString::fromStdString(program_.MessageTitle));
        return true;
    }
    settings_->recomputeAir();
    if (update_->reminderDue()) {
        // The reminder checks on the update tab, so that tab comes to the front.
        selectTab(MainTab::Update);
        update_->remind();
    }
    showNewsOnce();
    return true;
}

void MainWindow::animateOpening()
{
    const int full_height = height();
    const int left = x();
    if (!animated_) {
        show();
        return;
    }
    setFixedHeight(1);
    move(left, kOpeningTop);
    show();
    for (int step = 1; step <= kAnimationSteps; ++step) {
        move(left, kOpeningTop - step * kTopStep);
        setFixedHeight(std::max(1, full_height * step / kAnimationSteps));
        QApplication::processEvents();
    }
    setFixedHeight(full_height);
}

void MainWindow::animateClosing()
{
    if (!animated_ || !isVisible()) return;
    const int full_height = height();
    const int left = x();
    const int top = y();
    for (int step = 1; step <= kAnimationSteps; ++step) {
        move(left, top + step * kTopStep);
        setFixedHeight(std::max(1, full_height * (kAnimationSteps - step) / kAnimationSteps));
        QApplication::processEvents();
    }
}

void MainWindow::writeSettings()
{
    QDir::setCurrent(QString::fromStdString(program_.data.root().string()));
    if (program_.keepSettingsFile) return;
    try {
        WriteSettings(program_.path(kSettingsFileName), program_.settings, program_.numbers, program_.dates);
    } catch (const KalvinteraError& error) {
        program_.prompter.showInfo(UserErrorText(error, program_.language), QString::fromStdString(program_.MessageTitle));
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Unsaved changes to the order are not thrown away without asking.
    if (windows_.orderCommands && !windows_.orderCommands->confirmLeaving()) {
        event->ignore();
        return;
    }
    closing_ = true;
    // A check or download still running must not outlive the window: its nested waiting
    // would keep the program alive after the last window has gone.
    update_->shutDown();
    writeSettings();
    animateClosing();
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == banner_ && event->type() == QEvent::MouseButtonRelease) {
        runDialog([this] { windows_.map->showModal(); });
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace kalvintera
