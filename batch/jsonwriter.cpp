#include "batch/jsonwriter.h"

#include <charconv>
#include <cmath>

void JsonWriter::separate()
{
    if (needComma_)
        out_ += ", ";
    needComma_ = true;
}

JsonWriter &JsonWriter::beginObject()
{
    separate();
    out_ += '{';
    needComma_ = false;
    return *this;
}

JsonWriter &JsonWriter::endObject()
{
    out_ += '}';
    needComma_ = true;
    return *this;
}

JsonWriter &JsonWriter::beginArray()
{
    separate();
    out_ += '[';
    needComma_ = false;
    return *this;
}

JsonWriter &JsonWriter::endArray()
{
    out_ += ']';
    needComma_ = true;
    return *this;
}

JsonWriter &JsonWriter::key(const char *name)
{
    separate();
    out_ += quoted(QString::fromLatin1(name));
    out_ += ": ";
    needComma_ = false;
    return *this;
}

JsonWriter &JsonWriter::value(int64_t v)
{
    separate();
    out_ += QByteArray::number(qlonglong(v));
    return *this;
}

JsonWriter &JsonWriter::value(double v)
{
    separate();
    out_ += number(v);
    return *this;
}

JsonWriter &JsonWriter::value(const QString &s)
{
    separate();
    out_ += quoted(s);
    return *this;
}

JsonWriter &JsonWriter::null()
{
    separate();
    out_ += "null";
    return *this;
}

QByteArray JsonWriter::number(double v)
{
    // JSON has no infinities or NaN (only a damaged file holds them).
    if (!std::isfinite(v))
        return "null";
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);   // shortest exact form, "C" locale
    QByteArray s(buf, res.ptr - buf);
    if (!s.contains('.')) {
        const qsizetype e = s.indexOf('e');
        s.insert(e < 0 ? s.size() : e, ".0");
    }
    return s;
}

QByteArray JsonWriter::quoted(const QString &s)
{
    QByteArray out = "\"";
    for (QChar c : s) {
        const char16_t u = c.unicode();
        switch (u) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
            if (u < 0x20)
                out += QByteArray("\\u00") + QByteArray::number(u, 16).rightJustified(2, '0');
            else
                out += QString(c).toUtf8();
        }
    }
    out += '"';
    return out;
}
