#include <QtTest>
class tst_placeholder : public QObject { Q_OBJECT private slots: void t() { QVERIFY(true); } };
QTEST_MAIN(tst_placeholder)
#include "tst_placeholder_build.moc"
