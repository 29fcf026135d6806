#include "plxCompare.h"
#include "plxDocumentCalendar.h"
#include "plxDocumentFixture.h"
#include "plxPlatform.h"
#include "plxRessourceStrings.h"
#include "plxTaskBar.h"
#include "plxTreeGrid.h"

#include <QDate>
#include <QtTest>

using namespace plxtest;

namespace {

// A data source over a plan of three rows: A in row 0, B in row 1, C and E in
// row 2, connected A -> B -> C; `extra` is appended to the file verbatim.
Document threeRows(const QByteArray &extra)
{
    Document doc;
    doc.rows = {Row{{Bar{QStringLiteral("A"), kMonday, 2}}}, Row{{Bar{QStringLiteral("B"), kMonday + 2, 1}}},
                Row{{Bar{QStringLiteral("C"), kMonday + 3, 1}, Bar{QStringLiteral("E"), kMonday + 7, 1}}}};
    doc.connections = {Connection{QStringLiteral("AB"), QStringLiteral("A"), QStringLiteral("B"), 1},
                       Connection{QStringLiteral("BC"), QStringLiteral("B"), QStringLiteral("C"), 1}};
    doc.extra = extra;
    return doc;
}

struct Plan : LoadedDocument
{
    explicit Plan(const QByteArray &extra = QByteArray())
        : LoadedDocument(threeRows(extra))
    {
    }
    int undoCount() { return ds.getUndoRedoStack().GetUndoOperationCount(); }
};

QStringList connectionIds(TPLXDataSource &ds)
{
    QStringList ids;
    for (int i = 0; i < ds.root()->countConnections(); ++i)
        ids << ds.root()->getConnection(i)->getUID();
    return ids;
}

// Adds a new task bar through the command; the row owns it when that succeeds.
bool addBar(TPLXDataSource &ds, double start, int row)
{
    auto bar = std::make_unique<TPLXTaskBar>(start, start + 1, row);
    if (!ds.BarAdd(bar.get(), row))
        return false;
    (void)bar.release();
    return true;
}

} // namespace

class tst_plxDataSource : public QObject
{
    Q_OBJECT

private slots:
    void newDataSourceHoldsTheDefaultDocument();
    void unreadableStorageFallsBackToTheDefault_data();
    void unreadableStorageFallsBackToTheDefault();
    void loadAndSave();
};

void tst_plxDataSource::newDataSourceHoldsTheDefaultDocument()
{
    TPLXRecordingScope scope;
    TPLXDataSource ds;
    QVERIFY(ds.root() && ds.GetTable() && ds.GetCalendar() && ds.GetTree());
    QCOMPARE(ds.root()->getDataSource(), static_cast<TPLXDataSourceIntf *>(&ds));
    // One empty row with its numbered tree node; weekends and holidays.
    PLX_COMPARE_EACH(int,
                     ({ds.GetTable()->countRows(), ds.GetTable()->getRow(0)->GetBarCount(), ds.GetTree()->rowsCount(),
                       ds.GetCalendar()->getCategoriesCount()}),
                     ({1, 0, 1, 2}));
    // No "startDate" key: today, in the default day mode unchanged.
    QCOMPARE(ds.root()->getStartDate(), double(QDate(1899, 12, 30).daysTo(QDate::currentDate())));
    // The German texts are installed, and building the document shows no message box.
    QCOMPARE(PLXRessourceLanguage(), QLocale::German);
    QVERIFY2(scope.recorder().messages().isEmpty(), qPrintable(scope.recorder().messages().join(" | ")));
}

void tst_plxDataSource::unreadableStorageFallsBackToTheDefault_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("storage"); // %1: a temporary folder; used when there is no content
    QTest::addColumn<QString>("message");
    QTest::newRow("no such file") << QByteArray() << QStringLiteral("file://%1/none.ini") << "Error loading root";
    QTest::newRow("unknown protocol") << QByteArray() << QStringLiteral("ftp://host/a.ini") << "Error loading root";
    QTest::newRow("root of unknown type")
        << QByteArray("[root]\ntypeID=Plan\n") << QString() << QStringLiteral("Warning: Unknown type idPlan");
    QTest::newRow("root is a row") << QByteArray("[root]\ntypeID=Gantt Row\n") << QString() << QString();
}

void tst_plxDataSource::unreadableStorageFallsBackToTheDefault()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, storage);
    QFETCH(QString, message);
    QTemporaryDir dir;
    TPLXRecordingScope scope;
    TPLXDataSource ds;
    QVERIFY(addBar(ds, kMonday, 0));
    ds.setProperty("storage",
                   content.isEmpty() ? storage.arg(dir.path()) : storageFor(dir, QStringLiteral("plan.ini"), content));
    QVERIFY(ds.root());
    QCOMPARE(ds.getStorage(), QString());
    // A fresh default document, and the history of the old one is gone.
    QCOMPARE(ds.GetTable()->countRows(), 1);
    QCOMPARE(ds.GetTable()->getRow(0)->GetBarCount(), 0);
    QCOMPARE(ds.getUndoRedoStack().GetUndoOperationCount(), 0);
    if (!message.isEmpty())
        QVERIFY2(scope.recorder().messages().contains(message), qPrintable(scope.recorder().messages().join(" | ")));
}

void tst_plxDataSource::loadAndSave()
{
    Plan p(section(QStringLiteral("Application")) + line(QStringLiteral("owner"), QStringLiteral("planning")));
    QCOMPARE(connectionIds(p.ds), (QStringList{"AB", "BC"}));
    QCOMPARE(p.ds.root()->getStartDate(), kMonday);
    // Setting the storage again rebuilds the document from the file and drops the history.
    QVERIFY(p.ds.BarMove(p.bar(1, 0), kMonday + 3, 1));
    p.ds.setStorage(p.storage);
    QCOMPARE(p.undoCount() + p.ds.getUndoRedoStack().GetRedoOperationCount(), 0);
    QCOMPARE(p.bar(1, 0)->getStartDate(), kMonday + 2);

    // A failed save raises, writes nothing and leaves document and storage as they were.
    const QString target = p.dir.filePath(QStringLiteral("no/such/folder/plan.ini"));
    QVERIFY_THROWS_EXCEPTION(EPLXFileError, p.ds.SaveToMedia(QStringLiteral("file://") + target));
    QVERIFY(!QFile::exists(target));
    QVERIFY(p.ds.BarMove(p.bar(2, 1), kMonday + 9, 2));
    const QString copy = QStringLiteral("file://") + p.dir.filePath(QStringLiteral("copy.ini"));
    p.ds.SaveToMedia(copy);
    QCOMPARE(p.ds.getStorage(), p.storage); // saving does not switch the storage
    TPLXDataSource other;
    other.setStorage(copy);
    QCOMPARE(connectionIds(other), (QStringList{"AB", "BC"}));
    QCOMPARE(other.GetTable()->getRow(2)->GetBarInRow(1)->getStartDate(), kMonday + 9);

    // Into its own file: sections the chart does not know are kept.
    p.ds.SaveToMedia(p.storage);
    const QByteArray written = plxtest::readFile(p.dir.filePath(QStringLiteral("plan.ini")));
    QVERIFY(written.contains("[Application]") && written.contains("owner=planning"));
    TPLXDataSource reread;
    reread.setStorage(p.storage);
    QCOMPARE(reread.GetTable()->getRow(2)->GetBarInRow(1)->getStartDate(), kMonday + 9);
    // The default store and a dummy store take nothing and raise nothing.
    p.ds.SaveToMedia(QString());
    p.ds.SaveToMedia(QStringLiteral("nothing://here"));
}

QTEST_MAIN(tst_plxDataSource)
#include "tst_plxDataSource.moc"
