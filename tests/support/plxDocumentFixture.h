// Builds small chart documents as INI text for the connection, document and
// data-source tests: rows of task bars, a weekend calendar, connection
// settings and connections, all under readable section names.
#pragma once

#include "plxDataSource.h"
#include "plxGanttDocument.h"
#include "plxGanttTable.h"
#include "plxMedia.h"
#include "plxPlatform.h"
#include "plxTestSupport.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QSet>
#include <QString>
#include <QTemporaryDir>

namespace plxtest {

struct Bar
{
    QString name;
    double start = kMonday;
    double duration = 1; // working days
    bool fixed = false;
    // Another kind's type id, whose bar spans `duration` calendar days, and more lines of its section.
    QString kind;
    QByteArray keys;
};

struct Row
{
    QList<Bar> bars;
    int height = 20;
    // A summary bar before the task bars, under the name "Summary" and the row's index.
    bool summary = false;
};

struct Connection
{
    QString name;
    QString from;
    QString to;
    int type = 1;
    int distance = 0;
    bool fixed = false;
};

struct Document
{
    QList<Row> rows;
    QList<Connection> connections;
    double startDate = kMonday;
    int columnWidth = 20;
    bool showConnections = true;
    // A task tree in which each row is the only child of the one before.
    bool nestedTree = false;
    // Lines added verbatim at the end (extra sections or keys).
    QByteArray extra;
};

inline QByteArray line(const QString &key, const QString &value)
{
    return (key + QLatin1Char('=') + value + QLatin1Char('\n')).toUtf8();
}

inline QByteArray section(const QString &name)
{
    return ("\n[" + name + "]\n").toUtf8();
}

inline QByteArray array(const QString &key, const QStringList &items)
{
    QByteArray text = line(key + QStringLiteral("#count"), QString::number(items.size()));
    for (qsizetype i = 0; i < items.size(); ++i)
        text += line(key + QLatin1Char('#') + QString::number(i), items[i]);
    return text;
}

inline QByteArray text(const Document &doc)
{
    QStringList rowNames;
    QStringList connectionNames;
    for (qsizetype i = 0; i < doc.rows.size(); ++i)
        rowNames << QStringLiteral("Row%1").arg(i);
    for (const Connection &c : doc.connections)
        connectionNames << c.name;
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };

    QByteArray t = section(QStringLiteral("root")) +
                   QStringLiteral("typeID=Document\nstartDate=%1\ntable=Table\ncalendar=Calendar\n"
                                  "connection settings=ConnectionSettings\ntask bar settings=TaskBarSettings\n")
                       .arg(doc.startDate, 0, 'f', 1)
                       .toUtf8() +
                   array(QStringLiteral("connections"), connectionNames);
    if (doc.nestedTree)
        t += line(QStringLiteral("tree"), QStringLiteral("Tree"));
    t += section(QStringLiteral("Table")) + "TypeID=Gantt Table\n" +
         line(QStringLiteral("column width"), QString::number(doc.columnWidth)) +
         array(QStringLiteral("rows"), rowNames);

    for (qsizetype i = 0; i < doc.rows.size(); ++i) {
        QStringList barNames;
        if (doc.rows[i].summary)
            barNames << QStringLiteral("Summary%1").arg(i);
        for (const Bar &bar : doc.rows[i].bars)
            barNames << bar.name;
        t += section(rowNames[i]) + "typeID=Gantt Row\n" +
             line(QStringLiteral("height"), QString::number(doc.rows[i].height)) +
             array(QStringLiteral("bars"), barNames);
        if (doc.rows[i].summary)
            t += section(barNames.first()) + "typeID=Summary Bar\n";
        for (const Bar &bar : doc.rows[i].bars)
            t += section(bar.name) +
                 (bar.kind.isEmpty()
                      ? QStringLiteral("typeID=Task Bar\nstart date=%1\neffective duration=%2\nFixed=%3\n")
                            .arg(bar.start, 0, 'f', 4)
                            .arg(bar.duration, 0, 'f', 4)
                            .arg(flag(bar.fixed))
                      : QStringLiteral("typeID=%1\nstart date=%2\nend date=%3\n")
                            .arg(bar.kind)
                            .arg(bar.start, 0, 'f', 4)
                            .arg(bar.start + bar.duration, 0, 'f', 4))
                     .toUtf8() +
                 bar.keys;
    }
    t += "\n[Calendar]\ntypeID=Document Calendar\ncategories#count=1\ncategories#0=Weekends\n"
         "\n[Weekends]\ntypeID=Predefined Date Category\n\n[TaskBarSettings]\ntypeID=Task Bar Settings\nHeight=10\n"
         "\n[ConnectionSettings]\ntypeID=Connection Settings\ncolorFS=clBlue\ncolorFF=clGreen\ncolorSS=clMaroon\n"
         "colorSF=clNavy\ncolorHighLighted=clRed\n" +
         line(QStringLiteral("show connections"), flag(doc.showConnections));

    for (const Connection &c : doc.connections) {
        t += section(c.name) + "typeID=Bar Connection\n";
        if (!c.from.isEmpty())
            t += line(QStringLiteral("from"), c.from);
        if (!c.to.isEmpty())
            t += line(QStringLiteral("to"), c.to);
        t += QStringLiteral("type=%1\ndistance=%2\ndistanceFixed=%3\n")
                 .arg(c.type)
                 .arg(c.distance)
                 .arg(flag(c.fixed))
                 .toUtf8();
    }
    if (doc.nestedTree) {
        t += section(QStringLiteral("Tree")) + "typeID=Tree Grid\nroot node=Node\n";
        for (qsizetype i = -1; i < doc.rows.size(); ++i) {
            t += section(i < 0 ? QStringLiteral("Node") : QStringLiteral("Node%1").arg(i)) + "typeID=Tree Node\n" +
                 line(QStringLiteral("row"), i < 0 ? QStringLiteral("empty") : QStringLiteral("TreeRow%1").arg(i));
            if (i + 1 < doc.rows.size())
                t += array(QStringLiteral("children"), {QStringLiteral("Node%1").arg(i + 1)});
            if (i >= 0)
                t += section(QStringLiteral("TreeRow%1").arg(i)) + "typeID=Tree Row\n";
        }
    }
    return t + doc.extra;
}

// Keeps connections in their type colours: no critical-path marks, now or after edits.
inline void withoutCriticalPath(TPLXGanttDocument &document)
{
    if (document.GetTable())
        document.GetTable()->setAutoUpdateCriticalPath(false);
    for (TPLXBarConnection *c : std::as_const(document.getConnections()))
        c->setCriticalElement(false);
}

// Loads the document of `text` outside any data source; the caller owns it.
inline std::unique_ptr<TPLXGanttDocument> load(const QByteArray &iniText)
{
    PLXMedia media = mediaFromText(iniText);
    TPLXEntityFactory factory;
    std::unique_ptr<TPLXGanttObject> root(factory.loadObject(QStringLiteral("root"), *media, nullptr));
    if (!dynamic_cast<TPLXGanttDocument *>(root.get()))
        return nullptr;
    return std::unique_ptr<TPLXGanttDocument>(static_cast<TPLXGanttDocument *>(root.release()));
}

// As load, for pictures that expect the type colours of the connections.
inline std::unique_ptr<TPLXGanttDocument> loadPlain(const QByteArray &iniText)
{
    std::unique_ptr<TPLXGanttDocument> document = load(iniText);
    if (document)
        withoutCriticalPath(*document);
    return document;
}

// A storage name for an INI file in `dir` holding `iniText`.
inline QString storageFor(const QTemporaryDir &dir, const QString &fileName, const QByteArray &iniText)
{
    const QString path = dir.filePath(fileName);
    writeFile(path, iniText);
    return QStringLiteral("file://") + path;
}

// What `ds` saves into a fresh file in `dir`: every line prefixed by its
// section (headers as they are) and sorted, so that a comparison names the
// first key that differs, whatever order the sections come in.
inline QStringList savedLines(TPLXDataSource &ds, const QTemporaryDir &dir,
                              const QString &fileName = QStringLiteral("saved.ini"))
{
    const QString path = dir.filePath(fileName);
    // An earlier save would lend its keys to this one.
    QFile::remove(path);
    ds.SaveToMedia(QStringLiteral("file://") + path);
    QStringList lines;
    QString section;
    for (const QString &line : QString::fromUtf8(readFile(path)).split(u'\n', Qt::SkipEmptyParts))
        lines << (line.startsWith(u'[') ? (section = line.trimmed()) : section + line.trimmed());
    lines.sort();
    return lines;
}

// The first line that only one of two lists of saved lines holds, or an empty text.
inline QString firstDifference(const QStringList &before, const QStringList &after)
{
    // The common case, without hashing every line of a large plan.
    if (before == after)
        return QString();
    const QSet<QString> was(before.cbegin(), before.cend()), is(after.cbegin(), after.cend());
    for (const QString &line : before)
        if (!is.contains(line))
            return QStringLiteral("gone: ") + line;
    for (const QString &line : after)
        if (!was.contains(line))
            return QStringLiteral("new: ") + line;
    return before.size() == after.size() ? QString() : QStringLiteral("a line repeats");
}

// A data source over an INI file of `doc` in its own temporary folder; its messages are recorded, not shown.
struct LoadedDocument
{
    QTemporaryDir dir;
    TPLXRecordingScope recording;
    TPLXDataSource ds;
    const QString storage;

    explicit LoadedDocument(const Document &doc)
        : storage(storageFor(dir, QStringLiteral("plan.ini"), text(doc)))
    {
        ds.setStorage(storage);
    }
    TPLXGanttTable *table() const { return ds.GetTable(); }
    TPLXGanttRow *row(int i) const { return table()->getRow(i); }
    TPLXGanttBar *bar(int row, int i) const { return this->row(row)->GetBarInRow(i); }
    TPLXUndoRedoStack &stack() { return ds.getUndoRedoStack(); }
};

} // namespace plxtest
