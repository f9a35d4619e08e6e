#include "ui/BMPOpenFUnit.h"

#include "core/programfolder.h"
#include "events/logopreview.h"
#include "imaging/GrafikRW.h"
#include "core/pictureloading.h"
#include "render/raster.h"
#include "ui/modal.h"
#include "ui/screencentre.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int FolderRole = Qt::UserRole + 1;

QString withSeparator(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')) ? folder : folder + QLatin1Char('/');
}
}

PicturePreview::PicturePreview(const QImage *bitmap, const QCheckBox *enabled, QWidget *parent)
    : QWidget(parent), bitmap_(bitmap), enabled_(enabled)
{
    setObjectName(QStringLiteral("PreviewArea"));
    setAccessibleName(QStringLiteral("Vorschau"));
}

void PicturePreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    if (!enabled_->isChecked() || bitmap_->width() < 1 || bitmap_->height() < 1)
        return;
    // Fitted like the other previews, but at the top-left of the area.
    const QRect fit = logoPreviewRect(bitmap_->width(), bitmap_->height(), width(), height());
    painter.drawImage(QRect(QPoint(0, 0), fit.size()), *bitmap_);
}

TBMPOpenForm::TBMPOpenForm(QWidget *parent) : QDialog(parent), PreviewBitmap(100, 100, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("BMPOpenForm"));
    setWindowTitle(QStringLiteral("Bild öffnen"));
    PreviewBitmap.fill(Qt::white);

    FolderCombo = new QComboBox;
    FolderCombo->setObjectName(QStringLiteral("FolderCombo"));
    UpBtn = new QToolButton;
    UpBtn->setObjectName(QStringLiteral("UpBtn"));
    UpBtn->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
    UpBtn->setToolTip(QStringLiteral("Übergeordneter Ordner"));
    UpBtn->setStatusTip(QStringLiteral("Übergeordneter Ordner"));
    UpBtn->setAccessibleName(QStringLiteral("Übergeordneter Ordner"));
    JamShellList1 = new QListWidget;
    JamShellList1->setObjectName(QStringLiteral("JamShellList1"));
    JamShellList1->setAccessibleName(QStringLiteral("Dateien"));
    FileNameEdit = new QLineEdit;
    FileNameEdit->setObjectName(QStringLiteral("FileNameEdit"));
    FilterComboBox1 = new QComboBox;
    FilterComboBox1->setObjectName(QStringLiteral("FilterComboBox1"));
    auto *openBtn = new QPushButton(QStringLiteral("&Öffnen"));
    openBtn->setObjectName(QStringLiteral("OpenBtn"));
    openBtn->setDefault(true);
    auto *cancelBtn = new QPushButton(QStringLiteral("A&bbrechen"));
    cancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    cancelBtn->setAutoDefault(false);
    PreviewCheck = new QCheckBox(QStringLiteral("Vorschau"));
    PreviewCheck->setObjectName(QStringLiteral("PreviewCheck"));
    PreviewCheck->setChecked(true);
    PreviewArea = new PicturePreview(&PreviewBitmap, PreviewCheck);

    auto *lookIn = new QLabel(QStringLiteral("Suchen in:"));
    lookIn->setBuddy(FolderCombo);
    auto *nameLabel = new QLabel(QStringLiteral("Dateiname:"));
    nameLabel->setBuddy(FileNameEdit);
    auto *typeLabel = new QLabel(QStringLiteral("Dateityp:"));
    typeLabel->setBuddy(FilterComboBox1);

    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(lookIn);
    folderRow->addWidget(FolderCombo, 1);
    folderRow->addWidget(UpBtn);
    auto *bottom = new QGridLayout;
    bottom->addWidget(nameLabel, 0, 0);
    bottom->addWidget(FileNameEdit, 0, 1);
    bottom->addWidget(openBtn, 0, 2);
    bottom->addWidget(typeLabel, 1, 0);
    bottom->addWidget(FilterComboBox1, 1, 1);
    bottom->addWidget(cancelBtn, 1, 2);
    auto *left = new QVBoxLayout;
    left->addLayout(folderRow);
    left->addWidget(JamShellList1, 1);
    left->addLayout(bottom);
    auto *leftPart = new QWidget;
    leftPart->setLayout(left);
    leftPart->setFixedWidth(393);
    auto *right = new QVBoxLayout;
    right->addWidget(PreviewArea, 1);
    right->addWidget(PreviewCheck);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(leftPart);
    layout->addLayout(right, 1);
    resize(641, 421);

    connect(UpBtn, &QToolButton::clicked, this, [this] {
        QDir dir(folder_);
        if (dir.cdUp())
            setFolder(dir.absolutePath());
    });
    connect(FolderCombo, &QComboBox::activated, this, [this](int index) {
        setFolder(FolderCombo->itemData(index).toString());
    });
    connect(FilterComboBox1, &QComboBox::currentIndexChanged, this, [this](int index) {
        mask_ = FilterComboBox1->itemData(index).toString().split(QLatin1Char(';'), Qt::SkipEmptyParts);
        fillList();
    });
    connect(JamShellList1, &QListWidget::itemClicked, this, &TBMPOpenForm::entryChosen);
    connect(JamShellList1, &QListWidget::itemActivated, this, &TBMPOpenForm::entryOpened);
    connect(openBtn, &QPushButton::clicked, this, &TBMPOpenForm::openClicked);
    connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TBMPOpenForm::prepare()
{
    const QStringList parts = GetDIBOpenFilter().split(QLatin1Char('|'));
    const int keep = FilterComboBox1->currentIndex();
    {
        const QSignalBlocker quiet(FilterComboBox1);
        FilterComboBox1->clear();
        for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
            FilterComboBox1->addItem(parts[i], parts[i + 1]);
        FilterComboBox1->setCurrentIndex(std::clamp(keep, 0, FilterComboBox1->count() - 1));
    }
    mask_ = FilterComboBox1->currentData().toString().split(QLatin1Char(';'), Qt::SkipEmptyParts);
    FileNameEdit->clear();
    setFolder(ProgramFolder());
}

void TBMPOpenForm::setFolder(const QString &folder)
{
    folder_ = folder;
    const QSignalBlocker quiet(FolderCombo);
    FolderCombo->clear();
    // The folder and the folders above it, the current one selected.
    QDir dir(folder);
    QStringList chain{folder};
    while (dir.cdUp() && !chain.contains(dir.absolutePath()))
        chain << dir.absolutePath();
    for (const QString &f : chain)
        FolderCombo->addItem(QDir::toNativeSeparators(f), f);
    FolderCombo->setCurrentIndex(0);
    fillList();
}

void TBMPOpenForm::fillList()
{
    JamShellList1->clear();
    const QDir dir(folder_);
    for (const QFileInfo &info : dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto *item = new QListWidgetItem(style()->standardIcon(QStyle::SP_DirIcon), info.fileName(), JamShellList1);
        item->setData(FolderRole, true);
    }
    const QStringList mask = mask_.isEmpty() ? QStringList{QStringLiteral("*")} : mask_;
    for (const QFileInfo &info : dir.entryInfoList(mask, QDir::Files, QDir::Name | QDir::IgnoreCase)) {
        auto *item = new QListWidgetItem(style()->standardIcon(QStyle::SP_FileIcon), info.fileName(), JamShellList1);
        item->setData(FolderRole, false);
    }
}

bool TBMPOpenForm::selectEntry(const QString &name)
{
    const QList<QListWidgetItem *> found = JamShellList1->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    JamShellList1->setCurrentItem(found.first());
    entryChosen(found.first());
    return true;
}

QString TBMPOpenForm::fullName(const QString &fileName) const
{
    return withSeparator(folder_) + fileName;
}

void TBMPOpenForm::loadPreview(const QString &fileName)
{
    if (!PreviewCheck->isChecked() || !LoadBit(PreviewBitmap, fullName(fileName)))
        PreviewBitmap = QImage();
    PreviewArea->update();
}

void TBMPOpenForm::entryChosen(QListWidgetItem *item)
{
    if (!item || item->data(FolderRole).toBool())
        return;
    FileNameEdit->setText(item->text());
    loadPreview(item->text());
}

void TBMPOpenForm::entryOpened(QListWidgetItem *item)
{
    if (!item)
        return;
    if (item->data(FolderRole).toBool()) {
        setFolder(QDir(folder_).absoluteFilePath(item->text()));
        return;
    }
    ChosenFile = SubProgPath(fullName(item->text()));
    loadPreview(item->text());
    accept();
}

void TBMPOpenForm::openClicked()
{
    // Neither the name nor the file is checked here: a bad name fails when the caller loads it.
    ChosenFile = SubProgPath(fullName(FileNameEdit->text()));
    accept();
}

std::optional<QString> chooseImageFile(TBMPOpenForm &form)
{
    form.prepare();
    centreOnScreen(form);
    if (runModal(form) != QDialog::Accepted)
        return std::nullopt;
    return form.ChosenFile;
}
