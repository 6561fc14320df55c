#pragma once
// The one result type of the programs' readers and computations: what they found, or
// the reason they found nothing, as data (what went wrong, where, which name). The
// reason is never a sentence: the run that talks to the user composes that.

#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

namespace league {

/// The reason a step failed, on its way into a Result: `return Failure{reason};`.
template <typename Reason>
struct Failure {
    Reason reason;
};
template <typename Reason>
Failure(Reason) -> Failure<Reason>;

/// A value, or the reason there is none.
template <typename Value, typename Reason>
class [[nodiscard]] Result {
public:
    Result(Value value) : state_(std::in_place_index<0>, std::move(value)) {}
    template <typename Given>
        requires std::is_constructible_v<Reason, Given>
    Result(Failure<Given> failure) : state_(std::in_place_index<1>, Reason(std::move(failure.reason))) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    Value& value() & { return std::get<0>(state_); }
    const Value& value() const& { return std::get<0>(state_); }
    Value&& value() && { return std::get<0>(std::move(state_)); }
    Value& operator*() & { return value(); }
    const Value& operator*() const& { return value(); }
    Value* operator->() { return &value(); }
    const Value* operator->() const { return &value(); }

    /// Why there is no value; only for a failed result.
    const Reason& reason() const { return std::get<1>(state_); }

private:
    std::variant<Value, Reason> state_;
};

/// A step that gives nothing but may fail: done, or the reason it was not.
template <typename Reason>
class [[nodiscard]] Result<void, Reason> {
public:
    Result() = default;
    template <typename Given>
        requires std::is_constructible_v<Reason, Given>
    Result(Failure<Given> failure) : reason_(Reason(std::move(failure.reason))) {}

    bool ok() const { return !reason_.has_value(); }
    explicit operator bool() const { return ok(); }

    /// Why the step failed; only for a failed result.
    const Reason& reason() const { return *reason_; }

private:
    std::optional<Reason> reason_;
};

}  // namespace league
