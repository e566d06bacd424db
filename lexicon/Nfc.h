#pragma once

#include <string>
#include <string_view>

namespace lexicon {

// Unicode NFC for the letters of French words: a letter followed by a combining accent (grave,
// acute, circumflex, tilde, diaeresis, ring, cedilla), as text copied from a PDF or typed on
// a Mac holds it, becomes the one accented letter (e + U+0301 gives é). The typographic
// ligatures that PDFs put in words (ﬁ, ﬂ, ﬀ, ﬃ, ﬄ) become their letters. Any other character
// is left as it is.
class Nfc {
public:
    static std::u32string composed(std::u32string_view text);
};

}  // namespace lexicon
