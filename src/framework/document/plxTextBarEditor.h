// The in-place editor of text bars: a memo over the bar that takes the bar's
// text and gives it back as one undoable step.
#pragma once

#include "plxControllerIntf.h"

class QPlainTextEdit;
class TPLXTextBar;

class ORVANTA_EXPORT TPLXTextBarEditor : public TPLXObjectEditor
{
    Q_OBJECT

public:
    TPLXTextBarEditor();
    ~TPLXTextBarEditor() override;

    // Opens the memo on the bar's drawn box with its text, font and colours and
    // gives it the focus; nothing opens for a bar that is not on screen.
    std::unique_ptr<TPLXOperation> edit(TPLXGanttObject *object) override;
    // Closes the memo and returns its text as the edit, null when nothing changed.
    std::unique_ptr<TPLXOperation> FinishEditing() override;
    // True while the memo is not open: an edit that did not open is complete.
    bool IsModal() override;
    // Esc and Tab end the edit; Enter is a line break of the note.
    void ControlKeyPress(QWidget *sender, int &key) override;
    // The open memo, or null.
    QPlainTextEdit *memo() const;

private:
    TPLXTextBar *TextBar = nullptr;
    std::unique_ptr<TPLXEditObjectOperation> FEditObjectOperation;
};
