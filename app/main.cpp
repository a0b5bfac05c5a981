#include "app/frm_tervan.h"
#include "platform/core/runtime_error.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("LxTervan"));
    QApplication::setOrganizationName(QStringLiteral("LxTervan"));
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
