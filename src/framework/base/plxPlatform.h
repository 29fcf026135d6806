// Platform services the chart library relies on: modal messages, the
// diagnostic log, the user's number format and the text forms of values.
#pragma once

#include "plxTypes.h"

#include <QDateTime>
#include <QStringList>

#include <memory>
#include <type_traits>
#include <utility>

// Where modal messages and diagnostic log lines go. The default shows a
// message box with the application's title when a GUI runs and appends log
// lines to the log file; tests and headless runs install a recorder instead.
class ORVANTA_EXPORT TPLXServices
{
public:
    virtual ~TPLXServices();

    virtual void showMessage(const QString &text);
    // Asks `text` with `answers` (the first is the default) and returns the
    // index of the one chosen, -1 when the question was dismissed. Without a
    // screen nobody can answer: the default prints the question and returns -1.
    virtual int ask(const QString &text, const QStringList &answers);
    // Writes one formatted line to the log file; does nothing without a file name.
    virtual void writeLog(const QString &message, bool restart);
    // Whether log lines go anywhere: without a listener they are not even
    // formatted. The default listens while a log file is set.
    virtual bool logListened() const;

    static TPLXServices &instance();
    // Installs `services` (not owned) and returns the previous one; null restores the default.
    static TPLXServices *install(TPLXServices *services);
};

// Records messages and log lines instead of blocking or writing files.
class ORVANTA_EXPORT TPLXRecordingServices : public TPLXServices
{
public:
    void showMessage(const QString &text) override;
    // Records the question and returns the preset answer.
    int ask(const QString &text, const QStringList &answers) override;
    void writeLog(const QString &message, bool restart) override;
    bool logListened() const override { return true; }

    const QStringList &messages() const { return FMessages; }
    const QStringList &questions() const { return FQuestions; }
    // The index ask returns; -1 (dismissed) unless set.
    void setAnswer(int answer) { FAnswer = answer; }
    const QStringList &logLines() const { return FLogLines; }
    // Also pass log lines on to the log file.
    bool writeLogFile() const { return FWriteLogFile; }
    void setWriteLogFile(bool value) { FWriteLogFile = value; }

private:
    QStringList FMessages;
    QStringList FQuestions;
    QStringList FLogLines;
    int FAnswer = -1;
    bool FWriteLogFile = false;
};

// Installs a recorder for the lifetime of the scope.
class ORVANTA_EXPORT TPLXRecordingScope
{
public:
    TPLXRecordingScope();
    ~TPLXRecordingScope();
    TPLXRecordingScope(const TPLXRecordingScope &) = delete;
    TPLXRecordingScope &operator=(const TPLXRecordingScope &) = delete;

    const TPLXRecordingServices &recorder() const { return FRecorder; }
    TPLXRecordingServices &recorder() { return FRecorder; }

private:
    TPLXRecordingServices FRecorder;
    TPLXServices *FPrevious;
};

// Caps the modal messages of one task such as a document load: while the
// outermost cap lives, every message also goes to the diagnostic log, the
// first `limit` are shown and the rest are not; when it ends, one more message
// says how many were left out. A cap inside another one leaves counting to it.
class ORVANTA_EXPORT TPLXMessageCap
{
public:
    explicit TPLXMessageCap(int limit = 10);
    ~TPLXMessageCap();
    TPLXMessageCap(const TPLXMessageCap &) = delete;
    TPLXMessageCap &operator=(const TPLXMessageCap &) = delete;

    // Shows or holds back `text`; false when no cap is active.
    static bool route(const QString &text);

private:
    bool FOutermost;
    int FLimit;
    int FShown = 0;
    int FLeftOut = 0;
};

// The chart components' diagnostic log file; empty means no logging.
ORVANTA_EXPORT QString LogFile();
ORVANTA_EXPORT void SetLogFile(const QString &fileName);
// Whether a log file or the installed services take log lines; cheap enough
// to ask before every line.
ORVANTA_EXPORT bool PLXLogListened();
// Appends one diagnostic line (truncating the file first with `restart`).
ORVANTA_EXPORT void PLXLog(const QString &message, bool restart = false);
// Appends the line that `format` returns, calling it only when someone listens.
template<typename Format>
requires std::is_invocable_r_v<QString, Format>
void PLXLog(Format &&format)
{
    if (PLXLogListened())
        PLXLog(std::forward<Format>(format)());
}
// Shows a modal message through the installed services.
ORVANTA_EXPORT void PLXShowMessage(const QString &text);
// Asks a question through the installed services; see TPLXServices::ask.
ORVANTA_EXPORT int PLXAsk(const QString &text, const QStringList &answers);
// "dd.mm.yyyy hh:nn:ss,zzz PRINT message"
ORVANTA_EXPORT QString PLXFormatLogLine(const QDateTime &when, const QString &message);
// Appends a formatted line to `fileName`; used by the print log too.
ORVANTA_EXPORT void PLXAppendLogLine(const QString &fileName, const QString &message, bool restart);

// The user's decimal separator; a non-null override replaces the locale's.
ORVANTA_EXPORT QChar PLXDecimalSeparator();
ORVANTA_EXPORT void PLXSetDecimalSeparator(QChar separator);

// Integer text forms: decimal with optional sign, or hexadecimal after "$",
// "0x" or "0X". Hexadecimal takes up to 32 bits; decimal must fit 32 bits.
ORVANTA_EXPORT bool PLXTryStrToInt(QStringView text, qint32 &value);
// General number format, 15 significant digits, the user's decimal separator.
ORVANTA_EXPORT QString PLXFloatToStr(double value);
// Accepts the user's decimal separator (and ".") and an exponent.
ORVANTA_EXPORT bool PLXTryStrToFloat(QStringView text, double &value);
