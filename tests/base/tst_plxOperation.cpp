// The undo/redo history and composite operations: order of perform and
// undo, the three events, grouping, failure handling and who frees what.
#include "plxOperation.h"
#include "plxPlatform.h"

#include <QRandomGenerator>
#include <QtTest>

#include <map>
#include <set>

// What the test operations did, and which of them are still alive.
struct Journal
{
    int document = 0; // the "document" the operations change
    QStringList steps;
    std::set<int> live;
    QList<int> freed;
};

// Adds `delta` to the journal's document on perform and takes it back on
// undo. `failOnPerformCall` = n makes the n-th perform fail without a change
// (1: the first perform, 2: the first redo); `failUndo` makes undo fail.
class TestOperation : public TPLXOperation
{
public:
    TestOperation(Journal &journal, int id, int delta = 1, int failOnPerformCall = 0, bool failUndo = false)
        : FJournal(journal)
        , id(id)
        , delta(delta)
        , failOnPerformCall(failOnPerformCall)
        , failUndo(failUndo)
    {
        FJournal.live.insert(id);
    }
    ~TestOperation() override
    {
        FJournal.live.erase(id);
        FJournal.freed.append(id);
    }

    bool perform() override
    {
        FJournal.steps.append(QStringLiteral("perform %1").arg(id));
        if (++performCalls == failOnPerformCall)
            return false;
        FJournal.document += delta;
        return true;
    }
    bool undo() override
    {
        FJournal.steps.append(QStringLiteral("undo %1").arg(id));
        if (throwOnUndo)
            throw EPLXError(QStringLiteral("undo interrupted"));
        if (failUndo)
            return false;
        FJournal.document -= delta;
        return true;
    }

    Journal &FJournal;
    const int id;
    const int delta;
    int performCalls = 0;
    int failOnPerformCall;
    bool failUndo;
    bool throwOnUndo = false;
};

// Records the stack's events as "change 3", "undo 3", "redo group".
struct EventSpy
{
    explicit EventSpy(TPLXUndoRedoStack &stack)
    {
        stack.setOnChange([this](TPLXOperation *op) { events.append(QLatin1String("change ") + label(op)); });
        stack.setOnUndo([this](TPLXOperation *op) { events.append(QLatin1String("undo ") + label(op)); });
        stack.setOnRedo([this](TPLXOperation *op) { events.append(QLatin1String("redo ") + label(op)); });
    }
    static QString label(TPLXOperation *op)
    {
        auto *test = dynamic_cast<TestOperation *>(op);
        return test ? QString::number(test->id) : QStringLiteral("group");
    }
    QStringList takeEvents() { return std::exchange(events, {}); }

    QStringList events;
};

class tst_plxOperation : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TPLXOperation> op(int id, int delta = 1, int failOnPerformCall = 0, bool failUndo = false)
    {
        return std::make_unique<TestOperation>(journal, id, delta, failOnPerformCall, failUndo);
    }

    // Checks every observable of the stack after a step: both counts, the
    // document, the operations alive, and exactly the events raised since the last check.
    void checkState(const TPLXUndoRedoStack &stack, EventSpy &spy, int undoCount, int redoCount, int document,
                    const std::set<int> &live, const QStringList &events)
    {
        QCOMPARE(stack.GetUndoOperationCount(), undoCount);
        QCOMPARE(stack.GetRedoOperationCount(), redoCount);
        QCOMPARE(journal.document, document);
        QCOMPARE(journal.live, live);
        QCOMPARE(spy.takeEvents(), events);
    }

    Journal journal;

private slots:
    void init() { journal = Journal(); }

    void cleanup()
    {
        // Whatever a case created is freed by the time its stack is gone.
        QVERIFY(journal.live.empty());
    }

    // The counts, the document and who is alive are also checked by the
    // random history below; these cases pin the events, the order of the
    // parts' steps and which operations are freed when.
    void eachStepRaisesItsEvents()
    {
        TPLXUndoRedoStack stack;
        EventSpy spy(stack);
        // Nothing to undo, redo or record raises no event.
        std::unique_ptr<TPLXOperation> none;
        QVERIFY(!stack.undo() && !stack.redo() && !stack.doOperation(none) && !stack.addOperation(nullptr));
        checkState(stack, spy, 0, 0, 0, {}, {});

        QVERIFY(stack.doOperation(op(1, 1)));
        QVERIFY(stack.doOperation(op(2, 2)));
        checkState(stack, spy, 2, 0, 3, {1, 2}, {"change 1", "change 2"});
        QVERIFY(stack.undo());
        checkState(stack, spy, 1, 1, 1, {1, 2}, {"undo 2", "change 2"});
        QVERIFY(stack.redo());
        checkState(stack, spy, 2, 0, 3, {1, 2}, {"redo 2", "change 2"});
        // A new operation after an undo frees the redo history.
        QVERIFY(stack.undo());
        QVERIFY(stack.doOperation(op(3, 4)));
        checkState(stack, spy, 2, 0, 5, {1, 3}, {"undo 2", "change 2", "change 3"});
        QCOMPARE(journal.freed, QList<int>({2}));
        // A recorded operation is announced, but neither performed nor logged.
        TPLXRecordingScope recording;
        QVERIFY(stack.addOperation(op(4, 8)));
        checkState(stack, spy, 3, 0, 5, {1, 3, 4}, {"change 4"});
        QVERIFY(recording.recorder().logLines().isEmpty());

        // A group is one step: undo closes it and reverts the newest part first, redo goes in order.
        stack.startGrouping();
        QVERIFY(stack.doOperation(op(5, 16)));
        QVERIFY(stack.doOperation(op(6, 32)));
        checkState(stack, spy, 5, 0, 53, {1, 3, 4, 5, 6}, {"change 5", "change 6"});
        journal.steps.clear();
        QVERIFY(stack.undo());
        checkState(stack, spy, 3, 1, 5, {1, 3, 4, 5, 6}, {"undo group", "change group"});
        QVERIFY(stack.redo());
        checkState(stack, spy, 4, 0, 53, {1, 3, 4, 5, 6}, {"redo group", "change group"});
        QCOMPARE(journal.steps, QStringList({"undo 6", "undo 5", "perform 5", "perform 6"}));
    }

    // Failed performs, undos and redos are the random history's; a throwing undo is not.
    void undoThatThrowsDropsTheUndoHistory()
    {
        TPLXUndoRedoStack stack;
        EventSpy spy(stack);
        QVERIFY(stack.doOperation(op(1, 14)));
        // An undo that throws takes the whole undo history with it and passes the error on.
        auto throwing = std::make_unique<TestOperation>(journal, 7, 64);
        throwing->throwOnUndo = true;
        QVERIFY(stack.doOperation(std::move(throwing)));
        spy.takeEvents();
        QVERIFY_THROWS_EXCEPTION(EPLXError, stack.undo());
        checkState(stack, spy, 0, 0, 78, {}, {"undo 7"});
    }

    void compositePerformsInOrderAndUndoesInReverse()
    {
        TPLXMultipleOperations composite;
        QVERIFY(composite.perform() && composite.undo()); // nothing to do succeeds
        composite.addOperation(op(1, 1));
        composite.addOperation(nullptr);
        composite.addOperation(op(2, 2, 0, true));
        composite.addOperation(op(3, 4));
        QCOMPARE(composite.count(), 3);
        QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, composite.operationAt(3));
        QVERIFY(composite.perform());
        // Undo stops at the first failing part.
        QVERIFY(!composite.undo());
        QCOMPARE(journal.steps, QStringList({"perform 1", "perform 2", "perform 3", "undo 3", "undo 2"}));
        QCOMPARE(journal.document, 3);

        // Perform stops at the first failing part too; the parts before it stay performed.
        TPLXMultipleOperations failing;
        failing.addOperation(op(4, 8));
        failing.addOperation(op(5, 16, 1));
        failing.addOperation(op(6, 32));
        journal.steps.clear();
        QVERIFY(!failing.perform());
        QCOMPARE(journal.steps, QStringList({"perform 4", "perform 5"}));
        QCOMPARE(journal.document, 11);

        // Disabling frees the parts, newest first; a disabled composite takes no parts and fails.
        failing.Disable();
        QCOMPARE(journal.freed, QList<int>({6, 5, 4}));
        failing.addOperation(op(7));
        QVERIFY(failing.empty() && !failing.perform());
    }

    void randomHistoryKeepsOwnershipAndDocumentConsistent_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 7u, 42u, 2024u, 65537u})
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }

    // A long random mix of perform, add, undo, redo, grouping and clear,
    // checked step by step against a model of both stacks. Under the
    // sanitizer build this also proves that nothing leaks or is freed twice.
    void randomHistoryKeepsOwnershipAndDocumentConsistent()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);

        struct ModelOp
        {
            int delta;
            int failOnPerformCall;
            bool failUndo;
            int performCalls = 0;
        };
        using Step = std::vector<int>; // the ids of one undo step
        std::map<int, ModelOp> ops;
        std::vector<Step> undoModel;
        std::vector<Step> redoModel;
        bool groupOpen = false;
        Step group;
        int document = 0;
        int nextId = 1;

        // The model of one perform/undo of a step's parts; false at the first failure.
        auto modelPerform = [&](int id) {
            ModelOp &m = ops.at(id);
            if (++m.performCalls == m.failOnPerformCall)
                return false;
            document += m.delta;
            return true;
        };
        auto modelUndo = [&](int id) {
            if (ops.at(id).failUndo)
                return false;
            document -= ops.at(id).delta;
            return true;
        };
        auto closeGroup = [&] {
            if (groupOpen && !group.empty())
                undoModel.push_back(group);
            group.clear();
            groupOpen = false;
        };
        auto expectedLive = [&] {
            std::set<int> live(group.begin(), group.end());
            for (const auto *side : {&undoModel, &redoModel})
                for (const Step &step : *side)
                    live.insert(step.begin(), step.end());
            return live;
        };
        auto makeOp = [&](bool mayFail) {
            const int id = nextId++;
            ModelOp m{static_cast<int>(random.bounded(1, 1000)), 0, false};
            if (mayFail && random.bounded(10) == 0)
                m.failOnPerformCall = static_cast<int>(random.bounded(1, 3));
            if (mayFail && random.bounded(20) == 0)
                m.failUndo = true;
            ops.emplace(id, m);
            return std::make_unique<TestOperation>(journal, id, m.delta, m.failOnPerformCall, m.failUndo);
        };

        {
            TPLXUndoRedoStack stack;
            for (int step = 0; step < 4000; ++step) {
                const quint32 action = random.bounded(100);
                if (action < 40) {
                    std::unique_ptr<TPLXOperation> next = makeOp(true);
                    const int id = nextId - 1;
                    redoModel.clear();
                    const bool expected = modelPerform(id);
                    QCOMPARE(stack.doOperation(next), expected);
                    if (expected)
                        (groupOpen ? group : (undoModel.emplace_back(), undoModel.back())).push_back(id);
                    else
                        QVERIFY(journal.live.count(id) == 1 && next != nullptr);
                } else if (action < 45) {
                    auto added = makeOp(false);
                    const int id = added->id;
                    document += added->delta; // the caller applies it itself
                    journal.document += added->delta;
                    ops.at(id).performCalls = 1;
                    redoModel.clear();
                    QVERIFY(stack.addOperation(std::move(added)));
                    (groupOpen ? group : (undoModel.emplace_back(), undoModel.back())).push_back(id);
                } else if (action < 70) {
                    closeGroup();
                    bool expected = !undoModel.empty();
                    if (expected) {
                        const Step top = undoModel.back();
                        undoModel.pop_back();
                        for (auto it = top.rbegin(); it != top.rend() && expected; ++it)
                            expected = modelUndo(*it);
                        if (expected)
                            redoModel.push_back(top);
                        else
                            undoModel.clear();
                    }
                    QCOMPARE(stack.undo(), expected);
                } else if (action < 90) {
                    bool expected = !redoModel.empty();
                    if (expected) {
                        const Step top = redoModel.back();
                        redoModel.pop_back();
                        for (auto it = top.begin(); it != top.end() && expected; ++it)
                            expected = modelPerform(*it);
                        if (expected)
                            undoModel.push_back(top);
                        else
                            redoModel.clear();
                    }
                    QCOMPARE(stack.redo(), expected);
                } else if (action < 95) {
                    closeGroup();
                    groupOpen = true;
                    stack.startGrouping();
                } else if (action < 99) {
                    closeGroup();
                    stack.endGrouping();
                } else {
                    closeGroup();
                    undoModel.clear();
                    redoModel.clear();
                    stack.clear();
                }

                QCOMPARE(stack.GetUndoOperationCount(), static_cast<int>(undoModel.size() + group.size()));
                QCOMPARE(stack.GetRedoOperationCount(), static_cast<int>(redoModel.size()));
                QCOMPARE(stack.isGrouping(), groupOpen);
                QCOMPARE(journal.document, document);
                QCOMPARE(journal.live, expectedLive());
            }
        }
        QVERIFY(journal.live.empty());
        // Every operation ever made was freed exactly once.
        QCOMPARE(journal.freed.size(), nextId - 1);
        QCOMPARE(std::set<int>(journal.freed.begin(), journal.freed.end()).size(), size_t(nextId - 1));
    }
};

QTEST_APPLESS_MAIN(tst_plxOperation)
#include "tst_plxOperation.moc"
