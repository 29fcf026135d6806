// The spin edit on its own, driven by real key, wheel and mouse events.
#include "plxSpinEdit.h"

#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

class TestSpinEdit : public QObject
{
    Q_OBJECT

private slots:
    void input_data();
    void input();
};

void TestSpinEdit::input_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("expected"); // value after the action, starting from 5
    QTest::addColumn<bool>("valid");
    QTest::newRow("typed above max") << 0 << 100 << "type:420" << 100 << true;
    QTest::newRow("no limits") << 0 << 0 << "type:-2147483648" << INT_MIN << true;
    QTest::newRow("too large for an integer") << 0 << 0 << "type:99999999999" << 5 << false;
    QTest::newRow("arrow keys") << 0 << 100 << "keys:uuud" << 7 << true;
    QTest::newRow("arrow up at max") << 0 << 6 << "keys:uuu" << 6 << true;
    QTest::newRow("wheel") << 0 << 100 << "wheel:-360" << 2 << true;
    QTest::newRow("wheel half notches") << 0 << 100 << "wheel:60,60,60" << 6 << true;
    QTest::newRow("button click") << 0 << 100 << "click:down" << 4 << true;
    QTest::newRow("button held") << 0 << 1000 << "hold:up" << -1 << true; // -1: more than one step
}

void TestSpinEdit::input()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(QString, action);
    QFETCH(int, expected);
    QFETCH(bool, valid);
    TPLXSpinEdit spin;
    spin.setMinValue(min);
    spin.setMaxValue(max);
    spin.setValue(5);
    spin.show();
    QVERIFY(QTest::qWaitForWindowExposed(&spin));
    spin.setFocus();
    const QString kind = action.section(u':', 0, 0), arg = action.section(u':', 1);
    if (kind == u"type") {
        spin.lineEdit()->selectAll();
        QTest::keyClicks(spin.lineEdit(), arg);
        QTest::keyClick(spin.lineEdit(), Qt::Key_Return);
    } else if (kind == u"keys") {
        for (const QChar c : arg)
            QTest::keyClick(spin.lineEdit(), c == u'u' ? Qt::Key_Up : Qt::Key_Down);
    } else if (kind == u"wheel") {
        for (const QString &delta : arg.split(u',')) {
            QWheelEvent wheel(QPointF(5, 5), spin.mapToGlobal(QPointF(5, 5)), {}, QPoint(0, delta.toInt()),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(spin.lineEdit(), &wheel);
        }
    } else {
        QToolButton *button = arg == u"up" ? spin.upButton() : spin.downButton();
        QTest::mousePress(button, Qt::LeftButton);
        if (kind == u"hold")
            QTest::qWait(800);
        QTest::mouseRelease(button, Qt::LeftButton);
    }
    QCOMPARE(spin.hasValidText(), valid);
    if (expected == -1)
        QVERIFY2(spin.value() > 6, qPrintable(QString::number(spin.value())));
    else
        QCOMPARE(spin.value(), expected);
}

QTEST_MAIN(TestSpinEdit)
#include "tst_plxSpinEdit.moc"
