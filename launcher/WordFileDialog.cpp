#include <launcher/WordFileDialog.h>

#include <look/ScreenFit.h>

#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QTreeView>

namespace launcher {

namespace {

const QLocale kFrench(QLocale::French, QLocale::France);

// What a file is, as a French file manager says it; Qt takes it from the system's language.
QString typeOf(const QFileInfo& file)
{
    if (file.isDir())
        return QStringLiteral("Dossier");
    if (file.suffix().isEmpty())
        return QStringLiteral("Fichier");
    return QStringLiteral("Fichier %1").arg(file.suffix().toUpper());
}

// Qt's file model writes sizes, types and dates in the system's language, which is English on
// a machine set to C; these columns are written again in French.
class FrenchSizesAndDates : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files || index.column() < 1 || index.column() > 3)
            return QIdentityProxyModel::data(index, role);
        const QModelIndex file = mapToSource(index);
        if (index.column() == 2)
            return typeOf(files->fileInfo(file));
        if (index.column() == 3)
            return kFrench.toString(files->lastModified(file), QStringLiteral("dd/MM/yyyy HH:mm"));
        if (files->isDir(file))
            return QString();
        return kFrench.formattedDataSize(files->size(file), 1, QLocale::DataSizeTraditionalFormat);
    }
};

}  // namespace

WordFileDialog::WordFileDialog(QWidget* parent, const QString& folder)
    : QFileDialog(parent, QStringLiteral("Le fichier de vos mots"), folder,
                  QStringLiteral("Listes de mots (*.txt);;Tous les fichiers (*)"))
{
    setOption(QFileDialog::DontUseNativeDialog);
    setLocale(kFrench);
    setFileMode(QFileDialog::ExistingFile);
    setViewMode(QFileDialog::Detail);
    setProxyModel(new FrenchSizesAndDates(this));
    resize(860, 480);
    look::ScreenFit::keep(this);
}

QString WordFileDialog::choose(QWidget* parent, const QString& folder)
{
    WordFileDialog dialog(parent, folder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void WordFileDialog::fitColumns()
{
    auto* view = findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!view)
        return;
    QHeaderView* header = view->header();
    const QFontMetrics metrics(header->font());
    const int sample[] = {0, metrics.horizontalAdvance(QStringLiteral("999,9 Mo")),
                          metrics.horizontalAdvance(QStringLiteral("Fichier TXT")),
                          metrics.horizontalAdvance(QStringLiteral("31/12/2026 23:59"))};
    int others = 0;
    for (int column = 1; column < header->count() && column < 4; ++column) {
        const QString title = header->model()->headerData(column, Qt::Horizontal).toString();
        header->resizeSection(column,
                              std::max(metrics.horizontalAdvance(title), sample[column]) + 24);
        others += header->sectionSize(column);
    }
    // The names take what is left, never less than a long file name needs.
    header->resizeSection(0,
                          std::max(view->viewport()->width() - others - 2,
                                   metrics.horizontalAdvance(QStringLiteral("x")) * 28));
}

void WordFileDialog::showEvent(QShowEvent* event)
{
    QFileDialog::showEvent(event);
    fitColumns();
}

}  // namespace launcher
