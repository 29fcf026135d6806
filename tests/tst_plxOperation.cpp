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
    TestOperation(Journal &journal, int id, int delta = 1)
        : FJournal(journal)
        , id(id)
        , delta(delta)
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
        ++performCalls;
        FJournal.steps.append(QStringLiteral("perform %1").arg(id));
        if (performCalls == failOnPerformCall)
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
    int failOnPerformCall = 0;
    bool failUndo = false;
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
        if (auto *test = dynamic_cast<TestOperation *>(op))
            return QString::number(test->id);
        if (dynamic_cast<TPLXMultipleOperations *>(op))
            return QStringLiteral("group");
        return QStringLiteral("null");
    }
    QStringList takeEvents() { return std::exchange(events, {}); }

    QStringList events;
};

class tst_plxOperation : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TPLXOperation> op(int id, int delta = 1) { return std::make_unique<TestOperation>(journal, id, delta); }

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

    void performUndoRedoMoveOperationsBetweenTheStacks()
    {
        TPLXUndoRedoStack stack;
        EventSpy spy(stack);
        // Nothing to undo, redo or record raises no event.
        QVERIFY(!stack.undo());
        QVERIFY(!stack.redo());
        std::unique_ptr<TPLXOperation> none;
        QVERIFY(!stack.doOperation(none));
        QVERIFY(!stack.addOperation(nullptr));
        checkState(stack, spy, 0, 0, 0, {}, {});

        QVERIFY(stack.doOperation(op(1, 10)));
        checkState(stack, spy, 1, 0, 10, {1}, {"change 1"});
        QVERIFY(stack.doOperation(op(2, 100)));
        checkState(stack, spy, 2, 0, 110, {1, 2}, {"change 2"});

        QVERIFY(stack.undo());
        checkState(stack, spy, 1, 1, 10, {1, 2}, {"undo 2", "change 2"});
        QVERIFY(stack.undo());
        checkState(stack, spy, 0, 2, 0, {1, 2}, {"undo 1", "change 1"});
        QVERIFY(!stack.undo());
        checkState(stack, spy, 0, 2, 0, {1, 2}, {});

        QVERIFY(stack.redo());
        checkState(stack, spy, 1, 1, 10, {1, 2}, {"redo 1", "change 1"});
        QVERIFY(stack.redo());
        checkState(stack, spy, 2, 0, 110, {1, 2}, {"redo 2", "change 2"});
        QVERIFY(!stack.redo());
        checkState(stack, spy, 2, 0, 110, {1, 2}, {});
        QCOMPARE(journal.steps,
                 QStringList({"perform 1", "perform 2", "undo 2", "undo 1", "perform 1", "perform 2"}));
    }

    void newOperationAfterUndoDiscardsTheRedoHistory()
    {
        // Perform A, perform B, undo, perform C: B is freed, undo reverts C then A.
        TPLXUndoRedoStack stack;
        EventSpy spy(stack);
        QVERIFY(stack.doOperation(op(1, 1)));
        QVERIFY(stack.doOperation(op(2, 2)));
        QVERIFY(stack.undo());
        spy.takeEvents();
        QVERIFY(stack.doOperation(op(3, 4)));
        checkState(stack, spy, 2, 0, 5, {1, 3}, {"change 3"});
        QCOMPARE(journal.freed, QList<int>({2}));
        QVERIFY(stack.undo());
        QVERIFY(stack.undo());
        checkState(stack, spy, 0, 2, 0, {1, 3}, {"undo 3", "change 3", "undo 1", "change 1"});
    }

    void failedPerformStaysTheCallers()
    {
        TPLXUndoRedoStack stack;
        EventSpy spy(stack);
        QVERIFY(stack.doOperation(op(1)));
        QVERIFY(stack.undo());
        spy.takeEvents();

        std::unique_ptr<TPLXOperation> failing = op(2);
        static_cast<TestOperation *>(failing.get())->failOnPerformCall = 1;
        TPLXRecordingScope recording;
        QVERIFY(!stack.doOperation(failing));
        // The redo history went before the attempt; nothing was recorded, logged or announced.
        QVERIFY(failing != nullptr);
        checkState(stack, spy, 0, 0, 0, {2}, {});
        QVERIFY(recording.recorder.logLines.isEmpty());
        QCOMPARE(journal.freed, QList<int>({1}));

        // The caller may try again with the same object.
        QVERIFY(stack.doOperation(failing));
        QVERIFY(failing == nullptr);
        checkState(stack, spy, 1, 0, 1, {2}, {"change 2"});
    }

    void failedUndoDiscardsTheUndoHistory()
    {
        TPLXUndoRedoStack stack;
        EventSpy spy(stack);
        QVERIFY(stack.doOperation(op(1, 1)));
        QVERIFY(stack.doOperation(op(2, 2)));
        QVERIFY(stack.undo());
        auto failing = std::make_unique<TestOperation>(journal, 3, 4);
        failing->failUndo = true;
        QVERIFY(stack.doOperation(std::move(failing)));
        QVERIFY(stack.doOperation(op(4, 8)));
        spy.takeEvents();

        QVERIFY(stack.undo());
        checkState(stack, spy, 2, 1, 5, {1, 3, 4}, {"undo 4", "change 4"});
        QVERIFY(!stack.undo());
        // The failed operation and everything under it are gone; the redo side stays.
        checkState(stack, spy, 0, 1, 5, {4}, {"undo 3"});
        QCOMPARE(journal.freed, QList<int>({2, 1, 3}));
        QVERIFY(stack.redo());
        checkState(stack, spy, 1, 0, 13, {4}, {"redo 4", "change 4"});
    }

    void failedRedoDiscardsTheRedoHistory()
    {
        TPLXUndoRedoStack stack;
        EventSpy spy(stack);
        QVERIFY(stack.doOperation(op(1, 1)));
        auto failing = std::make_unique<TestOperation>(journal, 2, 2);
        failing->failOnPerformCall = 2;
        QVERIFY(stack.doOperation(std::move(failing)));
        QVERIFY(stack.doOperation(op(3, 4)));
        QVERIFY(stack.undo());
        QVERIFY(stack.undo());
        QVERIFY(stack.undo());
        spy.takeEvents();
        checkState(stack, spy, 0, 3, 0, {1, 2, 3}, {});

        QVERIFY(stack.redo());
        checkState(stack, spy, 1, 2, 1, {1, 2, 3}, {"redo 1", "change 1"});
        QVERIFY(!stack.redo());
        checkState(stack, spy, 1, 0, 1, {1}, {"redo 2"});
        QCOMPARE(journal.freed, QList<int>({3, 2}));
        QVERIFY(stack.undo());
        checkState(stack, spy, 0, 1, 0, {1}, {"undo 1", "change 1"});
    }

    void interruptedUndoDiscardsTheUndoHistoryAndPassesTheError()
    {
        TPLXUndoRedoStack stack;
        EventSpy spy(stack);
        QVERIFY(stack.doOperation(op(1)));
        auto throwing = std::make_unique<TestOperation>(journal, 2);
        throwing->throwOnUndo = true;
        QVERIFY(stack.doOperation(std::move(throwing)));
        spy.takeEvents();
        QVERIFY_THROWS_EXCEPTION(EPLXError, stack.undo());
        checkState(stack, spy, 0, 0, 2, {}, {"undo 2"});
    }

    void addOperationRecordsWithoutPerforming()
    {
        TPLXUndoRedoStack stack;
        EventSpy spy(stack);
        QVERIFY(stack.doOperation(op(1, 1)));
        QVERIFY(stack.undo());
        spy.takeEvents();
        TPLXRecordingScope recording;
        QVERIFY(stack.addOperation(op(2, 5)));
        checkState(stack, spy, 1, 0, 0, {2}, {"change 2"});
        QVERIFY(recording.recorder.logLines.isEmpty());
        QVERIFY(!journal.steps.contains("perform 2"));
        // Undoing it takes back a change the caller made itself.
        QVERIFY(stack.undo());
        checkState(stack, spy, 0, 1, -5, {2}, {"undo 2", "change 2"});
    }

    void groupIsUndoneAsOneStep()
    {
        TPLXUndoRedoStack stack;
        EventSpy spy(stack);
        QVERIFY(stack.doOperation(op(1, 1)));
        spy.takeEvents();
        stack.startGrouping();
        QVERIFY(stack.isGrouping());
        QVERIFY(stack.doOperation(op(2, 10)));
        checkState(stack, spy, 2, 0, 11, {1, 2}, {"change 2"});
        QVERIFY(stack.doOperation(op(3, 100)));
        checkState(stack, spy, 3, 0, 111, {1, 2, 3}, {"change 3"});

        // Undo closes the open group first, then reverts both parts, newest first.
        journal.steps.clear();
        QVERIFY(stack.undo());
        QVERIFY(!stack.isGrouping());
        checkState(stack, spy, 1, 1, 1, {1, 2, 3}, {"undo group", "change group"});
        QCOMPARE(journal.steps, QStringList({"undo 3", "undo 2"}));

        journal.steps.clear();
        QVERIFY(stack.redo());
        checkState(stack, spy, 2, 0, 111, {1, 2, 3}, {"redo group", "change group"});
        QCOMPARE(journal.steps, QStringList({"perform 2", "perform 3"}));
    }

    void groupCountsItsPartsWhileOpen()
    {
        TPLXUndoRedoStack stack;
        EventSpy spy(stack);
        for (int id = 1; id <= 3; ++id)
            QVERIFY(stack.doOperation(op(id)));
        stack.startGrouping();
        QVERIFY(stack.doOperation(op(4)));
        QVERIFY(stack.addOperation(op(5)));
        QCOMPARE(stack.GetUndoOperationCount(), 5);
        stack.endGrouping();
        checkState(stack, spy, 4, 0, 4, {1, 2, 3, 4, 5}, {"change 1", "change 2", "change 3", "change 4", "change 5"});
        QVERIFY(dynamic_cast<TPLXMultipleOperations *>(stack.topUndoOperation()) != nullptr);
    }

    void emptyGroupLeavesNoStep()
    {
        TPLXUndoRedoStack stack;
        EventSpy spy(stack);
        QVERIFY(stack.doOperation(op(1)));
        spy.takeEvents();
        stack.startGrouping();
        stack.endGrouping();
        checkState(stack, spy, 1, 0, 1, {1}, {});
        stack.endGrouping();
        QVERIFY(dynamic_cast<TestOperation *>(stack.topUndoOperation()) != nullptr);
    }

    void secondStartGroupingClosesTheFirstGroup()
    {
        TPLXUndoRedoStack stack;
        EventSpy spy(stack);
        stack.startGrouping();
        QVERIFY(stack.doOperation(op(1)));
        QVERIFY(stack.doOperation(op(2)));
        stack.startGrouping();
        QVERIFY(stack.doOperation(op(3)));
        stack.endGrouping();
        spy.takeEvents();
        checkState(stack, spy, 2, 0, 3, {1, 2, 3}, {});
        QVERIFY(stack.undo());
        checkState(stack, spy, 1, 1, 2, {1, 2, 3}, {"undo group", "change group"});
        QVERIFY(stack.undo());
        checkState(stack, spy, 0, 2, 0, {1, 2, 3}, {"undo group", "change group"});
    }

    void redoDoesNotCloseAnOpenGroup()
    {
        TPLXUndoRedoStack stack;
        EventSpy spy(stack);
        QVERIFY(stack.doOperation(op(1)));
        QVERIFY(stack.undo());
        stack.startGrouping();
        QVERIFY(stack.redo());
        QVERIFY(stack.isGrouping());
        // The redone operation went back to the undo stack, not into the group.
        stack.endGrouping();
        QCOMPARE(stack.GetUndoOperationCount(), 1);
        QVERIFY(dynamic_cast<TestOperation *>(stack.topUndoOperation()) != nullptr);
    }

    void clearFreesEverythingIncludingAnOpenGroup()
    {
        TPLXUndoRedoStack stack;
        EventSpy spy(stack);
        QVERIFY(stack.doOperation(op(1)));
        QVERIFY(stack.doOperation(op(2)));
        QVERIFY(stack.undo());
        stack.startGrouping();
        QVERIFY(stack.doOperation(op(3)));
        spy.takeEvents();
        stack.clear();
        QVERIFY(!stack.isGrouping());
        checkState(stack, spy, 0, 0, 2, {}, {});
    }

    void destroyingTheStackFreesBothSidesAndTheGroup()
    {
        {
            TPLXUndoRedoStack stack;
            QVERIFY(stack.doOperation(op(1)));
            QVERIFY(stack.doOperation(op(2)));
            QVERIFY(stack.undo());
            stack.startGrouping();
            QVERIFY(stack.doOperation(op(3)));
            QCOMPARE(journal.live, std::set<int>({1, 3}));
        }
        QCOMPARE(journal.freed.size(), 3); // cleanup() checks that nothing is left alive
    }

    void compositePerformsInOrderAndUndoesInReverse()
    {
        TPLXMultipleOperations composite;
        QVERIFY(composite.empty());
        QVERIFY(composite.perform());
        QVERIFY(composite.undo());
        composite.addOperation(op(1, 1));
        composite.addOperation(nullptr);
        composite.addOperation(op(2, 2));
        composite.addOperation(op(3, 4));
        QCOMPARE(composite.count(), 3);
        QVERIFY(composite.perform());
        QVERIFY(composite.undo());
        QCOMPARE(journal.steps, QStringList({"perform 1", "perform 2", "perform 3", "undo 3", "undo 2", "undo 1"}));
        QCOMPARE(journal.document, 0);
        QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, composite.operationAt(3));
    }

    void compositeStopsAtTheFirstFailingPart()
    {
        TPLXMultipleOperations composite;
        composite.addOperation(op(1, 1));
        auto failing = std::make_unique<TestOperation>(journal, 2, 2);
        failing->failOnPerformCall = 1;
        failing->failUndo = true;
        composite.addOperation(std::move(failing));
        composite.addOperation(op(3, 4));
        QVERIFY(!composite.perform());
        // The parts before the failing one stay performed.
        QCOMPARE(journal.steps, QStringList({"perform 1", "perform 2"}));
        QCOMPARE(journal.document, 1);
        journal.steps.clear();
        QVERIFY(!composite.undo());
        QCOMPARE(journal.steps, QStringList({"undo 3", "undo 2"}));
    }

    void disabledCompositeFreesItsPartsAndFails()
    {
        TPLXMultipleOperations composite;
        composite.addOperation(op(1));
        composite.addOperation(op(2));
        composite.Disable();
        QVERIFY(composite.isDisabled());
        QVERIFY(journal.live.empty());
        QCOMPARE(journal.freed, QList<int>({2, 1}));
        composite.addOperation(op(3));
        QVERIFY(composite.empty());
        QVERIFY(!composite.perform());
        QVERIFY(journal.steps.isEmpty());

        // A disabled composite fails in the stack without touching anything.
        TPLXUndoRedoStack stack;
        std::unique_ptr<TPLXOperation> disabled = std::make_unique<TPLXMultipleOperations>();
        static_cast<TPLXMultipleOperations *>(disabled.get())->Disable();
        QVERIFY(!stack.doOperation(disabled));
        QVERIFY(disabled != nullptr);
        QCOMPARE(stack.GetUndoOperationCount(), 0);
    }

    void logsEachRecordedStepWithTheWholeHistory()
    {
        TPLXRecordingScope recording;
        const QString rule = QStringLiteral("--------- Undo stack entries ----------");
        TPLXUndoRedoStack stack;
        QVERIFY(stack.doOperation(op(1)));
        QCOMPARE(recording.recorder.logLines, QStringList({"[doing operation]", rule, "TestOperation", rule}));
        recording.recorder.logLines.clear();
        stack.startGrouping();
        QVERIFY(stack.doOperation(op(2)));
        // The open group is not on the undo stack yet.
        QCOMPARE(recording.recorder.logLines, QStringList({"[doing operation]", rule, "TestOperation", rule}));
        recording.recorder.logLines.clear();
        QVERIFY(stack.undo());
        QCOMPARE(recording.recorder.logLines, QStringList({"[undoing operation]", rule, "TestOperation", rule}));
        recording.recorder.logLines.clear();
        QVERIFY(stack.redo());
        QVERIFY(recording.recorder.logLines.isEmpty());
        stack.dumpUndoStack();
        QCOMPARE(recording.recorder.logLines, QStringList({rule, "TPLXMultipleOperations", "TestOperation", rule}));
        QCOMPARE(stack.GetUndoOperationCount(), 2);
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
            auto made = std::make_unique<TestOperation>(journal, id, m.delta);
            made->failOnPerformCall = m.failOnPerformCall;
            made->failUndo = m.failUndo;
            return made;
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

                int undoCount = static_cast<int>(undoModel.size() + group.size());
                QCOMPARE(stack.GetUndoOperationCount(), undoCount);
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
