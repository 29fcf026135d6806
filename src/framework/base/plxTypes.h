// Value types and error classes shared by every unit of the chart library.
#pragma once

#include "orvanta_export.h"

#include <QRect>
#include <QString>
#include <QtGlobal>

#include <stdexcept>

// Days since 30 December 1899 00:00; the fraction is the time of day.
using TDateTime = double;
// 0x00BBGGRR for plain colours; system colours carry 0xFF in the top byte.
using TColor = qint32;

// A pixel rectangle with exclusive right and bottom edges.
struct TRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int width() const { return Right - Left; }
    constexpr int height() const { return Bottom - Top; }
    constexpr bool isEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    QRect toQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    static TRect fromQRect(const QRect &r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
    friend constexpr bool operator==(const TRect &, const TRect &) = default;
};

// Integer division and remainder rounded toward negative infinity, so that
// dates before the epoch fall into the right period.
constexpr qint64 floorDiv(qint64 a, qint64 b)
{
    qint64 q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

constexpr qint64 floorMod(qint64 a, qint64 b)
{
    return a - floorDiv(a, b) * b;
}

// What loading clamps stored values into. Sizes this small keep pixel sums over
// millions of rows well inside 64 bits, and a double steps whole days exactly
// across the whole date range.
namespace PLXLimits {
// Row heights, column widths, borders and bar heights, in pixels.
inline constexpr qint32 kMaxSize = 100000;
// PERT box positions, in pixels either side of the origin.
inline constexpr qint32 kMaxCoordinate = 10000000;
// 1 January 0001 and 31 December 9999 as day counts.
inline constexpr double kMinDate = -693593.0;
inline constexpr double kMaxDate = 2958465.0;
// Durations and buffers: the length of the date range.
inline constexpr double kMaxDuration = kMaxDate - kMinDate;
// Font sizes, in points.
inline constexpr qint32 kMaxFontSize = 1000;
// Drawn positions saturate here, so that a far-away date still gives an int
// that a size or the difference of two positions can be added to.
inline constexpr int kMaxPixel = 1 << 29;
} // namespace PLXLimits

// Rounds a pixel position to the nearest integer (ties to even), saturating at
// +-kMaxPixel; NaN gives 0.
ORVANTA_EXPORT int PLXPixel(double value);
// A pixel sum clamped to +-kMaxPixel.
constexpr int PLXSaturatePixel(qint64 value)
{
    return static_cast<int>(value < -PLXLimits::kMaxPixel  ? -PLXLimits::kMaxPixel
                            : value > PLXLimits::kMaxPixel ? PLXLimits::kMaxPixel
                                                           : value);
}

// Base of every error the library raises.
class ORVANTA_EXPORT EPLXError : public std::runtime_error
{
public:
    explicit EPLXError(const QString &message);
    QString message() const { return FMessage; }

private:
    QString FMessage;
};

// A broken internal invariant; carries the source unit and line.
class ORVANTA_EXPORT EPLXAssertionFailed : public EPLXError
{
public:
    EPLXAssertionFailed(const QString &source, int line);
    QString source() const { return FSource; }
    int line() const { return FLine; }

private:
    QString FSource;
    int FLine;
};

// A text that does not convert to the requested value type.
class ORVANTA_EXPORT EPLXConvertError : public EPLXError
{
public:
    using EPLXError::EPLXError;
};

// A file that cannot be read or written; names the file.
class ORVANTA_EXPORT EPLXFileError : public EPLXError
{
public:
    EPLXFileError(const QString &fileName, const QString &reason);
    QString fileName() const { return FFileName; }

private:
    QString FFileName;
};

// An object converted to a class it is not an instance of.
class ORVANTA_EXPORT EPLXInvalidCast : public EPLXError
{
public:
    using EPLXError::EPLXError;
};

// Raises EPLXAssertionFailed for the unit that contains `file`.
[[noreturn]] ORVANTA_EXPORT void plxAssertionFailed(const char *file, int line);
// "src/framework/plxGanttTable" for ".../src/framework/plxGanttTable.cpp".
ORVANTA_EXPORT QString plxSourceUnitName(const char *file);

#define PLX_ASSERT(condition)                                                                                         \
    do {                                                                                                              \
        if (!(condition))                                                                                             \
            ::plxAssertionFailed(__FILE__, __LINE__);                                                                 \
    } while (false)
