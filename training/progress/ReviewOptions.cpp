#include <training/progress/ReviewOptions.h>

#include <QLocale>
#include <QSettings>

#include <algorithm>
#include <cmath>

namespace training {

namespace {

const QString kRetention = QStringLiteral("revision/retention");
const QString kNewPerDay = QStringLiteral("revision/nouveaux_par_jour");

bool retentionInRange(double retention)
{
    // Typed in percent with at most a few decimals: a hair's margin for the division by 100.
    return std::isfinite(retention) && retention >= ReviewOptions::kLowestRetention - 1e-9
        && retention <= ReviewOptions::kHighestRetention + 1e-9;
}

}  // namespace

ReviewOptions ReviewOptions::read(const QString& file)
{
    const QSettings settings(file, QSettings::IniFormat);
    ReviewOptions options;
    bool number = false;
    const double retention = settings.value(kRetention).toDouble(&number);
    if (number && retentionInRange(retention))
        options.policy.desiredRetention = retention;
    const int newPerDay = settings.value(kNewPerDay).toInt(&number);
    if (number && newPerDay >= 0 && newPerDay <= kMostNewPerDay)
        options.policy.newPerDay = newPerDay;
    return options;
}

void ReviewOptions::write(const QString& file) const
{
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(kRetention, policy.desiredRetention);
    settings.setValue(kNewPerDay, policy.newPerDay);
}

std::optional<double> ReviewOptions::parseRetention(const QString& percent)
{
    QString text = percent.trimmed();
    if (text.endsWith(QLatin1Char('%')))
        text.chop(1);
    text = text.trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
    bool number = false;
    const double value = QLocale::c().toDouble(text, &number);
    if (!number || text.contains(QLatin1Char('e'), Qt::CaseInsensitive))
        return std::nullopt;
    const double retention = value / 100;
    if (!retentionInRange(retention))
        return std::nullopt;
    return std::clamp(retention, kLowestRetention, kHighestRetention);
}

std::optional<int> ReviewOptions::parseNewPerDay(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 4)
        return std::nullopt;
    for (const QChar character : trimmed)
        if (character < QLatin1Char('0') || character > QLatin1Char('9'))
            return std::nullopt;
    return trimmed.toInt();
}

QString ReviewOptions::percentText(double retention)
{
    return QLocale(QLocale::French).toString(retention * 100, 'g', 4);
}

}  // namespace training
