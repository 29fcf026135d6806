// The object editors: the registry, the property form driven while it is
// open, and the in-place editors of every cell kind over a plain control;
// what each stores as one undo step, what it tells the control, and what it refuses.
#include "plxBarConnection.h"
#include "plxCanvasFixture.h"
#include "plxColors.h"
#include "plxDocumentCalendar.h"
#include "plxDocumentFixture.h"
#include "plxObjectEditorForm.h"
#include "plxTaskBar.h"
#include "plxTreeCell.h"
#include "plxTreeGrid.h"
#include "plxTreeRow.h"
#include "plxTreeSettings.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace plxtest;

namespace {

// A chart control that only records what the editors tell it.
class Control : public TPLXControllerIntf
{
public:
    QWidget *getControl() override { return this; }
    void Notify(mouseEvent event, int x, int y) override
    {
        events << QStringLiteral("%1 %2,%3").arg(event == mouseEvent::stopEditing ? "stop" : "exit").arg(x).arg(y);
    }
    QStringList events;
};

// A task row with a cell of every kind and two bars joined by a connection.
struct Plan
{
    QTemporaryDir dir;
    TPLXRecordingScope recording;
    TPLXDataSource ds;
    Plan() { ds.setStorage(storageFor(dir, QStringLiteral("plan.ini"), testData("document/editors.ini"))); }
    TPLXTreeCell *cell(int column) const { return ds.root()->GetTree()->getRow(0)->getCell(column); }
    TPLXGanttObject *entity(const QString &kind) const
    {
        if (kind == u"bar")
            return ds.GetTable()->getRow(0)->GetBarInRow(0);
        return kind == u"connection" ? static_cast<TPLXGanttObject *>(ds.root()->getConnection(0))
                                     : ds.root()->getCalendar();
    }
    // The saved document; automatic section names change with every save.
    QStringList saved()
    {
        return savedLines(ds, dir).replaceInStrings(QRegularExpression(QStringLiteral("AutoID:\\d+")), {});
    }
    QString messages() const { return recording.recorder().messages().join(u'|'); }
};

// The value of the property an edit ("holder/name=text") concerns.
QVariant value(TPLXGanttObject *object, const QString &edit)
{
    const QStringList path = edit.section(u'=', 0, 0).split(u'/');
    for (qsizetype i = 0; i + 1 < path.size(); ++i)
        object = object->property(path[i].toLatin1().constData()).value<TPLXGanttObject *>();
    return object->property(path.last().toLatin1().constData());
}

// Types `edits` ("name=text"; "holder/name=text" goes to the nested form of
// "holder") into the property form that opens next, then presses `close`.
void answerForm(const QStringList &edits, QDialogButtonBox::StandardButton close)
{
    QTimer::singleShot(0, [edits, close] {
        auto *form = qobject_cast<TPLXObjectEditorForm *>(QApplication::activeModalWidget());
        QVERIFY(form);
        QVERIFY(!form->findChild<QWidget *>(QStringLiteral("storedEnd"))); // a task's saved end is not offered
        QMap<QString, QStringList> nested;
        for (const QString &edit : edits) {
            const QString name = edit.section(u'=', 0, 0), text = edit.section(u'=', 1);
            if (name.contains(u'/')) {
                nested[name.section(u'/', 0, 0)] << name.section(u'/', 1) + u'=' + text;
                continue;
            }
            auto *box = form->findChild<QLineEdit *>(name);
            QVERIFY2(box, qPrintable(name));
            box->selectAll();
            if (text.size() > 1000)
                box->insert(text); // a paste
            else
                QTest::keyClicks(box, text);
        }
        for (auto it = nested.cbegin(); it != nested.cend(); ++it) {
            answerForm(it.value(), QDialogButtonBox::Ok);
            QTest::mouseClick(form->findChild<QWidget *>(it.key())->findChild<QPushButton *>(), Qt::LeftButton);
        }
        form->findChild<QDialogButtonBox *>()->button(close)->click();
        if (form->isVisible()) // refused: give up
            form->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
    });
}

} // namespace

class TestEditors : public QObject
{
    Q_OBJECT

private slots:
    void registryMatchesExactClass();
    void propertyForm_data();
    void propertyForm();
    void lockAndMoveUndone();
    void editInPlace_data();
    void editInPlace();
};

void TestEditors::registryMatchesExactClass()
{
    TPLXTaskBar bar;
    TPLXEditorsRegistry &registry = EditorsRegistry();
    const TPLXEditorClass form = [] { return std::unique_ptr<TPLXObjectEditorIntf>(new TPLXGanttObjectEditor); };
    const TPLXEditorClass dummy = [] { return std::unique_ptr<TPLXObjectEditorIntf>(new TPLXDummyEditor); };
    registry.RegisterEditor(&TPLXGanttBar::staticMetaObject, form);
    // Not for a subclass: that gets the editor that edits nothing.
    const std::unique_ptr<TPLXObjectEditorIntf> editor = bar.CreateEditor();
    QVERIFY(dynamic_cast<TPLXDummyEditor *>(editor.get()) && editor->IsModal() && !editor->edit(&bar));
    registry.RegisterEditor(&TPLXTaskBar::staticMetaObject, dummy);
    registry.RegisterEditor(&TPLXTaskBar::staticMetaObject, form);
    QVERIFY(dynamic_cast<TPLXGanttObjectEditor *>(bar.CreateEditor().get()));
    registry.UnregisterEditor(&TPLXTaskBar::staticMetaObject);
    registry.UnregisterEditor(&TPLXGanttBar::staticMetaObject);
    QVERIFY(!registry.GetEditorEntry(&TPLXTaskBar::staticMetaObject));
}

void TestEditors::propertyForm_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QString>("message"); // empty: the edit is accepted
    const auto row = [](const char *tag, const char *kind, const QStringList &edits, const char *message = "") {
        QTest::newRow(tag) << QString::fromLatin1(kind) << edits << QString::fromLatin1(message);
    };
    row("bar", "bar", {"Progress=40", "StartDate=45300.5", "Settings/Color=255"});
    row("connection", "connection", {"minDistance=3", "connType=2", "origin/Progress=30"});
    row("calendar", "calendar", {"PLXTag=9", "FirstCategory/Color=4660", "FirstCategory/PLXTag=3"});
    row("not an integer", "bar", {"PLXTag=5", "Progress=forty"}, "Not a valid integer");
    row("not a float", "bar", {"StartDate=1e999"}, "Not a valid float");
    row("100,000 digits", "connection", {"minDistance=" + QString(100000, u'9')}, "Not a valid integer");
    row("nested not an integer", "bar", {"Settings/VisualGoodie/PLXTag=x"}, "Not a valid integer");
}

void TestEditors::propertyForm()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, edits);
    QFETCH(QString, message);
    Plan doc;
    TPLXGanttObject *object = doc.entity(kind);
    // Reading some properties makes what they report (a bar's own settings), which the file then holds.
    TPLXPropertySnapshot{object};
    const QStringList before = doc.saved();
    QMap<QString, QVariant> values;
    for (const QString &edit : edits)
        values[edit] = value(object, edit);

    TPLXGanttObjectEditor editor;
    answerForm(edits, QDialogButtonBox::Ok);
    std::unique_ptr<TPLXOperation> op = editor.edit(object);
    QCOMPARE(firstDifference(before, doc.saved()), QString());
    if (!message.isEmpty()) {
        QVERIFY(!op);
        QCOMPARE(doc.recording.recorder().messages(), QStringList{message});
        return;
    }
    QVERIFY(op);
    QVERIFY(doc.ds.getUndoRedoStack().doOperation(op));
    const QStringList edited = doc.saved();
    for (const QString &edit : edits)
        QVERIFY2(value(object, edit) != values[edit], qPrintable(edit));
    QVERIFY(doc.ds.getUndoRedoStack().undo());
    QCOMPARE(firstDifference(before, doc.saved()), QString());
    for (const QString &edit : edits)
        QCOMPARE(value(object, edit), values[edit]);
    QVERIFY(doc.ds.getUndoRedoStack().redo());
    QCOMPARE(doc.saved(), edited);
}

// An editor that both moves and locks a task: a locked task keeps its dates, so undo unlocks it first.
void TestEditors::lockAndMoveUndone()
{
    Plan doc;
    auto *bar = dynamic_cast<TPLXTaskBar *>(doc.entity(QStringLiteral("bar")));
    QVERIFY(bar);
    TPLXPropertySnapshot{bar};
    const QStringList before = doc.saved();
    const TDateTime start = bar->getStartDate();
    std::unique_ptr<TPLXOperation> op = std::make_unique<TPLXEditObjectOperation>(&doc.ds, bar);
    bar->setStartDate(start + 7);
    bar->setLocked(true);
    static_cast<TPLXEditObjectOperation *>(op.get())->Activate();
    QCOMPARE(bar->getStartDate(), start);
    QVERIFY(doc.ds.getUndoRedoStack().doOperation(op));
    QVERIFY(bar->isLocked() && bar->getStartDate() == start + 7);
    QVERIFY(doc.ds.getUndoRedoStack().undo());
    QVERIFY(!bar->isLocked());
    QCOMPARE(firstDifference(before, doc.saved()), QString());
}

void TestEditors::editInPlace_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("setup");    // "Property=value" set on the cell first, or empty
    QTest::addColumn<QString>("input");    // typed after selecting all; "paste:N" pastes N nines
    QTest::addColumn<int>("finish");       // the key that ends the edit; 0: the focus goes elsewhere
    QTest::addColumn<QString>("expected"); // "Property=value" after the edit, empty when nothing changes
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("message");
    const auto row = [](const char *tag, int column, const char *setup, const QString &input, int finish,
                        const char *expected, const char *events, const char *message = "") {
        QTest::newRow(tag) << column << QString::fromLatin1(setup) << input << finish << QString::fromUtf8(expected)
                           << QString::fromLatin1(events) << QString::fromLatin1(message);
    };
    const int enter = Qt::Key_Return, esc = Qt::Key_Escape, up = Qt::Key_Up, down = Qt::Key_Down;
    row("text, Enter moves on", 0, "", "alpha", enter, "Text=alpha", "stop 0,0|exit 0,0");
    row("text, Esc stays", 0, "", "beta", esc, "Text=beta", "stop 0,0");
    row("text emptied", 0, "", "\b", enter, "Text= ", "stop 0,0|exit 0,0");
    row("text, Up", 0, "", "g", up, "Text=g", "stop 0,0|exit 1,0");
    row("text, focus leaves", 0, "", "x", 0, "Text=x", "stop 0,0");
    row("text, nothing typed", 0, "", "delta", down, "", "stop 0,0|exit 0,0");
    row("memo", 1, "", "one", enter, "Text=one", "stop 0,0|exit 0,0");
    row("date and time", 2, "", "07", enter, "Text=07.03.2024 12:00", "stop 0,0|exit 0,0");
    row("spin", 3, "", "42", enter, "Number=42", "stop 0,0|exit 0,0");
    row("spin above max", 3, "", "420", esc, "Number=100", "stop 0,0");
    row("currency", 4, "", "00000123456", enter, "Value=1234.56", "stop 0,0|exit 0,0");
    row("combo", 5, "", "green", enter, "Text=green", "stop 0,0|exit 0,0");
    row("image combo", 6, "", "h", enter, "ImageIndex=1", "stop 0,0|exit 0,0");
    row("button edit", 7, "", "dir", enter, "Text=dir", "stop 0,0|exit 0,0");
    // Refused input: a message, and the cell keeps its value.
    row("spin, letters", 3, "", "4x", enter, "", "stop 0,0|exit 0,0", "Not a valid integer");
    row("spin, 100,000 digits", 3, "", "paste:100000", enter, "", "stop 0,0|exit 0,0", "Not a valid integer");
    row("currency, letters", 4, "", "abc", enter, "", "stop 0,0|exit 0,0", "Not a valid float");
    row("currency too large", 4, "Value=1e12", "", enter, "", "", "Not a valid float");
    row("currency negative", 4, "Value=-5", "", enter, "", "", "Not a valid float");
    row("date the picker cannot hold", 2, "Date=9999999", "", enter, "", "", "Not a valid date");
    row("automatic cell", 8, "", "", enter, "", "");
}

void TestEditors::editInPlace()
{
    QFETCH(int, column);
    QFETCH(QString, setup);
    QFETCH(QString, input);
    QFETCH(int, finish);
    QFETCH(QString, expected);
    QFETCH(QString, events);
    QFETCH(QString, message);
    Plan plan;
    TPLXTreeCell *cell = plan.cell(column);
    if (!setup.isEmpty())
        QVERIFY(cell->setProperty(setup.section(u'=', 0, 0).toLatin1(), setup.section(u'=', 1)));
    Canvas canvas(1000, 200);
    plan.ds.root()->getDrawer(vtGanttGraph)->Draw(*canvas.vc);
    const QStringList before = plan.saved();
    Control control;
    control.resize(1000, 200);
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));

    std::unique_ptr<TPLXObjectEditorIntf> editor = cell->CreateEditor();
    editor->SetController(&control);
    QVERIFY(!editor->edit(cell));
    auto *open = qobject_cast<QWidget *>(cell->GetDataType() ? cell->GetDataType()->getControl() : nullptr);
    if (!open || !open->isVisible()) {
        QVERIFY(editor->IsModal());
        QCOMPARE(plan.messages(), message);
        QCOMPARE(plan.saved(), before);
        return;
    }
    QVERIFY(!editor->IsModal());
    QCOMPARE(open->parentWidget(), &control);
    const TRect area = cell->cellDrawer()->getControlArea();
    QVERIFY(area.width() > 0);
    QCOMPARE(open->geometry(), QRect(area.Left - 2, area.Top - 2, area.width() + 2, area.height() + 2));
    QCOMPARE(open->palette().color(QPalette::Base), ColorToQColor(cell->getRowSettings()->getColor()));

    TPLXGanttObject *clicked = nullptr;
    plan.ds.setOnTreeCellButtonClicked([&clicked](TPLXGanttObject *sender) { clicked = sender; });
    if (auto *button = open->findChild<QPushButton *>()) {
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicked, cell);
    }

    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus && open->isAncestorOf(focus));
    if (auto *box = qobject_cast<QLineEdit *>(focus))
        box->selectAll();
    else if (auto *memo = qobject_cast<QPlainTextEdit *>(focus))
        memo->selectAll();
    if (input.startsWith(u"paste:"))
        qobject_cast<QLineEdit *>(focus)->insert(QString(input.section(u':', 1).toInt(), u'9'));
    else
        QTest::keyClicks(focus, input);
    QLineEdit elsewhere(&control);
    if (finish) {
        QTest::keyClick(focus, Qt::Key(finish));
    } else {
        elsewhere.show();
        elsewhere.setFocus();
    }
    QCOMPARE(control.events.join(u'|'), events);

    std::unique_ptr<TPLXOperation> op = editor->FinishEditing();
    QVERIFY(!open->isVisible());
    QCOMPARE(plan.messages(), message);
    if (expected.isEmpty()) {
        QVERIFY(!op);
        QCOMPARE(firstDifference(before, plan.saved()), QString());
        return;
    }
    QVERIFY(op);
    QVERIFY(plan.ds.getUndoRedoStack().doOperation(op));
    const QString property = expected.section(u'=', 0, 0);
    QCOMPARE(cell->property(property.toLatin1()).toString(), expected.section(u'=', 1));
    QVERIFY(plan.saved() != before);
    QVERIFY(!cell->isEdited());
    QVERIFY(plan.ds.getUndoRedoStack().undo());
    QCOMPARE(firstDifference(before, plan.saved()), QString());
}

QTEST_MAIN(TestEditors)
#include "tst_plxEditors.moc"
