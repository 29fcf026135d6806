// The editor registry, the edit-object operation and the property form
// driven with key and mouse events while it is open.
#include "plxBarConnection.h"
#include "plxControllerIntf.h"
#include "plxDocumentCalendar.h"
#include "plxDocumentFixture.h"
#include "plxGanttBar.h"
#include "plxObjectEditorForm.h"
#include "plxTaskBar.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace plxtest;

namespace {

Document plan()
{
    Document doc;
    doc.rows = {Row{{Bar{QStringLiteral("A")}}}, Row{{Bar{QStringLiteral("B"), kMonday + 7}}}};
    doc.connections = {Connection{QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("B")}};
    return doc;
}

TPLXGanttObject *target(LoadedDocument &doc, const QString &kind)
{
    if (kind == u"bar")
        return doc.bar(0, 0);
    if (kind == u"connection")
        return doc.ds.root()->getConnection(0);
    return doc.ds.root()->getCalendar();
}

// The saved document; automatic section names change with every save.
QStringList saved(LoadedDocument &doc)
{
    return savedLines(doc.ds, doc.dir).replaceInStrings(QRegularExpression(QStringLiteral("AutoID:\\d+")), {});
}

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

class TestObjectEditors : public QObject
{
    Q_OBJECT

private slots:
    void registryMatchesExactClass();
    void propertyForm_data();
    void propertyForm();
};

void TestObjectEditors::registryMatchesExactClass()
{
    TPLXTaskBar bar;
    TPLXEditorsRegistry &registry = EditorsRegistry();
    const TPLXEditorClass form = [] { return std::unique_ptr<TPLXObjectEditorIntf>(new TPLXGanttObjectEditor); };
    registry.RegisterEditor(&TPLXGanttBar::staticMetaObject, form);
    std::unique_ptr<TPLXObjectEditorIntf> editor = bar.CreateEditor();
    QVERIFY(dynamic_cast<TPLXDummyEditor *>(editor.get()));
    QVERIFY(editor->IsModal());
    QVERIFY(!editor->edit(&bar));

    const TPLXEditorClass dummy = [] { return std::unique_ptr<TPLXObjectEditorIntf>(new TPLXDummyEditor); };
    registry.RegisterEditor(&TPLXTaskBar::staticMetaObject, dummy);
    registry.RegisterEditor(&TPLXTaskBar::staticMetaObject, form);
    QVERIFY(dynamic_cast<TPLXGanttObjectEditor *>(bar.CreateEditor().get()));
    QVERIFY(registry.GetEditorEntry(&TPLXTaskBar::staticMetaObject)->EditorClass == form);
    registry.UnregisterEditor(&TPLXTaskBar::staticMetaObject);
    registry.UnregisterEditor(&TPLXGanttBar::staticMetaObject);
    QVERIFY(!registry.GetEditorClass(&TPLXTaskBar::staticMetaObject));
}

void TestObjectEditors::propertyForm_data()
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

void TestObjectEditors::propertyForm()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, edits);
    QFETCH(QString, message);
    LoadedDocument doc(plan());
    TPLXGanttObject *object = target(doc, kind);
    // Reading some properties makes what they report (a bar's own settings), which the file then holds.
    TPLXPropertySnapshot{object};
    const QStringList before = saved(doc);
    QMap<QString, QVariant> values;
    for (const QString &edit : edits)
        values[edit] = value(object, edit);

    TPLXGanttObjectEditor editor;
    answerForm(edits, QDialogButtonBox::Ok);
    std::unique_ptr<TPLXOperation> op = editor.edit(object);
    QCOMPARE(firstDifference(before, saved(doc)), QString());
    if (!message.isEmpty()) {
        QVERIFY(!op);
        QCOMPARE(doc.recording.recorder().messages(), QStringList{message});
        return;
    }
    QVERIFY(op);
    QVERIFY(doc.stack().doOperation(op));
    const QStringList edited = saved(doc);
    for (const QString &edit : edits)
        QVERIFY2(value(object, edit) != values[edit], qPrintable(edit));
    QVERIFY(doc.stack().undo());
    QCOMPARE(firstDifference(before, saved(doc)), QString());
    for (const QString &edit : edits)
        QCOMPARE(value(object, edit), values[edit]);
    QVERIFY(doc.stack().redo());
    QCOMPARE(saved(doc), edited);
}

QTEST_MAIN(TestObjectEditors)
#include "tst_plxObjectEditors.moc"
