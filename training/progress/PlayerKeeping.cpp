#include <training/progress/PlayerKeeping.h>

#include <files/ShownPath.h>
#include <places/PlayerFolders.h>
#include <study/StudyRecord.h>

#include <cstdio>
#include <utility>

namespace training {

namespace {

// The player's study record; null, with what to tell the player in `note`, when it cannot be
// opened (the drill then keeps nothing). A damaged record set aside is said too.
std::unique_ptr<study::StudyRecord> openStudyRecord(QString& note)
{
    const std::string path = places::PlayerFolders::studyRecord();
    if (path.empty())
        return nullptr;  // no home: nothing was ever kept
    auto record = std::make_unique<study::StudyRecord>();
    if (const status::Status opened = record->open(path); !opened) {
        std::fprintf(stderr, "vorlane : %s\n", opened.why().c_str());
        note = QStringLiteral("Votre progression ne sera pas gardée : %1.")
                   .arg(QString::fromStdString(opened.why()));
        return nullptr;
    }
    if (!record->setAsideAs().empty())
        note = QStringLiteral("Votre relevé d'étude était abîmé : il a été mis de côté sous « %1 » "
                              "(rien n'a été effacé) et un nouveau relevé a été commencé.")
                   .arg(QString::fromStdString(files::shownPath(record->setAsideAs())));
    return record;
}

}  // namespace

PlayerKeeping::PlayerKeeping() : progress_(nullptr, QString()) {}

PlayerKeeping::PlayerKeeping(std::unique_ptr<study::StudyRecord> record, QString optionsFile)
    : record_(std::move(record)),
      progress_(record_.get(), ProgressStore::playerFolder()),
      optionsFile_(std::move(optionsFile)),
      reviewOptions_(ReviewOptions::read(optionsFile_)),
      study_(record_.get())
{
}

PlayerKeeping::~PlayerKeeping() = default;

std::unique_ptr<PlayerKeeping> PlayerKeeping::ofPlayer()
{
    QString note;
    std::unique_ptr<study::StudyRecord> record = openStudyRecord(note);
    std::unique_ptr<PlayerKeeping> keeping(
        new PlayerKeeping(std::move(record), DrillOptions::playerFile()));
    keeping->openingNote_ = note;
    keeping->setStudy(keeping->study_);
    // The progress the earlier versions kept comes into the study record at the first start.
    if (const status::Status carried = keeping->progress_.carryOver(); !carried) {
        std::fprintf(stderr, "vorlane : %s\n", carried.why().c_str());
        keeping->openingNote_ =
            QStringLiteral("Votre progression d'avant n'a pas pu être reprise : %1.")
                .arg(QString::fromStdString(carried.why()));
    }
    return keeping;
}

void PlayerKeeping::setStudy(study::Study* study)
{
    study_ = study;
    if (study_ && !optionsFile_.isEmpty())
        study_->setPolicy(reviewOptions_.policy);
}

DrillOptions PlayerKeeping::drillOptions() const
{
    return DrillOptions::read(optionsFile_);
}

void PlayerKeeping::keep(const DrillOptions& options) const
{
    if (!optionsFile_.isEmpty())
        options.write(optionsFile_);
}

void PlayerKeeping::keep(const study::ReviewPolicy& policy)
{
    reviewOptions_.policy = policy;
    reviewOptions_.write(optionsFile_);
    if (study_)
        study_->setPolicy(policy);
}

void PlayerKeeping::passOver(const catalogue::ListRow& list, const ProgressStore::Found& found)
{
    using State = ProgressStore::Found::State;
    if (found.state == State::stale)
        progress_.forget(list);
    else if (found.state == State::unusable)
        std::fprintf(stderr, "%s\n", qPrintable(progress_.ignoredLine(list, found.reason)));
}

}  // namespace training
