#include <launcher/ReviewLine.h>

#include <QLocale>

namespace launcher {

QString ReviewLine::text(const study::DueCounts& due)
{
    const QLocale french(QLocale::French);
    QString line = QStringLiteral("Révisions du jour : %1 %2")
                       .arg(french.toString(due.today),
                            due.today > 1 ? QStringLiteral("tirages") : QStringLiteral("tirage"));
    if (due.tomorrow > 0)
        line += QStringLiteral(" — demain : %1").arg(french.toString(due.tomorrow));
    return line;
}

QString ReviewLine::unavailable(const QString& why)
{
    return QStringLiteral("Révisions indisponibles : %1").arg(why);
}

}  // namespace launcher
