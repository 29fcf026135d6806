#include "plxDocumentFixture.h"
#include "plxPlannerWindow.h"

#include <orvanta/orvanta.h>

#include <QAction>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kSample = QStringLiteral(ORVANTA_SOURCE_DIR "/examples/sample-plan.ini");

// The window with its file dialogs answered by the test.
class Planner : public TPLXPlannerWindow
{
public:
    QString answer;

    void trigger(const char *name)
    {
        auto *action = findChild<QAction *>(QLatin1String(name));
        QVERIFY2(action, name);
        action->trigger();
    }
    QString actionText(const char *name) const { return findChild<QAction *>(QLatin1String(name))->text(); }
    // Every bar's row and dates, in row order.
    QList<QList<double>> bars() const
    {
        QList<QList<double>> all;
        for (TPLXGanttRow *row : dataSource().GetTable()->rows())
            for (TPLXGanttBar *bar : row->bars())
                all.append({double(bar->getRow()), bar->getStartDate(), bar->getEndDate()});
        return all;
    }

protected:
    QString chooseFile(FileQuestion, const QString &) override { return answer; }
};

} // namespace

class tst_plxPlanner : public QObject
{
    Q_OBJECT

    QTemporaryDir FDir;

private slots:
    void initTestCase()
    {
        // Recent files go to a settings file of the test's own.
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, FDir.path());
    }

    // Open, move a bar by keyboard, undo, move again, save as, and reload.
    void editSaveReload()
    {
        Planner planner;
        planner.answer = kSample;
        planner.trigger("actionOpen");
        TPLXGanttTable *table = planner.dataSource().GetTable();
        TPLXGanttBar *bar = table->getRow(1)->getBarOfKind<TPLXTaskBar>(0);
        QVERIFY(bar);
        const QList<QList<double>> opened = planner.bars();
        const double start = bar->getStartDate();
        QVERIFY(!planner.isModified());

        table->setFocusedBar(bar);
        QTest::keyClick(planner.chart(), Qt::Key_Right, Qt::AltModifier);
        QVERIFY(bar->getStartDate() > start);
        QVERIFY(planner.isModified());
        QCoreApplication::processEvents();
        QCOMPARE(planner.actionText("actionUndo").remove(QLatin1Char('&')), QStringLiteral("Undo Bar move"));
        planner.trigger("actionUndo");
        QCOMPARE(bar->getStartDate(), start);
        QVERIFY(!planner.isModified());
        QCOMPARE(planner.bars(), opened);

        QTest::keyClick(planner.chart(), Qt::Key_Right, Qt::AltModifier);
        const QList<QList<double>> moved = planner.bars();
        planner.answer = FDir.filePath(QStringLiteral("moved"));
        planner.trigger("actionSaveAs");
        QVERIFY(!planner.isModified());
        QCoreApplication::processEvents();
        QVERIFY(planner.findChild<QLabel *>()->text().contains(QStringLiteral("moved.ini")) ||
                planner.windowTitle().startsWith(QStringLiteral("moved.ini -")));

        Planner reloaded;
        QVERIFY(reloaded.openDocument(FDir.filePath(QStringLiteral("moved.ini"))));
        QCOMPARE(reloaded.bars(), moved);
        QCOMPARE(QSettings().value(QStringLiteral("recentFiles")).toStringList().first(),
                 FDir.filePath(QStringLiteral("moved.ini")));
    }

    // A modal form, driven from inside its own loop, moves the first task's finish; undo gives back the saved
    // document.
    void modalForms_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("undo");
        QTest::newRow("properties: a longer task") << "actionProperties"
                                                   << "&Undo Edit object";
        QTest::newRow("calendar: a holiday on its first day") << "actionCalendar"
                                                              << "&Undo Calendar edit";
    }
    void modalForms()
    {
        QFETCH(QString, action);
        Planner planner;
        QVERIFY(planner.openDocument(kSample));
        TPLXGanttBar *bar = planner.dataSource().GetTable()->getRow(1)->getBarOfKind<TPLXTaskBar>(0);
        planner.dataSource().GetTable()->setFocusedBar(bar);
        const double end = bar->getEndDate();
        const QList<QList<double>> opened = planner.bars();
        const QStringList saved = plxtest::savedLines(planner.dataSource(), FDir);
        QTimer::singleShot(0, &planner, [&] {
            QWidget *form = QApplication::activeModalWidget();
            if (action == QLatin1String("actionProperties")) {
                form->findChild<QLineEdit *>(QStringLiteral("effectiveDuration"))->setText(QStringLiteral("3"));
            } else {
                form->findChild<QPushButton *>(QStringLiteral("addCategory"))->click();
                form->findChild<QPushButton *>(QStringLiteral("addDates"))->click();
                const QDateTime day(QDate(1899, 12, 30).addDays(qint64(bar->getStartDate())), QTime(0, 0), Qt::UTC);
                form->findChild<QDateTimeEdit *>(QStringLiteral("exceptionFrom"))->setDateTime(day);
                form->findChild<QDateTimeEdit *>(QStringLiteral("exceptionTo"))->setDateTime(day.addDays(1));
            }
            qobject_cast<QDialog *>(form)->accept();
        });
        planner.trigger(qPrintable(action));
        QVERIFY(bar->getEndDate() > end);
        QCoreApplication::processEvents();
        QTEST(planner.actionText("actionUndo"), "undo");
        planner.trigger("actionUndo");
        QCOMPARE(planner.bars(), opened);
        QCOMPARE(plxtest::firstDifference(saved, plxtest::savedLines(planner.dataSource(), FDir)), QString());
    }

    // Unsaved changes are asked about before another document replaces them.
    void unsavedChanges_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("cancel") << -1 << false;
        QTest::newRow("discard") << 1 << true;
    }
    void unsavedChanges()
    {
        QFETCH(int, answer);
        QFETCH(bool, replaced);
        Planner planner;
        QVERIFY(planner.openDocument(kSample));
        planner.trigger("actionInsertRow");
        QVERIFY(planner.isModified());
        TPLXDataSource *shown = &planner.dataSource();
        TPLXRecordingScope recording;
        recording.recorder().setAnswer(answer);
        planner.trigger("actionNew");
        QCOMPARE(recording.recorder().questions().size(), 1);
        QCOMPARE(&planner.dataSource() != shown, replaced);
        QCOMPARE(planner.isModified(), !replaced);
    }

    void languages_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("undo");
        QTest::addColumn<QString>("preview");
        QTest::addColumn<QString>("undoMove");
        QTest::newRow("de") << "de"
                            << "&Datei"
                            << "&Rückgängig"
                            << "Druckvorschau"
                            << "&Rückgängig: Balken verschieben";
        QTest::newRow("en") << "en"
                            << "&File"
                            << "&Undo"
                            << "Printing preview"
                            << "&Undo Bar move";
        QTest::newRow("fr") << "fr"
                            << "&Fichier"
                            << "&Annuler"
                            << "Aperçu avant impression"
                            << "&Annuler : Déplacement de barre";
    }
    void languages()
    {
        QFETCH(QString, code);
        Planner planner;
        planner.trigger(qPrintable(QStringLiteral("action_") + code));
        QTEST(planner.findChild<QMenu *>(QStringLiteral("menuFile"))->title(), "file");
        QTEST(planner.actionText("actionUndo"), "undo");
        // The library's own texts follow, through its string loader.
        QTEST(GetRessourceValue(QStringLiteral("pp_caption")), "preview");
        // So do the names of the recorded edits.
        QVERIFY(planner.openDocument(kSample));
        TPLXGanttTable *table = planner.dataSource().GetTable();
        table->setFocusedBar(table->getRow(1)->getBarOfKind<TPLXTaskBar>(0));
        QTest::keyClick(planner.chart(), Qt::Key_Right, Qt::AltModifier);
        QCoreApplication::processEvents();
        QTEST(planner.actionText("actionUndo"), "undoMove");
    }

    void exportImage_data()
    {
        QTest::addColumn<QString>("suffix");
        for (const char *suffix : {"png", "jpg", "bmp", "svg"})
            QTest::newRow(suffix) << QString::fromLatin1(suffix);
    }
    void exportImage()
    {
        QFETCH(QString, suffix);
        Planner planner;
        QVERIFY(planner.openDocument(kSample));
        planner.answer = FDir.filePath(QStringLiteral("chart.") + suffix);
        planner.trigger("actionExportImage");
        if (suffix == QLatin1String("svg")) {
            QFile file(planner.answer);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray svg = file.readAll();
            QVERIFY(svg.contains("<svg") && svg.contains("</svg>") && svg.contains("<rect") && svg.contains("<text"));
            return;
        }
        const QImage image(planner.answer);
        QVERIFY(!image.isNull());
        QVERIFY(image.width() >= 1000);
        // Not one colour: bars, text and grid were drawn.
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 7)
            colours.insert(image.pixel(image.width() / 2, y));
        QVERIFY(colours.size() > 3);
    }

    // An exported plan imports as one undo step, which gives the document back.
    void projectXml()
    {
        Planner planner;
        const QString opened = FDir.filePath(QStringLiteral("opened.ini"));
        QFile::remove(opened);
        QVERIFY(QFile::copy(kSample, opened) && planner.openDocument(opened));
        const QByteArray openedBytes = plxtest::readFile(opened);
        const QList<QList<double>> shown = planner.bars();
        planner.answer = FDir.filePath(QStringLiteral("plan.xml"));
        planner.trigger("actionExportProjectXml");
        planner.trigger("actionImportProjectXml");
        QVERIFY(planner.isModified());
        QVERIFY(planner.bars() != shown);
        // Save then asks for a name instead of overwriting the opened file.
        planner.answer.clear();
        planner.trigger("actionSave");
        QCOMPARE(plxtest::readFile(opened), openedBytes);
        QCoreApplication::processEvents();
        QCOMPARE(planner.actionText("actionUndo").remove(QLatin1Char('&')), QStringLiteral("Undo Import"));
        planner.trigger("actionUndo");
        QCOMPARE(planner.bars(), shown);
    }

    // A file that holds no chart is reported and the shown document stays.
    void corruptFile()
    {
        Planner planner;
        QVERIFY(planner.openDocument(kSample));
        const QList<QList<double>> shown = planner.bars();
        TPLXRecordingScope recording;
        planner.answer = QStringLiteral(ORVANTA_TEST_DATA "/hostile/zero-size.bmp");
        planner.trigger("actionOpen");
        QCOMPARE(recording.recorder().messages().size(), 1);
        QVERIFY(recording.recorder().messages().first().contains(QStringLiteral("zero-size.bmp")));
        QCOMPARE(planner.bars(), shown);
        QVERIFY(planner.windowTitle().startsWith(QStringLiteral("sample-plan.ini")));
    }
};

QTEST_MAIN(tst_plxPlanner)
#include "tst_plxPlanner.moc"
