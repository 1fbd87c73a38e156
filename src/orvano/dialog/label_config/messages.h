// What the settings dialog tells the user, and how its message boxes look.
#pragma once

#include <string>

#include "orvano/catalog/file_io.h"
#include "orvano/host/platform.h"

namespace orvano::label_config {

inline constexpr const char* kTitle = "Etiketteneinstellungen";

// An exclamation mark and OK; a question with Yes and No, No preselected.
inline constexpr int kWarning = host::msgbox::kExclamation;
inline constexpr int kQuestion =
    host::msgbox::kYesNo | host::msgbox::kQuestion | host::msgbox::kDefaultButton2;

inline constexpr const char* kGridTooLarge =
    "Die Maße für Seitenrand, Etikettengröße und Anzahl pro Zeile bzw. Spalte sind für die "
    "Seite zu groß gewählt.";
inline constexpr const char* kNameMissing =
    "Bitte geben Sie einen Namen für Ihr benutzerdefiniertes Etikett an.";
inline constexpr const char* kNameInvalid =
    "Der Name für das benutzerdefinierte Etikett ist zu lang oder enthält unzulässige "
    "Sonderzeichen.";

inline std::string OverwriteQuestion(const std::string& name) {
  return "Es ist bereits ein benutzerdefiniertes Etikett mit dem Namen " + name +
         " vorhanden. Soll es überschrieben werden?";
}

inline std::string DeleteQuestion(const std::string& name) {
  return "Sind Sie sicher, dass " + name + " gelöscht werden soll?";
}

// A user file that could not be written: the user must know the label was not kept.
inline std::string WriteFailed(const std::string& path) {
  return "Das Etikett konnte nicht gespeichert werden, weil die Datei " + path +
         " nicht geschrieben werden kann.";
}

// A catalog file that exists but is not read: its labels are missing from the lists.
inline std::string CatalogRefused(const std::string& path, catalog::ReadRefusal refusal) {
  const char* why = refusal == catalog::ReadRefusal::TooLarge     ? "größer als 64 MiB ist"
                    : refusal == catalog::ReadRefusal::NotRegular ? "keine gewöhnliche Datei ist"
                                                                  : "nicht lesbar ist";
  return "Die Etikettendatei " + path + " wird nicht gelesen, weil sie " + why +
         ". Ihre Etiketten fehlen in der Auswahl.";
}

}  // namespace orvano::label_config
