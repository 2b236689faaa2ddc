#pragma once
// A list of measuring points opened in the window, through the list handling
// that velkara-spacing --csv runs: read and computed as the tool computes it,
// written back with its result columns byte for byte as the tool writes them.

#include <QByteArray>
#include <QString>
#include <memory>
#include <variant>

#include "rules/GivenValues.h"
#include "settings/ModCommonProc.h"
#include "window/ListTable.h"

class QIODevice;

struct ListDocument {
    QString path;
    QByteArray bytes;  // the file as it was read: what is saved is computed on it
    std::shared_ptr<const ListTable> table;
};

// The list at `path`, or why it is none: which case and what a list needs,
// worded for a message box. A record that is no record is a refused row.
std::variant<ListDocument, QString> ReadListDocument(const QString& path,
                                                     const StartupValues& startup);

// The list with its result columns, as velkara-spacing --csv writes it for
// the same file and settings. False when a write failed (the device says why).
bool WriteSpacingList(const ListDocument& list, const StartupValues& startup, QIODevice& out);

// A row's values as given, by given field (GivenFields()); valid while the
// table is.
GivenPoint GivenPointOf(const ListTable& table, std::size_t row);

struct SheetPage;

// Each computed row's mounting sheet as velkara-spacing --sheet writes it.
class ListRowSheets {
public:
    explicit ListRowSheets(const StartupValues& startup);
    ~ListRowSheets();
    ListRowSheets(const ListRowSheets&) = delete;
    ListRowSheets& operator=(const ListRowSheets&) = delete;

    // The page of a computed row, titled by its tag.
    SheetPage PageOf(const ListTable& table, std::size_t row) const;

private:
    struct Run;
    std::unique_ptr<Run> run_;
};
