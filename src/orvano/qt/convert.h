/// \file
/// Small conversions between the host's types and Qt's, used by every file of the Qt backend.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <string>

#include "orvano/host/color.h"

namespace orvano::qt {

/// UTF-8 to QString and back.
///@{
inline QString ToQString(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string ToStdString(const QString& s) { return s.toUtf8().toStdString(); }
///@}

/// A platform colour (&HBBGGRR) as a QColor.
inline QColor ToQColor(host::Color c) {
  return QColor(host::RedOf(c), host::GreenOf(c), host::BlueOf(c));
}

/// Caption text as QPainter and the buttons show it: "&x" marks an access key and "&&" is one
/// "&". A lone "&" before a blank or at the end is shown as typed ("Probehaus GmbH & Co. KG"),
/// so no character of a caption gets lost.
QString MnemonicText(const QString& caption);

/// Line ends of the platform ("\r\n") become the "\n" that Qt's text widgets use.
QString ToQtLineEnds(const QString& text);

}  // namespace orvano::qt

namespace orvano::qt {

/// Positions in a QString count UTF-16 units; the host counts characters.
///@{
qsizetype Utf16Index(const QString& s, std::int64_t chars);
std::int32_t CharIndex(const QString& s, qsizetype utf16);
///@}

}  // namespace orvano::qt
