#include "plxRessourceStrings.h"

#include <QtTest>

namespace {

QStringList tableKeys()
{
    QStringList keys;
    for (const TLocalString &entry : PLXRessources())
        keys.append(entry.key);
    return keys;
}
} // namespace

class tst_plxRessourceStrings : public QObject
{
    Q_OBJECT

private slots:
    void init() { PLXClearRessources(); }
    void cleanupTestCase() { PLXClearRessources(); }

    void setAppendsNewKeysAndOverwritesExisting()
    {
        SetRessourceString(QStringLiteral("a"), QStringLiteral("1"));
        SetRessourceString(QStringLiteral("b"), QStringLiteral("2"));
        SetRessourceString(QStringLiteral("a"), QStringLiteral("3"));
        QCOMPARE(tableKeys(), QStringList({"a", "b"}));
        QCOMPARE(GetRessourceValue(QStringLiteral("a")), QStringLiteral("3"));

        // Overriding one text of a loaded set keeps its place in the table.
        CreateDefaultRessources_ENG();
        const QStringList before = tableKeys();
        SetRessourceString(QStringLiteral("pp_caption"), QStringLiteral("Vorschau"));
        QCOMPARE(tableKeys(), before);
        QCOMPARE(GetRessourceValue(QStringLiteral("pp_caption")), QStringLiteral("Vorschau"));
    }

    void keysCompareExactly()
    {
        QCOMPARE(GetRessourceValue(QStringLiteral("pp_caption")), QString());
        CreateDefaultRessources_GER();
        QCOMPARE(GetRessourceValue(QStringLiteral("pp_caption")), QStringLiteral("Druckvorschau"));
        QCOMPARE(GetRessourceValue(QStringLiteral("PP_CAPTION")), QString());
        QCOMPARE(GetRessourceValue(QStringLiteral("pp_caption ")), QString());
    }
};

QTEST_APPLESS_MAIN(tst_plxRessourceStrings)
#include "tst_plxRessourceStrings.moc"
