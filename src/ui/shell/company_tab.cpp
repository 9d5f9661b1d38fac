#include "ui/shell/company_tab.h"

#include "platform/jpeg_image.h"
#include "ui/program.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTimer>

#include <string>

namespace kalvintera {
namespace {

constexpr int kPictureWidth = 260;
constexpr int kPictureHeight = 195;

} // namespace

CompanyTab::CompanyTab(Program& program, QWidget* parent) : QWidget(parent), program_(program)
{
    auto* group = new QGroupBox(QStringLiteral("O firmie"), this);
    texts_.add(84, [group](const QString& text) { group->setTitle(text); });

    picture_ = new QLabel;
    picture_->setObjectName(QStringLiteral("companyPicture"));
    picture_->setFixedSize(kPictureWidth, kPictureHeight);
    picture_->setAlignment(Qt::AlignCenter);

    description_ = new QPlainTextEdit;
    description_->setObjectName(QStringLiteral("companyDescription"));
    description_->setReadOnly(true);
    description_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    description_->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto* inner = new QHBoxLayout(group);
    inner->addWidget(picture_, 0, Qt::AlignTop);
    inner->addWidget(description_, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(group);

    // The cycle runs from start to end, also while the tab is hidden.
    timer_ = new QTimer(this);
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &CompanyTab::advanceSlideShow);
    timer_->start();
}

void CompanyTab::setDescription(const QString& text)
{
    description_->setPlainText(text);
}

void CompanyTab::advanceSlideShow()
{
    ++slide_;
    const std::string name = "grafika/0" + std::to_string(slide_) + ".jpg";
    if (program_.fileExists(name)) {
        const QImage image = LoadJpeg(program_.path(name));
        if (!image.isNull()) {
            picture_->setPixmap(QPixmap::fromImage(
                image.scaled(picture_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        }
    }
    if (slide_ >= kSlideCount) slide_ = 0;
}

void CompanyTab::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

} // namespace kalvintera
