// The fonts the controls ask for (Tahoma, Arial) on a Linux desktop.
#pragma once

#include <QFont>

#include "orvano/host/font.h"

namespace orvano::qt {

// Maps Tahoma and Arial to installed, metric-compatible free fonts. Idempotent; needs a
// QGuiApplication. The Qt platform runs it when it is created.
void InstallFontSubstitutions();

QFont ToQFont(const host::Font& font);

}  // namespace orvano::qt
