#pragma once
#include <optional>
#include <string>
#include <utility>

namespace examsim {

// Why an operation produced nothing: a reason the caller can act on, and a
// detail for the error log and for tests. Users are told by the operation.
template <class E>
struct Failure {
    E reason;
    std::string detail;
};

template <class E>
Failure<E> failure(E reason, std::string detail = {}) {
    return {reason, std::move(detail)};
}

// A value, or the failure that stopped it (a small std::expected). The value
// of a failed result is never read: value() then throws std::bad_optional_access.
template <class T, class E>
class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}
    Result(Failure<E> failed) : failure_(std::move(failed)) {}

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return value_.value(); }
    T& value() & { return value_.value(); }
    T&& value() && { return std::move(value_.value()); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }

    // Meaningful only when !ok().
    E reason() const { return failure_.reason; }
    const std::string& detail() const { return failure_.detail; }

private:
    std::optional<T> value_;
    Failure<E> failure_{};
};

}  // namespace examsim
