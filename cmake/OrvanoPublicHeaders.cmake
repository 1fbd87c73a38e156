# The headers an application compiles against, per public library, relative to src/. Everything
# else under src/ is internal: it is neither installed nor documented. A public header may only
# include public headers; the test structure.public_headers checks that this list stays closed.

set(ORVANO_CORE_HEADERS
  # The platform as the library sees it: what a host implements, and the shared rules.
  orvano/host/app_path.h
  orvano/host/bag_value.h
  orvano/host/collection.h
  orvano/host/color.h
  orvano/host/container.h
  orvano/host/error.h
  orvano/host/factory.h
  orvano/host/font.h
  orvano/host/platform.h
  orvano/host/property_bag.h
  orvano/host/runtime.h
  orvano/host/strings.h
  orvano/host/surface.h
  orvano/host/text_file.h
  orvano/host/variant.h
  orvano/host/widget_array.h
  orvano/host/widgets.h
  # The catalog files and their lookups.
  orvano/catalog/address_layout_record.h
  orvano/catalog/catalog_files.h
  orvano/catalog/field_value.h
  orvano/catalog/label_catalog.h
  orvano/catalog/label_exchange.h
  orvano/catalog/label_record.h
  orvano/catalog/lookup.h
  orvano/catalog/profile_file.h
  orvano/catalog/value_parse.h
  # The label definition model.
  orvano/model/address_fields.h
  orvano/model/address_layout.h
  orvano/model/enums.h
  orvano/model/field_def.h
  orvano/model/field_defs.h
  orvano/model/label_def.h
  orvano/model/label_lookup.h
  orvano/model/page_format.h
  orvano/model/sheet_geometry.h
  # Finding a stock across brands; address lists and printer offsets for printing.
  orvano/search/catalog_search.h
  orvano/search/search_entry.h
  orvano/print_data/csv_table.h
  orvano/print_data/printer_offsets.h
  # The three controls.
  orvano/controls/address_label/address_label.h
  orvano/controls/address_label/address_label_properties.h
  orvano/controls/control_properties.h
  orvano/controls/label_select/label_select.h
  orvano/controls/label_select/label_select_properties.h
  orvano/controls/label_select/sheet_grid.h
  orvano/controls/label_select/sheet_sources.h
  orvano/controls/preview/layout_state.h
  orvano/controls/preview/preview.h
  orvano/controls/preview/preview_properties.h
  # The class factory.
  orvano/library/orvano.h
)

set(ORVANO_HEADLESS_HEADERS
  orvano/host/headless/headless.h
  orvano/host/headless/headless_widgets.h
)

set(ORVANO_WIDGETS_HEADERS
  orvano/qt/widgets/address_label_widget.h
  orvano/qt/widgets/control_widget.h
  orvano/qt/widgets/label_search_dialog.h
  orvano/qt/widgets/widget_enums.h
  orvano/qt/widgets/widget_properties.h
  orvano/qt/widgets/label_select_widget.h
  orvano/qt/widgets/preview_widget.h
  orvano/qt/control_host.h
  orvano/qt/convert.h
  orvano/qt/property_file.h
  orvano/qt/qt_container.h
  orvano/qt/units.h
)

set(ORVANO_PRINT_HEADERS
  orvano/qt/print/calibration_sheet.h
  orvano/qt/print/field_layout.h
  orvano/qt/print/label_printer.h
  orvano/qt/print/sheet_places.h
)

# Written by the build into <build>/include (version.h and the export macros).
set(ORVANO_GENERATED_HEADERS
  orvano/version.h
  orvano/core_export.h
  orvano/headless_export.h
  orvano/widgets_export.h
  orvano/print_export.h
)
