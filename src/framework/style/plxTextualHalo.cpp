#include "plxTextualHalo.h"
#include "plxEntityFactory.h"
#include "plxMedia.h"
#include "plxOperation.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

const TPLXKindRegistration<TPLXTextHaloPersistence> haloKind("textual halo");

// The pixel height a point size has on the screen; the visual context sizes
// fonts the same way, so that measured and drawn widths agree.
int screenPixelHeight(int points)
{
    qreal dpi = 96.0;
    if (qGuiApp) {
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            dpi = screen->logicalDotsPerInchY();
    }
    return std::max(1, static_cast<int>(std::lrint(points * dpi / 72.0)));
}

// Characters of the line break at `pos`: CR LF, or a lone CR or LF.
int lineBreakLength(const QString &text, qsizetype pos)
{
    if (pos >= text.size())
        return 0;
    if (text[pos] == u'\r')
        return pos + 1 < text.size() && text[pos + 1] == u'\n' ? 2 : 1;
    return text[pos] == u'\n' ? 1 : 0;
}

} // namespace

// -------------------------------------------------------- TPLXTextArranger

TPLXTextArranger::TPLXTextArranger(IPLXTextSettings *settings)
    : FTextSettings(settings)
{
}

QFont TPLXTextArranger::measuringFont() const
{
    const TPLXFont *font = FTextSettings ? FTextSettings->GetFont() : nullptr;
    if (!font)
        return QFont();
    QFont measured = font->Font;
    measured.setPixelSize(screenPixelHeight(font->Font.pointSize()));
    return measured;
}

void TPLXTextArranger::clearEmptyLines(QString &text)
{
    while (const int length = lineBreakLength(text, 0)) {
        textLines.append(QStringLiteral(" "));
        text.remove(0, length);
    }
}

void TPLXTextArranger::wordWrapText(const QString &text, int maxWidth, int maxHeight)
{
    if (!FTextSettings || !FTextSettings->GetFont())
        return;
    const QFont font = measuringFont();
    const QFontMetrics metrics(font);
    const int lineHeight = std::max(1, metrics.height());
    const int va = FTextSettings->GetVAlign();
    // Bottom and centred text place their lines by the full count, so only top-aligned text may stop early;
    // unless the text could not fit even at a pixel a character: then its beginning shows, as top-aligned
    // text would, and the rest is never laid out.
    const qsizetype visibleLines = maxHeight >= 0 ? maxHeight / lineHeight + 1 : -1;
    const bool overflowing =
        visibleLines >= 0 && text.size() > (qsizetype(std::max(maxWidth, 1)) + 1) * (visibleLines + 1);
    const qsizetype limit =
        visibleLines >= 0 && ((va != vaBottom && va != vaCenter) || overflowing) ? visibleLines : -1;
    TWrapKey key{text, maxWidth, Fimage ? Fimage->width() + 5 : 0, font};
    if (FWrapValid && key == FWrapKey && (FWrapComplete || (limit >= 0 && limit <= FWrapLines)))
        return;
    FWrapValid = false;

    const auto width = [&metrics, &text](qsizetype from, qsizetype count) {
        return metrics.horizontalAdvance(text.mid(from, count));
    };
    FFitHeight = 0;
    textLines.clear();
    const qsizetype n = text.size();
    qsizetype pos = 0;
    const auto skipEmptyLines = [&] {
        while (const int length = lineBreakLength(text, pos)) {
            textLines.append(QStringLiteral(" "));
            pos += length;
        }
    };
    skipEmptyLines();
    int indent = key.indent;
    bool complete = true;
    qsizetype nextBreak = 0;
    while (pos < n) {
        if (limit >= 0 && textLines.size() >= limit) {
            complete = false;
            break;
        }
        // The line ends before the next line break at the latest; the search for
        // it resumes where it stopped, so the whole text is scanned once.
        if (nextBreak <= pos) {
            nextBreak = pos + 1;
            while (nextBreak < n && lineBreakLength(text, nextBreak) == 0)
                ++nextBreak;
        }
        const qsizetype available = nextBreak - pos;
        const auto fits = [&](qsizetype count) { return width(pos, count) + indent < maxWidth; };
        // The shortest prefix that no longer fits, found by doubling then halving
        // (widths grow with the prefix), so a long line costs a few measurements
        // instead of one per character.
        qsizetype length = 1;
        if (fits(1)) {
            qsizetype good = 1;
            qsizetype bad = available;
            for (qsizetype probe = 2; probe < available; probe *= 2) {
                if (!fits(probe)) {
                    bad = probe;
                    break;
                }
                good = probe;
            }
            while (bad - good > 1) {
                const qsizetype mid = good + (bad - good) / 2;
                (fits(mid) ? good : bad) = mid;
            }
            length = bad;
        }
        // Characters up to and including the last blank before the line's last character.
        qsizetype lastSpace = 0;
        if (length >= 2) {
            const qsizetype blank = text.lastIndexOf(QLatin1Char(' '), pos + length - 2);
            if (blank >= pos)
                lastSpace = blank - pos + 1;
        }
        QString line;
        if (length == 1 || fits(length)) {
            // A complete line (or one character, however wide) with its line break.
            line = text.mid(pos, length);
            pos += length;
            pos += lineBreakLength(text, pos);
        } else if (lastSpace > 0) {
            line = text.mid(pos, lastSpace);
            pos += lastSpace;
        } else {
            // One word wider than the line: break inside it.
            line = text.mid(pos, length - 1);
            pos += length - 1;
        }
        textLines.append(line);
        skipEmptyLines();
        indent = 0;
    }
    FFitHeight = static_cast<int>(textLines.size()) * metrics.height();
    FWrapKey = std::move(key);
    FWrapValid = true;
    FWrapComplete = complete;
    FWrapLines = textLines.size();
}

int TPLXTextArranger::getTextWidth(const QString &text) const
{
    if (!FTextSettings || !FTextSettings->GetFont())
        return 0;
    return QFontMetrics(measuringFont()).horizontalAdvance(QLatin1Char('W') + text);
}

int TPLXTextArranger::getTextWidthMAX() const
{
    int widest = -1;
    for (const QString &line : textLines)
        widest = std::max(widest, getTextWidth(line));
    return widest;
}

int TPLXTextArranger::getTextHeight() const
{
    if (!FTextSettings || !FTextSettings->GetFont())
        return 0;
    return static_cast<int>(textLines.size()) * QFontMetrics(measuringFont()).height();
}

void TPLXTextArranger::selectFont(TPLXVisualContext &vc) const
{
    const TPLXFont *font = FTextSettings->GetFont();
    vc.setFont(font->Font.family(), font->Font.pointSize(), font->Color, font->Font.bold(), font->Font.italic(),
               font->Font.underline(), 0);
}

void TPLXTextArranger::drawText(TPLXVisualContext &vc, const TRect &r)
{
    if (!FTextSettings || !FTextSettings->GetFont())
        return;
    selectFont(vc);
    if (!FTextSettings->GetTransparent())
        vc.FillArea(r, FTextSettings->GetColor(), bsSolid);
    drawLines(vc, r);
}

void TPLXTextArranger::drawTextwhileFocused(TPLXVisualContext &vc, const TRect &r, TColor colour1, TColor colour2)
{
    if (!FTextSettings || !FTextSettings->GetFont())
        return;
    selectFont(vc);
    vc.setPenStyle(psSolid);
    vc.gradientFill(r, colour1, colour2, true);
    vc.drawRect(r, psSolid, 0x000000);
    drawLines(vc, r);
}

void TPLXTextArranger::drawLines(TPLXVisualContext &vc, const TRect &r)
{
    const int lineHeight = vc.TextHeight(QStringLiteral("A"));
    const int n = static_cast<int>(textLines.size());
    int dy = 0;
    switch (FTextSettings->GetVAlign()) {
    case vaBottom:
        dy = r.height() - n * lineHeight;
        break;
    case vaCenter:
        dy = (r.height() - n * lineHeight) / 2;
        break;
    default:
        break;
    }
    const int hAlign = FTextSettings->GetHAlign();
    // Lines outside the visible area (when the context has one) are not drawn,
    // so a long text costs what shows of it.
    const TRect visible = vc.getVisibleArea();
    for (int i = 0; i < n; ++i) {
        const qint64 top = qint64(r.Top) + dy + qint64(i) * lineHeight;
        if (!visible.isEmpty() && top + lineHeight <= visible.Top)
            continue;
        if (!visible.isEmpty() && top >= visible.Bottom)
            break;
        const QString &line = textLines[i];
        const int indent = i == 0 && Fimage ? Fimage->width() + 5 : 0;
        int dx = 0;
        if (hAlign == haRight)
            dx = r.width() - vc.TextWidth(line) - indent;
        else if (hAlign == haCenter)
            dx = (r.width() - vc.TextWidth(line) - indent) / 2;
        dx += indent;
        const int y = r.Top + dy + i * lineHeight;
        if (indent > 0)
            vc.drawGraphic(r.Left + dx - indent, y, *Fimage);
        vc.textOutOriented(r.Left + dx, y, line, 0);
    }
}

// ------------------------------------------------------------ TPLXTextHalo

TPLXTextHalo::TPLXTextHalo()
    : TPLXTextHalo(nullptr)
{
    auto own = std::make_unique<TPLXTextHaloSettings>();
    own->setPrintTextLeft(true);
    own->setPrintTextRight(true);
    own->setPrintTextTop(true);
    own->setPrintTextBottom(true);
    own->setPrintTextCenter(true);
    own->setParent(this);
    FTextHaloSettings = own.release();
}

TPLXTextHalo::TPLXTextHalo(TPLXTextHaloSettings *haloSettings)
    : FTextHaloSettings(haloSettings)
    , FOwnDrawer(std::make_unique<TPLXTextHaloDrawer>(this))
{
    FDrawer = FOwnDrawer.get();
}

TPLXTextHalo::~TPLXTextHalo() = default;

TPLXDocumentSetup *TPLXTextHalo::document() const
{
    // Unlike GetDocumentSetup, a halo outside a document is not an error here.
    const TPLXGanttObject *top = this;
    while (top->getParent())
        top = top->getParent();
    return dynamic_cast<TPLXDocumentSetup *>(const_cast<TPLXGanttObject *>(top));
}

void TPLXTextHalo::setTextHaloSettings(TPLXTextHaloSettings *settings)
{
    if (settings == FTextHaloSettings)
        return;
    if (FTextHaloSettings && FTextHaloSettings->getParent() == this)
        delete FTextHaloSettings;
    FTextHaloSettings = settings;
}

TPLXTextHaloSettings *TPLXTextHalo::GetTextHaloSettings()
{
    if (!FTextHaloSettings) {
        if (TPLXDocumentSetup *doc = document())
            FTextHaloSettings = doc->GetTextHaloSettings();
    }
    return FTextHaloSettings;
}

TPLXTextSettings *TPLXTextHalo::getTextSetings()
{
    if (FTextSettings)
        return FTextSettings;
    if (!getParent())
        return nullptr;
    TPLXDocumentSetup *doc = document();
    return doc ? doc->getTextBarSettings() : nullptr;
}

void TPLXTextHalo::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory)
{
    media.setStrProperty(name, QStringLiteral("typeID"), QStringLiteral("textual halo"));
    media.setStrProperty(name, QStringLiteral("text left"), FTextLeft);
    media.setStrProperty(name, QStringLiteral("text right"), FTextRight);
    media.setStrProperty(name, QStringLiteral("text top"), FTextTop);
    media.setStrProperty(name, QStringLiteral("text bottom"), FTextBottom);
    media.setStrProperty(name, QStringLiteral("text center"), FTextCenter);
    media.setStrProperty(name, QStringLiteral("hint"), FHint);
    // Shared records are saved by their owner; the halo saves only its own.
    const auto saveReference = [&](const QString &key, TPLXGanttObject *settings) {
        if (!settings)
            return;
        const QString uid = settings->getUID();
        media.setStrProperty(name, key, uid);
        if (settings->getParent() == this)
            settings->doSave(uid, media, factory);
    };
    saveReference(QStringLiteral("text settings"), FTextSettings);
    saveReference(QStringLiteral("textual halo settings"), FTextHaloSettings);
}

std::unique_ptr<TPLXGanttObject> TPLXTextHaloPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                 TPLXEntityFactory &factory)
{
    auto halo = std::make_unique<TPLXTextHalo>();
    halo->FTextLeft = media.strValue(name, QStringLiteral("text left"), QString());
    halo->FTextRight = media.strValue(name, QStringLiteral("text right"), QString());
    halo->FTextTop = media.strValue(name, QStringLiteral("text top"), QString());
    halo->FTextBottom = media.strValue(name, QStringLiteral("text bottom"), QString());
    halo->FTextCenter = media.strValue(name, QStringLiteral("text center"), QString());
    halo->FHint = media.strValue(name, QStringLiteral("hint"), QString());
    // Without references the halo follows the document's records.
    const auto named = [&](const QString &key) {
        return media.strValue(name, key, QStringLiteral("Missing")) != QLatin1String("Missing");
    };
    if (named(QStringLiteral("text settings")))
        halo->FTextSettings =
            loadChildAs<TPLXTextSettings>(QStringLiteral("text settings"), media, factory, halo.get());
    TPLXTextHaloSettings *haloSettings = nullptr;
    if (named(QStringLiteral("textual halo settings")))
        haloSettings =
            loadChildAs<TPLXTextHaloSettings>(QStringLiteral("textual halo settings"), media, factory, halo.get());
    halo->setTextHaloSettings(haloSettings);
    return halo;
}

// ------------------------------------------------------ TPLXTextHaloDrawer

TPLXTextHaloDrawer::TPLXTextHaloDrawer(TPLXTextHalo *halo)
    : TPLXDrawer(halo)
{
}

void TPLXTextHaloDrawer::Draw(TPLXVisualContext &vc)
{
    auto *halo = dynamic_cast<TPLXTextHalo *>(target);
    PLX_ASSERT(halo != nullptr);
    TPLXGanttObject *bar = halo->getParent();
    PLX_ASSERT(bar != nullptr && bar->getDrawer(vtGanttGraph) != nullptr);
    const TRect b = bar->getDrawer(vtGanttGraph)->getRect();
    TPLXTextSettings *settings = halo->getTextSetings();
    PLX_ASSERT(settings != nullptr);
    const TPLXFont *font = settings->GetFont();
    vc.setFont(font->Font.family(), font->Font.pointSize(), font->Color, font->Font.bold(), font->Font.italic(),
               font->Font.underline(), 0);
    const TPLXTextHaloSettings *flags = halo->GetTextHaloSettings();
    if (!flags)
        return;

    const int letterHeight = vc.TextHeight(QStringLiteral("A"));
    const int band = static_cast<int>(std::lrint(1.2 * letterHeight));
    if (flags->getPrintTextTop())
        vc.centerText({b.Left, b.Top - band, b.Right, b.Top}, halo->getTextTop());
    if (flags->getPrintTextBottom())
        vc.centerText({b.Left, b.Bottom, b.Right, b.Bottom + band}, halo->getTextBottom());
    if (flags->getPrintTextLeft())
        vc.textOutOriented(b.Left - vc.TextWidth(halo->getTextLeft()) - 3, b.Top, halo->getTextLeft(), 0);
    if (flags->getPrintTextRight())
        vc.textOutOriented(b.Right + 3, b.Top, halo->getTextRight(), 0);
    if (flags->getPrintTextCenter()) {
        const int y = b.Top + (b.height() - letterHeight) / 2;
        if (halo->getHorzAlignmentCenter() == 0)
            vc.textOutOriented(b.Left + 3, y, halo->getTextCenter(), 0);
        else if (halo->getHorzAlignmentCenter() == 1)
            vc.textOutOriented(b.Right - 3 - vc.TextWidth(halo->getTextCenter()), y, halo->getTextCenter(), 0);
        else
            vc.centerText(b, halo->getTextCenter());
    }
}

// ---------------------------------------------------------- TPLXHaloEntity

TPLXHaloEntity::TPLXHaloEntity() = default;

TPLXHaloEntity::~TPLXHaloEntity() = default;

bool TPLXHaloEntity::processMouseClick()
{
    return false;
}

std::unique_ptr<TPLXOperation> TPLXHaloEntity::handleClick(int, int, int)
{
    return nullptr;
}

bool TPLXHaloEntity::processDragging()
{
    return false;
}

std::unique_ptr<TPLXOperation> TPLXHaloEntity::handleMove(int, int, int, int, int)
{
    return nullptr;
}

TRect TPLXHaloEntity::getOutline()
{
    return TRect{};
}

TRect TPLXHaloEntity::nextOutline(const TRect &, int, int)
{
    return getOutline();
}

bool TPLXHaloEntity::changeCursorDragging()
{
    return false;
}

Qt::CursorShape TPLXHaloEntity::cursorDragging()
{
    return Qt::ArrowCursor;
}

Qt::CursorShape TPLXHaloEntity::cursorOver()
{
    return Qt::ArrowCursor;
}

bool TPLXHaloEntity::IsTreeGridResizer()
{
    return false;
}
