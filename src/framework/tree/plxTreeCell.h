// The cells of the task tree grid and the cell types of its columns: a cell
// holds one value shown as text; the column's type decides the cell kind,
// whether the column sorts and, for automatic columns, how the text is computed.
#pragma once

#include "plxGanttObject.h"
#include "plxObjectEditor.h"
#include "plxOperation.h"

#include <QImage>
#include <QList>
#include <QStringList>

class TPLXGanttRow;
class TPLXTextArranger;
class TPLXTreeCell;
class TPLXTreeCellDrawer;
class TPLXTreeColSettings;
class TPLXTreeGrid;
class TPLXTreeHeaderCell;
class TPLXTreeRow;
class TPLXTreeRowSettings;
class TPLXTreeTextSettings;

// -------------------------------------------------------------------- base cells

// A piece of text together with the arranger that wraps and draws it.
class ORVANTA_EXPORT TPLXCell : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY_META
    Q_PROPERTY(QString Text READ GetText WRITE SetText)

public:
    TPLXCell();
    ~TPLXCell() override;

    // Takes the arranger; null removes it.
    virtual void SetTextArranger(std::unique_ptr<TPLXTextArranger> arranger);
    virtual void SetText(const QString &text);
    QString GetText() const
    {
        refreshText();
        return FText;
    }
    TPLXTextArranger *GetTextArranger() const { return FTextArranger.get(); }

protected:
    // Brings a text computed from the chart up to date before it is read; a typed text is always current.
    virtual void refreshText() const {}

    std::unique_ptr<TPLXTextArranger> FTextArranger;
    QString FText;
    std::unique_ptr<TPLXDrawer> FOwnDrawer;
};

// Remembers the rectangle its cell was laid out in and answers hit tests on it.
class ORVANTA_EXPORT TPLXCellDrawer : public TPLXDrawer
{
public:
    explicit TPLXCellDrawer(TPLXCell *cell);

    void setLayout(int x0, int y0, int width, int height);
    void setLayout(const TRect &r);
    TRect getLayout() const;
    TRect getRect() const override { return getLayout(); }
    // Both edges count as inside.
    TPLXGanttObject *locateObject(int x, int y) override;

private:
    int x0 = 0;
    int y0 = 0;
    int width = 0;
    int height = 0;
};

// The type of a tree column: the kind of cell it makes and how it sorts. The
// header cell of the column owns it; the column's cells share it.
class ORVANTA_EXPORT TPLXTreeCellType : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeCellType)
    Q_PROPERTY(bool ReadOnly READ getReadOnly WRITE setReadOnly)

public:
    TPLXTreeCellType();
    ~TPLXTreeCellType() override;

    // The class of the cells this type makes.
    virtual const QMetaObject *TreeCellClass() const;
    // A new cell of the kind this type makes, with this type as its data type,
    // copies of the two settings and `parent` as parent (and so owner). Never null.
    virtual TPLXTreeCell *CreateTreeCell(TPLXTreeRowSettings *rowSettings, TPLXTreeColSettings *colSettings,
                                         TPLXGanttObject *parent);
    virtual bool canSort() const;

    bool getReadOnly() const { return FReadOnly; }
    void setReadOnly(bool value) { FReadOnly = value; }
    // The in-place edit control the column's cells share; the cell editor
    // makes it on first use, and the type frees it.
    QObject *getControl() const { return FControl.get(); }
    void setControl(QObject *control) { FControl.reset(control); }

private:
    bool FReadOnly = false;
    TPLXOwnedControl FControl;
};

// One cell of a tree row. It owns its copies of the row and column settings
// (a loaded cell may share stored ones) and a text arranger over both.
class ORVANTA_EXPORT TPLXTreeCell : public TPLXCell
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeCell)
    Q_PROPERTY(TPLXGanttObject *DataType READ dataTypeObject)
    Q_PROPERTY(TPLXGanttObject *RowSettings READ rowSettingsObject)
    Q_PROPERTY(TPLXGanttObject *ColSettings READ colSettingsObject)
    Q_PROPERTY(int ColumnIndex READ GetColumnIndex)
    Q_PROPERTY(bool Focused READ isFocused WRITE FocusCell)
    Q_PROPERTY(bool Edited MEMBER FEdited)

public:
    // Loading: settings and type come from the store.
    TPLXTreeCell();
    TPLXTreeCell(TPLXTreeRowSettings *rowSettings, TPLXTreeColSettings *colSettings, TPLXTreeCellType *dataType,
                 TPLXGanttObject *parent);
    ~TPLXTreeCell() override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    // The class of cell type that fits this cell kind; null for computed cells.
    virtual const QMetaObject *DataTypeClass() const;
    // Sort order; the base orders nothing.
    virtual bool lessThan(TPLXTreeCell *other);
    // Height the text needs when wrapped to its column's width.
    virtual int fitHeight();
    // Brings a text computed from the chart up to date; a typed text stays as it is.
    virtual void updateText() {}
    // Width of the longest line of the text; 10 for an empty text.
    int getMaxWidth();
    void FocusCell(bool on) { FFocused = on; }
    bool isFocused() const { return FFocused; }
    // Index in its tree row (the parent), -1 without one.
    int GetColumnIndex();
    TPLXTreeCellType *GetDataType() const { return FDataType; }
    TPLXTreeRowSettings *getRowSettings() const { return FRowSettings; }
    TPLXTreeColSettings *getColSettings() const { return FColSettings; }
    TPLXTreeTextSettings *getTextSettings() const { return FTextSettings.get(); }
    // The tree row holding the cell, or null.
    TPLXTreeRow *treeRow() const;
    TPLXTreeCellDrawer *cellDrawer() const;
    // Whether an in-place editor has the cell open.
    bool isEdited() const { return FEdited; }
    void setEdited(bool value) { FEdited = value; }

protected:
    friend class TPLXTreeCellPersistence;
    // Writes the kind's value keys after the common ones.
    virtual void saveValues(const QString &section, IPLXMedia &media);
    // The type id the kind is stored under; empty for kinds that are not stored.
    virtual QString storedTypeId() const;
    // (Re)builds the text settings and arranger over the current settings records.
    void buildTextArranger();
    // After the arranger changed: kinds that draw a picture put it back.
    virtual void arrangerRebuilt();
    TPLXGanttObject *dataTypeObject() const;
    TPLXGanttObject *rowSettingsObject() const;
    TPLXGanttObject *colSettingsObject() const;

    TPLXTreeRowSettings *FRowSettings = nullptr;
    TPLXTreeColSettings *FColSettings = nullptr;
    TPLXTreeCellType *FDataType = nullptr;
    bool FFocused = false;
    std::unique_ptr<TPLXTreeTextSettings> FTextSettings;

private:
    bool FEdited = false;
};

Q_DECLARE_METATYPE(TPLXTreeCell *)

// Draws a tree cell's text wrapped inside its layout and remembers where an
// in-place editor would go.
class ORVANTA_EXPORT TPLXTreeCellDrawer : public TPLXCellDrawer
{
public:
    explicit TPLXTreeCellDrawer(TPLXTreeCell *cell);
    void Draw(TPLXVisualContext &vc) override;
    TRect getControlArea() const { return controlArea; }

    int getTextIndent() const { return textIndent; }
    void setTextIndent(int value) { textIndent = value; }

private:
    TRect controlArea;
    // Pixels the text keeps clear at the cell's left, where the tree draws its lines and expanders.
    int textIndent = 0;
};

// Reads the cell kinds; the common part loads the settings, the type and
// builds the arranger.
class ORVANTA_EXPORT TPLXTreeCellPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Tree Cell"); }

    // Loads "dataType" first, so that value setters may consult the type.
    void loadDataType(TPLXTreeCell &cell, IPLXMedia &media, TPLXEntityFactory &factory) const;
    // "rowSettings", "colSettings", "dataType" (unless loaded before), then the arranger.
    void loadCommon(TPLXTreeCell &cell, IPLXMedia &media, TPLXEntityFactory &factory, bool typeLoaded) const;
};

// -------------------------------------------------------------------- text cells

class ORVANTA_EXPORT TPLXTreeSimpleTextCellType : public TPLXTreeCellType
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeSimpleTextCellType)

public:
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;
    const QMetaObject *TreeCellClass() const override;
    TPLXTreeCell *CreateTreeCell(TPLXTreeRowSettings *rowSettings, TPLXTreeColSettings *colSettings,
                                 TPLXGanttObject *parent) override;
    bool canSort() const override { return true; }
};

// A single line of text; sorts by ordinal text comparison, after any other kind.
class ORVANTA_EXPORT TPLXTreeSimpleTextCell : public TPLXTreeCell
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeSimpleTextCell)

public:
    using TPLXTreeCell::TPLXTreeCell;
    const QMetaObject *DataTypeClass() const override;
    bool lessThan(TPLXTreeCell *other) override;

protected:
    void saveValues(const QString &section, IPLXMedia &media) override;
    QString storedTypeId() const override;
};

class ORVANTA_EXPORT TPLXTreeMultilineTextCellType : public TPLXTreeCellType
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeMultilineTextCellType)

public:
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;
    const QMetaObject *TreeCellClass() const override;
    TPLXTreeCell *CreateTreeCell(TPLXTreeRowSettings *rowSettings, TPLXTreeColSettings *colSettings,
                                 TPLXGanttObject *parent) override;
    bool canSort() const override { return true; }
};

class ORVANTA_EXPORT TPLXTreeMultilineTextCell : public TPLXTreeCell
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeMultilineTextCell)

public:
    using TPLXTreeCell::TPLXTreeCell;
    const QMetaObject *DataTypeClass() const override;
    bool lessThan(TPLXTreeCell *other) override;

protected:
    void saveValues(const QString &section, IPLXMedia &media) override;
    QString storedTypeId() const override;
};

// An edit box with a "..." button; the button reports to the data source.
class ORVANTA_EXPORT TPLXTreeButtonEditCellType : public TPLXTreeSimpleTextCellType
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeButtonEditCellType)

public:
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;
    const QMetaObject *TreeCellClass() const override;
    TPLXTreeCell *CreateTreeCell(TPLXTreeRowSettings *rowSettings, TPLXTreeColSettings *colSettings,
                                 TPLXGanttObject *parent) override;
};

class ORVANTA_EXPORT TPLXTreeButtonEditCell : public TPLXTreeSimpleTextCell
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeButtonEditCell)

public:
    using TPLXTreeSimpleTextCell::TPLXTreeSimpleTextCell;
    const QMetaObject *DataTypeClass() const override;

protected:
    QString storedTypeId() const override;
};

// -------------------------------------------------------------------- date time

class ORVANTA_EXPORT TPLXTreeDateTimeCellType : public TPLXTreeCellType
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeDateTimeCellType)
    Q_PROPERTY(bool NoTime READ getNoTime WRITE setNoTime)

public:
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;
    const QMetaObject *TreeCellClass() const override;
    TPLXTreeCell *CreateTreeCell(TPLXTreeRowSettings *rowSettings, TPLXTreeColSettings *colSettings,
                                 TPLXGanttObject *parent) override;
    bool canSort() const override { return true; }

    bool getNoTime() const { return FNoTime; }
    void setNoTime(bool value) { FNoTime = value; }

private:
    bool FNoTime = true;
};

// A date, shown as "dd.mm.yyyy" or "dd.mm.yyyy hh:mm" as its type says.
class ORVANTA_EXPORT TPLXTreeDateTimeCell : public TPLXTreeCell
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeDateTimeCell)
    Q_PROPERTY(double Date READ GetDate WRITE SetDate)
    Q_PROPERTY(bool NoTime READ NoTime)

public:
    using TPLXTreeCell::TPLXTreeCell;
    const QMetaObject *DataTypeClass() const override;
    bool lessThan(TPLXTreeCell *other) override;

    TDateTime GetDate() const { return FDate; }
    void SetDate(TDateTime date);
    // From the type; without a date-time type the time is shown.
    bool NoTime() const;

protected:
    void saveValues(const QString &section, IPLXMedia &media) override;
    QString storedTypeId() const override;

private:
    TDateTime FDate = 0;
};

// "dd.mm.yyyy", with " hh:mm" appended unless `noTime`.
ORVANTA_EXPORT QString PLXFormatCellDate(TDateTime date, bool noTime);

// -------------------------------------------------------------------- numbers

class ORVANTA_EXPORT TPLXTreeSpinCellType : public TPLXTreeCellType
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeSpinCellType)
    Q_PROPERTY(int Min READ getMin WRITE setMin)
    Q_PROPERTY(int Max READ getMax WRITE setMax)

public:
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;
    const QMetaObject *TreeCellClass() const override;
    TPLXTreeCell *CreateTreeCell(TPLXTreeRowSettings *rowSettings, TPLXTreeColSettings *colSettings,
                                 TPLXGanttObject *parent) override;

    qint32 getMin() const { return FMin; }
    void setMin(qint32 value) { FMin = value; }
    qint32 getMax() const { return FMax; }
    void setMax(qint32 value) { FMax = value; }

private:
    qint32 FMin = 0;
    qint32 FMax = 0;
};

// An integer shown in decimal; sorts numerically, before no other kind.
class ORVANTA_EXPORT TPLXTreeSpinCell : public TPLXTreeCell
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeSpinCell)
    Q_PROPERTY(int Number READ GetNumber WRITE SetNumber)

public:
    using TPLXTreeCell::TPLXTreeCell;
    const QMetaObject *DataTypeClass() const override;
    bool lessThan(TPLXTreeCell *other) override;

    qint32 GetNumber() const { return FNumber; }
    void SetNumber(qint32 number);

protected:
    void saveValues(const QString &section, IPLXMedia &media) override;
    QString storedTypeId() const override;

private:
    qint32 FNumber = 0;
};

class ORVANTA_EXPORT TPLXTreeCurrencyCellType : public TPLXTreeCellType
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeCurrencyCellType)

public:
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;
    const QMetaObject *TreeCellClass() const override;
    TPLXTreeCell *CreateTreeCell(TPLXTreeRowSettings *rowSettings, TPLXTreeColSettings *colSettings,
                                 TPLXGanttObject *parent) override;
};

// An amount shown in the default locale's currency format with two decimals.
class ORVANTA_EXPORT TPLXTreeCurrencyCell : public TPLXTreeCell
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeCurrencyCell)
    Q_PROPERTY(double Value READ GetValue WRITE SetValue)

public:
    using TPLXTreeCell::TPLXTreeCell;
    const QMetaObject *DataTypeClass() const override;

    double GetValue() const { return FValue; }
    void SetValue(double value);

protected:
    void saveValues(const QString &section, IPLXMedia &media) override;
    QString storedTypeId() const override;

private:
    double FValue = 0;
};

// The currency text of `value` in the default locale, two decimals.
ORVANTA_EXPORT QString PLXCurrencyText(double value);

// -------------------------------------------------------------------- choices

// Drop-down styles of a combo column (not stored).
enum TPLXComboStyle : int { csDropDown = 0, csSimple = 1, csDropDownList = 2 };

class ORVANTA_EXPORT TPLXTreeComboCellType : public TPLXTreeCellType
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeComboCellType)
    Q_PROPERTY(QStringList Items READ getItems WRITE setItems)
    Q_PROPERTY(int Style MEMBER FStyle)

public:
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;
    const QMetaObject *TreeCellClass() const override;
    TPLXTreeCell *CreateTreeCell(TPLXTreeRowSettings *rowSettings, TPLXTreeColSettings *colSettings,
                                 TPLXGanttObject *parent) override;

    const QStringList &getItems() const { return FItems; }
    void setItems(const QStringList &value) { FItems = value; }

private:
    QStringList FItems;
    int FStyle = csDropDown;
};

class ORVANTA_EXPORT TPLXTreeComboCell : public TPLXTreeCell
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeComboCell)

public:
    using TPLXTreeCell::TPLXTreeCell;
    const QMetaObject *DataTypeClass() const override;

protected:
    void saveValues(const QString &section, IPLXMedia &media) override;
    QString storedTypeId() const override;
};

class ORVANTA_EXPORT TPLXTreeImageComboCellType : public TPLXTreeCellType
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeImageComboCellType)
    Q_PROPERTY(QStringList Items READ getItems WRITE setItems)

public:
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;
    const QMetaObject *TreeCellClass() const override;
    TPLXTreeCell *CreateTreeCell(TPLXTreeRowSettings *rowSettings, TPLXTreeColSettings *colSettings,
                                 TPLXGanttObject *parent) override;
    bool canSort() const override { return true; }

    const QStringList &getItems() const { return FItems; }
    void setItems(const QStringList &value) { FItems = value; }
    const QList<QImage> &getImages() const { return FImages; }
    void setImages(const QList<QImage> &value) { FImages = value; }

private:
    QStringList FItems;
    // The pictures of the items, in item order.
    QList<QImage> FImages;
};

// A choice among the type's items, drawn with the picture of the chosen item.
class ORVANTA_EXPORT TPLXTreeImageComboCell : public TPLXTreeCell
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeImageComboCell)
    Q_PROPERTY(int ImageIndex READ imageIndex)

public:
    using TPLXTreeCell::TPLXTreeCell;
    const QMetaObject *DataTypeClass() const override;
    // Also selects the picture of the item with that text.
    void SetText(const QString &text) override;
    // The item the text matches, -1 for none.
    int imageIndex() const { return FImageIndex; }
    const QImage &picture() const { return FPicture; }

protected:
    void saveValues(const QString &section, IPLXMedia &media) override;
    QString storedTypeId() const override;
    void arrangerRebuilt() override;

private:
    int FImageIndex = -1;
    QImage FPicture;
};

// -------------------------------------------------------------------- automatic cells

// A column computed from the rows' bars; the base computes nothing.
class ORVANTA_EXPORT TPLXTreeAutoCellType : public TPLXTreeCellType
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeAutoCellType)

public:
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;
    const QMetaObject *TreeCellClass() const override;
    TPLXTreeCell *CreateTreeCell(TPLXTreeRowSettings *rowSettings, TPLXTreeColSettings *colSettings,
                                 TPLXGanttObject *parent) override;
    bool canSort() const override { return true; }

    // The text of the cell of gantt row `ganttRow` (may be null).
    virtual QString calculateValue(TPLXGanttRow *ganttRow);
    // Sort order between two gantt rows (either may be null).
    virtual bool lessThan(TPLXGanttRow *rowA, TPLXGanttRow *rowB);
};

// The earliest start of the row's bars.
class ORVANTA_EXPORT TPLXTreeAutoCellStartDate : public TPLXTreeAutoCellType
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeAutoCellStartDate)

public:
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;
    QString calculateValue(TPLXGanttRow *ganttRow) override;
    bool lessThan(TPLXGanttRow *rowA, TPLXGanttRow *rowB) override;
};

// The latest end of the row's bars.
class ORVANTA_EXPORT TPLXTreeAutoCellEndDate : public TPLXTreeAutoCellType
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeAutoCellEndDate)

public:
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;
    QString calculateValue(TPLXGanttRow *ganttRow) override;
    bool lessThan(TPLXGanttRow *rowA, TPLXGanttRow *rowB) override;
};

// The row's tree number, continuous or hierarchical as the grid says.
class ORVANTA_EXPORT TPLXTreeAutoCellNumber : public TPLXTreeAutoCellType
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeAutoCellNumber)

public:
    QString calculateValue(TPLXGanttRow *ganttRow) override;
    bool canSort() const override { return false; }
};

// The main section text of the row's PERT box.
class ORVANTA_EXPORT TPLXTreeAutoCellTaskNameType : public TPLXTreeAutoCellType
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeAutoCellTaskNameType)

public:
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;
    QString calculateValue(TPLXGanttRow *ganttRow) override;
    bool lessThan(TPLXGanttRow *rowA, TPLXGanttRow *rowB) override;
};

// A cell whose text its automatic type computes before every drawing.
class ORVANTA_EXPORT TPLXTreeAutoCell : public TPLXTreeCell
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeAutoCell)

public:
    TPLXTreeAutoCell();
    TPLXTreeAutoCell(TPLXTreeRowSettings *rowSettings, TPLXTreeColSettings *colSettings, TPLXTreeCellType *dataType,
                     TPLXGanttObject *parent);
    const QMetaObject *DataTypeClass() const override { return nullptr; }
    bool lessThan(TPLXTreeCell *other) override;

    // The gantt row of the cell's tree row, or null.
    TPLXGanttRow *ganttRow() const;
    // Sets the text to what the type computes now.
    void updateText() override;
    // Every computed text is recomputed when it is next read or drawn: a chart changed or was loaded.
    static void chartChanged();

protected:
    void refreshText() const override;
    void saveValues(const QString &section, IPLXMedia &media) override;
    QString storedTypeId() const override;

private:
    static quint64 chartGeneration();
    // The chart generation the text was computed at; a loaded text counts as current until the chart changes.
    quint64 FGeneration = chartGeneration();
};

class ORVANTA_EXPORT TPLXTreeAutoCellDrawer : public TPLXTreeCellDrawer
{
public:
    explicit TPLXTreeAutoCellDrawer(TPLXTreeAutoCell *cell);
    void Draw(TPLXVisualContext &vc) override;
};

// -------------------------------------------------------------------- persistence

#define PLX_TREE_CELL_PERSISTENCE(Name, TypeId)                                                                       \
    class ORVANTA_EXPORT Name : public TPLXTreeCellPersistence                                                        \
    {                                                                                                                 \
    public:                                                                                                           \
        std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,                                \
                                                TPLXEntityFactory &factory) override;                                 \
        QString getTypeID() const override { return QStringLiteral(TypeId); }                                         \
    };

PLX_TREE_CELL_PERSISTENCE(TPLXTreeSimpleTextCellPersistence, "Tree Simple Text Cell")
PLX_TREE_CELL_PERSISTENCE(TPLXTreeMultilineTextCellPersistence, "Tree Multiline Text Cell")
PLX_TREE_CELL_PERSISTENCE(TPLXTreeDateTimeCellPersistence, "Tree Date Time Cell")
PLX_TREE_CELL_PERSISTENCE(TPLXTreeSpinCellPersistence, "Tree Spin Cell")
PLX_TREE_CELL_PERSISTENCE(TPLXTreeCurrencyCellPersistence, "Tree Currency Cell")
PLX_TREE_CELL_PERSISTENCE(TPLXTreeComboCellPersistence, "Tree Combo Cell")
PLX_TREE_CELL_PERSISTENCE(TPLXTreeImageComboCellPersistence, "Tree Image Combo Cell")
PLX_TREE_CELL_PERSISTENCE(TPLXTreeButtonEditCellPersistence, "Tree Button Edit Cell")
PLX_TREE_CELL_PERSISTENCE(TPLXTreeAutoCellPersistence, "Tree Auto Cell")

#define PLX_TREE_CELL_TYPE_PERSISTENCE(Name, TypeId)                                                                  \
    class ORVANTA_EXPORT Name : public TPLXPersistence                                                                \
    {                                                                                                                 \
    public:                                                                                                           \
        std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,                                \
                                                TPLXEntityFactory &factory) override;                                 \
        QString getTypeID() const override { return QStringLiteral(TypeId); }                                         \
    };

PLX_TREE_CELL_TYPE_PERSISTENCE(TPLXTreeSimpleTextCellTypePersistence, "Simple Text Type")
PLX_TREE_CELL_TYPE_PERSISTENCE(TPLXTreeMultilineTextCellTypePersistence, "Multiline Text Type")
PLX_TREE_CELL_TYPE_PERSISTENCE(TPLXTreeDateTimeCellTypePersistence, "Date Time Type")
PLX_TREE_CELL_TYPE_PERSISTENCE(TPLXTreeSpinCellTypePersistence, "Spin Type")
PLX_TREE_CELL_TYPE_PERSISTENCE(TPLXTreeCurrencyCellTypePersistence, "Currency Type")
PLX_TREE_CELL_TYPE_PERSISTENCE(TPLXTreeComboCellTypePersistence, "Combo Type")
PLX_TREE_CELL_TYPE_PERSISTENCE(TPLXTreeImageComboCellTypePersistence, "Image Combo Type")
PLX_TREE_CELL_TYPE_PERSISTENCE(TPLXTreeButtonEditCellTypePersistence, "Button Edit Type")
PLX_TREE_CELL_TYPE_PERSISTENCE(TPLXTreeAutoCellStartDatePersistence, "Tree AutoCellType.StartDate")
PLX_TREE_CELL_TYPE_PERSISTENCE(TPLXTreeAutoCellEndDatePersistence, "Tree AutoCellType.EndDate")
PLX_TREE_CELL_TYPE_PERSISTENCE(TPLXTreeAutoCellNumberPersistence, "Tree AutoCellType.Number")
PLX_TREE_CELL_TYPE_PERSISTENCE(TPLXTreeAutoCellTaskNameTypePersistence, "AutoCellType.TaskName")

#undef PLX_TREE_CELL_PERSISTENCE
#undef PLX_TREE_CELL_TYPE_PERSISTENCE

// -------------------------------------------------------------------- column width

// Sets a tree column's width; undo puts back the width it had when performed.
class ORVANTA_EXPORT TPLXTreeCellResizeOperation : public TPLXOperation
{
public:
    TPLXTreeCellResizeOperation(TPLXDataSourceIntf *dataSource, TPLXTreeHeaderCell *headerCell, int newWidth);
    bool perform() override;
    bool undo() override;

private:
    bool apply(int width);

    TPLXTreeHeaderCell *FHeaderCell;
    int FNewWidth;
    int FOldWidth;
};
