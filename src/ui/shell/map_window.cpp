#include "ui/shell/map_window.h"

#include "ui/shell/picture_label.h"

#include <QVBoxLayout>

namespace kalvintera {

MapWindow::MapWindow(Program& program, QWidget* parent) : ProgramDialog(program, Behaviour{}, parent)
{
    setWindowTitle("Mapa dojazdowa");

    map_ = new PictureLabel(QSize(512, 369));
    map_->setObjectName("map");

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(map_);

    texts_.add(168, [this](const QString& text) { setWindowTitle(text); });
}

void MapWindow::setMapPicture(const QImage& picture)
{
    map_->setPicture(picture);
}

void MapWindow::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

} // namespace kalvintera
