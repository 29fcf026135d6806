#include "plxTypeEditors.h"

#include "plxGanttObject.h"
#include "plxObjectEditorForm.h"
#include "plxPlatform.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPushButton>

EPLXTypeEditorException::EPLXTypeEditorException(const QString &message, TPLXTypeEditor *caller)
    : EPLXError(message)
    , FCaller(caller)
{
}

TPLXTypeEditor::TPLXTypeEditor(TPLXGanttObject *instance, const QString &propName)
    : FInstance(instance)
    , FPropName(propName)
{
}

TPLXTypeEditor::~TPLXTypeEditor() = default;

QVariant TPLXTypeEditor::value() const
{
    return FInstance->property(FPropName.toLatin1().constData());
}

void TPLXTypeEditor::setValue(const QVariant &value)
{
    FInstance->setProperty(FPropName.toLatin1().constData(), value);
}

// ------------------------------------------------------------ string, integer, float

TPLXStringEditor::TPLXStringEditor(TPLXGanttObject *instance, const QString &propName)
    : TPLXTypeEditor(instance, propName)
    , FEdit(std::make_unique<QLineEdit>())
{
}

TPLXStringEditor::~TPLXStringEditor() = default;

void TPLXStringEditor::showLoaded(const QString &text)
{
    FLoaded = text;
    FEdit->setText(text);
}

bool TPLXStringEditor::untouched() const
{
    return FEdit->text() == FLoaded;
}

void TPLXStringEditor::Store()
{
    if (!untouched())
        setValue(FEdit->text());
}

void TPLXStringEditor::Load()
{
    showLoaded(value().toString());
}

QString TPLXStringEditor::GetPropValue() const
{
    return FEdit->text();
}

QWidget *TPLXStringEditor::GetControl() const
{
    return FEdit.get();
}

void TPLXIntegerEditor::Store()
{
    qint32 number = 0;
    if (untouched())
        return;
    if (!PLXTryStrToInt(GetPropValue().trimmed(), number))
        throw EPLXTypeEditorException(QStringLiteral("Not a valid integer"), this);
    setValue(number);
}

void TPLXFloatEditor::Load()
{
    showLoaded(PLXFloatToStr(value().toDouble()));
}

void TPLXFloatEditor::Store()
{
    double number = 0;
    if (untouched())
        return;
    if (!PLXTryStrToFloat(GetPropValue().trimmed(), number))
        throw EPLXTypeEditorException(QStringLiteral("Not a valid float"), this);
    setValue(number);
}

// ------------------------------------------------------------ class

TPLXClassEditor::TPLXClassEditor(TPLXGanttObject *instance, const QString &propName)
    : TPLXStringEditor(instance, propName)
    , FPanel(std::make_unique<QWidget>())
{
    auto *layout = new QHBoxLayout(FPanel.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The panel takes the edit box; the base's owner lets go of it when the panel goes first.
    edit()->setReadOnly(true);
    layout->addWidget(edit());
    if (heldObject()) {
        ObjectEditor = std::make_unique<TPLXGanttObjectEditor>();
        FButton = new QPushButton(QStringLiteral("..."), FPanel.get());
        FButton->setFixedWidth(15);
        layout->addWidget(FButton);
        QObject::connect(FButton, &QPushButton::clicked, FButton, [this] { DoObjectEdit(); });
    }
}

TPLXClassEditor::~TPLXClassEditor()
{
    // The edit box belongs to the base; take it out of the panel before the panel goes.
    edit()->setParent(nullptr);
}

TPLXGanttObject *TPLXClassEditor::heldObject() const
{
    return PLXHeldEntity(value());
}

void TPLXClassEditor::Load()
{
    const TPLXGanttObject *held = heldObject();
    showLoaded(held ? QString::fromLatin1(held->metaObject()->className()) : QString());
}

QWidget *TPLXClassEditor::GetControl() const
{
    return FPanel.get();
}

void TPLXClassEditor::DoObjectEdit()
{
    FOperation.reset();
    if (TPLXGanttObject *held = heldObject())
        FOperation = ObjectEditor->edit(held);
}

// ------------------------------------------------------------ the kind table

std::unique_ptr<TPLXTypeEditor> PLXCreateTypeEditor(TPLXGanttObject *instance, const QMetaProperty &property)
{
    if (!property.isDesignable())
        return nullptr;
    const QString name = QString::fromLatin1(property.name());
    switch (property.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        return property.isWritable() ? std::make_unique<TPLXIntegerEditor>(instance, name) : nullptr;
    case QMetaType::Double:
    case QMetaType::Float:
        return property.isWritable() ? std::make_unique<TPLXFloatEditor>(instance, name) : nullptr;
    case QMetaType::QString:
        return property.isWritable() ? std::make_unique<TPLXStringEditor>(instance, name) : nullptr;
    default:
        break;
    }
    if (PLXHeldEntity(instance->property(property.name())) ||
        (property.metaType().flags() & QMetaType::PointerToGadget))
        return std::make_unique<TPLXClassEditor>(instance, name);
    return nullptr;
}
