// The editors of single published properties the property form shows: a
// control per property, loaded from it and stored back into it.
#pragma once

#include "plxObjectEditor.h"
#include "plxTypes.h"

#include <QPointer>

#include <memory>

class QLineEdit;
class QMetaProperty;
class QPushButton;
class QWidget;
class TPLXGanttObject;
class TPLXTypeEditor;

// A property value the user typed that does not convert; names the editor.
class ORVANTA_EXPORT EPLXTypeEditorException : public EPLXError
{
public:
    EPLXTypeEditorException(const QString &message, TPLXTypeEditor *caller);
    TPLXTypeEditor *Caller() const { return FCaller; }

private:
    TPLXTypeEditor *FCaller;
};

// Edits the property `propName` of `instance` through its control.
class ORVANTA_EXPORT TPLXTypeEditor
{
public:
    TPLXTypeEditor(TPLXGanttObject *instance, const QString &propName);
    virtual ~TPLXTypeEditor();
    TPLXTypeEditor(const TPLXTypeEditor &) = delete;
    TPLXTypeEditor &operator=(const TPLXTypeEditor &) = delete;

    // Control to property; raises EPLXTypeEditorException for text that does not convert.
    virtual void Store() = 0;
    // Property to control.
    virtual void Load() = 0;
    virtual QString GetPropValue() const = 0;
    virtual QWidget *GetControl() const = 0;
    // The operation of a nested edit, which the caller takes; null when there was none.
    virtual std::unique_ptr<TPLXOperation> takeOperation() { return nullptr; }

    TPLXGanttObject *instance() const { return FInstance; }
    QString propName() const { return FPropName; }

protected:
    QVariant value() const;
    void setValue(const QVariant &value);

private:
    TPLXGanttObject *FInstance;
    QString FPropName;
};

// A one-line edit box holding the property's text.
class ORVANTA_EXPORT TPLXStringEditor : public TPLXTypeEditor
{
public:
    TPLXStringEditor(TPLXGanttObject *instance, const QString &propName);
    ~TPLXStringEditor() override;
    void Store() override;
    void Load() override;
    QString GetPropValue() const override;
    QWidget *GetControl() const override;

protected:
    QLineEdit *edit() const { return FEdit.get(); }
    // Puts `text` in the box as the property's current value.
    void showLoaded(const QString &text);
    // Whether the box still shows what Load put there. Storing an untouched
    // box leaves the property alone: a derived value it only shows stays
    // derived, and a number keeps the digits its text form drops.
    bool untouched() const;

private:
    std::unique_ptr<QLineEdit> FEdit;
    QString FLoaded;
};

class ORVANTA_EXPORT TPLXIntegerEditor : public TPLXStringEditor
{
public:
    using TPLXStringEditor::TPLXStringEditor;
    void Store() override;
};

class ORVANTA_EXPORT TPLXFloatEditor : public TPLXStringEditor
{
public:
    using TPLXStringEditor::TPLXStringEditor;
    void Store() override;
    void Load() override;
};

// The class name of a held entity, read-only, with a "..." button that
// edits the entity in a nested property form.
class ORVANTA_EXPORT TPLXClassEditor : public TPLXStringEditor
{
public:
    TPLXClassEditor(TPLXGanttObject *instance, const QString &propName);
    ~TPLXClassEditor() override;
    void Store() override {}
    void Load() override;
    QWidget *GetControl() const override;
    std::unique_ptr<TPLXOperation> takeOperation() override { return std::move(FOperation); }
    // The button's click: edits the held entity, keeping the operation of that edit.
    void DoObjectEdit();
    QPushButton *button() const { return FButton; }

private:
    TPLXGanttObject *heldObject() const;

    std::unique_ptr<QWidget> FPanel;
    QPushButton *FButton = nullptr;
    std::unique_ptr<TPLXObjectEditorIntf> ObjectEditor;
    std::unique_ptr<TPLXOperation> FOperation;
};

// The editor for a property of this kind, or null for kinds that are not shown and for properties not designable.
ORVANTA_EXPORT std::unique_ptr<TPLXTypeEditor> PLXCreateTypeEditor(TPLXGanttObject *instance,
                                                                   const QMetaProperty &property);
