#include "ui/shell/splash_window.h"

#include "core/shell/language_table.h"
#include "platform/jpeg_image.h"
#include "ui/common/language_texts.h"
#include "ui/program.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

constexpr int kSplashOpacity = 200;
constexpr int kProductPictures = 12;

QLabel* Caption(const QString& text, int point_size, bool bold)
{
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setPointSize(point_size);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

} // namespace

SplashWindow::SplashWindow(Program& program, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), program_(program)
{
    setWindowTitle("Uruchamianie programu KALVINTERA");
    setFixedSize(640, 400);
    setWindowOpacity(kSplashOpacity / 255.0);
    setStyleSheet("SplashWindow { background: #f4f7fa; border: 1px solid #2b5d8a; }");
    setAttribute(Qt::WA_StyledBackground);

    banner_ = new QLabel;
    banner_->setAlignment(Qt::AlignCenter);
    banner_->setFixedHeight(90);
    title_ = Caption("KALVINTERA - dobór urządzeń wentylacyjnych", 13, true);
    title_->setAlignment(Qt::AlignCenter);

    auto* pictures = new QGridLayout;
    for (int i = 0; i < kProductPictures; ++i) {
        auto* picture = new QLabel;
        picture->setFixedSize(90, 66);
        picture->setAlignment(Qt::AlignCenter);
        picture->setFrameShape(QFrame::StyledPanel);
        pictures->addWidget(picture, i / 6, i % 6);
        pictures_.append(picture);
    }

    version_caption_ = Caption("WERSJA PROGRAMU", 9, true);
    version_ = Caption("0", 9, false);
    database_caption_ = Caption("WERSJA BAZY DANYCH", 9, true);
    database_date_ = Caption("", 9, false);
    edition_ = Caption("EDYCJA LIPIEC 2007", 9, false);
    loading_caption_ = Caption("ŁADUJE", 9, true);
    progress_ = new QProgressBar;
    progress_->setRange(0, 100);
    progress_->setValue(0);

    auto* facts = new QGridLayout;
    facts->addWidget(version_caption_, 0, 0);
    facts->addWidget(version_, 0, 1);
    facts->addWidget(database_caption_, 1, 0);
    facts->addWidget(database_date_, 1, 1);
    facts->addWidget(edition_, 2, 0, 1, 2);
    facts->addWidget(loading_caption_, 3, 0);
    facts->addWidget(progress_, 3, 1);
    facts->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(banner_);
    layout->addWidget(title_);
    layout->addLayout(pictures);
    layout->addLayout(facts);
    loadPictures();

    if (const QScreen* screen = QApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void SplashWindow::loadPictures()
{
    const QImage banner = LoadJpeg(program_.path("grafika/splash_banner.jpg"));
    if (!banner.isNull()) banner_->setPixmap(QPixmap::fromImage(banner).scaled(620, 90, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    for (int i = 0; i < pictures_.size(); ++i) {
        const QImage image = LoadJpeg(program_.path(QString("grafika/splash%1.jpg").arg(i + 1, 2, 10, QChar('0')).toStdString()));
        if (!image.isNull()) {
            pictures_[i]->setPixmap(QPixmap::fromImage(image).scaled(88, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        }
    }
}

void SplashWindow::setVersionText(const QString& text) { version_->setText(text); }
void SplashWindow::setDatabaseDate(const QString& text) { database_date_->setText(text); }
QString SplashWindow::titleText() const { return title_->text(); }
int SplashWindow::progress() const { return progress_->value(); }

void SplashWindow::applySplashTexts(const LanguageTable& table)
{
    title_->setText(LanguageLine(table, 2));
    version_caption_->setText(LanguageLine(table, 3));
    database_caption_->setText(LanguageLine(table, 4));
    edition_->setText(LanguageLine(table, 5));
    loading_caption_->setText(LanguageLine(table, 6));
    setWindowTitle(LanguageLine(table, 7));
}

void SplashWindow::runProgress(int pause_ms)
{
    for (int step = 1; step <= 100; ++step) {
        progress_->setValue(step);
        QApplication::processEvents();
        if (pause_ms > 0) QThread::msleep(static_cast<unsigned long>(pause_ms));
    }
    hide();
}

} // namespace kalvintera
