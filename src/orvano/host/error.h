/// \file
/// The platform's error: every failure that may reach a host, or that a handler resumes, is one of
/// these. The kinds carry the numbers hosts of the original platform know them by.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

#include "orvano/core_export.h"

namespace orvano::host {

/// The platform's error numbers; DefaultMessage gives each one's German text.
enum class ErrorKind : int {
  InvalidProcedureCall = 5,    ///< a call not allowed now, or an invalid argument
  Overflow = 6,                ///< a number past its type's range
  OutOfMemory = 7,             ///< memory ran out
  SubscriptOutOfRange = 9,     ///< an index that does not exist
  DivisionByZero = 11,         ///< a division by zero
  TypeMismatch = 13,           ///< a value that does not convert
  FileNotFound = 53,           ///< a file that does not exist
  BadFileMode = 54,            ///< a file opened the wrong way
  IoError = 57,                ///< reading or writing failed
  PermissionDenied = 70,       ///< access refused
  PathNotFound = 76,           ///< a folder that does not exist
  InvalidPropertyValue = 380,  ///< a value a property refuses
  ObjectRequired = 424,        ///< no object where one is needed
  ClassNotRegistered = 429,    ///< a class name the factory does not know
  DuplicateKey = 457,          ///< a key already in the collection
};

/// A platform error: its kind (number) and message. Everything the library refuses throws this.
class ORVANO_CORE_EXPORT Error : public std::runtime_error {
 public:
  /// An error of kind with that message.
  Error(ErrorKind kind, std::string message)
      : std::runtime_error(std::move(message)), kind_(kind) {}

  ErrorKind Kind() const noexcept { return kind_; }                ///< the kind
  int Number() const noexcept { return static_cast<int>(kind_); }  ///< the platform's number

 private:
  ErrorKind kind_;
};

/// Throws an Error of that kind, with the kind's default message or the one given.
///@{
[[noreturn]] ORVANO_CORE_EXPORT void Raise(ErrorKind kind);
[[noreturn]] ORVANO_CORE_EXPORT void Raise(ErrorKind kind, std::string message);
///@}

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
  /// Runs the statement; false when it raised a platform error (the first one is kept).
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
  bool Pending() const noexcept { return pending_; }        ///< whether a statement failed
  ErrorKind PendingKind() const noexcept { return kind_; }  ///< the first failure's kind
  void Clear() noexcept { pending_ = false; }               ///< nothing pending any more

 private:
  bool pending_ = false;
  ErrorKind kind_ = ErrorKind::InvalidProcedureCall;
};

}  // namespace orvano::host
