#include <tools/listgen/src/OwnWordList.h>

#include <tools/listgen/src/GameWord.h>
#include <tools/listgen/src/Utf8.h>

#include <textfile/Cp1252.h>
#include <textfile/LineReader.h>
#include <textfile/StringByteSource.h>

#include <algorithm>

namespace listgen {

namespace {

std::string utf8Of(std::u16string_view text)
{
    std::string utf8;
    for (const char16_t c : text)
        Utf8::append(utf8, c);
    return utf8;
}

std::string trimmed(std::string_view line)
{
    const auto begin = line.find_first_not_of(" \t\r");
    if (begin == std::string_view::npos)
        return {};
    return std::string(line.substr(begin, line.find_last_not_of(" \t\r") - begin + 1));
}

}  // namespace

bool OwnWordList::read(const std::string& path, std::string& error)
{
    textfile::LineReader reader(path);
    if (!reader.isOpen()) {
        error = path + " : " + reader.errorText();
        return false;
    }
    std::vector<std::string> lines;
    for (std::string line; reader.next(line);)
        lines.push_back(line);
    if (reader.failed()) {
        error = path + " : " + reader.errorText();
        return false;
    }
    parseLines(lines);
    return true;
}

void OwnWordList::parse(std::string_view bytes)
{
    textfile::StringByteSource source{std::string(bytes)};
    textfile::LineReader reader(source);
    std::vector<std::string> lines;
    for (std::string line; reader.next(line);)
        lines.push_back(line);
    parseLines(lines);
}

// The whole list is one encoding: UTF-8 when every line decodes as such, Windows-1252 otherwise.
void OwnWordList::parseLines(std::vector<std::string> lines)
{
    const bool utf8 = std::all_of(lines.begin(), lines.end(),
                                  [](const std::string& line) { return Utf8::isValid(line); });
    if (utf8 && !lines.empty() && lines.front().compare(0, 3, "\xEF\xBB\xBF") == 0)
        lines.front().erase(0, 3);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string line =
            trimmed(utf8 ? lines[i] : utf8Of(textfile::Cp1252::decode(lines[i])));
        if (line.empty())
            continue;
        if (auto word = GameWord::fold(line))
            words_.insert(std::move(*word));
        else
            unreadable_.push_back(std::to_string(i + 1) + ": " + line);
    }
}

}  // namespace listgen
