// The one desktop platform that every wrapper widget of a process shares.
#pragma once

#include "orvano/qt/qt_platform.h"

namespace orvano::qt {

// Created on first use; needs a QApplication by then.
QtPlatform& SharedPlatform();

}  // namespace orvano::qt
