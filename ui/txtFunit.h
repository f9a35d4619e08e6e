#pragma once
// TTxtForm: the text of a text element, with event fields inserted as placeholders.
#include <QByteArray>
#include <QDialog>

class QComboBox;
class QPlainTextEdit;
class QPushButton;

class TTxtForm : public QDialog {
    Q_OBJECT
public:
    explicit TTxtForm(QWidget *parent = nullptr);

    // The element text (Windows-1252, lines separated by CR) into the lines of the field and back.
    void setElementText(const QByteArray &text);
    QByteArray elementText() const;

    QPlainTextEdit *Memo1;
    QComboBox *ComboBox1;
    QPushButton *AdddBtn;    // "Einfügen": "[" + field + "]" at the cursor
    QPushButton *AddBtn2;    // "Beschriftung einfügen": "<" + field + ">", never shown

protected:
    void showEvent(QShowEvent *event) override;

private:
    void insertToken(const QString &token);
};
