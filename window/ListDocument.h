#pragma once
// A list of measuring points opened in the window, through the list handling
// that velkara-spacing --csv runs (list/): read and computed as the tool
// computes it, written back with its result columns byte for byte as the
// tool writes them, and each computed row's mounting sheet as --sheet writes
// it.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "list/ListTable.h"
#include "settings/ModCommonProc.h"
#include "sheet/SheetPage.h"

class QIODevice;

struct ListDocument {
    QString path;
    QByteArray bytes;  // the file as it was read: what is saved is computed on it
    ListTable table;   // its records as read
    // Per record: the spacing as the result field shows it, or the message of
    // a refused one.
    std::vector<std::string> shown;
    std::vector<bool> refused;
    std::size_t refusedCount = 0;
    // The header's columns that give inputs, in its order.
    std::vector<std::size_t> inputColumns;
    // The columns passed through as they are, and those whose names come
    // close to an input's (the name, the input's option name).
    QStringList passedThrough;
    std::vector<std::pair<QString, QString>> nearNames;

    // The row's field of the column "tag"; empty when there is none.
    QString Tag(std::size_t row) const;
};

// The list at `path`, or why it is none: which case and what a list needs,
// worded for a message box. A record that is no record is a refused row.
std::variant<std::shared_ptr<const ListDocument>, QString> ReadListDocument(
    const QString& path, const StartupValues& startup);

// Writes the list with its result columns, as velkara-spacing --csv writes it
// for the same file and settings; false with the system's reason when a write
// failed.
bool WriteSpacingList(const ListDocument& list, const StartupValues& startup, QIODevice& out,
                      QString* error);

// Each computed row's mounting sheet as velkara-spacing --sheet writes it.
class ListRowSheets {
public:
    explicit ListRowSheets(const StartupValues& startup);
    ~ListRowSheets();
    ListRowSheets(const ListRowSheets&) = delete;
    ListRowSheets& operator=(const ListRowSheets&) = delete;

    // The page of a computed row, titled by its tag.
    SheetPage PageOf(const ListDocument& list, std::size_t row) const;

private:
    struct Run;
    std::unique_ptr<Run> run_;
};
