#include "orvano/qt/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

#include "orvano/qt/convert.h"

namespace orvano::qt {

namespace {

bool HasFamily(const QString& family) {
  return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

// Wine's Tahoma is metric-compatible with the original but lives outside fontconfig's path.
void LoadWineTahoma() {
  for (const char* file :
       {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
    if (QFile::exists(QLatin1String(file))) QFontDatabase::addApplicationFont(QLatin1String(file));
  }
}

}  // namespace

void InstallFontSubstitutions() {
  static bool done = false;
  if (done) return;
  done = true;

  if (!HasFamily(QStringLiteral("Tahoma"))) LoadWineTahoma();
  if (!HasFamily(QStringLiteral("Tahoma"))) {
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
  }
  if (!HasFamily(QStringLiteral("Arial"))) {
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  }
  if (!HasFamily(QStringLiteral("MS Sans Serif"))) {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  }
}

QFont ToQFont(const host::Font& font) {
  QFont f(ToQString(font.name));
  if (font.size > 0) f.setPointSizeF(static_cast<double>(font.size));
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  return f;
}

}  // namespace orvano::qt
