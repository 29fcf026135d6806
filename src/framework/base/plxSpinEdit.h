// A one-line integer box with up and down buttons, kept within a minimum and
// a maximum; the buttons repeat while held. Cell editors use it, and so may
// applications on their own forms.
#pragma once

#include "plxTypes.h"

#include <QWidget>

class QLineEdit;
class QToolButton;

class ORVANTA_EXPORT TPLXSpinEdit : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged USER true)
    Q_PROPERTY(int minValue READ minValue WRITE setMinValue)
    Q_PROPERTY(int maxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(int increment READ increment WRITE setIncrement)

public:
    explicit TPLXSpinEdit(QWidget *parent = nullptr);
    ~TPLXSpinEdit() override;

    // The box's number; while the text is no integer, the last number it held.
    int value() const { return FValue; }
    // Clamped to the limits.
    void setValue(int value);
    // Equal limits (the default, 0 and 0) mean no limits.
    int minValue() const { return FMin; }
    void setMinValue(int value);
    int maxValue() const { return FMax; }
    void setMaxValue(int value);
    int increment() const { return FIncrement; }
    void setIncrement(int value) { FIncrement = value; }
    // Steps by `steps` increments, stopping at the limits.
    void stepBy(int steps);
    // Whether the box holds an integer (blanks around it allowed).
    bool hasValidText() const;

    QLineEdit *lineEdit() const { return FEdit; }
    QToolButton *upButton() const { return FUp; }
    QToolButton *downButton() const { return FDown; }
    QSize sizeHint() const override;

signals:
    void valueChanged(int value);

protected:
    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int clamp(qint64 value) const;
    void takeText();

    QLineEdit *FEdit;
    QToolButton *FUp;
    QToolButton *FDown;
    int FValue = 0;
    int FMin = 0;
    int FMax = 0;
    int FIncrement = 1;
    // Wheel angle not yet turned into steps (high-resolution wheels send less than a notch).
    int FWheelRest = 0;
};
