// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a call below the windows gives back: its value, or why it has none. The reason is
// for a person to read; `stopped` marks a failure that is the user's own stop.
//   Result<int> count(...);  ... return Failure{tr("Cannot read %1").arg(name)};
//   if (const Result<int> n = count(...); !n) show(n.reason()); else use(*n);
#include <QString>

#include <optional>
#include <utility>

struct Failure
{
    QString reason;
    bool stopped = false;
};

template <typename T>
class Result
{
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Failure failure) : m_failure(std::move(failure)) {}

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    bool stopped() const { return !ok() && m_failure.stopped; }
    // Empty when there is a value.
    const QString &reason() const { return m_failure.reason; }
    const Failure &failure() const { return m_failure; }

    // Only when ok().
    T &value() { return *m_value; }
    const T &value() const { return *m_value; }
    T &operator*() { return *m_value; }
    const T &operator*() const { return *m_value; }
    T *operator->() { return &*m_value; }
    const T *operator->() const { return &*m_value; }
    T valueOr(T other) const { return ok() ? *m_value : std::move(other); }

private:
    std::optional<T> m_value;
    Failure m_failure;
};

// Done, or why not.
template <>
class Result<void>
{
public:
    Result() = default;
    Result(Failure failure) : m_failed(true), m_failure(std::move(failure)) {}

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    bool stopped() const { return m_failed && m_failure.stopped; }
    const QString &reason() const { return m_failure.reason; }
    const Failure &failure() const { return m_failure; }

private:
    bool m_failed = false;
    Failure m_failure;
};
