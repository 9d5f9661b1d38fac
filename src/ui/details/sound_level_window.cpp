#include "ui/details/sound_level_window.h"

#include "core/details/device_documents.h"
#include "core/errors.h"
#include "ui/common/error_text.h"
#include "ui/details/details_chart_view.h"
#include "ui/details/details_support.h"
#include "ui/program.h"
#include "ui/shell/document_opener.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

constexpr const char* kFanHeading = "POZIOM DŹWIĘKU EMITOWANY NA WYLOCIE Z WENTYLATORA";
constexpr const char* kDeviceHeading = "POZIOM MOCY AKUSTYCZNEJ URZĄDZENIA";
constexpr const char* kLegendTitle = "Legenda:";

} // namespace

SpectrumWindow::SpectrumWindow(Program& program, QWidget* parent)
    : ProgramDialog(program, Behaviour{.fades = false, .closes_on_esc = true}, parent)
{
    setWindowTitle("WIDMO AKUSTYCZNE");
    heading_ = new QLabel(QString::fromUtf8(kFanHeading));
    heading_->setObjectName("heading");
    heading_->setAlignment(Qt::AlignCenter);
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    view_ = new DetailsChartView(kSpectrumWidth, kSpectrumHeight);
    view_->setObjectName("spectrum");
    sheet_ = new QPushButton("PLIK PDF");
    sheet_->setObjectName("sheet");
    connect(sheet_, &QPushButton::clicked, this, &SpectrumWindow::openSheet);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(heading_);
    layout->addWidget(view_);
    layout->addWidget(sheet_, 0, Qt::AlignRight);

    texts_.add(1013, [this](const QString& text) { setWindowTitle(text); });
}

void SpectrumWindow::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

void SpectrumWindow::redraw()
{
    const QString legend = LanguageTextOr(program_, kSpectrumLegendLine, QString::fromUtf8(kLegendTitle));
    try {
        DrawSpectrum({program_.CurrentDevice, program_.devices, legend.toStdString(), program_.numbers}, drawing_);
    } catch (const KalvinteraError& error) {
        program_.prompter.showInfo(UserErrorText(error, program_.language), QString::fromStdString(program_.MessageTitle));
    }
    view_->setPicture(drawing_.picture);
    if (drawing_.heading_line) {
        const bool fan = *drawing_.heading_line == kFanSpectrumHeadingLine;
        heading_->setText(LanguageTextOr(program_, *drawing_.heading_line,
                                         QString::fromUtf8(fan ? kFanHeading : kDeviceHeading)));
    }
}

void SpectrumWindow::openSheet()
{
    const DeviceDocument sheet =
        DeviceDocumentFor(DeviceDocumentKind::AcousticSheet, program_.CurrentDevice, program_.settings.language);
    if (!OpenDataDocument(program_, sheet.path)) program_.showMessage(sheet.missing_line);
}

QString SpectrumWindow::heading() const { return heading_->text(); }

void SpectrumWindow::showEvent(QShowEvent* event)
{
    ProgramDialog::showEvent(event);
    redraw();
}

} // namespace kalvintera
