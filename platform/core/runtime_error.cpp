#include "runtime_error.h"

namespace lx {

RuntimeError::RuntimeError(ErrorNumber number)
    : RuntimeError(number, standardText(number)) {}

RuntimeError::RuntimeError(ErrorNumber number, const std::string& description)
    : std::runtime_error(description)
    , m_number(number) {}

std::string RuntimeError::standardText(ErrorNumber number) {
    switch (number) {
    case ErrorNumber::InvalidArgument:
        return "Invalid procedure call or argument";
    case ErrorNumber::Overflow:
        return "Overflow";
    case ErrorNumber::SubscriptOutOfRange:
        return "Subscript out of range";
    case ErrorNumber::DivisionByZero:
        return "Division by zero";
    case ErrorNumber::TypeMismatch:
        return "Type mismatch";
    case ErrorNumber::DesignTimeOnly:
        return "Set not permitted at run time";
    }
    return "Application-defined or object-defined error";
}

} // namespace lx
