// Converts between project plans in the XML interchange format that desktop
// planners read and write (tasks, outline, links, project calendar) and our
// documents. Reading yields the INI text of a new document; writing walks a
// loaded one.
#pragma once

#include "plxTypes.h"

#include <QByteArray>
#include <QString>

class QIODevice;
class TPLXGanttDocument;

class ORVANTA_EXPORT TPLXProjectXml
{
public:
    // The most tasks a plan may hold; a larger one is refused before it fills memory.
    static constexpr int kMaxTasks = 100000;

    // Streams the plan in `device` into `ini`, the text of a document. Refuses
    // (false, `error` says why, `ini` stays empty) malformed XML, a DTD, a task
    // without a UID, links to missing tasks, outline levels that skip one, an
    // empty or oversized plan. What the document cannot hold is logged, one
    // line per kind with a count.
    static bool read(QIODevice &device, QByteArray &ini, QString &error);
    // As above from the file `fileName`.
    static bool readFile(const QString &fileName, QByteArray &ini, QString &error);
    // Writes `document` as a plan; what the format cannot hold is logged as above.
    static void write(TPLXGanttDocument &document, QIODevice &device);
};
