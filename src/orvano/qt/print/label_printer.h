/// \file
/// Prints labels from a LabelDef on any QPrinter (a CUPS queue, a PDF file): a list of records
/// fills consecutive labels from the start label on, over as many sheets as it needs; each
/// field's text is laid out with the printer's font metrics and shrunk or reported when it does
/// not fit.
#pragma once

#include <QMap>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "orvano/model/field_def.h"
#include "orvano/model/label_def.h"
#include "orvano/print_data/printer_offsets.h"
#include "orvano/print_export.h"
#include "orvano/qt/print/field_layout.h"

class QPrinter;

namespace orvano::qt {

/// The texts of the data fields of one record, by field source; sources compare without regard
/// to case.
class ORVANO_PRINT_EXPORT FieldTexts {
 public:
  /// The text of the data fields with that source (replacing an earlier one).
  void Set(const QString& source, const QString& text);
  /// A data field's text by its source, a caption's text is its source; empty when unknown.
  QString TextOf(const FieldDef& field) const;

 private:
  QMap<QString, QString> bySource_;
};

/// How a print job runs.
struct ORVANO_PRINT_EXPORT PrintOptions {
  std::int32_t startLabel = 0;  ///< as LabelSelect's LabelID; -1 prints from the first label
  std::int32_t direction = 0;   ///< ovLabelDirectionConstants
  bool outlines = false;        ///< thin grey label outlines, for proofs on plain paper
  /// Labels each record fills; 0: each record fills the rest of its sheet (one address on every
  /// label, the first sheet from the start label).
  std::int64_t labelsPerRecord = 1;
  FitRule fit;                       ///< shrink (to fit.minPoints) or only report
  print_data::PrinterOffset offset;  ///< the printer's calibration, mm
  /// Called after each sheet and every few thousand labels with labels done and labels in all;
  /// returning false cancels the job.
  std::function<bool(std::int64_t done, std::int64_t total)> progress;
};

/// A record whose text did not fit as laid out.
struct ORVANO_PRINT_EXPORT RecordFit {
  std::int64_t record = 0;                ///< from 1, in the order given
  FitOutcome outcome = FitOutcome::Fits;  ///< shrunk or cut
};

/// What a print job did (or, from CheckFit, would do).
struct ORVANO_PRINT_EXPORT PrintReport {
  std::int64_t records = 0;       ///< records printed
  std::int64_t labels = 0;        ///< labels printed (planned, for CheckFit), once per copy
  std::int64_t sheets = 0;        ///< sheets printed, once per copy
  bool cancelled = false;         ///< the progress callback stopped the job
  std::vector<RecordFit> shrunk;  ///< every record whose text had to be made smaller
  std::vector<RecordFit> cut;     ///< every record whose text does not fit even so
};

/// Sets a printer up for the LabelDef's sheet: paper size (A4, A5, or the sheet's own size),
/// orientation, full page without margins, so (0, 0) is the sheet's corner and nothing is scaled.
/// InvalidPropertyValue for an unusable page size.
ORVANO_PRINT_EXPORT void SetUpPrinter(QPrinter& printer, const LabelDef& def);

/// What printing would do, without printing: labels and sheets from the start label on, and every
/// record whose text is shrunk or cut, measured with the printer's font metrics. Raises what
/// PrintLabels raises before its first page.
ORVANO_PRINT_EXPORT PrintReport CheckFit(const QPrinter& printer, const LabelDef& def,
                                         const std::vector<FieldTexts>& records,
                                         const PrintOptions& options);

/// Prints on a printer that SetUpPrinter prepared. Before anything is started, an unprintable
/// LabelDef (CheckPrintable) and an empty record list are InvalidPropertyValue; a printer that
/// cannot start is PermissionDenied. Copies the printer cannot make itself are printed one after
/// the other; a page range chosen in the print dialog is honoured.
ORVANO_PRINT_EXPORT PrintReport PrintLabels(QPrinter& printer, const LabelDef& def,
                                            const std::vector<FieldTexts>& records,
                                            const PrintOptions& options);

/// One record on every label of one sheet from the start label on, into a PDF file.
/// PermissionDenied when the file cannot be written.
ORVANO_PRINT_EXPORT PrintReport PrintSheetToPdf(const QString& path, const LabelDef& def,
                                                const FieldTexts& texts,
                                                const PrintOptions& options);

/// The records into a PDF file, as PrintLabels.
ORVANO_PRINT_EXPORT PrintReport PrintToPdf(const QString& path, const LabelDef& def,
                                           const std::vector<FieldTexts>& records,
                                           const PrintOptions& options);

/// Labels needed and sheets they take from the start label on, for a count of records.
struct ORVANO_PRINT_EXPORT SheetCount {
  std::int64_t labels = 0;  ///< labels needed
  std::int64_t sheets = 0;  ///< sheets they take
};
/// Counts the labels and sheets a print of that many records takes, with the options' start
/// label, fill order and labels per record.
ORVANO_PRINT_EXPORT SheetCount CountSheets(const LabelDef& def, std::int64_t records,
                                           const PrintOptions& options);

}  // namespace orvano::qt
