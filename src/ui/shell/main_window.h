#pragma once

#include "ui/common/language_texts.h"
#include "ui/common/qt_translations.h"

#include <QMainWindow>
#include <QSet>

#include <exception>
#include <functional>

class QLabel;
class QTabWidget;

namespace kalvintera {

struct Program;
struct Windows;
class MainMenu;
class ModulesTab;
class NewDevicesTab;
class ProductsTab;
class OrderFormTab;
class ToolsTab;
class SettingsTab;
class CompanyTab;
class ContactTab;
class HelpTab;
class UpdateTab;

// The tabs of the main window, in their order.
enum class MainTab { Selection, NewDevices, Products, OrderForm, Tools, Settings, Company, Contact, Help, Update };

// The hub of the program: every tool, calculator, document and setting is reached from
// its tabs and menus, and it stays open for the whole run.
class MainWindow final : public QMainWindow, public Translatable {
    Q_OBJECT
public:
    MainWindow(Program& program, Windows& windows, QWidget* parent = nullptr);
    ~MainWindow() override;

    void applyLanguage(const LanguageTable& table) override;

    // Runs whenever the main window becomes active again: at its first showing and after
    // every dialog opened from it has closed. Re-applies the language, reloads the device
    // table, recomputes the air, shows the news once. Only the first activation brings the
    // first tab to the front; later ones keep the tab the user was on. False when the
    // program must end (the device database is gone).
    bool activate();

    // Opens a modal dialog from here, then runs the activation sequence.
    void runDialog(const std::function<void()>& open);

    // The language menu: switches to LanguageId 1..4 when its file exists.
    void switchLanguage(int language);

    // Fills the tabs that show settings after the settings file has been read.
    void showSettings();
    // The company description of the current language into the "O firmie" tab.
    void loadCompanyDescription();
    // Qt's own dialogs and buttons in the language the windows show.
    void useQtTexts();
    // A data file of the language that cannot be read: said once per run, however often
    // the activation meets it again.
    void reportOnce(const std::exception& error);

    void selectTab(MainTab tab);
    MainTab currentTab() const;

    // The opening and closing animations; off in window tests.
    void setAnimated(bool animated) { animated_ = animated; }

    MainMenu& menu() { return *menu_; }
    ProductsTab& productsTab() { return *products_; }
    SettingsTab& settingsTab() { return *settings_; }
    ToolsTab& toolsTab() { return *tools_; }
    OrderFormTab& orderFormTab() { return *order_form_; }
    HelpTab& helpTab() { return *help_; }
    UpdateTab& updateTab() { return *update_; }
    CompanyTab& companyTab() { return *company_; }
    QTabWidget& tabs() { return *tabs_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTabs();
    void connectMenu();
    void applyCurrentLanguage();
    void loadProductTree();
    void loadPictures();
    void reloadDevices();
    void showNewsOnce();
    void openSelection(int module);
    void openAddress(std::string_view address);
    void animateOpening();
    void animateClosing();
    void writeSettings();

    Program& program_;
    Windows& windows_;
    MainMenu* menu_ = nullptr;
    QLabel* heading_ = nullptr;
    QLabel* banner_ = nullptr;
    QLabel* slogan_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    ModulesTab* modules_ = nullptr;
    NewDevicesTab* new_devices_ = nullptr;
    ProductsTab* products_ = nullptr;
    OrderFormTab* order_form_ = nullptr;
    ToolsTab* tools_ = nullptr;
    SettingsTab* settings_ = nullptr;
    CompanyTab* company_ = nullptr;
    ContactTab* contact_ = nullptr;
    HelpTab* help_ = nullptr;
    UpdateTab* update_ = nullptr;
    LanguageTexts texts_;
    QtTranslations qt_texts_;
    QSet<QString> reported_;
    bool animated_ = true;
    bool closing_ = false;
    bool activated_before_ = false; // the first activation is the start-up
};

} // namespace kalvintera
