#include "gui/platform/RegFileFormat.h"

#include <QFile>
#include <QIODevice>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace curvedesk {

namespace {

QString Escape(const QString& text) {
  QString escaped;
  for (QChar c : text) {
    if (c == u'\\' || c == u'"') escaped += u'\\';
    if (c == u'\n') {
      escaped += QStringLiteral("\\n");
      continue;
    }
    if (c == u'\r') {
      escaped += QStringLiteral("\\r");
      continue;
    }
    escaped += c;
  }
  return escaped;
}

// Reads a quoted text starting at line[pos] == '"'; returns false on a malformed quote.
bool ReadQuoted(const QString& line, qsizetype& pos, QString& text) {
  ++pos;
  while (pos < line.size()) {
    QChar c = line[pos++];
    if (c == u'"') return true;
    if (c == u'\\') {
      if (pos >= line.size()) return false;
      QChar next = line[pos++];
      text += next == u'n' ? QChar(u'\n') : next == u'r' ? QChar(u'\r') : next;
    } else {
      text += c;
    }
  }
  return false;
}

bool ReadRegFile(QIODevice& device, QSettings::SettingsMap& map) {
  QTextStream in(&device);
  in.setEncoding(QStringConverter::Utf8);
  QString group;
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    if (line.isEmpty() || line.startsWith(u';')) continue;
    if (line.startsWith(u'[')) {
      if (!line.endsWith(u']')) return false;
      group = line.mid(1, line.size() - 2).replace(u'\\', u'/');
      continue;
    }
    if (!line.startsWith(u'"')) return false;
    qsizetype pos = 0;
    QString name;
    if (!ReadQuoted(line, pos, name) || pos >= line.size() || line[pos] != u'=') return false;
    ++pos;
    const QString key = group.isEmpty() ? name : group + u'/' + name;
    if (line.mid(pos).startsWith(QStringLiteral("dword:"))) {
      bool ok = false;
      const uint value = line.mid(pos + 6).toUInt(&ok, 16);
      if (!ok) return false;
      map.insert(key, value);
    } else if (pos < line.size() && line[pos] == u'"') {
      QString text;
      if (!ReadQuoted(line, pos, text) || pos != line.size()) return false;
      map.insert(key, text);
    } else {
      return false;
    }
  }
  return true;
}

bool WriteRegFile(QIODevice& device, const QSettings::SettingsMap& map) {
  // Group the values by key so each key is written once, in order.
  QMap<QString, QStringList> groups;
  for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
    const qsizetype slash = it.key().lastIndexOf(u'/');
    const QString group = slash < 0 ? QString() : it.key().left(slash);
    const QString name = slash < 0 ? it.key() : it.key().mid(slash + 1);
    const QVariant& value = it.value();
    const auto type = value.metaType().id();
    QString line = u'"' + Escape(name) + QStringLiteral("\"=");
    if (type == QMetaType::Int || type == QMetaType::UInt || type == QMetaType::LongLong ||
        type == QMetaType::ULongLong) {
      line += QStringLiteral("dword:%1").arg(static_cast<uint>(value.toLongLong()), 8, 16, QChar(u'0'));
    } else {
      line += u'"' + Escape(value.toString()) + u'"';
    }
    groups[group].append(line);
  }
  QTextStream out(&device);
  out.setEncoding(QStringConverter::Utf8);
  for (auto it = groups.constBegin(); it != groups.constEnd(); ++it) {
    if (!it.key().isEmpty()) out << '[' << QString(it.key()).replace(u'/', u'\\') << "]\n";
    for (const QString& line : it.value()) out << line << '\n';
    out << '\n';
  }
  out.flush();
  return out.status() == QTextStream::Ok;
}

}  // namespace

QSettings::Format RegFileFormat() {
  static const QSettings::Format format =
      QSettings::registerFormat(QStringLiteral("reg"), ReadRegFile, WriteRegFile, Qt::CaseSensitive);
  return format;
}

bool IsDamagedRegFile(const QString& path) {
  QFile file(path);
  QSettings::SettingsMap ignored;
  return file.open(QIODevice::ReadOnly) && !ReadRegFile(file, ignored);
}

}  // namespace curvedesk
