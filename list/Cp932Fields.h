#pragma once
// Fields of code page 932 as UTF-8. The same few names come again and again
// in a list, so each thread keeps what it has decoded, up to a limit.

#include <string_view>

// Valid until ForgetCp932FieldsIfFull() on the same thread.
std::string_view Cp932FieldAsUtf8(std::string_view cp932);

// Call before decoding the fields of a record, so that they stay valid together.
void ForgetCp932FieldsIfFull();
