/// \file
/// Preview as a Qt widget: the sheet corner or one address label, drawn to scale.
#pragma once

#include <memory>

#include "orvano/controls/preview/preview.h"
#include "orvano/qt/widgets/control_widget.h"
#include "orvano/qt/widgets/widget_properties.h"
#include "orvano/widgets_export.h"

namespace orvano::qt {

/// The properties are those of Preview (preview_properties.h), named in Qt's style; spaceVertical
/// and spaceHorizontal are pitches (label size plus gap). The control takes every value, so the
/// setters return true; notification as ControlWidget describes.
class ORVANO_WIDGETS_EXPORT PreviewWidget : public ControlWidget {
  Q_OBJECT
  ORVANO_PREVIEW_PROPERTIES(ORVANO_QT_PROPERTY)

 public:
  /// A new Preview with its start values.
  explicit PreviewWidget(QWidget* parent = nullptr);
  ~PreviewWidget() override;

  /// The control itself, for everything a property cannot carry.
  ///@{
  Preview& control() { return *control_; }
  const Preview& control() const { return *control_; }
  ///@}

  /// The properties of Preview in Qt's style (see ORVANO_PREVIEW_PROPERTIES for each one's meaning
  /// and unit). A setter returns true when the control took the value, false when it kept the old
  /// one (then errorOccurred tells a refusal with an error); C++ callers may also pass the model's
  /// enumerations or plain numbers.
  ///@{
  ORVANO_PREVIEW_PROPERTIES(ORVANO_QT_ACCESSORS)
  ///@}
  /// A whole stock (gaps become pitches) or address layout at once.
  ///@{
  void showSheet(const SheetGeometry& sheet);
  void showAddressLayout(const AddressLayout& layout);
  ///@}

  QSize sizeHint() const override { return {320, 240}; }         ///< 320 x 240 pixels
  QSize minimumSizeHint() const override { return {160, 120}; }  ///< 160 x 120 pixels

 Q_SIGNALS:
  /// The notify signals, one per property, emitted once with the new value whenever it has
  /// really changed.
  ///@{
  ORVANO_PREVIEW_PROPERTIES(ORVANO_QT_SIGNAL)
  ///@}

 protected:
  void Publish(bool signal = true) override;

 private:
  struct Published;
  std::unique_ptr<Preview> control_;
  std::unique_ptr<Published> published_;
};

}  // namespace orvano::qt
