#pragma once

#include <utility>
#include <variant>

namespace smscfg {

// The three ways a codec rejects its input; callers tell them apart.
enum class CodecError {
    InvalidArgument,  // no character where one is needed (empty text)
    TypeMismatch,     // a character that must be a decimal digit is not one
    Overflow,         // the value does not fit a byte
};

const char *codecErrorName(CodecError error);

// A value or the reason there is none.
template <typename T>
class CodecResult {
public:
    CodecResult(T value) : m_state(std::move(value)) {}
    CodecResult(CodecError error) : m_state(error) {}

    bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }
    // Precondition: ok().
    const T &value() const { return std::get<T>(m_state); }
    const T &operator*() const { return value(); }
    const T *operator->() const { return &value(); }
    // Precondition: !ok().
    CodecError error() const { return std::get<CodecError>(m_state); }

private:
    std::variant<T, CodecError> m_state;
};

}  // namespace smscfg
