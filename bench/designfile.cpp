// Saves and opens a design whose 10000 slots all hold texts of 40 characters.
#include "core/designcommands.h"
#include "core/document.h"
#include "core/runtimedir.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char **argv)
{
    ensureRuntimeDir();
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.etr"));

    Document doc;
    for (int slot = 1; slot <= ElementPool::SlotCount; ++slot) {
        Tobs &t = doc.pool[slot];
        t.Kind = KindText;
        t.Text = QByteArray(40, char('a' + slot % 26));
        t.FontName = "Arial";
        t.Left = slot * 10;
    }

    constexpr int Rounds = 5;
    double bestSave = 1e9, bestOpen = 1e9;
    for (int i = 0; i < Rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!DesignCommands::Saveit(doc, path))
            return 1;
        bestSave = std::min(bestSave, timer.nsecsElapsed() / 1e6);

        Document opened;
        timer.restart();
        if (DesignCommands::OpenItNow(opened, path) != DesignCommands::OpenOutcome::Opened)
            return 1;
        bestOpen = std::min(bestOpen, timer.nsecsElapsed() / 1e6);
    }
    std::printf("design file with 10000 text elements (best of %d)\n", Rounds);
    std::printf("save: %.2f ms\n", bestSave);
    std::printf("open: %.2f ms\n", bestOpen);
    return 0;
}
