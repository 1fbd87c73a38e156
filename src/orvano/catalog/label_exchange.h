/// \file
/// Handing the user's own labels, with their address layouts, to another machine: an export file
/// in UTF-8, and an import that merges one into the data folder's files through the same locked,
/// atomic profile writes the settings dialog uses.
///
/// The export file is a profile file with a byte-order mark: the section [Etiketten] holds each
/// label's catalog record, [Adresslayouts] its address-layout record, both keyed by the label's
/// name and copied as stored, so an import writes the very bytes that were exported.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "orvano/core_export.h"

namespace orvano::catalog {

/// One label of an export file.
struct ORVANO_CORE_EXPORT ExchangeLabel {
  std::string Name;                   ///< the label's name (its key)
  std::string Record;                 ///< the catalog record as in ovAdrKit.usr
  std::optional<std::string> Layout;  ///< the address-layout record as in ovAdrKit.adr
};

/// The labels under "Benutzerdefiniert" in the data folder's files, in file order, as the lookups
/// see them (the first of a name wins). Missing files give none.
ORVANO_CORE_EXPORT std::vector<ExchangeLabel> UserLabels(const std::string& dataFolder);

/// The export file's bytes, of the labels given or of the user's labels in the data folder.
///@{
ORVANO_CORE_EXPORT std::string FormatExchangeFile(const std::vector<ExchangeLabel>& labels);
ORVANO_CORE_EXPORT std::string ExportUserLabels(const std::string& dataFolder);
///@}

/// The labels of an export file; nothing, with the reason, when the bytes are not one.
ORVANO_CORE_EXPORT std::optional<std::vector<ExchangeLabel>> ParseExchangeFile(
    std::string_view bytes, std::string& reason);

/// What the import did with one label.
enum class ImportOutcome {
  Added,      ///< new in the user's files
  Replaced,   ///< stored with other values before; overwritten as asked
  Unchanged,  ///< already stored with the same measurements and layout
  Conflict,   ///< stored with other measurements or another layout; kept
  Refused,    ///< not written: see the reason (a name Windows-1252 cannot hold, a bad record)
  Failed,     ///< the write did not reach the file; the files are as they were
};

/// The import's result for one label.
struct ORVANO_CORE_EXPORT ImportItem {
  std::string Name;                                  ///< the label
  ImportOutcome Outcome = ImportOutcome::Unchanged;  ///< what happened to it
  std::string Reason;                                ///< for Conflict, Refused and Failed
};

/// How ImportUserLabels treats labels already stored.
struct ORVANO_CORE_EXPORT ImportOptions {
  bool Overwrite = false;  ///< replace labels stored with other values
  bool DryRun = false;     ///< report what would happen, write nothing
};

/// Merges the labels into the data folder's files, one label at a time. A label that conflicts
/// and is not to be overwritten, or cannot be written, leaves both files untouched.
ORVANO_CORE_EXPORT std::vector<ImportItem> ImportUserLabels(
    const std::string& dataFolder, const std::vector<ExchangeLabel>& labels,
    const ImportOptions& options = {});

}  // namespace orvano::catalog
