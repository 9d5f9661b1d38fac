// Data sheets as PDF files: text that reads back, embedded fonts, vector charts; written from
// the details window, the chart windows and the order form.

#include "core/catalogue/device_table.h"
#include "core/documents/fan_datasheet.h"
#include "documents/document_pdf_writer.h"
#include "platform/jpeg_image.h"
#include "support/test_program.h"
#include "ui/details/details_window.h"
#include "ui/documents/datasheet_export.h"
#include "ui/order/order_commands.h"
#include "ui/program.h"

#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace kalvintera;
using namespace kalvintera::testing;

namespace {

struct Fixture : TestProgram {
    Fixture(int language = language_id::kPolish)
    {
        LoadDeviceTable(program.path("urzadzenia.dbx"), program.devices, program.numbers);
        const auto files = FilesForLanguage(language);
        program.settings.language = language;
        program.language.load(program.path(std::string(files->languageFile)), files->codePage);
        program.MessageTitle = program.language.line(149);
    }

    DeviceIndex index(const char* model) const { return *FindDeviceByModel(program.devices, model); }

    QString pdf(const DatasheetRequest& request, const QString& name) const
    {
        const QString file = scratch.filePath(name);
        WriteDocumentPdf(MakeDatasheet(WindowDatasheetContext(program), request), program.data, file.toStdString());
        return file;
    }

    QTemporaryDir scratch;
};

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) qFatal("%s failed", qPrintable(program));
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class DatasheetPdfTest : public QObject {
    Q_OBJECT
private slots:
    void textReadsBackWithTheOperatingPoint();
    void russianSheetHasCyrillicTextInEmbeddedFonts();
    void chartsAreVectorNotPictures();
    void detailsButtonWritesTheSheetAndOffersToOpenIt();
    void failedWriteLeavesNothingAndSaysWhy();
    void orderFormWritesEveryProductOffTheGuiThread();
};

void DatasheetPdfTest::textReadsBackWithTheOperatingPoint()
{
    Fixture f;
    const QString file = f.pdf({f.index("KDH-355"), DutyPoint{1200.0 / 3600, 150}, Regulation::None}, "kdh.pdf");
    const QString text = Run("pdftotext", {file, "-"});
    QVERIFY(text.contains("KDH-355"));
    QVERIFY(text.contains("1337.4 [m3/h]"));
    QVERIFY(text.contains("186.1 [Pa]"));
    QVERIFY(text.contains(QString::fromUtf8("Punkt pracy żądany")));
    QVERIFY(text.contains("Strona 1 /"));
}

void DatasheetPdfTest::russianSheetHasCyrillicTextInEmbeddedFonts()
{
    Fixture f(language_id::kRussian);
    const QString file = f.pdf({f.index("KDH-355"), DutyPoint{1200.0 / 3600, 150}, Regulation::None}, "ru.pdf");
    QVERIFY(Run("pdftotext", {file, "-"}).contains(QString::fromUtf8("Технический лист")));
    const QStringList fonts = Run("pdffonts", {file}).split('\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fonts.isEmpty());
    for (const QString& font : fonts) QVERIFY2(font.contains(QRegularExpression(" yes +(yes|no) +yes ")), qPrintable(font));
}

void DatasheetPdfTest::chartsAreVectorNotPictures()
{
    Fixture f;
    const DeviceIndex kdh = f.index("KDH-355");
    const QString file = f.pdf({kdh, DutyPoint{1200.0 / 3600, 150}, Regulation::Throttling}, "vector.pdf");
    // The pictures in the file: the logo, the product picture and the dimension drawing, none
    // larger than the largest of those; the four charts are not among them.
    const QImage product = LoadJpeg(f.program.path("grafika/" + f.program.devices.at(kdh).PictureFile));
    const QImage drawing = LoadJpeg(f.program.path("grafika/" + f.program.devices.at(kdh).DrawingFile));
    const QImage logo = LoadJpeg(f.program.path("grafika/logo_main.jpg"));
    const qint64 largest = std::max({qint64(product.width()) * product.height(), qint64(drawing.width()) * drawing.height(),
                                     qint64(logo.width()) * logo.height()});
    const QStringList images = Run("pdfimages", {"-list", file}).split('\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(images.size() <= 3 * 4); // at most those three on each of the four pages
    for (const QString& line : images) {
        const QStringList fields = line.simplified().split(' ');
        QVERIFY(fields.size() > 4);
        QVERIFY2(fields[3].toLongLong() * fields[4].toLongLong() <= largest, qPrintable(line));
    }
}

void DatasheetPdfTest::detailsButtonWritesTheSheetAndOffersToOpenIt()
{
    Fixture f;
    f.program.CurrentDevice = f.program.devices.at(f.index("KDH-355"));
    DetailsWindow details(f.program);
    const QString file = f.scratch.filePath("chosen.pdf");
    f.prompter.file_names.push_back(file);
    f.prompter.answers.push_back(true);
    Child<QPushButton>(details, "datasheet")->click();
    QCOMPARE(f.prompter.file_requests.size(), 1u);
    QVERIFY(f.prompter.file_requests[0].file_name.endsWith("KDH-355.pdf")); // no duty point: the model alone
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.read(5), QByteArray("%PDF-"));
    QCOMPARE(f.platform.desktop.opened_documents.size(), 1u);
    QCOMPARE(QString::fromStdString(f.platform.desktop.opened_documents[0].string()), file);

    // Cancelled in the save dialog: nothing written, nothing asked.
    f.prompter.file_names.push_back(QString());
    const std::size_t messages = f.prompter.messages.size();
    Child<QPushButton>(details, "datasheet")->click();
    QCOMPARE(f.prompter.messages.size(), messages);
}

void DatasheetPdfTest::failedWriteLeavesNothingAndSaysWhy()
{
    Fixture f;
    f.program.CurrentDevice = f.program.devices.at(f.index("KDH-355"));
    DatasheetExport exports(f.program);
    const QString file = f.scratch.filePath("no/such/folder/x.pdf");
    f.prompter.file_names.push_back(file);
    exports.saveCurrentDevice(nullptr, Regulation::None);
    QVERIFY(!QFile::exists(file));
    QVERIFY(f.prompter.lastText().contains(QString::fromUtf8("Nie można zapisać pliku")));
    QVERIFY(f.platform.desktop.opened_documents.empty());
}

void DatasheetPdfTest::orderFormWritesEveryProductOffTheGuiThread()
{
    Fixture f;
    for (const char* model : {"KDH-355", "KDN-450", "BDS-355"}) {
        OrderLine line;
        line.DeviceIndex = f.index(model);
        line.Quantity = "1";
        line.DutyFlow = 1200;
        line.DutyPressure = 150;
        (void)f.program.order.append(line);
    }
    DatasheetExport exports(f.program);
    QSignalSpy written(&exports, &DatasheetExport::written);
    const QString file = f.scratch.filePath("order.pdf");
    f.prompter.file_names.push_back(file);
    f.prompter.answers.push_back(false);
    exports.saveOrderSheets(nullptr);
    QVERIFY(exports.busy());
    QVERIFY2(written.wait(60000), qPrintable(f.prompter.lastText()));
    QVERIFY(!exports.busy());
    const QString text = Run("pdftotext", {file, "-"});
    for (const char* model : {"KDH-355", "KDN-450", "BDS-355"}) QVERIFY2(text.contains(model), model);
    QVERIFY(text.contains(QString::fromUtf8("Zestawienie zamówienia")));
    QVERIFY(f.platform.desktop.opened_documents.empty()); // the user said no

    // An empty order is told, not written.
    f.program.order = OrderList{};
    exports.saveOrderSheets(nullptr);
    QVERIFY(!exports.busy());
    QVERIFY(f.prompter.lastText().contains(QString::fromUtf8("nie zawiera produktów")));
}

QTEST_MAIN(DatasheetPdfTest)
#include "documents_datasheet_pdf_test.moc"
