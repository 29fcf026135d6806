// The entity model: every piece of a chart document is a TPLXGanttObject,
// loaded by a TPLXPersistence and painted by its TPLXDrawer.
#pragma once

#include "plxTypes.h"

#include <QList>
#include <QMetaObject>
#include <QRect>
#include <QVariant>

#include <memory>
#include <vector>

class IPLXMedia;
class TPLXDocumentSetup;
class TPLXDrawer;
class TPLXEntityFactory;
class TPLXObjectEditorIntf;
class TPLXPersistence;
class TPLXVisualContext;
template<typename Record>
struct TPLXStoredField;

// The two views an entity can be drawn in.
enum TPLXViewType { vtGanttGraph = 0, vtPertGraph = 1 };

// Declared right after an entity kind's Q_GADGET (which moc must see as it
// is): the kind's own metaObject(), and with PLX_ENTITY a Create() making a
// default-constructed entity of the kind. Both leave the access private, as
// Q_GADGET does.
// clang-format off
#define PLX_ENTITY_META \
public: \
    const QMetaObject *metaObject() const override { return &staticMetaObject; } \
\
private:

#define PLX_ENTITY(Class) \
public: \
    const QMetaObject *metaObject() const override { return &staticMetaObject; } \
    std::unique_ptr<TPLXGanttObject> Create() const override { return std::make_unique<Class>(); } \
\
private:
// clang-format on

// Base of every document entity. Entities are reflected through Qt's
// meta-object system without paying for a QObject each: every kind declares
// Q_GADGET and PLX_ENTITY, so its published properties can be listed, read
// and written by name from any TPLXGanttObject.
class ORVANTA_EXPORT TPLXGanttObject
{
    Q_GADGET
    Q_PROPERTY(int PLXTag READ getPLXTag WRITE setPLXTag)

public:
    TPLXGanttObject();
    virtual ~TPLXGanttObject();
    TPLXGanttObject(const TPLXGanttObject &) = delete;
    TPLXGanttObject &operator=(const TPLXGanttObject &) = delete;

    // The meta-object of the entity's own kind.
    virtual const QMetaObject *metaObject() const { return &staticMetaObject; }

    // A new entity of the same kind, as run-time editing creates it.
    virtual std::unique_ptr<TPLXGanttObject> Create() const;
    virtual TPLXDrawer *getDrawer(TPLXViewType viewType) const;
    virtual void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory);
    // The editor registered for exactly this entity's kind, else DefaultEditor.
    virtual std::unique_ptr<TPLXObjectEditorIntf> CreateEditor();
    // The editor the kind brings along, else one that edits nothing.
    virtual std::unique_ptr<TPLXObjectEditorIntf> DefaultEditor();
    // Makes `parent` the owner of this entity: an entity frees exactly the
    // entities whose parent it is, however often others refer to them.
    virtual void setParent(TPLXGanttObject *parent);

    TPLXGanttObject *getParent() const { return FParent; }
    // The document root above this entity; cached on first success.
    TPLXDocumentSetup *GetDocumentSetup();
    // The section the entity was loaded from, else "AutoID:" and a number unique while it lives.
    QString getUID() const;
    // The number of that automatic name: 0 until getUID first names the entity. An entity made again in place of
    // one that was saved takes the number back, so that the file keeps its section names.
    qint32 autoID() const { return FAutoID; }
    void setAutoID(qint32 id) { FAutoID = id; }

    // Keeps the section name of the persistence object that loaded this
    // entity; the object itself is not kept, as a large plan has many entities.
    void adoptPersistence(std::unique_ptr<TPLXPersistence> loadedBy);
    // Points the Gantt drawer at this entity.
    void retargetDrawer();

    // Property access by name through the entity's own meta-object.
    QVariant property(const char *name) const;
    bool setProperty(const char *name, const QVariant &value);

    // A tag number and an untyped pointer the entity carries for its users.
    qint32 getPLXTag() const { return PLXTag; }
    void setPLXTag(qint32 tag) { PLXTag = tag; }
    void *getData() const { return Data; }
    void setData(void *data) { Data = data; }

protected:
    // Points `field` at `record`: frees the record it held when this entity owned
    // it, and becomes the owner of a record nobody owns yet.
    template<typename T>
    void replaceOwned(T *&field, T *record)
    {
        if (record == field)
            return;
        if (field && field->getParent() == this)
            delete field;
        field = record;
        if (record && !record->getParent())
            record->setParent(this);
    }

    TPLXDrawer *FDrawer = nullptr;
    TPLXDrawer *FDrawerPert = nullptr;
    TPLXDocumentSetup *FRoot = nullptr;

private:
    void detachFromParent();
    // Whether `object` is this entity or lies in the branch it owns.
    bool ownsBranchOf(const TPLXGanttObject *object) const;

    qint32 PLXTag = 0;
    void *Data = nullptr;
    // The section the entity was loaded from; empty for one made at run time.
    QString FID;
    TPLXGanttObject *FParent = nullptr;

    std::vector<TPLXGanttObject *> FOwned;
    mutable qint32 FAutoID = 0;
    // The save that last wrote this entity (see TPLXEntityFactory::firstSave).
    mutable quint32 FSavedIn = 0;
    friend class TPLXEntityFactory;
};

Q_DECLARE_METATYPE(TPLXGanttObject *)

// Creates and reads one kind of entity from a section of a store.
class ORVANTA_EXPORT TPLXPersistence
{
public:
    TPLXPersistence();
    virtual ~TPLXPersistence();
    TPLXPersistence(const TPLXPersistence &) = delete;
    TPLXPersistence &operator=(const TPLXPersistence &) = delete;

    // Loads section `name`; the returned entity owns `self` from then on.
    static TPLXGanttObject *load(std::unique_ptr<TPLXPersistence> self, const QString &name, IPLXMedia &media,
                                 TPLXEntityFactory &factory);
    // Creates the entity and reads its properties and children from section `name`.
    virtual std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                                    TPLXEntityFactory &factory) = 0;
    // Entities save themselves; kept for the protocol and does nothing.
    virtual void doSave(const QString &name, IPLXMedia &media);
    virtual QString getTypeID() const = 0;

    // Loads the child whose section is named under `key` in this entity's section.
    TPLXGanttObject *loadChild(const QString &key, IPLXMedia &media, TPLXEntityFactory &factory,
                               TPLXGanttObject *parent) const;
    template<typename T>
    T *loadChildAs(const QString &key, IPLXMedia &media, TPLXEntityFactory &factory, TPLXGanttObject *parent) const
    {
        return dynamic_cast<T *>(loadChild(key, media, factory, parent));
    }
    // Names `child`'s section under `key` in `section`, then saves the child
    // there under its UID; a null child writes nothing.
    static void saveChild(const QString &section, const QString &key, TPLXGanttObject *child, IPLXMedia &media,
                          TPLXEntityFactory &factory);

    // The section this entity was loaded from.
    const QString &getID() const { return ID; }
    void setID(const QString &id) { ID = id; }

private:
    QString ID;
};

// Paints one entity and answers hit tests for it.
class ORVANTA_EXPORT TPLXDrawer
{
public:
    TPLXDrawer();
    explicit TPLXDrawer(TPLXGanttObject *target);
    virtual ~TPLXDrawer();
    TPLXDrawer(const TPLXDrawer &) = delete;
    TPLXDrawer &operator=(const TPLXDrawer &) = delete;

    virtual TRect getRect() const;
    virtual void Draw(TPLXVisualContext &context);
    virtual TPLXGanttObject *locateObject(int x, int y);
    virtual int getHeight() const;
    virtual void setHighlighted(bool on);
    virtual bool supportsHighlighting() const;
    bool isHighLighted() const { return highlightedMode; }

    TPLXGanttObject *getTarget() const { return target; }
    void setTarget(TPLXGanttObject *entity) { target = entity; }

protected:
    TPLXGanttObject *target = nullptr;

private:
    bool highlightedMode = false;
};

class TPLXBarConnection;
class TPLXConnectionSettings;
class TPLXDataSourceIntf;
class TPLXDocumentCalendar;
class TPLXGanttBar;
class TPLXGanttRow;
class TPLXGanttTable;
class TPLXImageBarSettings;
class TPLXLegend;
class TPLXProgressBarSettings;
class TPLXTaskBarSettings;
class TPLXTextHaloSettings;
class TPLXTextSettings;
class TPLXTreeGrid;

// The document root as the entities below it see it.
class ORVANTA_EXPORT TPLXDocumentSetup : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY_META

public:
    virtual int scaleStartY(TPLXGanttObject *object) = 0;
    virtual int scaleStartUnderY(TPLXGanttObject *object) = 0;
    virtual bool getTimeScaleUnder() = 0;
    virtual int getColStartX(int column) = 0;
    virtual int getTreeCellWidth(int column) = 0;
    virtual int getVerticalResizePaneSize() = 0;
    virtual int getTreeWidth() = 0;
    virtual void setTreeStartX(int x) = 0;
    virtual int getTreeStartX() = 0;
    virtual TDateTime getStartDate() = 0;
    virtual void setStartDate(TDateTime date) = 0;
    virtual TDateTime getEndDate() = 0;
    virtual void setEndDate(TDateTime date) = 0;
    virtual int GetTableStartY() = 0;
    virtual int getDocStartX() = 0;
    virtual void setDocStartX(int x) = 0;
    virtual TPLXImageBarSettings *getImageBarSettings() = 0;
    virtual TPLXTextSettings *getTextBarSettings() = 0;
    virtual TPLXTextSettings *getHintTextSettings() = 0;
    virtual void setHintTextSettings(TPLXTextSettings *settings) = 0;
    virtual TPLXLegend *GetLegend() = 0;
    virtual TPLXGanttTable *GetTable() = 0;
    virtual TPLXTreeGrid *GetTree() = 0;
    virtual TPLXDocumentCalendar *getCalendar() = 0;
    virtual TPLXTaskBarSettings *GetTaskBarSettings() = 0;
    virtual TPLXTextHaloSettings *GetTextHaloSettings() = 0;
    virtual TPLXProgressBarSettings *GetProgressBarSettings() = 0;
    virtual TPLXConnectionSettings *GetConnectionSettings() = 0;

    // The editing component the document is bound to; null for a document of its own.
    virtual TPLXDataSourceIntf *getDataSource() const = 0;

    // ---- dependency connections, which the document owns
    virtual int countConnections() const = 0;
    virtual TPLXBarConnection *getConnection(int i) const = 0;
    virtual int getConnectionIndex(TPLXBarConnection *c) const = 0;
    // Appends `c`, makes the document its parent (and owner) and refreshes the
    // critical path; a connection already listed stays where it is.
    virtual void addConnection(TPLXBarConnection *c) = 0;
    // As addConnection, at `index` (clamped to the list); undo uses it to restore the order.
    virtual void insertConnection(int index, TPLXBarConnection *c) = 0;
    // Takes `c` out of the list and refreshes the critical path; nothing when it is not listed.
    // The document stays its owner, so operations that still refer to it stay valid.
    // Answers where `c` was listed, -1 when it was not.
    virtual int removeConnection(TPLXBarConnection *c) = 0;
    // type -1: the first connection joining the bars in either direction;
    // otherwise the first from fromBar to toBar of that type, 4 matching every type.
    virtual TPLXBarConnection *findConnection(TPLXGanttBar *fromBar, TPLXGanttBar *toBar, int type) const = 0;
    // The first connection between summarizable bars of the two rows.
    virtual TPLXBarConnection *findRowsConnection(TPLXGanttRow *fromRow, TPLXGanttRow *toRow) const = 0;
    // Every listed connection whose from or to bar is `bar`, in the order they joined the document.
    virtual QList<TPLXBarConnection *> connectionsOf(const TPLXGanttBar *bar) const = 0;
    // Keeps the bar index current when a listed connection changes its bars.
    virtual void connectionBarsChanged(TPLXBarConnection *c, TPLXGanttBar *oldFrom, TPLXGanttBar *oldTo) = 0;

    // ---- the task tree as the chart sees it; a document without a tree answers as a flat list
    // Whether tree row `row` has children.
    virtual bool isGroupRow(int row) = 0;
    // The number of rows below tree row `row`.
    virtual int descendantsCount(int row) = 0;
    // The index of the row `row` hangs below; -1 for a top-level or unknown row.
    virtual int parentRowOf(int row) = 0;
    virtual int treeRowCount() = 0;
    // The band colour of tree row `row` (its group colour when `group`); false when it has no look.
    virtual bool rowBandColor(int row, bool group, TColor &color) = 0;
    // The bands of selected and focused rows; false when the document has no tree.
    virtual bool selectionColors(TColor &selected, TColor &focused) = 0;
};

// The entity a published property's value holds, or null when it holds none.
ORVANTA_EXPORT TPLXGanttObject *PLXHeldEntity(const QVariant &value);
