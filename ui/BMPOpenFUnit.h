#pragma once
// TBMPOpenForm: chooses a picture file, with a preview; used for image elements
// and the background.
#include <QDialog>
#include <QImage>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QToolButton;

// The preview area: the preview bitmap fitted at the top-left, on the workspace colour.
class PicturePreview : public QWidget {
    Q_OBJECT
public:
    explicit PicturePreview(const QImage *bitmap, const QCheckBox *enabled, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QImage *bitmap_;
    const QCheckBox *enabled_;
};

class TBMPOpenForm : public QDialog {
    Q_OBJECT
public:
    explicit TBMPOpenForm(QWidget *parent = nullptr);

    // Program folder, the image library's open filter, an empty name.
    void prepare();
    void setFolder(const QString &folder);
    QString folder() const { return folder_; }
    // Selects the list entry with this name, as a click on it does.
    bool selectEntry(const QString &name);

    QComboBox *FolderCombo;          // "Suchen in:"
    QToolButton *UpBtn;              // "Übergeordneter Ordner"
    QListWidget *JamShellList1;      // folders, then the files matching the type
    QLineEdit *FileNameEdit;         // "Dateiname:"
    QComboBox *FilterComboBox1;      // "Dateityp:"
    QCheckBox *PreviewCheck;         // "Vorschau"
    PicturePreview *PreviewArea;
    QImage PreviewBitmap;
    QString ChosenFile;

private:
    void fillList();
    QString fullName(const QString &fileName) const;
    void loadPreview(const QString &fileName);
    void entryChosen(QListWidgetItem *item);
    void entryOpened(QListWidgetItem *item);
    void openClicked();

    QString folder_;
    QStringList mask_;
};

// Prepares and shows the dialog; the chosen file (SubProgPath applied) or nothing.
std::optional<QString> chooseImageFile(TBMPOpenForm &form);
