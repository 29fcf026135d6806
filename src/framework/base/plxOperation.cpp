#include "plxOperation.h"
#include "plxPlatform.h"

#include <cstdlib>
#include <cxxabi.h>
#include <typeinfo>

namespace {

const QString kDumpRule = QStringLiteral("--------- Undo stack entries ----------");

// The dump lists the whole history on every step, which would make each step
// cost time in proportion to the history's depth. Build it only when someone
// receives the lines: a log file, or services installed in place of the default.

} // namespace

// ----------------------------------------------------------- TPLXOperation

TPLXDataSourceIntf::~TPLXDataSourceIntf() = default;

TPLXOperation::TPLXOperation(TPLXDataSourceIntf *dataSource)
    : FDataSource(dataSource)
{
}

TPLXOperation::~TPLXOperation() = default;

QString TPLXOperation::className() const
{
    const char *mangled = typeid(*this).name();
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                          &std::free);
    return QString::fromLatin1(status == 0 && demangled ? demangled.get() : mangled);
}

QString TPLXOperation::displayName() const
{
    QString name = className();
    name = name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
    if (name.startsWith(QLatin1String("TPLX")))
        name.remove(0, 4);
    if (name.endsWith(QLatin1String("Operation")))
        name.chop(9);
    QString words;
    for (qsizetype i = 0; i < name.size(); ++i) {
        // A capital after a small letter starts a word.
        if (i > 0 && name[i].isUpper() && name[i - 1].isLower())
            words += QLatin1Char(' ');
        words += i > 0 && name[i].isUpper() && (i + 1 >= name.size() || name[i + 1].isLower()) ? name[i].toLower()
                                                                                               : name[i];
    }
    return words;
}

// -------------------------------------------------- TPLXMultipleOperations

TPLXMultipleOperations::TPLXMultipleOperations(TPLXDataSourceIntf *dataSource)
    : TPLXOperation(dataSource)
{
}

TPLXMultipleOperations::~TPLXMultipleOperations()
{
    Disable();
}

void TPLXMultipleOperations::addOperation(std::unique_ptr<TPLXOperation> op)
{
    if (op && !FDisabled)
        operations.push_back(std::move(op));
}

TPLXOperation *TPLXMultipleOperations::operationAt(int index) const
{
    PLX_ASSERT(index >= 0 && index < count());
    return operations[static_cast<size_t>(index)].get();
}

void TPLXMultipleOperations::Disable()
{
    FDisabled = true;
    // Later parts may refer to what earlier ones created; free newest first.
    while (!operations.empty())
        operations.pop_back();
}

bool TPLXMultipleOperations::perform()
{
    if (FDisabled)
        return false;
    for (const auto &op : operations)
        if (!op->perform())
            return false;
    return true;
}

bool PLXUndoAll(const std::vector<std::unique_ptr<TPLXOperation>> &parts)
{
    for (auto it = parts.rbegin(); it != parts.rend(); ++it)
        if (!(*it)->undo())
            return false;
    return true;
}

bool TPLXMultipleOperations::undo()
{
    return PLXUndoAll(operations);
}

QString TPLXMultipleOperations::displayName() const
{
    if (typeid(*this) == typeid(TPLXMultipleOperations) && !operations.empty())
        return operations.front()->displayName();
    return TPLXOperation::displayName();
}

// ------------------------------------------------------- TPLXUndoRedoStack

TPLXUndoRedoStack::TPLXUndoRedoStack() = default;

TPLXUndoRedoStack::~TPLXUndoRedoStack()
{
    // Newest first, as clear() does: later operations may refer to what earlier ones made.
    clear();
}

void TPLXUndoRedoStack::raise(const TPLXOperationEvent &event, TPLXOperation *op)
{
    if (event)
        event(op);
}

void TPLXUndoRedoStack::discard(OperationStack &stack)
{
    while (!stack.empty())
        stack.pop_back();
}

void TPLXUndoRedoStack::record(std::unique_ptr<TPLXOperation> op)
{
    if (FCachedCommands)
        FCachedCommands->addOperation(std::move(op));
    else
        undoStack.push_back(std::move(op));
}

bool TPLXUndoRedoStack::doOperation(std::unique_ptr<TPLXOperation> &op)
{
    if (!op)
        return false;
    // A new change invalidates what was undone, whether or not it succeeds.
    discard(redoStack);
    if (!op->perform())
        return false;
    TPLXOperation *const performed = op.get();
    raise(FOnChange, performed);
    record(std::move(op));
    PLXLog(QStringLiteral("[doing operation]"));
    dumpUndoStack();
    return true;
}

bool TPLXUndoRedoStack::doOperation(std::unique_ptr<TPLXOperation> &&op)
{
    std::unique_ptr<TPLXOperation> held = std::move(op);
    return doOperation(held);
}

bool TPLXUndoRedoStack::addOperation(std::unique_ptr<TPLXOperation> op)
{
    if (!op)
        return false;
    discard(redoStack);
    TPLXOperation *const added = op.get();
    record(std::move(op));
    raise(FOnChange, added);
    return true;
}

bool TPLXUndoRedoStack::undo()
{
    endGrouping();
    if (undoStack.empty())
        return false;
    std::unique_ptr<TPLXOperation> op = std::move(undoStack.back());
    undoStack.pop_back();
    raise(FOnUndo, op.get());
    bool undone = false;
    try {
        undone = op->undo();
    } catch (...) {
        // The document is in whatever state the interrupted undo left; the
        // older history no longer fits it.
        discard(undoStack);
        throw;
    }
    if (!undone) {
        discard(undoStack);
        return false;
    }
    raise(FOnChange, op.get());
    redoStack.push_back(std::move(op));
    PLXLog(QStringLiteral("[undoing operation]"));
    dumpUndoStack();
    return true;
}

bool TPLXUndoRedoStack::redo()
{
    if (redoStack.empty())
        return false;
    std::unique_ptr<TPLXOperation> op = std::move(redoStack.back());
    redoStack.pop_back();
    raise(FOnRedo, op.get());
    bool redone = false;
    try {
        redone = op->perform();
    } catch (...) {
        discard(redoStack);
        throw;
    }
    if (!redone) {
        discard(redoStack);
        return false;
    }
    raise(FOnChange, op.get());
    undoStack.push_back(std::move(op));
    return true;
}

void TPLXUndoRedoStack::startGrouping()
{
    endGrouping();
    FCachedCommands = std::make_unique<TPLXMultipleOperations>();
}

void TPLXUndoRedoStack::endGrouping()
{
    std::unique_ptr<TPLXMultipleOperations> group = std::move(FCachedCommands);
    // Its parts already announced themselves one by one; the group is not announced again.
    if (group && !group->empty())
        undoStack.push_back(std::move(group));
}

void TPLXUndoRedoStack::clear()
{
    endGrouping();
    discard(undoStack);
    discard(redoStack);
}

int TPLXUndoRedoStack::GetUndoOperationCount() const
{
    return static_cast<int>(undoStack.size()) + (FCachedCommands ? FCachedCommands->count() : 0);
}

void TPLXUndoRedoStack::dumpUndoStack() const
{
    // The whole history on every step: built only when someone takes the lines.
    if (!PLXLogListened())
        return;
    PLXLog(kDumpRule);
    for (auto it = undoStack.rbegin(); it != undoStack.rend(); ++it)
        PLXLog((*it)->className());
    PLXLog(kDumpRule);
}
