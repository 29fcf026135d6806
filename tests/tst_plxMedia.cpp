// Property stores: the text form of every value type, arrays, pictures, the
// built-in default document and the choice of store by storage name.
#include "plxColors.h"
#include "plxIniDocument.h"
#include "plxMedia.h"
#include "plxPlatform.h"
#include "plxTestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

class tst_plxMedia : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir FDir;

private slots:
    void cleanup() { PLXSetDecimalSeparator(QChar()); }

    void integersReadEveryForm_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("present");
        QTest::newRow("decimal") << QByteArray("30") << 30 << true;
        QTest::newRow("negative") << QByteArray("-12") << -12 << true;
        QTest::newRow("dollar hex") << QByteArray("$1F") << 31 << true;
        QTest::newRow("0x hex") << QByteArray("0x1f") << 31 << true;
        QTest::newRow("0X hex") << QByteArray("0X1F") << 31 << true;
        QTest::newRow("32-bit pattern") << QByteArray("$FFFFFFFF") << -1 << true;
        QTest::newRow("hex overflow") << QByteArray("$100000000") << 77 << true;
        QTest::newRow("decimal overflow") << QByteArray("2147483648") << 77 << true;
        QTest::newRow("minimum") << QByteArray("-2147483648") << int(-2147483647 - 1) << true;
        QTest::newRow("word") << QByteArray("tall") << 77 << true;
        QTest::newRow("empty") << QByteArray("") << 77 << true;
        QTest::newRow("bare dollar") << QByteArray("$") << 77 << true;
        QTest::newRow("trailing junk") << QByteArray("12px") << 77 << true;
    }

    void integersReadEveryForm()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, expected);
        QFETCH(bool, present);
        PLXMedia media = plxMediaFromText("[s]\nK=" + stored + "\n");
        qint32 value = 0;
        QCOMPARE(media->getIntProperty(QStringLiteral("S"), QStringLiteral("k"), 77, value), present);
        QCOMPARE(value, expected);
        QVERIFY(!media->getIntProperty(QStringLiteral("s"), QStringLiteral("absent"), 5, value));
        QCOMPARE(value, 5);
    }

    void booleansAreIntegers()
    {
        PLXMedia media = plxMediaFromText("[s]\ntwo=2\nzero=0\nword=yes\n");
        QCOMPARE(media->boolValue(QStringLiteral("s"), QStringLiteral("two"), false), true);
        QCOMPARE(media->boolValue(QStringLiteral("s"), QStringLiteral("zero"), true), false);
        QCOMPARE(media->boolValue(QStringLiteral("s"), QStringLiteral("word"), true), true);
        QCOMPARE(media->boolValue(QStringLiteral("s"), QStringLiteral("word"), false), false);
        media->setBoolProperty(QStringLiteral("s"), QStringLiteral("b"), true);
        QCOMPARE(media->strValue(QStringLiteral("s"), QStringLiteral("b"), QString()), QStringLiteral("1"));
    }

    void realsUseTheUsersDecimalSeparator_data()
    {
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("point") << QChar('.') << 45000.25 << QStringLiteral("45000.25");
        QTest::newRow("comma") << QChar(',') << 45000.25 << QStringLiteral("45000,25");
        QTest::newRow("whole day") << QChar(',') << 45000.0 << QStringLiteral("45000");
        QTest::newRow("fifteen digits") << QChar('.') << 1.0 / 3.0 << QStringLiteral("0.333333333333333");
        QTest::newRow("negative") << QChar('.') << -2.5 << QStringLiteral("-2.5");
        QTest::newRow("large") << QChar('.') << 1e20 << QStringLiteral("1E20");
        QTest::newRow("tiny") << QChar(',') << 1.5e-7 << QStringLiteral("1,5E-7");
    }

    void realsUseTheUsersDecimalSeparator()
    {
        QFETCH(QChar, separator);
        QFETCH(double, value);
        QFETCH(QString, text);
        PLXSetDecimalSeparator(separator);
        PLXMedia media = plxMediaFromText(QByteArray());
        media->setRealProperty(QStringLiteral("s"), QStringLiteral("r"), value);
        QCOMPARE(media->strValue(QStringLiteral("s"), QStringLiteral("r"), QString()), text);
        QCOMPARE(media->realValue(QStringLiteral("s"), QStringLiteral("r"), -1), value);
    }

    void unreadableRealsGiveTheDefault()
    {
        PLXSetDecimalSeparator(QChar(','));
        PLXMedia media = plxMediaFromText("[s]\nempty=\nword=soon\ntwo=1,5,5\ndot=2.5\n");
        QCOMPARE(media->realValue(QStringLiteral("s"), QStringLiteral("empty"), 7.5), 7.5);
        QCOMPARE(media->realValue(QStringLiteral("s"), QStringLiteral("word"), 7.5), 7.5);
        QCOMPARE(media->realValue(QStringLiteral("s"), QStringLiteral("two"), 7.5), 7.5);
        // A file from a machine with the other separator still reads.
        QCOMPARE(media->realValue(QStringLiteral("s"), QStringLiteral("dot"), 7.5), 2.5);
    }

    void coloursWriteNamesOrHexadecimal_data()
    {
        QTest::addColumn<int>("color");
        QTest::addColumn<QString>("text");
        QTest::newRow("black") << int(clBlack) << QStringLiteral("clBlack");
        QTest::newRow("white") << int(clWhite) << QStringLiteral("clWhite");
        QTest::newRow("gray") << int(clGray) << QStringLiteral("clGray");
        QTest::newRow("system") << int(clBtnFace) << QStringLiteral("clBtnFace");
        QTest::newRow("none") << int(clNone) << QStringLiteral("clNone");
        QTest::newRow("unnamed") << 0x02C56A31 << QStringLiteral("$02C56A31");
        QTest::newRow("leading zeros") << 0x00000A0B << QStringLiteral("$00000A0B");
    }

    void coloursWriteNamesOrHexadecimal()
    {
        QFETCH(int, color);
        QFETCH(QString, text);
        PLXMedia media = plxMediaFromText(QByteArray());
        media->setColorProperty(QStringLiteral("s"), QStringLiteral("c"), color);
        QCOMPARE(media->strValue(QStringLiteral("s"), QStringLiteral("c"), QString()), text);
        QCOMPARE(media->colorValue(QStringLiteral("s"), QStringLiteral("c"), 1), color);
    }

    void coloursReadNamesNumbersAndRefuseTheRest()
    {
        PLXMedia media = plxMediaFromText("[s]\nname=CLRED\nalias=clLtGray\nhex=$023434FF\nnum=255\nempty=\nbad=reddish\n");
        TColor c = 0;
        QCOMPARE(media->colorValue(QStringLiteral("s"), QStringLiteral("name"), 0), clRed);
        QCOMPARE(media->colorValue(QStringLiteral("s"), QStringLiteral("alias"), 0), clSilver);
        QCOMPARE(media->colorValue(QStringLiteral("s"), QStringLiteral("hex"), 0), 0x023434FF);
        QCOMPARE(media->colorValue(QStringLiteral("s"), QStringLiteral("num"), 0), 255);
        // Absent or empty: the default, and the store still says "present".
        QVERIFY(media->getColorProperty(QStringLiteral("s"), QStringLiteral("empty"), clAqua, c));
        QCOMPARE(c, clAqua);
        QVERIFY(media->getColorProperty(QStringLiteral("s"), QStringLiteral("missing"), clLime, c));
        QCOMPARE(c, clLime);
        QVERIFY_THROWS_EXCEPTION(EPLXConvertError, media->colorValue(QStringLiteral("s"), QStringLiteral("bad"), 0));
        // Drawing drops the palette-relative flag.
        QCOMPARE(ColorToQColor(0x023434FF), QColor(0xFF, 0x34, 0x34));
    }

    void arraysKeepCountAndIgnoreLeftovers()
    {
        PLXMedia media = plxMediaFromText("[s]\nrows#count=5\nrows#0=a\nrows#1=b\nrows#2=c\nrows#3=d\nrows#4=e\n");
        media->setStrArrayProperty(QStringLiteral("s"), QStringLiteral("rows"), {"x", "y", "z"});
        QStringList rows;
        QVERIFY(media->getStrArrayProperty(QStringLiteral("s"), QStringLiteral("rows"), rows));
        QCOMPARE(rows, QStringList({"x", "y", "z"}));
        QCOMPARE(media->strValue(QStringLiteral("s"), QStringLiteral("rows#4"), QString()), QStringLiteral("e"));

        media->setIntArrayProperty(QStringLiteral("n"), QStringLiteral("i"), {1, -2, 3});
        media->setRealArrayProperty(QStringLiteral("n"), QStringLiteral("r"), {0.5, 2});
        media->setBoolArrayProperty(QStringLiteral("n"), QStringLiteral("b"), {true, false});
        QList<qint32> ints;
        QList<double> reals;
        QList<bool> bools;
        QVERIFY(media->getIntArrayProperty(QStringLiteral("n"), QStringLiteral("i"), ints));
        QVERIFY(media->getRealArrayProperty(QStringLiteral("n"), QStringLiteral("r"), reals));
        QVERIFY(media->getBoolArrayProperty(QStringLiteral("n"), QStringLiteral("b"), bools));
        QCOMPARE(ints, QList<qint32>({1, -2, 3}));
        QCOMPARE(reals, QList<double>({0.5, 2.0}));
        QCOMPARE(bools, QList<bool>({true, false}));
    }

    void corruptArrayCounts_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("present");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("missing count") << QByteArray("a#0=x\n") << false << QStringList();
        QTest::newRow("minus one") << QByteArray("a#count=-1\na#0=x\n") << false << QStringList();
        QTest::newRow("below minus one") << QByteArray("a#count=-7\n") << false << QStringList();
        QTest::newRow("word") << QByteArray("a#count=two\na#0=x\n") << false << QStringList();
        QTest::newRow("gaps give defaults") << QByteArray("a#count=3\na#2=z\n") << true << QStringList({"", "", "z"});
        QTest::newRow("huge") << QByteArray("a#count=2147483647\na#0=x\n") << true << QStringList({"x", ""});
    }

    void corruptArrayCounts()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, present);
        QFETCH(QStringList, expected);
        TPLXRecordingScope recording;
        PLXMedia media = plxMediaFromText("[s]\n" + text);
        QStringList values{QStringLiteral("stale")};
        QCOMPARE(media->getStrArrayProperty(QStringLiteral("s"), QStringLiteral("a"), values), present);
        QCOMPARE(values, expected);
    }

    void graphicsAreStoredBesideTheDocument()
    {
        const QString path = FDir.filePath(QStringLiteral("pictures.ini"));
        TPLXINIFIle media(path);
        QImage image(4, 3, QImage::Format_RGB32);
        image.fill(Qt::red);
        const QString bmp = media.setGraphic(QStringLiteral("a.bmp"), QStringLiteral("image/bmp"), image);
        QCOMPARE(bmp, FDir.filePath(QStringLiteral("a.bmp")));
        QCOMPARE(QImage(bmp).size(), QSize(4, 3));
        const QString jpg = media.setGraphic(QStringLiteral("b.jpg"), QStringLiteral("image/jpg"), image);
        QVERIFY(!QImage(jpg).isNull());
        const QString png = media.setGraphic(QStringLiteral("c.png"), QStringLiteral("image/png"), image);
        QCOMPARE(png, FDir.filePath(QStringLiteral("c.png")));
        QVERIFY(!QFile::exists(png));

        plxWriteFile(FDir.filePath(QStringLiteral("blocked")), "file");
        QVERIFY_THROWS_EXCEPTION(EPLXFileError,
                                 media.setGraphic(QStringLiteral("blocked/d.bmp"), QStringLiteral("image/bmp"), image));
        TPLXDummyMedia dummy{QString()};
        QCOMPARE(dummy.setGraphic(QStringLiteral("x.bmp"), QStringLiteral("image/bmp"), image),
                 QStringLiteral("dummy filename that does not exists."));
    }

    void defaultDocumentAnswersItsTableOnly()
    {
        TPLXDefaultMedia media{QString()};
        QString value;
        QVERIFY(media.getStrProperty(QStringLiteral("root"), QStringLiteral("table"), QStringLiteral("d"), value));
        QCOMPARE(value, QStringLiteral("Default Table"));
        QVERIFY(media.getStrProperty(QStringLiteral("ROOT"), QStringLiteral("table"), QStringLiteral("d"), value));
        QCOMPARE(value, QStringLiteral("d")); // comparisons are exact
        QCOMPARE(media.strValue(QStringLiteral("Weekends"), QStringLiteral("Color"), QString()), QStringLiteral("$027FFFFF"));
        QCOMPARE(media.strValue(QStringLiteral("Default Tree Root"), QStringLiteral("row"), QStringLiteral("empty")),
                 QStringLiteral("empty"));
        QStringList list;
        QVERIFY(media.getStrArrayProperty(QStringLiteral("Default Calendar"), QStringLiteral("categories"), list));
        QCOMPARE(list, QStringList({"Weekends", "Holidays"}));
        QVERIFY(media.getStrArrayProperty(QStringLiteral("root"), QStringLiteral("nothing"), list));
        QVERIFY(list.isEmpty());
        // Numbers are never answered, even for the colour texts.
        QCOMPARE(media.intValue(QStringLiteral("Weekends"), QStringLiteral("Color"), 3), 3);
        QCOMPARE(TPLXDefaultMedia::sectionNames().size(), 27);
        for (const QString &section : TPLXDefaultMedia::sectionNames())
            QVERIFY2(!media.strValue(section, QStringLiteral("typeID"), QString()).isEmpty(), qPrintable(section));
    }

    void storageNamesPickTheStore_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("protocol");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("store");
        const QString dir = FDir.path();
        QTest::newRow("empty") << QString() << "default" << "ini" << "" << "default";
        QTest::newRow("default") << "default" << "default" << "ini" << "" << "default";
        QTest::newRow("ini file") << "file://" + dir + "/a.ini" << "file" << "ini" << dir + "/a.ini" << "ini";
        QTest::newRow("upper-case INI") << "file://" + dir + "/a.INI" << "file" << "INI" << dir + "/a.INI" << "dummy";
        QTest::newRow("two dots") << "file://" + dir + "/a.b.ini" << "file" << "ini" << dir + "/a.b.ini" << "ini";
        QTest::newRow("other extension") << "file://" + dir + "/a.txt" << "file" << "txt" << dir + "/a.txt" << "dummy";
        QTest::newRow("drive letter") << "C:\\plans\\a.ini" << "C" << "ini" << "" << "dummy";
        QTest::newRow("other protocol") << "http://host/a.ini" << "http" << "ini" << "host/a.ini" << "dummy";
    }

    void storageNamesPickTheStore()
    {
        QFETCH(QString, name);
        QFETCH(QString, protocol);
        QFETCH(QString, type);
        QFETCH(QString, path);
        QFETCH(QString, store);
        QCOMPARE(TPLXMediaFactory::GetProtocol(name), protocol);
        QCOMPARE(TPLXMediaFactory::GetType(name), type);
        QCOMPARE(TPLXMediaFactory::GetPath(name), path);
        PLXMedia media = TPLXMediaFactory::CreateMedia(name);
        const QString kind = dynamic_cast<TPLXINIFIle *>(media.get())        ? QStringLiteral("ini")
                             : dynamic_cast<TPLXDefaultMedia *>(media.get()) ? QStringLiteral("default")
                                                                              : QStringLiteral("dummy");
        QCOMPARE(kind, store);
        QCOMPARE(static_cast<TPLXDummyMedia *>(media.get())->path(), path);
    }

    void dummyStoreForgetsEverything()
    {
        PLXMedia media = TPLXMediaFactory::CreateMedia(QStringLiteral("mem://x.bin"));
        media->setStrProperty(QStringLiteral("root"), QStringLiteral("typeID"), QStringLiteral("Document"));
        QString value;
        QVERIFY(!media->getStrProperty(QStringLiteral("root"), QStringLiteral("typeID"), QStringLiteral("MISSING"), value));
        QCOMPARE(value, QStringLiteral("MISSING"));
        QStringList list{QStringLiteral("x")};
        QVERIFY(!media->getStrArrayProperty(QStringLiteral("root"), QStringLiteral("rows"), list));
        QVERIFY(list.isEmpty());
    }
};

QTEST_MAIN(tst_plxMedia)
#include "tst_plxMedia.moc"
