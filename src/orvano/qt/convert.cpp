#include "orvano/qt/convert.h"

namespace orvano::qt {

QString MnemonicText(const QString& caption) {
  QString out;
  out.reserve(caption.size() + 4);
  for (qsizetype i = 0; i < caption.size(); ++i) {
    const QChar c = caption.at(i);
    if (c != QLatin1Char('&')) {
      out += c;
      continue;
    }
    if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&')) {
      out += QLatin1String("&&");
      ++i;
    } else if (i + 1 >= caption.size() || caption.at(i + 1).isSpace()) {
      out += QLatin1String("&&");
    } else {
      out += c;
    }
  }
  return out;
}

QString ToQtLineEnds(const QString& text) {
  QString out = text;
  out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return out;
}

}  // namespace orvano::qt

namespace orvano::qt {

qsizetype Utf16Index(const QString& s, std::int64_t chars) {
  qsizetype i = 0;
  for (std::int64_t n = 0; n < chars && i < s.size(); ++n) {
    i += (s.at(i).isHighSurrogate() && i + 1 < s.size()) ? 2 : 1;
  }
  return i;
}

std::int32_t CharIndex(const QString& s, qsizetype utf16) {
  std::int32_t n = 0;
  for (qsizetype i = 0; i < utf16 && i < s.size(); ++n) {
    i += (s.at(i).isHighSurrogate() && i + 1 < s.size()) ? 2 : 1;
  }
  return n;
}

}  // namespace orvano::qt
