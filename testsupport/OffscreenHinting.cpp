// Compiled into every window test built for Windows. Qt's offscreen platform there draws with
// FreeType and hints the faces fully, which widens every glyph to whole pixels; Debian's
// fontconfig asks for slight hinting, vertical only. The suites under wine measure the captions
// as they do on Linux when the application's font asks for the same.
#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>

namespace {

void hintVerticallyOffscreen()
{
    if (QGuiApplication::platformName() != QStringLiteral("offscreen"))
        return;
    QFont font = QGuiApplication::font();
    font.setHintingPreference(QFont::PreferVerticalHinting);
    QGuiApplication::setFont(font);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(hintVerticallyOffscreen)
