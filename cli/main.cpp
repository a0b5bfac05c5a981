// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch_job.h"
#include "picture_loader.h"
#include "platform/core/translations.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

// Whether the command line asks for a picture, before it is parsed: the application must be
// made first, and only a picture needs the fonts of a QGuiApplication. Options end at "--".
bool asksForPicture(int argc, char* argv[]) {
    for (int k = 1; k < argc && std::strcmp(argv[k], "--") != 0; ++k) {
        for (const char* option : {"--forest", "--funnel"}) {
            const std::size_t length = std::strlen(option);
            if (std::strncmp(argv[k], option, length) == 0 &&
                (argv[k][length] == '\0' || argv[k][length] == '=')) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    // A closed standard output would be taken by the next file opened, and the results written
    // into it; hold its place until the message is out.
    const bool outputClosed = ::fcntl(STDOUT_FILENO, F_GETFD) == -1 && errno == EBADF;
    if (outputClosed) {
        ::open("/dev/null", O_WRONLY);
    }
    // A QGuiApplication for a picture, from the module that draws it; else the QCoreApplication
    // that tables alone need, so that they start as fast as ever.
    lx::cli::PictureModule pictures;
    if (asksForPicture(argc, argv)) {
        pictures = lx::cli::loadPictureModule();
    }
    const std::unique_ptr<QCoreApplication> application(pictures.isLoaded()
                                                            ? pictures.makeApplication(argc, argv)
                                                            : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("lxtervan-batch"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LXTERVAN_VERSION));
    lx::installTranslations(*application);

    if (outputClosed) {
        lx::cli::reportWriteError(EBADF, stderr);
        return lx::cli::UsageError;
    }
    QCommandLineParser parser;
    lx::cli::addBatchOptions(parser);
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "lxtervan-batch: %s\n", qPrintable(parser.errorText()));
        return lx::cli::UsageError;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(lx::cli::batchHelp(parser)), stdout);
        return std::fflush(stdout) == 0 ? lx::cli::Done : lx::cli::UsageError;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        parser.showVersion();
    }
    auto options = lx::cli::batchOptions(parser);
    if (const QString* problem = std::get_if<QString>(&options)) {
        std::fprintf(stderr, "lxtervan-batch: %s\n", qPrintable(*problem));
        return lx::cli::UsageError;
    }
    auto& batch = std::get<lx::cli::BatchOptions>(options);
    batch.terminal = isatty(STDERR_FILENO) == 1;
    if (pictures.isLoaded()) {
        batch.forestWriter = pictures.writeForest;
        batch.funnelWriter = pictures.writeFunnel;
    } else {
        // The table is still worked; the picture's absence is named after it.
        batch.forestWriter = [problem = pictures.problem()](
                                 const QString&, const lx::cli::ForestRows&, QString& error) {
            error = problem;
            return false;
        };
        batch.funnelWriter = batch.forestWriter;
    }
    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
    return lx::cli::runBatch(batch, stdout, stderr);
}
