#include <training/progress/ProgressStore.h>

#include <files/FileSystem.h>
#include <files/ShownPath.h>
#include <places/PlayerFolders.h>

#include <textfile/Cp1252.h>
#include <textfile/SystemReason.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cerrno>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace training {

namespace {

const QString kFormat = QStringLiteral("vorlane-progression");

QString fromBytes(const std::string& bytes)
{
    return QString::fromStdU16String(textfile::Cp1252::decode(bytes));
}

std::string toBytes(const QString& text)
{
    return textfile::Cp1252::encode(text.toStdU16String());
}

// A whole number of JSON between `low` and `high`, or none.
std::optional<qint64> whole(const QJsonValue& value, qint64 low, qint64 high)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number != std::floor(number) || number < static_cast<double>(low)
        || number > static_cast<double>(high))
        return std::nullopt;
    return static_cast<qint64>(number);
}

constexpr qint64 kInt32 = std::numeric_limits<std::int32_t>::max();
constexpr qint64 kInt16 = std::numeric_limits<std::int16_t>::max();

QJsonObject toJson(const catalogue::ListRow& list, const ListFingerprint& file,
                   const drill::SavedDrill& saved)
{
    QJsonArray entries;
    for (std::size_t k = 0; k < saved.entries.size(); ++k)
        entries.append(QJsonArray{fromBytes(saved.entries[k].draw),
                                  fromBytes(saved.entries[k].solutions),
                                  static_cast<qint64>(saved.successCount[k])});
    return {
        {QStringLiteral("format"), kFormat},
        {QStringLiteral("version"), ProgressStore::kVersion},
        {QStringLiteral("liste"), QString::fromStdString(list.title)},
        {QStringLiteral("fichier"), file.path},
        {QStringLiteral("taille"), file.size},
        {QStringLiteral("sha256"), QString::fromLatin1(file.sha256)},
        {QStringLiteral("tiragesDeLaListe"), static_cast<qint64>(saved.listSize)},
        {QStringLiteral("seriesRealisees"), saved.seriesDone},
        {QStringLiteral("fautes"), static_cast<qint64>(saved.errorCount)},
        {QStringLiteral("secondes"), static_cast<qint64>(saved.totalSeconds)},
        {QStringLiteral("critere"),
         saved.criterion == drill::Criterion::BySpeed ? QStringLiteral("secondes")
                                                      : QStringLiteral("reussites")},
        {QStringLiteral("seuil"), saved.threshold},
        {QStringLiteral("restants"), entries},
    };
}

bool readEntries(const QJsonArray& rows, drill::SavedDrill& saved)
{
    for (const QJsonValue& value : rows) {
        const QJsonArray row = value.toArray();
        const std::optional<qint64> successes = whole(row.at(2), 0, kInt32);
        if (row.size() != 3 || !row.at(0).isString() || !row.at(1).isString() || !successes)
            return false;
        saved.entries.push_back({toBytes(row.at(0).toString()), toBytes(row.at(1).toString())});
        saved.successCount.push_back(static_cast<std::int32_t>(*successes));
    }
    return true;
}

// The drill part of a record; none when a field is missing or out of range.
std::optional<drill::SavedDrill> readDrill(const QJsonObject& record)
{
    drill::SavedDrill saved;
    const auto listSize = whole(record.value(QStringLiteral("tiragesDeLaListe")), 0, kInt32);
    const auto series = whole(record.value(QStringLiteral("seriesRealisees")), 0, kInt16);
    const auto errors = whole(record.value(QStringLiteral("fautes")), 0, kInt32);
    const auto seconds = whole(record.value(QStringLiteral("secondes")), 0, kInt32);
    const QString criterion = record.value(QStringLiteral("critere")).toString();
    const QJsonValue threshold = record.value(QStringLiteral("seuil"));
    if (!listSize || !series || !errors || !seconds || !threshold.isDouble()
        || !std::isfinite(threshold.toDouble())
        || (criterion != QLatin1String("reussites") && criterion != QLatin1String("secondes"))
        || !readEntries(record.value(QStringLiteral("restants")).toArray(), saved))
        return std::nullopt;
    saved.listSize = static_cast<std::int32_t>(*listSize);
    saved.seriesDone = static_cast<std::int16_t>(*series);
    saved.errorCount = static_cast<std::int32_t>(*errors);
    saved.totalSeconds = static_cast<std::int32_t>(*seconds);
    saved.criterion = criterion == QLatin1String("secondes") ? drill::Criterion::BySpeed
                                                             : drill::Criterion::BySuccesses;
    saved.threshold = threshold.toDouble();
    return saved;
}

QString cannotWrite(const QString& path, int error)
{
    return QStringLiteral("impossible d'écrire « %1 » : %2")
        .arg(QDir::toNativeSeparators(path),
             error != 0 ? QString::fromStdString(textfile::systemReason(error))
                        : QStringLiteral("écriture refusée"));
}

ProgressStore::Found unusable(const QString& reason)
{
    ProgressStore::Found found;
    found.status = ProgressStore::Found::Status::unusable;
    found.reason = reason;
    return found;
}

}  // namespace

ProgressStore::ProgressStore(QString folder) : folder_(std::move(folder)) {}

QString ProgressStore::playerFolder()
{
    return QString::fromStdString(places::PlayerFolders::progress());
}

QString ProgressStore::recordPath(const catalogue::ListRow& list) const
{
    return folder_ + QLatin1Char('/') + QFileInfo(QString::fromStdString(list.fileName)).baseName()
        + QStringLiteral(".json");
}

ProgressStore::Found ProgressStore::find(const catalogue::ListRow& list,
                                         const QString& listPath) const
{
    QFile file(recordPath(list));
    if (folder_.isEmpty() || !file.exists())  // no home: nothing was kept
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return unusable(QStringLiteral("fichier de progression illisible"));
    const QJsonObject record = QJsonDocument::fromJson(file.readAll()).object();
    if (record.value(QStringLiteral("format")).toString() != kFormat)
        return unusable(QStringLiteral("ce n'est pas un fichier de progression de vorlane"));
    const std::optional<qint64> version = whole(record.value(QStringLiteral("version")), 1, kInt32);
    if (!version)
        return unusable(QStringLiteral("fichier de progression endommagé"));
    if (*version > kVersion)
        return unusable(QStringLiteral("fichier écrit par une version plus récente de vorlane"));
    const std::optional<ListFingerprint> now = ListFingerprint::of(listPath);
    const ListFingerprint then{record.value(QStringLiteral("fichier")).toString(),
                               record.value(QStringLiteral("taille")).toInteger(-1),
                               record.value(QStringLiteral("sha256")).toString().toLatin1()};
    Found found;
    found.status = Found::Status::stale;
    if (!now || *now != then)
        return found;
    std::optional<drill::SavedDrill> saved = readDrill(record);
    if (!saved)
        return unusable(QStringLiteral("fichier de progression endommagé"));
    found.status = Found::Status::usable;
    found.saved = std::move(*saved);
    return found;
}

bool ProgressStore::save(const catalogue::ListRow& list, const ListFingerprint& file,
                         const drill::SavedDrill& saved, QString* why) const
{
    const QString path = recordPath(list);
    QSaveFile out(path);
    const QByteArray json = QJsonDocument(toJson(list, file, saved)).toJson();
    if (const int error = files::makeFolders(folder_.toStdString()); error != 0) {
        if (why)
            *why = cannotWrite(path, error);
        return false;
    }
    errno = 0;
    if (out.open(QIODevice::WriteOnly) && out.write(json) == json.size() && out.commit())
        return true;
    if (why)
        *why = cannotWrite(path, errno);
    return false;
}

void ProgressStore::forget(const catalogue::ListRow& list) const
{
    if (!folder_.isEmpty())
        QFile::remove(recordPath(list));
}

QString ProgressStore::ignoredLine(const catalogue::ListRow& list, const QString& reason) const
{
    return QStringLiteral("vorlane : progression de « %1 » ignorée (%2) : %3.")
        .arg(QString::fromStdString(list.title),
             QString::fromStdString(files::shownPath(recordPath(list).toStdString())), reason);
}

}  // namespace training
