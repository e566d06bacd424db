#include <listfolder/SwitchJournal.h>

#include <listfolder/ExclusiveFile.h>
#include <listfolder/FileBytes.h>
#include <listfolder/WaitingFolder.h>
#include <textfile/FileFailure.h>
#include <textfile/SystemReason.h>

#include <files/AsideFile.h>
#include <files/FileFacts.h>
#include <files/FileSystem.h>
#include <files/Replace.h>
#include <files/ShownPath.h>

#include <cerrno>
#include <sstream>

namespace listfolder {

namespace {

std::string keptPath(const std::string& keptFolder, const std::string& name)
{
    return keptFolder + "/" + name + ".ancien";
}

std::string joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const auto& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

std::ostream& operator<<(std::ostream& out, const SwitchJournal::Identity& identity)
{
    return out << identity.device << ' ' << identity.inode << ' ' << identity.size;
}

std::istream& operator>>(std::istream& in, SwitchJournal::Identity& identity)
{
    unsigned long long device = 0;
    unsigned long long inode = 0;
    unsigned long long size = 0;
    in >> device >> inode >> size;
    identity = {device, inode, size, true};
    return in;
}

}  // namespace

SwitchJournal::Identity SwitchJournal::Identity::of(const std::string& path)
{
    files::FileFacts facts;
    if (files::factsOf(path, facts, false) != 0 || facts.kind != files::FileFacts::Kind::regular)
        return {};
    return {facts.identity.volume, facts.identity.index, facts.size, true};
}

bool SwitchJournal::Identity::operator==(const Identity& other) const
{
    return there == other.there && device == other.device && inode == other.inode
        && size == other.size;
}

SwitchJournal::SwitchJournal(std::string dataDir) : dataDir_(std::move(dataDir)) {}

bool SwitchJournal::exists() const
{
    files::FileFacts facts;
    return files::factsOf(path(), facts, false) == 0;
}

status::Status SwitchJournal::write(const std::string& keptFolder,
                                    const std::vector<Entry>& entries) const
{
    std::ostringstream text;
    text << "attente " << keptFolder << '\n';
    for (const auto& entry : entries) {
        text << (entry.removes ? "enleve " : entry.replaces ? "remplace " : "ajoute ");
        if (!entry.removes)
            text << entry.put << ' ';
        if (entry.replaces)
            text << entry.old << ' ';
        text << entry.name << '\n';
    }
    const std::string bytes = text.str();
    files::AsideFile file;
    int failed = file.open(path(), ".part", 0600);
    const std::string part = file.path().empty() ? path() + ".part" : file.path();
    if (failed == 0)
        failed = file.write(bytes.data(), bytes.size());
    if (failed == 0)
        failed = file.commit();  // synced, renamed over, and the folder synced
    if (failed != 0)
        return textfile::fromErrno(part, failed);
    return {};
}

void SwitchJournal::remove() const
{
    files::removeFile(path());
    files::syncFolder(dataDir_);
}

status::Status SwitchJournal::read(std::string& keptFolder, std::vector<Entry>& entries) const
{
    const status::Status unreadable = status::Status::failure(
        "un journal de remplacement illisible a été trouvé dans " + files::shownPath(dataDir_));
    if (!kindWord().empty())
        return unreadable;
    const auto text = FileBytes::read(path(), 1 << 20);
    if (!text)
        return unreadable;
    std::istringstream lines(*text);
    std::string line;
    if (!std::getline(lines, line) || line.rfind("attente ", 0) != 0)
        return unreadable;
    keptFolder = line.substr(8);
    if (!WaitingFolder::isOwn(keptFolder, dataDir_))
        return status::Status::failure("le journal de remplacement de " + files::shownPath(dataDir_)
                                       + " nomme comme dossier d'attente "
                                       + files::shownPath(keptFolder)
                                       + ", qui n'est pas l'un des siens");
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string kind;
        Entry entry;
        fields >> kind;
        entry.removes = kind == "enleve";
        if (!entry.removes)
            fields >> entry.put;  // a file taken out has none: its place is left empty
        entry.replaces = kind == "remplace" || entry.removes;
        if (entry.replaces)
            fields >> entry.old;
        std::getline(fields >> std::ws, entry.name);
        if (fields.fail() || (kind != "ajoute" && !entry.replaces) || entry.name.empty()
            || entry.name.find('/') != std::string::npos)
            return unreadable;
        entries.push_back(entry);
    }
    return {};
}

// What the journal's name is when it is no plain file, in French; empty for a plain file.
std::string SwitchJournal::kindWord() const
{
    files::FileFacts facts;
    if (files::factsOf(path(), facts, false) != 0)
        return {};
    switch (facts.kind) {
    case files::FileFacts::Kind::regular:
        return {};
    case files::FileFacts::Kind::folder:
        return "un dossier";
    case files::FileFacts::Kind::link:
        return "un lien symbolique";
    case files::FileFacts::Kind::other:
        break;
    }
    return "un fichier spécial (tube, périphérique ou prise)";
}

// A journal that no switch wrote: kept under a free name for whoever put it there, never read
// nor removed, so that the next runs go on.
std::string SwitchJournal::setAside(const std::string& kind) const
{
    const std::string said = files::shownPath(path()) + " n'est pas un fichier ordinaire mais "
        + kind + " : ce n'est pas un journal de remplacement écrit par une fabrication de listes";
    int error = EEXIST;
    std::string aside;
    for (int i = 1; i <= 100 && error == EEXIST; ++i) {
        aside = path() + ".mis-de-cote" + (i == 1 ? std::string() : "-" + std::to_string(i));
        error = files::renameNew(path(), aside);
    }
    if (error != 0)
        return said + " ; il ne peut pas être mis de côté (" + textfile::systemReason(error)
            + ") : aucune liste ne peut être fabriquée dans " + files::shownPath(dataDir_)
            + " tant qu'il est là, le retirer à la main";
    files::syncFolder(dataDir_);
    return said + " ; il est mis de côté sous le nom " + files::shownPath(aside)
        + ", et aucune liste n'est touchée";
}

// Switched: the new file stands in its place (and the old one waits, when it replaced one).
SwitchJournal::State SwitchJournal::stateOf(const std::string& keptFolder, const Entry& entry) const
{
    const Identity now = Identity::of(dataDir_ + "/" + entry.name);
    if (now == entry.put)
        return !entry.replaces || Identity::of(keptPath(keptFolder, entry.name)) == entry.old
            ? State::switched
            : State::changed;
    const bool untouched = entry.replaces ? now == entry.old : !now.there;
    return untouched ? State::pending : State::changed;
}

std::vector<std::string> SwitchJournal::repair() const
{
    if (!exists())
        return {};
    if (const std::string kind = kindWord(); !kind.empty())
        return {setAside(kind)};
    std::string keptFolder;
    std::vector<Entry> entries;
    if (const auto read = this->read(keptFolder, entries); !read) {
        remove();
        return {read.why() + " : il est abandonné et aucun fichier n'est touché"};
    }
    std::vector<const Entry*> switched;
    for (const auto& entry : entries) {
        const State state = stateOf(keptFolder, entry);
        if (state == State::changed) {
            remove();
            return {"une fabrication interrompue avait laissé son journal dans "
                    + files::shownPath(dataDir_) + ", mais " + entry.name
                    + " a changé depuis : ce journal est abandonné, aucun fichier n'est remis à "
                      "sa place et les listes plus récentes restent"};
        }
        if (state == State::switched)
            switched.push_back(&entry);
    }
    std::vector<std::string> names;
    for (const Entry* entry : switched) {
        const std::string place = dataDir_ + "/" + entry->name;
        const int error = entry->replaces
            ? files::replaceFile(keptPath(keptFolder, entry->name), place)
            : files::removeFile(place);
        if (error != 0)
            return {"une fabrication interrompue a laissé " + files::shownPath(dataDir_)
                    + " à moitié remplacé et il ne peut pas être remis en état ("
                    + textfile::failureText(place, textfile::systemReason(error)) + ")"};
        names.push_back(entry->name);
    }
    remove();
    if (names.empty())
        return {};
    return {"une fabrication interrompue a été défaite : les fichiers de "
            + files::shownPath(dataDir_) + " sont de nouveau ceux d'avant elle (" + joined(names)
            + ")"};
}

std::string SwitchJournal::halfReplaced() const
{
    std::string keptFolder;
    std::vector<Entry> entries;
    if (!exists() || !read(keptFolder, entries))
        return {};
    std::vector<std::string> names;
    for (const auto& entry : entries)
        if (stateOf(keptFolder, entry) == State::switched)
            names.push_back(entry.name);
    if (names.empty())
        return {};
    return "le dossier des listes " + files::shownPath(dataDir_)
        + " est à moitié remplacé par une fabrication interrompue (nouvelles : " + joined(names)
        + " ; les autres listes sont celles d'avant) : il sera remis en état par le prochain "
          "lancement qui peut y écrire";
}

}  // namespace listfolder
