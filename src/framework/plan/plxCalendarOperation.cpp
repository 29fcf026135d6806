#include "plxCalendarOperation.h"

#include "plxDocumentCalendar.h"
#include "plxGanttTable.h"
#include "plxTaskBar.h"

#include <unordered_set>

namespace {

template<typename T>
std::unique_ptr<T> takeLoose(std::unordered_map<T *, std::unique_ptr<T>> &loose, T *entry)
{
    auto found = loose.find(entry);
    if (found == loose.end())
        return nullptr;
    std::unique_ptr<T> taken = std::move(found->second);
    loose.erase(found);
    return taken;
}

// Every category once and owned by the calendar, every exception once and owned by its category.
bool ownsItsEntries(const TPLXDocumentCalendar &calendar)
{
    std::unordered_set<const TPLXGanttObject *> seen;
    for (int i = 0; i < calendar.getCategoriesCount(); ++i) {
        IPLXDateCategory *category = calendar.getDateCategory(i);
        if (category->getParent() != &calendar || !seen.insert(category).second)
            return false;
        for (int j = 0; j < category->getDatesCount(); ++j) {
            IPLXDateException *date = category->getDateByIndex(j);
            if (!date || date->getParent() != category || !seen.insert(date).second)
                return false;
        }
    }
    return true;
}

} // namespace

TPLXCalendarEditOperation::TPLXCalendarEditOperation(TPLXDataSourceIntf *dataSource)
    : TPLXOperation(dataSource)
{
    TPLXDocumentSetup *document = dataSource ? dataSource->documentSetup() : nullptr;
    FCalendar = document ? document->getCalendar() : nullptr;
    FEditable = FCalendar && ownsItsEntries(*FCalendar);
    if (!FEditable)
        return;
    FBefore = capture();
    if (TPLXGanttTable *table = PLXTableOf(dataSource))
        for (TPLXGanttBar *bar : table->allBarsIn(0, table->countRows() - 1))
            FBarTimes.emplace_back(bar, bar->getTimes());
}

TPLXCalendarEditOperation::~TPLXCalendarEditOperation() = default;

TPLXCalendarEditOperation::State TPLXCalendarEditOperation::capture() const
{
    State state;
    for (int i = 0; i < FCalendar->getCategoriesCount(); ++i) {
        IPLXDateCategory *category = FCalendar->getDateCategory(i);
        CategoryState entry{category, category->getName(), category->getColor(), category->getWorking(), {}};
        for (int j = 0; j < category->getDatesCount(); ++j)
            entry.dates.append(category->getDateByIndex(j));
        state.push_back(std::move(entry));
    }
    return state;
}

void TPLXCalendarEditOperation::apply(const State &state)
{
    while (std::unique_ptr<IPLXDateCategory> category =
               FCalendar->takeDateCategory(FCalendar->getCategoriesCount() - 1))
        FLooseCategories.emplace(category.get(), std::move(category));
    for (const auto &[category, owned] : FLooseCategories)
        while (std::unique_ptr<IPLXDateException> date = category->takeDate(category->getDatesCount() - 1))
            FLooseDates.emplace(date.get(), std::move(date));
    for (const CategoryState &entry : state) {
        IPLXDateCategory *category = entry.category;
        category->setName(entry.name);
        category->setColor(entry.color);
        if (category->getWorking() != entry.working)
            category->setWorking(entry.working);
        for (IPLXDateException *date : entry.dates)
            category->addDate(takeLoose(FLooseDates, date));
        FCalendar->addDateCategory(takeLoose(FLooseCategories, category));
    }
}

void TPLXCalendarEditOperation::prune()
{
    std::unordered_set<const void *> used;
    for (const State *state : {&FBefore, &FAfter})
        for (const CategoryState &entry : *state) {
            used.insert(entry.category);
            used.insert(entry.dates.cbegin(), entry.dates.cend());
        }
    std::erase_if(FLooseCategories, [&](const auto &entry) { return !used.contains(entry.first); });
    std::erase_if(FLooseDates, [&](const auto &entry) { return !used.contains(entry.first); });
}

void TPLXCalendarEditOperation::restoreBarTimes()
{
    for (const auto &[bar, times] : FBarTimes)
        bar->setTimes(times);
}

void TPLXCalendarEditOperation::refresh()
{
    if (TPLXGanttTable *table = PLXTableOf(FDataSource)) {
        table->updateCriticalPath();
        table->UpdateSummaryBars();
    }
}

IPLXDateCategory *TPLXCalendarEditOperation::addCategory(std::unique_ptr<IPLXDateCategory> category)
{
    return FEditable && !FFinished ? FCalendar->addDateCategory(std::move(category)) : nullptr;
}

void TPLXCalendarEditOperation::removeCategory(int index)
{
    if (!FEditable || FFinished)
        return;
    if (std::unique_ptr<IPLXDateCategory> category = FCalendar->takeDateCategory(index))
        FLooseCategories.emplace(category.get(), std::move(category));
}

void TPLXCalendarEditOperation::moveCategory(int index, int to)
{
    if (!FEditable || FFinished || to < 0 || to >= FCalendar->getCategoriesCount())
        return;
    FCalendar->insertDateCategory(to, FCalendar->takeDateCategory(index));
}

IPLXDateException *TPLXCalendarEditOperation::addDate(IPLXDateCategory *category,
                                                      std::unique_ptr<IPLXDateException> date)
{
    return category && FEditable && !FFinished ? category->addDate(std::move(date)) : nullptr;
}

IPLXDateException *TPLXCalendarEditOperation::replaceDate(IPLXDateCategory *category, int index,
                                                          std::unique_ptr<IPLXDateException> date)
{
    if (!category || !date || !FEditable || FFinished)
        return nullptr;
    std::unique_ptr<IPLXDateException> old = category->takeDate(index);
    if (!old)
        return nullptr;
    FLooseDates.emplace(old.get(), std::move(old));
    return category->insertDate(index, std::move(date));
}

void TPLXCalendarEditOperation::removeDate(IPLXDateCategory *category, int index)
{
    if (!category || !FEditable || FFinished)
        return;
    if (std::unique_ptr<IPLXDateException> date = category->takeDate(index))
        FLooseDates.emplace(date.get(), std::move(date));
}

bool TPLXCalendarEditOperation::finish()
{
    if (!FEditable || FFinished)
        return false;
    FAfter = capture();
    apply(FBefore);
    restoreBarTimes();
    FFinished = true;
    prune();
    return FAfter != FBefore;
}

void TPLXCalendarEditOperation::cancel()
{
    if (!FEditable || FFinished)
        return;
    FAfter = FBefore;
    apply(FBefore);
    restoreBarTimes();
    FFinished = true;
    prune();
}

bool TPLXCalendarEditOperation::perform()
{
    if (!FEditable || !FFinished)
        return false;
    // Fix each task's working time on the calendar it was planned with.
    for (const auto &[bar, times] : FBarTimes)
        if (TPLXTaskBar *task = bar->asTaskBar())
            task->getEffectiveDuration();
    apply(FAfter);
    if (!FDataSource->IsInUpdateMode())
        refresh();
    return true;
}

bool TPLXCalendarEditOperation::undo()
{
    if (!FEditable || !FFinished)
        return false;
    apply(FBefore);
    restoreBarTimes();
    refresh();
    return true;
}
