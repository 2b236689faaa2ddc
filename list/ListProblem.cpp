#include "list/ListProblem.h"

std::string FncListProblemText(const ListProblem& problem) {
    switch (problem.kind) {
        case ListProblem::Kind::Unreadable:
            return "cannot read the CSV: " + problem.detail;
        case ListProblem::Kind::NoCp932:
            return "code page 932 is not available on this system";
        case ListProblem::Kind::NoHeader:
            return "the CSV has no header row";
        case ListProblem::Kind::HeaderMalformed:
            return "the CSV header row is not well-formed";
        case ListProblem::Kind::ResultColumn:
            return "the CSV already has a column '" + problem.detail + "'";
        case ListProblem::Kind::TwoColumns:
            return "the CSV has two columns for '" + problem.detail + "'";
    }
    return {};
}
