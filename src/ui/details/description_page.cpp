#include "ui/details/description_page.h"

#include "core/details/device_documents.h"
#include "core/shell/language_table.h"
#include "core/shell/text_file.h"
#include "ui/details/details_support.h"
#include "ui/program.h"
#include "ui/shell/picture_label.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace kalvintera {
DescriptionPage::DescriptionPage(Program& program, QWidget* parent) : QWidget(parent), program_(program)
{
    group_ = new QGroupBox("OPIS PRODUKTU");
    picture_ = new PictureLabel(QSize(300, 260));
    picture_->setObjectName("productPicture");
    model_ = new QLabel;
    model_->setObjectName("model");
    model_->setAlignment(Qt::AlignCenter);
    QFont bold = model_->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    model_->setFont(bold);
    heading_ = new QLabel("OPIS SKRÓCONY");
    heading_->setFont(bold);
    description_ = new QPlainTextEdit;
    description_->setObjectName("description");
    description_->setReadOnly(true);

    auto* left = new QVBoxLayout;
    left->addWidget(picture_);
    left->addWidget(model_);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(heading_);
    right->addWidget(description_);
    auto* inner = new QHBoxLayout(group_);
    inner->addLayout(left);
    inner->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group_);

    texts_.add(332, [this](const QString& text) { group_->setTitle(text); });
    texts_.add(333, [this](const QString& text) { heading_->setText(text); });
}

void DescriptionPage::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

void DescriptionPage::showDevice()
{
    const DeviceRecord& device = program_.CurrentDevice;
    ShowDataPicture(program_, *picture_, PicturePath(device.PictureFile));
    description_->clear();
    QStringList lines;
    for (const std::string& line : ReadDescriptionLines(device, program_.data, program_.settings.language)) {
        lines << QString::fromStdString(line);
    }
    if (!lines.isEmpty()) description_->setPlainText(lines.join('\n'));
    model_->setText(QString::fromStdString(device.Model));
}

QString DescriptionPage::modelText() const { return model_->text(); }

QString DescriptionPage::descriptionText() const { return description_->toPlainText(); }

bool DescriptionPage::pictureShown() const { return !picture_->isHidden(); }

} // namespace kalvintera
