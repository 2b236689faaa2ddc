#pragma once
// The start of a list decides its encoding: a byte order mark, or whether the
// first bytes are valid UTF-8. Those bytes are read ahead and then handed out
// again before the rest, so the list is read once, from a pipe as well.

#include <optional>
#include <string>
#include <variant>

#include "list/ByteStreams.h"
#include "list/CsvEncoding.h"
#include "list/ListProblem.h"

struct ListInput {
    CsvEncoding encoding;   // `chosen`, or else detected
    bool byteOrderMark;     // a UTF-8 one, which the output repeats
    ByteSource wholeInput;  // from its first byte
};

// The input's encoding and its bytes from the start, or why it cannot be read.
std::variant<ListInput, ListProblem> OpenListInput(ByteSource input,
                                                   std::optional<CsvEncoding> chosen);

// The list could not be read: what errno `error` says.
ListProblem ListReadProblem(int error);
