#include "orvano/host/error.h"

namespace orvano::host {

const char* DefaultMessage(ErrorKind kind) noexcept {
  switch (kind) {
    case ErrorKind::InvalidProcedureCall:
      return "Ungültiger Prozeduraufruf oder ungültiges Argument";
    case ErrorKind::Overflow: return "Überlauf";
    case ErrorKind::OutOfMemory: return "Nicht genügend Speicher";
    case ErrorKind::SubscriptOutOfRange: return "Index außerhalb des gültigen Bereichs";
    case ErrorKind::DivisionByZero: return "Division durch Null";
    case ErrorKind::TypeMismatch: return "Typen unverträglich";
    case ErrorKind::FileNotFound: return "Datei nicht gefunden";
    case ErrorKind::BadFileMode: return "Dateimodus ungültig";
    case ErrorKind::IoError: return "Ein-/Ausgabefehler";
    case ErrorKind::PermissionDenied: return "Zugriff verweigert";
    case ErrorKind::PathNotFound: return "Pfad nicht gefunden";
    case ErrorKind::InvalidPropertyValue: return "Ungültiger Eigenschaftswert";
    case ErrorKind::ObjectRequired: return "Objekt erforderlich";
    case ErrorKind::ClassNotRegistered: return "Klasse nicht registriert";
    case ErrorKind::DuplicateKey:
      return "Schlüssel ist bereits einem Element dieser Auflistung zugeordnet";
  }
  // A number cast into the enum from outside the list.
  return "Anwendungs- oder objektdefinierter Fehler";
}

void Raise(ErrorKind kind) { throw Error(kind, DefaultMessage(kind)); }

void Raise(ErrorKind kind, std::string message) {
  if (message.empty()) message = DefaultMessage(kind);
  throw Error(kind, std::move(message));
}

}  // namespace orvano::host
