#include "plxTypes.h"

#include <algorithm>
#include <cmath>

int PLXPixel(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double limit = PLXLimits::kMaxPixel;
    return static_cast<int>(std::nearbyint(std::clamp(value, -limit, limit)));
}

EPLXError::EPLXError(const QString &message)
    : std::runtime_error(message.toStdString())
    , FMessage(message)
{
}

EPLXAssertionFailed::EPLXAssertionFailed(const QString &source, int line)
    : EPLXError(QStringLiteral("Assertion fehlgeschlagen (%1, line %2)").arg(source).arg(line))
    , FSource(source)
    , FLine(line)
{
}

EPLXFileError::EPLXFileError(const QString &fileName, const QString &reason)
    : EPLXError(QStringLiteral("%1: %2").arg(fileName, reason))
    , FFileName(fileName)
{
}

QString plxSourceUnitName(const char *file)
{
    // Units are named by their top folder under src/ and their file name, so
    // a unit keeps its name whichever layer folder it sits in.
    QString path = QString::fromUtf8(file).replace(QLatin1Char('\\'), QLatin1Char('/'));
    const qsizetype src = path.lastIndexOf(QLatin1String("/src/"));
    QString unit = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    if (src >= 0 || path.startsWith(QLatin1String("src/"))) {
        const qsizetype start = src >= 0 ? src + 5 : 4;
        const qsizetype slash = path.indexOf(QLatin1Char('/'), start);
        if (slash > start)
            unit = QLatin1String("src/") + path.mid(start, slash - start) + QLatin1Char('/') + unit;
    }
    const qsizetype dot = unit.lastIndexOf(QLatin1Char('.'));
    if (dot > unit.lastIndexOf(QLatin1Char('/')))
        unit.truncate(dot);
    return unit;
}

void plxAssertionFailed(const char *file, int line)
{
    throw EPLXAssertionFailed(plxSourceUnitName(file), line);
}
