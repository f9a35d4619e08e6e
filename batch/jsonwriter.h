#pragma once
// A small JSON writer that keeps key order and writes doubles so that they read
// back to the same value, always with a decimal point.
#include <QByteArray>
#include <QString>
#include <cstdint>

class JsonWriter {
public:
    JsonWriter &beginObject();
    JsonWriter &endObject();
    JsonWriter &beginArray();
    JsonWriter &endArray();
    JsonWriter &key(const char *name);
    JsonWriter &value(int64_t v);
    JsonWriter &value(double v);
    JsonWriter &value(const QString &s);
    JsonWriter &null();

    QByteArray take() { return std::move(out_); }

    static QByteArray quoted(const QString &s);
    static QByteArray number(double v);

private:
    void separate();
    QByteArray out_;
    bool needComma_ = false;
};
