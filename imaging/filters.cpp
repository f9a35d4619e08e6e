// The file-dialog filters of the image library.
#include "imaging/GrafikRW.h"

QString GetDIBOpenFilter()
{
    return QStringLiteral(
        "Alle Bilddateien|*.bmp;*.dib;*.rle;*.gif;*.jpg;*.jpeg;*.jif;*.jfif;*.png;*.tif;*.tiff;"
        "*.tga;*.pcx;*.iff;*.ilbm;*.lbm;*.pbm;*.pgm;*.ppm"
        "|Windows-Bitmap (*.bmp;*.dib;*.rle)|*.bmp;*.dib;*.rle"
        "|CompuServe GIF (*.gif)|*.gif"
        "|JPEG (*.jpg;*.jpeg;*.jif;*.jfif)|*.jpg;*.jpeg;*.jif;*.jfif"
        "|Portable Network Graphics (*.png)|*.png"
        "|TIFF (*.tif;*.tiff)|*.tif;*.tiff"
        "|Truevision Targa (*.tga)|*.tga"
        "|ZSoft Paintbrush (*.pcx)|*.pcx"
        "|Amiga IFF/ILBM (*.iff;*.ilbm;*.lbm)|*.iff;*.ilbm;*.lbm"
        "|Portable Bitmap/Graymap/Pixmap (*.pbm;*.pgm;*.ppm)|*.pbm;*.pgm;*.ppm"
        "|Alle Dateien (*.*)|*.*");
}

// Eleven entries; the 1-based entry plus 2 is the save format number.
QString GetDIBSaveFilter()
{
    return QStringLiteral(
        "Windows-Bitmap (*.bmp)|*.bmp"
        "|Windows-DIB (*.dib)|*.dib"
        "|CompuServe GIF (*.gif)|*.gif"
        "|Amiga IFF (*.iff)|*.iff"
        "|JPEG-JFIF (*.jif)|*.jif"
        "|JPEG (*.jpg)|*.jpg"
        "|Deluxe Paint LBM (*.lbm)|*.lbm"
        "|ZSoft Paintbrush (*.pcx)|*.pcx"
        "|Windows-Bitmap RLE (*.rle)|*.rle"
        "|Truevision Targa (*.tga)|*.tga"
        "|TIFF (*.tif)|*.tif");
}
