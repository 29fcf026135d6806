// The entity factory and persistence protocol: loading by type id, shared
// references, load problems, saving, identities and ownership.
#include "plxCompare.h"
#include "plxEntityFactory.h"
#include "plxMedia.h"
#include "plxPlatform.h"
#include "plxTestSupport.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The section "root" of the text, loaded with messages recorded.
struct Loaded
{
    explicit Loaded(const QByteArray &text)
        : media(plxtest::mediaFromText(text))
    {
    }
    TPLXTestNode *node() const { return dynamic_cast<TPLXTestNode *>(root.get()); }

    TPLXRecordingScope recording;
    PLXMedia media;
    TPLXTestFactory factory;
    std::unique_ptr<TPLXGanttObject> root{factory.loadObject(QStringLiteral("root"), *media, nullptr)};
};

// The tree below a node as "name(child)[children]": "-" for a missing entity,
// "^" after one whose parent is not the entity that refers to it.
QString shape(const TPLXTestNode *node, const TPLXGanttObject *referrer = nullptr)
{
    if (!node)
        return QStringLiteral("-");
    QStringList children;
    for (const TPLXTestNode *child : node->Children)
        children.append(shape(child, node));
    return node->Name + (node->getParent() != referrer ? "^" : "") +
           (node->Child ? '(' + shape(node->Child, node) + ')' : QString()) +
           (children.isEmpty() ? QString() : '[' + children.join(',') + ']');
}

} // namespace

class tst_plxEntityFactory : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(TPLXTestNode::liveCount, 0); }

    void loadingResolvesSectionsOnce_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QStringList>("messages");
        const auto circular = [](const char *name) {
            return "Warning! Circular reference. Involved object: " + QString(name);
        };
        const auto unknown = [](const char *id) { return "Warning: Unknown type id" + QString(id); };
        // "s" is named twice in one list and again as a child of "x", which loaded it first and owns it.
        QTest::newRow("tree, shared sections, any case of typeID")
            << QByteArray("[root]\ntypeID=Test Node\nname=top\nchild=x\nchildren#count=4\nchildren#0=a\nchildren#1=s\n"
                          "children#2=s\nchildren#3=x\n[x]\ntypeID=Test Node\nname=x\nchild=s\n"
                          "[a]\nTYPEID=Test Node\nname=a\n[s]\ntypeid=Test Node\nname=s\n")
            << "top(x(s))[a,s^,s^,x(s)]" << QStringList();
        QTest::newRow("circular, once per back reference")
            << QByteArray("[root]\ntypeID=Test Node\nname=r\nchild=a\n[a]\ntypeID=Test Node\nname=a\nchild=b\n"
                          "[b]\ntypeID=Test Node\nname=b\nchild=root\nchildren#count=2\nchildren#0=a\nchildren#1=b\n")
            << "r(a(b[-,-]))" << QStringList({circular("root"), circular("a"), circular("b")});
        // A failed section stays registered as loading until the next flush.
        QTest::newRow("untyped, unknown, missing")
            << QByteArray("[root]\ntypeID=Test Node\nname=r\nchild=untyped\nchildren#count=4\nchildren#0=alien\n"
                          "children#1=ok\nchildren#2=untyped\nchildren#3=nowhere\n[untyped]\nname=x\n"
                          "[alien]\ntypeID=Progress Bar\n[ok]\ntypeID=Test Node\nname=fine\n")
            << "r[-,fine,-,-]"
            << QStringList({unknown("MISSING"), "Error loading untyped", unknown("Progress Bar"),
                            "Error loading alien", circular("untyped"), unknown("MISSING"), "Error loading nowhere"});
        // A count the section cannot hold reads up to the last element present; gaps are logged, not shown.
        QTest::newRow("count past the file, gaps")
            << QByteArray("[root]\ntypeID=Test Node\nname=r\nchildren#count=4096\nchildren#0=a\nchildren#2=a\n"
                          "[a]\ntypeID=Test Node\nname=a\n")
            << "r[a,-,a]" << QStringList();
        QTest::newRow("empty names") << QByteArray("[root]\ntypeID=Test Node\nname=r\nchild=\nchildren#count=2\n"
                                                   "children#0=\nchildren#1=\n")
                                     << "r[-,-]" << QStringList();
        // The bad colour raises after "inner" was loaded into the half-built entity: it goes with it.
        QTest::newRow("error inside a load")
            << QByteArray("[root]\ntypeID=Test Node\nname=r\nchildren#count=2\nchildren#0=bad\nchildren#1=good\n"
                          "[bad]\ntypeID=Test Node\ncolour=reddish\nchild=inner\n[inner]\ntypeID=Test Node\n"
                          "[good]\ntypeID=Test Node\nname=good\nchild=inner\n")
            << "r[-,good]" << QStringList({"Error loading bad", circular("inner")});
    }

    void loadingResolvesSectionsOnce()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, shape);
        QFETCH(QStringList, messages);
        Loaded l(text);
        QCOMPARE(::shape(l.node()), shape);
        QCOMPARE(l.recording.recorder().messages(), messages);
        const QStringList names = shape.split(QRegularExpression(QStringLiteral("\\W+")), Qt::SkipEmptyParts);
        QCOMPARE(TPLXTestNode::liveCount, QSet<QString>(names.cbegin(), names.cend()).size()); // one entity per name
    }

    void loadTableAndMissingChildren()
    {
        Loaded l("[root]\ntypeID=Test Node\nchildren#count=1\nchildren#0=a\n[a]\ntypeID=Test Node\n");
        // Table in load order: a section is registered when its load starts.
        PLX_COMPARE_EACH(int,
                         ({l.factory.loadedCount(), l.factory.getObjectIndex("a"), l.factory.getObjectIndex("A")}),
                         ({2, 1, -1}));
        QCOMPARE(l.factory.getLoadedObject(QStringLiteral("a")), l.node()->Children[0]);
        // Every missing child key is logged, never shown.
        QCOMPARE(l.recording.recorder().logLines(),
                 QStringList({"Unable to locate child object named: \"child\". Parent name = \"root\"",
                              "Unable to locate child object named: \"child\". Parent name = \"a\""}));
        l.factory.Flush();
        QVERIFY(l.factory.loadedCount() == 0 && !l.factory.getLoadedObject(QStringLiteral("root")));
    }

    void savingWritesSectionsByIdentity()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("saved.ini"));
        plxtest::writeFile(path, "[orphan]\nkept=yes\n");
        TPLXTestFactory factory;
        TPLXTestNode root;
        auto *child = new TPLXTestNode;
        child->setParent(&root);
        child->Name = QStringLiteral("c");
        root.Children = {child, child};
        TPLXINIFIle media(path);
        factory.saveObject(QStringLiteral("root"), media, &root);
        const QString uid = child->getUID();
        factory.saveObject(QStringLiteral("root"), media, &root); // saved twice in one run: the same name
        // On disk as soon as the save ends, beside what was there.
        const QByteArray onDisk = plxtest::readFile(path);
        QVERIFY2(uid.startsWith(u"AutoID:") && child->getUID() == uid && onDisk.startsWith("[orphan]\nkept=yes\n") &&
                     onDisk.contains(("children#count=2\nchildren#0=" + uid + "\nchildren#1=" + uid).toUtf8()),
                 onDisk.constData());
        // An entity's section is named by its identity, whatever name it is saved under.
        TPLXRecordingScope recording;
        std::unique_ptr<TPLXGanttObject> loaded(factory.loadObject(root.getUID(), media, nullptr));
        auto *node = dynamic_cast<TPLXTestNode *>(loaded.get());
        QCOMPARE(shape(node), QStringLiteral("[c,c]"));
        QCOMPARE(TPLXTestNode::liveCount, 4);       // the list holds one object twice
        QCOMPARE(node->Children[0]->getUID(), uid); // a reloaded entity keeps its "AutoID:" name
    }

    void defaultDocumentSectionsLoadAndAreFreed()
    {
        // Every section of the built-in document whose kind this build loads, each
        // as a root of its own: shared sections resolve once and are freed once.
        TPLXRecordingScope recording;
        TPLXDefaultMedia media{QString()};
        TPLXEntityFactory factory;
        std::vector<std::unique_ptr<TPLXGanttObject>> roots;
        for (const QString &section : TPLXDefaultMedia::sectionNames()) {
            if (!TPLXEntityFactory::isRegistered(media.strValue(section, QStringLiteral("typeID"), QString())))
                continue;
            TPLXGanttObject *entity = factory.loadObject(section, media, nullptr);
            QVERIFY2(entity, qPrintable(section));
            if (!entity->getParent())
                roots.emplace_back(entity); // the sanitizer build proves nothing leaks or is freed twice
        }
    }

    void ownershipFollowsTheParentAndLeadsToTheDocument()
    {
        TPLXTestDocument document;
        auto *a = new TPLXTestNode, *b = new TPLXTestNode, *c = new TPLXTestNode;
        a->setParent(&document);
        b->setParent(a);
        c->setParent(b);
        QCOMPARE(c->GetDocumentSetup(), &document);
        QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, a->setParent(c)); // no ownership cycles
        c->setParent(a);                                                // re-parenting moves ownership
        delete b;                                                       // frees nothing of c
        QCOMPARE(TPLXTestNode::liveCount, 2);
        QCOMPARE(c->getParent(), a);
        QVERIFY_THROWS_EXCEPTION(EPLXInvalidCast, TPLXTestNode().GetDocumentSetup());
    }
};

QTEST_MAIN(tst_plxEntityFactory)
#include "tst_plxEntityFactory.moc"
