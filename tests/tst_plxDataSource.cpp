#include "plxDataSource.h"
#include "plxDocumentCalendar.h"
#include "plxDocumentFixture.h"
#include "plxGanttBar.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxPlatform.h"
#include "plxRessourceStrings.h"
#include "plxTaskBar.h"

#include <QDate>
#include <QtTest>

using namespace fixture;

namespace {

Document threeRows()
{
    Document doc;
    doc.rows = {Row{{Bar{QStringLiteral("A"), kMonday, 2}}}, Row{{Bar{QStringLiteral("B"), kMonday + 2, 1}}},
                Row{{Bar{QStringLiteral("C"), kMonday + 3, 1}, Bar{QStringLiteral("E"), kMonday + 7, 1}}}};
    doc.connections = {Connection{QStringLiteral("AB"), QStringLiteral("A"), QStringLiteral("B"), 1},
                       Connection{QStringLiteral("BC"), QStringLiteral("B"), QStringLiteral("C"), 1}};
    return doc;
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

double today()
{
    return static_cast<double>(QDate(1899, 12, 30).daysTo(QDate::currentDate()));
}

} // namespace

class tst_plxDataSource : public QObject
{
    Q_OBJECT

private slots:
    void newDataSourceHoldsTheDefaultDocument();
    void unreadableStorageFallsBackToTheDefault_data();
    void unreadableStorageFallsBackToTheDefault();
    void storageLoadsAFileAndClearsTheHistory();
    void saveToMediaWritesTheDocument();
    void saveIntoTheCurrentFileKeepsOtherSections();
    void saveToAnUnwritablePlaceRaisesAFileError();
    void stackEventsArePublished();
    void barCommandsRecordOneStepEach();
    void failedCommandsAreNotRecorded();
    void rowClearTakesConnectionsAlong();
    void resolveDistanceViolationsIsOneStep();
};

void tst_plxDataSource::newDataSourceHoldsTheDefaultDocument()
{
    TPLXRecordingScope scope;
    TPLXDataSource ds;
    QVERIFY(ds.root());
    QCOMPARE(ds.getStorage(), QString());
    QCOMPARE(ds.root()->getDataSource(), &ds);
    QCOMPARE(ds.property("storage").toString(), QString());
    QCOMPARE(ds.property("root").value<TPLXGanttObject *>(), ds.root());
    QVERIFY(ds.FAutoCreatePertBars);
    QVERIFY(!ds.IsInUpdateMode());
    QCOMPARE(ds.property("LeftScrollLimit").toDouble(), 0.0);
    QVERIFY(!ds.property("UseRightScrollLimit").toBool());

    QVERIFY(ds.GetTable());
    QCOMPARE(ds.GetTable()->countRows(), 1);
    QCOMPARE(ds.GetTable()->getRow(0)->GetBarCount(), 0);
    QVERIFY(ds.GetCalendar());
    QCOMPARE(ds.GetCalendar()->getCategoriesCount(), 2); // weekends and holidays
    QCOMPARE(ds.root()->countConnections(), 0);
    QVERIFY(ds.root()->GetConnectionSettings());
    QVERIFY(ds.root()->GetTaskBarSettings());
    QVERIFY(ds.root()->getTextBarSettings());
    QVERIFY(ds.root()->getHintTextSettings());
    QVERIFY(ds.root()->getImageBarSettings());
    QVERIFY(!ds.root()->getTimeScaleUnder());
    // No "startDate" key: today, in the default day mode unchanged.
    QCOMPARE(ds.root()->getStartDate(), today());
    // The German texts are installed.
    QCOMPARE(PLXRessourceLanguage(), QLocale::German);
    QCOMPARE(ds.getUndoRedoStack().GetUndoOperationCount(), 0);
    // Building the default document shows no message box.
    QVERIFY2(scope.recorder.messages.isEmpty(), qPrintable(scope.recorder.messages.join(" | ")));
}

void tst_plxDataSource::unreadableStorageFallsBackToTheDefault_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("message");

    QTest::newRow("no such file") << QByteArray() << QStringLiteral("missing.ini")
                                  << QStringLiteral("Error loading root");
    QTest::newRow("root of unknown type") << QByteArray("[root]\ntypeID=Plan\n") << QStringLiteral("plan.ini")
                                          << QStringLiteral("Warning: Unknown type idPlan");
    QTest::newRow("root is a row") << QByteArray("[root]\ntypeID=Gantt Row\n") << QStringLiteral("row.ini")
                                   << QString();
    QTest::newRow("unknown protocol") << QByteArray() << QStringLiteral("ftp") << QStringLiteral("Error loading root");
}

void tst_plxDataSource::unreadableStorageFallsBackToTheDefault()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, fileName);
    QFETCH(QString, message);
    QTemporaryDir dir;
    TPLXRecordingScope scope;
    TPLXDataSource ds;
    QVERIFY(addBar(ds, kMonday, 0));
    QCOMPARE(ds.getUndoRedoStack().GetUndoOperationCount(), 1);
    scope.recorder.messages.clear();

    QString storage;
    if (fileName == QLatin1String("ftp"))
        storage = QStringLiteral("ftp://server/plan.ini");
    else if (content.isEmpty())
        storage = QStringLiteral("file://") + dir.filePath(fileName);
    else
        storage = storageFor(dir, fileName, content);
    ds.setProperty("storage", storage);

    QVERIFY(ds.root());
    QCOMPARE(ds.getStorage(), QString());
    QCOMPARE(ds.GetTable()->countRows(), 1);
    QCOMPARE(ds.GetTable()->getRow(0)->GetBarCount(), 0); // a fresh default document
    QCOMPARE(ds.getUndoRedoStack().GetUndoOperationCount(), 0);
    if (!message.isEmpty())
        QVERIFY2(scope.recorder.messages.contains(message), qPrintable(scope.recorder.messages.join(" | ")));
}

void tst_plxDataSource::storageLoadsAFileAndClearsTheHistory()
{
    QTemporaryDir dir;
    TPLXRecordingScope scope;
    TPLXDataSource ds;
    const QString storage = storageFor(dir, QStringLiteral("plan.ini"), text(threeRows()));
    ds.setStorage(storage);
    QCOMPARE(ds.getStorage(), storage);
    QCOMPARE(ds.GetTable()->countRows(), 3);
    QCOMPARE(ds.root()->countConnections(), 2);
    QCOMPARE(ds.root()->getStartDate(), kMonday);

    QVERIFY(ds.BarMove(ds.GetTable()->getRow(1)->GetBarInRow(0), kMonday + 3, 1));
    QCOMPARE(ds.getUndoRedoStack().GetUndoOperationCount(), 1);
    ds.setStorage(storage);
    QCOMPARE(ds.getUndoRedoStack().GetUndoOperationCount(), 0);
    QCOMPARE(ds.getUndoRedoStack().GetRedoOperationCount(), 0);
    // Rebuilt from the file, not edited: the bar is back on Wednesday.
    QCOMPARE(ds.GetTable()->getRow(1)->GetBarInRow(0)->getStartDate(), kMonday + 2);
}

void tst_plxDataSource::saveToMediaWritesTheDocument()
{
    QTemporaryDir dir;
    TPLXRecordingScope scope;
    TPLXDataSource ds;
    const QString storage = storageFor(dir, QStringLiteral("plan.ini"), text(threeRows()));
    ds.setStorage(storage);
    const QString copy = QStringLiteral("file://") + dir.filePath(QStringLiteral("copy.ini"));
    ds.SaveToMedia(copy);
    QCOMPARE(ds.getStorage(), storage); // saving does not switch the storage

    TPLXDataSource other;
    other.setStorage(copy);
    QCOMPARE(other.getStorage(), copy);
    QCOMPARE(other.GetTable()->countRows(), 3);
    QCOMPARE(other.root()->countConnections(), 2);
    QCOMPARE(other.root()->getConnection(1)->getUID(), QStringLiteral("BC"));
    QCOMPARE(other.GetTable()->getRow(2)->GetBarInRow(1)->getStartDate(), kMonday + 7);

    // The default store and a dummy store take nothing and raise nothing.
    ds.SaveToMedia(QString());
    ds.SaveToMedia(QStringLiteral("nothing://here"));
}

void tst_plxDataSource::saveIntoTheCurrentFileKeepsOtherSections()
{
    QTemporaryDir dir;
    TPLXRecordingScope scope;
    Document doc = threeRows();
    doc.extra = section(QStringLiteral("Application")) + line(QStringLiteral("owner"), QStringLiteral("planning"));
    const QString storage = storageFor(dir, QStringLiteral("plan.ini"), text(doc));
    TPLXDataSource ds;
    ds.setStorage(storage);
    QVERIFY(ds.BarMove(ds.GetTable()->getRow(2)->GetBarInRow(1), kMonday + 9, 2));
    ds.SaveToMedia(storage);

    const QByteArray written = plxReadFile(dir.filePath(QStringLiteral("plan.ini")));
    QVERIFY(written.contains("[Application]"));
    QVERIFY(written.contains("owner=planning"));
    TPLXDataSource reread;
    reread.setStorage(storage);
    QCOMPARE(reread.GetTable()->getRow(2)->GetBarInRow(1)->getStartDate(), kMonday + 9);
}

void tst_plxDataSource::saveToAnUnwritablePlaceRaisesAFileError()
{
    QTemporaryDir dir;
    TPLXRecordingScope scope;
    TPLXDataSource ds;
    const QString storage = storageFor(dir, QStringLiteral("plan.ini"), text(threeRows()));
    ds.setStorage(storage);
    const QString target = dir.filePath(QStringLiteral("no/such/folder/plan.ini"));
    QVERIFY_THROWS_EXCEPTION(EPLXFileError, ds.SaveToMedia(QStringLiteral("file://") + target));
    QVERIFY(!QFile::exists(target));
    // The document and its storage are untouched and can still be saved.
    QCOMPARE(ds.getStorage(), storage);
    QCOMPARE(ds.root()->countConnections(), 2);
    ds.SaveToMedia(storage);
    TPLXDataSource reread;
    reread.setStorage(storage);
    QCOMPARE(reread.GetTable()->countRows(), 3);
}

void tst_plxDataSource::stackEventsArePublished()
{
    TPLXRecordingScope scope;
    TPLXDataSource ds;
    QStringList seen;
    ds.setOnChange([&seen](TPLXOperation *) { seen << QStringLiteral("change"); });
    ds.setOnUndo([&seen](TPLXOperation *) { seen << QStringLiteral("undo"); });
    ds.setOnRedo([&seen](TPLXOperation *) { seen << QStringLiteral("redo"); });
    QVERIFY(ds.getOnChange() && ds.getUndoRedoStack().getOnChange());

    QVERIFY(addBar(ds, kMonday, 0));
    QVERIFY(ds.getUndoRedoStack().undo());
    QVERIFY(ds.getUndoRedoStack().redo());
    QCOMPARE(seen, (QStringList{QStringLiteral("change"), QStringLiteral("undo"), QStringLiteral("change"),
                                QStringLiteral("redo"), QStringLiteral("change")}));
    ds.clearUndoRedoStack();
    QCOMPARE(ds.getUndoRedoStack().GetUndoOperationCount(), 0);
    ds.SetUpdateMode(true);
    QVERIFY(ds.IsInUpdateMode());
}

void tst_plxDataSource::barCommandsRecordOneStepEach()
{
    QTemporaryDir dir;
    TPLXRecordingScope scope;
    TPLXDataSource ds;
    ds.setStorage(storageFor(dir, QStringLiteral("plan.ini"), text(threeRows())));
    TPLXGanttTable *table = ds.GetTable();
    TPLXGanttBar *b = table->getRow(1)->GetBarInRow(0);
    TPLXGanttDocument *document = ds.root();

    // Moving B to row 0 keeps both of its connections.
    QVERIFY(ds.BarMove(b, kMonday + 7, 0));
    QCOMPARE(b->getParent(), table->getRow(0));
    QCOMPARE(document->connectionsOf(b).size(), 2);
    QVERIFY(ds.BarAssignTime(b, kMonday + 8, kMonday + 10));
    QCOMPARE(b->getEndDate(), kMonday + 10);
    QVERIFY(ds.BarResize(b, 1, 0, true));
    QCOMPARE(b->getEndDate(), kMonday + 11);
    QCOMPARE(ds.getUndoRedoStack().GetUndoOperationCount(), 3);

    QVERIFY(ds.BarDelete(b));
    QCOMPARE(document->countConnections(), 0);
    QCOMPARE(table->getRow(0)->indexOf(b), -1);

    for (int i = 0; i < 4; ++i)
        QVERIFY(ds.getUndoRedoStack().undo());
    QCOMPARE(b->getParent(), table->getRow(1));
    QCOMPARE(b->getStartDate(), kMonday + 2);
    QCOMPARE(document->countConnections(), 2);
    QCOMPARE(document->getConnection(0)->getUID(), QStringLiteral("AB"));
    QCOMPARE(document->getConnection(1)->getUID(), QStringLiteral("BC"));

    // A new bar joins the row it is added to.
    auto added = std::make_unique<TPLXTaskBar>(kMonday + 14, kMonday + 15, 2);
    TPLXTaskBar *bar = added.get();
    QVERIFY(ds.BarAdd(bar, 2));
    (void)added.release(); // the row's now
    QCOMPARE(table->getRow(2)->indexOf(bar), 2);
}

void tst_plxDataSource::failedCommandsAreNotRecorded()
{
    QTemporaryDir dir;
    TPLXRecordingScope scope;
    TPLXDataSource ds;
    ds.setStorage(storageFor(dir, QStringLiteral("plan.ini"), text(threeRows())));
    TPLXGanttBar *a = ds.GetTable()->getRow(0)->GetBarInRow(0);
    TPLXGanttBar *c = ds.GetTable()->getRow(2)->GetBarInRow(0);

    ds.OnBeforeConnectionAdd = [](TPLXBarConnection *, bool &cancel) { cancel = true; };
    auto connection = std::make_unique<TPLXBarConnection>(a, c, 1, ds.root());
    QVERIFY(!ds.ConnectionAdd(connection.get())); // stays ours
    ds.OnBeforeBarMove = [](TPLXGanttBar *, bool &cancel) { cancel = true; };
    QVERIFY(!ds.BarMove(a, kMonday + 1, 0));
    ds.OnBarResize = [](TPLXGanttBar *, double, int, bool, bool &allowed) { allowed = false; };
    QVERIFY(!ds.BarResize(a, 1, 0, true));
    auto bar = std::make_unique<TPLXTaskBar>(kMonday, kMonday + 1, 9);
    QVERIFY(!ds.BarAdd(bar.get(), 9)); // no row 9
    QVERIFY(!ds.RowClear(7));
    QCOMPARE(ds.getUndoRedoStack().GetUndoOperationCount(), 0);
    QCOMPARE(ds.root()->countConnections(), 2);
    QCOMPARE(a->getStartDate(), kMonday);
}

void tst_plxDataSource::rowClearTakesConnectionsAlong()
{
    QTemporaryDir dir;
    TPLXRecordingScope scope;
    TPLXDataSource ds;
    ds.setStorage(storageFor(dir, QStringLiteral("plan.ini"), text(threeRows())));
    TPLXGanttRow *row = ds.GetTable()->getRow(1);
    TPLXGanttBar *b = row->GetBarInRow(0);
    QStringList deleted;
    ds.OnAfterConnectionDelete = [&deleted](TPLXBarConnection *c) { deleted << c->getUID(); };
    QVERIFY(ds.RowClear(1));
    QCOMPARE(row->GetBarCount(), 0);
    QCOMPARE(ds.root()->countConnections(), 0);
    QCOMPARE(deleted, (QStringList{QStringLiteral("AB"), QStringLiteral("BC")}));
    QVERIFY(ds.getUndoRedoStack().undo());
    QCOMPARE(row->GetBarInRow(0), b);
    QCOMPARE(ds.root()->countConnections(), 2);
    QCOMPARE(ds.root()->getConnection(0)->getUID(), QStringLiteral("AB"));
}

void tst_plxDataSource::resolveDistanceViolationsIsOneStep()
{
    QTemporaryDir dir;
    TPLXRecordingScope scope;
    TPLXDataSource ds;
    ds.setStorage(storageFor(dir, QStringLiteral("plan.ini"), text(threeRows())));
    TPLXGanttBar *a = ds.GetTable()->getRow(0)->GetBarInRow(0);
    TPLXGanttBar *b = ds.GetTable()->getRow(1)->GetBarInRow(0);
    TPLXGanttBar *c = ds.GetTable()->getRow(2)->GetBarInRow(0);
    int changes = 0;
    ds.setOnChange([&changes](TPLXOperation *) { ++changes; });

    QVERIFY(ds.BarMove(a, kMonday + 1, 0));
    QVERIFY(ds.ResolveDistanceViolations(a));
    QCOMPARE(changes, 2);
    QCOMPARE(ds.getUndoRedoStack().GetUndoOperationCount(), 2);
    QCOMPARE(b->getStartDate(), kMonday + 3);
    QCOMPARE(c->getStartDate(), kMonday + 4);

    // Nothing left to repair: no step is recorded.
    QVERIFY(ds.ResolveDistanceViolations(a));
    QCOMPARE(ds.getUndoRedoStack().GetUndoOperationCount(), 2);

    QVERIFY(ds.getUndoRedoStack().undo());
    QCOMPARE(b->getStartDate(), kMonday + 2);
    QCOMPARE(c->getStartDate(), kMonday + 3);
    QCOMPARE(a->getStartDate(), kMonday + 1);
    QVERIFY(ds.getUndoRedoStack().undo());
    QCOMPARE(a->getStartDate(), kMonday);
}

QTEST_MAIN(tst_plxDataSource)
#include "tst_plxDataSource.moc"
