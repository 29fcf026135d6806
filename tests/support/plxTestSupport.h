// Test-only entity kind and helpers shared by the test, fuzz and benchmark programs.
#pragma once

#include "plxEntityFactory.h"
#include "plxMedia.h"
#include "plxPlatform.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVariant>

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

// A document root whose document-wide records and parts are whatever a test sets.
class TPLXTestDocument : public TPLXDocumentSetup
{
public:
    int scaleStartY(TPLXGanttObject *) override { return 0; }
    int scaleStartUnderY(TPLXGanttObject *) override { return 0; }
    bool getTimeScaleUnder() override { return false; }
    int getColStartX(int) override { return colStartX; }
    int getTreeCellWidth(int) override { return 0; }
    int getVerticalResizePaneSize() override { return 0; }
    int getTreeWidth() override { return colStartX; }
    void setTreeStartX(int) override {}
    int getTreeStartX() override { return 0; }
    TDateTime getStartDate() override { return startDate; }
    void setStartDate(TDateTime date) override { startDate = date; }
    TDateTime getEndDate() override { return endDate; }
    void setEndDate(TDateTime date) override { endDate = date; }
    int GetTableStartY() override { return tableStartY; }
    int getDocStartX() override { return 0; }
    void setDocStartX(int) override {}
    TPLXImageBarSettings *getImageBarSettings() override { return imageBar; }
    TPLXTextSettings *getTextBarSettings() override { return textBar; }
    TPLXTextSettings *getHintTextSettings() override { return hintText; }
    void setHintTextSettings(TPLXTextSettings *settings) override { hintText = settings; }
    TPLXLegend *GetLegend() override { return legend; }
    TPLXGanttTable *GetTable() override { return table; }
    TPLXTreeGrid *GetTree() override { return tree; }
    TPLXDocumentCalendar *getCalendar() override { return calendar; }
    TPLXTaskBarSettings *GetTaskBarSettings() override { return taskBar; }
    TPLXTextHaloSettings *GetTextHaloSettings() override { return halo; }
    TPLXProgressBarSettings *GetProgressBarSettings() override { return progressBar; }
    TPLXConnectionSettings *GetConnectionSettings() override { return connection; }
    TPLXDataSourceIntf *getDataSource() const override { return nullptr; }

    // Connections in a plain list; the parent becomes this document.
    int countConnections() const override { return int(connections.size()); }
    TPLXBarConnection *getConnection(int i) const override { return connections.value(i, nullptr); }
    int getConnectionIndex(TPLXBarConnection *c) const override { return int(connections.indexOf(c)); }
    void addConnection(TPLXBarConnection *c) override { insertConnection(countConnections(), c); }
    void insertConnection(int index, TPLXBarConnection *c) override;
    int removeConnection(TPLXBarConnection *c) override
    {
        const int index = int(connections.indexOf(c));
        if (index >= 0)
            connections.removeAt(index);
        return index;
    }
    TPLXBarConnection *findConnection(TPLXGanttBar *fromBar, TPLXGanttBar *toBar, int type) const override;
    TPLXBarConnection *findRowsConnection(TPLXGanttRow *, TPLXGanttRow *) const override { return nullptr; }
    QList<TPLXBarConnection *> connectionsOf(const TPLXGanttBar *bar) const override;
    void connectionBarsChanged(TPLXBarConnection *, TPLXGanttBar *, TPLXGanttBar *) override {}

    // Tree questions are answered by `tree` when a test sets one, else as a flat list.
    bool isGroupRow(int row) override;
    int descendantsCount(int row) override;
    int parentRowOf(int row) override;
    int treeRowCount() override;
    bool rowBandColor(int row, bool group, TColor &color) override;
    bool selectionColors(TColor &selected, TColor &focused) override;

    QList<TPLXBarConnection *> connections;
    TDateTime startDate = 0;
    TDateTime endDate = 0;
    int colStartX = 0;
    int tableStartY = 0;
    TPLXImageBarSettings *imageBar = nullptr;
    TPLXTextSettings *textBar = nullptr;
    TPLXTextSettings *hintText = nullptr;
    TPLXLegend *legend = nullptr;
    TPLXGanttTable *table = nullptr;
    TPLXTreeGrid *tree = nullptr;
    TPLXDocumentCalendar *calendar = nullptr;
    TPLXTaskBarSettings *taskBar = nullptr;
    TPLXTextHaloSettings *halo = nullptr;
    TPLXProgressBarSettings *progressBar = nullptr;
    TPLXConnectionSettings *connection = nullptr;
};

// A factory that also knows the type id "Test Node".
class TPLXTestFactory : public TPLXEntityFactory
{
public:
    std::unique_ptr<TPLXPersistence> createPersistence(const QString &typeId) override;
};

// The helpers shared by the test, fuzz and benchmark programs.
namespace plxtest {

// Monday 1 January 2024 as a day number; the following days are Monday + n.
constexpr double kMonday = 45292.0;

// An INI store over the given text, bound to no file.
PLXMedia mediaFromText(const QByteArray &text);
// Writes `text` to `path`, creating the file.
void writeFile(const QString &path, const QByteArray &text);
QByteArray readFile(const QString &path);

// Takes every message and log line and drops them: a long random walk would record without end.
struct QuietServices : TPLXServices
{
    QuietServices() { previous = install(this); }
    ~QuietServices() override { install(previous); }
    void showMessage(const QString &) override {}
    void writeLog(const QString &, bool) override {}
    TPLXServices *previous;
};

#ifdef ORVANTA_TEST_DATA
// The text of tests/data/<name>: inputs kept as data, not as code.
inline QByteArray testData(const char *name)
{
    const QByteArray text = readFile(QStringLiteral(ORVANTA_TEST_DATA "/") + QLatin1String(name));
    if (text.isEmpty())
        qFatal("no test data %s", name);
    return text;
}
#endif

} // namespace plxtest
