#include "ui/shell/update_tab.h"

#include "core/shell/company_addresses.h"
#include "core/shell/file_io.h"
#include "core/shell/shell_lines.h"
#include "core/text/message_format.h"
#include "core/text/number_format.h"
#include "platform/http_download.h"
#include "ui/common/error_text.h"
#include "ui/program.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <map>

namespace kalvintera {
namespace {

const QString kInfoTitle = QStringLiteral("KALVINTERA info");

// A version file is a few short lines; anything much longer is not one.
constexpr std::size_t kVersionFileMaxBytes = 64 * 1024;

// The built-in Polish texts of the lines this tab shows or says.
const std::map<int, QString>& BuiltInTexts()
{
    static const std::map<int, QString> texts = {
        {927, QStringLiteral("Praca offline")},
        {934, QStringLiteral("Brak połączenia z Internetem.")},
        {935, QStringLiteral("Połączono z Internetem")},
        {936, QStringLiteral("Dostępna jest nowa wersja programu. Możesz ją pobrać w kroku 2.")},
        {937, QStringLiteral("Masz najnowszą wersję programu.")},
        {938, QStringLiteral("Pobieranie aktualizacji...")},
        {944, QStringLiteral("Pobrano:")},
        {945, QStringLiteral("Pobieranie zakończone.")},
        {946, QStringLiteral("Pobieranie anulowane.")},
        {947, QStringLiteral("Program zostanie teraz zamknięty i rozpocznie się instalacja aktualizacji.")},
        {956, QStringLiteral("Ostatnie sprawdzenie aktualizacji odbyło się ")},
        {957, QStringLiteral(". Program sprawdzi teraz, czy jest dostępna nowa wersja.")},
    };
    return texts;
}

// The step's number in a blue disc.
QLabel* StepIcon(int step, const char* name)
{
    QPixmap picture(34, 34);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x5f, 0xa8));
    painter.drawEllipse(1, 1, 32, 32);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(18);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(picture.rect(), Qt::AlignCenter, QString::number(step));
    painter.end();
    auto* icon = new QLabel;
    icon->setObjectName(QString::fromLatin1(name));
    icon->setPixmap(picture);
    icon->setFixedSize(34, 34);
    return icon;
}

QPushButton* Button(const QString& caption, const char* name)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QLabel* Value(const QString& text, const char* name)
{
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

UpdateTab::UpdateTab(Program& program, QWidget* parent)
    : QWidget(parent), program_(program), server_(company::kUpdateServer)
{
    group_ = new QGroupBox("Moduł aktualizacyjny");
    auto* steps = new QHBoxLayout(group_);
    steps->addWidget(buildCheckStep(), 4);
    steps->addWidget(buildDownloadStep(), 4);
    steps->addWidget(buildInstallStep(), 3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group_);
    texts_.add(921, [this](const QString& text) { group_->setTitle(text); });

    connect(check_button_, &QPushButton::clicked, this, &UpdateTab::checkForUpdate);
    connect(download_button_, &QPushButton::clicked, this, &UpdateTab::downloadUpdate);
    connect(cancel_button_, &QPushButton::clicked, this, &UpdateTab::cancelDownload);
    connect(install_button_, &QPushButton::clicked, this, &UpdateTab::installUpdate);
}

QWidget* UpdateTab::buildCheckStep()
{
    check_group_ = new QGroupBox("KROK 1 - Sprawdzanie aktualizacji");
    check_group_->setObjectName(QStringLiteral("checkStep"));
    check_icon_ = StepIcon(1, "checkIcon");
    check_button_ = Button(QStringLiteral("Sprawdz aktualizacje"), "check");
    status_ = Value(text(927), "status");
    status_->setWordWrap(true);
    your_version_ = Value(QStringLiteral("xxx"), "yourVersion");
    newer_version_ = Value(QStringLiteral("xxx"), "newerVersion");
    auto* status_caption = new QLabel(QStringLiteral("Status połączenia:"));
    auto* your_caption = new QLabel(QStringLiteral("Twoja wersja programu:"));
    auto* newer_caption = new QLabel(QStringLiteral("Wykryta wyższa wersja:"));

    auto* top = new QHBoxLayout;
    top->addWidget(check_icon_);
    top->addWidget(check_button_, 1);
    auto* grid = new QGridLayout;
    grid->addWidget(status_caption, 0, 0);
    grid->addWidget(status_, 0, 1);
    grid->addWidget(your_caption, 1, 0);
    grid->addWidget(your_version_, 1, 1);
    grid->addWidget(newer_caption, 2, 0);
    grid->addWidget(newer_version_, 2, 1);
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(check_group_);
    layout->addLayout(top);
    layout->addLayout(grid);
    layout->addStretch(1);

    texts_.add(922, [this](const QString& text) { check_group_->setTitle(text); });
    texts_.add(923, [this](const QString& text) { check_button_->setText(text); });
    texts_.add(924, [status_caption](const QString& text) { status_caption->setText(text); });
    texts_.add(925, [your_caption](const QString& text) { your_caption->setText(text); });
    texts_.add(926, [newer_caption](const QString& text) { newer_caption->setText(text); });
    return check_group_;
}

QWidget* UpdateTab::buildDownloadStep()
{
    download_group_ = new QGroupBox("KROK 2 - Pobieranie aktualizacji");
    download_group_->setObjectName(QStringLiteral("downloadStep"));
    download_icon_ = StepIcon(2, "downloadIcon");
    download_button_ = Button(QStringLiteral("Pobieranie uaktualnień programu"), "download");
    download_button_->setToolTip(QStringLiteral("Pobiera instalator nowej wersji programu"));
    cancel_button_ = Button(QStringLiteral("Anuluj pobieranie"), "cancel");
    amount_caption_ = Value(text(944), "amountCaption");
    amount_ = Value({}, "amount");
    total_ = Value({}, "total");
    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setEnabled(false);

    auto* top = new QHBoxLayout;
    top->addWidget(download_icon_);
    top->addWidget(download_button_, 1);
    auto* amounts = new QHBoxLayout;
    amounts->addWidget(amount_caption_);
    amounts->addWidget(amount_);
    amounts->addWidget(total_);
    amounts->addStretch(1);
    auto* layout = new QVBoxLayout(download_group_);
    layout->addLayout(top);
    layout->addWidget(cancel_button_);
    layout->addLayout(amounts);
    layout->addWidget(progress_);
    layout->addStretch(1);

    // Locked until a check finds a newer version.
    download_group_->setEnabled(false);
    download_button_->setEnabled(false);
    cancel_button_->setEnabled(false);
    for (QWidget* hidden : {static_cast<QWidget*>(download_icon_), static_cast<QWidget*>(amount_caption_),
                            static_cast<QWidget*>(amount_), static_cast<QWidget*>(total_)}) {
        hidden->hide();
    }

    texts_.add(928, [this](const QString& text) { download_group_->setTitle(text); });
    texts_.add(930, [this](const QString& text) { download_button_->setText(text); });
    texts_.add(932, [this](const QString& text) { download_button_->setToolTip(text); });
    texts_.add(948, [this](const QString& text) { cancel_button_->setText(text); });
    return download_group_;
}

QWidget* UpdateTab::buildInstallStep()
{
    install_group_ = new QGroupBox("KROK 3 - Instalowanie aktualizacji");
    install_group_->setObjectName(QStringLiteral("installStep"));
    install_icon_ = StepIcon(3, "installIcon");
    install_button_ = Button(QStringLiteral("Instaluj aktualizacje"), "install");
    auto* top = new QHBoxLayout;
    top->addWidget(install_icon_);
    top->addWidget(install_button_, 1);
    auto* layout = new QVBoxLayout(install_group_);
    layout->addLayout(top);
    layout->addStretch(1);

    // Locked until the installer has been downloaded.
    install_group_->setEnabled(false);
    install_button_->setEnabled(false);
    install_icon_->hide();

    texts_.add(940, [this](const QString& text) { install_group_->setTitle(text); });
    texts_.add(941, [this](const QString& text) { install_button_->setText(text); });
    return install_group_;
}

void UpdateTab::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
    // The status and the amount caption follow what they say at the moment.
    setStatus(status_line_);
    if (!amount_caption_->text().isEmpty()) setAmountCaption(amount_line_);
}

QString UpdateTab::text(int line) const
{
    const QString language = program_.line(line);
    if (program_.languageChosen() && !language.isEmpty()) return language;
    const auto built_in = BuiltInTexts().find(line);
    return built_in != BuiltInTexts().end() ? built_in->second : language;
}

void UpdateTab::setStatus(int line)
{
    status_line_ = line;
    status_->setText(text(line));
}

void UpdateTab::setAmountCaption(int line)
{
    amount_line_ = line;
    amount_caption_->setText(text(line));
}

void UpdateTab::showVersion()
{
    your_version_->setText(QString::fromStdString(FormatShortest(program_.settings.version, program_.numbers)));
}

void UpdateTab::report(const QString& message) const
{
    // A transfer that the shutdown broke off is no news to the user who closed the program.
    if (shutting_down_) return;
    program_.prompter.showInfo(message, QString::fromStdString(program_.MessageTitle));
}

void UpdateTab::report(const std::exception& error) const
{
    if (!shutting_down_) report(UserErrorText(error, program_.language));
}

void UpdateTab::shutDown()
{
    shutting_down_ = true;
    cancel_requested_ = true;
    program_.platform.http.shutDown();
}

bool UpdateTab::reminderDue() const
{
    return !reminded_ && UpdateReminderDue(program_.settings.checkForUpdates == 1, program_.settings.lastUpdate,
                                           program_.updateIntervalDays, program_.StartDate);
}

void UpdateTab::remind()
{
    reminded_ = true;
    const QString date = QString::fromStdString(FormatShortDate(program_.settings.lastUpdate, program_.dates));
    program_.prompter.showInfo(text(956) + date + text(957), kInfoTitle);
    checkForUpdate();
}

bool UpdateTab::fetchVersionFile(VersionFile& file)
{
    try {
        const auto transfer = program_.platform.http.open(server_ + std::string(kVersionFilePath));
        file = ParseVersionFile(ReadSmallBody(*transfer, kVersionFileMaxBytes));
        return true;
    } catch (const KalvinteraError& error) {
        setStatus(927);
        report(error);
        return false;
    }
}

void UpdateTab::checkForUpdate()
{
    if (downloading_ || shutting_down_) return;
    program_.MessageTitle = program_.language.line(149);
    if (!program_.platform.connectivity.isOnline()) {
        setStatus(934);
        return;
    }
    setStatus(935);
    showVersion();

    VersionFile file;
    if (!fetchVersionFile(file)) return;
    newer_version_->setText(QString::fromStdString(file.newestVersion()));
    if (file.newestVersion().empty()) {
        setStatus(934);
        return;
    }
    bool newer = false;
    try {
        newer = IsNewerVersion(file.newestVersion(), program_.settings.version, program_.numbers);
    } catch (const ConversionError& error) {
        setStatus(927);
        report(error);
        return;
    }
    if (!newer) {
        program_.prompter.showInfo(text(937), kInfoTitle);
        setStatus(927);
    } else {
        version_file_ = file;
        download_group_->setEnabled(true);
        download_button_->setEnabled(true);
        cancel_button_->setEnabled(true);
        check_icon_->hide();
        download_icon_->show();
        check_button_->setEnabled(false);
        program_.prompter.showInfo(text(936), kInfoTitle);
    }
    program_.settings.lastUpdate = program_.StartDate;
}

void UpdateTab::downloadUpdate()
{
    if (downloading_ || shutting_down_) return;
    std::filesystem::path file;
    try {
        file = program_.platform.http.downloadFolder() / InstallerFileName(version_file_.installerAddress());
    } catch (const KalvinteraError& error) {
        report(error);
        return;
    }
    // A cancel pressed before this download started must not stop it.
    cancel_requested_ = false;
    progress_->setEnabled(true);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    setAmountCaption(944);
    amount_->clear();
    total_->clear();
    for (QWidget* label : {amount_caption_, amount_, total_}) label->show();
    download_button_->setEnabled(false);

    downloading_ = true;
    bool file_started = false;
    try {
        const auto transfer = program_.platform.http.open(version_file_.installerAddress());
        const std::optional<long long> total = transfer->contentLength();
        // Without an announced size the bar shows that something moves, not how far.
        const int maximum = total ? static_cast<int>(std::min<long long>(WholeKilobytes(*total), INT_MAX)) : 0;
        progress_->setRange(0, maximum);
        total_->setText(QString::fromStdString(DownloadTotalText(total)));
        setStatus(938);
        file_started = true;
        const DownloadEnd end = DownloadToFile(*transfer, file, [this, maximum](long long bytes) {
            QCoreApplication::processEvents();
            amount_->setText(QString::fromStdString(DownloadedAmountText(bytes)));
            if (maximum > 0) progress_->setValue(static_cast<int>(std::min<long long>(WholeKilobytes(bytes), maximum)));
            return !cancel_requested_;
        });
        downloading_ = false;
        if (end == DownloadEnd::Cancelled) {
            cancel_requested_ = false;
            endDownload(946);
            return;
        }
    } catch (const KalvinteraError& error) {
        downloading_ = false;
        endDownload(946);
        download_button_->setEnabled(download_group_->isEnabled());
        if (shutting_down_) return;
        QString message = UserErrorText(error, program_.language);
        if (file_started) {
            message += "\n" + QString::fromStdString(FormatMessage(program_.language.line(shell_line::kPartialFileRemoved),
                                                                   {PathText(file)}));
        }
        report(message);
        return;
    }
    endDownload(945);
    download_icon_->hide();
    install_icon_->show();
    install_group_->setEnabled(true);
    install_button_->setEnabled(true);
}

void UpdateTab::endDownload(int amount_line)
{
    setAmountCaption(amount_line);
    setStatus(927);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    amount_->clear();
    total_->clear();
}

void UpdateTab::cancelDownload()
{
    cancel_requested_ = true;
    download_group_->setEnabled(false);
    download_button_->setEnabled(false);
    cancel_button_->setEnabled(false);
    check_icon_->show();
    download_icon_->hide();
    check_button_->setEnabled(true);
}

void UpdateTab::installUpdate()
{
    if (shutting_down_) return;
    if (!program_.platform.connectivity.isOnline()) {
        setStatus(934);
        return;
    }
    setStatus(935);
    showVersion();
    const std::filesystem::path folder = program_.platform.http.downloadFolder();
    try {
        const auto transfer = program_.platform.http.open(server_ + std::string(kNewsFilePath));
        DownloadToFile(*transfer, folder / kNewsFileName, {});
    } catch (const KalvinteraError&) {
        // The news is a courtesy: an update without it installs all the same.
    }
    program_.prompter.showInfo(text(947), QString::fromStdString(program_.MessageTitle));
    const std::filesystem::path installer = folder / InstallerFileName(version_file_.installerAddress());
    if (!program_.platform.desktop.openDocument(installer)) {
        setStatus(927);
        report(QString::fromStdString(
            FormatMessage(program_.language.line(shell_line::kInstallerNotStarted), {PathText(installer)})));
        return;
    }
    emit closeProgramRequested();
}

} // namespace kalvintera
