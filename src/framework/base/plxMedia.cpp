#include "plxMedia.h"
#include "plxColors.h"
#include "plxIniDocument.h"
#include "plxPlatform.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <cmath>

namespace {

QString countKey(const QString &key)
{
    return key + QLatin1String("#count");
}

// Turns `name` (a key, "#" and `stem` characters in all) into the key of element
// `index` in place: an array of a large plan has a hundred thousand elements.
void setElementKey(QString &name, qsizetype stem, qsizetype index)
{
    name.resize(stem);
    char digits[24];
    int length = 0;
    for (qsizetype rest = index; length == 0 || rest > 0; rest /= 10)
        digits[length++] = static_cast<char>('0' + rest % 10);
    while (length > 0)
        name.append(QLatin1Char(digits[--length]));
}

void logArrayCut(const QString &section, const QString &key, qint32 claimed, qint32 read)
{
    PLXLog(QStringLiteral("Array \"%1\" in section \"%2\" claims %3 elements; reading %4")
               .arg(key, section)
               .arg(claimed)
               .arg(read));
}

void logClamped(const QString &section, const QString &key, const QString &stored, const QString &used)
{
    PLXLog(QStringLiteral("Key \"%1\" in section \"%2\" is %3; using %4").arg(key, section, stored, used));
}

} // namespace

// ---------------------------------------------------------------- IPLXMedia

IPLXMedia::~IPLXMedia() = default;

void IPLXMedia::flush()
{
}

void IPLXMedia::compact()
{
}

void IPLXMedia::releaseSection(const QString &)
{
}

void IPLXMedia::beginDocument()
{
}

void IPLXMedia::endDocument()
{
    flush();
}

void IPLXMedia::cancelDocument()
{
}

qint32 IPLXMedia::intValue(const QString &section, const QString &key, qint32 def)
{
    qint32 value = def;
    getIntProperty(section, key, def, value);
    return value;
}

QString IPLXMedia::strValue(const QString &section, const QString &key, const QString &def)
{
    QString value = def;
    getStrProperty(section, key, def, value);
    return value;
}

bool IPLXMedia::boolValue(const QString &section, const QString &key, bool def)
{
    bool value = def;
    getBoolProperty(section, key, def, value);
    return value;
}

double IPLXMedia::realValue(const QString &section, const QString &key, double def)
{
    double value = def;
    getRealProperty(section, key, def, value);
    return value;
}

TColor IPLXMedia::colorValue(const QString &section, const QString &key, TColor def)
{
    TColor value = def;
    getColorProperty(section, key, def, value);
    return value;
}

QStringList IPLXMedia::strArray(const QString &section, const QString &key)
{
    QStringList values;
    getStrArrayProperty(section, key, values);
    return values;
}

qint32 IPLXMedia::intValueIn(const QString &section, const QString &key, qint32 def, qint32 lo, qint32 hi)
{
    const qint32 value = intValue(section, key, def);
    const qint32 used = std::clamp(value, lo, hi);
    if (used != value)
        logClamped(section, key, QString::number(value), QString::number(used));
    return used;
}

double IPLXMedia::realValueIn(const QString &section, const QString &key, double def, double lo, double hi)
{
    const double value = realValue(section, key, def);
    const double used = std::isfinite(value) ? std::clamp(value, lo, hi) : std::clamp(def, lo, hi);
    if (used != value)
        logClamped(section, key, QString::number(value), QString::number(used, 'g', 17));
    return used;
}

double IPLXMedia::dateValue(const QString &section, const QString &key, double def)
{
    return realValueIn(section, key, def, PLXLimits::kMinDate, PLXLimits::kMaxDate);
}

double IPLXMedia::durationValue(const QString &section, const QString &key, double def)
{
    return realValueIn(section, key, def, -PLXLimits::kMaxDuration, PLXLimits::kMaxDuration);
}

qint32 IPLXMedia::sizeValue(const QString &section, const QString &key, qint32 def)
{
    return intValueIn(section, key, def, 0, PLXLimits::kMaxSize);
}

// ----------------------------------------------------------- TPLXDummyMedia

TPLXDummyMedia::TPLXDummyMedia(const QString &path)
    : FPath(path)
{
}

bool TPLXDummyMedia::getIntProperty(const QString &, const QString &, qint32 def, qint32 &value)
{
    value = def;
    return false;
}

bool TPLXDummyMedia::getIntArrayProperty(const QString &, const QString &, QList<qint32> &values)
{
    values.clear();
    return false;
}

bool TPLXDummyMedia::getStrProperty(const QString &, const QString &, const QString &def, QString &value)
{
    value = def;
    return false;
}

bool TPLXDummyMedia::getStrArrayProperty(const QString &, const QString &, QStringList &values)
{
    values.clear();
    return false;
}

bool TPLXDummyMedia::getBoolProperty(const QString &, const QString &, bool def, bool &value)
{
    value = def;
    return false;
}

bool TPLXDummyMedia::getBoolArrayProperty(const QString &, const QString &, QList<bool> &values)
{
    values.clear();
    return false;
}

bool TPLXDummyMedia::getRealProperty(const QString &, const QString &, double def, double &value)
{
    value = def;
    return false;
}

bool TPLXDummyMedia::getRealArrayProperty(const QString &, const QString &, QList<double> &values)
{
    values.clear();
    return false;
}

void TPLXDummyMedia::setIntProperty(const QString &, const QString &, qint32)
{
}
void TPLXDummyMedia::setIntArrayProperty(const QString &, const QString &, const QList<qint32> &)
{
}
void TPLXDummyMedia::setStrProperty(const QString &, const QString &, const QString &)
{
}
void TPLXDummyMedia::setStrArrayProperty(const QString &, const QString &, const QStringList &)
{
}
void TPLXDummyMedia::setBoolProperty(const QString &, const QString &, bool)
{
}
void TPLXDummyMedia::setBoolArrayProperty(const QString &, const QString &, const QList<bool> &)
{
}
void TPLXDummyMedia::setRealProperty(const QString &, const QString &, double)
{
}
void TPLXDummyMedia::setRealArrayProperty(const QString &, const QString &, const QList<double> &)
{
}

bool TPLXDummyMedia::getColorProperty(const QString &, const QString &, TColor def, TColor &value)
{
    value = def;
    return false;
}

void TPLXDummyMedia::setColorProperty(const QString &, const QString &, TColor)
{
}

QString TPLXDummyMedia::setGraphic(const QString &, const QString &, const QImage &)
{
    return QStringLiteral("dummy filename that does not exists.");
}

// -------------------------------------------------------------- TPLXINIFIle

TPLXINIFIle::TPLXINIFIle(const QString &path)
    : TPLXDummyMedia(path)
    , FIniFile(TPLXIniDocument::open(path))
{
    QDir::setCurrent(QFileInfo(FIniFile->fileName()).absolutePath());
}

TPLXINIFIle::TPLXINIFIle(std::shared_ptr<TPLXIniDocument> document)
    : TPLXDummyMedia(document->fileName())
    , FIniFile(std::move(document))
{
}

TPLXINIFIle::~TPLXINIFIle()
{
    FIniFile->flushOnRelease();
}

void TPLXINIFIle::flush()
{
    FIniFile->flush();
}

void TPLXINIFIle::compact()
{
    FIniFile->compact();
}

void TPLXINIFIle::releaseSection(const QString &section)
{
    FIniFile->releaseSection(section);
}

void TPLXINIFIle::beginDocument()
{
    FIniFile->beginRewrite();
}

void TPLXINIFIle::endDocument()
{
    FIniFile->commitRewrite();
}

void TPLXINIFIle::cancelDocument()
{
    FIniFile->cancelRewrite();
}

bool TPLXINIFIle::getStrProperty(const QString &section, const QString &key, const QString &def, QString &value)
{
    if (FIniFile->readString(section, key, value))
        return true;
    value = def;
    return false;
}

void TPLXINIFIle::setStrProperty(const QString &section, const QString &key, const QString &value)
{
    FIniFile->writeString(section, key, value);
}

bool TPLXINIFIle::getIntProperty(const QString &section, const QString &key, qint32 def, qint32 &value)
{
    QString text;
    const bool present = FIniFile->readString(section, key, text);
    if (!present || !PLXTryStrToInt(text, value))
        value = def;
    return present;
}

void TPLXINIFIle::setIntProperty(const QString &section, const QString &key, qint32 value)
{
    FIniFile->writeString(section, key, QString::number(value));
}

bool TPLXINIFIle::getBoolProperty(const QString &section, const QString &key, bool def, bool &value)
{
    qint32 number = 0;
    const bool present = getIntProperty(section, key, def ? 1 : 0, number);
    value = number != 0;
    return present;
}

void TPLXINIFIle::setBoolProperty(const QString &section, const QString &key, bool value)
{
    FIniFile->writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TPLXINIFIle::getRealProperty(const QString &section, const QString &key, double def, double &value)
{
    QString text;
    const bool present = FIniFile->readString(section, key, text);
    if (!present || !PLXTryStrToFloat(text, value))
        value = def;
    return present;
}

void TPLXINIFIle::setRealProperty(const QString &section, const QString &key, double value)
{
    FIniFile->writeString(section, key, PLXFloatToStr(value));
}

bool TPLXINIFIle::getColorProperty(const QString &section, const QString &key, TColor def, TColor &value)
{
    QString text;
    getStrProperty(section, key, QString(), text);
    value = text.isEmpty() ? def : StringToColor(text);
    return true;
}

void TPLXINIFIle::setColorProperty(const QString &section, const QString &key, TColor value)
{
    FIniFile->writeString(section, key, ColorToString(value));
}

template<typename List, typename Element>
bool TPLXINIFIle::readArray(const QString &section, const QString &key, List &values, Element element)
{
    qint32 count = -1;
    getIntProperty(section, countKey(key), -1, count);
    if (count < 0)
        return false;
    // Room for every element at once, when the section holds as many keys.
    qint32 room = count;
    QString text;
    QString name = key + QLatin1Char('#');
    const qsizetype stem = name.size();
    // A count beyond the keys of the section cannot be met: reading it would
    // only produce defaults (and a list of entities would try to load each),
    // so the array ends with its last element that is present. Reading stays
    // linear in the size of the file.
    const int keyCount = FIniFile->keyCount(section);
    if (count > keyCount) {
        room = 0;
        std::vector<qint32> present;
        for (const QString &stored : FIniFile->keys(section)) {
            if (!stored.startsWith(name, Qt::CaseInsensitive))
                continue;
            bool number = false;
            const QStringView suffix = QStringView(stored).sliced(stem);
            const qint32 index = suffix.toInt(&number);
            // Only the element's own spelling of its index reads back as it.
            if (number && index >= 0 && index < count && suffix == QString::number(index))
                present.push_back(index);
        }
        std::sort(present.begin(), present.end());
        present.erase(std::unique(present.begin(), present.end()), present.end());
        const qint32 end = present.empty() ? 0 : present.back() + 1;
        // Gaps read as defaults up to a few per key of the section, which keeps reading linear in the file.
        if (end <= 16 * qint64(keyCount) + 16) {
            if (end < count)
                logArrayCut(section, key, count, end);
            count = end;
        } else {
            // Far more gaps than keys: only the elements present are read, in order.
            logArrayCut(section, key, count, static_cast<qint32>(present.size()));
            values.reserve(static_cast<qsizetype>(present.size()));
            for (const qint32 index : present) {
                setElementKey(name, stem, index);
                FIniFile->readString(section, name, text);
                element(&text);
            }
            return true;
        }
    }
    values.reserve(room);
    for (qint32 i = 0; i < count; ++i) {
        setElementKey(name, stem, i);
        const bool present = FIniFile->readString(section, name, text);
        element(present ? &text : nullptr);
    }
    return true;
}

void TPLXINIFIle::writeArray(const QString &section, const QString &key, const QStringList &texts)
{
    FIniFile->writeString(section, countKey(key), QString::number(texts.size()));
    QString name = key + QLatin1Char('#');
    const qsizetype stem = name.size();
    for (qsizetype i = 0; i < texts.size(); ++i) {
        setElementKey(name, stem, i);
        FIniFile->writeString(QStringView(section), QStringView(name), texts[i]);
    }
}

bool TPLXINIFIle::getIntArrayProperty(const QString &section, const QString &key, QList<qint32> &values)
{
    values.clear();
    return readArray(section, key, values, [&values](const QString *text) {
        qint32 value = 0;
        if (!text || !PLXTryStrToInt(*text, value))
            value = 0;
        values.append(value);
    });
}

bool TPLXINIFIle::getStrArrayProperty(const QString &section, const QString &key, QStringList &values)
{
    values.clear();
    return readArray(section, key, values,
                     [&values](const QString *text) { values.append(text ? *text : QString()); });
}

bool TPLXINIFIle::getBoolArrayProperty(const QString &section, const QString &key, QList<bool> &values)
{
    values.clear();
    return readArray(section, key, values, [&values](const QString *text) {
        qint32 value = 0;
        if (!text || !PLXTryStrToInt(*text, value))
            value = 0;
        values.append(value != 0);
    });
}

bool TPLXINIFIle::getRealArrayProperty(const QString &section, const QString &key, QList<double> &values)
{
    values.clear();
    return readArray(section, key, values, [&values](const QString *text) {
        double value = 0.0;
        if (!text || !PLXTryStrToFloat(*text, value))
            value = 0.0;
        values.append(value);
    });
}

void TPLXINIFIle::setIntArrayProperty(const QString &section, const QString &key, const QList<qint32> &values)
{
    QStringList texts;
    texts.reserve(values.size());
    for (const qint32 v : values)
        texts.append(QString::number(v));
    writeArray(section, key, texts);
}

void TPLXINIFIle::setStrArrayProperty(const QString &section, const QString &key, const QStringList &values)
{
    writeArray(section, key, values);
}

void TPLXINIFIle::setBoolArrayProperty(const QString &section, const QString &key, const QList<bool> &values)
{
    QStringList texts;
    texts.reserve(values.size());
    for (const bool v : values)
        texts.append(v ? QStringLiteral("1") : QStringLiteral("0"));
    writeArray(section, key, texts);
}

void TPLXINIFIle::setRealArrayProperty(const QString &section, const QString &key, const QList<double> &values)
{
    QStringList texts;
    texts.reserve(values.size());
    for (const double v : values)
        texts.append(PLXFloatToStr(v));
    writeArray(section, key, texts);
}

QString TPLXINIFIle::setGraphic(const QString &fileName, const QString &mimeType, const QImage &graphic)
{
    // A store in memory has no directory to put pictures beside it.
    if (FIniFile->fileName().isEmpty())
        return fileName;
    const QString target = QFileInfo(FIniFile->fileName()).absolutePath() + QLatin1Char('/') + fileName;
    const char *format = nullptr;
    if (mimeType == QLatin1String("image/bmp"))
        format = "BMP";
    else if (mimeType == QLatin1String("image/jpg"))
        format = "JPG";
    if (format && !graphic.save(target, format))
        throw EPLXFileError(target, QStringLiteral("the picture cannot be written"));
    return target;
}

QString TPLXINIFIle::graphicPath(const QString &stored) const
{
    if (stored.isEmpty() || !QFileInfo(stored).isRelative())
        return stored;
    return QFileInfo(FIniFile->fileName()).absolutePath() + QLatin1Char('/') + stored;
}

// --------------------------------------------------------- TPLXDefaultMedia

namespace {

struct DefaultDocument
{
    QHash<QString, QString> strings; // "section\nkey" -> value
    QHash<QString, QStringList> arrays;
    QStringList sections;

    static QString at(const char *section, const char *key)
    {
        return QString::fromLatin1(section) + QLatin1Char('\n') + QString::fromLatin1(key);
    }

    DefaultDocument()
    {
        static const char *const kStrings[][3] = {
            {"root", "typeID", "Document"},
            {"root", "table", "Default Table"},
            {"root", "tree", "Default Tree"},
            {"root", "calendar", "Default Calendar"},
            {"root", "task bar settings", "Default Task Bar Settings"},
            {"root", "connection settings", "Default Connection Settings"},
            {"root", "image bar settings", "Default Image Bar Settings"},
            {"root", "progress bar settings", "Default Progress Bar Settings"},
            {"root", "text bar settings", "Default Text Bar Settings"},
            {"root", "textual halo settings", "Default Text Halo Settings"},
            {"root", "hint text settings", "Default Hint Text settings"},
            {"root", "legend", "Default Legend"},
            {"Default Time Scale", "typeID", "Time Scale"},
            {"Default Time Scale", "grid", "Default Table"},
            {"Default Task Bar Settings", "typeID", "Task Bar Settings"},
            {"Default Text Bar Settings", "typeID", "Text Settings"},
            {"Default Text Halo Settings", "typeID", "Textual Halo Settings"},
            {"Default Hint Text settings", "typeID", "Text Settings"},
            {"Default Legend", "typeID", "Legend"},
            {"Default Image Bar Settings", "typeID", "Image Bar Settings"},
            {"Default Progress Bar Settings", "typeID", "Progress Bar Settings"},
            {"Default Table", "typeID", "Gantt Table"},
            {"Default Table", "default pert settings", "Default Pert Bar Settings"},
            {"Default Pert Bar Settings", "typeID", "Pert Bar Settings"},
            {"Default Gantt Row", "typeID", "Gantt Row"},
            {"Default Tree", "typeID", "Tree Grid"},
            {"Default Tree", "header", "Default Tree Header"},
            {"Default Tree", "root node", "Default Tree Root"},
            {"Default Tree", "vertical pane", "Default Vertical Pane"},
            {"Default Tree", "default row settings", "Default Tree Row Settings"},
            {"Default Tree", "default col settings", "Default Tree Column Settings"},
            {"Default Calendar", "typeID", "Document Calendar"},
            {"Weekends", "typeID", "Predefined Date Category"},
            {"Weekends", "Color", "$027FFFFF"},
            {"Holidays", "typeID", "Predefined Date Category"},
            {"Holidays", "Color", "$023434FF"},
            {"Default Tree Header", "typeID", "Tree Header"},
            {"Default Tree Root", "typeID", "Tree Node"},
            {"Default Tree Node", "typeID", "Tree Node"},
            {"Default Tree Node", "row", "Default Tree Row"},
            {"Default Tree Row", "typeID", "Tree Row"},
            {"Default Tree Row", "settings", "Default Tree Row Settings"},
            {"Default Tree Cell", "typeID", "Tree Auto Cell"},
            {"Default Tree Cell", "rowSettings", "Default Tree Row Settings"},
            {"Default Tree Cell", "colSettings", "Default Tree Column Settings"},
            {"Default Tree Cell", "dataType", "Default AutoNumber Type"},
            {"Default Tree Row Settings", "typeID", "Tree Row Settings"},
            {"Default Vertical Pane", "typeID", "Vertical resize pane"},
            {"Default Tree Header Cell", "typeID", "Tree Header Cell"},
            {"Default Tree Header Cell", "settings", "Default Tree Column Settings"},
            {"Default Tree Header Cell", "dataType", "Default AutoNumber Type"},
            {"Default Tree Column Settings", "typeID", "Tree Column Settings"},
            {"Default Connection Settings", "typeID", "Connection Settings"},
            {"Default AutoNumber Type", "typeID", "Tree AutoCellType.Number"},
        };
        for (const auto &row : kStrings) {
            strings.insert(at(row[0], row[1]), QString::fromLatin1(row[2]));
            if (!sections.contains(QLatin1String(row[0])))
                sections.append(QString::fromLatin1(row[0]));
        }
        arrays.insert(at("root", "time scales"), {QStringLiteral("Default Time Scale")});
        arrays.insert(at("Default Table", "rows"), {QStringLiteral("Default Gantt Row")});
        arrays.insert(at("Default Calendar", "categories"), {QStringLiteral("Weekends"), QStringLiteral("Holidays")});
        arrays.insert(at("Default Tree Header", "cells"), {QStringLiteral("Default Tree Header Cell")});
        arrays.insert(at("Default Tree Root", "children"), {QStringLiteral("Default Tree Node")});
        arrays.insert(at("Default Tree Row", "cells"), {QStringLiteral("Default Tree Cell")});
    }
};

const DefaultDocument &defaultDocument()
{
    static const DefaultDocument document;
    return document;
}

QString joinKey(const QString &section, const QString &key)
{
    return section + QLatin1Char('\n') + key;
}

} // namespace

TPLXDefaultMedia::TPLXDefaultMedia(const QString &path)
    : TPLXDummyMedia(path)
{
}

bool TPLXDefaultMedia::getStrProperty(const QString &section, const QString &key, const QString &def, QString &value)
{
    value = defaultDocument().strings.value(joinKey(section, key), def);
    return true;
}

bool TPLXDefaultMedia::getStrArrayProperty(const QString &section, const QString &key, QStringList &values)
{
    values = defaultDocument().arrays.value(joinKey(section, key));
    return true;
}

QStringList TPLXDefaultMedia::sectionNames()
{
    return defaultDocument().sections;
}

// --------------------------------------------------------- TPLXMediaFactory

QString TPLXMediaFactory::GetProtocol(const QString &storageName)
{
    const qsizetype colon = storageName.indexOf(QLatin1Char(':'));
    return colon < 0 ? QStringLiteral("default") : storageName.left(colon);
}

QString TPLXMediaFactory::GetType(const QString &storageName)
{
    const qsizetype dot = storageName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QStringLiteral("ini") : storageName.mid(dot + 1);
}

QString TPLXMediaFactory::GetPath(const QString &storageName)
{
    const qsizetype slashes = storageName.indexOf(QLatin1String("//"));
    return slashes < 0 ? QString() : storageName.mid(slashes + 2);
}

PLXMedia TPLXMediaFactory::CreateMedia(const QString &storageName)
{
    const QString protocol = GetProtocol(storageName);
    const QString type = GetType(storageName);
    const QString path = GetPath(storageName);
    if (protocol == QLatin1String("default"))
        return std::make_shared<TPLXDefaultMedia>(path);
    if (protocol == QLatin1String("file") && type == QLatin1String("ini"))
        return std::make_shared<TPLXINIFIle>(path);
    return std::make_shared<TPLXDummyMedia>(path);
}

QStringList TPLXINIFIle::sectionNames() const
{
    return FIniFile->sections();
}
