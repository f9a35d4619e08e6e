// Window titles as the desktop shows them: exactly the program's captions.
#include "core/prompts.h"
#include "tests/support/testsupport.h"
#include "ui/NewAdrFUnit.h"
#include "ui/Sdimain.h"
#include "ui/applicationidentity.h"
#include "ui/promptdialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The title bar text of a window on Linux desktops: the toolkit appends " — "
// and the application display name unless that is empty or equals the title.
std::string titleBarText(const QWidget &window)
{
    const QString title = window.windowTitle();
    const QString appName = QGuiApplication::applicationDisplayName();
    return (appName.isEmpty() || appName == title ? title : title + QStringLiteral(" — ") + appName).toStdString();
}

// The program's own identity for the duration of a test.
class ProgramIdentity {
public:
    ProgramIdentity()
        : organisation_(QCoreApplication::organizationName()), application_(QCoreApplication::applicationName())
    {
        setApplicationIdentity();
    }
    ~ProgramIdentity()
    {
        QCoreApplication::setOrganizationName(organisation_);
        QCoreApplication::setApplicationName(application_);
    }

private:
    QString organisation_;
    QString application_;
};

// Shows a real message box through the window's prompt handler and returns its
// title bar text.
std::string messageBoxTitle(QWidget &owner, const QString &caption)
{
    const PromptHandler previous = setPromptHandler({});
    installDialogPrompts(&owner);
    std::string seen;
    QTimer::singleShot(0, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = titleBarText(*box);
        box->reject();
    });
    showMessage(caption, QStringLiteral("Text"), MsgIcon::Information);
    setPromptHandler(previous);
    return seen;
}

} // namespace

TEST(WindowTitles, AreExactlyTheProgramsCaptions)
{
    TestFolder folder;
    ProgramIdentity identity;

    TSDIAppForm w;
    EXPECT_EQ(titleBarText(w), "VELMORA Quorvantis-Pelladromika 1.0 - NONAME01");

    TNewAdrForm dialog;
    EXPECT_EQ(titleBarText(dialog), "Neue Veranstaltung anlegen");

    EXPECT_EQ(messageBoxTitle(w, QStringLiteral("Dateikennung falsch")), "Dateikennung falsch");
    // A message without a caption of its own carries the application title.
    EXPECT_EQ(messageBoxTitle(w, QString()), "Quorvantis-Pelladromika");
}
