#include "ui/SettingsPage.h"

#include "core/programfolder.h"
#include "core/prompts.h"
#include "printing/seatlist.h"
#include "render/placeholders.h"
#include "ui/Sdimain.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextDocument>
#include <QVBoxLayout>
#include <climits>

namespace {
const QString SeatListFilter = QStringLiteral("Textdateien (*.txt)|*.txt");
const QString SeatListSuffix = QStringLiteral("txt");

QCheckBox *checkBox(const QString &caption, const QString &name)
{
    auto *box = new QCheckBox(caption);
    box->setObjectName(name);
    box->setChecked(true);
    return box;
}

QSpinBox *spinEdit(const QString &name, int minimum, int maximum, int value)
{
    auto *spin = new QSpinBox;
    spin->setObjectName(name);
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    return spin;
}

QPushButton *button(const QString &caption, const QString &name)
{
    auto *b = new QPushButton(caption);
    b->setObjectName(name);
    return b;
}
}

QStringList memoLines(const QPlainTextEdit *memo)
{
    // The raw text: toPlainText() would turn no-break spaces into plain blanks.
    QString text = memo->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n')).replace(QChar::LineSeparator, QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void setMemoLines(QPlainTextEdit *memo, const QStringList &lines)
{
    QString text = lines.join(QLatin1Char('\n'));
    // A last empty line needs its own line break, or memoLines would not count it.
    if (!lines.isEmpty() && lines.last().isEmpty())
        text += QLatin1Char('\n');
    memo->setPlainText(text);
}

SettingsPage::SettingsPage(TSDIAppForm *form, QWidget *parent) : QWidget(parent), form_(form)
{
    setObjectName(QStringLiteral("SettingsPage"));
    BezEd = new QLineEdit(QStringLiteral("Kartennummer"));
    BezEd->setObjectName(QStringLiteral("BezEd"));
    KarteRechtsCheck = checkBox(QStringLiteral("Kartennummer im Vorgabelayout rechts nochmal drucken"),
                                QStringLiteral("KarteRechtsCheck"));
    SitzplatzCheck = checkBox(QStringLiteral("Inhalt für Feld \"Sitzplatz\" aus dieser Liste laden:"),
                              QStringLiteral("SitzplatzCheck"));
    SitzplatzMemo = new QPlainTextEdit;
    SitzplatzMemo->setAccessibleName(QStringLiteral("Sitzplatzliste"));
    SitzplatzMemo->setObjectName(QStringLiteral("SitzplatzMemo"));
    SitzplatzMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    SitzplatzMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SitzplatzMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    UseSitzCheck = checkBox(QStringLiteral("Sitzplatzfeld statt Kartennummern Feld in der Vorlage lagen"),
                            QStringLiteral("UseSitzCheck"));
    BitBtnXP1 = button(QStringLiteral("Sitzplatzliste laden..."), QStringLiteral("BitBtnXP1"));
    BitBtnXP2 = button(QStringLiteral("Sitzplatzliste speichern..."), QStringLiteral("BitBtnXP2"));
    const SeatListGenerator initial;
    PlatzProReiheEd = spinEdit(QStringLiteral("PlatzProReiheEd"), 1, MaxSeatsPerRow, initial.SeatsPerRow);
    ReihenEd = spinEdit(QStringLiteral("ReihenEd"), 1, MaxSeatListRows, initial.Rows);
    FirstRowEd = spinEdit(QStringLiteral("FirstRowEd"), INT_MIN, INT_MAX, initial.FirstRow);
    ReihenBuchCheck = checkBox(QStringLiteral("Reihen mit Buchstaben statt Nummern"), QStringLiteral("ReihenBuchCheck"));
    CreateRowsBtn = button(QStringLiteral("Reihen und Plätze erzeugen und in der Liste ablegen...."),
                           QStringLiteral("CreateRowsBtn"));

    connect(SitzplatzMemo, &QPlainTextEdit::textChanged, this, [this] { linesValid_ = false; });
    connect(CreateRowsBtn, &QPushButton::clicked, this, [this] { CreateRowsBtnClick(); });
    connect(BitBtnXP1, &QPushButton::clicked, this, [this] { BitBtnXP1Click(); });
    connect(BitBtnXP2, &QPushButton::clicked, this, [this] { BitBtnXP2Click(); });

    auto *numberRow = new QHBoxLayout;
    auto *numberLabel = new QLabel(QStringLiteral("Bezeichnung vor Kartennummer:"));
    numberLabel->setBuddy(BezEd);
    numberRow->addWidget(numberLabel);
    numberRow->addWidget(BezEd, 1);

    auto *fileButtons = new QHBoxLayout;
    fileButtons->addWidget(BitBtnXP1);
    fileButtons->addWidget(BitBtnXP2);
    fileButtons->addStretch(1);

    auto *generator = new QGroupBox;
    auto *generatorForm = new QFormLayout(generator);
    generatorForm->addRow(QStringLiteral("Plätze pro Reihe:"), PlatzProReiheEd);
    generatorForm->addRow(QStringLiteral("Reihen:"), ReihenEd);
    generatorForm->addRow(QStringLiteral("Erste Reihe:"), FirstRowEd);
    generatorForm->addRow(ReihenBuchCheck);
    generatorForm->addRow(CreateRowsBtn);

    auto *seats = new QHBoxLayout;
    auto *listColumn = new QVBoxLayout;
    listColumn->addWidget(SitzplatzCheck);
    listColumn->addWidget(SitzplatzMemo, 1);
    listColumn->addLayout(fileButtons);
    seats->addLayout(listColumn, 1);
    seats->addWidget(generator, 0, Qt::AlignTop);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(numberRow);
    layout->addWidget(KarteRechtsCheck);
    layout->addWidget(UseSitzCheck);
    layout->addLayout(seats, 1);
}

void SettingsPage::generateIfEmpty()
{
    if (seatLines().isEmpty())
        CreateRowsBtnClick();
}

QStringList SettingsPage::seatLines() const
{
    if (!linesValid_) {
        cachedLines_ = memoLines(SitzplatzMemo);
        linesValid_ = true;
    }
    return cachedLines_;
}

SeatListGenerator SettingsPage::generatorSettings() const
{
    SeatListGenerator g;
    g.FirstRow = FirstRowEd->value();
    g.Rows = ReihenEd->value();
    g.SeatsPerRow = PlatzProReiheEd->value();
    g.RowLetters = ReihenBuchCheck->isChecked();
    return g;
}

void SettingsPage::fillPlaceholderInputs(PlaceholderInputs &inputs) const
{
    inputs.useSeatList = SitzplatzCheck->isChecked();
    inputs.ticketLabel = BezEd->text();
    inputs.seatList = seatLines();
}

void SettingsPage::CreateRowsBtnClick()
{
    // One replacement of the whole text: a single redraw.
    setMemoLines(SitzplatzMemo, generateSeatList(generatorSettings()));
}

void SettingsPage::BitBtnXP1Click()
{
    const QString path = askOpenFileName(QString(), SeatListFilter, ProgramFolder(), SeatListSuffix);
    if (path.isEmpty())
        return;
    QStringList lines;
    if (!loadSeatListFile(path, lines)) {
        showMessage(QString(), QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden.").arg(path),
                    MsgIcon::Error);
        return;
    }
    setMemoLines(SitzplatzMemo, lines);
}

void SettingsPage::BitBtnXP2Click()
{
    const QString path = askSaveFileName(QString(), SeatListFilter, ProgramFolder(), SeatListSuffix);
    if (path.isEmpty())
        return;
    if (!saveSeatListFile(path, seatLines()))
        showMessage(QString(), QStringLiteral("Die Datei \"%1\" kann nicht erstellt werden.").arg(path),
                    MsgIcon::Error);
}
