#include "orvano/qt/property_file.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <charconv>
#include <cmath>
#include <limits>

#include "orvano/host/error.h"
#include "orvano/qt/convert.h"

namespace orvano::qt {

namespace {

constexpr const char* kFormat = "orvano-properties";
// A form of a few controls takes kilobytes; this is far beyond any.
constexpr qint64 kMaxFileSize = qint64{64} << 20;

// Doubles as the shortest text that reads back to the same bits (JSON has no infinity or NaN).
QString DoubleText(double d) {
  if (std::isnan(d)) return QStringLiteral("nan");
  if (std::isinf(d)) return d > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, d);
  return QString::fromLatin1(buffer, result.ptr - buffer);
}

bool ParseDouble(const QString& text, double& out) {
  if (text == QLatin1String("nan")) {
    out = std::numeric_limits<double>::quiet_NaN();
    return true;
  }
  if (text == QLatin1String("inf")) {
    out = std::numeric_limits<double>::infinity();
    return true;
  }
  if (text == QLatin1String("-inf")) {
    out = -std::numeric_limits<double>::infinity();
    return true;
  }
  const QByteArray bytes = text.toLatin1();
  const auto result = std::from_chars(bytes.constData(), bytes.constData() + bytes.size(), out);
  return result.ec == std::errc() && result.ptr == bytes.constData() + bytes.size();
}

QJsonObject Encode(const host::Variant& v) {
  QJsonObject o;
  if (v.IsFlag()) {
    o[QStringLiteral("kind")] = QStringLiteral("flag");
    o[QStringLiteral("value")] = static_cast<int>(v.ToFlag());
  } else if (v.IsLong()) {
    o[QStringLiteral("kind")] = QStringLiteral("long");
    o[QStringLiteral("value")] = static_cast<qint64>(v.ToLong());
  } else if (v.IsDouble()) {
    o[QStringLiteral("kind")] = QStringLiteral("double");
    o[QStringLiteral("value")] = DoubleText(v.ToDouble());
  } else if (v.IsString()) {
    o[QStringLiteral("kind")] = QStringLiteral("string");
    o[QStringLiteral("value")] = ToQString(v.ToString());
  } else {
    o[QStringLiteral("kind")] = QStringLiteral("empty");
  }
  return o;
}

[[noreturn]] void Corrupt(const std::string& path) {
  host::Raise(host::ErrorKind::IoError, "Die Datei \"" + path + "\" ist keine Eigenschaftsdatei.");
}

host::Variant Decode(const QJsonValue& value, const std::string& path) {
  if (!value.isObject()) Corrupt(path);
  const QJsonObject o = value.toObject();
  const QString kind = o.value(QStringLiteral("kind")).toString();
  const QJsonValue v = o.value(QStringLiteral("value"));
  if (kind == QLatin1String("empty")) return {};
  if (kind == QLatin1String("string") && v.isString())
    return host::Variant(ToStdString(v.toString()));
  if (kind == QLatin1String("double") && v.isString()) {
    double d = 0;
    if (ParseDouble(v.toString(), d)) return host::Variant(d);
  }
  if ((kind == QLatin1String("long") || kind == QLatin1String("flag")) && v.isDouble()) {
    const double d = v.toDouble();
    if (kind == QLatin1String("flag") && d == std::trunc(d) && d >= -32768 && d <= 32767) {
      return host::Variant(static_cast<host::Flag>(d));
    }
    if (kind == QLatin1String("long") && d == std::trunc(d) && d >= -2147483648.0 &&
        d <= 2147483647.0) {
      return host::Variant(static_cast<std::int32_t>(d));
    }
  }
  Corrupt(path);
}

}  // namespace

host::Variant QtPropertyBag::ReadProperty(const std::string& name,
                                          const host::Variant& defaultValue) const {
  auto it = values_.find(name);
  return it == values_.end() ? defaultValue : it->second;
}

void QtPropertyBag::WriteProperty(const std::string& name, const host::Variant& value,
                                  const host::Variant& defaultValue) {
  if (value == defaultValue) {
    values_.erase(name);
  } else {
    values_[name] = value;
  }
}

std::vector<std::string> PropertyFile::Instances() const {
  std::vector<std::string> names;
  for (const auto& [name, bag] : bags_) names.push_back(name);
  return names;
}

void PropertyFile::Load(const std::string& path) {
  QFile file(ToQString(path));
  if (!file.exists()) host::Raise(host::ErrorKind::FileNotFound, "Datei nicht gefunden: " + path);
  // Only a regular file of a sensible size: a FIFO would block the read, a device never end.
  const QFileInfo info(file);
  if (!info.isFile() || info.size() > kMaxFileSize)
    host::Raise(host::ErrorKind::IoError, "Keine Formulardatei: " + path);
  if (!file.open(QIODevice::ReadOnly))
    host::Raise(host::ErrorKind::IoError, "Datei nicht lesbar: " + path);
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
  if (error.error != QJsonParseError::NoError || !doc.isObject()) Corrupt(path);
  const QJsonObject root = doc.object();
  if (root.value(QStringLiteral("format")).toString() != QLatin1String(kFormat)) Corrupt(path);
  const QJsonValue instances = root.value(QStringLiteral("instances"));
  if (!instances.isObject()) Corrupt(path);

  std::map<std::string, QtPropertyBag> loaded;
  const QJsonObject all = instances.toObject();
  for (auto it = all.begin(); it != all.end(); ++it) {
    if (!it.value().isObject()) Corrupt(path);
    QtPropertyBag& bag = loaded[ToStdString(it.key())];
    const QJsonObject values = it.value().toObject();
    for (auto v = values.begin(); v != values.end(); ++v)
      bag.Set(ToStdString(v.key()), Decode(v.value(), path));
  }
  bags_ = std::move(loaded);
}

void PropertyFile::Save(const std::string& path) const {
  QJsonObject all;
  for (const auto& [instance, bag] : bags_) {
    QJsonObject values;
    for (const auto& [name, value] : bag.Values()) values[ToQString(name)] = Encode(value);
    all[ToQString(instance)] = values;
  }
  QJsonObject root;
  root[QStringLiteral("format")] = QLatin1String(kFormat);
  root[QStringLiteral("version")] = 1;
  root[QStringLiteral("instances")] = all;

  QSaveFile file(ToQString(path));
  if (!file.open(QIODevice::WriteOnly))
    host::Raise(host::ErrorKind::PathNotFound, "Datei nicht schreibbar: " + path);
  file.write(QJsonDocument(root).toJson(QJsonDocument::Indented));
  if (!file.commit()) host::Raise(host::ErrorKind::IoError, "Datei nicht geschrieben: " + path);
}

}  // namespace orvano::qt
