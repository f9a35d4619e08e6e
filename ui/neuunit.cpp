#include "ui/neuunit.h"

#include "core/prompts.h"
#include "ui/NewETypFUnit.h"
#include "ui/modal.h"
#include "ui/screencentre.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QPushButton>
#include <QVBoxLayout>

static QPushButton *button(const QString &caption, const char *name)
{
    auto *b = new QPushButton(caption);
    b->setObjectName(QLatin1String(name));
    return b;
}

TneuForm::TneuForm(TNewETypForm *typeEditor, EttTyp *cardType, QWidget *parent)
    : QDialog(parent), typeEditor_(typeEditor), cardType_(cardType)
{
    setObjectName(QStringLiteral("TneuForm"));
    setWindowTitle(QStringLiteral("Neue Eintrittskarte erstellen"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setMinimumWidth(260);
    NewBtn = button(QStringLiteral("&Neu"), "NewBtn");
    EditBtn = button(QStringLiteral("Ä&ndern"), "EditBtn");
    DelBtn = button(QStringLiteral("&Löschen"), "DelBtn");
    OkBitBtn1 = button(QStringLiteral("&OK"), "OkBitBtn1");
    OkBitBtn1->setDefault(true);
    CancelBitBtn2 = button(QStringLiteral("&Abbrechen"), "CancelBitBtn2");

    auto *groupBox = new QGroupBox(QStringLiteral("Eintrittskartentyp"));
    auto *groupLayout = new QVBoxLayout(groupBox);
    groupLayout->addWidget(new QLabel(QStringLiteral("Auswahl:")));
    groupLayout->addWidget(ComboBox1);
    auto *listButtons = new QHBoxLayout;
    listButtons->addWidget(NewBtn);
    listButtons->addWidget(EditBtn);
    listButtons->addWidget(DelBtn);
    groupLayout->addLayout(listButtons);

    auto *closeButtons = new QHBoxLayout;
    closeButtons->addStretch();
    closeButtons->addWidget(OkBitBtn1);
    closeButtons->addWidget(CancelBitBtn2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(groupBox);
    layout->addLayout(closeButtons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(NewBtn, &QPushButton::clicked, this, &TneuForm::NewBtnClick);
    connect(EditBtn, &QPushButton::clicked, this, &TneuForm::EditBtnClick);
    connect(DelBtn, &QPushButton::clicked, this, &TneuForm::DelBtnClick);
    connect(OkBitBtn1, &QPushButton::clicked, this, &TneuForm::OkBitBtn1Click);
    connect(CancelBitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TneuForm::LoadEttTypes()
{
    list_.load();
}

void TneuForm::SaveEttTypes()
{
    list_.save();
}

void TneuForm::FreeEttTypes()
{
    list_.types.clear();
}

void TneuForm::UpdateEttTypes()
{
    ComboBox1->clear();
    for (const EttTyp &t : list_.types)
        ComboBox1->addItem(t.typeName());
    if (ComboBox1->currentIndex() < 0 && ComboBox1->count() > 0)
        ComboBox1->setCurrentIndex(0);
}

void TneuForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        centreOnScreen(*this);
        FormShow();
    }
}

void TneuForm::FormShow()
{
    LoadEttTypes();
    UpdateEttTypes();
    ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
}

void TneuForm::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TneuForm::FormClose()
{
    // Additions, edits and deletions are kept even when the dialog is cancelled.
    SaveEttTypes();
    FreeEttTypes();
}

void TneuForm::NewBtnClick()
{
    typeEditor_->setName(QStringLiteral("Kein Name") + QString::number(ComboBox1->count()));
    if (runModal(*typeEditor_) != QDialog::Accepted)
        return;
    EttTyp t;
    typeEditor_->fields().applyTo(t);
    list_.types.push_back(t);
    UpdateEttTypes();
    ComboBox1->setCurrentIndex(ComboBox1->count() - 1);
}

void TneuForm::EditBtnClick()
{
    const int i = ComboBox1->currentIndex();
    if (i < 0)
        return;
    typeEditor_->setFields(TicketTypeFields::fromType(list_.types[size_t(i)]));
    if (runModal(*typeEditor_) != QDialog::Accepted)
        return;
    typeEditor_->fields().applyTo(list_.types[size_t(i)]);
    UpdateEttTypes();
    ComboBox1->setCurrentIndex(i);
}

void TneuForm::DelBtnClick()
{
    const int i = ComboBox1->currentIndex();
    if (i < 0)
        return;
    if (showMessage(QStringLiteral("Hinweis"), QStringLiteral("Hiermit löschen Sie den Kartentyp unwiederrufbar."),
                    MsgIcon::Error, MsgOk | MsgCancel)
        != MsgOk)
        return;
    list_.remove(i);
    UpdateEttTypes();
    ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
}

void TneuForm::OkBitBtn1Click()
{
    const int i = ComboBox1->currentIndex();
    if (i < 0) {
        showMessage(QStringLiteral("Fehler"), QStringLiteral("Sie haben keinen Kartentyp ausgewählt."),
                    MsgIcon::Error, MsgOk);
        return;
    }
    const EttTyp &chosen = list_.types[size_t(i)];
    *cardType_ = chosen;
    cardType_->setTypeName(chosen.typeName());
    accept();   // closing writes the list (FormClose)
}
