// The form designer plugin as the designer and a run-time form loader see it.
#include "plxDataSource.h"
#include "plxDataSourceComponent.h"
#include "plxGanttGraph.h"
#include "plxGanttTable.h"
#include "plxPertGraph.h"
#include "plxPlatform.h"
#include "plxTestSupport.h"
#include "qelPrintPreview.h"

#include <QBuffer>
#include <QDirIterator>
#include <QPluginLoader>
#include <QUiLoader>
#include <QXmlStreamReader>
#include <QtTest>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

class tst_plxDesignerPlugin : public QObject
{
    Q_OBJECT

private slots:
    void paletteOffersTheComponents()
    {
        QPluginLoader loader(QStringLiteral(ORVANTA_DESIGNER_PLUGIN));
        auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(loader.instance());
        QVERIFY2(collection, qPrintable(loader.errorString()));
        // Forms include what the library installs.
        QStringList headers;
        for (QDirIterator it(QStringLiteral(ORVANTA_SOURCE_DIR "/src"), {"*.h"}, QDir::Files,
                             QDirIterator::Subdirectories);
             it.hasNext();)
            headers.append(QFileInfo(it.next()).fileName());
        QStringList names;
        for (QDesignerCustomWidgetInterface *component : collection->customWidgets()) {
            const QString name = component->name();
            names.append(name);
            QVERIFY2(component->group() == u"Orvanta" && !component->icon().isNull() &&
                         !component->toolTip().isEmpty() && !component->whatsThis().isEmpty() &&
                         headers.contains(component->includeFile()),
                     qPrintable(name));
            // The snippet is well-formed and starts the component's own class.
            QXmlStreamReader xml(component->domXml());
            QString firstClass;
            while (!xml.atEnd())
                if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"widget" &&
                    firstClass.isEmpty())
                    firstClass = xml.attributes().value(QLatin1String("class")).toString();
            QVERIFY2(!xml.hasError(), qPrintable(name + QStringLiteral(": ") + xml.errorString()));
            QCOMPARE(firstClass, name);
            std::unique_ptr<QWidget> widget(component->createWidget(nullptr));
            QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), name);
        }
        QCOMPARE(names, QStringList({"TPLXDataSourceComponent", "TPLXGanttGraph", "TPLXPertGraph", "TQeLPrintPreview",
                                     "TPLXSpinEdit"}));
    }

    void aFormShowsThePlanWithoutCode_data()
    {
        QTest::addColumn<QString>("plan");
        QTest::addColumn<bool>("opens");
        QTest::newRow("sample plan") << QStringLiteral(ORVANTA_SOURCE_DIR "/examples/sample-plan.ini") << true;
        QTest::newRow("missing file") << QStringLiteral(ORVANTA_SOURCE_DIR "/examples/no-such-plan.ini") << false;
    }
    void aFormShowsThePlanWithoutCode()
    {
        QFETCH(QString, plan);
        QFETCH(bool, opens);
        TPLXRecordingScope recording;
        QByteArray ui = plxtest::testData("package/all-components.ui");
        ui.replace("@PLAN@", "file://" + plan.toUtf8());
        QBuffer buffer(&ui);
        QUiLoader loader;
        loader.clearPluginPaths();
        loader.addPluginPath(QFileInfo(QStringLiteral(ORVANTA_DESIGNER_PLUGIN)).absolutePath());
        std::unique_ptr<QWidget> form(loader.load(&buffer));
        QVERIFY2(form, qPrintable(loader.errorString()));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        auto *component = form->findChild<TPLXDataSourceComponent *>(QStringLiteral("plan"));
        auto *graph = form->findChild<TPLXGanttGraph *>();
        auto *network = form->findChild<TPLXPertGraph *>();
        auto *preview = form->findChild<TQeLPrintPreview *>();
        QVERIFY(component && graph && network && preview);
        QVERIFY(!component->isVisible() && graph->isVisible());
        // Both controls named the data source before the form made it; showing bound them.
        TPLXDataSource *source = component->dataSource();
        QVERIFY(graph->getDataSource() == source && network->getDataSource() == source &&
                preview->dataSource() == source);
        QCOMPARE(source->GetTable()->countRows() > 5, opens);
        // A file that is not there is reported as the data source reports it; the default document stays.
        QCOMPARE(recording.recorder().messages().isEmpty(), opens);
        QVERIFY(preview->pageCount() >= 1);
    }
};

QTEST_MAIN(tst_plxDesignerPlugin)
#include "tst_plxDesignerPlugin.moc"
