// The undoable edit of the document calendar: whatever one editing session
// does to its categories and their exceptions is one undo step.
#pragma once

#include "plxGanttBar.h"
#include "plxOperation.h"

#include <QList>

#include <unordered_map>
#include <vector>

class IPLXDateCategory;
class IPLXDateException;
class TPLXDocumentCalendar;

// The session edits the calendar in place: through the methods below for
// what comes, goes or moves, directly on the categories for name, colour and
// working flag. An exception is changed by replacing it.
// Everything a session takes out stays alive here, so that undo puts back the
// very entities the document had and saves exactly as before.
class ORVANTA_EXPORT TPLXCalendarEditOperation : public TPLXOperation
{
public:
    explicit TPLXCalendarEditOperation(TPLXDataSourceIntf *dataSource);
    ~TPLXCalendarEditOperation() override;

    TPLXDocumentCalendar *calendar() const { return FCalendar; }
    // False without a calendar, or when its lists name an entry twice or one
    // they do not own (a damaged file): such a calendar is not edited.
    bool isEditable() const { return FEditable; }

    IPLXDateCategory *addCategory(std::unique_ptr<IPLXDateCategory> category);
    void removeCategory(int index);
    // Moves the category at `index` to `to`; the first matching category decides a date.
    void moveCategory(int index, int to);
    IPLXDateException *addDate(IPLXDateCategory *category, std::unique_ptr<IPLXDateException> date);
    IPLXDateException *replaceDate(IPLXDateCategory *category, int index, std::unique_ptr<IPLXDateException> date);
    void removeDate(IPLXDateCategory *category, int index);

    // Ends the session: records the edited calendar and puts back the one it
    // began with, so that performing applies the edit. False when nothing changed.
    bool finish();
    // Ends the session by putting back the calendar it began with.
    void cancel();

    // Task bars keep their working time: their finish moves with the calendar.
    bool perform() override;
    bool undo() override;

private:
    struct CategoryState
    {
        IPLXDateCategory *category;
        QString name;
        TColor color;
        bool working;
        QList<IPLXDateException *> dates;
        bool operator==(const CategoryState &) const = default;
    };
    using State = std::vector<CategoryState>;

    State capture() const;
    // Takes every category and exception out of the calendar and puts back
    // those `state` lists; the rest stays loose here.
    void apply(const State &state);
    // Frees what neither state refers to.
    void prune();
    void restoreBarTimes();
    void refresh();

    TPLXDocumentCalendar *FCalendar = nullptr;
    bool FEditable = false;
    bool FFinished = false;
    State FBefore;
    State FAfter;
    // Bar times as the session found them: a bar painted during the session
    // may have fixed its working time on the calendar being edited.
    std::vector<std::pair<TPLXGanttBar *, TPLXBarTimes>> FBarTimes;
    std::unordered_map<IPLXDateCategory *, std::unique_ptr<IPLXDateCategory>> FLooseCategories;
    std::unordered_map<IPLXDateException *, std::unique_ptr<IPLXDateException>> FLooseDates;
};
