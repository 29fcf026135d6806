// Compares several values at once and names the one that differs by the
// expression that produced it, instead of "lists differ at index 2".
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtTest>

#include <cmath>
#include <memory>
#include <type_traits>

namespace plxtest {

// The top-level, comma-separated expressions of "({a, f(b, c), d})".
inline QStringList splitExpressions(const char *text)
{
    QString s = QString::fromLatin1(text).simplified();
    if (s.startsWith(QLatin1String("({")) && s.endsWith(QLatin1String("})")))
        s = s.mid(2, s.size() - 4);
    QStringList parts;
    int depth = 0;
    QString part;
    for (const QChar c : std::as_const(s)) {
        if (c == QLatin1Char(',') && depth == 0) {
            parts.append(part.trimmed());
            part.clear();
            continue;
        }
        if (c == QLatin1Char('(') || c == QLatin1Char('{') || c == QLatin1Char('['))
            ++depth;
        else if (c == QLatin1Char(')') || c == QLatin1Char('}') || c == QLatin1Char(']'))
            --depth;
        part.append(c);
    }
    parts.append(part.trimmed());
    return parts;
}

template<typename T>
QString valueText(const T &value)
{
    if constexpr (std::is_pointer_v<T>)
        return QString::asprintf("%p", static_cast<const void *>(value));
    else
        return QString::fromUtf8(std::unique_ptr<char[]>(QTest::toString(value)).get());
}

// Equal as QCOMPARE judges: floating values within its fuzzy tolerance.
template<typename T>
bool sameValue(const T &a, const T &b)
{
    if constexpr (std::is_floating_point_v<T>)
        return a == b || (qFuzzyIsNull(a) && qFuzzyIsNull(b)) || qFuzzyCompare(a, b);
    else
        return a == b;
}

// Empty when every value matches; else the first mismatch, named by its expression.
template<typename T>
QString firstMismatch(const char *expressions, const QList<T> &actual, const QList<T> &expected)
{
    const QStringList names = splitExpressions(expressions);
    if (actual.size() != expected.size())
        return QStringLiteral("%1 values, %2 expected").arg(actual.size()).arg(expected.size());
    for (qsizetype i = 0; i < actual.size(); ++i) {
        if (!sameValue(actual[i], expected[i]))
            return QStringLiteral("%1 is %2, expected %3")
                .arg(names.value(i, QString::number(i)), valueText(actual[i]), valueText(expected[i]));
    }
    return QString();
}

} // namespace plxtest

// PLX_COMPARE_EACH(int, ({a, b}), ({1, 2})): each value against its expectation.
#define PLX_COMPARE_EACH(Type, Actual, Expected)                                                                      \
    do {                                                                                                              \
        const QString plxMismatch = plxtest::firstMismatch<Type>(#Actual, QList<Type> Actual, QList<Type> Expected);  \
        QVERIFY2(plxMismatch.isEmpty(), qPrintable(plxMismatch));                                                     \
    } while (false)
