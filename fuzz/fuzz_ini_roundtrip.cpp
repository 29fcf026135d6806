// Parse, write, parse again: both parses must hold the same sections, keys
// and values, and values written through the store must read back unchanged.
#include "plxIniDocument.h"
#include "plxPlatform.h"

#include <cstdint>
#include <cstdlib>

namespace {

QStringList content(const TPLXIniDocument &document)
{
    QStringList lines;
    for (const QString &section : document.sections()) {
        lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        for (const QString &key : document.keys(section)) {
            QString value;
            if (!document.readString(section, key, value))
                std::abort();
            lines.append(key + QLatin1Char('=') + value);
        }
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TPLXRecordingScope recording;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    auto first = TPLXIniDocument::fromBytes(bytes);
    auto second = TPLXIniDocument::fromBytes(first->toBytes());
    if (content(*first) != content(*second))
        std::abort();

    // The input's own text as a value, under a key in a fresh section and in an existing one.
    const QString value = QString::fromUtf8(bytes.left(256));
    const QStringList sections = first->sections();
    const QString target = sections.isEmpty() ? QStringLiteral("fuzz") : sections.first();
    for (const QString &section : {QStringLiteral("fuzz written"), target}) {
        try {
            first->writeString(section, QStringLiteral("value"), value);
        } catch (const EPLXError &) {
            continue; // a name the format cannot hold is refused, not mangled
        }
        QString back;
        if (!first->readString(section, QStringLiteral("value"), back) || back != value)
            std::abort();
        auto third = TPLXIniDocument::fromBytes(first->toBytes());
        if (!third->readString(section, QStringLiteral("value"), back) || back != value)
            std::abort();
        if (content(*first) != content(*third))
            std::abort();
    }
    return 0;
}
