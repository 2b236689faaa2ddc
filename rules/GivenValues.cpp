#include "rules/GivenValues.h"

#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <vector>

#include "rules/AsciiText.h"
#include "rules/LiquidTemperature.h"
#include "rules/ListPositions.h"
#include "rules/Materials.h"
#include "rules/PipeSizes.h"
#include "text/TextTable.h"

namespace {

const std::array<GivenField, kGivenCount>& Fields() {
    static const std::array<GivenField, kGivenCount> fields = [] {
        std::array<GivenField, kGivenCount> made;
        for (const InputDescriptor& input : Inputs())
            made[FocusPosition(input.id)] = {input.optionName, input.captionTextId};
        made[kPipeSizeField] = {"pipe-size", TextId::PipeSizeNominalSize};
        made[kScheduleField] = {"schedule", TextId::PipeSizeSchedule};
        const InputDescriptor& temperature = Describe(InputId::FluidTemperature);
        made[kFluidTemperatureField] = {temperature.optionName, temperature.captionTextId};
        made[kWaterTemperatureField] = {"water-temperature", TextId::WaterTemperature};
        made[kSalinityField] = {"salinity", TextId::SalinityCaption};
        return made;
    }();
    return fields;
}

bool IsGiven(std::string_view value) {
    return !TrimBlanks(value).empty();
}

// A number read only at some entries of its list, and the entry that reads
// it when it is the only one (the typed sound velocities).
struct LockedNumber {
    const InputDescriptor* input;
    std::optional<int> soleReadingEntry;
};

const std::vector<LockedNumber>& LockedNumbers() {
    static const std::vector<LockedNumber> numbers = [] {
        std::vector<LockedNumber> found;
        for (const InputDescriptor& input : Inputs()) {
            if (!input.lock) continue;
            LockedNumber number{&input, std::nullopt};
            const qsizetype count =
                Describe(input.lock->list).entryNames(Language::Japanese).size();
            int readers = 0;
            for (int position = 0; position < count; ++position) {
                if (!input.lock->unlockedAt(position)) continue;
                ++readers;
                number.soleReadingEntry = position;
            }
            if (readers != 1) number.soleReadingEntry.reset();
            found.push_back(number);
        }
        return found;
    }();
    return numbers;
}

GivenRefusal Refusal(Reason reason, InputId field, InputId other) {
    return {reason, FocusPosition(field), FocusPosition(other)};
}

// A pipe size from the tables: the outer diameter and the wall it gives,
// where they are not given as the same numbers, and the pipe material it
// implies where none is chosen; `pick` is its row.
std::optional<GivenRefusal> ApplyPipeSize(const GivenPoint& point, Entries& entries,
                                          const NumberFormat& format,
                                          std::optional<PipeSizePick>& pick) {
    const std::string_view size = TrimBlanks(point.values[kPipeSizeField]);
    const std::string_view name = TrimBlanks(point.values[kScheduleField]);
    if (size.empty() != name.empty()) {
        if (size.empty()) return GivenRefusal{Reason::Needs, kScheduleField, kPipeSizeField};
        return GivenRefusal{Reason::Needs, kPipeSizeField, kScheduleField};
    }
    if (size.empty()) return std::nullopt;
    const auto text = [](std::string_view utf8) {
        return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    };
    const std::optional<std::size_t> schedule = FncFindPipeSchedule(text(name));
    if (!schedule) return GivenRefusal{Reason::NotInList, kScheduleField, kScheduleField};
    const PipeSchedule& table = PipeSchedules()[*schedule];
    const QString tableName = QString::fromLatin1(table.name.data(), qsizetype(table.name.size()));
    const std::optional<std::size_t> row = FncFindPipeSize(table, text(size));
    if (!row) {
        return GivenRefusal{
            Reason::NoSuchSize, kPipeSizeField, kScheduleField, {tableName, text(size)}};
    }
    const PipeSize& pipe = table.sizes[*row];
    const PipeSizeNumbers numbers = FncPipeSizeNumbers(pipe, format.units);
    const QString named =
        tableName + u' ' + QString::fromLatin1(pipe.name.data(), qsizetype(pipe.name.size()));
    for (const auto& [input, value] : {std::pair{InputId::OuterDiameter, numbers.outerDiameter},
                                       std::pair{InputId::WallThickness, numbers.wall}}) {
        Entry& entry = entries[FocusPosition(input)];
        if (!IsGiven(point.values[FocusPosition(input)])) {
            entry.number = value;
            entry.text = FncPipeSizeNumberText(value, format);
        } else if (FncDiffersFromTable(entry.text, value, format.locale)) {
            return GivenRefusal{Reason::DiffersFromTable,
                                FocusPosition(input),
                                kPipeSizeField,
                                {FncPipeSizeNumberText(value, format), named}};
        }
    }
    int& pipeEntry = entries[FocusPosition(InputId::PipeMaterial)].position;
    if (pipeEntry < 0) pipeEntry = FncImpliedPipeEntry(table);
    pick = PipeSizePick{*schedule, *row};
    return std::nullopt;
}

// A temperature of the fluid: the fluid velocity its model gives, the number
// the window's dialog types, and the typed-velocity entry chosen. It cannot
// go with a velocity of its own or with a fluid that has no model; the
// temperature of water only with water, as it always could; a salinity only
// with seawater and its temperature.
std::optional<GivenRefusal> ApplyTemperature(const GivenPoint& point, GivenEntries& given,
                                             const NumberFormat& format) {
    const auto text = [&](std::size_t field) {
        const std::string_view value = point.values[field];
        return QString::fromUtf8(value.data(), qsizetype(value.size()));
    };
    const bool salinity = IsGiven(point.values[kSalinityField]);
    std::size_t field = kFluidTemperatureField;
    if (IsGiven(point.values[kWaterTemperatureField])) {
        if (IsGiven(point.values[kFluidTemperatureField]))
            return GivenRefusal{Reason::EitherOr, kWaterTemperatureField, kFluidTemperatureField};
        field = kWaterTemperatureField;
    } else if (!IsGiven(point.values[kFluidTemperatureField])) {
        if (salinity) return GivenRefusal{Reason::Needs, kSalinityField, kFluidTemperatureField};
        return std::nullopt;
    }
    const std::size_t velocity = FocusPosition(InputId::FluidVelocity);
    const std::size_t fluid = FocusPosition(InputId::Fluid);
    if (IsGiven(point.values[velocity])) return GivenRefusal{Reason::EitherOr, field, velocity};
    int& fluidEntry = given.entries[fluid].position;
    const int liquid = fluidEntry >= 0 ? fluidEntry : kWaterEntry;
    const TemperatureModel* model =
        FncTemperatureModelOf(fluidEntry >= 0 ? fluidEntry : kFluidTypedVelocityEntry);
    if (model == nullptr) return GivenRefusal{Reason::NoTemperatureModel, field, fluid};
    if (field == kWaterTemperatureField && model->liquid != LiquidModel::Water)
        return GivenRefusal{Reason::NotReadWith, field, fluid};
    if (salinity && !FncLiquidModelFacts(model->liquid).takesSalinity)
        return GivenRefusal{Reason::NotReadWith, kSalinityField, fluid};
    const LiquidReading reading = FncReadLiquid(*model, text(field), text(kSalinityField), format);
    if (reading.refusal) {
        const std::size_t refused = reading.salinityRefused ? kSalinityField : field;
        return GivenRefusal{*reading.refusal, refused, refused};
    }
    fluidEntry = kFluidTypedVelocityEntry;
    given.entries[velocity].number = reading.velocity;
    given.entries[velocity].text = reading.velocityText;
    given.liquid = LiquidOrigin{model->liquid, liquid, reading};
    given.temperatureField = field;
    return std::nullopt;
}

// A name as columns are matched: compatibility forms (full- and half-width)
// folded, letter case folded, and one '-' for any run of blanks, '_' and '-'
// between words.
QString NameKey(QStringView name) {
    const QString folded = name.toString().normalized(QString::NormalizationForm_KC).toCaseFolded();
    QString key;
    bool gap = false;
    for (const QChar c : folded) {
        if (c == u' ' || c == u'\t' || c == u'_' || c == u'-') {
            gap = !key.isEmpty();
            continue;
        }
        if (gap) key += u'-';
        gap = false;
        key += c;
    }
    return key;
}

QString NameKey(std::string_view utf8) {
    return NameKey(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
}

struct NamedField {
    QString key;
    std::size_t field;
    bool japaneseCaption = false;
};

// The option name and both captions of every field.
const std::vector<NamedField>& FieldNames() {
    static const std::vector<NamedField> names = [] {
        std::vector<NamedField> made;
        for (std::size_t field = 0; field < kGivenCount; ++field) {
            made.push_back({NameKey(QString::fromLatin1(Fields()[field].optionName)), field});
            for (const Language language : kLanguages)
                made.push_back({NameKey(FncGetText(Fields()[field].captionTextId, language)), field,
                                language == Language::Japanese});
        }
        return made;
    }();
    return names;
}

// Letters to insert, delete, change or swap with the next to make `a` of `b`.
qsizetype EditDistance(const QString& a, const QString& b) {
    std::vector<std::vector<qsizetype>> d(std::size_t(a.size()) + 1,
                                          std::vector<qsizetype>(std::size_t(b.size()) + 1));
    for (qsizetype i = 0; i <= a.size(); ++i) d[i][0] = i;
    std::iota(d.front().begin(), d.front().end(), qsizetype{0});
    for (qsizetype i = 1; i <= a.size(); ++i) {
        for (qsizetype j = 1; j <= b.size(); ++j) {
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1,
                                d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[std::size_t(a.size())][std::size_t(b.size())];
}

}  // namespace

std::span<const GivenField, kGivenCount> GivenFields() {
    return Fields();
}

std::variant<GivenEntries, GivenRefusal> FncResolveGiven(const GivenPoint& point,
                                                         const ListNames& names,
                                                         const NumberFormat& format) {
    GivenEntries given;
    Entries& entries = given.entries;
    // Lists by name, numbers as typed.
    for (const InputDescriptor& input : Inputs()) {
        const std::size_t at = FocusPosition(input.id);
        const std::string_view value = point.values[at];
        if (input.kind == InputKind::Number) {
            entries[at].text = QString::fromUtf8(value.data(), qsizetype(value.size()));
        } else if (IsGiven(value)) {
            const std::optional<int> position = names.Find(input.id, value);
            if (!position) return Refusal(Reason::NotInList, input.id, input.id);
            entries[at].position = *position;
        }
    }
    // A number given selects the one entry of its list not given that reads it.
    const std::vector<LockedNumber>& locked = LockedNumbers();
    for (const LockedNumber& number : locked) {
        if (!IsGiven(point.values[FocusPosition(number.input->id)])) continue;
        int& list = entries[FocusPosition(number.input->lock->list)].position;
        if (list < 0) list = number.soleReadingEntry.value_or(-1);
    }
    // A pipe size from the tables; a typed pipe velocity has chosen its entry.
    if (std::optional<GivenRefusal> refusal = ApplyPipeSize(point, entries, format, given.pipeSize))
        return *refusal;
    // A temperature of the fluid: the fluid velocity and the entry that reads it.
    if (std::optional<GivenRefusal> refusal = ApplyTemperature(point, given, format))
        return *refusal;
    // Every number given is read.
    for (const LockedNumber& number : locked) {
        const InputDescriptor& input = *number.input;
        if (!IsGiven(point.values[FocusPosition(input.id)])) continue;
        const int list = entries[FocusPosition(input.lock->list)].position;
        if (list < 0) return Refusal(Reason::Needs, input.id, input.lock->list);
        if (!input.lock->unlockedAt(list))
            return Refusal(Reason::NotReadWith, input.id, input.lock->list);
    }
    // A list not given takes its first entry, as the window does at start.
    for (Entry& entry : entries) entry.position = std::max(entry.position, 0);
    return given;
}

bool FncRefusedByOwnCheck(const GivenRefusal& refusal) {
    return refusal.reason == Reason::NotANumber || refusal.reason == Reason::OutOfRange;
}

QString FncGivenRefusalText(const GivenRefusal& refusal, Language language) {
    const auto caption = [&](std::size_t field) {
        return FncGetText(Fields()[field].captionTextId, language);
    };
    ReasonSubjects subjects{caption(refusal.field), caption(refusal.other), refusal.quoted, {}};
    if (refusal.reason == Reason::NoTemperatureModel)
        subjects.quoted[0] = FncLiquidNamesText(language);
    return FncCaptionedReason(subjects.field, FncReasonText(refusal.reason, language, subjects));
}

QString FncGivenRefusalOptionText(const GivenRefusal& refusal, const GivenPoint& point) {
    const auto option = [](std::size_t field) {
        return QStringLiteral("--") + QLatin1String(Fields()[field].optionName);
    };
    const auto given = [&](std::size_t field) {
        const std::string_view value = point.values[field];
        return QString::fromUtf8(value.data(), qsizetype(value.size()));
    };
    ReasonSubjects subjects{option(refusal.field),
                            option(refusal.other),
                            refusal.quoted,
                            {given(refusal.field), given(refusal.other)}};
    if (refusal.reason == Reason::NoTemperatureModel)
        subjects.quoted[0] = FncLiquidNamesText(Language::English);
    return FncReasonOptionText(refusal.reason, subjects);
}

std::optional<std::size_t> FncGivenFieldNamed(std::string_view utf8, bool* japaneseCaption) {
    const QString key = NameKey(utf8);
    for (const NamedField& name : FieldNames()) {
        if (name.key != key) continue;
        if (japaneseCaption != nullptr) *japaneseCaption = name.japaneseCaption;
        return name.field;
    }
    return std::nullopt;
}

std::optional<std::size_t> FncGivenFieldNear(std::string_view utf8) {
    const QString key = NameKey(utf8);
    if (key.size() < 2) return std::nullopt;
    // The best of every name and every word of a name: a start scores 0,
    // else the letters off, within the limit. Whole names come first, so
    // that one wins a tie with a word of another name ("sensr" is the
    // sensor, not SENSOR MOUNT).
    const qsizetype limit = key.size() <= 4 ? 1 : 2;
    std::optional<std::size_t> best;
    qsizetype bestScore = limit + 1;
    for (const bool words : {false, true}) {
        for (const NamedField& name : FieldNames()) {
            const QStringList parts = name.key.split(u'-');
            if (words && parts.size() == 1) continue;  // its one word is the name
            for (const QString& candidate : words ? parts : QStringList{name.key}) {
                if (candidate.size() < 3) continue;
                qsizetype score = 0;
                if (!candidate.startsWith(key)) {
                    // At least as many letters off as the lengths differ: a
                    // long header field is no name, and costs no counting.
                    if (std::abs(candidate.size() - key.size()) >= bestScore) continue;
                    score = EditDistance(key, candidate);
                }
                if (score < bestScore) {
                    bestScore = score;
                    best = name.field;
                }
            }
        }
    }
    return best;
}
