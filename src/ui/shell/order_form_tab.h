#pragma once

#include "ui/common/language_texts.h"

#include <QWidget>

#include <string>

class QGridLayout;
class QLineEdit;
class QPushButton;

namespace kalvintera {

struct Program;

// The "Formularz zamówieniowy" tab: the customer's particulars, kept in the settings, the
// send button, the button of the order's data sheets, and the place where the order list is shown.
class OrderFormTab : public QWidget, public Translatable {
    Q_OBJECT
public:
    explicit OrderFormTab(Program& program, QWidget* parent = nullptr);

    // Fills the customer fields from the settings, after the settings file has been read.
    void showCustomer();

    // The area the order list occupies.
    QWidget* orderListArea() const { return order_list_area_; }

    void applyLanguage(const LanguageTable& table) override;

signals:
    void sendRequested();
    // "Karty doboru PDF": the data sheets of the order.
    void datasheetsRequested();

private:
    QLineEdit* addCustomerField(int row, int caption_line, int hint_line, const QString& caption, const QString& hint,
                                std::string& setting);

    Program& program_;
    LanguageTexts texts_;
    QGridLayout* customer_grid_ = nullptr;
    QWidget* order_list_area_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* street_ = nullptr;
    QLineEdit* city_ = nullptr;
    QLineEdit* tel_ = nullptr;
    QPushButton* send_ = nullptr;
    QPushButton* datasheets_ = nullptr;
};

} // namespace kalvintera
