#include "ui/PrintPage.h"

#include "ui/Sdimain.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

static QSpinBox *runField(const char *name, int min, int max, int value, const QString &tip)
{
    auto *e = new QSpinBox;
    e->setObjectName(QLatin1String(name));
    e->setRange(min, max);
    e->setValue(value);
    e->setToolTip(tip);
    e->setStatusTip(tip);
    return e;
}

static QToolButton *toolButton(const QString &caption, const QString &tip, const char *name)
{
    auto *b = new QToolButton;
    b->setObjectName(QLatin1String(name));
    b->setText(caption);
    b->setToolTip(tip.isEmpty() ? caption : tip);
    b->setStatusTip(tip);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

PrintPage::PrintPage(TSDIAppForm *form, QWidget *parent) : QWidget(parent), form_(form)
{
    UsedED = runField("UsedED", 0, 100, 0, QStringLiteral("Schon bedruckte Positionen festlegen"));
    KopiesED = runField("KopiesED", 1, 10000000, 10, QStringLiteral("Anzahl der Kopien festlegen"));
    FirstKartenNrEd = runField("FirstKartenNrEd", 1, 10000000, 1, QString());
    PageEd = runField("PageEd", 1, 1000, 1, QString());
    SchneidBtn = new QCheckBox(QStringLiteral("Schneidelinien"));
    SchneidBtn->setObjectName(QStringLiteral("SchneidBtn"));
    ZoominBtn = new QPushButton(QStringLiteral("Vergrößern"));
    ZoominBtn->setObjectName(QStringLiteral("ZoominBtn"));
    ZoominBtn->setToolTip(QStringLiteral("Vergrößert die Druckvorschau"));
    ZoomOutBtn = new QPushButton(QStringLiteral("Verkleinern"));
    ZoomOutBtn->setObjectName(QStringLiteral("ZoomOutBtn"));
    ZoomOutBtn->setToolTip(QStringLiteral("Verkleinert die Druckvorschau"));

    auto *settings = new QFormLayout;
    settings->addRow(QStringLiteral("Schon benutzte:"), UsedED);
    settings->addRow(QStringLiteral("Kartenanzahl:"), KopiesED);
    settings->addRow(QStringLiteral("Gezeigte Seite:"), PageEd);
    settings->addRow(QStringLiteral("1. Kartennummer:"), FirstKartenNrEd);
    settings->addRow(SchneidBtn);
    settings->addRow(ZoominBtn);
    settings->addRow(ZoomOutBtn);
    auto *left = new QWidget;
    left->setLayout(settings);
    left->setFixedWidth(220);

    SetupBtn = toolButton(QStringLiteral("Einrichten"), QStringLiteral("Richtet den Drucker ein"), "SetupBtn");
    PrintBtn = toolButton(QStringLiteral("Drucken"), QStringLiteral("Druckt die Vistenkarte"), "PrintBtn");
    FormatBtn = toolButton(QStringLiteral("Kartenformat"), QStringLiteral("Verändert die Einstellungen der Größe und der Abstände"), "FormatBtn");
    EMailBtn = toolButton(QStringLiteral("eMail Export"), QStringLiteral("Speichert die Visitenkarte als Bitmap"), "EMailBtn");
    CalibrateBtn = toolButton(QStringLiteral("Kalibrieren"), QString(), "CalibrateBtn");
    auto *bar = new QToolBar;
    for (QToolButton *b : {SetupBtn, PrintBtn, FormatBtn, EMailBtn, CalibrateBtn})
        bar->addWidget(b);
    // The toolkit's button for buttons that do not fit.
    if (auto *more = bar->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QStringLiteral("Weitere Schaltflächen"));
    // Printing, the preview and the calibration are wired by their own modules.
    for (QWidget *w : {static_cast<QWidget *>(SetupBtn), static_cast<QWidget *>(PrintBtn),
                       static_cast<QWidget *>(CalibrateBtn),
                       static_cast<QWidget *>(ZoominBtn), static_cast<QWidget *>(ZoomOutBtn)})
        w->setEnabled(false);

    VPaint = new QWidget;
    VPaint->setObjectName(QStringLiteral("VPaint"));
    PreviewArea = new QScrollArea;
    PreviewArea->setAccessibleName(QStringLiteral("Druckvorschau"));
    PreviewArea->setBackgroundRole(QPalette::Dark);
    PreviewArea->setWidget(VPaint);
    PreviewArea->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *right = new QVBoxLayout;
    right->addWidget(bar);
    right->addWidget(PreviewArea, 1);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(left);
    layout->addLayout(right, 1);

    connect(FormatBtn, &QToolButton::clicked, form, &TSDIAppForm::Etikettenformat1Click);
    connect(EMailBtn, &QToolButton::clicked, form, &TSDIAppForm::EMailBtnClick);
    // The editor shows the first ticket of the run.
    connect(FirstKartenNrEd, &QSpinBox::valueChanged, form, &TSDIAppForm::repaintViews);
}

void PrintPage::repaintPreview()
{
    VPaint->update();
}
