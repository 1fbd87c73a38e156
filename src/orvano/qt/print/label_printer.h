// Prints one sheet of labels from a LabelDef: every label from the start label on gets the
// label's fields, each at its millimetre position. Writes PDF through QPdfWriter.
#pragma once

#include <QMap>
#include <QPainter>
#include <QString>
#include <cstdint>

#include "orvano/model/field_def.h"
#include "orvano/model/label_def.h"
#include "orvano/print_export.h"

namespace orvano::qt {

// The texts of the data fields, by field source; sources compare without regard to case.
class ORVANO_PRINT_EXPORT FieldTexts {
 public:
  void Set(const QString& source, const QString& text);
  // A data field's text by its source, a caption's text is its source; empty when unknown.
  QString TextOf(const FieldDef& field) const;

 private:
  QMap<QString, QString> bySource_;
};

struct PrintOptions {
  std::int32_t startLabel = 0;  // as LabelSelect's LabelID; -1 prints from the first label
  std::int32_t direction = 0;   // ovLabelDirectionConstants
  bool outlines = false;        // thin grey label outlines, for proofs on plain paper
};

// Paints the sheet on a device whose origin is the page's top left corner.
ORVANO_PRINT_EXPORT void PaintSheet(QPainter& painter, double dotsPerMm, const LabelDef& def,
                                    const FieldTexts& texts, const PrintOptions& options);

// One page in the LabelDef's format: A4 or A5 in its orientation, any other code at the page
// size it carries. An unusable page size is InvalidPropertyValue (checked before the file is
// touched); a file that cannot be written is PermissionDenied.
ORVANO_PRINT_EXPORT void PrintSheetToPdf(const QString& path, const LabelDef& def,
                                         const FieldTexts& texts, const PrintOptions& options);

}  // namespace orvano::qt
