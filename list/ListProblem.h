#pragma once
// Why a list cannot be used at all, as a kind and the detail it names, so that
// the tool words it in English and the window in the run's language.

#include <string>

struct ListProblem {
    enum class Kind {
        Unreadable,       // `detail`: the system's reason
        NoCp932,          // the system has no converter for code page 932
        NoHeader,         // the list holds nothing, not even a header row
        HeaderMalformed,  // the header row is no well-formed record
        ResultColumn,     // `detail`: the result column the header already has
        TwoColumns,       // `detail`: the option name of an input named twice
    };
    Kind kind;
    std::string detail = {};
};

// "cannot read the CSV: ..." and the like, as velkara-spacing prints it.
std::string FncListProblemText(const ListProblem& problem);
