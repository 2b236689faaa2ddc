#include "cli/ComparisonOutput.h"

#include <QStringList>
#include <algorithm>
#include <vector>

#include "cli/PointOutput.h"
#include "cli/TextColumns.h"

namespace {

// A reason for which cells cannot be mounted, and which cells.
struct NotMounted {
    Reason reason;
    QStringList cells;
};

}  // namespace

std::string ComparisonAsText(const SpacingComparison& comparison, const StartupValues& startup) {
    const ComparisonTexts texts = FncComparisonTexts(comparison, startup.language, startup.format);
    std::vector<int> widths;
    for (const QString& head : texts.heads) widths.push_back(DisplayWidth(head));
    for (const QStringList& row : texts.rows) {
        for (qsizetype column = 0; column < row.size(); ++column)
            widths[std::size_t(column)] =
                std::max(widths[std::size_t(column)], DisplayWidth(row[column]));
    }
    // Names to the left, spacings to the right, two blanks between.
    const auto line = [&](const QStringList& cells) {
        QString text;
        for (qsizetype column = 0; column < cells.size(); ++column) {
            if (column > 0) text += QStringLiteral("  ");
            text += PaddedTo(cells[column], widths[std::size_t(column)], column >= kSensorColumns);
        }
        while (text.endsWith(u' ')) text.chop(1);
        return text + u'\n';
    };
    QString text = texts.caption + u'\n' + line(texts.heads);
    std::vector<NotMounted> reasons;
    for (int sensor = 0; sensor < comparison.sensorCount; ++sensor) {
        const QStringList& row = texts.rows[std::size_t(sensor)];
        text += line(row);
        for (int method = 0; method < comparison.methodCount; ++method) {
            const SpacingRun& cell = comparison.Cell(sensor, method);
            if (cell.outcome == SpacingRun::Outcome::Shown) continue;
            auto same = std::ranges::find(reasons, cell.reason, &NotMounted::reason);
            if (same == reasons.end()) same = reasons.insert(same, {cell.reason, {}});
            same->cells << row[0] + u' ' + texts.heads[kSensorColumns + method];
        }
    }
    if (!reasons.empty()) text += u'\n';
    for (const NotMounted& reason : reasons) {
        text += QStringLiteral("-: ") + FncReasonText(reason.reason, startup.language);
        // Which cells, once there is more than one reason to tell apart.
        if (reasons.size() > 1) text += QStringLiteral(" (") + reason.cells.join(u", ") + u')';
        text += u'\n';
    }
    return text.toStdString();
}

std::string ComparisonAsJson(const SpacingComparison& comparison, const StartupValues& startup) {
    const ComparisonTexts texts = FncComparisonTexts(comparison, startup.language, startup.format);
    std::string json = "[";
    for (int sensor = 0; sensor < comparison.sensorCount; ++sensor) {
        for (int method = 0; method < comparison.methodCount; ++method) {
            json += json.size() > 1 ? ",\n" : "\n";
            json += RunAsJson(comparison.Cell(sensor, method), startup,
                              {{"sensor", JsonString(texts.rows[std::size_t(sensor)][0])},
                               {"method", JsonString(texts.heads[kSensorColumns + method])}});
        }
    }
    return json + "\n]\n";
}
