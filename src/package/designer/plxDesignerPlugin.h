// The form designer's view of the library: the components of the palette
// group "Orvanta", each with its icon, texts and the form snippet it starts with.
#pragma once

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QIcon>
#include <QObject>

#include <functional>
#include <memory>
#include <vector>

// One component on the palette.
class TPLXDesignerComponent : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    struct Description
    {
        QString name;
        QString includeFile;
        QString toolTip;
        QString whatsThis;
        QSize size; // as first dropped on a form
        std::function<QWidget *(QWidget *parent, bool designTime)> create;
        std::function<void(class QPainter &)> drawIcon; // on a 32 x 32 pixel square
    };

    TPLXDesignerComponent(Description description, QObject *parent);

    QString name() const override { return FDescription.name; }
    QString group() const override { return QStringLiteral("Orvanta"); }
    QString toolTip() const override { return FDescription.toolTip; }
    QString whatsThis() const override { return FDescription.whatsThis; }
    QString includeFile() const override { return FDescription.includeFile; }
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QWidget *createWidget(QWidget *parent) override;
    bool isInitialized() const override { return FInitialized; }
    // Only the form designer passes its core: forms loaded at run time are not designed.
    void initialize(QDesignerFormEditorInterface *core) override;
    QString domXml() const override;

private:
    Description FDescription;
    bool FInitialized = false;
    bool FDesignTime = false;
};

class TPLXDesignerCollection : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit TPLXDesignerCollection(QObject *parent = nullptr);
    QList<QDesignerCustomWidgetInterface *> customWidgets() const override { return FComponents; }

private:
    QList<QDesignerCustomWidgetInterface *> FComponents; // children
};
