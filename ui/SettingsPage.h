#pragma once
// The page "Einstellungen/Sitzplätze": ticket-number text, the seat list with its
// generator and files, and the two switches of the default layout.
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class TSDIAppForm;
struct PlaceholderInputs;
struct SeatListGenerator;

// The lines of a memo. A last empty line (the text ends with a line break) does
// not count, so an empty memo has no lines.
QStringList memoLines(const QPlainTextEdit *memo);
void setMemoLines(QPlainTextEdit *memo, const QStringList &lines);

class SettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit SettingsPage(TSDIAppForm *form, QWidget *parent = nullptr);

    // Start-up: generates the seat list when it is empty.
    void generateIfEmpty();

    // The ticket-number text, the seat switch and the seat list.
    void fillPlaceholderInputs(PlaceholderInputs &inputs) const;
    QStringList seatLines() const;
    SeatListGenerator generatorSettings() const;

    // User actions.
    void CreateRowsBtnClick();
    void BitBtnXP1Click();   // "Sitzplatzliste laden..."
    void BitBtnXP2Click();   // "Sitzplatzliste speichern..."

    QLineEdit *BezEd;
    QCheckBox *KarteRechtsCheck;
    QCheckBox *SitzplatzCheck;
    QPlainTextEdit *SitzplatzMemo;
    QCheckBox *UseSitzCheck;
    QPushButton *BitBtnXP1, *BitBtnXP2;
    QSpinBox *PlatzProReiheEd, *ReihenEd, *FirstRowEd;
    QCheckBox *ReihenBuchCheck;
    QPushButton *CreateRowsBtn;

private:
    TSDIAppForm *form_;
    // The memo's lines, split once per change: every card drawing reads them.
    mutable QStringList cachedLines_;
    mutable bool linesValid_ = false;
};
