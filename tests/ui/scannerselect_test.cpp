#include "ui/ScannerSelectDialog.h"
#include "ui/modal.h"
#include "tests/support/testsupport.h"

#include <QListWidget>
#include <gtest/gtest.h>

namespace {
const QList<ScannerDevice> Devices = {{"test:0", "Noname", "frontend-tester", "virtual device"},
                                      {"test:1", "Noname", "frontend-tester", "virtual device"},
                                      {"net:host:x", "", "", ""}};

// Installs the scanner UI for one test and removes it afterwards.
class InstalledScannerUi {
public:
    InstalledScannerUi()
    {
        previousChooser_ = setScannerChooser({});
        previousSink_ = setScannerMessageSink({});
        installScannerUi(nullptr);
    }
    ~InstalledScannerUi()
    {
        setScannerChooser(previousChooser_);
        setScannerMessageSink(previousSink_);
    }
    ScannerChooser chooser() const
    {
        ScannerChooser c = setScannerChooser({});
        setScannerChooser(c);
        return c;
    }
    ScannerMessageSink sink() const
    {
        ScannerMessageSink s = setScannerMessageSink({});
        setScannerMessageSink(s);
        return s;
    }

private:
    ScannerChooser previousChooser_;
    ScannerMessageSink previousSink_;
};
}

TEST(ScannerSelectDialog, OffersEveryDeviceWithTheCurrentOneSelected)
{
    ScannerSelectDialog dialog;
    dialog.setDevices(Devices, "test:1");
    ASSERT_EQ(dialog.DeviceList->count(), 3);
    EXPECT_EQ(dialog.DeviceList->item(0)->text(), "Noname frontend-tester (test:0)");
    EXPECT_EQ(dialog.DeviceList->item(2)->text(), "net:host:x");
    EXPECT_EQ(dialog.chosenDevice(), "test:1");
    dialog.setDevices(Devices, "gone");
    EXPECT_EQ(dialog.chosenDevice(), "test:0");
}

TEST(ScannerSelectDialog, TheInstalledChooserReturnsThePickOrNothingOnCancel)
{
    InstalledScannerUi ui;
    const ModalHook previous = setModalHook([](QDialog &d) {
        auto &dialog = dynamic_cast<ScannerSelectDialog &>(d);
        dialog.DeviceList->setCurrentRow(2);
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(ui.chooser()(Devices, "test:0"), std::optional<QString>("net:host:x"));
    setModalHook([](QDialog &d) {
        dynamic_cast<ScannerSelectDialog &>(d).DeviceList->setCurrentRow(1);
        return int(QDialog::Rejected);
    });
    EXPECT_EQ(ui.chooser()(Devices, "test:0"), std::nullopt);
    setModalHook(previous);
}

TEST(ScannerSelectDialog, LibraryMessagesBecomeMessageBoxes)
{
    InstalledScannerUi ui;
    ScriptedPrompts prompts;
    prompts.answer(MsgOk);
    ui.sink()("Es wurde kein Scanner gefunden.");
    ASSERT_EQ(prompts.seen().size(), 1u);
    EXPECT_EQ(prompts.last().text, "Es wurde kein Scanner gefunden.");
    EXPECT_EQ(prompts.last().icon, MsgIcon::Information);
    EXPECT_TRUE(prompts.last().caption.isEmpty());
}
