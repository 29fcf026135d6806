#include "plxRessourceStrings.h"

#include <QSet>
#include <QtTest>

namespace {
void (*const loadSet[])() = {CreateDefaultRessources_GER, CreateDefaultRessources_ENG, CreateDefaultRessources_FRA};
}

class tst_plxRessourceStrings : public QObject
{
    Q_OBJECT

private slots:
    void init() { PLXClearRessources(); }
    void cleanupTestCase() { PLXClearRessources(); }

    void setAppendsNewKeysAndOverwritesExisting();
    void keysCompareExactly();
    void builtInSetsHaveTheirKeyCounts_data();
    void builtInSetsHaveTheirKeyCounts();
    void tellingTexts_data();
    void tellingTexts();
    void laterSetOverwritesKeyByKey();
    void everyKeyHasATextInItsLanguage();
    void lastUserEmptiesTheTable();
};

void tst_plxRessourceStrings::setAppendsNewKeysAndOverwritesExisting()
{
    SetRessourceString(QStringLiteral("a"), QStringLiteral("1"));
    SetRessourceString(QStringLiteral("b"), QStringLiteral("2"));
    SetRessourceString(QStringLiteral("a"), QStringLiteral("3"));
    QCOMPARE(PLXRessources().size(), 2);
    QCOMPARE(PLXRessources().at(0).key, QStringLiteral("a"));
    QCOMPARE(PLXRessources().at(0).value, QStringLiteral("3"));
    QCOMPARE(PLXRessources().at(1).key, QStringLiteral("b"));
    QCOMPARE(GetRessourceValue(QStringLiteral("a")), QStringLiteral("3"));

    // Overriding one text of a loaded set keeps its place in the table.
    CreateDefaultRessources_ENG();
    const qsizetype before = PLXRessources().size();
    SetRessourceString(QStringLiteral("pp_caption"), QStringLiteral("Vorschau"));
    QCOMPARE(PLXRessources().size(), before);
    QCOMPARE(PLXRessources().at(2 + 3).key, QStringLiteral("pp_caption"));
    QCOMPARE(GetRessourceValue(QStringLiteral("pp_caption")), QStringLiteral("Vorschau"));
    SetRessourceString(QStringLiteral("my_key"), QStringLiteral("mine"));
    QCOMPARE(PLXRessources().size(), before + 1);
    QCOMPARE(PLXRessources().last().key, QStringLiteral("my_key"));
}

void tst_plxRessourceStrings::keysCompareExactly()
{
    QVERIFY(PLXRessources().isEmpty());
    QCOMPARE(GetRessourceValue(QStringLiteral("pp_caption")), QString());
    QCOMPARE(GetRessourceValue(QString()), QString());
    CreateDefaultRessources_GER();
    QCOMPARE(GetRessourceValue(QStringLiteral("pp_caption")), QStringLiteral("Druckvorschau"));
    QCOMPARE(GetRessourceValue(QStringLiteral("PP_CAPTION")), QString());
    QCOMPARE(GetRessourceValue(QStringLiteral("pp_caption ")), QString());
}

void tst_plxRessourceStrings::builtInSetsHaveTheirKeyCounts_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("count");
    QTest::newRow("German") << 0 << 140;
    QTest::newRow("English") << 1 << 140;
    QTest::newRow("French") << 2 << 138;
}

void tst_plxRessourceStrings::builtInSetsHaveTheirKeyCounts()
{
    QFETCH(int, language);
    QFETCH(int, count);
    loadSet[language]();
    QCOMPARE(PLXRessources().size(), count);

    // The table follows the fixed key order of the sets.
    const QStringList keys = PLXRessourceKeys();
    QCOMPARE(keys.size(), 140);
    QCOMPARE(QSet<QString>(keys.cbegin(), keys.cend()).size(), 140);
    qsizetype row = 0;
    for (const QString &key : keys) {
        if (language == 2 && key.startsWith(QLatin1String("pp_pp_PrintToFile")))
            continue;
        QCOMPARE(PLXRessources().at(row++).key, key);
    }
    QCOMPARE(keys.first(), QStringLiteral("autonumbercolumn"));
    QCOMPARE(keys.last(), QStringLiteral("df_fixedtaskbar"));
    QCOMPARE(keys.at(138), QStringLiteral("pp_pp_PrintToFile_Format"));
}

void tst_plxRessourceStrings::tellingTexts_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("french");
    const auto row = [](const char *key, const char *de, const char *en, const char *fr) {
        QTest::newRow(key) << QString::fromUtf8(key) << QString::fromUtf8(de) << QString::fromUtf8(en)
                           << QString::fromUtf8(fr);
    };
    row("autonumbercolumn", "Nr.", "No", "No");
    row("insertnewpertbarmsg1", "Ziehen Sie mit der Maus ein Rechteck auf,",
        "Insert a new pert bar by dragging the mouse.", "Insérer une nouvelle barre en glissant la souris.");
    row("insertnewpertbarmsg2", "um ein neues Objekt anzulegen.", "", "");
    row("df_calendarweekstring", "KW", "CW", "S");
    row("df_monthweekstring", "W", "W", "S");
    row("df_quarterlongstring", "Quartal", "Quarter", "Trimestre");
    row("df_quartershortstring", "Q", "Q", "T");
    row("df_fixedtaskbar", "fixiert", "Fix", "Fixe");
    row("pp_caption", "Druckvorschau", "Printing preview", "Aperçu avant impression");
    row("pp_ht_pageof", "Seite # von #", "Page # of #", "Page # de #");
    row("pp_sr_page", "Seite ", "Page ", "Page ");
    row("pp_of", "von", "of", "de");
    row("pp_menu_close", "Schließen", "Close", "Fermer");
    row("pp_op_copyof", "Kopie von", "Copy of", "Copie de");
    row("pp_pp_Prefix_printmsg", "Drucke Seite", "Print page", "Impression de la page");
    row("pp_msg_noprinter", "Keine Drucker gefunden!", "No printer device detected!",
        "Aucune imprimante sélectionnée !");
    row("pp_msg_printrange", "Der von Ihnen gewählte Druckbereich ist ungültig.", "Illegal print range!",
        "Etendue d'impression erronée !");
    row("pp_msg_emptynewname", "Die Bezeichnung darf nicht leer sind.", "The profile name is empty!",
        "Le nom de profil est vide !");
    row("pp_msg_alreadyexists", "Diese Bezeichnung ist bereits vorhanden.", "The profile does already exists.",
        "Ce profil existe déjà");
    row("pp_msg_deleteprofile_pre", "Wollen Sie die Einstellungen \"", "Do you want to delete the profile : \"",
        "Voulez-vous supprimer le profil : \"");
    row("pp_msg_deleteprofile_post", "\" löschen?", "\" ?", "\" ?");
}

void tst_plxRessourceStrings::tellingTexts()
{
    QFETCH(QString, key);
    QFETCH(QString, german);
    QFETCH(QString, english);
    QFETCH(QString, french);
    CreateDefaultRessources_GER();
    QCOMPARE(GetRessourceValue(key), german);
    CreateDefaultRessources_ENG();
    QCOMPARE(GetRessourceValue(key), english);
    CreateDefaultRessources_FRA();
    QCOMPARE(GetRessourceValue(key), french);
}

void tst_plxRessourceStrings::laterSetOverwritesKeyByKey()
{
    CreateDefaultRessources_GER();
    CreateDefaultRessources_FRA();
    QCOMPARE(PLXRessources().size(), 140);
    QCOMPARE(GetRessourceValue(QStringLiteral("pp_pp_PrintToFile")), QStringLiteral("Ausdruck in Datei"));
    QCOMPARE(GetRessourceValue(QStringLiteral("pp_pp_PrintToFile_Format")), QStringLiteral("Drucker Datei"));
    QCOMPARE(GetRessourceValue(QStringLiteral("pp_caption")), QStringLiteral("Aperçu avant impression"));

    PLXClearRessources();
    CreateDefaultRessources_FRA();
    QCOMPARE(GetRessourceValue(QStringLiteral("pp_pp_PrintToFile")), QString());
    CreateDefaultRessources_ENG();
    QCOMPARE(GetRessourceValue(QStringLiteral("pp_pp_PrintToFile")), QStringLiteral("Print to file"));
    // Keys first set by the English set come after the French ones.
    QCOMPARE(PLXRessources().at(138).key, QStringLiteral("pp_pp_PrintToFile"));
    QCOMPARE(PLXRessources().at(139).key, QStringLiteral("pp_pp_PrintToFile_Format"));
}

void tst_plxRessourceStrings::everyKeyHasATextInItsLanguage()
{
    // Only the second half of the PERT prompt is empty outside German.
    for (int language = 0; language < 3; ++language) {
        PLXClearRessources();
        loadSet[language]();
        for (const TLocalString &entry : PLXRessources()) {
            if (entry.key == QLatin1String("insertnewpertbarmsg2") && language != 0)
                QVERIFY(entry.value.isEmpty());
            else
                QVERIFY2(!entry.value.isEmpty(), qPrintable(QString::number(language) + QLatin1Char(' ') + entry.key));
        }
    }
}

void tst_plxRessourceStrings::lastUserEmptiesTheTable()
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

QTEST_APPLESS_MAIN(tst_plxRessourceStrings)
#include "tst_plxRessourceStrings.moc"
