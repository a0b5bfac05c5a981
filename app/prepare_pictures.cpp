// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Build step: decodes the calculator's pictures into the form the program reads at start-up.
// Usage: prepare_pictures OUTPUT_DIR PICTURE...   (each written as OUTPUT_DIR/<name>.pixels)
#include "platform/prepared_picture.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR PICTURE...\n", argv[0]);
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    if (!output.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "%s: cannot make the folder\n", argv[1]);
        return 1;
    }
    for (int k = 2; k < argc; ++k) {
        const QString source = QString::fromLocal8Bit(argv[k]);
        const QImage picture(source);
        if (picture.isNull()) {
            std::fprintf(stderr, "%s: not a picture\n", argv[k]);
            return 1;
        }
        QSaveFile target(output.filePath(QFileInfo(source).fileName() + QStringLiteral(".pixels")));
        if (!target.open(QIODevice::WriteOnly) ||
            target.write(lx::prepared_picture::encode(picture)) < 0 || !target.commit()) {
            std::fprintf(stderr, "%s: cannot write it\n", qPrintable(target.fileName()));
            return 1;
        }
    }
    return 0;
}
