#pragma once
// Tbkgndform: the card's background picture and its arrangement. It edits the
// document's background directly.
#include <QDialog>

class Document;
class QButtonGroup;
class QRadioButton;
class QToolButton;
class TBMPOpenForm;

// The preview area: the picture fitted and centred, on the workspace colour.
class BackgroundPreview : public QWidget {
    Q_OBJECT
public:
    explicit BackgroundPreview(const Document &doc, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const Document &doc_;
};

class Tbkgndform : public QDialog {
    Q_OBJECT
public:
    Tbkgndform(Document &doc, TBMPOpenForm &openForm, QWidget *parent = nullptr);

    // The arrangement of the checked radio button (0..3).
    int checkedMode() const;
    // Checks the radio button of the document's mode (none for -1) and repaints the preview.
    void showDocumentMode();

    QToolButton *OpenBtn;     // "Ö&ffnen..."
    QToolButton *NoneBtn;     // "&Keins"
    QToolButton *BackBtn;     // "&Zurück"
    QRadioButton *BiggerRadio, *SmallerRadio, *TileRadio, *StretchRadio;
    BackgroundPreview *PreviewArea;

    void done(int result) override;

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void openClicked();

    Document &doc_;
    TBMPOpenForm &openForm_;
    QButtonGroup *modes_;
};
