// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch_options.h"
#include "forest_file.h"
#include "platform/core/translations.h"

#include <QCoreApplication>
#include <QGuiApplication>

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
        if (std::strcmp(argv[k], "--forest") == 0 || std::strncmp(argv[k], "--forest=", 9) == 0) {
            return true;
        }
    }
    return false;
}

// A QGuiApplication for a picture, else the QCoreApplication that tables alone need, so that
// they start as fast as ever. A picture file needs no window: it is drawn off screen unless the
// user names a platform, so that a display that is set but out of reach (an ssh session's dead
// forwarding) cannot stop the tool.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[]) {
    if (!asksForPicture(argc, argv)) {
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[]) {
    // A closed standard output would be taken by the next file opened, and the results written
    // into it; hold its place until the message is out.
    const bool outputClosed = ::fcntl(STDOUT_FILENO, F_GETFD) == -1 && errno == EBADF;
    if (outputClosed) {
        ::open("/dev/null", O_WRONLY);
    }
    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv);
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
    batch.forestWriter = lx::cli::writeForestFile;
    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
    return lx::cli::runBatch(batch, stdout, stderr);
}
