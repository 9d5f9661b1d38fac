#include "ui/shell/awards_window.h"

#include "platform/jpeg_image.h"
#include "ui/program.h"
#include "ui/shell/picture_label.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <array>
#include <string>
#include <string_view>

namespace kalvintera {
namespace {

constexpr int kCaptionLine = 841;
constexpr int kFirstAwardLine = 842;
constexpr int kColumns = 4;
constexpr int kCellWidth = 190;

// Number of caption lines under each award picture, in picture order.
constexpr std::array<int, AwardsWindow::kAwards> kLinesPerAward = {3, 3, 3, 3, 3, 3, 2, 2};

// The Polish captions, one entry per caption line (language lines 842..863).
constexpr std::array<std::string_view, 22> kCaptions = {
    "Złoty Medal - wentylator dachowy RKB",
    "Sąd Konkursowy Targów",
    "INSTAL-EXPO Wrocław 2002",
    "Medal Targów - wywietrzak zespolony",
    "Stowarzyszenie Projektantów Wentylacji",
    "TERMOWENT Warszawa 2003",
    "Nagroda za Innowację - wentylator RKB-Ex",
    "Rada Programowa Targów",
    "VENTIKLIMA Łódź 2004",
    "Wyróżnienie - wywietrzak cylindryczny",
    "Kapituła Konkursu Produkt Roku",
    "Śląskie Targi Budowlane Katowice 2004",
    "Złoty Medal - wentylator promieniowy PNA",
    "Sąd Konkursowy Targów",
    "TERMOWENT Warszawa 2005",
    "Puchar Prezesa Targów - wentylator RKE",
    "Zarząd Targów VENTIKLIMA",
    "VENTIKLIMA Łódź 2006",
    "Laur Instalatora 2007 - rekuperator AUREL",
    "Redakcja miesięcznika Rynek Instalacji Wentylacyjnych, Bałtyckie Targi Techniki Budowlanej Gdańsk",
    "Złoty Medal - wentylator kanałowy KNL",
    "Sąd Konkursowy Targów INSTAL-EXPO Wrocław 2008",
};

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

AwardsWindow::AwardsWindow(Program& program, QWidget* parent) : ProgramDialog(program, Behaviour{}, parent)
{
    setWindowTitle("NAGRODY");
    texts_.add(kCaptionLine, [this](const QString& text) { setWindowTitle(text); });

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(16);
    std::size_t caption = 0;
    for (int award = 0; award < kAwards; ++award) {
        auto* cell = new QVBoxLayout;
        cell->setSpacing(2);
        auto* picture = new PictureLabel(QSize(kCellWidth, 140));
        picture->setObjectName(QString("award%1").arg(award + 1));
        cell->addWidget(picture, 0, Qt::AlignHCenter);
        cell->addSpacing(4);
        pictures_.append(picture);

        for (int line = 0; line < kLinesPerAward[static_cast<std::size_t>(award)]; ++line, ++caption) {
            auto* label = new QLabel(Text(kCaptions[caption]));
            label->setObjectName(QString("award%1caption%2").arg(award + 1).arg(line + 1));
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            label->setWordWrap(true);
            label->setFixedWidth(kCellWidth);
            if (line == 0) {
                QFont bold = label->font();
                bold.setBold(true);
                label->setFont(bold);
            }
            cell->addWidget(label);
            texts_.add(kFirstAwardLine + static_cast<int>(caption), [label](const QString& text) { label->setText(text); });
        }
        cell->addStretch();
        grid->addLayout(cell, award / kColumns, award % kColumns);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(grid);

    loadPictures();
}

void AwardsWindow::loadPictures()
{
    for (int award = 0; award < kAwards; ++award) {
        const std::string name = "grafika/nagroda" + std::to_string(award + 1) + ".jpg";
        if (program_.fileExists(name)) pictures_[award]->setPicture(LoadJpeg(program_.path(name)));
    }
}

void AwardsWindow::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

} // namespace kalvintera
