// Loaders' help with list keys: taking over the entities a list names, once each.
#pragma once

#include "plxGanttObject.h"
#include "plxPlatform.h"

#include <QSet>

// Appends to `into` each loaded entity of kind T that `owner` owns and has not
// listed yet. Anything else (a section of another kind, one another entity
// owns, a repeat) is logged and left out, so no entity is listed twice.
template<typename T>
void plxAdoptListed(const QList<TPLXGanttObject *> &loaded, QList<T *> &into, TPLXGanttObject *owner,
                    const QString &section, const QString &key)
{
    QSet<const TPLXGanttObject *> seen;
    for (TPLXGanttObject *object : loaded) {
        if (!object)
            continue; // the factory has said why
        T *typed = dynamic_cast<T *>(object);
        if (!typed || object->getParent() != owner || seen.contains(object)) {
            PLXLog(QStringLiteral("\"%1\" of \"%2\" lists \"%3\", which it cannot hold; it is left out")
                       .arg(key, section, object->getUID()));
            continue;
        }
        seen.insert(object);
        into.append(typed);
    }
}
