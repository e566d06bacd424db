#pragma once

#include <training/drill/LoadedList.h>

#include <textfile/LineSource.h>

#include <string>
#include <vector>

namespace drill {

// Reads list files: one entry per line, draw and solutions split at the first ";".
// Blank lines are skipped. A line longer than textfile::longestLine, a non-blank line without
// ";", or one whose solutions hold a control character or are longer than its draw, refuses
// the whole list, so that every list loaded can be drilled to its end. An empty file loads.
// There is no cap on the number of entries.
class ListLoader {
public:
    // Parses lines from any source. `fileName` only serves the messages.
    static ListLoad read(textfile::LineSource& lines, const std::string& fileName);

    // Where "data/<name>" lives: first relative to the working folder, then in each of
    // `dataFolders` in order (each stands for the "data" folder itself, e.g.
    // "<program dir>/../share/vorlane/data"). Empty when it is found nowhere.
    static std::string locate(const std::string& relativePath,
                              const std::vector<std::string>& dataFolders);
    // The places locate() looks at, in order.
    static std::vector<std::string> places(const std::string& relativePath,
                                           const std::vector<std::string>& dataFolders);
    // "Liste introuvable : data/x.txt (cherchée dans /home/x/data/x.txt, ...)": every place
    // looked at, made absolute.
    static std::string notFound(const std::string& relativePath,
                                const std::vector<std::string>& dataFolders);

    // Locates and reads one list file. Messages name `relativePath`:
    // "Liste introuvable : data/x.txt (cherchée dans ...)", "Liste illisible : data/x.txt",
    // "Liste refusée : data/x.txt, ligne 12 sans « ; »",
    // "Liste refusée : data/x.txt, ligne 12 : solutions plus longues que le tirage",
    // "Liste refusée : data/x.txt, ligne 12 : caractère de contrôle",
    // "Liste refusée : data/x.txt, ligne 12 : ligne trop longue (plus de 1 048 576 octets)",
    // "Liste refusée : data/x.txt, ligne 12 : mémoire insuffisante pour la charger".
    static ListLoad loadFile(const std::string& relativePath,
                             const std::vector<std::string>& dataFolders);

    // Looks `title` up in box `box` of the catalogue, then loads its file.
    // A title without a row gives "Liste inconnue : <title>".
    static ListLoad loadTitle(const std::string& title, int box,
                              const std::vector<std::string>& dataFolders);
    // Why a title that names no row of its box has no list.
    static std::string unknownTitle(const std::string& title);
};

}  // namespace drill
