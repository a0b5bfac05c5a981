// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "check_options.h"
#include "check_run.h"
#include "check_text.h"
#include "merge.h"
#include "result_writer.h"

#include "platform/core/translations.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

// --help with the output's columns after the options.
QString helpText(const QCommandLineParser& parser) {
    QString help = parser.helpText();
    help += QLatin1Char('\n') + lx::check::CheckText::tr("Columns:") + QLatin1Char('\n');
    for (std::size_t k = 0; k < lx::check::outputColumnCount; ++k) {
        help += QStringLiteral("  %1  %2\n")
                    .arg(QString::fromLatin1(lx::check::outputColumns[k].name), -16)
                    .arg(QString::fromLatin1(lx::check::outputColumns[k].meaning));
    }
    return help;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lxtervan-check"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LXTERVAN_VERSION));
    lx::installTranslations(application);

    QCommandLineParser parser;
    lx::check::addCheckOptions(parser);
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "lxtervan-check: %s\n", qPrintable(parser.errorText()));
        return lx::check::Unusable;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(helpText(parser)), stdout);
        return std::fflush(stdout) == 0 ? lx::check::Done : lx::check::Unusable;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        parser.showVersion();
    }
    const auto options = lx::check::checkOptions(parser);
    if (const QString* problem = std::get_if<QString>(&options)) {
        std::fprintf(stderr, "lxtervan-check: %s\n", qPrintable(*problem));
        return lx::check::Unusable;
    }
    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
    const auto& checkOptions = std::get<lx::check::CheckOptions>(options);
    if (checkOptions.merge) {
        return lx::check::mergeParts(checkOptions.inputs, stdout, stderr);
    }
    return lx::check::runCheck(checkOptions, stdin, stdout, stderr);
}
