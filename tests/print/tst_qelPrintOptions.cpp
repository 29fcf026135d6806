// Print profiles: a hand-written profile file read and written back key by
// key, the host variants, the fit flags, the profile file operations and
// their failures, and the check of margins against a printer's border.
#include "plxIniDocument.h"
#include "plxMedia.h"
#include "plxPlatform.h"
#include "plxTestSupport.h"
#include "qelPrintOptions.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// The keys of `section` with their values, in file order.
QStringList keyValues(TPLXINIFIle &ini, const QString &section)
{
    QStringList lines;
    for (const QString &key : ini.iniFile().keys(section))
        lines.append(key + QLatin1Char('=') + ini.strValue(section, key, QString()));
    return lines;
}

} // namespace

class tst_qelPrintOptions : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }

private slots:
    void init() { PLXSetDecimalSeparator(QChar('.')); }

    void handWrittenProfileReadsAndWritesBackExactly()
    {
        PLXMedia media = plxtest::mediaFromText(plxtest::testData("print/profiles.ini"));
        auto &ini = dynamic_cast<TPLXINIFIle &>(*media);
        TQeLPrintOptions options;
        options.SetPreviewZoomFactor(3);
        options.Read(ini, QStringLiteral("Plan A"), poVariantB);
        QCOMPARE(options.GetPageTitle().GetContents(), QStringLiteral("Plan A\r\nsecond line"));
        QCOMPARE(options.GetColumns(), QStringList({"Name", "Start", "Duration"}));
        QCOMPARE(options.GetPageTitle().GetFont().family(), QStringLiteral("Courier"));
        QVERIFY(options.GetPageTitle().GetFont().underline() && !options.GetPageTitle().GetFont().italic());
        QCOMPARE(options.GetBox(3).GetImageFile(), QStringLiteral("logo.png"));
        QCOMPARE(options.GetBox(5).GetVAlign(), taBottomJustify);
        QCOMPARE(options.GetPreviewZoomFactor(), 1.0);

        // Written to a fresh file, every key comes back in the same order with
        // the same text, except the written-only paper keys and the zoom factor.
        PLXMedia fresh = plxtest::mediaFromText(QByteArray());
        auto &out = dynamic_cast<TPLXINIFIle &>(*fresh);
        options.Write(out, QStringLiteral("Plan A"));
        QStringList expected = keyValues(ini, QStringLiteral("Plan A"));
        expected.replaceInStrings(QStringLiteral("Page Size-Code=9"), QStringLiteral("Page Size-Code=0"));
        expected.replaceInStrings(QStringLiteral("printername=Office"), QStringLiteral("printername="));
        expected.replaceInStrings(QStringLiteral("paperformatname=A4"), QStringLiteral("paperformatname="));
        expected.replaceInStrings(QStringLiteral("Factor=2.5"), QStringLiteral("Factor=1"));
        QCOMPARE(keyValues(out, QStringLiteral("Plan A")), expected);
    }

    void hostVariantsChooseTheKeysRead_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<bool>("printTable");
        QTest::addColumn<bool>("datesRead");
        QTest::newRow("none") << int(poNone) << true << true;
        QTest::newRow("A") << int(poVariantA) << false << false;
        QTest::newRow("B") << int(poVariantB) << false << true;
    }
    void hostVariantsChooseTheKeysRead()
    {
        QFETCH(int, variant);
        QFETCH(bool, printTable);
        QFETCH(bool, datesRead);
        PLXMedia media = plxtest::mediaFromText(plxtest::testData("print/profiles.ini"));
        TQeLPrintOptions options;
        const TDateTime today = options.GetStartDate();
        TPLXRecordingScope recording;
        options.Read(dynamic_cast<TPLXINIFIle &>(*media), QStringLiteral("plan a"),
                     TQeLSpecialProgramOptions(variant));
        QCOMPARE(options.GetPrintTable(), printTable);
        QCOMPARE(options.GetStartDate(), datesRead ? 45292.0 : today);
        QCOMPARE(options.GetTimeRangeAuto(), !datesRead);
        QCOMPARE(recording.recorder().logLines().filter(QStringLiteral("loading FTimeRangeAuto : FALSE")).size(),
                 datesRead ? 1 : 0);
        QCOMPARE(options.GetLeftMargin(), 11);
    }

    void fitFlagsExcludeEachOtherAndNotify()
    {
        PLXMedia media = plxtest::mediaFromText("[defaultsection]\nZoom-FitToPage=1\nZoom-FitWeeks=1\nZoom-Zoom=0\n"
                                                "Zoom-ManualZoom=10000\n");
        TQeLPrintOptions options;
        options.Read(dynamic_cast<TPLXINIFIle &>(*media), QString(), poNone);
        QVERIFY(options.GetFitToPage() && !options.GetFitWeeks());
        QCOMPARE(options.GetZoom(), TQeLPrintOptions::kMinZoom);
        QCOMPARE(options.GetManualZoom(), TQeLPrintOptions::kMaxZoom);
        int calls = 0;
        options.SetOnSetFitToPage([&calls] { ++calls; });
        QCOMPARE(calls, 1);
        options.SetFitWeeks(true);
        QVERIFY(!options.GetFitToPage() && options.GetFitWeeks());
        options.SetFitToPage(false); // switching off notifies nobody
        options.SetLeftMargin(5);
        QCOMPARE(calls, 3);
        options.SetFitToPage(true);
        QVERIFY(options.GetFitToPage() && !options.GetFitWeeks());
        QCOMPARE(calls, 4);
    }

    void profileFileOperations()
    {
        const QString file = path("drucken.ini");
        plxtest::writeFile(file, "[defaultsection]\nPage Margins-Left=20\n");
        {
            TQeLIniSerializer serializer(file);
            QCOMPARE(serializer.GetSections(), QStringList());
            QCOMPARE(QeLProfileNames(serializer), QStringList{QeLLastSettingsName()});
            TQeLPrintOptions options(file);
            QCOMPARE(options.GetLeftMargin(), 20);
            options.SetLeftMargin(25);
            QVERIFY(serializer.Store(options, QStringLiteral("Wide")));
            QVERIFY(serializer.Store(options, QString()));
        }
        // Each store reached the disk at once.
        TQeLPrintOptions reread(file);
        QCOMPARE(reread.GetLeftMargin(), 25);
        TQeLIniSerializer serializer(file);
        QCOMPARE(QeLProfileNames(serializer), QStringList({QeLLastSettingsName(), "Wide"}));
        QVERIFY(serializer.Delete(QStringLiteral("Wide")));
        QVERIFY(!plxtest::readFile(file).contains("[Wide]"));
        QCOMPARE(TQeLIniSerializer::resolveFileName(QString()),
                 QDir(QCoreApplication::applicationDirPath()).filePath("drucken.ini"));
    }

    void refusedWritesKeepTheFile_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QString>("refusal"); // how the file system refuses
        QTest::addColumn<QString>("message");
        QTest::newRow("bracket") << "A]B"
                                 << ""
                                 << "Invalid INI section name \"A]B\": it contains \"]\"";
        QTest::newRow("line break") << "A\nB"
                                    << ""
                                    << "Invalid INI section name \"A\nB\": it contains a line break";
        QTest::newRow("disk full") << "Fine"
                                   << "size"
                                   << "(File too large)";
    }
    void refusedWritesKeepTheFile()
    {
        QFETCH(QString, profile);
        QFETCH(QString, refusal);
        QFETCH(QString, message);
        const QString file = path("refused/drucken.ini");
        QDir().mkpath(path("refused"));
        const QByteArray before = "[defaultsection]\nPage Margins-Left=20\n";
        plxtest::writeFile(file, before);
        TPLXRecordingScope recording;
        TQeLIniSerializer serializer(file);
        TQeLPrintOptions options;
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        if (refusal == "size") {
            // Its signal would end the test.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{64, saved.rlim_max};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        const bool stored = serializer.Store(options, profile);
        setrlimit(RLIMIT_FSIZE, &saved);
        QVERIFY(!stored);
        QCOMPARE(recording.recorder().messages().size(), 1);
        QVERIFY2(recording.recorder().messages().first().contains(message),
                 qPrintable(recording.recorder().messages().first()));
        QCOMPARE(plxtest::readFile(file), before);
        QCOMPARE(QDir(path("refused")).entryList(QDir::Files), QStringList{"drucken.ini"});
    }

    void corruptFileReadsAsDefaults()
    {
        const QString file = path("junk.ini");
        plxtest::writeFile(file, QByteArray("\x00\xff[defaultsection\n=\nPage Margins-Left=abc\n\xfe", 44));
        TQeLPrintOptions options(file);
        QCOMPARE(options.GetLeftMargin(), 10);
        QCOMPARE(options.GetTopMargin(), 16);
    }

    void marginsAgainstThePrintersBorder()
    {
        TQeLPrintOptions options;
        options.SetPageSize(210, 297);
        const TQeLPrinterMinimums printer{12, 4, 14, 20};
        QCOMPARE(options.CheckPrintOffsets(printer),
                 QStringLiteral("Die folgenden Ränder sind kleiner als die Druckerränder:\n\r\n\r"
                                "User left margin : 10 mm <---> Printer left margin : 12 mm\n\r"
                                "User header margin : 10 mm <---> Printer top margin : 14 mm\n\r"
                                "User footer margin : 13 mm <---> Printer botttom margin : 20 mm\n\r"
                                "\n\rWollen Sie die Ränder manuell korrigieren, sollen diese automatisch angepasst "
                                "werden oder soll der Ausdruck mit den unveränderten Rändern erfolgen ?"));
        options.FixPrintOffsets(printer);
        // Header and footer move out and keep their distance to the page's text.
        QCOMPARE(QList<int>({options.GetLeftMargin(), options.GetRightMargin(), options.GetHeaderMargin(),
                             options.GetTopMargin(), options.GetFooterMargin(), options.GetBottomMargin()}),
                 QList<int>({12, 10, 14, 20, 20, 17}));
        QCOMPARE(options.CheckPrintOffsets(printer), QString());
        QCOMPARE(options.GetPrintableArea(), QRect(QPoint(12, 20), QPoint(200, 280)));
        // A PDF printer prints to the sheet's edge.
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        const TQeLPrinterMinimums none = TQeLPrinterMinimums::of(pdf);
        QCOMPARE(QList<int>({none.left, none.right, none.header, none.footer}), QList<int>({0, 0, 0, 0}));
    }
};

QTEST_MAIN(tst_qelPrintOptions)
#include "tst_qelPrintOptions.moc"
