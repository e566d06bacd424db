#include <tools/listgen/src/OwnWordList.h>

#include <tools/listgen/src/GameWord.h>

#include <textfile/Cp1252.h>

#include <fstream>
#include <sstream>

namespace listgen {

namespace {

std::string utf8Of(std::u16string_view text)
{
    std::string utf8;
    for (const char16_t c : text) {
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else if (c < 0x800) {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | (c >> 12));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
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

bool OwnWordList::isUtf8(std::string_view bytes)
{
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[pos++]);
        int extra = 0;
        if (lead < 0x80)
            continue;
        if ((lead & 0xE0) == 0xC0 && lead >= 0xC2)
            extra = 1;
        else if ((lead & 0xF0) == 0xE0)
            extra = 2;
        else if ((lead & 0xF8) == 0xF0 && lead <= 0xF4)
            extra = 3;
        else
            return false;
        for (int i = 0; i < extra; ++i) {
            if (pos >= bytes.size() || (static_cast<unsigned char>(bytes[pos++]) & 0xC0) != 0x80)
                return false;
        }
    }
    return true;
}

bool OwnWordList::read(const std::string& path, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + " : lecture impossible";
        return false;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    parse(bytes.str());
    return true;
}

void OwnWordList::parse(std::string_view bytes)
{
    std::string text;
    if (isUtf8(bytes)) {
        text.assign(bytes);
        if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
            text.erase(0, 3);
    } else {
        text = utf8Of(textfile::Cp1252::decode(bytes));
    }
    std::size_t number = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        auto end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos)
            end = text.size();
        ++number;
        const std::string line = trimmed(std::string_view(text).substr(pos, end - pos));
        if (!line.empty()) {
            if (auto word = GameWord::fold(line))
                words_.insert(std::move(*word));
            else
                unreadable_.push_back(std::to_string(number) + ": " + line);
        }
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size()
            && text[end + 1] == '\n')
            ++end;
        pos = end + 1;
    }
}

}  // namespace listgen
