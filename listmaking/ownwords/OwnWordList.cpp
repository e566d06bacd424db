#include <listmaking/ownwords/OwnWordList.h>

#include <listmaking/ownwords/ShownText.h>
#include <textfile/FileFailure.h>

#include <files/ShownPath.h>

#include <lexicon/GameWord.h>
#include <lexicon/Nfc.h>
#include <lexicon/Utf8.h>

#include <files/FileFacts.h>

#include <textfile/Cp1252.h>
#include <textfile/FileByteSource.h>

#include <algorithm>

namespace listmaking {

namespace {

constexpr std::size_t sampleSize = 4096;  // bytes looked at to tell UTF-16 without BOM
constexpr std::size_t shownCharacters = 60;

std::string utf8OfCp1252(std::string_view bytes)
{
    std::string utf8;
    for (const char16_t c : textfile::Cp1252::decode(bytes))
        lexicon::Utf8::append(utf8, c);
    return utf8;
}

// UTF-8 with every byte that decodes as nothing shown as U+FFFD.
std::string displayable(std::string_view bytes)
{
    std::u32string text = lexicon::Utf8::decode(bytes);
    for (auto& c : text) {
        if (c >= 0xDC80 && c <= 0xDCFF)
            c = 0xFFFD;
    }
    return lexicon::Utf8::encode(text);
}

bool isBlank(char32_t c)
{
    return c == U' ' || c == U'\t' || c == U'\u00A0' || c == U'\uFEFF' || c == U'\f' || c == U'\v';
}

std::string trimmed(const std::string& utf8)
{
    const std::u32string text = lexicon::Utf8::decode(utf8);
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return lexicon::Utf8::encode(text.substr(begin, end - begin));
}

// Shown as nothing, or as a mark on its neighbour: named by code point only.
bool isInvisible(char32_t c)
{
    return (c >= 0x300 && c <= 0x36F) || (c >= 0x200B && c <= 0x200F)
        || (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) || c == 0xAD || c == 0xFEFF
        || c == 0x34F;
}

// A character that no text holds: a control character, a byte that decodes as nothing.
bool isSuspect(char32_t c)
{
    return ShownText::isControl(c) || c == 0xFFFD || (c >= 0xDC80 && c <= 0xDCFF);
}

// The text quoted from the player's file, shortened when long, shown as ShownText shows it and
// its invisible characters written <U+200B> too: never a raw escape sequence to a terminal nor
// a NUL in a file.
std::string quoted(const std::string& utf8)
{
    const std::u32string text = lexicon::Utf8::decode(utf8);
    std::string shown;
    for (std::size_t i = 0; i < text.size() && i < shownCharacters; ++i) {
        if (isInvisible(text[i]))
            shown += ShownText::codePoint(text[i]);
        else
            ShownText::append(shown, text[i]);
    }
    return text.size() > shownCharacters ? shown + "…" : shown;
}

// Why a line is no word of the game, by its first character that is no letter.
std::string reasonOf(const std::string& line)
{
    for (const char32_t c : lexicon::Utf8::decode(line)) {
        if (c >= U'0' && c <= U'9')
            return "un chiffre n'est pas une lettre";
        if (isBlank(c))
            return "plusieurs mots sur une ligne";
        if (c == U'-')
            return "un trait d'union";
        if (c == U'\'' || c == U'\u2019')
            return "une apostrophe";
        const std::string one = lexicon::Utf8::encode(std::u32string(1, c));
        if (lexicon::GameWord::fold(one))
            continue;
        if (ShownText::isControl(c))
            return "un caractère de contrôle (" + ShownText::codePointName(c)
                + ") n'est pas une lettre";
        if (c >= 0x300 && c <= 0x36F)
            return "l'accent seul " + ShownText::codePointName(c)
                + " ne se pose sur aucune lettre du jeu";
        if (isInvisible(c))
            return "le caractère invisible " + ShownText::codePointName(c)
                + " n'est pas une lettre du jeu";
        return "le caractère « " + one + " » (" + ShownText::codePointName(c)
            + ") n'est pas une lettre du jeu";
    }
    return "pas un mot du jeu";
}

bool hasSuspect(const std::string& utf8)
{
    const std::u32string text = lexicon::Utf8::decode(utf8);
    return std::any_of(text.begin(), text.end(), isSuspect);
}

// Small letters: the typed spelling that names the dictionary's words spelt so.
std::string smallLetters(const std::u32string& text)
{
    std::u32string small = text;
    for (auto& c : small) {
        if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
            c += 0x20;
        else if (c == 0x152)
            c = 0x153;
        else if (c == 0x178)
            c = 0xFF;
    }
    return lexicon::Utf8::encode(small);
}

bool hasHighByte(std::string_view bytes)
{
    return std::any_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

}  // namespace

status::Status OwnWordList::read(const std::string& path, const RunControl& control)
{
    files::FileFacts facts;
    const bool known = files::factsOf(path, facts) == 0;
    const double size = known ? static_cast<double>(facts.size) : 0.0;  // 0: no progress told
    double done = 0;                                                    // bytes, over both passes
    for (const Pass pass : {Pass::count, Pass::take}) {
        textfile::FileByteSource source(path);
        if (!source.isOpen())
            return textfile::fromErrno(path, source.errorNumber());
        startPass(pass);
        char buffer[1 << 16];
        while (!tooManyLines_) {
            if (control.cancelled())
                return status::Status::cancelled();
            const std::size_t got = source.read(buffer, sizeof buffer);
            if (got == 0)
                break;
            feed(std::string_view(buffer, got));
            done += static_cast<double>(got);
            if (size > 0)
                control.report(std::min(1.0, done / (2 * size)), "lecture du fichier");
        }
        if (source.failed())
            return textfile::fromErrno(path, source.errorNumber());
        if (tooManyLines_)
            return textfile::failureAt(path,
                                       "plus de " + std::to_string(mostLines)
                                           + " lignes, ce n'est pas une liste de mots");
        finish();
    }
    if (isNotText())
        return status::Status::failure(
            files::shownPath(path) + " n'est pas une liste de mots : "
            + std::to_string(suspectLines_) + " de ses " + std::to_string(textLines_)
            + " lignes contiennent des caractères de contrôle ou des octets illisibles (un "
              "fichier binaire, une image, un document de traitement de texte ?). Enregistrez "
              "vos mots en texte brut, un par ligne");
    return {};
}

void OwnWordList::parse(std::string_view bytes)
{
    for (const Pass pass : {Pass::count, Pass::take}) {
        startPass(pass);
        feed(bytes);
        finish();
    }
}

void OwnWordList::startPass(Pass pass)
{
    if (pass == Pass::count)
        *this = OwnWordList{};
    pass_ = pass;
    mode_ = Mode::undecided;
    head_.clear();
    bom_ = false;
    lastWasCr_ = false;
    pendingByte_ = -1;
    highSurrogate_ = 0;
    current_.clear();
    currentTooLong_ = false;
    currentSize_ = 0;
    lineNumber_ = 0;
}

void OwnWordList::feed(std::string_view chunk)
{
    if (mode_ == Mode::undecided) {
        head_.append(chunk);
        if (head_.size() < sampleSize)
            return;
        decideMode();
        chunk = head_;
    }
    if (mode_ == Mode::eightBit)
        feedEightBit(chunk);
    else
        feedUtf16(chunk);
    head_.clear();
}

void OwnWordList::finish()
{
    if (mode_ == Mode::undecided) {
        decideMode();
        const std::string head = std::move(head_);
        if (mode_ == Mode::eightBit)
            feedEightBit(head);
        else
            feedUtf16(head);
    }
    if (pendingByte_ >= 0)
        appendToLine("\xEF\xBF\xBD");  // an odd last byte: U+FFFD
    if (!current_.empty() || currentTooLong_)
        endLine();
    if (pass_ == Pass::count)
        decideEncoding();
}

// A byte order mark, or in its absence the zero bytes of UTF-16 (every other byte of Latin
// text), tells the encoding; an 8-bit file is told UTF-8 or Windows-1252 once it is read.
void OwnWordList::decideMode()
{
    const auto starts = [&](std::string_view mark) {
        return head_.compare(0, mark.size(), mark) == 0;
    };
    if (starts("\xEF\xBB\xBF")) {
        mode_ = Mode::eightBit;
        bom_ = true;
        head_.erase(0, 3);
    } else if (starts("\xFF\xFE") || starts("\xFE\xFF")) {
        mode_ = head_[0] == '\xFF' ? Mode::utf16le : Mode::utf16be;
        bom_ = true;
        head_.erase(0, 2);
    } else {
        std::size_t evenZeros = 0;
        std::size_t oddZeros = 0;
        for (std::size_t i = 0; i < head_.size(); ++i) {
            if (head_[i] == '\0')
                ++(i % 2 ? oddZeros : evenZeros);
        }
        const std::size_t quarter = head_.size() / 4;
        if (oddZeros > quarter && evenZeros * 10 < oddZeros)
            mode_ = Mode::utf16le;
        else if (evenZeros > quarter && oddZeros * 10 < evenZeros)
            mode_ = Mode::utf16be;
        else
            mode_ = Mode::eightBit;
    }
}

void OwnWordList::feedEightBit(std::string_view chunk)
{
    std::size_t pos = 0;
    while (pos < chunk.size()) {
        if (lastWasCr_ && chunk[pos] == '\n') {
            lastWasCr_ = false;
            ++pos;
            continue;
        }
        lastWasCr_ = false;
        const auto end = chunk.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            appendToLine(chunk.substr(pos));
            return;
        }
        appendToLine(chunk.substr(pos, end - pos));
        endLine();
        lastWasCr_ = chunk[end] == '\r';
        pos = end + 1;
    }
}

void OwnWordList::feedUtf16(std::string_view chunk)
{
    for (const char byte : chunk) {
        if (pendingByte_ < 0) {
            pendingByte_ = static_cast<unsigned char>(byte);
            continue;
        }
        const auto second = static_cast<unsigned char>(byte);
        const auto first = static_cast<unsigned>(pendingByte_);
        pendingByte_ = -1;
        const char16_t unit = static_cast<char16_t>(mode_ == Mode::utf16le ? first | second << 8
                                                                           : first << 8 | second);
        char32_t c = unit;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            highSurrogate_ = unit;
            continue;
        }
        if (unit >= 0xDC00 && unit <= 0xDFFF) {
            c = highSurrogate_ ? 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00)
                               : 0xFFFD;
        } else if (highSurrogate_) {
            appendToLine("\xEF\xBF\xBD");  // a first half without its second
        }
        highSurrogate_ = 0;
        if (lastWasCr_ && c == U'\n') {
            lastWasCr_ = false;
            continue;
        }
        lastWasCr_ = c == U'\r';
        if (c == U'\r' || c == U'\n') {
            endLine();
            continue;
        }
        std::string utf8;
        lexicon::Utf8::append(utf8, c);
        appendToLine(utf8);
    }
}

void OwnWordList::appendToLine(std::string_view bytes)
{
    currentSize_ += bytes.size();
    if (currentTooLong_)
        return;
    current_.append(bytes);
    if (currentSize_ > longestLine) {
        currentTooLong_ = true;
        current_.resize(shownCharacters);  // kept to name the line
    }
}

void OwnWordList::endLine()
{
    ++lineNumber_;
    if (currentTooLong_ || !current_.empty()) {
        if (pass_ == Pass::count)
            countLine(current_, currentTooLong_);
        else
            takeRawLine(lineNumber_, current_, currentTooLong_);
    }
    current_.clear();
    currentTooLong_ = false;
    currentSize_ = 0;
}

void OwnWordList::countLine(const std::string& bytes, bool tooLong)
{
    if (++textLines_ > mostLines)
        tooManyLines_ = true;
    if (mode_ == Mode::eightBit && !tooLong && hasHighByte(bytes))
        ++(lexicon::Utf8::isValid(bytes) ? utf8Lines_ : otherLines_);
}

// The whole list is one encoding: in an 8-bit file, UTF-8 when it has a BOM or when more of
// its lines with accents decode as UTF-8 than not, Windows-1252 otherwise (the encoding of
// every list file, and the reading of any byte).
void OwnWordList::decideEncoding()
{
    utf8_ = bom_ || utf8Lines_ > otherLines_;
    if (mode_ == Mode::eightBit)
        encoding_ = bom_  ? "UTF-8 avec BOM"
            : utf8_       ? "UTF-8"
            : otherLines_ ? "Windows-1252"
                          : "ASCII";
    else
        encoding_ = std::string(mode_ == Mode::utf16le ? "UTF-16 LE" : "UTF-16 BE")
            + (bom_ ? "" : " sans BOM");
}

void OwnWordList::takeRawLine(std::size_t number, const std::string& bytes, bool tooLong)
{
    const bool valid = lexicon::Utf8::isValid(bytes);
    const bool asUtf8 = mode_ != Mode::eightBit || utf8_;
    const std::string text = asUtf8 ? displayable(bytes) : utf8OfCp1252(bytes);
    if (hasSuspect(text))
        ++suspectLines_;
    if (tooLong) {
        refuse(number, text + "…",
               "ligne trop longue (plus de " + std::to_string(longestLine) + " octets)");
    } else if (asUtf8 && valid) {
        takeLine(number, bytes);
    } else if (asUtf8) {
        refuse(number, utf8OfCp1252(bytes),
               "pas en UTF-8 comme le reste du fichier (lue ici en Windows-1252)");
    } else if (hasHighByte(bytes) && valid) {
        refuse(number, bytes, "écrite en UTF-8 alors que le reste du fichier est en Windows-1252");
    } else {
        takeLine(number, text);
    }
}

void OwnWordList::takeLine(std::size_t number, const std::string& utf8)
{
    const std::u32string line = lexicon::Nfc::composed(lexicon::Utf8::decode(trimmed(utf8)));
    if (line.empty())
        return;
    const std::string text = lexicon::Utf8::encode(line);
    auto word = lexicon::GameWord::fold(text);
    if (!word) {
        refuse(number, text, reasonOf(text));
        return;
    }
    // kept from memory too: a file of long lines of letters is no list of words
    if (word->size() > longestWord) {
        refuse(number, text,
               "plus de " + std::to_string(longestWord) + " lettres, aucun mot n'est si long");
        return;
    }
    const bool plain = std::all_of(line.begin(), line.end(), [](char32_t c) { return c < 0x80; });
    const bool added = typed_.insert({*word, plain ? std::string() : smallLetters(line)}).second;
    words_.insert(std::move(*word));
    if (!added)
        ++repeats_;
}

void OwnWordList::refuse(std::size_t number, const std::string& utf8, const std::string& reason)
{
    if (++refusedCount_ > keptRefusals)
        return;
    const std::string text = quoted(utf8);
    refused_.push_back({number, text, reason});
    unreadable_.push_back(std::to_string(number) + ": " + text);
}

}  // namespace listmaking
