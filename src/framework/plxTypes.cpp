#include "plxTypes.h"

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
    QString path = QString::fromUtf8(file).replace(QLatin1Char('\\'), QLatin1Char('/'));
    const qsizetype src = path.lastIndexOf(QLatin1String("/src/"));
    if (src >= 0)
        path = path.mid(src + 1);
    else if (!path.startsWith(QLatin1String("src/")))
        path = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot > path.lastIndexOf(QLatin1Char('/')))
        path.truncate(dot);
    return path;
}

void plxAssertionFailed(const char *file, int line)
{
    throw EPLXAssertionFailed(plxSourceUnitName(file), line);
}
