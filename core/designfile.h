#pragma once
// The ticket design file (".etr"): reading and writing the whole document.
#include <QByteArray>
#include <QString>

class Document;

// The 36-byte magic: the program title and one zero byte.
QByteArray designMagic();

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
