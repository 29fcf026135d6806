#include "plxSpinEdit.h"

#include "plxPlatform.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

TPLXSpinEdit::TPLXSpinEdit(QWidget *parent)
    : QWidget(parent)
    , FEdit(new QLineEdit(this))
    , FUp(new QToolButton(this))
    , FDown(new QToolButton(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(FEdit, 1);
    auto *buttons = new QVBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(0);
    layout->addLayout(buttons);
    for (auto [button, arrow, steps] : {std::tuple{FUp, Qt::UpArrow, 1}, std::tuple{FDown, Qt::DownArrow, -1}}) {
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setAutoRepeatDelay(400);
        button->setAutoRepeatInterval(50);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
        buttons->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, steps = steps] { stepBy(steps); });
    }
    setFocusProxy(FEdit);
    setFocusPolicy(Qt::StrongFocus);
    FEdit->setText(QStringLiteral("0"));
    FEdit->installEventFilter(this);
    connect(FEdit, &QLineEdit::editingFinished, this, &TPLXSpinEdit::takeText);
}

TPLXSpinEdit::~TPLXSpinEdit()
{
    // The box loses the focus as it goes, after this part of the object is gone.
    FEdit->disconnect(this);
    FEdit->removeEventFilter(this);
}

QSize TPLXSpinEdit::sizeHint() const
{
    const QSize edit = FEdit->sizeHint();
    return {edit.width() + edit.height(), edit.height()};
}

int TPLXSpinEdit::clamp(qint64 value) const
{
    if (FMin != FMax)
        value = std::clamp<qint64>(value, std::min(FMin, FMax), std::max(FMin, FMax));
    return static_cast<int>(std::clamp<qint64>(value, INT_MIN, INT_MAX));
}

void TPLXSpinEdit::setValue(int value)
{
    const int clamped = clamp(value);
    FEdit->setText(QString::number(clamped));
    if (clamped == FValue)
        return;
    FValue = clamped;
    emit valueChanged(FValue);
}

void TPLXSpinEdit::setMinValue(int value)
{
    FMin = value;
    setValue(FValue);
}

void TPLXSpinEdit::setMaxValue(int value)
{
    FMax = value;
    setValue(FValue);
}

bool TPLXSpinEdit::hasValidText() const
{
    qint32 number = 0;
    return PLXTryStrToInt(FEdit->text().trimmed(), number);
}

void TPLXSpinEdit::takeText()
{
    qint32 number = 0;
    if (PLXTryStrToInt(FEdit->text().trimmed(), number))
        setValue(number);
}

void TPLXSpinEdit::stepBy(int steps)
{
    takeText();
    setValue(clamp(static_cast<qint64>(FValue) + static_cast<qint64>(steps) * FIncrement));
}

void TPLXSpinEdit::wheelEvent(QWheelEvent *event)
{
    FWheelRest += event->angleDelta().y();
    const int steps = FWheelRest / QWheelEvent::DefaultDeltasPerStep;
    FWheelRest -= steps * QWheelEvent::DefaultDeltasPerStep;
    if (steps)
        stepBy(steps);
    event->accept();
}

bool TPLXSpinEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == FEdit && event->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent *>(event));
        return true;
    }
    if (watched == FEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
