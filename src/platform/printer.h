#pragma once

#include <memory>
#include <string>
#include <vector>

class QPrinter;

namespace kalvintera {

// The printers of the desktop, printing to a PDF file among them.
class Printer {
public:
    virtual ~Printer() = default;
    // The page setup dialog; what is chosen there holds for the next printing.
    virtual void showSetupDialog() = 0;
    // Asks which printer to use, then prints the lines in a fixed-width font so that
    // columns made of spaces line up. False when the user cancels or the printer (or the
    // PDF file) cannot be started.
    virtual bool printLines(const std::string& documentName, const std::vector<std::string>& lines) = 0;
};

// Qt Print Support: the system's print and page setup dialogs on one QPrinter kept for the
// whole run, so a choice made in one holds for the other.
class QtPrinter final : public Printer {
public:
    QtPrinter();
    ~QtPrinter() override;

    void showSetupDialog() override;
    bool printLines(const std::string& documentName, const std::vector<std::string>& lines) override;

private:
    QPrinter& printer();

    std::unique_ptr<QPrinter> printer_;
};

// Draws the lines on `printer` from the top of the first page, as many on each page as
// fit, in a fixed-width font made small enough for the longest line to fit the width.
// False when the printer cannot be started.
bool PrintTextLines(QPrinter& printer, const std::vector<std::string>& lines);

} // namespace kalvintera
