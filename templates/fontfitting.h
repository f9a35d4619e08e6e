#pragma once
// Font fitting of the wizard's texts: the largest Arial character height below
// a start value at which a text, word-wrapped to a cell's width, fits the cell.
#include "templates/layoutcells.h"

#include <QFontMetrics>
#include <QHash>
#include <QSize>
#include <QString>
#include <map>
#include <memory>

// Measures text as the canvas lays it out: word-wrapped to a width, in Arial
// of the given character height (pixels), normal weight.
class TextMeasure {
public:
    virtual ~TextMeasure();
    virtual QSize measure(const QString &text, int characterHeight, int width) = 0;
};

// The measurement of the canvas's own text layout. Keeps the font metrics of
// each size it was asked for, since making them costs more than measuring.
class ArialTextMeasure : public TextMeasure {
public:
    QSize measure(const QString &text, int characterHeight, int width) override;

private:
    std::map<int, std::unique_ptr<QFontMetrics>> metrics_;
};

// For s = start - 1 down to 1: the first s at which the measured text is no
// higher and no wider than the cell (x1 - x0, y1 - y0); 1 is taken untested.
// Alignment does not change the measured extent, so the column is not needed.
int FitFontSize(const QString &text, const CellBox &cell, int start, TextMeasure &measure);

// FitFontSize with remembered results: the size depends only on the text, the
// cell's size and the start value, so a gallery whose thumbnails repeat the
// same texts in cells of the same sizes measures each combination once.
class FontFitter {
public:
    FontFitter();
    explicit FontFitter(std::unique_ptr<TextMeasure> measure);
    ~FontFitter();

    int fit(const QString &text, const CellBox &cell, int start);

private:
    struct Key {
        QString text;
        int32_t width, height;
        int start;
        bool operator==(const Key &) const = default;
    };
    friend size_t qHash(const Key &key, size_t seed) { return qHashMulti(seed, key.text, key.width, key.height, key.start); }

    std::unique_ptr<TextMeasure> measure_;
    QHash<Key, int> fitted_;
};
