#include "ui/qt/flow_faces.h"

#include <QFile>
#include <QFontDatabase>
#include <QSet>
#include <QtEndian>

#include <cstring>

namespace ui::qt {

namespace {

struct Table {
    qsizetype offset = -1;
    qsizetype length = 0;
};

// Where a table of a TrueType file lies, from the file's table directory.
Table tableOf(const QByteArray& font, const char (&tag)[5])
{
    const auto* data = reinterpret_cast<const uchar*>(font.constData());
    if (font.size() < 12)
        return {};
    const int count = qFromBigEndian<quint16>(data + 4);
    for (int i = 0; i < count && 12 + 16 * (i + 1) <= font.size(); ++i) {
        const uchar* record = data + 12 + 16 * i;
        const qsizetype offset = qFromBigEndian<quint32>(record + 8);
        const qsizetype length = qFromBigEndian<quint32>(record + 12);
        if (std::memcmp(record, tag, 4) == 0 && offset + length <= font.size())
            return {offset, length};
    }
    return {};
}

// A name as the name table holds it for Windows: UTF-16, big-endian.
QByteArray bigEndianUtf16(const QString& text)
{
    QByteArray bytes;
    for (const QChar c : text) {
        bytes.append(char(c.unicode() >> 8));
        bytes.append(char(c.unicode() & 0xFF));
    }
    return bytes;
}

// The face with its em `ems` times as large in its own units, and the family renamed. A name of
// the same length keeps every string of the name table where it is.
QByteArray withLargerEm(QByteArray font, const QString& family, const QString& name, int ems)
{
    const Table head = tableOf(font, "head");
    const Table names = tableOf(font, "name");
    if (head.length < 20 || names.length == 0)
        return {};
    auto* unitsPerEm = reinterpret_cast<uchar*>(font.data()) + head.offset + 18;
    const int units = qFromBigEndian<quint16>(unitsPerEm) * ems;
    if (units > 16384)  // the most TrueType allows
        return {};
    qToBigEndian<quint16>(quint16(units), unitsPerEm);
    QByteArray table = font.mid(names.offset, names.length);
    table.replace(family.toLatin1(), name.toLatin1());
    table.replace(bigEndianUtf16(family), bigEndianUtf16(name));
    font.replace(names.offset, names.length, table);
    return font;
}

}  // namespace

QString flowFamily(const QString& family, const QStringList& files, int ems)
{
    if (ems == 1)
        return family;
    // Its first two letters become the number of cells to the em: "02 Sans Serif 13".
    const QString name = QStringLiteral("%1").arg(ems, 2, 10, QLatin1Char('0')) + family.mid(2);
    static QSet<QString> registered;
    if (!registered.contains(name)) {
        registered.insert(name);
        for (const QString& file : files) {
            QFile face(file);
            if (face.open(QIODevice::ReadOnly))
                QFontDatabase::addApplicationFontFromData(withLargerEm(face.readAll(), family, name, ems));
        }
    }
    return name;
}

}  // namespace ui::qt
