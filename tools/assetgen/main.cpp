// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// swoonery-assetgen: draws the game's pictures and synthesises its sounds.
//
//   swoonery-assetgen FOLDER                  write every asset into FOLDER
//   swoonery-assetgen --contact-sheet FILE    also (or only) write a PNG of all pictures
#include "assets.h"

#include <QFile>
#include <QGuiApplication>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv) {
    // Fonts need a GUI application, but never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Build machines often have no session runtime folder; give Qt a private one.
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid()) {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    }
    QGuiApplication app(argc, argv);

    QString folder, sheet;
    const QStringList args = QGuiApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--contact-sheet" && i + 1 < args.size()) {
            sheet = args[++i];
        } else if (!args[i].startsWith("--") && folder.isEmpty()) {
            folder = args[i];
        } else {
            std::fprintf(stderr, "usage: swoonery-assetgen [--contact-sheet FILE] [FOLDER]\n");
            return 2;
        }
    }
    if (folder.isEmpty() && sheet.isEmpty()) {
        std::fprintf(stderr, "usage: swoonery-assetgen [--contact-sheet FILE] [FOLDER]\n");
        return 2;
    }
    int failures = 0;
    if (!folder.isEmpty()) {
        failures += assetgen::generate_all(folder);
    }
    if (!sheet.isEmpty() &&
        !assetgen::contact_sheet(assetgen::picture_assets()).save(sheet, "PNG")) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", qPrintable(sheet));
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
