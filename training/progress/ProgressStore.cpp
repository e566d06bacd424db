#include <training/progress/ProgressStore.h>

#include <training/progress/OlderProgress.h>

#include <training/drill/Drill.h>

#include <files/ShownPath.h>
#include <places/PlayerFolders.h>
#include <study/StudyRecord.h>

#include <algorithm>
#include <utility>

namespace training {

namespace {

study::ListFile listFileOf(const ListFingerprint& file)
{
    return {file.path.toStdString(), file.size, file.sha256.toStdString()};
}

ListFingerprint fingerprintOf(const study::ListFile& file)
{
    return {QString::fromStdString(file.path), file.size, QByteArray::fromStdString(file.sha256)};
}

const drill::CorrectionResult kNoCorrection;

ProgressStore::Found unusable(const QString& reason)
{
    ProgressStore::Found found;
    found.state = ProgressStore::Found::State::unusable;
    found.reason = reason;
    return found;
}

}  // namespace

ProgressStore::ProgressStore(study::StudyRecord* record, QString olderFolder)
    : record_(record),
      book_(record ? std::make_unique<study::ProgressBook>(*record) : nullptr),
      folder_(std::move(olderFolder))
{
}

ProgressStore::~ProgressStore() = default;

QString ProgressStore::playerFolder()
{
    return QString::fromStdString(places::PlayerFolders::progress());
}

status::Status ProgressStore::carryOver()
{
    if (!book_)
        return {};
    const status::Result<bool> done = book_->carriedOver();
    if (!done.ok())
        return done.status();
    if (*done)
        return {};
    return book_->carryOver(OlderProgress::readAll(folder_));
}

ProgressStore::Found ProgressStore::find(const catalogue::ListRow& list, const QString& listPath,
                                         const std::vector<drill::ListEntry>* entries) const
{
    if (!book_)
        return {};
    const status::Result<std::optional<study::KeptProgress>> kept = book_->find(list.fileName);
    if (!kept.ok())
        return unusable(QString::fromStdString(kept.why()));
    if (!kept->has_value())
        return {};
    // A list that cannot be read now may be read again: its progress waits for it.
    const std::optional<ListFingerprint> now = ListFingerprint::of(listPath);
    if (!now)
        return unusable(QStringLiteral("la liste « %1 » ne peut pas être lue pour l'instant")
                            .arg(QString::fromStdString(files::shownPath(listPath.toStdString()))));
    Found found;
    found.state = Found::State::stale;
    if (*now != fingerprintOf((*kept)->file))
        return found;
    if (entries && !drill::Drill::belongsTo((*kept)->saved, *entries))
        return unusable(QStringLiteral("elle nomme des tirages que la liste n'a pas"));
    found.state = Found::State::usable;
    found.saved = std::move((*kept)->saved);
    found.positions = std::move((*kept)->positions);
    found.generation = (*kept)->generation;
    return found;
}

void ProgressStore::follow(const catalogue::ListRow& list, const Found& found)
{
    following_ = Following{list.fileName, found.generation, found.positions, found.saved};
    following_->counters.entries.clear();
    following_->counters.successCount.clear();
}

status::Status ProgressStore::keep(const catalogue::ListRow& list, const ListFingerprint& file,
                                   const drill::Drill& drill,
                                   const drill::CorrectionResult* corrected)
{
    if (!book_)
        return {};  // nothing is kept, as the player was told
    if (following_ && following_->list == list.fileName) {
        if (const std::optional<study::ProgressChange> change = changeOf(drill, corrected)) {
            const status::Result<bool> applied =
                book_->saveChange(list.fileName, following_->generation, *change);
            if (applied.ok() && *applied) {
                advance(drill, corrected);
                return {};
            }
            if (!applied.ok()) {
                following_.reset();  // what the record holds is no longer known
                return applied.status();
            }
        }
    }
    // The first save of this drill, or the record holds another drill now.
    return save(list, file, drill.saved());
}

// What changed since the last save; none when the drill does not match what was followed.
std::optional<study::ProgressChange>
ProgressStore::changeOf(const drill::Drill& drill, const drill::CorrectionResult* corrected) const
{
    const drill::SavedDrill now = drill.savedCounters();
    study::ProgressChange change;
    change.seriesAdded = now.seriesDone - following_->counters.seriesDone;
    change.errorsAdded = now.errorCount - following_->counters.errorCount;
    change.secondsAdded = now.totalSeconds - following_->counters.totalSeconds;
    change.criterion = now.criterion;
    change.threshold = now.threshold;
    std::size_t eliminated = 0;
    const std::vector<std::int32_t>& positions = following_->positions;
    for (const drill::SlotCorrection& slot : corrected ? corrected->slots : kNoCorrection.slots) {
        if (!slot.inSeries)
            continue;
        if (slot.entry < 0 || static_cast<std::size_t>(slot.entry) >= positions.size())
            return std::nullopt;
        const std::int32_t position = positions[static_cast<std::size_t>(slot.entry)];
        if (slot.eliminated) {
            change.eliminated.push_back(position);
            ++eliminated;
        } else {
            change.counted.emplace_back(position, slot.successCount);
        }
    }
    if (positions.size() - eliminated != static_cast<std::size_t>(drill.state().entryCount))
        return std::nullopt;
    return change;
}

// The positions of the entries left, as the drill compacted its tables.
void ProgressStore::advance(const drill::Drill& drill, const drill::CorrectionResult* corrected)
{
    std::vector<std::int32_t>& positions = following_->positions;
    if (corrected) {
        std::vector<bool> gone(positions.size(), false);
        for (const drill::SlotCorrection& slot : corrected->slots)
            if (slot.inSeries && slot.eliminated)
                gone[static_cast<std::size_t>(slot.entry)] = true;
        std::size_t kept = 0;
        for (std::size_t k = 0; k < positions.size(); ++k)
            if (!gone[k])
                positions[kept++] = positions[k];
        positions.resize(kept);
    }
    following_->counters = drill.savedCounters();
}

status::Status ProgressStore::save(const catalogue::ListRow& list, const ListFingerprint& file,
                                   const drill::SavedDrill& saved)
{
    if (!book_)
        return {};
    const status::Result<std::int64_t> generation =
        book_->saveWhole(list.fileName, list.title, listFileOf(file), saved);
    if (!generation.ok()) {
        following_.reset();
        return generation.status();
    }
    Following whole{list.fileName, *generation, {}, saved};
    whole.counters.entries.clear();
    whole.counters.successCount.clear();
    for (std::size_t k = 0; k < saved.entries.size(); ++k)
        whole.positions.push_back(static_cast<std::int32_t>(k));
    following_ = std::move(whole);
    return {};
}

void ProgressStore::forget(const catalogue::ListRow& list)
{
    if (following_ && following_->list == list.fileName)
        following_.reset();
    if (book_)
        (void)book_->forget(list.fileName);
}

QString ProgressStore::ignoredLine(const catalogue::ListRow& list, const QString& reason) const
{
    return QStringLiteral("vorlane : progression de « %1 » ignorée (%2) : %3.")
        .arg(QString::fromStdString(list.title),
             QString::fromStdString(files::shownPath(record_ ? record_->path() : std::string())),
             reason);
}

}  // namespace training
