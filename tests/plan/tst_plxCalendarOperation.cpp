// The calendar edit session: each kind of edit is one undo step, and undo and redo give back the saved documents
// key by key, down to the entities a session took out and put back.
#include "plxCalendarOperation.h"
#include "plxColors.h"
#include "plxDataSource.h"
#include "plxDocumentCalendar.h"
#include "plxDocumentFixture.h"
#include "plxTaskBar.h"

#include <QtTest>

#include <functional>

namespace {

// Categories 0 Weekends, 1 Holidays (both predefined) and 2 Site (plain: a holiday, then every Friday).
using Edit = std::function<void(TPLXCalendarEditOperation &, IPLXDateCategory *site)>;

const QList<std::pair<const char *, Edit>> &edits()
{
    static const QList<std::pair<const char *, Edit>> all{
        {"remove a predefined category",
         [](TPLXCalendarEditOperation &s, IPLXDateCategory *) { s.removeCategory(1); }},
        {"remove a category with exceptions",
         [](TPLXCalendarEditOperation &s, IPLXDateCategory *) { s.removeCategory(2); }},
        {"move a category first", [](TPLXCalendarEditOperation &s, IPLXDateCategory *) { s.moveCategory(2, 0); }},
        {"replace one exception, remove the other",
         [](TPLXCalendarEditOperation &s, IPLXDateCategory *site) {
             s.replaceDate(site, 1,
                           std::make_unique<TPLXFixedDateException>(plxtest::kMonday, QStringLiteral("Moved")));
             s.removeDate(site, 0);
         }},
        {"rename and recolour",
         [](TPLXCalendarEditOperation &, IPLXDateCategory *site) {
             site->setName(QStringLiteral("Works"));
             site->setColor(clBlue);
         }},
        {"add and remove again: nothing to record",
         [](TPLXCalendarEditOperation &s, IPLXDateCategory *) {
             s.addCategory(std::make_unique<TPLXDateCategory>(QStringLiteral("Gone"), clRed));
             s.removeCategory(3);
         }},
    };
    return all;
}

} // namespace

class tst_plxCalendarOperation : public QObject
{
    Q_OBJECT

    QTemporaryDir FDir;

private slots:
    void undoRedo_data()
    {
        QTest::addColumn<int>("edit");
        for (int i = 0; i < edits().size(); ++i)
            QTest::newRow(edits()[i].first) << i;
    }
    void undoRedo()
    {
        QFETCH(int, edit);
        TPLXDataSource ds;
        ds.setStorage(QStringLiteral(ORVANTA_SOURCE_DIR "/examples/sample-plan.ini"));
        TPLXUndoRedoStack &stack = ds.getUndoRedoStack();
        const auto save = [&] { return plxtest::savedLines(ds, FDir); };
        const QStringList opened = save();

        auto first = std::make_unique<TPLXCalendarEditOperation>(&ds);
        IPLXDateCategory *site = first->addCategory(std::make_unique<TPLXDateCategory>(QStringLiteral("Site"), clRed));
        first->addDate(site, std::make_unique<TPLXFixedDateException>(plxtest::kMonday + 2, QStringLiteral("Fair")));
        first->addDate(site, std::make_unique<TPLXRecurringDateException>(tmWeek, 1, 5, 6, 0, 0,
                                                                          QStringLiteral("Friday"), 1, 0));
        QVERIFY(first->finish());
        QCOMPARE(ds.GetCalendar()->getCategoriesCount(), 2); // the session's start until performed
        QVERIFY(stack.doOperation(std::move(first)));
        const QStringList before = save();
        QVERIFY(before != opened);

        auto second = std::make_unique<TPLXCalendarEditOperation>(&ds);
        edits()[edit].second(*second, site);
        const bool changes = second->finish();
        QCOMPARE(changes, !QByteArray(QTest::currentDataTag()).contains("nothing"));
        if (!changes) {
            QCOMPARE(plxtest::firstDifference(before, save()), QString());
            return;
        }
        QVERIFY(stack.doOperation(std::move(second)));
        const QStringList after = save();
        QVERIFY(after != before);
        QVERIFY(stack.undo());
        QCOMPARE(plxtest::firstDifference(before, save()), QString());
        QVERIFY(stack.undo());
        QCOMPARE(plxtest::firstDifference(opened, save()), QString());
        QVERIFY(stack.redo() && stack.redo());
        QCOMPARE(plxtest::firstDifference(after, save()), QString());
    }

    // A task given by its dates keeps the working time it had: a holiday inside moves its end.
    void taskKeepsItsWorkingTime()
    {
        TPLXDataSource ds;
        ds.setStorage(plxtest::storageFor(FDir, QStringLiteral("task.ini"), plxtest::text({{{}}})));
        // Not yet measured in working time, as no critical path has seen it.
        auto *task = new TPLXTaskBar(plxtest::kMonday, plxtest::kMonday + 2, 0);
        ds.GetTable()->getRow(0)->AddBar(task);
        auto session = std::make_unique<TPLXCalendarEditOperation>(&ds);
        IPLXDateCategory *site = session->addCategory(std::make_unique<TPLXDateCategory>(QStringLiteral("Site"), 0));
        session->addDate(site, std::make_unique<TPLXFixedDateException>(plxtest::kMonday + 1, QStringLiteral("Fair")));
        task->getEffectiveDuration(); // as the chart painted behind a dialog asks
        QVERIFY(session->finish() && ds.getUndoRedoStack().doOperation(std::move(session)));
        QCOMPARE(task->getEndDate(), plxtest::kMonday + 3);
        QVERIFY(ds.getUndoRedoStack().undo());
        QCOMPARE(task->getEndDate(), plxtest::kMonday + 2);
    }

    // A calendar that lists its weekends twice would have one entity put back twice: it is not edited at all.
    void sharedCategoryIsNotEdited()
    {
        QByteArray text = plxtest::text(plxtest::Document{{{{{QStringLiteral("T")}}}}});
        text.replace("categories#count=1\n", "categories#count=2\ncategories#1=Weekends\n");
        TPLXDataSource ds;
        ds.setStorage(plxtest::storageFor(FDir, QStringLiteral("shared.ini"), text));
        QCOMPARE(ds.GetCalendar()->getCategoriesCount(), 2);
        TPLXCalendarEditOperation session(&ds);
        QVERIFY(!session.isEditable());
        session.removeCategory(0);
        QVERIFY(!session.finish());
        QVERIFY(!session.perform());
        QCOMPARE(ds.GetCalendar()->getCategoriesCount(), 2);
    }
};

QTEST_MAIN(tst_plxCalendarOperation)
#include "tst_plxCalendarOperation.moc"
