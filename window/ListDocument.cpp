#include "window/ListDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <algorithm>
#include <cerrno>
#include <optional>

#include "cli/Cp932.h"
#include "cli/CsvEncoding.h"
#include "cli/CsvReader.h"
#include "cli/CsvRun.h"
#include "cli/PointOutput.h"
#include "cli/PointRun.h"
#include "rules/AsciiText.h"
#include "rules/SpacingComparison.h"
#include "sheet/SheetPoint.h"

namespace {

std::string Utf8Of(std::string_view field, CsvEncoding encoding) {
    return encoding == CsvEncoding::Utf8 ? std::string(field)
                                         : Cp932ToUnicode(field).toStdString();
}

QString Text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

// The columns of the header that name inputs, in its order, and the tag's;
// or why the header is no list's.
struct HeaderColumns {
    std::vector<std::size_t> columns, fields;
    std::size_t tag = SIZE_MAX;
    std::size_t width = 0;
    QStringList passedThrough;
    std::vector<std::pair<QString, QString>> nearNames;
};

std::variant<HeaderColumns, QString> MapHeader(const CsvRecord& header, CsvEncoding encoding,
                                               const StartupValues& startup) {
    const std::string resultColumns[] = {"spacing-" + LengthUnit(startup), "steps", "message"};
    HeaderColumns mapped;
    mapped.width = header.fields.size();
    for (std::size_t column = 0; column < header.fields.size(); ++column) {
        const std::string name = Utf8Of(header.fields[column], encoding);
        const std::string key = AsciiLower(TrimBlanks(name));
        for (const std::string& result : resultColumns) {
            if (key == result) return startup.Text(TextId::ListResultColumn).arg(Text(result));
        }
        const std::optional<std::size_t> field = FncGivenFieldNamed(name);
        if (!field) {
            if (key == "tag" && mapped.tag == SIZE_MAX) {
                mapped.tag = column;
                continue;
            }
            mapped.passedThrough << Text(name);
            if (const auto near = FncGivenFieldNear(name))
                mapped.nearNames.emplace_back(Text(name),
                                              QLatin1String(GivenFields()[*near].optionName));
            continue;
        }
        if (std::find(mapped.fields.begin(), mapped.fields.end(), *field) != mapped.fields.end())
            return startup.Text(TextId::ListTwoColumns)
                .arg(QLatin1String(GivenFields()[*field].optionName));
        mapped.columns.push_back(column);
        mapped.fields.push_back(*field);
    }
    if (mapped.fields.empty()) return startup.Text(TextId::ListNoInputs);
    return mapped;
}

// The bytes of the file, or why they are no list's.
std::variant<QByteArray, QString> ReadBytes(const QString& path, const StartupValues& startup) {
    if (QFileInfo(path).isDir()) return startup.Text(TextId::ListFolder);
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return startup.Text(TextId::ListUnreadable).arg(file.errorString());
    // Text in either encoding holds no NUL; most other files do, early on.
    if (bytes.contains('\0')) return startup.Text(TextId::ListBinary);
    return bytes;
}

// Every record as the tool reads and computes it.
std::variant<ListTable, QString> Computed(const QByteArray& bytes, const StartupValues& startup) {
    const std::string_view text(bytes.constData(), std::size_t(bytes.size()));
    const CsvEncoding encoding = DetectCsvEncoding(text, true);
    CsvReader reader(SourceFromMemory(text));
    const CsvRecord* first = reader.Next();
    if (first == nullptr) return startup.Text(TextId::ListEmpty);
    if (first->error != CsvError::None) return startup.Text(TextId::ListNoInputs);
    auto mapping = MapHeader(*first, encoding, startup);
    if (auto* why = std::get_if<QString>(&mapping)) return *why;
    const HeaderColumns& header = std::get<HeaderColumns>(mapping);
    ListTable table(header.fields, header.tag != SIZE_MAX);
    table.passedThrough = header.passedThrough;
    table.nearNames = header.nearNames;
    const ToolContext context(startup);
    const std::string malformed = context.ReasonText(Reason::MalformedRecord).toStdString();
    std::vector<std::string> values(header.fields.size());
    std::vector<std::string_view> views(header.fields.size());
    while (const CsvRecord* record = reader.Next()) {
        const auto& fields = record->fields;
        const bool wellFormed = record->error == CsvError::None && fields.size() <= header.width;
        const auto field = [&](std::size_t column) {
            return column < fields.size() ? Utf8Of(fields[column], encoding) : std::string();
        };
        GivenPoint point;
        for (std::size_t at = 0; at < values.size(); ++at) {
            values[at] = field(header.columns[at]);
            views[at] = values[at];
            point.values[header.fields[at]] = views[at];
        }
        const std::string tag = field(header.tag);
        std::string shown = malformed;
        bool refused = true;
        if (wellFormed) {
            const PointOutcome outcome = RunPoint(point, context);
            refused = outcome.run.outcome != SpacingRun::Outcome::Shown;
            shown = (refused ? outcome.message : FncComparisonCellText(outcome.run)).toStdString();
        }
        table.Add({record->line, tag, views, shown, refused});
    }
    return table;
}

}  // namespace

std::variant<ListDocument, QString> ReadListDocument(const QString& path,
                                                     const StartupValues& startup) {
    const auto NotAList = [&](const QString& why) {
        return startup.Text(TextId::ListNotAList).arg(QDir::toNativeSeparators(path), why) +
               QStringLiteral("\n\n") + startup.Text(TextId::ListNeeds);
    };
    auto bytes = ReadBytes(path, startup);
    if (auto* why = std::get_if<QString>(&bytes)) return NotAList(*why);
    ListDocument list{path, std::move(std::get<QByteArray>(bytes)), nullptr};
    auto table = Computed(list.bytes, startup);
    if (auto* why = std::get_if<QString>(&table)) return NotAList(*why);
    list.table = std::make_shared<const ListTable>(std::move(std::get<ListTable>(table)));
    return list;
}

bool WriteSpacingList(const ListDocument& list, const StartupValues& startup, QIODevice& out) {
    const ToolContext context(startup);
    const ByteSink sink = [&out](const char* bytes, std::size_t size) {
        return out.write(bytes, qint64(size)) == qint64(size);
    };
    const CsvRunResult result =
        RunCsv(SourceFromMemory({list.bytes.constData(), std::size_t(list.bytes.size())}),
               [&](CsvEncoding) { return sink; }, context);
    return result.exitStatus != ExitStatus::UsageError;
}

GivenPoint GivenPointOf(const ListTable& table, std::size_t row) {
    GivenPoint point;
    for (std::size_t column = 0; column < table.Fields().size(); ++column)
        point.values[table.Fields()[column]] = table.Value(row, column);
    return point;
}

struct ListRowSheets::Run {
    explicit Run(const StartupValues& startup) : context(startup) {}
    ToolContext context;
};

ListRowSheets::ListRowSheets(const StartupValues& startup)
    : run_(std::make_unique<Run>(startup)) {}

ListRowSheets::~ListRowSheets() = default;

SheetPage ListRowSheets::PageOf(const ListTable& table, std::size_t row) const {
    const PointOutcome outcome = RunPoint(GivenPointOf(table, row), run_->context);
    const StartupValues& startup = run_->context.startup;
    std::optional<double> water;
    if (outcome.water) water = outcome.water->temperature;
    return FncSheetPage({.entries = outcome.resolved.entries,
                         .run = outcome.run,
                         .format = startup.format,
                         .language = startup.language,
                         .tag = Text(table.Tag(row)),
                         .pipeSize = outcome.resolved.pipeSize,
                         .waterTemperature = water});
}
