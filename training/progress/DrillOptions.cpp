#include <training/progress/DrillOptions.h>

#include <files/FileFacts.h>
#include <places/PlayerFolders.h>

#include <QSettings>

namespace training {

namespace {

const QString kCriterion = QStringLiteral("entrainement/critere");
const QString kThreshold = QStringLiteral("entrainement/seuil");
const QString kFonts = QStringLiteral("entrainement/police");
const QString kClocks = QStringLiteral("entrainement/horloges");

// A missing file or a plain one; a pipe in its place would stop the program for ever.
bool mayOpen(const QString& file)
{
    files::FileFacts facts;
    const int error = files::factsOf(file.toStdString(), facts);
    return error != 0 || facts.kind == files::FileFacts::Kind::regular;
}

}  // namespace

QString DrillOptions::playerFile()
{
    return QString::fromStdString(places::PlayerFolders::options());
}

DrillOptions DrillOptions::read(const QString& file)
{
    DrillOptions options;
    if (!mayOpen(file))
        return options;  // the design's
    const QSettings settings(file, QSettings::IniFormat);
    if (settings.value(kCriterion).toString() == QLatin1String("secondes"))
        options.criterion = drill::Criterion::BySpeed;
    options.threshold = settings.value(kThreshold).toString();
    options.fontClicks = qBound(0, settings.value(kFonts, 0).toInt(), 14);
    options.clocksShown = settings.value(kClocks, true).toBool();
    return options;
}

void DrillOptions::write(const QString& file) const
{
    if (!mayOpen(file))
        return;
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(kCriterion,
                      criterion == drill::Criterion::BySpeed ? QStringLiteral("secondes")
                                                             : QStringLiteral("reussites"));
    settings.setValue(kThreshold, threshold);
    settings.setValue(kFonts, fontClicks);
    settings.setValue(kClocks, clocksShown);
}

}  // namespace training
