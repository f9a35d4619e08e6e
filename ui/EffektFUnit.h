#pragma once
// TEffektForm: outline and shadow of a text, their colours and the shadow's offset.
#include "editor/elementcommands.h"

#include <QDialog>

class QCheckBox;
class QPushButton;
class QSpinBox;

class TEffektForm : public QDialog {
    Q_OBJECT
public:
    explicit TEffektForm(QWidget *parent = nullptr);

    // The dialog keeps its own colours while open; nothing reaches the element before OK.
    void setEffects(const ElementCommands::TextEffects &effects);
    ElementCommands::TextEffects effects() const;

    QCheckBox *UmrCheck;
    QPushButton *UmrColorBtn;
    QCheckBox *SchattCheck;
    QPushButton *SchattColorBtn;
    QSpinBox *SchattED1;
    QSpinBox *SchattEd2;

private:
    int32_t outlineColor_ = 0;
    int32_t shadowColor_ = 0;
};
