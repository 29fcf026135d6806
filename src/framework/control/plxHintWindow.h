// A borderless window showing the hint of a text halo in the document's hint
// text style: one line per explicit line break, framed in the font colour.
#pragma once

#include "plxTypes.h"

#include <QWidget>

#include <memory>

class TPLXTextArranger;
class TPLXTextHalo;
class TPLXTextSettings;

class ORVANTA_EXPORT TPLXHintWindow : public QWidget
{
    Q_OBJECT

public:
    explicit TPLXHintWindow(QWidget *parent = nullptr);
    ~TPLXHintWindow() override;

    TPLXTextArranger &textArranger() const { return *FTextArranger; }
    QString getHintText() const { return hintText; }
    // Moves to (x, y) in screen coordinates and takes the halo's hint in a
    // copy of `textSettings`; shows itself when the hint is not empty.
    void displayHint(const TPLXTextHalo *halo, int x, int y, const TPLXTextSettings &textSettings);
    // The same for a text of the control's own.
    void displayText(const QString &text, int x, int y, const TPLXTextSettings &textSettings);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::unique_ptr<TPLXTextSettings> FTextSettings;
    std::unique_ptr<TPLXTextArranger> FTextArranger;
    QString hintText;
};
