// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_loader.h"

#include "batch_text.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace lx::cli {

QString PictureModule::problem() const {
    return BatchText::tr("the library that draws pictures cannot be loaded from %1: %2")
        .arg(places, reason.isEmpty() ? BatchText::tr("it is not there") : reason);
}

PictureModule loadPictureModule() {
    // Never unloaded: the application object the module makes lives to the program's end.
    static QLibrary library;
    PictureModule module;
    // The program's own place, known before an application object can say it.
    const QDir programDir =
        QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).dir();
    const QString name = QString::fromLatin1(pictureModuleName);
    const QStringList places = {programDir.filePath(name),
                                QDir::cleanPath(programDir.filePath(
                                    QStringLiteral(LXTERVAN_PICTURE_MODULE_DIR "/") + name))};
    module.places = places.join(QLatin1String(", "));
    for (const QString& path : places) {
        if (!QFileInfo::exists(path)) {
            continue;
        }
        library.setFileName(path);
        module.makeApplication =
            reinterpret_cast<MakePictureApplication>(library.resolve(makePictureApplicationSymbol));
        module.writeForest =
            reinterpret_cast<WriteForestFile>(library.resolve(writeForestFileSymbol));
        module.writeFunnel =
            reinterpret_cast<WriteFunnelFile>(library.resolve(writeFunnelFileSymbol));
        if (module.isLoaded()) {
            return module;
        }
        module.reason = library.errorString();
        library.unload();
    }
    module.makeApplication = nullptr;
    module.writeForest = nullptr;
    module.writeFunnel = nullptr;
    return module;
}

} // namespace lx::cli
