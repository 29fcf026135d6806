// The INI file service: what real files contain, how writes reach the disk, and that a failed save loses nothing.
#include "plxIniDocument.h"
#include "plxMedia.h"
#include "plxPlatform.h"
#include "plxTestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

static QString value(const TPLXIniDocument &doc, const QString &section, const QString &key)
{
    QString v;
    return doc.readString(section, key, v) ? v : QStringLiteral("<absent>");
}

class tst_plxIniDocument : public QObject
{
    Q_OBJECT

    QTemporaryDir FDir;

private slots:
    void readsAndWritesBackUntouched_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("lookup"); // section, key, the value read, then every section name
        const auto row = [](const char *name, const QByteArray &text, const QStringList &lookup) {
            QTest::newRow(name) << text << lookup;
        };
        row("case", "[Ünïcode]\nKÉY = v w\n", {"üNÏCODE", "kéy", "v w", "Ünïcode"});
        // Keys of a repeated section that the first one lacks are not reached.
        row("repeated names", "[a]\nk=1\n[b]\n[A]\nk=3\nonly=4\n", {"a", "only", "<absent>", "a", "b"});
        row("odd lines", "preamble=1\n; c = x\nno equals\n=no key\n[s]\nk=t\n", {"s", "k", "t", "s"});
        row("invalid UTF-8",
            "[s]\nk=a\xFF\xFE"
            "b\n",
            {"s", "k",
             QString::fromUtf8("a\xFF\xFE"
                               "b"),
             "s"});
        row("huge", "[s]\nk=" + QByteArray(10 << 20, 'x') + "\n[t]\n", {"s", "k", QString(10 << 20, 'x'), "s", "t"});
    }

    void readsAndWritesBackUntouched()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, lookup);
        auto doc = TPLXIniDocument::fromBytes(text);
        // The second pass reads a document compacted to its text.
        for (int pass = 0; pass < 2; ++pass, doc->compact()) {
            QCOMPARE(value(*doc, lookup[0], lookup[1]), lookup[2]);
            QCOMPARE(doc->sections(), lookup.mid(3));
            QCOMPARE(doc->toBytes(), text);
        }
    }

    void editsKeepTheRestOfTheText()
    {
        const auto written = [](const char *text, QStringView section, QStringView erased = {}) {
            auto doc = TPLXIniDocument::fromBytes(text);
            if (!erased.isEmpty())
                doc->eraseSection(erased);
            doc->writeString(section, u"k", u"w");
            doc->compact(); // keeps a document with writes as it is
            return doc->toBytes();
        };
        QCOMPARE(written("[a]\nk=1\nk=2\n[A]\nk=3\n", u"A"), QByteArray("[a]\nk=w\nk=2\n[A]\nk=3\n"));
        // A repeated key reads as its first line, also right after the line before its repeat was read.
        const auto repeated = TPLXIniDocument::fromBytes("[s]\nk=1\nj=2\nK=3\n");
        QCOMPARE(value(*repeated, "s", "j"), QStringLiteral("2"));
        QCOMPARE(value(*repeated, "s", "k"), QStringLiteral("1"));
        QCOMPARE(written("\xEF\xBB\xBF[s]\r\nx=v\r\n", u"s"), QByteArray("\xEF\xBB\xBF[s]\r\nx=v\r\nk=w\r\n"));
        QCOMPARE(written("[s]\nk=v", u"t"), QByteArray("[s]\nk=v\n[t]\nk=w\n"));
        // Odd headers and blanks around names are read, and written back plain.
        QCOMPARE(written("[unclosed\nk=u\n[x]trailing\n  K  =  v  \n", u"x"),
                 QByteArray("[unclosed]\nk=u\n[x]\nK=w\n"));
        // Erasing removes every occurrence; the name can then be used afresh.
        QCOMPARE(written("[a]\nk=1\n[b]\nk=2\n[A]\nk=3\n", u"A", u"a"), QByteArray("[b]\nk=2\n[A]\nk=w\n"));
        // A rewritten section keeps the keys written to it (also with the value they held) and its
        // lines without a key; its repeats go.
        auto doc = TPLXIniDocument::fromBytes("[a]\n;c\nk=1\nold=2\nj = 3\n[b]\nx=1\n[A]\nk=3\n");
        doc->beginRewrite();
        doc->writeString(u"a", u"k", u"1");
        doc->writeString(u"a", u"j", u"3");
        doc->commitRewrite();
        QCOMPARE(doc->toBytes(), QByteArray("[a]\n;c\nk=1\nj=3\n[b]\nx=1\n"));
    }

    void anyValueRoundTripsOddNamesAreRefused()
    {
        // Each value is followed by another key, which must not be swallowed.
        const QStringList values = {"one\ntwo\r\nthree",
                                    "  padded\t",
                                    "\"C:\\new\\table\"",
                                    "C:\\plans\\new.ini",
                                    "",
                                    "a=b [c]; d",
                                    QChar(0xFEFF) + QStringLiteral("x\nline")};
        auto doc = TPLXIniDocument::fromBytes(QByteArray());
        for (int i = 0; i < values.size(); ++i)
            doc->writeString(u"s", QString::number(i), values[i]);
        auto again = TPLXIniDocument::fromBytes(doc->toBytes());
        QCOMPARE(again->keys(u"s").size(), values.size());
        for (int i = 0; i < values.size(); ++i)
            QCOMPARE(value(*again, "s", QString::number(i)), values[i]);

        // Names cannot be quoted: those the format cannot hold are refused and nothing is written.
        doc = TPLXIniDocument::fromBytes(QByteArray());
        for (const QStringList &bad : QList<QStringList>{{"a]b", "k"}, {"s", "k=v"}, {"s", "a\nb"}, {"", "k"}})
            QVERIFY_THROWS_EXCEPTION(EPLXError, doc->writeString(bad[0], bad[1], u""));
        QCOMPARE(doc->toBytes(), QByteArray());
    }

    void manyKeysInOneSectionStayFindable()
    {
        // Past a dozen keys the section gets its own hash table; appends keep it current.
        auto doc = TPLXIniDocument::fromBytes("[big]\nk0=0\n[other]\nx=1\n");
        for (int i = 1; i < 3000; ++i)
            doc->writeString(u"big", QStringLiteral("k%1").arg(i), QString::number(i));
        for (int i = 0; i < 3000; i += 37)
            QCOMPARE(value(*doc, "BIG", QStringLiteral("K%1").arg(i)), QString::number(i));
        QCOMPARE(TPLXIniDocument::fromBytes(doc->toBytes())->keys(u"big").size(), 3000); // none went to [other]
    }

    void storesOnOneFileShareWritesAndFlushOnRelease()
    {
        const QString path = FDir.filePath(QStringLiteral("shared.ini"));
        plxtest::writeFile(path, "[keep]\nuntouched = as written\n[s]\nold=1\n");
        {
            TPLXINIFIle first(path);
            TPLXINIFIle second(QStringLiteral("./shared.ini")); // the first store made the directory current
            first.setStrProperty(QStringLiteral("s"), QStringLiteral("new"), QStringLiteral("2"));
            QCOMPARE(second.strValue(QStringLiteral("S"), QStringLiteral("NEW"), QString()), QStringLiteral("2"));
        }
        // Released: on disk, every other line kept.
        QCOMPARE(plxtest::readFile(path), QByteArray("[keep]\nuntouched = as written\n[s]\nold=1\nnew=2\n"));
    }

    void aCompactedFileIsReadAgainWhenNextUsed()
    {
        const QString path = FDir.filePath(QStringLiteral("compacted.ini"));
        plxtest::writeFile(path, "[keep]\nk=1\n[s]\nk=2\n");
        auto doc = TPLXIniDocument::open(path);
        QCOMPARE(value(*doc, "s", "k"), QStringLiteral("2"));
        doc->compact();
        QCOMPARE(value(*doc, "keep", "k"), QStringLiteral("1"));
        doc->compact();
        // A file that cannot be read again: reads find nothing and say why, a rewrite raises and writes nothing.
        QVERIFY(QFile::rename(path, path + QStringLiteral(".away")) && QDir().mkpath(path));
        TPLXRecordingScope recording;
        QCOMPARE(value(*doc, "s", "k"), QStringLiteral("<absent>"));
        QVERIFY(recording.recorder().logLines().join('|').contains(QLatin1String("is not a regular file")));
        QVERIFY_THROWS_EXCEPTION(EPLXFileError, doc->beginRewrite());
        QVERIFY(QDir(path).removeRecursively() && QFile::rename(path + QStringLiteral(".away"), path));
        // Readable again: a rewrite keeps the sections it does not write.
        doc->beginRewrite();
        doc->writeString(u"s", u"k", u"3");
        doc->commitRewrite();
        QCOMPARE(plxtest::readFile(path), QByteArray("[keep]\nk=1\n[s]\nk=3\n"));
    }

    void releasedSectionsAreReadAgainFromTheFile()
    {
        // Enough sections for whole pages of text that only finished sections use.
        const auto file = [](const char *value) {
            QByteArray text;
            for (int i = 0; i < 300; ++i)
                text += "[Section " + QByteArray::number(i) + "]\nkey=" + value + QByteArray::number(i) +
                        "\nfiller=" + QByteArray(40, 'x') + "\n";
            return text;
        };
        const QString path = FDir.filePath(QStringLiteral("released.ini"));
        plxtest::writeFile(path, file("v"));
        auto doc = TPLXIniDocument::open(path);
        const auto key = [&](int i) { return value(*doc, QStringLiteral("section %1").arg(i), "KEY"); };
        for (int i = 0; i < 300; ++i) {
            QCOMPARE(key(i), QStringLiteral("v%1").arg(i));
            if (i != 150)
                doc->releaseSection(QStringLiteral("Section %1").arg(i));
        }
        // The one section not released keeps its text among released neighbours.
        plxtest::writeFile(path, file("w"));
        QCOMPARE(key(150), QStringLiteral("v150"));
#if defined(Q_OS_LINUX)
        // A released one is read from the file as it is now.
        QCOMPARE(key(7), QStringLiteral("w7"));
#endif
        QCOMPARE(doc->sections().size(), 300);
        // Released again after that, a section stays readable.
        doc->releaseSection(QStringLiteral("Section 8"));
        QCOMPARE(key(8), QStringLiteral("w8"));
    }

    void onlyRegularFilesWithinTheLimitAreRead_data()
    {
        QTest::addColumn<QString>("name"); // in the temporary folder
        QTest::addColumn<QString>("refusal");
        const QString notRegular = QStringLiteral("is not a regular file (a device, pipe or socket)");
        QTest::newRow("directory") << QString() << QStringLiteral("is not a regular file (a directory)");
        QTest::newRow("pipe") << QStringLiteral("pipe") << notRegular;
        QTest::newRow("link to a pipe") << QStringLiteral("to-pipe.ini") << notRegular;
        QTest::newRow("link to /dev/zero") << QStringLiteral("zero.ini") << notRegular;
        QTest::newRow("link to /dev/full, a save target") << QStringLiteral("full.ini") << notRegular;
        QTest::newRow("over the limit") << QStringLiteral("big.ini")
                                        << QStringLiteral("is 16 bytes long, more than the limit of 15 bytes");
        QTest::newRow("at the limit") << QStringLiteral("fits.ini") << QString();
    }

    void onlyRegularFilesWithinTheLimitAreRead()
    {
        QFETCH(QString, name);
        QFETCH(QString, refusal);
        QTemporaryDir dir;
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe"))).constData(), 0600), 0);
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("pipe")), dir.filePath(QStringLiteral("to-pipe.ini"))));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("zero.ini"))));
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), dir.filePath(QStringLiteral("full.ini"))));
        plxtest::writeFile(dir.filePath(QStringLiteral("big.ini")), "[s]\nk=123456789\n");
        plxtest::writeFile(dir.filePath(QStringLiteral("fits.ini")), "[s]\nk=12345678\n");
        QCOMPARE(TPLXIniDocument::maxFileSize(), qint64(1) << 30);
        TPLXIniDocument::setMaxFileSize(15);
        const auto restore = qScopeGuard([] { TPLXIniDocument::setMaxFileSize(qint64(1) << 30); });
        const QString path = name.isEmpty() ? dir.path() : dir.filePath(name);
        QString said;
        try {
            auto doc = TPLXIniDocument::open(path); // a pipe would block here, a device never end
            QCOMPARE(value(*doc, "s", "k"), QStringLiteral("12345678"));
        } catch (const EPLXFileError &error) {
            said = error.message();
        }
        QCOMPARE(said, refusal.isEmpty() ? QString()
                                         : path + QStringLiteral(": ") + refusal +
                                               (refusal.startsWith(u"is not")
                                                    ? QStringLiteral("; only regular files are read and written")
                                                    : QString()));
    }

    void aSaveThatCannotBeWrittenKeepsTheOldFile()
    {
        QVERIFY_THROWS_EXCEPTION(EPLXFileError, TPLXIniDocument::open(FDir.path())); // unreadable input
        const QString dir = FDir.filePath(QStringLiteral("docs"));
        const QString path = dir + QStringLiteral("/plan.ini");
        QVERIFY(QDir().mkpath(dir));
        TPLXRecordingScope recording;
        auto doc = TPLXIniDocument::open(path);
        doc->writeString(u"s", u"k", u"new");
        // The directory replaced by a regular file: nothing can be created below it, even as root.
        const auto blockDirectory = [&] {
            QVERIFY(QDir(dir).removeRecursively());
            plxtest::writeFile(dir, "now a file");
        };
        blockDirectory();
        QVERIFY_THROWS_EXCEPTION(EPLXFileError, doc->flush());
        QCOMPARE(plxtest::readFile(dir), QByteArray("now a file"));
        QVERIFY(QFile::remove(dir) && QDir().mkpath(dir));
        // A target replaced by a pipe is not written through.
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        QVERIFY_THROWS_EXCEPTION(EPLXFileError, doc->flush());
        QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
        QVERIFY(QFile::remove(path));
        doc->flush(); // the edit survived the failures and lands once the directory is back
        QCOMPARE(plxtest::readFile(path), QByteArray("[s]\nk=new\n"));

        doc->writeString(u"s", u"k", u"unsaved");
        blockDirectory();
        doc.reset(); // released unsaved: said once (the failed flush above said nothing), not swallowed
        const QStringList said = recording.recorder().messages();
        QVERIFY2(said.size() == 1 && said.first().contains(QLatin1String("plan.ini")), qPrintable(said.join('|')));
    }
};

QTEST_MAIN(tst_plxIniDocument)
#include "tst_plxIniDocument.moc"
