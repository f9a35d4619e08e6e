#pragma once
// The page "Vorlagen Assistent" (its tab is not shown): the template wizard.
// The controls forward to the wizard's generation, gallery and adoption.
#include "render/cardrenderer.h"
#include "templates/fontfitting.h"
#include "templates/gallery.h"
#include "templates/templatewizard.h"

#include <QWidget>
#include <functional>

class Document;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QRadioButton;
class QScrollArea;
class TemplatePage;

// PaintBox4: the gallery surface inside ScrollBox4.
class GallerySurface : public QWidget {
    Q_OBJECT
public:
    explicit GallerySurface(TemplatePage *page);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    TemplatePage *page_;
};

// What the page reads from the main window when it draws or adopts.
struct TemplatePageInputs {
    // The current event's values, the seat list and the screen's resolution.
    std::function<CardRenderInputs()> renderInputs;
    // The current event's logo file name (the logo edit on the event page).
    std::function<QString()> logoFileName;
    // The ticket number the thumbnails show.
    std::function<int32_t()> ticketNumber;
};

class TemplatePage : public QWidget {
    Q_OBJECT
public:
    TemplatePage(Document &doc, TemplatePageInputs inputs, QWidget *parent = nullptr);

    TemplateWizard &wizard() { return wizard_; }

    // User actions.
    void RenderBtnClick();
    void UseTemplateBtnClick();
    void PaintBox4Paint(QPainter &painter);
    void PaintBox4MouseDown(const QPoint &pos);
    void PaintBox4DblClick(const QPoint &pos);
    void GrafikFileEdChange();
    void BkGndFileEDChange();
    // Scrolls the gallery by 20 pixels per wheel step (positive: down).
    void scrollGallery(int steps);

    // The gallery geometry for the current card, client width and layouts.
    GalleryGeometry galleryGeometry() const;

    QCheckBox *EleCheck[9];
    QRadioButton *TextRadio, *LogoRadio, *GrafikRadio;
    QLineEdit *GrafikFileEd, *BkGndFileED;
    QCheckBox *BkGndCheck;
    QPushButton *RenderBtn, *UseTemplateBtn;
    QLabel *Label3;
    QScrollArea *ScrollBox4;
    GallerySurface *PaintBox4;

signals:
    // Adoption replaced the card: the main window shows it in the editor.
    void templateAdopted();
    // Adoption stopped at its save question (which may have saved the card).
    void adoptionCancelled();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    QWidget *buildElementGroup();
    QWidget *buildDesignGroup();
    QLineEdit *fileNameEdit(const QString &name, const QString &text, const QString &accessibleName,
                            const std::function<void()> &tidy, QWidget **row);
    TemplateRequest request() const;
    // Brings PaintBox4 to the gallery's size; true when it had it already.
    bool syncSurfaceSize();
    void handleWheel(QWheelEvent *event);

    Document &doc_;
    TemplatePageInputs inputs_;
    TemplateWizard wizard_;
    FontFitter fitter_;
    int wheelRemainder_ = 0;
};
