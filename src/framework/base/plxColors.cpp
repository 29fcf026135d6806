#include "plxColors.h"
#include "plxPlatform.h"

#include <QGuiApplication>
#include <QHash>
#include <QPalette>

#include <array>

namespace {

struct NamedColor
{
    const char *name;
    TColor value;
};

// Writing uses the first name listed for a value.
constexpr std::array<NamedColor, 52> kNamedColors{{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen},
    {"clSkyBlue", clSkyBlue},
    {"clCream", clCream},
    {"clMedGray", clMedGray},
    {"clNone", clNone},
    {"clDefault", clDefault},
    {"clScrollBar", clScrollBar},
    {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText},
    {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText},
    {"clActiveBorder", clActiveBorder},
    {"clInactiveBorder", clInactiveBorder},
    {"clAppWorkSpace", clAppWorkSpace},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk},
    {"clHotLight", clHotLight},
    {"clGradientActiveCaption", clGradientActiveCaption},
    {"clGradientInactiveCaption", clGradientInactiveCaption},
    {"clMenuHighlight", clMenuHighlight},
    {"clMenuBar", clMenuBar},
}};
static_assert(kNamedColors.back().name != nullptr, "every named colour is listed");
constexpr std::array<NamedColor, 2> kReadAliases{{{"clLtGray", clSilver}, {"clDkGray", clGray}}};

struct ColorTables
{
    QHash<QString, TColor> byFoldedName;
    QHash<TColor, QString> byValue;

    ColorTables()
    {
        auto add = [this](const NamedColor &c, bool writable) {
            byFoldedName.insert(QString::fromLatin1(c.name).toCaseFolded(), c.value);
            if (writable && !byValue.contains(c.value))
                byValue.insert(c.value, QString::fromLatin1(c.name));
        };
        for (const NamedColor &c : kNamedColors)
            add(c, true);
        for (const NamedColor &c : kReadAliases)
            add(c, false);
    }
};

const ColorTables &tables()
{
    static const ColorTables t;
    return t;
}

QPalette::ColorRole roleForSystemIndex(int index, QPalette::ColorGroup &group)
{
    group = QPalette::Active;
    switch (index) {
    case 0:
        return QPalette::Button; // scroll bar
    case 1:
        return QPalette::Window; // desktop
    case 2:
        return QPalette::Highlight; // active caption
    case 3:
        group = QPalette::Inactive;
        return QPalette::Highlight;
    case 4:
        return QPalette::Window; // menu
    case 5:
        return QPalette::Base; // window
    case 6:
        return QPalette::Shadow; // window frame
    case 7:
        return QPalette::WindowText; // menu text
    case 8:
        return QPalette::Text; // window text
    case 9:
        return QPalette::HighlightedText; // caption text
    case 10:
        return QPalette::Mid;
    case 11:
        return QPalette::Midlight;
    case 12:
        return QPalette::Dark; // application workspace
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 15:
        return QPalette::Button;
    case 16:
        return QPalette::Dark;
    case 17:
        group = QPalette::Disabled;
        return QPalette::Text;
    case 18:
        return QPalette::ButtonText;
    case 19:
        group = QPalette::Inactive;
        return QPalette::HighlightedText;
    case 20:
        return QPalette::Light;
    case 21:
        return QPalette::Shadow;
    case 22:
        return QPalette::Midlight;
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    case 26:
        return QPalette::Link;
    case 27:
        return QPalette::Highlight;
    case 28:
        group = QPalette::Inactive;
        return QPalette::Highlight;
    case 29:
        return QPalette::Highlight;
    case 30:
        return QPalette::Window;
    default:
        return QPalette::Window;
    }
}

} // namespace

QString ColorToString(TColor color)
{
    const auto &byValue = tables().byValue;
    const auto it = byValue.constFind(color);
    if (it != byValue.cend())
        return it.value();
    static const char digits[] = "0123456789ABCDEF";
    char text[9] = {'$'};
    auto bits = static_cast<quint32>(color);
    for (int i = 8; i > 0; --i, bits >>= 4)
        text[i] = digits[bits & 0xF];
    return QString::fromLatin1(text, 9);
}

bool IdentToColor(const QString &name, TColor &color)
{
    const auto &byName = tables().byFoldedName;
    const auto it = byName.constFind(name.trimmed().toCaseFolded());
    if (it == byName.cend())
        return false;
    color = it.value();
    return true;
}

TColor StringToColor(const QString &text)
{
    TColor color = 0;
    if (IdentToColor(text, color) || PLXTryStrToInt(text, color))
        return color;
    throw EPLXConvertError(QStringLiteral("'%1' is not a valid colour value").arg(text));
}

QColor ColorToQColor(TColor color, const QPalette *palette)
{
    const auto bits = static_cast<quint32>(color);
    if ((bits & 0xFF000000u) == 0xFF000000u) {
        QPalette::ColorGroup group;
        const QPalette::ColorRole role = roleForSystemIndex(static_cast<int>(bits & 0xFFu), group);
        const QPalette pal = palette ? *palette : QGuiApplication::palette();
        return pal.color(group, role);
    }
    if (color == clNone)
        return QColor(Qt::transparent);
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

TColor QColorToColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return static_cast<TColor>(static_cast<quint32>(rgb.red()) | (static_cast<quint32>(rgb.green()) << 8) |
                               (static_cast<quint32>(rgb.blue()) << 16));
}
