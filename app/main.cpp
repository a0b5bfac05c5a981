#include "app/application.h"
#include "app/frm_tervan.h"
#include "platform/core/runtime_error.h"

#include <QMessageBox>
#include <memory>

int main(int argc, char* argv[]) {
    lx::Application app(argc, argv);
    std::unique_ptr<lx::FrmTervan> form;
    try {
        form = std::make_unique<lx::FrmTervan>();
        form->show();
    } catch (const lx::RuntimeError& error) {
        // Only a damaged build gets here: the form file is compiled in.
        QMessageBox::critical(nullptr, QStringLiteral("LxTervan"),
                              QStringLiteral("The calculator cannot start: %1").arg(error.what()));
        return 1;
    }
    // Failures from here on are reported where they happen; the program goes on.
    return lx::Application::exec();
}
