#include "plxTestSupport.h"
#include "plxBarConnection.h"
#include "plxGanttBar.h"
#include "plxIniDocument.h"
#include "plxTreeGrid.h"
#include "plxTreeNode.h"
#include "plxTreeRow.h"
#include "plxTreeSettings.h"

#include <QFile>

#include <algorithm>

int TPLXTestNode::liveCount = 0;

TPLXTestNode::TPLXTestNode()
{
    ++liveCount;
}

TPLXTestNode::~TPLXTestNode()
{
    --liveCount;
}

void TPLXTestNode::doSave(const QString &, IPLXMedia &media, TPLXEntityFactory &factory)
{
    const QString uid = getUID();
    media.setStrProperty(uid, QStringLiteral("typeID"), QStringLiteral("Test Node"));
    media.setStrProperty(uid, QStringLiteral("name"), Name);
    media.setIntProperty(uid, QStringLiteral("count"), Count);
    media.setRealProperty(uid, QStringLiteral("ratio"), Ratio);
    media.setBoolProperty(uid, QStringLiteral("flag"), Flag);
    media.setColorProperty(uid, QStringLiteral("colour"), Colour);
    if (Child) {
        media.setStrProperty(uid, QStringLiteral("child"), Child->getUID());
        Child->doSave(Child->getUID(), media, factory);
    }
    factory.saveObjectListOf(uid, QStringLiteral("children"), media, Children);
}

std::unique_ptr<TPLXGanttObject> TPLXTestNodePersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                 TPLXEntityFactory &factory)
{
    auto node = std::make_unique<TPLXTestNode>();
    node->Name = media.strValue(name, QStringLiteral("name"), QString());
    node->Count = media.intValue(name, QStringLiteral("count"), 0);
    node->Ratio = media.realValue(name, QStringLiteral("ratio"), 0.0);
    node->Flag = media.boolValue(name, QStringLiteral("flag"), false);
    node->Child = loadChildAs<TPLXTestNode>(QStringLiteral("child"), media, factory, node.get());
    node->Children = factory.loadObjectListAs<TPLXTestNode>(name, QStringLiteral("children"), media, node.get());
    // Read last, so that a bad colour fails a load that already holds children.
    node->Colour = media.colorValue(name, QStringLiteral("colour"), 0);
    return node;
}

std::unique_ptr<TPLXPersistence> TPLXTestFactory::createPersistence(const QString &typeId)
{
    if (typeId == QLatin1String("Test Node"))
        return std::make_unique<TPLXTestNodePersistence>();
    return TPLXEntityFactory::createPersistence(typeId);
}

namespace plxtest {

PLXMedia mediaFromText(const QByteArray &text)
{
    return std::make_shared<TPLXINIFIle>(TPLXIniDocument::fromBytes(text));
}

void writeFile(const QString &path, const QByteArray &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(text);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

} // namespace plxtest

void TPLXTestDocument::insertConnection(int index, TPLXBarConnection *c)
{
    if (!c || connections.contains(c))
        return;
    connections.insert(std::clamp(index, 0, countConnections()), c);
    c->setParent(this);
}

TPLXBarConnection *TPLXTestDocument::findConnection(TPLXGanttBar *fromBar, TPLXGanttBar *toBar, int type) const
{
    for (TPLXBarConnection *c : connections) {
        const bool forward = c->getFromBar() == fromBar && c->getToBar() == toBar;
        if (type < 0 ? forward || (c->getFromBar() == toBar && c->getToBar() == fromBar)
                     : forward && (type == 4 || c->getConnType() == type))
            return c;
    }
    return nullptr;
}

QList<TPLXBarConnection *> TPLXTestDocument::connectionsOf(const TPLXGanttBar *bar) const
{
    QList<TPLXBarConnection *> result;
    for (TPLXBarConnection *c : connections)
        if (c->getFromBar() == bar || c->getToBar() == bar)
            result.append(c);
    return result;
}

bool TPLXTestDocument::isGroupRow(int row)
{
    TPLXTreeNode *node = tree && row >= 0 ? tree->findNodeByIndex(row) : nullptr;
    return node && node->hasChildren();
}

int TPLXTestDocument::descendantsCount(int row)
{
    return tree ? tree->DescendantsCount(row) : 0;
}

int TPLXTestDocument::parentRowOf(int row)
{
    TPLXTreeNode *node = tree && row >= 0 ? tree->findNodeByIndex(row) : nullptr;
    return node && !node->isTreeRoot() ? node->GetParentIndex() : -1;
}

int TPLXTestDocument::treeRowCount()
{
    return tree ? tree->rowsCount() : 0;
}

bool TPLXTestDocument::rowBandColor(int row, bool group, TColor &color)
{
    TPLXTreeRow *treeRow = tree ? tree->getRow(row) : nullptr;
    TPLXTreeRowSettings *look = treeRow && treeRow->getSettings() ? treeRow->getSettings()
                                : tree                            ? tree->getDefaultRowSettings()
                                                                  : nullptr;
    if (!look)
        return false;
    color = group ? look->getGroupColor() : look->getColor();
    return true;
}

bool TPLXTestDocument::selectionColors(TColor &selected, TColor &focused)
{
    if (!tree)
        return false;
    selected = tree->getSelectedRowColor();
    focused = tree->getFocusedRowColor();
    return true;
}
