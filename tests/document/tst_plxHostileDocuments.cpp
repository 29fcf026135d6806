// Documents a user should never have been able to write: each loads, draws,
// saves and reloads without a crash, a hang or undefined behaviour, and the
// saved copy says nothing new when it is opened again.
#include "plxDocumentFixture.h"
#include "plxLegend.h"
#include "plxTreeGrid.h"
#include "plxTreeNode.h"
#include "plxVisualContext.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>

using namespace plxtest;

namespace {

const QString kHostileDir = QStringLiteral(ORVANTA_TEST_DATA "/hostile");

void draw(TPLXGanttDocument &document, TPLXViewType view, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    TPLXCanvasVC vc(painter);
    vc.setVisibleArea(TRect{0, 0, size.width(), size.height()});
    if (TPLXDrawer *drawer = document.getDrawer(view))
        drawer->Draw(vc);
    if (TPLXLegend *legend = document.GetLegend()) {
        legend->drawer()->SetLayout({0, 0, size.width(), size.height()});
        legend->drawer()->Draw(vc);
    }
}

struct Loaded
{
    QStringList messages;
    int rows = -1;
};

// Opens `storage` in `ds` and checks what every document must give: a
// drawable document whose tree and table agree, and a bounded message count.
Loaded open(TPLXDataSource &ds, const QString &storage)
{
    TPLXRecordingScope recording;
    ds.setStorage(storage);
    Loaded loaded;
    loaded.messages = recording.recorder().messages();
    TPLXGanttDocument *document = ds.root();
    if (!document || !ds.GetTable() || !ds.GetCalendar()) {
        QTest::qFail("the document is not drawable", __FILE__, __LINE__);
        return loaded;
    }
    loaded.rows = ds.GetTable()->countRows();
    if (TPLXTreeGrid *tree = ds.GetTree(); tree && tree->rowsCount() != loaded.rows)
        QTest::qFail(qPrintable(QStringLiteral("tree rows %1, table rows %2").arg(tree->rowsCount()).arg(loaded.rows)),
                     __FILE__, __LINE__);
    // Ten message boxes and one that counts the rest.
    if (loaded.messages.size() > 11)
        QTest::qFail(qPrintable(QStringLiteral("%1 message boxes").arg(loaded.messages.size())), __FILE__, __LINE__);
    document->setEndDate(document->getStartDate() + 30);
    draw(*document, vtGanttGraph, {320, 240});
    draw(*document, vtPertGraph, {320, 240});
    return loaded;
}

} // namespace

class TestHostileDocuments : public QObject
{
    Q_OBJECT

private slots:
    void loadDrawSave_data()
    {
        QTest::addColumn<QString>("path");
        const QDir dir(kHostileDir);
        for (const QFileInfo &file : dir.entryInfoList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(file.completeBaseName())) << file.absoluteFilePath();
        // The empty note of picture-and-text-bars holding 100,000 characters, too many to keep as a file.
        static QTemporaryDir generated;
        QByteArray text = readFile(dir.filePath(QStringLiteral("picture-and-text-bars.ini")));
        text.replace("\ntext=\n", "\ntext=" + QByteArray("a long note ").repeated(8333) + "abcd\n");
        if (!text.contains("abcd\n"))
            qFatal("picture-and-text-bars.ini has no empty note left to fill");
        writeFile(generated.filePath(QStringLiteral("long-note.ini")), text);
        QTest::newRow("text-bar-100000-characters") << generated.filePath(QStringLiteral("long-note.ini"));
    }

    void loadDrawSave()
    {
        QFETCH(QString, path);
        QTemporaryDir dir;
        TPLXDataSource ds;
        const Loaded first = open(ds, QStringLiteral("file://") + path);
        const QString copy = QStringLiteral("file://") + dir.filePath(QStringLiteral("copy.ini"));
        {
            TPLXRecordingScope recording;
            ds.SaveToMedia(copy);
            QCOMPARE(recording.recorder().messages(), QStringList());
        }
        TPLXDataSource reopened;
        const Loaded second = open(reopened, copy);
        QCOMPARE(second.rows, first.rows);
        for (const QString &message : second.messages)
            QVERIFY2(first.messages.contains(message), qPrintable(message));
    }

    // Depth and chain length must not turn into stack depth or quadratic time.
    void deepTreeAndLongChain()
    {
        const int n = qEnvironmentVariableIntValue("ORVANTA_DEEP_ROWS") > 0
                          ? qEnvironmentVariableIntValue("ORVANTA_DEEP_ROWS")
                          : 100000;
        Document doc;
        doc.nestedTree = true;
        for (int i = 0; i < n; ++i) {
            doc.rows.append(Row{{Bar{QStringLiteral("B%1").arg(i), kMonday + i, 1}}, 20, i + 1 < n});
            if (i > 0)
                doc.connections.append(Connection{QStringLiteral("C%1").arg(i), QStringLiteral("B%1").arg(i - 1),
                                                  QStringLiteral("B%1").arg(i)});
        }
        QTemporaryDir dir;
        auto ds = std::make_unique<TPLXDataSource>();
        const Loaded loaded = open(*ds, storageFor(dir, QStringLiteral("deep.ini"), text(doc)));
        QCOMPARE(loaded.rows, n);
        TPLXTreeGrid *tree = ds->GetTree();
        QCOMPARE(tree->getRowLevel(n - 1), n);
        // The outermost summary spans every task below it.
        TPLXGanttTable *table = ds->GetTable();
        TPLXGanttBar *outer = table->getRow(0)->GetBarInRow(0);
        QCOMPARE(outer->getStartDate(), table->getRow(1)->GetBarInRow(1)->getStartDate());
        QCOMPARE(outer->getEndDate(), table->getRow(n - 1)->GetBarInRow(0)->getEndDate());

        // Scrolled half-way down: the drawing passes over the branches above, it does not walk them.
        table->SetScrolledLines(n / 2);
        draw(*ds->root(), vtGanttGraph, {320, 240});
        ds->root()->getDrawer(vtGanttGraph)->locateObject(10, 10);
        table->SetScrolledLines(0);
        tree->collapse(0);
        QVERIFY(!ds->GetTable()->getRow(n - 1)->IsVisible());
        tree->expand(0);
        QVERIFY(ds->GetTable()->getRow(n - 1)->IsVisible());
        tree->getRootNode()->sort(0, sortDescending);
        tree->getRootNode()->setIndexes(0);
        ds->GetTable()->UpdateSummaryBars();
        QCOMPARE(tree->getRowLevel(n - 1), n);

        const QString copy = QStringLiteral("file://") + dir.filePath(QStringLiteral("copy.ini"));
        ds->SaveToMedia(copy);
        ds = std::make_unique<TPLXDataSource>();
        QCOMPARE(open(*ds, copy).rows, n);
        QCOMPARE(ds->GetTree()->getRowLevel(n - 1), n);
        QCOMPARE(ds->root()->getConnections().size(), n - 1);
    }
};

QTEST_MAIN(TestHostileDocuments)
#include "tst_plxHostileDocuments.moc"
