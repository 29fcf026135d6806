#include "plxCompare.h"
#include "plxDocumentCalendar.h"
#include "plxDocumentFixture.h"
#include "plxPlatform.h"
#include "plxRessourceStrings.h"
#include "plxTaskBar.h"
#include "plxTreeGrid.h"
#include "plxTreeRow.h"

#include <QDate>
#include <QtTest>

#include <csignal>
#include <functional>
#include <sys/resource.h>

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
    void savedDocumentReloadsAsSaved_data();
    void savedDocumentReloadsAsSaved();
    void failedSaveReportsOnceAndKeepsTheFile();
    void progressCancelsLoadAndSave();
    void hostileDocumentsLoadWhole_data();
    void hostileDocumentsLoadWhole();
};

void tst_plxDataSource::newDataSourceHoldsTheDefaultDocument()
{
    TPLXRecordingScope scope;
    TPLXDataSource ds;
    QVERIFY(ds.root() && ds.GetTable() && ds.GetCalendar() && ds.GetTree() && ds.GetLegend());
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
    Plan p;
    QCOMPARE(connectionIds(p.ds), (QStringList{"AB", "BC"}));
    QCOMPARE(p.ds.root()->getStartDate(), kMonday);
    // Setting the storage again rebuilds the document from the file and drops the history.
    QVERIFY(p.ds.BarMove(p.bar(1, 0), kMonday + 3, 1));
    p.ds.setStorage(p.storage);
    QCOMPARE(p.undoCount() + p.ds.getUndoRedoStack().GetRedoOperationCount(), 0);
    QCOMPARE(p.bar(1, 0)->getStartDate(), kMonday + 2);

    QVERIFY(p.ds.BarMove(p.bar(2, 1), kMonday + 9, 2));
    // A storage that is no regular file raises and changes nothing, the history included.
    QVERIFY(QDir(p.dir.path()).mkdir(QStringLiteral("folder.ini")));
    QVERIFY_THROWS_EXCEPTION(EPLXFileError, p.ds.setStorage("file://" + p.dir.filePath(QStringLiteral("folder.ini"))));
    QVERIFY(p.ds.getStorage() == p.storage && p.undoCount() == 1);
    QVERIFY(p.ds.SaveToMedia(QStringLiteral("file://") + p.dir.filePath(QStringLiteral("copy.ini"))));
    QCOMPARE(p.ds.getStorage(), p.storage); // saving does not switch the storage
    // The default store and a dummy store take nothing and raise nothing.
    QVERIFY(p.ds.SaveToMedia(QString()) && p.ds.SaveToMedia(QStringLiteral("nothing://here")));

    // A bar's default text halo is written without being made; made later, it keeps the names it was saved under.
    TPLXGanttBar *bar = p.bar(1, 0);
    QVERIFY(!bar->existingTextHalo());
    const QStringList saved = savedLines(p.ds, p.dir);
    QVERIFY(!bar->existingTextHalo() && saved.join(u'\n').contains(QLatin1String("typeID=textual halo")));
    QVERIFY(bar->textHalo());
    QCOMPARE(firstDifference(saved, savedLines(p.ds, p.dir)), QString());
}

void tst_plxDataSource::savedDocumentReloadsAsSaved_data()
{
    QTest::addColumn<int>("edit");
    QTest::addColumn<QString>("target"); // plan.ini is the storage; other.ini a copy of it
    QTest::newRow("PERT box deleted") << 0 << "plan.ini";
    QTest::newRow("connection deleted") << 1 << "plan.ini";
    QTest::newRow("row deleted") << 2 << "plan.ini";
    QTest::newRow("saved as over a stale copy") << 0 << "other.ini";
}

void tst_plxDataSource::savedDocumentReloadsAsSaved()
{
    QFETCH(int, edit);
    QFETCH(QString, target);
    Document doc = threeRows(section(QStringLiteral("Application")) + line(QStringLiteral("owner"), "planning"));
    doc.nestedTree = true; // rows are deleted through the tree
    LoadedDocument p(doc);
    QVERIFY(p.ds.PertBarAdd(0, 40, 20) && p.ds.PertBarAdd(1, 200, 20));
    QVERIFY(p.ds.SaveToMedia(p.storage));
    const QString path = p.dir.filePath(target);
    QVERIFY(target == "plan.ini" || QFile::copy(p.dir.filePath(QStringLiteral("plan.ini")), path));
    const std::function<bool()> edits[] = {[&] { return p.ds.PertBarDelete(p.row(0)->pertBar()); },
                                           [&] { return p.ds.ConnectionDelete(p.ds.root()->getConnection(0)); },
                                           [&] { return p.ds.RowDelete(2); }};
    QVERIFY(edits[edit]());
    const QStringList expected = savedLines(p.ds, p.dir);
    QVERIFY(p.ds.SaveToMedia(QStringLiteral("file://") + path));
    TPLXDataSource reloaded;
    reloaded.setStorage(QStringLiteral("file://") + path);
    QCOMPARE(firstDifference(expected, savedLines(reloaded, p.dir)), QString());
    QVERIFY(readFile(path).contains("[Application]\nowner=planning"));
}

void tst_plxDataSource::failedSaveReportsOnceAndKeepsTheFile()
{
    Plan p;
    const QString path = p.dir.filePath(QStringLiteral("plan.ini"));
    const QByteArray before = readFile(path);
    const QStringList files = QDir(p.dir.path()).entryList(QDir::Files);
    QVERIFY(p.ds.BarMove(p.bar(1, 0), kMonday + 3, 1));
    // The size limit refuses the write past its first bytes; its signal would end the test.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit limit{64, saved.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    const bool written = p.ds.SaveToMedia(QStringLiteral("file://") + path);
    setrlimit(RLIMIT_FSIZE, &saved);
    const QStringList &messages = p.recording.recorder().messages();
    QVERIFY2(!written && messages.size() == 1 && messages[0].endsWith("(File too large)"),
             qPrintable(messages.join(" | ")));
    QCOMPARE(readFile(path), before);
    QCOMPARE(QDir(p.dir.path()).entryList(QDir::Files), files);
}

void tst_plxDataSource::progressCancelsLoadAndSave()
{
    Plan p;
    const QByteArray before = readFile(p.dir.filePath(QStringLiteral("plan.ini")));
    QVERIFY(p.ds.BarMove(p.bar(1, 0), kMonday + 3, 1));
    QList<int> reported;
    p.ds.getFactory().setOnProgress([&](int done) {
        reported << done;
        return reported.size() < 3;
    });
    QVERIFY(!p.ds.SaveToMedia(p.storage));
    QCOMPARE(reported, (QList<int>{1, 2, 3}));
    QCOMPARE(readFile(p.dir.filePath(QStringLiteral("plan.ini"))), before);

    // A cancelled load takes no section after the one it stopped at.
    TPLXDataSource loading;
    reported.clear();
    loading.getFactory().setOnProgress([&](int done) {
        reported << done;
        return reported.size() < 3;
    });
    loading.setStorage(p.storage);
    QVERIFY(loading.loadWasCancelled());
    QCOMPARE(reported, (QList<int>{1, 2, 3}));
    QVERIFY(!loading.root() || loading.GetTable()->countRows() < p.ds.GetTable()->countRows());
}

void tst_plxDataSource::hostileDocumentsLoadWhole_data()
{
    QTest::addColumn<QString>("file"); // in the folder of hostile documents
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("message"); // the last message shown
    QTest::addColumn<QString>("logged");  // the start of one log line
    const auto row = [](const char *file, int shown, const QString &message, const QString &logged) {
        QTest::newRow(file) << QString::fromLatin1(file) << shown << message << logged;
    };
    const QString calendar =
        QStringLiteral("Der Kalender \"%1\" fehlt oder ist kein Kalender; der Standardkalender wird verwendet.");
    const QString table =
        QStringLiteral("Die Tabelle \"%1\" fehlt oder ist keine Tabelle; die Standardtabelle wird verwendet.");
    const QString tree =
        QStringLiteral("Der Aufgabenbaum \"%1\" fehlt oder ist kein Baum; der Standardbaum wird verwendet.");
    const auto standIn = [](const char *key, const char *named) {
        return QStringLiteral("\"%1\" of \"root\" (\"%2\") is missing or of another kind").arg(key, named);
    };
    const auto rows = [](int tree, int table) {
        return QStringLiteral("\"root\": the task tree has %1 rows and the table %2; blank %3 rows are appended")
            .arg(tree)
            .arg(table)
            .arg(tree < table ? "tree" : "table");
    };
    row("count-4096-without-rows", 0, QString(),
        "Array \"rows\" in section \"Plan Table\" claims 4096 elements; reading 0");
    row("count-far-element", 0, QString(),
        "Array \"rows\" in section \"Plan Table\" claims 2000000000 elements; reading 1");
    row("count-padded-million", 0, QString(),
        "Array \"rows\" in section \"Plan Table\" claims 1000000 elements; reading 2");
    row("count-beyond-32-bits", 0, QString(), rows(2, 0));
    row("count-negative", 0, QString(), rows(0, 2));
    row("calendar-missing", 1, calendar.arg("calendar"), standIn("calendar", ""));
    row("calendar-missing-with-boxes", 3, calendar.arg("Nowhere"), standIn("calendar", "Nowhere"));
    row("calendar-wrong-kind", 1, calendar.arg("Row 1"), standIn("calendar", "Row 1"));
    row("table-missing", 1, table.arg("table"), standIn("table", ""));
    row("table-wrong-kind", 1, table.arg("Plan Calendar"), standIn("table", "Plan Calendar"));
    row("tree-missing-section", 3, tree.arg("Nowhere"), standIn("tree", "Nowhere"));
    row("tree-wrong-kind", 1, tree.arg("Plan Table"), standIn("tree", "Plan Table"));
    row("tree-row-fewer-cells", 0, QString(),
        "\"root\": tree row 1 has 1 cells for 2 columns; blank cells are appended");
    row("tree-row-more-cells", 0, QString(),
        "\"root\": tree row 0 has 3 cells for 2 columns; the cells past the last column are left out");
    row("tree-more-nodes-than-rows", 0, QString(), rows(3, 2));
    row("tree-fewer-nodes-than-rows", 0, QString(), rows(1, 2));
    row("tree-node-two-parents", 0, QString(), "Tree node Plan Root: its child Node 2 belongs to another node");
    row("tree-keys-differ-in-case", 0, QString(), "Tree node node 1: its row Tree Row 1 belongs to another node");
    // Eighty messages: ten shown, then the count of the rest; the log holds them all, the last one included.
    row("unknown-sections-flood", 11, "70 weitere Meldungen wurden nicht angezeigt; das Protokoll enthält alle.",
        "Error loading Alien 39");
}

void tst_plxDataSource::hostileDocumentsLoadWhole()
{
    QFETCH(QString, file);
    QFETCH(int, shown);
    QFETCH(QString, message);
    QFETCH(QString, logged);
    TPLXRecordingScope scope;
    TPLXDataSource ds;
    const QString storage = QStringLiteral("file://" ORVANTA_TEST_DATA "/hostile/") + file + QStringLiteral(".ini");
    ds.setStorage(storage);
    const QStringList &messages = scope.recorder().messages();
    QCOMPARE(ds.getStorage(), storage);
    QCOMPARE(messages.size(), shown);
    QCOMPARE(messages.value(shown - 1), message);
    QVERIFY2(std::any_of(scope.recorder().logLines().cbegin(), scope.recorder().logLines().cend(),
                         [&](const QString &line) { return line.startsWith(logged); }),
             qPrintable(scope.recorder().logLines().join('\n')));
    // Each tree row has one cell per column; that tree and table agree and draw is checked for every hostile file
    // by tst_plxHostileDocuments.
    TPLXTreeGrid *tree = ds.GetTree();
    for (int i = 0; tree && i < tree->rowsCount(); ++i)
        QCOMPARE(tree->getRow(i)->cellsCount(), tree->colsCount());
    if (tree && tree->colsCount() > 1) { // moving the last column reaches every row's last cell
        const std::unique_ptr<TPLXOperation> move = tree->moveColumn(tree->colsCount() - 1, 0);
        QVERIFY(move && move->perform() && move->undo());
    }
}

QTEST_MAIN(tst_plxDataSource)
#include "tst_plxDataSource.moc"
