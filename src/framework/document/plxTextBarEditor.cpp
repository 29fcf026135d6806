#include "plxTextBarEditor.h"

#include "plxColors.h"
#include "plxTextBar.h"
#include "plxTextSettings.h"

#include <QPlainTextEdit>

TPLXTextBarEditor::TPLXTextBarEditor() = default;

TPLXTextBarEditor::~TPLXTextBarEditor() = default;

QPlainTextEdit *TPLXTextBarEditor::memo() const
{
    return TextBar && TextBar->isEdited() ? qobject_cast<QPlainTextEdit *>(TextBar->getMemo()) : nullptr;
}

bool TPLXTextBarEditor::IsModal()
{
    return !memo();
}

std::unique_ptr<TPLXOperation> TPLXTextBarEditor::edit(TPLXGanttObject *object)
{
    auto *bar = dynamic_cast<TPLXTextBar *>(object);
    TPLXControllerIntf *controller = GetController();
    const TRect box = bar && bar->ganttDrawer() ? bar->ganttDrawer()->getRect() : TRect{};
    if (!controller || box.width() <= 0 || box.height() <= 0)
        return nullptr;
    TextBar = bar;
    auto *memo = qobject_cast<QPlainTextEdit *>(bar->getMemo());
    if (!memo) {
        memo = new QPlainTextEdit;
        bar->setMemo(memo);
    }
    memo->setParent(controller->getControl());
    memo->setGeometry(box.toQRect());
    memo->setPlainText(bar->getText());
    if (IPLXTextSettings *settings = bar->getSettings()) {
        QPalette palette = memo->palette();
        if (!settings->GetTransparent())
            palette.setColor(QPalette::Base, ColorToQColor(settings->GetColor()));
        if (const TPLXFont *font = settings->GetFont()) {
            palette.setColor(QPalette::Text, ColorToQColor(font->Color));
            memo->setFont(font->Font);
        }
        memo->setPalette(palette);
    }
    TPLXDocumentSetup *setup = bar->GetDocumentSetup();
    FEditObjectOperation = std::make_unique<TPLXEditObjectOperation>(setup ? setup->getDataSource() : nullptr, bar);
    bar->setEdited(true);
    watchControl(memo, false);
    memo->show();
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    return nullptr;
}

std::unique_ptr<TPLXOperation> TPLXTextBarEditor::FinishEditing()
{
    QPlainTextEdit *open = memo();
    if (!open)
        return nullptr;
    // Before hiding: the focus the memo loses then is not another request to stop.
    open->removeEventFilter(this);
    TextBar->setEdited(false);
    open->hide();
    TextBar->setText(open->toPlainText());
    FEditObjectOperation->Activate();
    if (!FEditObjectOperation->changesSomething())
        FEditObjectOperation.reset();
    return std::move(FEditObjectOperation);
}

void TPLXTextBarEditor::ControlKeyPress(QWidget *, int &key)
{
    if (key != Qt::Key_Escape && key != Qt::Key_Tab && key != Qt::Key_Backtab)
        return;
    key = 0;
    notify(mouseEvent::stopEditing, 0, 0);
}

namespace {

// The note's own editor, known to the entity model by class.
const bool registered = [] {
    DefaultEditorsRegistry().RegisterEditor(&TPLXTextBar::staticMetaObject, [] {
        return std::unique_ptr<TPLXObjectEditorIntf>(new TPLXTextBarEditor);
    });
    return true;
}();

} // namespace
