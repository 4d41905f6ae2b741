#pragma once

// Errors are values: device and file operations return a Result that says what failed, and the
// window turns it into a message. `key` names the language-table text the user sees ("Str102");
// `detail` says in plain English what went wrong, for the command-line tool and the tests.

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace orln7a {

struct Error {
    std::string key;    // language key of the user's message, may be empty
    std::string detail; // English explanation
};

inline Error MakeError(std::string key, std::string detail) {
    return Error{std::move(key), std::move(detail)};
}

template <typename T> class [[nodiscard]] Result {
public:
    Result(T value) : v_(std::move(value)) {}
    Result(Error error) : v_(std::move(error)) {}

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(v_); }
    const T& value() const& { return std::get<0>(v_); }
    T&& value() && { return std::get<0>(std::move(v_)); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }

    const Error& error() const { return std::get<1>(v_); }

private:
    std::variant<T, Error> v_;
};

template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : error_(std::move(error)) {}

    bool ok() const { return !error_.has_value(); }
    explicit operator bool() const { return ok(); }
    const Error& error() const { return *error_; }

private:
    std::optional<Error> error_;
};

using Status = Result<void>;

inline Status Ok() {
    return {};
}

} // namespace orln7a
