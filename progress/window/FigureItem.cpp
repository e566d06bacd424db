#include <progress/window/FigureItem.h>

namespace progress {

FigureItem::FigureItem(const QString& text, const QVariant& key) : QTableWidgetItem(text)
{
    setData(kKeyRole, key);
    setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (key.typeId() != QMetaType::QString)
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

bool FigureItem::operator<(const QTableWidgetItem& other) const
{
    const QVariant mine = data(kKeyRole);
    const QVariant theirs = other.data(kKeyRole);
    if (mine.typeId() == QMetaType::QString || theirs.typeId() == QMetaType::QString)
        return QString::localeAwareCompare(mine.toString(), theirs.toString()) < 0;
    return mine.toDouble() < theirs.toDouble();
}

}  // namespace progress
