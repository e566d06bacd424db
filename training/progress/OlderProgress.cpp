#include <training/progress/OlderProgress.h>

#include <catalogue/Catalogue.h>
#include <files/FileKind.h>
#include <files/InputFile.h>
#include <textfile/Cp1252.h>

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <cmath>
#include <limits>

namespace training {

namespace {

const QString kFormat = QStringLiteral("vorlane-progression");
constexpr qint64 kInt32 = std::numeric_limits<std::int32_t>::max();
constexpr qint64 kInt16 = std::numeric_limits<std::int16_t>::max();
// Larger than any record the earlier versions wrote (10.5 MB for the longest list).
constexpr std::size_t kMostBytes = 256u << 20;

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

// The drill part of a record; none when a field is missing or out of range. A threshold the
// earlier versions wrote as null (an infinite one) counted every success alike: it comes back
// as the largest number.
std::optional<drill::SavedDrill> readDrill(const QJsonObject& record)
{
    drill::SavedDrill saved;
    const auto listSize = whole(record.value(QStringLiteral("tiragesDeLaListe")), 0, kInt32);
    const auto series = whole(record.value(QStringLiteral("seriesRealisees")), 0, kInt16);
    const auto errors = whole(record.value(QStringLiteral("fautes")), 0, kInt32);
    const auto seconds = whole(record.value(QStringLiteral("secondes")), 0, kInt32);
    const QString criterion = record.value(QStringLiteral("critere")).toString();
    const QJsonValue threshold = record.value(QStringLiteral("seuil"));
    if (!listSize || !series || !errors || !seconds || !(threshold.isDouble() || threshold.isNull())
        || (criterion != QLatin1String("reussites") && criterion != QLatin1String("secondes"))
        || !readEntries(record.value(QStringLiteral("restants")).toArray(), saved))
        return std::nullopt;
    saved.listSize = static_cast<std::int32_t>(*listSize);
    saved.seriesDone = static_cast<std::int16_t>(*series);
    saved.errorCount = static_cast<std::int32_t>(*errors);
    saved.totalSeconds = static_cast<std::int32_t>(*seconds);
    saved.criterion = criterion == QLatin1String("secondes") ? drill::Criterion::BySpeed
                                                             : drill::Criterion::BySuccesses;
    saved.threshold = threshold.isNull() ? std::numeric_limits<double>::max()
                                         : study::ProgressBook::storable(threshold.toDouble());
    return saved;
}

// The bytes of a plain file; a pipe or a device is never opened (it could block for ever).
// None without a reason when there is no file.
std::optional<QByteArray> plainFileBytes(const QString& path, QString& reason)
{
    files::InputFile in;
    const int error = in.open(path.toStdString());
    if (error == ENOENT || error == ENOTDIR)
        return std::nullopt;
    if (error == files::notAPlainFile || error == EISDIR) {
        reason = QStringLiteral("ce n'est pas un fichier ordinaire");
        return std::nullopt;
    }
    QByteArray bytes;
    char buffer[1 << 16];
    int failed = error;
    while (failed == 0 && static_cast<std::size_t>(bytes.size()) <= kMostBytes) {
        const std::size_t got = in.read(buffer, sizeof buffer, failed);
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<qsizetype>(got));
    }
    if (failed != 0 || static_cast<std::size_t>(bytes.size()) > kMostBytes) {
        reason = QStringLiteral("fichier de progression illisible");
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

QString OlderProgress::recordPath(const QString& folder, const catalogue::ListRow& list)
{
    return folder + QLatin1Char('/') + QFileInfo(QString::fromStdString(list.fileName)).baseName()
        + QStringLiteral(".json");
}

std::optional<study::KeptProgress> OlderProgress::read(const QString& path, QString* reason)
{
    QString ignored;
    QString& why = reason ? *reason : ignored;
    why.clear();
    const std::optional<QByteArray> bytes = plainFileBytes(path, why);
    if (!bytes)
        return std::nullopt;
    const QJsonObject record = QJsonDocument::fromJson(*bytes).object();
    if (record.value(QStringLiteral("format")).toString() != kFormat) {
        why = QStringLiteral("ce n'est pas un fichier de progression de vorlane");
        return std::nullopt;
    }
    const std::optional<qint64> version = whole(record.value(QStringLiteral("version")), 1, kInt32);
    std::optional<drill::SavedDrill> saved;
    if (version && *version > kVersion)
        why = QStringLiteral("fichier écrit par une version plus récente de vorlane");
    else if (!version || !(saved = readDrill(record)))
        why = QStringLiteral("fichier de progression endommagé");
    if (!saved)
        return std::nullopt;
    study::KeptProgress kept;
    kept.title = record.value(QStringLiteral("liste")).toString().toStdString();
    kept.file = {record.value(QStringLiteral("fichier")).toString().toStdString(),
                 record.value(QStringLiteral("taille")).toInteger(-1),
                 record.value(QStringLiteral("sha256")).toString().toStdString()};
    kept.saved = std::move(*saved);
    return kept;
}

std::vector<study::CarriedProgress> OlderProgress::readAll(const QString& folder)
{
    std::vector<study::CarriedProgress> records;
    if (folder.isEmpty())
        return records;
    for (const catalogue::ListRow& list : catalogue::Catalogue::rows()) {
        std::optional<study::KeptProgress> kept = read(recordPath(folder, list), nullptr);
        if (kept)
            records.push_back({list.fileName, std::move(*kept)});
    }
    return records;
}

}  // namespace training
