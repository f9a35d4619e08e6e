#pragma once
// The ticket design file (".etr"): reading and writing the whole document.
#include <QByteArray>
#include <QString>

class ByteReader;
class ByteWriter;
class Document;
class Tobs;

// The 36-byte magic: the program title and one zero byte.
QByteArray designMagic();

// One element record: the slot number, then every field of the element (not its picture).
void writeElementRecord(ByteWriter &w, int slot, const Tobs &t);
// The fields of a record after its slot number, read into t without touching
// its picture. False when the bytes end inside the record.
bool readElementFields(ByteReader &r, Tobs &t);

// The file's bytes for the document.
QByteArray writeDesign(const Document &doc);

struct DesignReadResult {
    enum class Status {
        Ok,
        BadMagic,       // document unchanged
        DamagedHeader,  // ends inside the header: document unchanged
        DamagedRecords, // ends inside the records or names a slot below 1: the
                        // header and every complete record before it are kept
    };
    Status status = Status::Ok;
    bool ok() const { return status == Status::Ok; }
};

// Replaces the document by the file's content. Pictures are read again with the
// picture-loading rule, relative to designFolder for the second attempt.
DesignReadResult readDesign(QByteArrayView bytes, Document &doc, const QString &designFolder);
