#include "plxPlatform.h"
#include "plxRessourceStrings.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QMutex>
#include <QPushButton>
#include <QWidget>

#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

TPLXServices &defaultServices()
{
    static TPLXServices services;
    return services;
}

std::atomic<TPLXServices *> installedServices{nullptr};

QMutex &logMutex()
{
    static QMutex mutex;
    return mutex;
}

QString &logFileName()
{
    static QString name;
    return name;
}

// Asked before every log line, so it avoids the lock that guards the name.
std::atomic<bool> logFileSet{false};

// The cap that counts the messages of this thread, if one is active.
thread_local TPLXMessageCap *activeCap = nullptr;

QChar &decimalOverride()
{
    static QChar separator;
    return separator;
}

} // namespace

TPLXServices::~TPLXServices() = default;

void TPLXServices::showMessage(const QString &text)
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (app && QGuiApplication::platformName() != QLatin1String("offscreen") &&
        QGuiApplication::platformName() != QLatin1String("minimal")) {
        QMessageBox::warning(QApplication::activeWindow(), QApplication::applicationDisplayName(), text);
        return;
    }
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

int TPLXServices::ask(const QString &text, const QStringList &answers)
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (app && QGuiApplication::platformName() != QLatin1String("offscreen") &&
        QGuiApplication::platformName() != QLatin1String("minimal")) {
        QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text, QMessageBox::NoButton,
                        QApplication::activeWindow());
        QList<QAbstractButton *> buttons;
        for (const QString &answer : answers)
            buttons.append(
                box.addButton(answer, buttons.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::DestructiveRole));
        if (!buttons.isEmpty())
            box.setDefaultButton(qobject_cast<QPushButton *>(buttons.first()));
        box.addButton(QMessageBox::Cancel);
        box.exec();
        return static_cast<int>(buttons.indexOf(box.clickedButton()));
    }
    std::fprintf(stderr, "%s [%s]: no answer\n", text.toLocal8Bit().constData(),
                 answers.join(QLatin1Char('/')).toLocal8Bit().constData());
    return -1;
}

void TPLXServices::writeLog(const QString &message, bool restart)
{
    const QString fileName = LogFile();
    if (!fileName.isEmpty())
        PLXAppendLogLine(fileName, message, restart);
}

bool TPLXServices::logListened() const
{
    return logFileSet.load(std::memory_order_relaxed);
}

TPLXServices &TPLXServices::instance()
{
    TPLXServices *services = installedServices.load();
    return services ? *services : defaultServices();
}

TPLXServices *TPLXServices::install(TPLXServices *services)
{
    return installedServices.exchange(services);
}

void TPLXRecordingServices::showMessage(const QString &text)
{
    FMessages.append(text);
}

int TPLXRecordingServices::ask(const QString &text, const QStringList &)
{
    FQuestions.append(text);
    return FAnswer;
}

void TPLXRecordingServices::writeLog(const QString &message, bool restart)
{
    if (restart)
        FLogLines.clear();
    FLogLines.append(message);
    if (FWriteLogFile)
        TPLXServices::writeLog(message, restart);
}

TPLXRecordingScope::TPLXRecordingScope()
    : FPrevious(TPLXServices::install(&FRecorder))
{
}

TPLXRecordingScope::~TPLXRecordingScope()
{
    TPLXServices::install(FPrevious);
}

TPLXMessageCap::TPLXMessageCap(int limit)
    : FOutermost(activeCap == nullptr)
    , FLimit(limit)
{
    if (FOutermost)
        activeCap = this;
}

TPLXMessageCap::~TPLXMessageCap()
{
    if (!FOutermost)
        return;
    activeCap = nullptr;
    if (FLeftOut == 0)
        return;
    const QString text = PLXText(QStringLiteral("msg_messagesleftout")).arg(FLeftOut);
    PLXLog(text);
    TPLXServices::instance().showMessage(text);
}

bool TPLXMessageCap::route(const QString &text)
{
    TPLXMessageCap *cap = activeCap;
    if (!cap)
        return false;
    PLXLog(text);
    if (cap->FShown < cap->FLimit) {
        ++cap->FShown;
        TPLXServices::instance().showMessage(text);
    } else {
        ++cap->FLeftOut;
    }
    return true;
}

QString LogFile()
{
    QMutexLocker lock(&logMutex());
    return logFileName();
}

void SetLogFile(const QString &fileName)
{
    QMutexLocker lock(&logMutex());
    logFileName() = fileName;
    logFileSet.store(!fileName.isEmpty());
}

bool PLXLogListened()
{
    return TPLXServices::instance().logListened();
}

void PLXLog(const QString &message, bool restart)
{
    TPLXServices &services = TPLXServices::instance();
    if (services.logListened())
        services.writeLog(message, restart);
}

void PLXShowMessage(const QString &text)
{
    if (!TPLXMessageCap::route(text))
        TPLXServices::instance().showMessage(text);
}

int PLXAsk(const QString &text, const QStringList &answers)
{
    return TPLXServices::instance().ask(text, answers);
}

QString PLXFormatLogLine(const QDateTime &when, const QString &message)
{
    return when.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss,zzz")) + QLatin1String(" PRINT ") + message;
}

void PLXAppendLogLine(const QString &fileName, const QString &message, bool restart)
{
    QMutexLocker lock(&logMutex());
    QFile file(fileName);
    const QIODevice::OpenMode mode =
        QIODevice::WriteOnly | QIODevice::Text | (restart ? QIODevice::Truncate : QIODevice::Append);
    // A log that cannot be written must never disturb the chart.
    if (!file.open(mode))
        return;
    file.write(PLXFormatLogLine(QDateTime::currentDateTime(), message).toUtf8());
    file.write("\n");
}

QChar PLXDecimalSeparator()
{
    const QChar separator = decimalOverride();
    if (!separator.isNull())
        return separator;
    // Asking the system locale is slow, and every real number written asks.
    static const QChar systemSeparator = [] {
        const QString point = QLocale::system().decimalPoint();
        return point.isEmpty() ? QLatin1Char('.') : point.at(0);
    }();
    return systemSeparator;
}

void PLXSetDecimalSeparator(QChar separator)
{
    decimalOverride() = separator;
}

bool PLXTryStrToInt(QStringView text, qint32 &value)
{
    text = text.trimmed();
    if (text.isEmpty())
        return false;
    qsizetype i = 0;
    bool negative = false;
    if (text[0] == QLatin1Char('-') || text[0] == QLatin1Char('+')) {
        negative = text[0] == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == QLatin1Char('0') &&
               (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i >= text.size())
        return false;
    quint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return false;
        magnitude = magnitude * base + digit;
        if (magnitude > 0xFFFFFFFFull)
            return false;
    }
    if (base == 16) {
        // Hexadecimal is a 32-bit pattern: "$FFFFFFFF" is -1.
        const auto bits = static_cast<quint32>(magnitude);
        value = static_cast<qint32>(negative ? 0u - bits : bits);
        return true;
    }
    if (negative ? magnitude > 0x80000000ull : magnitude > 0x7FFFFFFFull)
        return false;
    value = negative ? static_cast<qint32>(-static_cast<qint64>(magnitude)) : static_cast<qint32>(magnitude);
    return true;
}

QString PLXFloatToStr(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        return QStringLiteral("0"); // also for -0
    // to_chars ignores the C locale, which a Qt application sets from the environment.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    // "1e+20" -> "1E20", "1.5e-07" -> "1.5E-7", "." -> the user's separator
    char16_t out[64];
    int n = 0;
    const char16_t separator = PLXDecimalSeparator().unicode();
    for (const char *p = buffer; p < result.ptr; ++p) {
        if (*p == 'e') {
            out[n++] = u'E';
            ++p;
            if (*p == '-')
                out[n++] = u'-';
            ++p; // the sign
            while (p + 1 < result.ptr && *p == '0')
                ++p;
            for (; p < result.ptr; ++p)
                out[n++] = static_cast<char16_t>(*p);
            break;
        }
        out[n++] = *p == '.' ? separator : static_cast<char16_t>(*p);
    }
    return QString(reinterpret_cast<const QChar *>(out), n);
}

bool PLXTryStrToFloat(QStringView text, double &value)
{
    text = text.trimmed();
    if (text.isEmpty() || text.size() > 400)
        return false;
    const QChar separator = PLXDecimalSeparator();
    QByteArray ascii;
    ascii.reserve(text.size());
    bool seenPoint = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= u'0' && u <= u'9') || u == u'+' || u == u'-' || u == u'e' || u == u'E') {
            ascii.append(static_cast<char>(u));
        } else if (c == separator || u == u'.') {
            if (seenPoint)
                return false;
            seenPoint = true;
            ascii.append('.');
        } else {
            return false;
        }
    }
    const char *first = ascii.constData();
    const char *last = first + ascii.size();
    if (first != last && *first == '+')
        ++first;
    double parsed = 0;
    const auto result = std::from_chars(first, last, parsed, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}
