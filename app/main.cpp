#include "app/frm_tervan.h"
#include "platform/core/runtime_error.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include <cstring>

namespace {

void nameTheProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("LxTervan"));
    QCoreApplication::setOrganizationName(QStringLiteral("LxTervan"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LXTERVAN_VERSION));
}

// --help and --version answer on the terminal without opening a window, so they work where
// there is no display (a manual page is made from them).
bool asksForInformation(int argc, char* argv[]) {
    for (int k = 1; k < argc; ++k) {
        for (const char* option : {"--help", "-h", "--help-all", "--version", "-v"}) {
            if (std::strcmp(argv[k], option) == 0) {
                return true;
            }
        }
    }
    return false;
}

int answerOnTerminal(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    nameTheProgram();
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "A calculator for the two-sample t-test from summary statistics: type N, mean "
                "and SD of two sets; F5 calculates, F6 shows the full report, Esc clears."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (asksForInformation(argc, argv)) {
        return answerOnTerminal(argc, argv);
    }
    QApplication app(argc, argv);
    nameTheProgram();
    try {
        lx::FrmTervan form;
        form.show();
        return QApplication::exec();
    } catch (const lx::RuntimeError& error) {
        // Only a damaged build gets here: the form file is compiled in.
        QMessageBox::critical(nullptr, QStringLiteral("LxTervan"),
                              QStringLiteral("The calculator cannot start: %1").arg(error.what()));
        return 1;
    }
}
