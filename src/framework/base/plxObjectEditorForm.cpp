#include "plxObjectEditorForm.h"

#include "plxPlatform.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QMetaProperty>

#include <algorithm>

TPLXObjectEditorForm::TPLXObjectEditorForm(const std::vector<std::unique_ptr<TPLXTypeEditor>> &editors,
                                           std::function<void()> store, QWidget *parent)
    : QDialog(parent)
    , FStore(std::move(store))
{
    auto *grid = new QGridLayout(this);
    int line = 0;
    for (const auto &editor : editors) {
        grid->addWidget(new QLabel(editor->propName(), this), line, 0);
        QWidget *control = editor->GetControl();
        control->setObjectName(editor->propName());
        FControls.push_back(control);
        grid->addWidget(control, line++, 1);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, line, 0, 1, 2);
}

TPLXObjectEditorForm::~TPLXObjectEditorForm()
{
    for (QWidget *control : FControls)
        control->setParent(nullptr);
}

void TPLXObjectEditorForm::done(int result)
{
    if (result == Accepted) {
        try {
            FStore();
        } catch (const EPLXTypeEditorException &e) {
            PLXShowMessage(e.message());
            if (QWidget *control = e.Caller() ? e.Caller()->GetControl() : nullptr)
                control->setFocus();
            return;
        }
    }
    QDialog::done(result);
}

std::unique_ptr<TPLXOperation> TPLXGanttObjectEditor::edit(TPLXGanttObject *object)
{
    std::unique_ptr<TPLXOperation> op = TPLXObjectEditor::edit(object);
    auto *editOp = static_cast<TPLXEditObjectOperation *>(op.get());

    const QMetaObject *meta = object->metaObject();
    std::vector<QMetaProperty> properties;
    for (int i = 0; i < meta->propertyCount(); ++i)
        properties.push_back(meta->property(i));
    std::sort(properties.begin(), properties.end(),
              [](const QMetaProperty &a, const QMetaProperty &b) { return qstrcmp(a.name(), b.name()) < 0; });
    std::vector<std::unique_ptr<TPLXTypeEditor>> editors;
    for (const QMetaProperty &property : properties)
        if (std::unique_ptr<TPLXTypeEditor> editor = PLXCreateTypeEditor(object, property))
            editors.push_back(std::move(editor));
    for (const auto &editor : editors)
        editor->Load();

    // A value that fails to convert puts back the ones stored before it, so a
    // refused close leaves the entity as it was.
    auto store = [&] {
        try {
            for (const auto &editor : editors)
                editor->Store();
        } catch (const EPLXTypeEditorException &) {
            editOp->undo();
            throw;
        }
    };
    TPLXObjectEditorForm form(editors, store, GetController());
    form.setWindowTitle(QString::fromLatin1(meta->className()));
    const bool accepted = form.exec() == QDialog::Accepted;
    editOp->Activate();
    if (!accepted)
        return nullptr;

    std::unique_ptr<TPLXMultipleOperations> all;
    for (const auto &editor : editors)
        if (std::unique_ptr<TPLXOperation> nested = editor->takeOperation()) {
            if (!all) {
                all = std::make_unique<TPLXMultipleOperations>(op->dataSource());
                all->addOperation(std::move(op));
            }
            all->addOperation(std::move(nested));
        }
    if (all)
        return all;
    if (!editOp->changesSomething())
        return nullptr;
    return op;
}
