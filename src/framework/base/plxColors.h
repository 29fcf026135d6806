// Colour values and their stored names: standard and system colour names,
// "$"-hexadecimal texts, and conversion to Qt colours for drawing.
#pragma once

#include "plxTypes.h"

#include <QColor>

class QPalette;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// System colours: 0xFF000000 plus the index of a theme colour.
constexpr TColor plxSystemColor(int index)
{
    return static_cast<TColor>(0xFF000000u | static_cast<quint32>(index));
}
constexpr TColor clScrollBar = plxSystemColor(0);
constexpr TColor clBackground = plxSystemColor(1);
constexpr TColor clActiveCaption = plxSystemColor(2);
constexpr TColor clInactiveCaption = plxSystemColor(3);
constexpr TColor clMenu = plxSystemColor(4);
constexpr TColor clWindow = plxSystemColor(5);
constexpr TColor clWindowFrame = plxSystemColor(6);
constexpr TColor clMenuText = plxSystemColor(7);
constexpr TColor clWindowText = plxSystemColor(8);
constexpr TColor clCaptionText = plxSystemColor(9);
constexpr TColor clActiveBorder = plxSystemColor(10);
constexpr TColor clInactiveBorder = plxSystemColor(11);
constexpr TColor clAppWorkSpace = plxSystemColor(12);
constexpr TColor clHighlight = plxSystemColor(13);
constexpr TColor clHighlightText = plxSystemColor(14);
constexpr TColor clBtnFace = plxSystemColor(15);
constexpr TColor clBtnShadow = plxSystemColor(16);
constexpr TColor clGrayText = plxSystemColor(17);
constexpr TColor clBtnText = plxSystemColor(18);
constexpr TColor clInactiveCaptionText = plxSystemColor(19);
constexpr TColor clBtnHighlight = plxSystemColor(20);
constexpr TColor cl3DDkShadow = plxSystemColor(21);
constexpr TColor cl3DLight = plxSystemColor(22);
constexpr TColor clInfoText = plxSystemColor(23);
constexpr TColor clInfoBk = plxSystemColor(24);
constexpr TColor clHotLight = plxSystemColor(26);
constexpr TColor clGradientActiveCaption = plxSystemColor(27);
constexpr TColor clGradientInactiveCaption = plxSystemColor(28);
constexpr TColor clMenuHighlight = plxSystemColor(29);
constexpr TColor clMenuBar = plxSystemColor(30);

// The name of a named colour, or "$" and eight upper-case hexadecimal digits.
ORVANTA_EXPORT QString ColorToString(TColor color);
// A colour name (any case) or an integer text; anything else raises EPLXConvertError.
ORVANTA_EXPORT TColor StringToColor(const QString &text);
// Looks a colour name up without raising.
ORVANTA_EXPORT bool IdentToColor(const QString &name, TColor &color);
// The colour to draw: system colours through the palette (the application's
// when none is given); the palette-relative flag 0x02 is dropped.
ORVANTA_EXPORT QColor ColorToQColor(TColor color, const QPalette *palette = nullptr);
// The stored value of a Qt colour (alpha is not stored).
ORVANTA_EXPORT TColor QColorToColor(const QColor &color);
