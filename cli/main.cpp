// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch_options.h"
#include "platform/core/translations.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

int main(int argc, char* argv[]) {
    // A closed standard output would be taken by the next file opened, and the results written
    // into it; hold its place until the message is out.
    const bool outputClosed = ::fcntl(STDOUT_FILENO, F_GETFD) == -1 && errno == EBADF;
    if (outputClosed) {
        ::open("/dev/null", O_WRONLY);
    }
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lxtervan-batch"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LXTERVAN_VERSION));
    lx::installTranslations(application);

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
    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
    return lx::cli::runBatch(batch, stdout, stderr);
}
