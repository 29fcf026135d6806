// Distance repair done the plain way, for comparing the document's own
// repair with: every pass scans the whole connection list from the first,
// and every push is a bar move with its own refreshes.
#pragma once

#include "plxDocumentCalendar.h"
#include "plxGanttBar.h"
#include "plxGanttDocument.h"
#include "plxGanttTable.h"

#include <QSet>

namespace plxtest {

inline std::unique_ptr<TPLXMultipleOperations> plainDistanceRepair(TPLXGanttDocument &doc, TPLXGanttBar *bar)
{
    auto composite = std::make_unique<TPLXMultipleOperations>(doc.getDataSource());
    QSet<const TPLXGanttBar *> moved{bar};
    for (;;) {
        TPLXGanttBar *push = nullptr;
        qint32 offset = 0;
        for (TPLXBarConnection *c : QList<TPLXBarConnection *>(doc.getConnections())) {
            const bool back = moved.contains(c->getToBar());
            TPLXGanttBar *candidate = back ? c->getFromBar() : c->getToBar();
            offset = c->findViolationOffset() * (back ? -1 : 1);
            if (offset != 0 && !moved.contains(candidate)) {
                push = candidate;
                break;
            }
        }
        if (!push)
            return composite;
        moved.insert(push);
        const int row = push->getRow();
        const TDateTime start = push->getStartDate();
        if (doc.GetTable()->barInRange(start + offset, push->getEndDate() + offset, row, push) || push->isFixed())
            continue;
        std::unique_ptr<TPLXOperation> move = push->moveTo(doc.getCalendar()->addEffective(start, offset, false), row);
        if (move && move->perform())
            composite->addOperation(std::move(move));
    }
}

} // namespace plxtest
