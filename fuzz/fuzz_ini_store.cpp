// Arbitrary bytes as a document: through the INI store's typed getters and
// the entity factory, which must report problems and never crash or leak.
#include "plxIniDocument.h"
#include "plxPlatform.h"
#include "plxTestSupport.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TPLXRecordingScope recording;
    auto document =
        TPLXIniDocument::fromBytes(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    TPLXINIFIle media(document);

    const QStringList sections = document->sections();
    for (const QString &section : sections) {
        for (const QString &key : document->keys(section)) {
            qint32 i = 0;
            double r = 0;
            bool b = false;
            QStringList strings;
            QList<qint32> ints;
            QList<double> reals;
            media.getIntProperty(section, key, 7, i);
            media.getRealProperty(section, key, 1.5, r);
            media.getBoolProperty(section, key, true, b);
            media.getStrArrayProperty(section, key, strings);
            media.getIntArrayProperty(section, key, ints);
            media.getRealArrayProperty(section, key, reals);
            try {
                TColor c = 0;
                media.getColorProperty(section, key, 0, c);
            } catch (const EPLXConvertError &) {
                // A text that is no colour is the caller's to report.
            }
        }
    }

    TPLXTestFactory factory;
    std::unique_ptr<TPLXGanttObject> root(factory.loadObject(QStringLiteral("root"), media, nullptr));
    // Every other section as its own root: loaded ones are owned by whoever loaded them first.
    std::vector<std::unique_ptr<TPLXGanttObject>> roots;
    for (const QString &section : sections) {
        if (factory.getObjectIndex(section) >= 0)
            continue;
        TPLXGanttObject *entity = factory.loadObject(section, media, nullptr);
        if (entity && !entity->getParent())
            roots.emplace_back(entity);
    }
    roots.clear();
    root.reset();
    if (TPLXTestNode::liveCount != 0)
        std::abort();
    return 0;
}
