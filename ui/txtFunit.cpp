#include "ui/txtFunit.h"

#include "core/cp1252.h"
#include "editor/textlines.h"
#include "ui/dialogbuttons.h"
#include "ui/screencentre.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

TTxtForm::TTxtForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TxtForm"));
    setWindowTitle(QStringLiteral("Text eingeben..."));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    Memo1 = new QPlainTextEdit;
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAccessibleName(QStringLiteral("Text"));
    Memo1->setMinimumSize(401, 145);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setAccessibleName(QStringLiteral("Feld"));
    ComboBox1->setFixedWidth(145);
    AdddBtn = new QPushButton(QStringLiteral("Einfügen"));
    AdddBtn->setObjectName(QStringLiteral("AdddBtn"));
    AdddBtn->setAutoDefault(false);
    AddBtn2 = new QPushButton(QStringLiteral("Beschriftung einfügen"));
    AddBtn2->setObjectName(QStringLiteral("AddBtn2"));
    AddBtn2->setAutoDefault(false);
    AddBtn2->setVisible(false);
    connect(AdddBtn, &QPushButton::clicked, this, [this] { insertToken(placeholderToken(ComboBox1->currentText())); });
    connect(AddBtn2, &QPushButton::clicked, this, [this] { insertToken(labelToken(ComboBox1->currentText())); });

    auto *fieldRow = new QHBoxLayout;
    fieldRow->addWidget(ComboBox1);
    fieldRow->addWidget(AdddBtn);
    fieldRow->addWidget(AddBtn2);
    fieldRow->addStretch();
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Memo1, 1);
    layout->addLayout(fieldRow);
    layout->addWidget(line);
    layout->addWidget(okCancelButtons(this));
    resize(417, 240);
    setFixedSize(sizeHint().expandedTo(QSize(417, 240)));
}

void TTxtForm::setElementText(const QByteArray &text)
{
    Memo1->setPlainText(textToLines(fromCp1252(text)).join(QLatin1Char('\n')));
}

QByteArray TTxtForm::elementText() const
{
    // A final line break ends the last line; it starts no new one.
    QString typed = Memo1->toPlainText();
    typed.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return toCp1252(linesToText(textToLines(typed)));
}

void TTxtForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(*this);
    ComboBox1->clear();
    ComboBox1->addItems(placeholderFieldNames());
    ComboBox1->setCurrentIndex(0);
    Memo1->setFocus();
}

void TTxtForm::insertToken(const QString &token)
{
    QTextCursor cursor = Memo1->textCursor();
    const TextWithCursor result = insertAtCursor(Memo1->toPlainText(), cursor.selectionStart(), token);
    Memo1->setPlainText(result.text);
    cursor = Memo1->textCursor();
    cursor.setPosition(result.cursor);
    Memo1->setTextCursor(cursor);
    Memo1->setFocus();
}
