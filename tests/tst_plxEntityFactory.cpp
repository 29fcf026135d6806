// The entity factory and persistence protocol: loading by type id, shared
// references, load problems, saving, identities, ownership and reflection.
#include "plxColors.h"
#include "plxEntityFactory.h"
#include "plxIniDocument.h"
#include "plxMedia.h"
#include "plxPlatform.h"
#include "plxTestSupport.h"

#include <QMetaProperty>
#include <QTemporaryDir>
#include <QtTest>

namespace {


struct Loaded
{
    TPLXRecordingScope recording;
    PLXMedia media;
    TPLXTestFactory factory;
    std::unique_ptr<TPLXGanttObject> root;

    explicit Loaded(const QByteArray &text, const QString &section = QStringLiteral("root"))
        : media(plxMediaFromText(text))
        , root(factory.loadObject(section, *media, nullptr))
    {
    }
    TPLXTestNode *node() const { return dynamic_cast<TPLXTestNode *>(root.get()); }
    QStringList messages() const { return recording.recorder.messages; }
};

} // namespace

class tst_plxEntityFactory : public QObject
{
    Q_OBJECT

private slots:
    void init() { QCOMPARE(TPLXTestNode::liveCount, 0); }
    void cleanup() { QCOMPARE(TPLXTestNode::liveCount, 0); }

    void registryIsTheFixedTable()
    {
        const auto &ids = TPLXEntityFactory::typeIds();
        QCOMPARE(int(ids.size()), 62);
        QCOMPARE(QString::fromLatin1(ids[0]), QStringLiteral("Document"));
        QCOMPARE(QString::fromLatin1(ids[45]), QStringLiteral("progress bar"));
        QCOMPARE(QString::fromLatin1(ids[61]), QStringLiteral("Textual Halo Settings"));
        QSet<QString> distinct;
        for (const char *id : ids)
            distinct.insert(QString::fromLatin1(id));
        QCOMPARE(distinct.size(), 62);

        TPLXRecordingScope recording;
        TPLXEntityFactory factory;
        QVERIFY(!factory.createPersistence(QStringLiteral("Progress Bar")));
        QVERIFY(!factory.createPersistence(QStringLiteral("Not a kind")));
        QCOMPARE(recording.recorder.messages,
                 QStringList({"Warning: Unknown type idProgress Bar", "Warning: Unknown type idNot a kind"}));
    }

    void loadsATreeWithValuesChildrenAndLists()
    {
        Loaded l("[root]\ntypeID=Test Node\nname=top\ncount=$10\nratio=2.5\nflag=1\ncolour=clRed\nchild=c\n"
                 "children#count=2\nchildren#0=a\nchildren#1=b\n"
                 "[c]\ntypeID=Test Node\nname=child\n[a]\nTYPEID=Test Node\nname=first\n[b]\ntypeid=Test Node\n");
        TPLXTestNode *root = l.node();
        QVERIFY(root);
        QCOMPARE(root->Name, QStringLiteral("top"));
        QCOMPARE(root->Count, 16);
        QCOMPARE(root->Ratio, 2.5);
        QVERIFY(root->Flag);
        QCOMPARE(root->Colour, clRed);
        QVERIFY(root->Child);
        QCOMPARE(root->Child->Name, QStringLiteral("child"));
        QCOMPARE(root->Child->getParent(), root);
        QCOMPARE(root->Children.size(), 2);
        QCOMPARE(root->Children[0]->Name, QStringLiteral("first"));
        QCOMPARE(root->Children[1]->getParent(), root);
        QCOMPARE(root->getUID(), QStringLiteral("root"));
        QCOMPARE(root->getPersistence()->ID, QStringLiteral("root"));
        // Table in load order: a section is registered when its load starts.
        QCOMPARE(l.factory.loadedCount(), 4);
        QCOMPARE(l.factory.loadedName(0), QStringLiteral("root"));
        QCOMPARE(l.factory.getObjectIndex(QStringLiteral("c")), 1);
        QCOMPARE(l.factory.getObjectIndex(QStringLiteral("C")), -1);
        QCOMPARE(l.factory.getLoadedObject(QStringLiteral("b")), root->Children[1]);
        // Every missing child key is logged, never shown.
        QVERIFY(l.messages().isEmpty());
        QCOMPARE(l.recording.recorder.logLines.count(), 3);
        QVERIFY(l.recording.recorder.logLines.contains(
            QStringLiteral("Unable to locate child object named: \"child\". Parent name = \"a\"")));
        l.factory.Flush();
        QCOMPARE(l.factory.loadedCount(), 0);
        QCOMPARE(l.factory.getLoadedObject(QStringLiteral("root")), nullptr);
    }

    void sharedSectionsAreOneObjectFreedOnce()
    {
        // "s" is named twice in one list and again as a child elsewhere.
        Loaded l("[root]\ntypeID=Test Node\nchild=x\nchildren#count=3\nchildren#0=s\nchildren#1=s\nchildren#2=x\n"
                 "[x]\ntypeID=Test Node\nchild=s\n[s]\ntypeID=Test Node\nname=shared\nchild=Missing\n");
        TPLXTestNode *root = l.node();
        QCOMPARE(root->Children.size(), 3);
        QCOMPARE(root->Children[0], root->Children[1]);
        QCOMPARE(root->Children[2], root->Child);
        QCOMPARE(root->Child->Child, root->Children[0]);
        // The first load decides the parent: x loaded s before the list reached it.
        QCOMPARE(root->Children[0]->getParent(), root->Child);
        QCOMPARE(TPLXTestNode::liveCount, 3);
        QVERIFY(l.recording.recorder.logLines.contains(
            QStringLiteral("Unable to locate child object named: \"child\". Parent name = \"s\"")));
    }

    void circularReferencesAreReportedOncePerBackReference()
    {
        Loaded l("[root]\ntypeID=Test Node\nchild=a\n[a]\ntypeID=Test Node\nchild=b\n"
                 "[b]\ntypeID=Test Node\nchild=root\nchildren#count=2\nchildren#0=a\nchildren#1=b\n");
        TPLXTestNode *root = l.node();
        QVERIFY(root);
        QVERIFY(root->Child && root->Child->Child);
        QCOMPARE(root->Child->Child->Child, nullptr);
        QCOMPARE(root->Child->Child->Children, QList<TPLXTestNode *>({nullptr, nullptr}));
        QCOMPARE(l.messages(), QStringList({"Warning! Circular reference. Involved object: root",
                                            "Warning! Circular reference. Involved object: a",
                                            "Warning! Circular reference. Involved object: b"}));
    }

    void failedSectionsYieldNullAndLoadingGoesOn()
    {
        Loaded l("[root]\ntypeID=Test Node\nchild=untyped\nchildren#count=4\nchildren#0=alien\nchildren#1=ok\n"
                 "children#2=untyped\nchildren#3=nowhere\n"
                 "[untyped]\nname=x\n[alien]\ntypeID=Progress Bar\n[ok]\ntypeID=Test Node\nname=fine\n");
        TPLXTestNode *root = l.node();
        QVERIFY(root);
        QCOMPARE(root->Child, nullptr);
        QCOMPARE(root->Children.size(), 4);
        QCOMPARE(root->Children[0], nullptr);
        QCOMPARE(root->Children[1]->Name, QStringLiteral("fine"));
        QCOMPARE(root->Children[2], nullptr);
        QCOMPARE(root->Children[3], nullptr);
        QCOMPARE(l.messages(), QStringList({"Warning: Unknown type idMISSING", "Error loading untyped",
                                            "Warning: Unknown type idProgress Bar", "Error loading alien",
                                            // a failed section stays registered as loading until the next flush
                                            "Warning! Circular reference. Involved object: untyped",
                                            "Warning: Unknown type idMISSING", "Error loading nowhere"}));
        QVERIFY(l.factory.stillLoading(QStringLiteral("untyped")));
    }

    void anErrorInsideALoadDropsThatEntityWithoutLeaking()
    {
        // The bad colour raises after the child was loaded into the half-built entity.
        Loaded l("[root]\ntypeID=Test Node\nchildren#count=2\nchildren#0=bad\nchildren#1=good\n"
                 "[bad]\ntypeID=Test Node\ncolour=reddish\nchild=inner\n[inner]\ntypeID=Test Node\n"
                 "[good]\ntypeID=Test Node\nchild=inner\n");
        TPLXTestNode *root = l.node();
        QCOMPARE(root->Children.size(), 2);
        QCOMPARE(root->Children[0], nullptr);
        QVERIFY(root->Children[1]);
        // "inner" was freed with "bad", so it is not handed out again.
        QCOMPARE(root->Children[1]->Child, nullptr);
        QVERIFY(l.messages().contains(QStringLiteral("Error loading bad")));
        QCOMPARE(TPLXTestNode::liveCount, 2);
    }

    void savingWritesSectionsByIdentity()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("saved.ini"));
        plxWriteFile(path, "[orphan]\nkept=yes\n");
        TPLXTestFactory factory;
        auto root = std::make_unique<TPLXTestNode>();
        root->Name = QStringLiteral("run-time");
        auto *child = new TPLXTestNode;
        child->setParent(root.get());
        child->Count = -3;
        root->Children = {child, child};
        QString uid;
        {
            TPLXINIFIle media(path);
            factory.saveObject(QStringLiteral("root"), media, root.get());
            uid = child->getUID();
            QVERIFY(uid.startsWith(QLatin1String("AutoID:")));
            bool isNumber = false;
            uid.mid(7).toInt(&isNumber);
            QVERIFY(isNumber);
            // Saved twice in one run: the same name.
            factory.saveObject(QStringLiteral("root"), media, root.get());
            QCOMPARE(child->getUID(), uid);
            // On disk as soon as the save ends.
            const QByteArray onDisk = plxReadFile(path);
            QVERIFY(onDisk.contains("[orphan]\nkept=yes\n"));
            QVERIFY(onDisk.contains(("children#count=2\nchildren#0=" + uid + "\nchildren#1=" + uid).toUtf8()));
        }
        // An entity's section is named by its identity, whatever name it is saved under.
        const QString rootUid = root->getUID();
        TPLXRecordingScope recording;
        TPLXINIFIle media(path);
        std::unique_ptr<TPLXGanttObject> loaded(factory.loadObject(rootUid, media, nullptr));
        auto *node = dynamic_cast<TPLXTestNode *>(loaded.get());
        QVERIFY(node);
        QCOMPARE(node->Name, QStringLiteral("run-time"));
        QCOMPARE(node->Children.size(), 2);
        QCOMPARE(node->Children[0], node->Children[1]);
        QCOMPARE(node->Children[0]->Count, -3);
        // A reloaded entity keeps its "AutoID:" name.
        QCOMPARE(node->Children[0]->getUID(), uid);
        QVERIFY(recording.recorder.messages.isEmpty());
    }

    void defaultDocumentSectionsLoadAndAreFreed()
    {
        // Every section of the built-in document whose kind this build loads, each
        // as a root of its own: shared sections resolve once and are freed once.
        TPLXRecordingScope recording;
        TPLXDefaultMedia media{QString()};
        TPLXEntityFactory factory;
        std::vector<std::unique_ptr<TPLXGanttObject>> roots;
        int attempted = 0;
        for (const QString &section : TPLXDefaultMedia::sectionNames()) {
            if (!TPLXEntityFactory::isRegistered(media.strValue(section, QStringLiteral("typeID"), QString())))
                continue;
            ++attempted;
            TPLXGanttObject *entity = factory.loadObject(section, media, nullptr);
            if (entity && !entity->getParent())
                roots.emplace_back(entity);
        }
        for (int i = 0; i < factory.loadedCount(); ++i)
            QVERIFY2(factory.loadedEntity(i) || !TPLXEntityFactory::isRegistered(
                         media.strValue(factory.loadedName(i), QStringLiteral("typeID"), QString())),
                     qPrintable(factory.loadedName(i)));
        qInfo("%d of %d default sections are loadable kinds", attempted, int(TPLXDefaultMedia::sectionNames().size()));
        roots.clear(); // the sanitizer build proves nothing leaks or is freed twice
    }

    void ownershipFollowsTheParent()
    {
        auto a = std::make_unique<TPLXTestNode>();
        auto *b = new TPLXTestNode;
        auto *c = new TPLXTestNode;
        b->setParent(a.get());
        c->setParent(b);
        QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, a->setParent(c)); // no ownership cycles
        c->setParent(a.get()); // re-parenting moves ownership
        delete b;               // frees nothing of c
        QCOMPARE(TPLXTestNode::liveCount, 2);
        QCOMPARE(c->getParent(), a.get());
        a.reset();
        QCOMPARE(TPLXTestNode::liveCount, 0);
    }

    void documentSetupIsFoundAboveAndCached()
    {
        TPLXTestDocument document;
        auto *node = new TPLXTestNode;
        node->setParent(&document);
        auto *leaf = new TPLXTestNode;
        leaf->setParent(node);
        QCOMPARE(leaf->GetDocumentSetup(), &document);
        TPLXTestNode orphan;
        QVERIFY_THROWS_EXCEPTION(EPLXInvalidCast, orphan.GetDocumentSetup());
    }

    void drawersFallBackToTheGanttDrawer()
    {
        TPLXTestNode node;
        QCOMPARE(node.getDrawer(vtGanttGraph), nullptr);
        QCOMPARE(node.getDrawer(vtPertGraph), nullptr);
        TPLXDrawer drawer(&node);
        QCOMPARE(drawer.getRect(), TRect{});
        QVERIFY(!drawer.isHighLighted());
        drawer.setHighlighted(true);
        QVERIFY(drawer.isHighLighted());
        QVERIFY(!node.CreateEditor()->IsModal());
    }

    void publishedPropertiesAreReflected()
    {
        TPLXTestNode node;
        node.Child = new TPLXTestNode;
        node.Child->setParent(&node);
        node.Child->Name = QStringLiteral("inner");
        TPLXGanttObject *base = &node;
        QStringList names;
        for (int i = 0; i < base->metaObject()->propertyCount(); ++i)
            names.append(QString::fromLatin1(base->metaObject()->property(i).name()));
        QCOMPARE(names, QStringList({"PLXTag", "Name", "Count", "Ratio", "Flag", "Colour", "Child"}));
        QVERIFY(base->setProperty("Count", 42));
        QVERIFY(base->setProperty("PLXTag", 80));
        QCOMPARE(node.Count, 42);
        QCOMPARE(node.PLXTag, 80);
        QVERIFY(!base->setProperty("Nope", 1));
        // Nested entities are reached through their own meta-object.
        auto *nested = base->property("Child").value<TPLXTestNode *>();
        QCOMPARE(nested, node.Child);
        QCOMPARE(static_cast<TPLXGanttObject *>(nested)->property("Name").toString(), QStringLiteral("inner"));
    }
};

QTEST_MAIN(tst_plxEntityFactory)
#include "tst_plxEntityFactory.moc"
