#include "plxHintWindow.h"
#include "plxTextSettings.h"
#include "plxTextualHalo.h"
#include "plxVisualContext.h"

#include <QPainter>

namespace {
constexpr int kCentred = 2;
}

TPLXHintWindow::TPLXHintWindow(QWidget *parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint)
    , FTextSettings(std::make_unique<TPLXTextSettings>())
    , FTextArranger(std::make_unique<TPLXTextArranger>(FTextSettings.get()))
{
}

TPLXHintWindow::~TPLXHintWindow() = default;

void TPLXHintWindow::displayHint(const TPLXTextHalo *halo, int x, int y, const TPLXTextSettings &textSettings)
{
    displayText(halo ? halo->getHint() : QString(), x, y, textSettings);
}

void TPLXHintWindow::displayText(const QString &text, int x, int y, const TPLXTextSettings &textSettings)
{
    move(x, y);
    FTextSettings->Assign(textSettings);
    FTextSettings->SetHAlign(kCentred);
    FTextSettings->SetVAlign(kCentred);
    hintText = text;
    // Wrapped at its own single-line width: only explicit line breaks make lines.
    FTextArranger->wordWrapText(hintText, FTextArranger->getTextWidth(hintText));
    resize(std::max(1, FTextArranger->getTextWidthMAX()), std::max(1, FTextArranger->getTextHeight()));
    setVisible(!hintText.isEmpty());
    update();
}

void TPLXHintWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    TPLXCanvasVC vc(painter);
    const TRect r{0, 0, width(), height()};
    vc.setVisibleArea(r);
    vc.FillArea(r, FTextSettings->GetColor(), bsSolid);
    FTextArranger->drawText(vc, r);
    const TPLXFont *font = FTextSettings->GetFont();
    vc.drawRect(r, psSolid, font ? font->Color : 0x000000);
}
