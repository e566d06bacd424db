#include <listmaking/dictionary/LexiconStore.h>

#include <files/AsideFile.h>
#include <files/FileSystem.h>
#include <lexicon/LexiconFile.h>
#include <lexicon/SourceFingerprint.h>
#include <listfolder/ExclusiveFile.h>
#include <listfolder/FileBytes.h>
#include <listmaking/dictionary/LexiconMaker.h>
#include <textfile/FileFailure.h>
#include <textfile/SystemReason.h>

#include <cerrno>
#include <cstdio>

namespace listmaking {

namespace {

constexpr std::size_t largestLexicon = std::size_t(1) << 30;
constexpr std::size_t fingerprintBytes = 1 << 16;

}  // namespace

// The fingerprints lie in the first lines: no need to read the whole files.
bool LexiconStore::savedIsFresh() const
{
    const auto head = listfolder::FileBytes::start(path(), fingerprintBytes);
    return !head.empty()
        && lexicon::LexiconFile::fingerprintOf(head) == lexicon::SourceFingerprint::of(paths_);
}

bool LexiconStore::shippedFits() const
{
    if (paths_.shippedLexicon.empty())
        return false;
    const auto head = listfolder::FileBytes::start(paths_.shippedLexicon, fingerprintBytes);
    return lexicon::SourceFingerprint::madeFromSameDictionary(
        lexicon::LexiconFile::fingerprintOf(head), paths_);
}

bool LexiconStore::isFresh() const
{
    return savedIsFresh() || shippedFits();
}

status::Status LexiconStore::obtain(lexicon::PreparedLexicon& lexicon, const RunControl& control)
{
    warnings_.clear();
    made_ = false;
    saved_ = false;
    const std::string fingerprint = lexicon::SourceFingerprint::of(paths_);
    control.report(0.0, "lecture du lexique préparé");
    if (savedIsFresh() && read(path(), lexicon))
        return {};
    if (shippedFits() && read(paths_.shippedLexicon, lexicon))
        return {};
    if (control.cancelled())
        return status::Status::cancelled();
    RunControl making = control;
    making.progress = [&control](double fraction, const std::string& step) {
        control.report(fraction, std::string(makingStep) + " : " + step);
    };
    LexiconMaker maker(paths_);
    if (auto made = maker.make(lexicon, making); !made)
        return made;
    // an unwritable work folder is the cause, not the network, when the older lists lack
    const std::string problem = workFolderProblem();
    if (!problem.empty())
        warnings_.push_back(problem);
    for (const auto& source : maker.missingSources())
        warnings_.push_back(
            "liste ancienne manquante, " + source
            + " : des mots anciens peuvent passer pour nouveaux"
            + (problem.empty() ? " (relancer scripts/setup.sh avec le réseau)" : ""));
    lexicon.fingerprint = fingerprint;
    made_ = true;
    save(lexicon);
    return {};
}

bool LexiconStore::read(const std::string& file, lexicon::PreparedLexicon& lexicon)
{
    const auto text = listfolder::FileBytes::read(file, largestLexicon);
    if (!text) {
        warnings_.push_back(textfile::failureText(file, text.why() + " ; il n'est pas repris"));
        return false;
    }
    if (auto parsed = lexicon::LexiconFile::parse(*text, lexicon); !parsed) {
        warnings_.push_back(textfile::failureText(file, parsed.why() + " ; il n'est pas repris"));
        return false;
    }
    return true;
}

std::string LexiconStore::workFolderProblem() const
{
    const std::string& work = paths_.workDir;
    if (const int why = files::makeFolder(work); why != 0 && why != EEXIST)
        return "le dossier de travail " + work + " ne peut pas être créé ("
            + textfile::systemReason(why)
            + ") : les dictionnaires anciens n'ont pas pu y être décompressés";
    if (const int why = files::mayWrite(work); why != 0)
        return "le dossier de travail " + work + " ne peut pas être écrit ("
            + textfile::systemReason(why)
            + ") : les dictionnaires anciens n'ont pas pu y être décompressés ni le lexique "
              "préparé y être gardé";
    return {};
}

void LexiconStore::save(const lexicon::PreparedLexicon& lexicon)
{
    const std::string text = lexicon::LexiconFile::text(lexicon);
    files::AsideFile file;  // ".part": a leftover of a run that was cut short goes first
    int failed = file.open(path(), ".part", 0644);
    const std::string part = file.path().empty() ? path() + ".part" : file.path();
    if (failed == 0)
        failed = file.write(text.data(), text.size());
    if (failed == 0)
        failed = file.commit();
    if (failed == 0) {
        saved_ = true;
        return;
    }
    const std::string why = textfile::failureText(part, textfile::systemReason(failed));
    warnings_.push_back("le lexique préparé n'a pas pu être enregistré (" + why
                        + ") : il sera refait à la prochaine fabrication");
}

}  // namespace listmaking
