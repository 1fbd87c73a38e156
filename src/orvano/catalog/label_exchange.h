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

struct ORVANO_CORE_EXPORT ExchangeLabel {
  std::string Name;
  std::string Record;                 ///< the catalog record as in ovAdrKit.usr
  std::optional<std::string> Layout;  ///< the address-layout record as in ovAdrKit.adr
};

/// The labels under "Benutzerdefiniert" in the data folder's files, in file order, as the lookups
/// see them (the first of a name wins). Missing files give none.
ORVANO_CORE_EXPORT std::vector<ExchangeLabel> UserLabels(const std::string& dataFolder);

/// The export file's bytes.
ORVANO_CORE_EXPORT std::string FormatExchangeFile(const std::vector<ExchangeLabel>& labels);
ORVANO_CORE_EXPORT std::string ExportUserLabels(const std::string& dataFolder);

/// The labels of an export file; nothing, with the reason, when the bytes are not one.
ORVANO_CORE_EXPORT std::optional<std::vector<ExchangeLabel>> ParseExchangeFile(
    std::string_view bytes, std::string& reason);

enum class ImportOutcome {
  Added,      ///< new in the user's files
  Replaced,   ///< stored with other values before; overwritten as asked
  Unchanged,  ///< already stored with the same measurements and layout
  Conflict,   ///< stored with other measurements or another layout; kept
  Refused,    ///< not written: see the reason (a name Windows-1252 cannot hold, a bad record)
  Failed,     ///< the write did not reach the file; the files are as they were
};

struct ORVANO_CORE_EXPORT ImportItem {
  std::string Name;
  ImportOutcome Outcome = ImportOutcome::Unchanged;
  std::string Reason;  ///< for Conflict, Refused and Failed
};

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
