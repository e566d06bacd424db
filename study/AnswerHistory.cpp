#include <study/AnswerHistory.h>

#include <study/FrenchFormat.h>
#include <study/SqliteStatement.h>
#include <study/StudyRecord.h>

#include <files/AsideFile.h>
#include <files/ShownPath.h>
#include <textfile/Cp1252.h>
#include <textfile/SystemReason.h>

#include <sqlite3.h>

namespace study {

namespace {

const std::size_t kChunk = 1 << 16;

// Windows-1252 bytes of a list file as UTF-8.
std::string utf8Of(const std::string& bytes)
{
    std::string text;
    for (const char16_t unit : textfile::Cp1252::decode(bytes)) {
        if (unit < 0x80) {
            text += static_cast<char>(unit);
        } else if (unit < 0x800) {
            text += static_cast<char>(0xC0 | (unit >> 6));
            text += static_cast<char>(0x80 | (unit & 0x3F));
        } else {
            text += static_cast<char>(0xE0 | (unit >> 12));
            text += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (unit & 0x3F));
        }
    }
    return text;
}

// A field as CSV writes it: between quotes, its quotes doubled, when it holds « ; », a quote
// or a line break.
std::string field(const std::string& text)
{
    if (text.find_first_of(";\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

std::string lineOf(const SqliteStatement& row)
{
    const std::int64_t at = row.integer(0);
    const std::string exercise = row.isNull(1) ? "révision" : row.text(1);
    return FrenchFormat::date(at) + ";" + FrenchFormat::timeOfDay(at) + ";" + field(exercise) + ";"
        + field(row.text(2)) + ";" + field(utf8Of(row.text(3))) + ";" + field(utf8Of(row.text(4)))
        + ";" + (row.integer(5) ? "oui" : "non") + ";" + std::to_string(row.integer(6)) + "\r\n";
}

}  // namespace

std::string AnswerHistory::header()
{
    return "Date;Heure;Exercice;Liste;Tirage;Solutions;Trouvé;Secondes\r\n";
}

status::Status AnswerHistory::write(StudyRecord& record, const std::string& path)
{
    auto failed = [&path](const std::string& why) {
        return status::Status::failure("impossible d'écrire l'historique des réponses « "
                                       + files::shownPath(path) + " » : " + why);
    };
    if (!record.database().isOpen())
        return record.readFailure(SQLITE_MISUSE);
    files::AsideFile file;
    int error = file.open(path);
    std::string chunk = "\xEF\xBB\xBF" + header();
    int code = SQLITE_OK;
    SqliteStatement* rows = error == 0
        ? record.database().cached(
            "SELECT c.at, c.list, d.list, d.draw, d.solutions, a.found, a.seconds FROM answer a "
            "JOIN correction c ON c.id = a.correction JOIN deck_draw d ON d.id = a.draw "
            "ORDER BY a.id",
            code)
        : nullptr;
    if (rows) {
        while (error == 0 && (code = rows->step()) == SQLITE_ROW) {
            chunk += lineOf(*rows);
            if (chunk.size() >= kChunk) {
                error = file.write(chunk.data(), chunk.size());
                chunk.clear();
            }
        }
        rows->reset();
    }
    if (error == 0 && code != SQLITE_DONE) {
        file.discard();
        return record.readFailure(code);
    }
    if (error == 0)
        error = file.write(chunk.data(), chunk.size());
    if (error == 0)
        error = file.commit();
    if (error != 0) {
        file.discard();
        return failed(textfile::systemReason(error));
    }
    return {};
}

}  // namespace study
