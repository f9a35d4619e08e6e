#pragma once
// Reading pictures by their stored file names: logos, the background and the
// image elements of a design.
#include "imaging/GrafikRW.h"

#include <QByteArray>
#include <QString>
#include <map>
#include <utility>

class QImage;

// The file a stored picture name means: a bare name lies in the program folder,
// '\' separates folders, and when the exact name is missing a file of the same
// folder whose name differs only in letter case is taken (names from Windows).
QString locatePictureFile(const QString &storedName);

// Reads a picture file into dib (releasing what it held). When nothing can be
// read, dib becomes a white 320 x 200 picture of 24 bits per pixel and the
// result is false.
bool LoadDIBit(DibImage &dib, const QString &name);
// Puts that white 320 x 200 picture into dib, releasing what it held.
void putBlankPicture(DibImage &dib);

// Reads a picture file into a toolkit image for previews. The image is first
// 100 x 100; files the image library cannot read are tried with Qt's own reader.
bool LoadBit(QImage &bitmap, const QString &name);

// The picture-loading rule of designs: the stored name (a bare name means the
// program folder), then the file name part next to the design file, else the
// error message and the blank fallback picture. Returns true when a file was read.

// "Konnte Bild (name) nicht Laden.": the text for a picture that cannot be read,
// and its message box (error icon, the platform's caption).
QString unreadablePictureText(const QString &name);
void reportUnreadablePicture(const QString &name);

class Tobs;
bool loadPictureByRule(DibImage &picture, const QByteArray &storedName, const QString &designFolder);

// Turns a freshly loaded image element picture by its stored quarter turns.
void applyStoredRotation(DibImage &picture, int32_t rotation);

// The pictures of one design being opened. A file named by several records is
// decoded once, turned once per stored quarter turn, and shared by the records
// (pictures are read-only while shared). All pictures together stay within one
// memory budget: a picture beyond it is not loaded but reported as one that
// cannot be read, with the blank picture.
class DesignPictures {
public:
    static constexpr int64_t BudgetBytes = 1024LL * 1024 * 1024;

    explicit DesignPictures(const QString &designFolder, int64_t budgetBytes = BudgetBytes)
        : folder_(designFolder), budget_(budgetBytes)
    {
    }
    ~DesignPictures();
    DesignPictures(const DesignPictures &) = delete;
    DesignPictures &operator=(const DesignPictures &) = delete;

    // Reads the picture by the picture-loading rule and turns it by its stored
    // quarter turns. True when a file was read and loaded.
    bool load(DibImage &picture, const QByteArray &storedName, int32_t rotation = 0);

private:
    bool refuse(DibImage &picture, const QByteArray &storedName, int32_t rotation);

    using Key = std::pair<QByteArray, int32_t>; // stored name, quarter turns 0..3
    QString folder_;
    int64_t budget_;
    int64_t used_ = 0;
    std::map<Key, DibImage> held_; // one holder of each picture; released at the end
};

// An image element's picture read again by its file name (Text) with the
// picture-loading rule, then turned by its stored quarter turns.
void reloadElementPicture(Tobs &element, const QString &designFolder);
