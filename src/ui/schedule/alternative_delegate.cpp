#include "ui/schedule/alternative_delegate.h"

#include "ui/schedule/schedule_model.h"

#include <QComboBox>

namespace kalvintera {

QWidget* AlternativeDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QStringLiteral("alternatives"));
    list->addItems(index.data(ScheduleModel::kCandidatesRole).toStringList());
    // The choice applies as soon as it is made, not only when the editor closes.
    connect(list, &QComboBox::activated, this, [this, list] { emit const_cast<AlternativeDelegate*>(this)->commitData(list); });
    return list;
}

void AlternativeDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    static_cast<QComboBox*>(editor)->setCurrentIndex(index.data(Qt::EditRole).toInt());
}

void AlternativeDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    model->setData(index, static_cast<QComboBox*>(editor)->currentIndex(), Qt::EditRole);
}

} // namespace kalvintera
