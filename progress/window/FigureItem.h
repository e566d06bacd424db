#pragma once

#include <QTableWidgetItem>
#include <QVariant>

namespace progress {

// A cell of a figures table: its text as the player reads it (« 1 234 », « 87,5 % »,
// « 09/12/2026 ») and the value it sorts by, so that a column sorts by number or date.
class FigureItem : public QTableWidgetItem {
public:
    FigureItem(const QString& text, const QVariant& key);

    bool operator<(const QTableWidgetItem& other) const override;

    static constexpr int kKeyRole = Qt::UserRole + 1;
};

}  // namespace progress
