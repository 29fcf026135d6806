// Key tables of settings records: one row per stored field gives its key, the
// member holding it, how it is written and read, and its default, so that a
// record's load, save and Assign walk the same list in the same order.
#pragma once

#include "plxColors.h"
#include "plxMedia.h"

#include <span>
#include <type_traits>
#include <variant>

// How a field is written and read back.
enum class TPLXFieldCodec {
    Int,
    // An Int that loading clamps into 0..PLXLimits::kMaxSize (Real for double members).
    Size,
    // An Int that loading clamps into 0..`last`.
    Enum,
    Bool,
    Real,
    // A colour property.
    Color,
    // Colour text (a name such as clBlack, or $BBGGRR) both ways.
    ColorText,
    // Written as a colour property, read as colour text.
    ColorReadAsText,
    // Written as colour text, read as a colour property.
    ColorWrittenAsText,
};

template<typename Record>
struct TPLXStoredField
{
    const char *key;
    std::variant<int Record::*, bool Record::*, double Record::*> member;
    TPLXFieldCodec codec;
    // The value a section without the key gives; colours read as text or
    // written as text take theirs from `defText`.
    double def = 0;
    const char *defText = nullptr;
    // Whether Assign copies the field.
    bool assigned = true;
    // The largest member of an Enum.
    qint32 last = 0;
};

template<typename Record>
void plxSaveFields(const Record &record, std::span<const TPLXStoredField<Record>> fields, const QString &section,
                   IPLXMedia &media)
{
    for (const TPLXStoredField<Record> &field : fields) {
        const QString key = QString::fromLatin1(field.key);
        std::visit(
            [&](auto member) {
                const auto value = record.*member;
                switch (field.codec) {
                case TPLXFieldCodec::Int:
                case TPLXFieldCodec::Enum:
                    media.setIntProperty(section, key, static_cast<qint32>(value));
                    break;
                case TPLXFieldCodec::Size:
                    if constexpr (std::is_floating_point_v<decltype(value)>)
                        media.setRealProperty(section, key, value);
                    else
                        media.setIntProperty(section, key, static_cast<qint32>(value));
                    break;
                case TPLXFieldCodec::Bool:
                    media.setBoolProperty(section, key, static_cast<bool>(value));
                    break;
                case TPLXFieldCodec::Real:
                    media.setRealProperty(section, key, static_cast<double>(value));
                    break;
                case TPLXFieldCodec::Color:
                case TPLXFieldCodec::ColorReadAsText:
                    media.setColorProperty(section, key, static_cast<TColor>(value));
                    break;
                case TPLXFieldCodec::ColorText:
                case TPLXFieldCodec::ColorWrittenAsText:
                    media.setStrProperty(section, key, ColorToString(static_cast<TColor>(value)));
                    break;
                }
            },
            field.member);
    }
}

template<typename Record>
void plxLoadFields(Record &record, std::span<const TPLXStoredField<Record>> fields, const QString &section,
                   IPLXMedia &media)
{
    for (const TPLXStoredField<Record> &field : fields) {
        const QString key = QString::fromLatin1(field.key);
        std::visit(
            [&](auto member) {
                using Value = std::remove_reference_t<decltype(record.*member)>;
                Value &value = record.*member;
                switch (field.codec) {
                case TPLXFieldCodec::Int:
                    value = static_cast<Value>(media.intValue(section, key, static_cast<qint32>(field.def)));
                    break;
                case TPLXFieldCodec::Size:
                    if constexpr (std::is_floating_point_v<Value>)
                        value = media.realValueIn(section, key, field.def, 0, PLXLimits::kMaxSize);
                    else
                        value = static_cast<Value>(media.sizeValue(section, key, static_cast<qint32>(field.def)));
                    break;
                case TPLXFieldCodec::Enum:
                    value = static_cast<Value>(
                        media.intValueIn(section, key, static_cast<qint32>(field.def), 0, field.last));
                    break;
                case TPLXFieldCodec::Bool:
                    value = static_cast<Value>(media.boolValue(section, key, field.def != 0));
                    break;
                case TPLXFieldCodec::Real:
                    value = static_cast<Value>(media.realValue(section, key, field.def));
                    break;
                case TPLXFieldCodec::Color:
                    value = static_cast<Value>(media.colorValue(section, key, static_cast<TColor>(field.def)));
                    break;
                case TPLXFieldCodec::ColorText:
                case TPLXFieldCodec::ColorReadAsText:
                    value = static_cast<Value>(
                        StringToColor(media.strValue(section, key, QString::fromLatin1(field.defText))));
                    break;
                case TPLXFieldCodec::ColorWrittenAsText:
                    value = static_cast<Value>(
                        media.colorValue(section, key, StringToColor(QString::fromLatin1(field.defText))));
                    break;
                }
            },
            field.member);
    }
}

template<typename Record>
void plxAssignFields(Record &record, const Record &source, std::span<const TPLXStoredField<Record>> fields)
{
    for (const TPLXStoredField<Record> &field : fields)
        if (field.assigned)
            std::visit([&](auto member) { record.*member = source.*member; }, field.member);
}
