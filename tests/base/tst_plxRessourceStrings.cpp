#include "plxRessourceStrings.h"

#include <QSet>
#include <QtTest>

namespace {
void (*const loadSet[])() = {CreateDefaultRessources_GER, CreateDefaultRessources_ENG, CreateDefaultRessources_FRA};

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

    void builtInSetsFollowTheFixedKeyOrder()
    {
        const QStringList keys = PLXRessourceKeys();
        QCOMPARE(QSet<QString>(keys.cbegin(), keys.cend()).size(), 140);
        QCOMPARE(QStringList({keys.first(), keys.at(138), keys.last()}),
                 QStringList({"autonumbercolumn", "pp_pp_PrintToFile_Format", "df_fixedtaskbar"}));
        for (int language = 0; language < 3; ++language) {
            PLXClearRessources();
            loadSet[language]();
            QStringList expected = keys;
            // The French set lacks the two print-to-file texts.
            if (language == 2)
                expected.removeIf([](const QString &key) { return key.startsWith(u"pp_pp_PrintToFile"); });
            QCOMPARE(tableKeys(), expected);
            // Only the second half of the PERT prompt is empty outside German.
            for (const TLocalString &entry : PLXRessources())
                QVERIFY2(entry.value.isEmpty() == (entry.key == QLatin1String("insertnewpertbarmsg2") && language != 0),
                         qPrintable(entry.key));
        }
    }

    void tellingTexts_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("texts"); // German, English, French
        const auto row = [](const char *key, const char *de, const char *en, const char *fr) {
            QTest::newRow(key) << QString::fromUtf8(key)
                               << QStringList({QString::fromUtf8(de), QString::fromUtf8(en), QString::fromUtf8(fr)});
        };
        row("autonumbercolumn", "Nr.", "No", "No");
        row("insertnewpertbarmsg2", "um ein neues Objekt anzulegen.", "", "");
        row("pp_caption", "Druckvorschau", "Printing preview", "Aperçu avant impression");
        row("pp_sr_page", "Seite ", "Page ", "Page ");
        row("pp_menu_close", "Schließen", "Close", "Fermer");
    }

    void tellingTexts()
    {
        QFETCH(QString, key);
        QFETCH(QStringList, texts);
        QStringList actual;
        for (const auto load : loadSet) {
            load();
            actual.append(GetRessourceValue(key));
        }
        QCOMPARE(actual, texts);
    }

    void laterSetOverwritesKeyByKey()
    {
        CreateDefaultRessources_GER();
        CreateDefaultRessources_FRA();
        QCOMPARE(PLXRessources().size(), 140);
        QCOMPARE(GetRessourceValue(QStringLiteral("pp_pp_PrintToFile")), QStringLiteral("Ausdruck in Datei"));
        QCOMPARE(GetRessourceValue(QStringLiteral("pp_caption")), QStringLiteral("Aperçu avant impression"));

        PLXClearRessources();
        CreateDefaultRessources_FRA();
        QCOMPARE(GetRessourceValue(QStringLiteral("pp_pp_PrintToFile")), QString());
        CreateDefaultRessources_ENG();
        QCOMPARE(GetRessourceValue(QStringLiteral("pp_pp_PrintToFile")), QStringLiteral("Print to file"));
        // Keys first set by the English set come after the French ones.
        QCOMPARE(tableKeys().mid(138), QStringList({"pp_pp_PrintToFile", "pp_pp_PrintToFile_Format"}));
    }

    void lastUserEmptiesTheTable()
    {
        PLXRessourcesInitialize();
        PLXRessourcesInitialize();
        CreateDefaultRessources_GER();
        PLXRessourcesFinalize();
        QCOMPARE(PLXRessources().size(), 140);
        PLXRessourcesFinalize();
        QVERIFY(PLXRessources().isEmpty());
        // An unbalanced finalize does nothing.
        CreateDefaultRessources_GER();
        PLXRessourcesFinalize();
        QCOMPARE(PLXRessources().size(), 140);
    }
};

QTEST_APPLESS_MAIN(tst_plxRessourceStrings)
#include "tst_plxRessourceStrings.moc"
