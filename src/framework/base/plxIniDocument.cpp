#include "plxIniDocument.h"
#include "plxPlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QSaveFile>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <utility>

#if defined(Q_OS_LINUX)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

// QString::fromUtf8 drops one leading byte-order mark; a stored name or value
// that starts with one must keep it, or it would not read back as written.
QString fromStoredUtf8(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QChar(0xFEFF) + QString::fromUtf8(bytes);
    return QString::fromUtf8(bytes);
}

// Lines that start with "[": memchr finds them faster than a search for "\n[".
qsizetype headerLines(QByteArrayView text)
{
    qsizetype count = 0;
    if (text.isEmpty())
        return count;
    const char *const begin = text.data();
    const char *const end = begin + text.size();
    for (const char *p = begin; (p = static_cast<const char *>(std::memchr(p, '[', end - p))) != nullptr; ++p)
        count += (p == begin || p[-1] == '\n') ? 1 : 0;
    return count;
}

constexpr quint32 kArenaBit = 0x80000000u;
constexpr quint32 kLinearScanLimit = 12;
constexpr qsizetype kMaxFileSize = 0x7FFFFFFF;

inline bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

inline char lowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

inline bool isAscii(QByteArrayView bytes)
{
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

inline bool isAscii(QStringView text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

// FNV-1a over the case-folded UTF-16 units; ASCII takes a fast path that
// feeds the same values.
constexpr size_t kFnvOffset = 14695981039346656037ull;
constexpr size_t kFnvPrime = 1099511628211ull;

size_t hashFolded(QStringView folded)
{
    size_t h = kFnvOffset;
    for (const QChar c : folded) {
        h ^= c.unicode();
        h *= kFnvPrime;
    }
    return h;
}

size_t hashName(QByteArrayView bytes)
{
    if (!isAscii(bytes))
        return hashFolded(fromStoredUtf8(bytes).toCaseFolded());
    size_t h = kFnvOffset;
    for (const char c : bytes) {
        h ^= static_cast<unsigned char>(lowerAscii(c));
        h *= kFnvPrime;
    }
    return h;
}

size_t hashName(QStringView name)
{
    if (!isAscii(name))
        return hashFolded(name.toString().toCaseFolded());
    size_t h = kFnvOffset;
    for (const QChar c : name) {
        h ^= static_cast<unsigned char>(lowerAscii(static_cast<char>(c.unicode())));
        h *= kFnvPrime;
    }
    return h;
}

bool sameName(QByteArrayView stored, QStringView wanted)
{
    if (isAscii(wanted)) {
        bool asciiStored = true;
        if (stored.size() == wanted.size()) {
            for (qsizetype i = 0; i < stored.size(); ++i) {
                const char c = stored[i];
                if (static_cast<unsigned char>(c) >= 0x80) {
                    asciiStored = false;
                    break;
                }
                if (lowerAscii(c) != lowerAscii(static_cast<char>(wanted[i].unicode())))
                    return false;
            }
            if (asciiStored)
                return true;
        } else if (isAscii(stored)) {
            return false;
        }
    }
    return fromStoredUtf8(stored).toCaseFolded() == wanted.toString().toCaseFolded();
}

bool sameName(QByteArrayView a, QByteArrayView b)
{
    if (isAscii(a) && isAscii(b)) {
        if (a.size() != b.size())
            return false;
        for (qsizetype i = 0; i < a.size(); ++i)
            if (lowerAscii(a[i]) != lowerAscii(b[i]))
                return false;
        return true;
    }
    return fromStoredUtf8(a).toCaseFolded() == fromStoredUtf8(b).toCaseFolded();
}

enum class Match { Different, Same, Unsure };

// Settles ASCII names without building strings: Unsure once either side has
// a non-ASCII character where the answer would depend on case folding.
inline Match matchAscii(QByteArrayView stored, QStringView wanted)
{
    const qsizetype common = std::min(stored.size(), wanted.size());
    for (qsizetype j = 0; j < common; ++j) {
        const auto c = static_cast<unsigned char>(stored[j]);
        const char16_t w = wanted[j].unicode();
        if (c >= 0x80 || w >= 0x80)
            return Match::Unsure;
        if (lowerAscii(static_cast<char>(c)) != lowerAscii(static_cast<char>(w)))
            return Match::Different;
    }
    if (stored.size() == wanted.size())
        return Match::Same;
    const bool restAscii = stored.size() > common ? isAscii(stored.sliced(common)) : isAscii(wanted.sliced(common));
    return restAscii ? Match::Different : Match::Unsure;
}

inline bool equalNames(QByteArrayView stored, QStringView wanted)
{
    const Match match = matchAscii(stored, wanted);
    return match == Match::Same || (match == Match::Unsure && sameName(stored, wanted));
}

size_t tableSizeFor(size_t count)
{
    size_t size = 16;
    while (size < count * 2)
        size *= 2;
    return size;
}

// Values that would not survive a plain line (line breaks, outer blanks, an
// outer pair of quotes) are written quoted with backslash escapes.
bool needsQuoting(QStringView value)
{
    if (value.isEmpty())
        return false;
    auto blank = [](QChar c) { return c.unicode() < 0x80 && isBlank(static_cast<char>(c.unicode())); };
    if (blank(value.front()) || blank(value.back()))
        return true;
    if (value.size() >= 2 && value.front() == QLatin1Char('"') && value.back() == QLatin1Char('"'))
        return true;
    for (const QChar c : value)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            return true;
    return false;
}

QString quoteValue(QStringView value)
{
    QString quoted;
    quoted.reserve(value.size() + 8);
    quoted.append(QLatin1Char('"'));
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'\\':
            quoted.append(QLatin1String("\\\\"));
            break;
        case u'"':
            quoted.append(QLatin1String("\\\""));
            break;
        case u'\n':
            quoted.append(QLatin1String("\\n"));
            break;
        case u'\r':
            quoted.append(QLatin1String("\\r"));
            break;
        default:
            quoted.append(c);
        }
    }
    quoted.append(QLatin1Char('"'));
    return quoted;
}

QString decodeValue(QByteArrayView stored)
{
    if (stored.size() < 2 || stored.front() != '"' || stored.back() != '"')
        return fromStoredUtf8(stored);
    const QString inner = fromStoredUtf8(stored.sliced(1, stored.size() - 2));
    QString value;
    value.reserve(inner.size());
    for (qsizetype i = 0; i < inner.size(); ++i) {
        const QChar c = inner[i];
        if (c == QLatin1Char('\\') && i + 1 < inner.size()) {
            const QChar n = inner[i + 1];
            if (n == QLatin1Char('\\') || n == QLatin1Char('"')) {
                value.append(n);
                ++i;
                continue;
            }
            if (n == QLatin1Char('n') || n == QLatin1Char('r')) {
                value.append(n == QLatin1Char('n') ? QLatin1Char('\n') : QLatin1Char('\r'));
                ++i;
                continue;
            }
        }
        value.append(c);
    }
    return value;
}

void checkName(QStringView name, bool isKey)
{
    // One pass over the name: this runs for every key written.
    const char *problem = nullptr;
    if (name.isEmpty())
        problem = "is empty";
    else if (isBlank(static_cast<char>(name.front().unicode() < 0x80 ? name.front().unicode() : 'x')) ||
             isBlank(static_cast<char>(name.back().unicode() < 0x80 ? name.back().unicode() : 'x')))
        problem = "has blanks at its ends";
    else if (isKey && (name.front() == QLatin1Char('[') || name.front() == QLatin1Char(';')))
        problem = "starts with \"[\" or \";\"";
    for (qsizetype i = 0; !problem && i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        // Letters and most punctuation sort after every character refused below.
        if (c > u']' || (c > u'=' && c < u']'))
            continue;
        if (c == u'\n' || c == u'\r')
            problem = "contains a line break";
        else if (isKey && c == u'=')
            problem = "contains \"=\"";
        else if (!isKey && c == u']')
            problem = "contains \"]\"";
    }
    if (problem)
        throw EPLXError(QStringLiteral("Invalid INI %1 name \"%2\": it %3")
                            .arg(isKey ? QStringLiteral("key") : QStringLiteral("section"), name.toString(),
                                 QString::fromLatin1(problem)));
}

struct Registry
{
    QMutex mutex;
    QHash<QString, std::weak_ptr<TPLXIniDocument>> documents;
};

Registry &registry()
{
    static Registry r;
    return r;
}

QString registryKeyFor(const QString &fileName)
{
    const QFileInfo info(fileName);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

std::atomic<qint64> &maxFileSizeSetting()
{
    static std::atomic<qint64> limit{qint64(1) << 30};
    return limit;
}

// Devices, pipes and directories are refused by what the file system says
// about the path (links followed) before anything opens it: opening a pipe
// blocks, and a device such as /dev/zero never ends.
void checkRegularFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile())
        throw EPLXFileError(fileName,
                            QStringLiteral("is not a regular file (%1); only regular files are read and written")
                                .arg(info.isDir() ? QStringLiteral("a directory")
                                                  : QStringLiteral("a device, pipe or socket")));
}

void checkSize(const QString &fileName, qint64 size, qint64 limit)
{
    if (size > limit)
        throw EPLXFileError(fileName,
                            QStringLiteral("is %1 bytes long, more than the limit of %2 bytes").arg(size).arg(limit));
}

// The whole text of a regular file; empty when it does not exist.
QByteArray readFile(const QString &fileName)
{
    checkRegularFile(fileName);
    QByteArray bytes;
    QFile file(fileName);
    if (file.exists()) {
        const qint64 size = QFileInfo(fileName).size();
        checkSize(fileName, size, TPLXIniDocument::maxFileSize());
        if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            throw EPLXFileError(fileName, QStringLiteral("cannot be read (%1)").arg(file.errorString()));
        // Read into one buffer of the measured size, then try one byte more to
        // notice a file that grew since it was measured.
        bytes = QByteArray(size, Qt::Uninitialized);
        qint64 got = 0;
        for (qint64 n = 0; got < size; got += n)
            if ((n = file.read(bytes.data() + got, size - got)) <= 0)
                break;
        bytes.truncate(got);
        char more = 0;
        if (got == size && file.read(&more, 1) > 0)
            throw EPLXFileError(fileName, QStringLiteral("changed while it was read"));
    }
    return bytes;
}

} // namespace

qint64 TPLXIniDocument::maxFileSize()
{
    return maxFileSizeSetting().load();
}

void TPLXIniDocument::setMaxFileSize(qint64 bytes)
{
    maxFileSizeSetting().store(std::clamp<qint64>(bytes, 0, kMaxFileSize - 1));
}

std::shared_ptr<TPLXIniDocument> TPLXIniDocument::open(const QString &fileName)
{
    if (fileName.isEmpty())
        throw EPLXFileError(fileName, QStringLiteral("no INI file name given"));
    checkRegularFile(fileName);
    const QString key = registryKeyFor(fileName);
    Registry &reg = registry();
    QMutexLocker lock(&reg.mutex);
    if (auto existing = reg.documents.value(key).lock())
        return existing;

    QByteArray bytes = readFile(key);
    std::shared_ptr<TPLXIniDocument> document(new TPLXIniDocument);
    document->FFileName = key;
    document->FRegistryKey = key;
    // Parsed when first used: for its sections when read, whole when written.
    document->FBuffer = std::move(bytes);
    document->FParsePending = true;
    reg.documents.insert(key, document);
    return document;
}

std::shared_ptr<TPLXIniDocument> TPLXIniDocument::fromBytes(const QByteArray &bytes)
{
    std::shared_ptr<TPLXIniDocument> document(new TPLXIniDocument);
    document->parseSections(bytes.size() >= kMaxFileSize ? QByteArray() : bytes);
    return document;
}

TPLXIniDocument::~TPLXIniDocument()
{
    // The last store let go without a flush: write now.
    flushOnRelease();
    if (!FRegistryKey.isEmpty()) {
        Registry &reg = registry();
        QMutexLocker lock(&reg.mutex);
        const auto it = reg.documents.constFind(FRegistryKey);
        if (it != reg.documents.cend() && it.value().expired())
            reg.documents.erase(it);
    }
}

TPLXIniDocument::Span TPLXIniDocument::store(QByteArrayView bytes)
{
    if (static_cast<quint64>(FArena.size()) + static_cast<quint64>(bytes.size()) >= kArenaBit)
        throw EPLXError(QStringLiteral("INI document %1 grew too large").arg(FFileName));
    const Span span{static_cast<quint32>(FArena.size()) | kArenaBit, static_cast<quint32>(bytes.size())};
    FArena.append(bytes.data(), bytes.size());
    return span;
}

TPLXIniDocument::Span TPLXIniDocument::store(QStringView text)
{
    if (!isAscii(text))
        return store(QByteArrayView(text.toUtf8()));
    // Most names and values are ASCII: copy them straight into the arena.
    if (static_cast<quint64>(FArena.size()) + static_cast<quint64>(text.size()) >= kArenaBit)
        throw EPLXError(QStringLiteral("INI document %1 grew too large").arg(FFileName));
    const auto offset = static_cast<quint32>(FArena.size());
    FArena.resize(FArena.size() + text.size());
    char *out = FArena.data() + offset;
    for (const QChar c : text)
        *out++ = static_cast<char>(c.unicode());
    return Span{offset | kArenaBit, static_cast<quint32>(text.size())};
}

void TPLXIniDocument::ensureParsed() const
{
    auto *self = const_cast<TPLXIniDocument *>(this);
    if (FReleasedSections > 0)
        forgetText();
    // Anything but a read needs the text as it is: a file that cannot be read
    // again raises here, before a write or a save could lose its sections.
    if (FTextOnDisk) {
        self->FBuffer = readFile(FFileName);
        self->FTextOnDisk = false;
        self->FParsePending = true;
    }
    if (FParsePending || FSectionsOnly)
        self->parse(std::exchange(self->FBuffer, QByteArray()));
}

void TPLXIniDocument::ensureSections() const
{
    if (!FParsePending)
        return;
    auto *self = const_cast<TPLXIniDocument *>(this);
    if (FTextOnDisk) {
        try {
            self->FBuffer = readFile(FFileName);
            self->FTextOnDisk = false;
        } catch (const EPLXError &error) {
            // Reads find nothing; the text stays on disk for a write to try again.
            PLXLog(error.message());
        }
    }
    self->parseSections(std::exchange(self->FBuffer, QByteArray()));
}

bool TPLXIniDocument::scanLine(qsizetype &pos, Entry &entry, Span &name) const
{
    const char *data = FBuffer.constData();
    const qsizetype size = FBuffer.size();
    const char *eol = static_cast<const char *>(std::memchr(data + pos, '\n', size - pos));
    const qsizetype lineEnd = eol ? eol - data : size;
    const qsizetype lineStart = pos;
    qsizetype a = pos;
    qsizetype b = lineEnd;
    while (a < b && isBlank(data[a]))
        ++a;
    while (b > a && isBlank(data[b - 1]))
        --b;
    pos = eol ? lineEnd + 1 : size;

    if (a < b && data[a] == '[') {
        qsizetype n0 = a + 1;
        const char *close = static_cast<const char *>(std::memchr(data + n0, ']', b - n0));
        qsizetype n1 = close ? close - data : b;
        while (n0 < n1 && isBlank(data[n0]))
            ++n0;
        while (n1 > n0 && isBlank(data[n1 - 1]))
            --n1;
        name = Span{static_cast<quint32>(n0), static_cast<quint32>(n1 - n0)};
        return true;
    }
    const char *eq =
        (a < b && data[a] != ';') ? static_cast<const char *>(std::memchr(data + a, '=', b - a)) : nullptr;
    if (eq && eq > data + a) {
        qsizetype k1 = eq - data;
        while (k1 > a && isBlank(data[k1 - 1]))
            --k1;
        qsizetype v0 = eq - data + 1;
        while (v0 < b && isBlank(data[v0]))
            ++v0;
        entry.key = Span{static_cast<quint32>(a), static_cast<quint32>(k1 - a)};
        entry.value = Span{static_cast<quint32>(v0), static_cast<quint32>(b - v0)};
    } else {
        // Kept with its leading blanks: trimmed, an odd first line that starts
        // with a byte-order mark would read back as the file's own mark.
        entry.key = Span{};
        entry.value = Span{static_cast<quint32>(lineStart), static_cast<quint32>(b - lineStart)};
    }
    return false;
}

void TPLXIniDocument::parse(QByteArray bytes)
{
    parse(std::move(bytes), true);
}

void TPLXIniDocument::parseSections(QByteArray bytes)
{
    parse(std::move(bytes), false);
}

void TPLXIniDocument::parse(QByteArray bytes, bool withLines)
{
    FParsePending = false;
    FSectionsOnly = !withLines;
    FBuffer = std::move(bytes);
    FReleasedSections = 0;
    FPagePending.clear();
    FArena.clear();
    FEntries.clear();
    FSections.clear();
    FKeyTables.clear();
    for (BodyLines &cached : FBodyCache)
        cached.section = -1;
    FLastSection = -1;
    FPreviousSection = -1;
    FKeyHint = -1;
    FAsciiKeys = true;
    FLastCheckedSection = -1;
    forgetRecentSections();

    const char *data = FBuffer.constData();
    const qsizetype size = FBuffer.size();
    qsizetype pos = 0;
    FBom = size >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0;
    if (FBom)
        pos = 3;
    const char *firstNewline = static_cast<const char *>(std::memchr(data + pos, '\n', size - pos));
    FCrLf = firstNewline && firstNewline > data && firstNewline[-1] == '\r';

    if (withLines)
        FEntries.reserve(static_cast<size_t>(FBuffer.count('\n')) + 1);
    // Every line that starts with "[" is a header: a table grown by doubling
    // would hold up to twice the room while a large document loads.
    FSections.reserve(static_cast<size_t>(headerLines(FBuffer)) + 1);
    const auto addSection = [this, withLines](Span name, bool header, qsizetype body) {
        Section section{name, static_cast<quint32>(FEntries.size()), 0, 0, -1, header, false};
        section.lines = withLines;
        section.body = static_cast<quint32>(body);
        FSections.push_back(section);
    };
    addSection(Span{}, false, pos);
    Entry entry;
    Span name;
    while (pos < size) {
        if (scanLine(pos, entry, name)) {
            FSections.back().capacity = FSections.back().count;
            addSection(name, true, pos);
        } else if (withLines) {
            if (entry.key.len != 0)
                FAsciiKeys = FAsciiKeys && isAscii(text(entry.key));
            FEntries.push_back(entry);
            ++FSections.back().count;
        }
    }
    FSections.back().capacity = FSections.back().count;
    rebuildSectionTable();
    FModified = false;
}

const std::vector<TPLXIniDocument::Entry> *TPLXIniDocument::bodyLines(qint64 s) const
{
    for (size_t i = 0; i < FBodyCache.size(); ++i) {
        if (FBodyCache[i].section == s) {
            // Most recent first: loading returns to a parent's section after its children's.
            std::rotate(FBodyCache.begin(), FBodyCache.begin() + i, FBodyCache.begin() + i + 1);
            return &FBodyCache.front().entries;
        }
    }
    std::rotate(FBodyCache.begin(), FBodyCache.end() - 1, FBodyCache.end());
    BodyLines &cached = FBodyCache.front();
    cached.section = -1;
    cached.entries.clear();
    qsizetype pos = FSections[s].body;
    Entry entry;
    Span name;
    while (pos < FBuffer.size() && !scanLine(pos, entry, name)) {
        if (cached.entries.size() == kLinearScanLimit) {
            // A long section: room for its lines at once, counted up to the next header.
            const qsizetype end = s + 1 < qint64(FSections.size()) ? qsizetype(FSections[s + 1].body) : FBuffer.size();
            cached.entries.reserve(kLinearScanLimit +
                                   static_cast<size_t>(QByteArrayView(FBuffer).sliced(pos, end - pos).count('\n')) +
                                   1);
        }
        cached.entries.push_back(entry);
    }
    if (cached.entries.size() <= kLinearScanLimit) {
        cached.section = s;
        return &cached.entries;
    }
    // Long sections are read by key table: their lines join FEntries for good.
    auto *self = const_cast<TPLXIniDocument *>(this);
    Section &section = self->FSections[s];
    section.first = static_cast<quint32>(FEntries.size());
    section.count = static_cast<quint32>(cached.entries.size());
    section.capacity = section.count;
    section.lines = true;
    for (const Entry &line : cached.entries)
        if (line.key.len != 0)
            self->FAsciiKeys = FAsciiKeys && isAscii(text(line.key));
    if (FEntries.empty())
        self->FEntries.swap(cached.entries);
    else
        self->FEntries.insert(self->FEntries.end(), cached.entries.begin(), cached.entries.end());
    // The room of a long section is not kept for the short ones read next.
    std::vector<Entry>().swap(cached.entries);
    return nullptr;
}

bool TPLXIniDocument::lookUp(qint64 s, QStringView key, QString &value) const
{
    const std::vector<Entry> *lines = FSections[s].lines ? nullptr : bodyLines(s);
    if (lines) {
        for (const Entry &entry : *lines) {
            if (entry.key.len != 0 && equalNames(text(entry.key), key)) {
                value = decodeValue(text(entry.value));
                return true;
            }
        }
        return false;
    }
    const qint64 e = findKey(FSections[s], key);
    if (e < 0)
        return false;
    value = decodeValue(text(FEntries[e].value));
    return true;
}

void TPLXIniDocument::rebuildSectionTable()
{
    FSectionTable.assign(tableSizeFor(FSections.size()), 0);
    FLastSection = -1;
    FPreviousSection = -1;
    FSectionHint = 0;
    for (quint32 i = 0; i < FSections.size(); ++i) {
        FSections[i].repeat = false;
        if (FSections[i].header && !FSections[i].erased)
            indexSection(i);
    }
}

void TPLXIniDocument::indexSection(quint32 index)
{
    const QByteArrayView name = text(FSections[index].name);
    const size_t mask = FSectionTable.size() - 1;
    for (size_t slot = hashName(name) & mask;; slot = (slot + 1) & mask) {
        const quint32 occupant = FSectionTable[slot];
        if (occupant == 0) {
            FSectionTable[slot] = index + 1;
            return;
        }
        // A repeated section name: the first occurrence answers.
        if (sameName(text(FSections[occupant - 1].name), name)) {
            FSections[index].repeat = true;
            return;
        }
    }
}

qint64 TPLXIniDocument::findSection(QStringView name) const
{
    // A released section's name may be gone with its text: a name with the
    // same hash may be its, and brings the text back.
    bool textWanted = false;
    const auto named = [&](qint64 s) {
        const Section &section = FSections[s];
        if (!section.released)
            return equalNames(text(section.name), name);
        textWanted = textWanted || section.nameHash == static_cast<quint32>(hashName(name));
        return false;
    };
    // Reads and writes come in runs on one section. Comparing with its stored
    // name copies nothing; a name that matches it names no other section.
    if (FLastSection >= 0 && named(FLastSection))
        return FLastSection;
    qint64 found = -1;
    if (FPreviousSection >= 0 && named(FPreviousSection)) {
        // Back from a child's section to its parent's.
        found = FPreviousSection;
    } else if (FSectionHint < FSections.size() && FSections[FSectionHint].header && !FSections[FSectionHint].erased &&
               !FSections[FSectionHint].repeat && named(static_cast<qint64>(FSectionHint))) {
        // Loading and saving meet most sections in file order.
        found = static_cast<qint64>(FSectionHint++);
    } else {
        const size_t mask = FSectionTable.size() - 1;
        for (size_t slot = hashName(name) & mask;; slot = (slot + 1) & mask) {
            const quint32 occupant = FSectionTable[slot];
            if (occupant == 0)
                break;
            if (named(occupant - 1)) {
                found = occupant - 1;
                FSectionHint = std::max<quint64>(FSectionHint, occupant);
                break;
            }
        }
    }
    if (textWanted) {
        forgetText();
        ensureSections();
        return findSection(name);
    }
    FPreviousSection = FLastSection;
    FLastSection = found;
    return found;
}

void TPLXIniDocument::buildKeyTable(quint32 sectionIndex) const
{
    const Section &section = FSections[sectionIndex];
    std::vector<quint32> table(tableSizeFor(section.count * 2), 0);
    const size_t mask = table.size() - 1;
    section.keys = KeyOrder::Unique;
    for (quint32 i = 0; i < section.count; ++i) {
        const Entry &entry = FEntries[section.first + i];
        if (entry.key.len == 0)
            continue;
        const QByteArrayView key = text(entry.key);
        for (size_t slot = hashName(key) & mask;; slot = (slot + 1) & mask) {
            if (table[slot] == 0) {
                table[slot] = i + 1;
                break;
            }
            if (sameName(text(FEntries[section.first + table[slot] - 1].key), key)) {
                section.keys = KeyOrder::Repeated;
                break;
            }
        }
    }
    if (section.keyTable < 0) {
        section.keyTable = static_cast<qint32>(FKeyTables.size());
        FKeyTables.push_back(std::move(table));
    } else {
        FKeyTables[section.keyTable] = std::move(table);
    }
}

qint64 TPLXIniDocument::findKey(const Section &section, QStringView key) const
{
    // A save writes a section's keys in the order it wrote them last time:
    // the line after the last one found is tried first, which answers only
    // while no key of the section repeats.
    if (FKeyHint >= section.first && FKeyHint < qint64(section.first) + section.count && keysUnique(section)) {
        const Entry &entry = FEntries[FKeyHint];
        if (entry.key.len != 0 && matchAscii(text(entry.key), key) == Match::Same)
            return FKeyHint++;
    }
    const qint64 found = findKeyIn(section, key);
    FKeyHint = found + 1;
    return found;
}

qint64 TPLXIniDocument::findKeyIn(const Section &section, QStringView key) const
{
    if (section.count <= kLinearScanLimit) {
        // Without non-ASCII keys in the document, lengths settle most ASCII keys.
        const bool byLength = FAsciiKeys && isAscii(key);
        for (quint32 i = 0; i < section.count; ++i) {
            const Entry &entry = FEntries[section.first + i];
            if (entry.key.len == 0 || (byLength && entry.key.len != key.size()))
                continue;
            if (equalNames(text(entry.key), key))
                return section.first + i;
        }
        return -1;
    }
    const auto sectionIndex = static_cast<quint32>(&section - FSections.data());
    if (section.keyTable < 0 || FKeyTables[section.keyTable].size() < section.count * 2)
        buildKeyTable(sectionIndex);
    const std::vector<quint32> &table = FKeyTables[section.keyTable];
    const size_t mask = table.size() - 1;
    for (size_t slot = hashName(key) & mask;; slot = (slot + 1) & mask) {
        const quint32 occupant = table[slot];
        if (occupant == 0)
            return -1;
        const qint64 entryIndex = section.first + occupant - 1;
        if (equalNames(text(FEntries[entryIndex].key), key))
            return entryIndex;
    }
}

bool TPLXIniDocument::keysUnique(const Section &section) const
{
    if (section.keys == KeyOrder::Unknown) {
        if (section.count > kLinearScanLimit) {
            buildKeyTable(static_cast<quint32>(&section - FSections.data()));
        } else {
            section.keys = KeyOrder::Unique;
            for (quint32 i = 0; i < section.count && section.keys == KeyOrder::Unique; ++i) {
                const Span a = FEntries[section.first + i].key;
                for (quint32 j = i + 1; a.len != 0 && j < section.count; ++j) {
                    const Span b = FEntries[section.first + j].key;
                    if (b.len != 0 && (!FAsciiKeys || a.len == b.len) && sameName(text(a), text(b))) {
                        section.keys = KeyOrder::Repeated;
                        break;
                    }
                }
            }
        }
    }
    return section.keys == KeyOrder::Unique;
}

bool TPLXIniDocument::readString(QStringView section, QStringView key, QString &value) const
{
    ensureSections();
    const qint64 s = findSection(section);
    return s >= 0 && lookUp(s, key, value);
}

void TPLXIniDocument::forgetText() const
{
    auto *self = const_cast<TPLXIniDocument *>(this);
    self->freeTables();
    self->forgetRecentSections();
    self->FBuffer = QByteArray();
    self->FTextOnDisk = true;
    self->FParsePending = true;
    self->FReleasedSections = 0;
    self->FPagePending.clear();
    // A loader that comes back to what it finished would read the file again and again.
    self->FReleaseStopped = true;
}

namespace {

quintptr pageSize()
{
#if defined(Q_OS_LINUX)
    static const auto size = static_cast<quintptr>(sysconf(_SC_PAGESIZE));
    return size;
#else
    return 0;
#endif
}

} // namespace

TPLXIniDocument::PageSpan TPLXIniDocument::pagesOf(qint64 s) const
{
    // The text's whole pages: partial ones at its ends hold others' memory too.
    const quintptr page = pageSize();
    const auto begin = reinterpret_cast<quintptr>(FBuffer.constData());
    const quintptr first = (begin + page - 1) / page * page;
    const quintptr last = (begin + static_cast<quintptr>(FBuffer.size())) / page * page;
    const qint64 count = last > first ? static_cast<qint64>((last - first) / page) : 0;
    // From the name (the lines before the first header for the first "section"),
    // through the next header line, which reading the lines runs into.
    const qsizetype from = s == 0 ? 0 : qsizetype(FSections[s].name.off);
    const qsizetype to = s + 1 < qint64(FSections.size()) ? qsizetype(FSections[s + 1].body) : FBuffer.size();
    PageSpan span{first, page, count, 0, 0};
    if (to > from && count > 0) {
        const auto origin = static_cast<qint64>(first / page);
        span.lo = std::max<qint64>(static_cast<qint64>((begin + quintptr(from)) / page) - origin, 0);
        span.hi = std::min<qint64>(static_cast<qint64>((begin + quintptr(to) - 1) / page) - origin + 1, count);
    }
    return span;
}

void TPLXIniDocument::countPages()
{
    FPagePending.assign(static_cast<size_t>(pagesOf(0).count), 0);
    for (qint64 s = 0; s < qint64(FSections.size()); ++s) {
        const PageSpan span = pagesOf(s);
        for (qint64 p = span.lo; p < span.hi; ++p)
            ++FPagePending[static_cast<size_t>(p)];
    }
}

void TPLXIniDocument::releaseSection(QStringView section)
{
#if defined(Q_OS_LINUX)
    // Only the text of a file as read, and only while nothing else shares it.
    if (FFileName.isEmpty() || FParsePending || !FSectionsOnly || FModified || FRewriting || !FArena.isEmpty() ||
        FReleaseStopped || !FBuffer.isDetached())
        return;
    const qint64 s = findSection(section);
    if (s <= 0 || FReleaseStopped)
        return;
    if (FPagePending.empty())
        countPages();
    Section &released = FSections[s];
    released.nameHash = static_cast<quint32>(hashName(text(released.name)));
    released.released = true;
    ++FReleasedSections;
    for (BodyLines &cached : FBodyCache)
        if (cached.section == s)
            cached.section = -1;
    const PageSpan span = pagesOf(s);
    // Runs of pages no section uses any more go back in one call each.
    qint64 run = -1;
    const auto giveBack = [&span, &run](qint64 end) {
        if (run >= 0)
            madvise(reinterpret_cast<void *>(span.first + quintptr(run) * span.page), quintptr(end - run) * span.page,
                    MADV_DONTNEED);
        run = -1;
    };
    for (qint64 p = span.lo; p < span.hi; ++p) {
        if (--FPagePending[static_cast<size_t>(p)] == 0) {
            if (run < 0)
                run = p;
        } else {
            giveBack(p);
        }
    }
    giveBack(span.hi);
#else
    Q_UNUSED(section);
#endif
}

bool TPLXIniDocument::holdsPlainly(const Entry &entry, QStringView value) const
{
    // A line read with blanks around its "=" is written back plain once written.
    if (((entry.key.off | entry.value.off) & kArenaBit) == 0 && entry.value.off != entry.key.off + entry.key.len + 1)
        return false;
    const QByteArrayView stored = text(entry.value);
    if (stored.size() != value.size())
        return false;
    for (qsizetype i = 0; i < stored.size(); ++i)
        if (static_cast<unsigned char>(stored[i]) >= 0x80 || stored[i] != value[i].unicode())
            return false;
    return !needsQuoting(value);
}

void TPLXIniDocument::markWritten(quint32 entryIndex)
{
    if (entryIndex >= FWrittenNow.size())
        FWrittenNow.resize(FEntries.size());
    FWrittenNow[entryIndex] = true;
}

bool TPLXIniDocument::isMarkedWritten(quint32 entryIndex) const
{
    return entryIndex < FWrittenNow.size() && FWrittenNow[entryIndex];
}

void TPLXIniDocument::appendEntry(quint32 sectionIndex, const Entry &entry)
{
    Section &section = FSections[sectionIndex];
    if (section.first + section.count == FEntries.size()) {
        FEntries.push_back(entry);
    } else if (section.count < section.capacity) {
        FEntries[section.first + section.count] = entry;
    } else {
        // Move the section's lines to the end with room to grow; the old
        // slots are dropped at the next flush.
        const auto newFirst = static_cast<quint32>(FEntries.size());
        const quint32 newCapacity = std::max<quint32>(4, section.count * 2);
        FEntries.resize(FEntries.size() + newCapacity);
        std::copy_n(FEntries.begin() + section.first, section.count, FEntries.begin() + newFirst);
        for (quint32 i = 0; i < section.count; ++i)
            if (isMarkedWritten(section.first + i))
                markWritten(newFirst + i);
        section.first = newFirst;
        section.capacity = newCapacity;
        FEntries[section.first + section.count] = entry;
    }
    ++section.count;
    section.capacity = std::max(section.capacity, section.count);
    if (section.keyTable < 0)
        return;
    std::vector<quint32> &table = FKeyTables[section.keyTable];
    if (table.size() < section.count * 2) {
        buildKeyTable(sectionIndex);
        return;
    }
    const size_t mask = table.size() - 1;
    size_t slot = hashName(text(entry.key)) & mask;
    while (table[slot] != 0)
        slot = (slot + 1) & mask;
    table[slot] = section.count;
}

void TPLXIniDocument::writeString(QStringView section, QStringView key, QStringView value)
{
    ensureParsed();
    // Writes come section by section: check a section's name once, the first
    // time after another section was written.
    const qint64 s = findSection(section);
    if (s < 0 || s != FLastCheckedSection)
        checkName(section, false);
    checkName(key, true);
    write(s, section, key, value);
}

void TPLXIniDocument::writeString(const QString &section, const QString &key, QStringView value)
{
    ensureParsed();
    // A save writes runs of keys to one section with the same few key strings.
    // A string that shares its data with one held here holds the same text,
    // so it is neither looked up nor checked again.
    const size_t hit = recentSection(section);
    const qint64 s = hit < FRecentSections.size() ? FRecentSections[hit].index : findSection(section);
    if (s < 0 || s != FLastCheckedSection)
        checkName(section, false);
    QString &checked = FCheckedKeys[(reinterpret_cast<quintptr>(key.constData()) / sizeof(QChar)) % kCheckedKeys];
    if (key.isEmpty() || key.constData() != checked.constData() || key.size() != checked.size()) {
        checkName(key, true);
        checked = key;
    }
    rememberSection(hit, section, write(s, section, key, value));
}

bool TPLXIniDocument::readString(const QString &section, QStringView key, QString &value) const
{
    ensureSections();
    size_t hit = recentSection(section);
    qint64 s = hit < FRecentSections.size() ? FRecentSections[hit].index : findSection(section);
    if (s >= 0 && FSections[s].released) {
        forgetText();
        ensureSections();
        hit = FRecentSections.size();
        s = findSection(section);
    }
    if (s < 0)
        return false;
    rememberSection(hit, section, s);
    return lookUp(s, key, value);
}

size_t TPLXIniDocument::recentSection(const QString &section) const
{
    for (size_t i = 0; i < FRecentSections.size() && !section.isEmpty(); ++i) {
        const RecentSection &recent = FRecentSections[i];
        if (recent.index >= 0 && section.constData() == recent.name.constData() &&
            section.size() == recent.name.size())
            return i;
    }
    return FRecentSections.size();
}

void TPLXIniDocument::rememberSection(size_t hit, const QString &section, qint64 index) const
{
    // Most recent first: a save returns to a bar's section after its halo's.
    const auto first = FRecentSections.begin();
    if (hit < FRecentSections.size()) {
        std::rotate(first, first + hit, first + hit + 1);
    } else {
        std::rotate(first, FRecentSections.end() - 1, FRecentSections.end());
        first->name = section;
    }
    first->index = index;
}

void TPLXIniDocument::forgetRecentSections()
{
    for (RecentSection &recent : FRecentSections)
        recent.index = -1;
}

qint64 TPLXIniDocument::write(qint64 s, QStringView section, QStringView key, QStringView value)
{
    if (s < 0) {
        Section created;
        created.name = store(section);
        created.first = static_cast<quint32>(FEntries.size());
        created.keys = KeyOrder::Unique;
        FSections.push_back(created);
        s = static_cast<qint64>(FSections.size()) - 1;
        if (FSectionTable.size() < FSections.size() * 2)
            rebuildSectionTable();
        else
            indexSection(static_cast<quint32>(s));
    }
    FLastCheckedSection = s;
    const qint64 e = findKey(FSections[s], key);
    if (e >= 0 && holdsPlainly(FEntries[e], value)) {
        // A save of an unchanged document copies none of its values.
        if (FRewriting)
            markWritten(static_cast<quint32>(e));
    } else {
        const Span valueSpan = needsQuoting(value) ? store(QStringView(quoteValue(value))) : store(value);
        if (e >= 0) {
            FEntries[e].value = valueSpan;
        } else {
            FAsciiKeys = FAsciiKeys && isAscii(key);
            appendEntry(static_cast<quint32>(s), Entry{store(key), valueSpan});
        }
    }
    if (FRewriting && !FSections[s].rewritten) {
        FSections[s].rewritten = true;
        FRewrittenSections.push_back(static_cast<quint32>(s));
    }
    FModified = true;
    FWriteFailed = false;
    return s;
}

QStringList TPLXIniDocument::sections() const
{
    if (FReleasedSections > 0)
        forgetText();
    ensureSections();
    QStringList names;
    for (quint32 i = 0; i < FSections.size(); ++i) {
        const Section &s = FSections[i];
        if (!s.header || s.erased)
            continue;
        const QString name = fromStoredUtf8(text(s.name));
        // Repeated sections are listed once, where they first appear.
        if (findSection(name) == static_cast<qint64>(i))
            names.append(name);
    }
    return names;
}

QStringList TPLXIniDocument::keys(QStringView section) const
{
    ensureParsed();
    QStringList names;
    const qint64 s = findSection(section);
    if (s < 0)
        return names;
    const Section &sec = FSections[s];
    for (quint32 i = 0; i < sec.count; ++i) {
        const Entry &entry = FEntries[sec.first + i];
        if (entry.key.len == 0)
            continue;
        const QString key = fromStoredUtf8(text(entry.key));
        if (findKey(sec, key) == static_cast<qint64>(sec.first + i))
            names.append(key);
    }
    return names;
}

bool TPLXIniDocument::sectionExists(QStringView section) const
{
    ensureSections();
    return findSection(section) >= 0;
}

int TPLXIniDocument::keyCount(QStringView section) const
{
    ensureSections();
    const qint64 s = findSection(section);
    if (s < 0)
        return 0;
    int count = 0;
    if (const std::vector<Entry> *lines = FSections[s].lines ? nullptr : bodyLines(s)) {
        for (const Entry &entry : *lines)
            count += entry.key.len != 0 ? 1 : 0;
        return count;
    }
    const Section &sec = FSections[s];
    for (quint32 i = 0; i < sec.count; ++i)
        count += FEntries[sec.first + i].key.len != 0 ? 1 : 0;
    return count;
}

void TPLXIniDocument::eraseSection(QStringView section)
{
    ensureParsed();
    bool erased = false;
    for (Section &s : FSections) {
        if (s.header && !s.erased && sameName(text(s.name), section)) {
            s.erased = true;
            erased = true;
        }
    }
    if (erased) {
        forgetRecentSections();
        rebuildSectionTable();
        FModified = true;
        FWriteFailed = false;
    }
}

void TPLXIniDocument::beginRewrite()
{
    ensureParsed();
    // An unmodified document is its parsed text, which edits never change.
    FRewriteBaseModified = FModified;
    FRewriteBase = FModified ? toBytes() : FBuffer;
    FRewriteArenaStart = static_cast<quint32>(FArena.size());
    FRewrittenSections.clear();
    FWrittenNow.clear();
    FRewriting = true;
}

quint32 TPLXIniDocument::firstOccurrence(quint32 sectionIndex) const
{
    const QByteArrayView name = text(FSections[sectionIndex].name);
    const size_t mask = FSectionTable.size() - 1;
    for (size_t slot = hashName(name) & mask;; slot = (slot + 1) & mask) {
        const quint32 occupant = FSectionTable[slot];
        if (occupant == 0)
            return sectionIndex;
        if (sameName(text(FSections[occupant - 1].name), name))
            return occupant - 1;
    }
}

void TPLXIniDocument::dropUnwritten()
{
    // A value written during the rewrite was stored in the arena after its
    // start, or was found there already and marked.
    const auto writtenNow = [this](const Entry &entry, quint32 index) {
        return ((entry.value.off & kArenaBit) != 0 && (entry.value.off & ~kArenaBit) >= FRewriteArenaStart) ||
               isMarkedWritten(index);
    };
    bool dropped = false;
    for (const quint32 index : FRewrittenSections) {
        Section &section = FSections[index];
        quint32 kept = 0;
        for (quint32 i = 0; i < section.count; ++i) {
            const Entry &entry = FEntries[section.first + i];
            if (entry.key.len == 0 || writtenNow(entry, section.first + i))
                FEntries[section.first + kept++] = entry;
        }
        if (kept != section.count) {
            section.count = kept;
            dropped = true;
            if (section.keyTable >= 0)
                buildKeyTable(index);
        }
    }
    if (!FRewrittenSections.empty()) {
        for (quint32 i = 0; i < FSections.size(); ++i) {
            Section &section = FSections[i];
            if (!section.header || section.erased || section.rewritten)
                continue;
            const quint32 first = firstOccurrence(i);
            if (first != i && FSections[first].rewritten) {
                section.erased = true;
                forgetRecentSections();
                dropped = true;
            }
        }
    }
    for (const quint32 index : FRewrittenSections)
        FSections[index].rewritten = false;
    FRewrittenSections.clear();
    FWrittenNow = {};
    FRewriting = false;
    if (dropped)
        FModified = true;
}

void TPLXIniDocument::commitRewrite()
{
    if (!FRewriting)
        return;
    dropUnwritten();
    try {
        flush();
    } catch (const EPLXError &) {
        FRewriting = true;
        cancelRewrite();
        throw;
    }
    FRewriteBase.clear();
}

void TPLXIniDocument::cancelRewrite()
{
    if (!FRewriting)
        return;
    FRewriting = false;
    FRewrittenSections.clear();
    FWrittenNow = {};
    parse(std::exchange(FRewriteBase, QByteArray()));
    FModified = FRewriteBaseModified;
}

QByteArray TPLXIniDocument::toBytes() const
{
    ensureParsed();
    const QByteArrayView eol = FCrLf ? QByteArrayView("\r\n") : QByteArrayView("\n");
    // Measure first, then copy into one allocation: a document has a million lines.
    auto forEachPiece = [&](auto &&write) {
        bool atStart = true;
        auto put = [&](QByteArrayView piece) {
            // Text that starts with a byte-order mark it did not read as one (a key
            // or odd line with one after blanks) would read back as the file's own
            // mark; a blank line in front keeps it a line.
            if (atStart && !piece.isEmpty()) {
                if (!FBom && piece.startsWith("\xEF\xBB\xBF"))
                    write(eol);
                atStart = false;
            }
            write(piece);
        };
        if (FBom)
            put(QByteArrayView("\xEF\xBB\xBF"));
        for (const Section &s : FSections) {
            if (s.erased)
                continue;
            if (s.header) {
                put(QByteArrayView("["));
                put(text(s.name));
                put(QByteArrayView("]"));
                put(eol);
            }
            for (quint32 i = 0; i < s.count; ++i) {
                const Entry &entry = FEntries[s.first + i];
                if (entry.key.len != 0 && ((entry.key.off | entry.value.off) & kArenaBit) == 0) {
                    // An untouched line goes back exactly as it was read.
                    put(text(Span{entry.key.off, entry.value.off + entry.value.len - entry.key.off}));
                } else {
                    if (entry.key.len != 0) {
                        put(text(entry.key));
                        put(QByteArrayView("="));
                    }
                    put(text(entry.value));
                }
                put(eol);
            }
        }
    };
    qsizetype size = 0;
    forEachPiece([&size](QByteArrayView piece) { size += piece.size(); });
    QByteArray out(size, Qt::Uninitialized);
    char *cursor = out.data();
    forEachPiece([&cursor](QByteArrayView piece) {
        if (!piece.isEmpty())
            std::memcpy(cursor, piece.data(), static_cast<size_t>(piece.size()));
        cursor += piece.size();
    });
    return out;
}

void TPLXIniDocument::flush()
{
    if (!FModified || FFileName.isEmpty())
        return;
    QByteArray bytes = toBytes();
    try {
        // The target may have been replaced by a device or pipe since it was read.
        checkRegularFile(FFileName);
        // Unbuffered, and written until the system refuses: a short write (the
        // file-size limit, a full disk) then fails with the system's reason
        // instead of passing as done. An uncommitted temporary file is removed.
        QSaveFile file(FFileName);
        qint64 written = 0;
        if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            for (qint64 n = 0; written < bytes.size(); written += n)
                if ((n = file.write(bytes.constData() + written, bytes.size() - written)) <= 0)
                    break;
        }
        if (!file.isOpen() || written != bytes.size() || !file.commit())
            throw EPLXFileError(FFileName, QStringLiteral("cannot be written (%1)").arg(file.errorString()));
    } catch (const EPLXError &) {
        FWriteFailed = true;
        throw;
    }
    // What is on disk now becomes the text, which drops the lines left over by
    // edits. It is parsed when next used: a store released after its save
    // never needs it.
    FArena = QByteArray();
    freeTables();
    FBuffer = std::move(bytes);
    FParsePending = true;
    FModified = false;
    FWriteFailed = false;
}

void TPLXIniDocument::freeTables()
{
    // Swapped out: assigning {} would keep their capacity.
    std::vector<Entry>().swap(FEntries);
    std::vector<Section>().swap(FSections);
    std::vector<quint32>().swap(FSectionTable);
    std::vector<std::vector<quint32>>().swap(FKeyTables);
    for (BodyLines &cached : FBodyCache) {
        cached.section = -1;
        std::vector<Entry>().swap(cached.entries);
    }
}

void TPLXIniDocument::compact()
{
    // Without writes every span still points into the text, so parsing it
    // again gives the same document.
    if (FParsePending || FModified || FRewriting || !FArena.isEmpty())
        return;
    // The file holds the same text: it is read again when next used.
    if (!FFileName.isEmpty()) {
        forgetText();
        FReleaseStopped = false;
        return;
    }
    freeTables();
    forgetRecentSections();
    FParsePending = true;
}

void TPLXIniDocument::flushOnRelease()
{
    if (FWriteFailed)
        return;
    try {
        flush();
    } catch (const EPLXError &error) {
        PLXLog(error.message());
        PLXShowMessage(error.message());
    }
}
