#include "window/ListDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "list/ByteStreams.h"
#include "list/CsvEncoding.h"
#include "list/ListRun.h"
#include "rules/SpacingComparison.h"
#include "sheet/SheetPoint.h"

namespace {

QString Text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

std::string_view View(const QByteArray& bytes) {
    return {bytes.constData(), std::size_t(bytes.size())};
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

// Why the list cannot be used, in the run's language.
QString ProblemText(const ListProblem& problem, const StartupValues& startup) {
    const QString detail = Text(problem.detail);
    switch (problem.kind) {
        case ListProblem::Kind::Unreadable:
            return startup.Text(TextId::ListUnreadable).arg(detail);
        case ListProblem::Kind::NoCp932:
            return startup.Text(TextId::ListUnreadable).arg(Text(FncListProblemText(problem)));
        case ListProblem::Kind::NoHeader:
            return startup.Text(TextId::ListEmpty);
        case ListProblem::Kind::HeaderMalformed:
            return startup.Text(TextId::ListNoInputs);
        case ListProblem::Kind::ResultColumn:
            return startup.Text(TextId::ListResultColumn).arg(detail);
        case ListProblem::Kind::TwoColumns:
            return startup.Text(TextId::ListTwoColumns).arg(detail);
    }
    return {};
}

// The header's columns as the window shows them: the inputs, those passed
// through, the names near an input's.
void SortColumns(ListDocument& list) {
    const ListColumns& columns = list.table.columns;
    for (std::size_t column = 0; column < list.table.header.size(); ++column) {
        if (std::find(columns.of.begin(), columns.of.end(), column) != columns.of.end()) {
            list.inputColumns.push_back(column);
            continue;
        }
        if (column == columns.tag) continue;
        const std::string& name = list.table.header[column];
        list.passedThrough << Text(name);
        if (const auto near = FncGivenFieldNear(name))
            list.nearNames.emplace_back(Text(name), QLatin1String(GivenFields()[*near].optionName));
    }
}

}  // namespace

QString ListDocument::Tag(std::size_t row) const {
    const auto& fields = table.records[row].fields;
    return table.columns.tag < fields.size() ? Text(fields[table.columns.tag]) : QString();
}

std::variant<std::shared_ptr<const ListDocument>, QString> ReadListDocument(
    const QString& path, const StartupValues& startup) {
    const auto notAList = [&](const QString& why) {
        return startup.Text(TextId::ListNotAList).arg(QDir::toNativeSeparators(path), why) +
               QStringLiteral("\n\n") + startup.Text(TextId::ListNeeds);
    };
    auto bytes = ReadBytes(path, startup);
    if (const auto* why = std::get_if<QString>(&bytes)) return notAList(*why);
    auto list = std::make_shared<ListDocument>();
    list->path = path;
    list->bytes = std::move(std::get<QByteArray>(bytes));
    const PointContext context(startup);
    auto table = ReadListTable(View(list->bytes), context);
    if (const auto* problem = std::get_if<ListProblem>(&table))
        return notAList(ProblemText(*problem, startup));
    list->table = std::move(std::get<ListTable>(table));
    SortColumns(*list);
    if (list->inputColumns.empty()) return notAList(startup.Text(TextId::ListNoInputs));
    const std::size_t size = list->table.records.size();
    list->shown.reserve(size);
    list->refused.reserve(size);
    for (std::size_t row = 0; row < size; ++row) {
        const PointOutcome outcome = ListRecordOutcome(list->table, row, context);
        const bool refused = outcome.run.outcome != SpacingRun::Outcome::Shown;
        list->shown.push_back(
            (refused ? outcome.message : FncComparisonCellText(outcome.run)).toStdString());
        list->refused.push_back(refused);
        list->refusedCount += refused;
    }
    return list;
}

bool WriteSpacingList(const ListDocument& list, const StartupValues& startup, QIODevice& out,
                      QString* error) {
    // The device is unbuffered: a short write is seen here, with its reason.
    const ByteSink sink = [&](const char* bytes, std::size_t size) {
        errno = 0;
        if (out.write(bytes, qint64(size)) == qint64(size)) return true;
        *error = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : out.errorString();
        return false;
    };
    const ListRunResult result = RunList(
        SourceFromMemory(View(list.bytes)), [&](CsvEncoding) { return sink; },
        PointContext(startup));
    if (!result.problem.empty() && error->isEmpty()) *error = Text(result.problem);
    return result.problem.empty();
}

struct ListRowSheets::Run {
    explicit Run(const StartupValues& startup) : context(startup) {}
    PointContext context;
};

ListRowSheets::ListRowSheets(const StartupValues& startup) : run_(std::make_unique<Run>(startup)) {}

ListRowSheets::~ListRowSheets() = default;

SheetPage ListRowSheets::PageOf(const ListDocument& list, std::size_t row) const {
    const PointOutcome outcome = ListRecordOutcome(list.table, row, run_->context);
    return FncSheetPage(
        FncSheetPointOf(outcome.resolved, outcome.run, run_->context.startup, list.Tag(row)));
}
