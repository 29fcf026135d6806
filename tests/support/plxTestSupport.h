// Test-only entity kind and helpers shared by the test, fuzz and benchmark programs.
#pragma once

#include "plxEntityFactory.h"
#include "plxMedia.h"

#include <QByteArray>
#include <QString>

// A small entity with one value of each stored type, one child and a list
// of children, so the factory can be exercised before real kinds exist.
class TPLXTestNode : public TPLXGanttObject
{
    Q_GADGET
    Q_PROPERTY(QString Name MEMBER Name)
    Q_PROPERTY(int Count MEMBER Count)
    Q_PROPERTY(double Ratio MEMBER Ratio)
    Q_PROPERTY(bool Flag MEMBER Flag)
    Q_PROPERTY(int Colour MEMBER Colour)
    Q_PROPERTY(TPLXTestNode *Child MEMBER Child)

public:
    TPLXTestNode();
    ~TPLXTestNode() override;
    const QMetaObject *metaObject() const override { return &staticMetaObject; }
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    QString Name;
    int Count = 0;
    double Ratio = 0.0;
    bool Flag = false;
    int Colour = 0;
    TPLXTestNode *Child = nullptr;
    QList<TPLXTestNode *> Children;

    // Live instances, to prove that every load is freed exactly once.
    static int liveCount;
};

class TPLXTestNodePersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Test Node"); }
};

// A factory that also knows the type id "Test Node".
class TPLXTestFactory : public TPLXEntityFactory
{
public:
    std::unique_ptr<TPLXPersistence> createPersistence(const QString &typeId) override;
};

// An INI store over the given text, bound to no file.
PLXMedia plxMediaFromText(const QByteArray &text);
// Writes `text` to `path`, creating the file.
void plxWriteFile(const QString &path, const QByteArray &text);
QByteArray plxReadFile(const QString &path);
