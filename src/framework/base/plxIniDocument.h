// The INI file service: one parsed INI text with case-insensitive section and
// key lookup in constant time, shared by every store open on the same file.
#pragma once

#include "plxTypes.h"

#include <QByteArray>
#include <QStringList>

#include <array>
#include <memory>
#include <vector>

class ORVANTA_EXPORT TPLXIniDocument
{
public:
    // Opens the document of `fileName`, or joins the one already open on that
    // file, so that two stores see each other's writes. A missing file reads
    // as empty; an unreadable one raises EPLXFileError.
    static std::shared_ptr<TPLXIniDocument> open(const QString &fileName);
    // Only regular files (or links to them) are read and written: a device,
    // pipe or directory raises EPLXFileError, and so does a file longer than
    // maxFileSize() bytes (1 GB unless the application sets another limit).
    static qint64 maxFileSize();
    static void setMaxFileSize(qint64 bytes);
    // A document parsed from bytes, bound to no file.
    static std::shared_ptr<TPLXIniDocument> fromBytes(const QByteArray &bytes);

    ~TPLXIniDocument();
    TPLXIniDocument(const TPLXIniDocument &) = delete;
    TPLXIniDocument &operator=(const TPLXIniDocument &) = delete;

    QString fileName() const { return FFileName; }

    // The value of the first key of that name in the first section of that name.
    bool readString(QStringView section, QStringView key, QString &value) const;
    // The same, faster for runs of reads that pass the same section string.
    bool readString(const QString &section, QStringView key, QString &value) const;
    // Overwrites the key in place, or appends it to the section (created at the end).
    void writeString(QStringView section, QStringView key, QStringView value);
    // The same, faster for runs of writes that pass the same section and key strings.
    void writeString(const QString &section, const QString &key, QStringView value);

    QStringList sections() const;
    QStringList keys(QStringView section) const;
    bool sectionExists(QStringView section) const;
    // Lines with a key in the section (0 when it does not exist).
    int keyCount(QStringView section) const;
    void eraseSection(QStringView section);

    // A rewrite puts a whole document into the file: each section written
    // between beginRewrite and commitRewrite keeps only the keys written to it
    // (lines without a key stay) and later repeats of its name go; sections not
    // written stay as they are. commitRewrite then flushes; when that fails it
    // raises and, like cancelRewrite, returns to the text from before.
    void beginRewrite();
    void commitRewrite();
    void cancelRewrite();

    // Writes the whole text to a temporary file beside the target and renames
    // it over the target; raises EPLXFileError and keeps the old file on failure.
    void flush();
    // As flush, for a store or document being released: a write that failed
    // has been reported by its raiser and is not tried again until new writes.
    void flushOnRelease();
    // Frees the lookup tables of a document without unsaved writes, and the
    // text too when a file holds it; the next read or write reads the file and
    // parses it again. Reads of a file that can no longer be read find nothing
    // (the reason is logged); writes and rewrites raise EPLXFileError.
    void compact();
    // The loader is done with `section`: while a file read for loading has no
    // writes, the memory of text that only finished sections used goes back to
    // the system. A later use of a finished section reads the file again.
    void releaseSection(QStringView section);
    bool isModified() const { return FModified; }
    QByteArray toBytes() const;

private:
    struct Span
    {
        quint32 off = 0; // top bit: in FArena instead of FBuffer
        quint32 len = 0;
    };
    struct Entry
    {
        Span key; // empty: a line kept as it is (blank, comment, no "=")
        Span value;
    };
    // Whether a section's keys are known to be distinct.
    enum class KeyOrder : quint8 { Unknown, Unique, Repeated };
    struct Section
    {
        Span name;
        quint32 first = 0;
        quint32 count = 0;
        quint32 capacity = 0;
        mutable qint32 keyTable = -1;
        bool header = true; // false for the lines before the first section
        bool erased = false;
        bool rewritten = false;
        mutable KeyOrder keys = KeyOrder::Unknown;
        // An earlier section has the same name.
        bool repeat = false;
        // Its lines are in FEntries; otherwise they are read from the text
        // starting at `body` when asked for.
        bool lines = true;
        // Let go by releaseSection: its text may be gone, its name is known by nameHash.
        bool released = false;
        quint32 body = 0;
        quint32 nameHash = 0;
    };

    TPLXIniDocument() = default;
    void parse(QByteArray bytes);
    // Parses only the section headers: reads take a section's lines from the
    // text when they first ask for them, so that a document being loaded holds
    // no table of all its lines.
    void parseSections(QByteArray bytes);
    void parse(QByteArray bytes, bool withLines);
    // Whether the line at `pos` is a section header (its name in `name`),
    // else reads it into `entry`; moves `pos` to the next line.
    bool scanLine(qsizetype &pos, Entry &entry, Span &name) const;
    // Parses all lines of the text, for anything but reads.
    void ensureParsed() const;
    // Parses the section headers of a text not parsed yet (just read, flushed or compacted).
    void ensureSections() const;
    // The lines of a section whose lines are not in FEntries: from a few kept
    // recently read, or read from the text. A long section moves its lines
    // into FEntries instead, and the answer is null.
    const std::vector<Entry> *bodyLines(qint64 s) const;
    // The value of `key` in section `s`, looked up however its lines are held.
    bool lookUp(qint64 s, QStringView key, QString &value) const;
    // Frees the lines, sections and lookup tables, which the next parse builds again.
    void freeTables();
    // Lets the text go, so that the next use reads the file again, as after compact().
    void forgetText() const;
    // The whole pages of the text that section `s` uses when read: pages
    // [lo, hi) of the text's `count`, of `page` bytes from the address `first`.
    struct PageSpan
    {
        quintptr first;
        quintptr page;
        qint64 count;
        qint64 lo;
        qint64 hi;
    };
    PageSpan pagesOf(qint64 s) const;
    // Counts for each page of the text the sections that use it.
    void countPages();
    // Inline: every lookup reads stored names through it.
    QByteArrayView text(Span span) const
    {
        if (span.off & 0x80000000u)
            return QByteArrayView(FArena.constData() + (span.off & 0x7FFFFFFFu), span.len);
        return QByteArrayView(FBuffer.constData() + span.off, span.len);
    }
    Span store(QByteArrayView bytes);
    Span store(QStringView text);
    qint64 findSection(QStringView name) const;
    qint64 findKey(const Section &section, QStringView key) const;
    qint64 findKeyIn(const Section &section, QStringView key) const;
    bool keysUnique(const Section &section) const;
    void indexSection(quint32 index);
    void rebuildSectionTable();
    void buildKeyTable(quint32 sectionIndex) const;
    void appendEntry(quint32 sectionIndex, const Entry &entry);
    // The entry already reads as `value` would be written.
    bool holdsPlainly(const Entry &entry, QStringView value) const;
    void markWritten(quint32 entryIndex);
    bool isMarkedWritten(quint32 entryIndex) const;
    // Writes into section `s` (created when negative) with names already checked; returns the section.
    qint64 write(qint64 s, QStringView section, QStringView key, QStringView value);
    quint32 firstOccurrence(quint32 sectionIndex) const;
    void dropUnwritten();

    // Sections read without their lines in FEntries, most recent first.
    struct BodyLines
    {
        qint64 section = -1;
        std::vector<Entry> entries;
    };
    static constexpr size_t kBodyCache = 8;
    mutable std::array<BodyLines, kBodyCache> FBodyCache;
    // Not every section's lines are in FEntries (see parseSections).
    bool FSectionsOnly = false;

    QString FFileName;
    QString FRegistryKey;
    QByteArray FBuffer;
    QByteArray FArena;
    std::vector<Entry> FEntries;
    std::vector<Section> FSections;
    std::vector<quint32> FSectionTable; // open addressing: section index + 1, 0 = free
    mutable std::vector<std::vector<quint32>> FKeyTables;
    mutable qint64 FLastSection = -1;
    mutable qint64 FPreviousSection = -1;
    // The section findSection tries after the last one: the one after the
    // furthest section found.
    mutable quint64 FSectionHint = 0;
    // The line findKey tries first: the one after the line it found last.
    mutable qint64 FKeyHint = -1;
    // No key holds a non-ASCII byte, so keys of other lengths never match.
    bool FAsciiKeys = true;
    // Index of the section whose name the last write checked.
    qint64 FLastCheckedSection = -1;
    // The section strings of the last reads and writes with their sections,
    // and key strings already checked, held so that their data cannot change.
    struct RecentSection
    {
        QString name;
        qint64 index = -1;
    };
    mutable std::array<RecentSection, 4> FRecentSections;
    // The entry of FRecentSections holding `section`'s data, or its size.
    size_t recentSection(const QString &section) const;
    void rememberSection(size_t hit, const QString &section, qint64 index) const;
    void forgetRecentSections();
    static constexpr size_t kCheckedKeys = 64;
    std::array<QString, kCheckedKeys> FCheckedKeys;
    bool FBom = false;
    bool FCrLf = false;
    bool FModified = false;
    bool FParsePending = false;
    // compact() let the text go: the file holds it.
    bool FTextOnDisk = false;
    // Sections released since the text was read, and for each whole page of
    // the text the sections that use it and are not released yet.
    quint32 FReleasedSections = 0;
    std::vector<quint32> FPagePending;
    // A released section was used again: the text read back stays whole.
    bool FReleaseStopped = false;
    bool FWriteFailed = false;
    // The rewrite in progress: values stored in the arena from this offset on
    // were written during it.
    bool FRewriting = false;
    quint32 FRewriteArenaStart = 0;
    std::vector<quint32> FRewrittenSections;
    // Entries written during the rewrite with the value they held.
    std::vector<bool> FWrittenNow;
    QByteArray FRewriteBase;
    bool FRewriteBaseModified = false;
};
