// The INI file service: what real files contain, how writes reach the disk,
// and that a failed save loses nothing.
#include "plxIniDocument.h"
#include "plxMedia.h"
#include "plxPlatform.h"
#include "plxTestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class tst_plxIniDocument : public QObject
{
    Q_OBJECT

private:
    static QString value(const TPLXIniDocument &doc, const QString &section, const QString &key)
    {
        QString v;
        return doc.readString(section, key, v) ? v : QStringLiteral("<absent>");
    }
    QTemporaryDir FDir;

private slots:
    void lookupIgnoresCaseOfSectionsAndKeys()
    {
        auto doc = TPLXIniDocument::fromBytes("[Root]\nHeight = 30 \n[Ünïcode]\nKÉY=v\n");
        QCOMPARE(value(*doc, "root", "height"), QStringLiteral("30"));
        QCOMPARE(value(*doc, "ROOT", "HEIGHT"), QStringLiteral("30"));
        QCOMPARE(value(*doc, "üNÏCODE", "kéy"), QStringLiteral("v"));
        QCOMPARE(value(*doc, "root", "width"), QStringLiteral("<absent>"));
        QCOMPARE(value(*doc, "nope", "height"), QStringLiteral("<absent>"));
    }

    void firstOfRepeatedSectionsAndKeysAnswers()
    {
        auto doc = TPLXIniDocument::fromBytes("[a]\nk=1\nk=2\n[b]\nx=0\n[A]\nk=3\nonly=4\n");
        QCOMPARE(value(*doc, "a", "k"), QStringLiteral("1"));
        // Keys of a repeated section that the first one lacks are not reached.
        QCOMPARE(value(*doc, "a", "only"), QStringLiteral("<absent>"));
        QCOMPARE(doc->sections(), QStringList({"a", "b"}));
        QCOMPARE(doc->keys(u"a"), QStringList({"k"}));
        doc->writeString(QStringLiteral("a"), QStringLiteral("k"), QStringLiteral("9"));
        QCOMPARE(value(*doc, "a", "k"), QStringLiteral("9"));
        // The repeated section is kept in the text, untouched.
        QVERIFY(doc->toBytes().contains("[A]\nk=3\nonly=4\n"));
    }

    void oddLinesAreKeptButNotRead()
    {
        const QByteArray text = "preamble=1\n; comment = x\nno equals sign\n=no key\n[s]\n  spaced key  =  v w  \n"
                                "[unclosed\nk=u\n[x]trailing\nk=t\n";
        auto doc = TPLXIniDocument::fromBytes(text);
        QCOMPARE(value(*doc, "s", "spaced key"), QStringLiteral("v w"));
        QCOMPARE(value(*doc, "unclosed", "k"), QStringLiteral("u"));
        QCOMPARE(value(*doc, "x", "k"), QStringLiteral("t"));
        QCOMPARE(doc->sections(), QStringList({"s", "unclosed", "x"}));
        const QByteArray out = doc->toBytes();
        QVERIFY(out.contains("; comment = x\nno equals sign\n=no key\n"));
        QVERIFY(out.startsWith("preamble=1\n"));
    }

    void lineEndsByteOrderMarkAndEncodings()
    {
        auto crlf = TPLXIniDocument::fromBytes("\xEF\xBB\xBF[s]\r\nk=v\r\n");
        QCOMPARE(value(*crlf, "s", "k"), QStringLiteral("v"));
        crlf->writeString(QStringLiteral("s"), QStringLiteral("new"), QStringLiteral("n"));
        QCOMPARE(crlf->toBytes(), QByteArray("\xEF\xBB\xBF[s]\r\nk=v\r\nnew=n\r\n"));

        auto lf = TPLXIniDocument::fromBytes("[s]\nk=v");
        lf->writeString(QStringLiteral("t"), QStringLiteral("k"), QStringLiteral("w"));
        QCOMPARE(lf->toBytes(), QByteArray("[s]\nk=v\n[t]\nk=w\n"));

        // Invalid UTF-8 reads with replacement characters and is written back byte for byte.
        const QByteArray invalid = "[s]\nk=a\xFF\xFE" "b\n";
        auto bad = TPLXIniDocument::fromBytes(invalid);
        QCOMPARE(value(*bad, "s", "k"), QString::fromUtf8("a\xFF\xFE" "b"));
        QCOMPARE(bad->toBytes(), invalid);
    }

    void garbageAndHugeLinesDoNotBreakParsing()
    {
        QByteArray garbage;
        for (int i = 0; i < 100000; ++i)
            garbage.append(static_cast<char>((i * 7919) % 256));
        auto doc = TPLXIniDocument::fromBytes(garbage + "\n[ok]\nk=1\n");
        QCOMPARE(value(*doc, "ok", "k"), QStringLiteral("1"));

        const QByteArray longValue(10 * 1024 * 1024, 'x');
        auto big = TPLXIniDocument::fromBytes("[s]\nlong=" + longValue + "\nafter=1\n");
        QString v;
        QVERIFY(big->readString(QStringLiteral("s"), QStringLiteral("long"), v));
        QCOMPARE(v.size(), longValue.size());
        QCOMPARE(value(*big, "s", "after"), QStringLiteral("1"));
    }

    void valuesThatAPlainLineCannotHoldRoundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("line breaks") << QStringLiteral("one\ntwo\r\nthree");
        QTest::newRow("outer blanks") << QStringLiteral("  padded\t");
        QTest::newRow("quoted") << QStringLiteral("\"quoted\"");
        QTest::newRow("backslashes in quotes") << QStringLiteral("\"C:\\new\\table\"");
        QTest::newRow("plain path") << QStringLiteral("C:\\plans\\new.ini");
        QTest::newRow("empty") << QString();
        QTest::newRow("equals and brackets") << QStringLiteral("a=b [c]; d");
        QTest::newRow("leading byte-order mark") << (QChar(0xFEFF) + QStringLiteral("x\nline"));
    }

    void valuesThatAPlainLineCannotHoldRoundTrip()
    {
        QFETCH(QString, text);
        auto doc = TPLXIniDocument::fromBytes(QByteArray());
        doc->writeString(QStringLiteral("s"), QStringLiteral("k"), text);
        doc->writeString(QStringLiteral("s"), QStringLiteral("next"), QStringLiteral("1"));
        auto again = TPLXIniDocument::fromBytes(doc->toBytes());
        QCOMPARE(value(*again, "s", "k"), text);
        QCOMPARE(value(*again, "s", "next"), QStringLiteral("1"));
    }

    void namesTheFormatCannotHoldAreRefused()
    {
        auto doc = TPLXIniDocument::fromBytes(QByteArray());
        QVERIFY_THROWS_EXCEPTION(EPLXError, doc->writeString(QStringLiteral("a]b"), QStringLiteral("k"), QString()));
        QVERIFY_THROWS_EXCEPTION(EPLXError, doc->writeString(QStringLiteral("s"), QStringLiteral("k=v"), QString()));
        QVERIFY_THROWS_EXCEPTION(EPLXError, doc->writeString(QStringLiteral("s"), QStringLiteral("a\nb"), QString()));
        QVERIFY_THROWS_EXCEPTION(EPLXError, doc->writeString(QString(), QStringLiteral("k"), QString()));
        QCOMPARE(doc->toBytes(), QByteArray());
    }

    void eraseRemovesEveryOccurrence()
    {
        auto doc = TPLXIniDocument::fromBytes("[a]\nk=1\n[b]\nk=2\n[A]\nk=3\n");
        doc->eraseSection(QStringLiteral("a"));
        QCOMPARE(doc->sections(), QStringList({"b"}));
        QCOMPARE(doc->toBytes(), QByteArray("[b]\nk=2\n"));
        doc->writeString(QStringLiteral("a"), QStringLiteral("k"), QStringLiteral("4"));
        QCOMPARE(value(*doc, "A", "k"), QStringLiteral("4"));
    }

    void manyKeysInOneSectionStayFindable()
    {
        // Past a dozen keys the section gets its own hash table; appends keep it current.
        auto doc = TPLXIniDocument::fromBytes("[big]\nk0=0\n[other]\nx=1\n");
        for (int i = 1; i < 3000; ++i)
            doc->writeString(QStringLiteral("big"), QStringLiteral("k%1").arg(i), QString::number(i));
        for (int i = 0; i < 3000; i += 37)
            QCOMPARE(value(*doc, "BIG", QStringLiteral("K%1").arg(i)), QString::number(i));
        auto again = TPLXIniDocument::fromBytes(doc->toBytes());
        QCOMPARE(again->keys(QStringLiteral("big")).size(), 3000);
        QCOMPARE(value(*again, "other", "x"), QStringLiteral("1"));
    }

    void storesOnOneFileShareWritesAndFlushOnRelease()
    {
        const QString path = FDir.filePath(QStringLiteral("shared.ini"));
        plxWriteFile(path, "[keep]\nuntouched = as written\n[s]\nold=1\n");
        {
            TPLXINIFIle first(path);
            TPLXINIFIle second(QStringLiteral("./shared.ini")); // the first store made the directory current
            first.setStrProperty(QStringLiteral("s"), QStringLiteral("new"), QStringLiteral("2"));
            QCOMPARE(second.strValue(QStringLiteral("S"), QStringLiteral("NEW"), QString()), QStringLiteral("2"));
            QCOMPARE(QDir::currentPath(), QFileInfo(path).absolutePath());
        }
        // Released: on disk, every other key kept.
        const QByteArray onDisk = plxReadFile(path);
        QVERIFY(onDisk.contains("untouched = as written"));
        QVERIFY(onDisk.contains("old=1\nnew=2\n"));
        TPLXINIFIle reopened(path);
        QCOMPARE(reopened.intValue(QStringLiteral("s"), QStringLiteral("new"), 0), 2);
    }

    void aSaveThatCannotBeWrittenKeepsTheOldFile()
    {
        // A directory replaced by a regular file: nothing can be created below it, even as root.
        const QString blocker = FDir.filePath(QStringLiteral("blocker"));
        plxWriteFile(blocker, "not a directory");
        const QString missing = blocker + QStringLiteral("/plan.ini");
        {
            TPLXRecordingScope recording;
            auto doc = TPLXIniDocument::open(missing);
            doc->writeString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v"));
            try {
                doc->flush();
                QFAIL("flush into an impossible directory succeeded");
            } catch (const EPLXFileError &error) {
                QCOMPARE(error.fileName(), QFileInfo(missing).absoluteFilePath());
                QVERIFY(error.message().contains(QLatin1String("plan.ini")));
            }
            doc.reset();
            // Released unsaved: said, not swallowed.
            QCOMPARE(recording.recorder.messages.size(), 1);
            QVERIFY(recording.recorder.messages.first().contains(QLatin1String("plan.ini")));
        }

        // An existing document whose directory became unwritable keeps its old text.
        const QString dir = FDir.filePath(QStringLiteral("docs"));
        QVERIFY(QDir().mkpath(dir));
        const QString path = dir + QStringLiteral("/plan.ini");
        plxWriteFile(path, "[s]\nk=old\n");
        auto doc = TPLXIniDocument::open(path);
        doc->writeString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("new"));
        QVERIFY(QDir(dir).removeRecursively());
        plxWriteFile(dir, "now a file");
        QVERIFY_THROWS_EXCEPTION(EPLXFileError, doc->flush());
        QCOMPARE(plxReadFile(dir), QByteArray("now a file"));
        QVERIFY(QFile::remove(dir));
        QVERIFY(QDir().mkpath(dir));
        doc->flush(); // the edit survived the failure and lands once the directory is back
        QCOMPARE(plxReadFile(path), QByteArray("[s]\nk=new\n"));
    }

    void unreadableInputIsAClearError()
    {
        QVERIFY_THROWS_EXCEPTION(EPLXFileError, TPLXIniDocument::open(FDir.path()));
        QVERIFY_THROWS_EXCEPTION(EPLXFileError, TPLXIniDocument::open(QString()));
    }
};

QTEST_MAIN(tst_plxIniDocument)
#include "tst_plxIniDocument.moc"
