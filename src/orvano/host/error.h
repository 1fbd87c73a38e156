/// \file
/// The platform's error: every failure that may reach a host, or that a handler resumes, is one of
/// these. The kinds carry the numbers hosts of the original platform know them by.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

#include "orvano/core_export.h"

namespace orvano::host {

enum class ErrorKind : int {
  InvalidProcedureCall = 5,
  Overflow = 6,
  OutOfMemory = 7,
  SubscriptOutOfRange = 9,
  DivisionByZero = 11,
  TypeMismatch = 13,
  FileNotFound = 53,
  BadFileMode = 54,
  IoError = 57,
  PermissionDenied = 70,
  PathNotFound = 76,
  InvalidPropertyValue = 380,
  ObjectRequired = 424,
  ClassNotRegistered = 429,
  DuplicateKey = 457,
};

class ORVANO_CORE_EXPORT Error : public std::runtime_error {
 public:
  Error(ErrorKind kind, std::string message)
      : std::runtime_error(std::move(message)), kind_(kind) {}

  ErrorKind Kind() const noexcept { return kind_; }
  int Number() const noexcept { return static_cast<int>(kind_); }

 private:
  ErrorKind kind_;
};

[[noreturn]] ORVANO_CORE_EXPORT void Raise(ErrorKind kind);
[[noreturn]] ORVANO_CORE_EXPORT void Raise(ErrorKind kind, std::string message);

/// The default message of a kind ("Division durch Null", ...).
ORVANO_CORE_EXPORT const char* DefaultMessage(ErrorKind kind) noexcept;

/// "On Error Resume Next" for one statement: runs it, swallows a platform error, and tells whether
/// the statement completed. Anything that is not a platform error (a bug) still propagates.
template <class F>
bool Resume(F&& statement) noexcept(false) {
  try {
    std::forward<F>(statement)();
    return true;
  } catch (const Error&) {
    return false;
  }
}

/// Runs a statement with errors resumed and remembers whether any of a sequence failed, for the
/// handlers that must know afterwards that "an error is pending".
class ORVANO_CORE_EXPORT ResumeScope {
 public:
  template <class F>
  bool operator()(F&& statement) {
    try {
      std::forward<F>(statement)();
      return true;
    } catch (const Error& e) {
      if (!pending_) {
        pending_ = true;
        kind_ = e.Kind();
      }
      return false;
    }
  }
  bool Pending() const noexcept { return pending_; }
  ErrorKind PendingKind() const noexcept { return kind_; }
  void Clear() noexcept { pending_ = false; }

 private:
  bool pending_ = false;
  ErrorKind kind_ = ErrorKind::InvalidProcedureCall;
};

}  // namespace orvano::host
