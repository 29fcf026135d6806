// Property stores: the text form of every value type, arrays, pictures and the choice of store by storage name.
#include "plxColors.h"
#include "plxCompare.h"
#include "plxIniDocument.h"
#include "plxMedia.h"
#include "plxPlatform.h"
#include "plxTestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

class tst_plxMedia : public QObject
{
    Q_OBJECT

    QTemporaryDir FDir;

private slots:
    void cleanup() { PLXSetDecimalSeparator(QChar()); }

    void textsReadAsEachType()
    {
        // 77, 7.5 and clAqua are the defaults; the separator is the comma.
        PLXSetDecimalSeparator(QChar(','));
        PLXMedia media = plxtest::mediaFromText("[i]\n0=-12\n1=$1F\n2=0X1f\n3=$FFFFFFFF\n4=$100000000\n5=2147483648\n"
                                                "6=-2147483648\n7=\n8=$\n9=12px\n"
                                                "[b]\n0=2\n1=0\n2=yes\n"
                                                "[r]\n0=\n1=soon\n2=1,5,5\n3=2.5\n"
                                                "[c]\n0=CLRED\n1=clLtGray\n2=$023434FF\n3=255\n4=\nbad=x\n");
        QList<qint32> ints;
        QList<bool> presence;
        for (int i = 0; i <= 10; ++i) { // the last key is absent
            qint32 value = 0;
            presence.append(media->getIntProperty("I", QString::number(i), 77, value));
            ints.append(value);
        }
        QCOMPARE(ints, QList<qint32>({-12, 31, 31, -1, 77, 77, -2147483647 - 1, 77, 77, 77, 77}));
        QCOMPARE(presence, QList<bool>({true, true, true, true, true, true, true, true, true, true, false}));
        // Booleans are integers: anything but zero is true.
        PLX_COMPARE_EACH(bool,
                         ({media->boolValue("b", "0", false), media->boolValue("b", "1", true),
                           media->boolValue("b", "2", true), media->boolValue("b", "2", false)}),
                         ({true, false, true, false}));
        QList<double> reals; // a file from a machine using the point still reads
        QList<TColor> colours;
        for (int i = 0; i <= 5; ++i) {
            reals.append(media->realValue("r", QString::number(i), 7.5));
            colours.append(media->colorValue("c", QString::number(i), clAqua));
        }
        QCOMPARE(reals, QList<double>({7.5, 7.5, 7.5, 2.5, 7.5, 7.5}));
        QCOMPARE(colours, QList<TColor>({clRed, clSilver, 0x023434FF, 255, clAqua, clAqua}));
        // Absent or empty colours: the default, and the store still says "present".
        TColor c = 0;
        QVERIFY(media->getColorProperty("c", "4", clLime, c) && media->getColorProperty("c", "5", clLime, c));
        QVERIFY_THROWS_EXCEPTION(EPLXConvertError, media->colorValue("c", "bad", 0));
        // Drawing drops the palette-relative flag.
        QCOMPARE(ColorToQColor(0x023434FF), QColor(0xFF, 0x34, 0x34));
    }

    void valuesWriteTheirTextForm()
    {
        struct Case
        {
            char type;
            QChar separator;
            double value;
            const char *text;
        }; // real, colour or boolean
        const Case cases[] = {{'r', '.', -45000.25, "-45000.25"}, {'r', ',', 45000.25, "45000,25"},
                              {'r', ',', 45000, "45000"},         {'r', '.', 1.0 / 3, "0.333333333333333"},
                              {'r', '.', 1e20, "1E20"},           {'r', ',', 1.5e-7, "1,5E-7"},
                              {'c', '.', clBlack, "clBlack"},     {'c', '.', clBtnFace, "clBtnFace"},
                              {'c', '.', clNone, "clNone"},       {'c', '.', 0x02C56A31, "$02C56A31"},
                              {'c', '.', 0x0A0B, "$00000A0B"},    {'b', '.', 1, "1"}};
        PLXMedia media = plxtest::mediaFromText(QByteArray());
        for (const auto &c : cases) {
            PLXSetDecimalSeparator(c.separator);
            if (c.type == 'r')
                media->setRealProperty("s", "k", c.value);
            else if (c.type == 'c')
                media->setColorProperty("s", "k", TColor(c.value));
            else
                media->setBoolProperty("s", "k", c.value != 0);
            QCOMPARE(media->strValue("s", "k", QString()), QString::fromLatin1(c.text));
            QCOMPARE(c.type == 'c' ? media->colorValue("s", "k", 1) : media->realValue("s", "k", -1), c.value);
        }
    }

    void arraysKeepCountAndIgnoreLeftovers()
    {
        PLXMedia media =
            plxtest::mediaFromText("[s]\nrows#count=5\nrows#0=a\nrows#1=b\nrows#2=c\nrows#3=d\nrows#4=e\n");
        media->setStrArrayProperty("s", "rows", {"x", "y", "z"});
        QCOMPARE(media->strArray("s", "rows"), QStringList({"x", "y", "z"}));
        QCOMPARE(media->strValue("s", "rows#4", QString()), QStringLiteral("e"));
        // Typed arrays share the layout; one of them shows the element conversion.
        media->setRealArrayProperty("n", "r", {0.5, -2});
        QList<double> reals;
        QVERIFY(media->getRealArrayProperty("n", "r", reals));
        QCOMPARE(reals, QList<double>({0.5, -2.0}));
    }

    void corruptArrayCounts()
    {
        TPLXRecordingScope recording;
        PLXMedia media =
            plxtest::mediaFromText("[0]\na#0=x\n[1]\na#count=-1\na#0=x\n[2]\na#count=-7\n[3]\na#count=two\n"
                                   "a#0=x\n[4]\na#count=3\na#2=z\n[5]\na#count=2147483647\na#0=x\n"
                                   "[6]\na#count=4096\nA#1=y\na#4096=past the count\n[7]\na#count=2\nb=1\nc=2\n"
                                   "[8]\na#count=2000000000\na#1999999999=far\na#07=not its spelling\n");
        // Missing, negative or unreadable counts: absent, and the list emptied; gaps give defaults.
        // A count the section cannot hold ends with the last element present; with more gaps
        // than keys, only the elements present are read.
        const QList<QStringList> expected = {{}, {}, {}, {}, {"", "", "z"}, {"x"}, {"", "y"}, {"", ""}, {"far"}};
        for (int i = 0; i < expected.size(); ++i) {
            QStringList values{QStringLiteral("stale")};
            QCOMPARE(media->getStrArrayProperty(QString::number(i), "a", values), i >= 4);
            QCOMPARE(values, expected[i]);
        }
        QCOMPARE(recording.recorder().logLines(),
                 QStringList({"Array \"a\" in section \"5\" claims 2147483647 elements; reading 1",
                              "Array \"a\" in section \"6\" claims 4096 elements; reading 2",
                              "Array \"a\" in section \"8\" claims 2000000000 elements; reading 1"}));
    }

    void valuesOutOfRangeAreClamped_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<double>("expected");
        QTest::addColumn<QString>("logLine"); // empty: nothing is logged
        const QString clamped = QStringLiteral("Key \"%1\" in section \"s\" is %2; using %3");
        QTest::newRow("size in range") << "size=100000" << 100000.0 << QString();
        QTest::newRow("size past the limit")
            << "size=2147483647" << 100000.0 << clamped.arg("size", "2147483647", "100000");
        QTest::newRow("negative size") << "size=-2147483648" << 0.0 << clamped.arg("size", "-2147483648", "0");
        QTest::newRow("absent size") << "size" << 7.0 << QString();
        QTest::newRow("date 1e16") << "date=1e16" << PLXLimits::kMaxDate << clamped.arg("date", "1e+16", "2958465");
        QTest::newRow("date -1e308") << "date=-1e308" << PLXLimits::kMinDate
                                     << clamped.arg("date", "-1e+308", "-693593");
        QTest::newRow("date in range") << "date=46388.5" << 46388.5 << QString();
        QTest::newRow("duration 1e308") << "duration=1e308" << PLXLimits::kMaxDuration
                                        << clamped.arg("duration", "1e+308", "3652058");
        QTest::newRow("progress") << "progress=-2147483648" << 0.0 << clamped.arg("progress", "-2147483648", "0");
    }

    void valuesOutOfRangeAreClamped()
    {
        QFETCH(QString, key);
        QFETCH(double, expected);
        QFETCH(QString, logLine);
        TPLXRecordingScope recording;
        PLXMedia media = plxtest::mediaFromText(("[s]\n" + key + "\n").toUtf8());
        const QString name = key.section(QLatin1Char('='), 0, 0);
        double value = 0;
        if (name == QLatin1String("size"))
            value = media->sizeValue("s", name, 7);
        else if (name == QLatin1String("date"))
            value = media->dateValue("s", name, 0);
        else if (name == QLatin1String("duration"))
            value = media->durationValue("s", name, 0);
        else
            value = media->intValueIn("s", name, 0, 0, 100);
        QCOMPARE(value, expected);
        QCOMPARE(recording.recorder().logLines(), logLine.isEmpty() ? QStringList() : QStringList{logLine});
    }

    void graphicsAreStoredBesideTheDocument()
    {
        TPLXINIFIle media(FDir.filePath(QStringLiteral("pictures.ini")));
        QImage image(4, 3, QImage::Format_RGB32);
        image.fill(Qt::red);
        const QString bmp = media.setGraphic("a.bmp", "image/bmp", image);
        QCOMPARE(bmp, FDir.filePath(QStringLiteral("a.bmp")));
        QCOMPARE(QImage(bmp).size(), QSize(4, 3));
        QVERIFY(!QImage(media.setGraphic("b.jpg", "image/jpg", image)).isNull());
        const QString png = media.setGraphic("c.png", "image/png", image);
        QCOMPARE(png, FDir.filePath(QStringLiteral("c.png")));
        QVERIFY(!QFile::exists(png));
        plxtest::writeFile(FDir.filePath(QStringLiteral("blocked")), "file");
        QVERIFY_THROWS_EXCEPTION(EPLXFileError, media.setGraphic("blocked/d.bmp", "image/bmp", image));
        // A store in memory has no directory: it writes no picture and keeps the name.
        QCOMPARE(plxtest::mediaFromText({})->setGraphic("e.bmp", "image/bmp", image), QStringLiteral("e.bmp"));
        QCOMPARE(TPLXDummyMedia(QString()).setGraphic("x.bmp", "image/bmp", image),
                 QStringLiteral("dummy filename that does not exists."));
    }

    void storageNamesPickTheStore_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("parts"); // protocol, type, path, the store made
        const QString d = FDir.path();
        QTest::newRow("empty") << QString() << QStringList{"default", "ini", "", "default"};
        QTest::newRow("ini file") << "file://" + d + "/a.ini" << QStringList{"file", "ini", d + "/a.ini", "ini"};
        QTest::newRow("INI") << "file://" + d + "/a.INI" << QStringList{"file", "INI", d + "/a.INI", "dummy"};
        QTest::newRow("drive letter") << "C:\\plans\\a.ini" << QStringList{"C", "ini", "", "dummy"};
        QTest::newRow("other protocol") << "http://host/a.ini" << QStringList{"http", "ini", "host/a.ini", "dummy"};
    }

    void storageNamesPickTheStore()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, parts);
        PLXMedia media = TPLXMediaFactory::CreateMedia(name);
        const QString kind = dynamic_cast<TPLXINIFIle *>(media.get())        ? QStringLiteral("ini")
                             : dynamic_cast<TPLXDefaultMedia *>(media.get()) ? QStringLiteral("default")
                                                                             : QStringLiteral("dummy");
        QCOMPARE(QStringList({TPLXMediaFactory::GetProtocol(name), TPLXMediaFactory::GetType(name),
                              TPLXMediaFactory::GetPath(name), kind}),
                 parts);
        QCOMPARE(static_cast<TPLXDummyMedia *>(media.get())->path(), parts[2]);
    }
};

QTEST_MAIN(tst_plxMedia)
#include "tst_plxMedia.moc"
